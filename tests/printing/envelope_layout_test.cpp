#include "printing/envelope_layout.h"

#include <gtest/gtest.h>

#include "print_fixture.h"
#include "printing/page_geometry.h"
#include "printing/print_command.h"

namespace varnel {
namespace {

using testing::envelopeComposer;
using testing::ScriptedDialogs;
using testing::ScriptedPrinter;
using testing::tabX;
using testing::TempDir;
using testing::texts;
using testing::writeFileBytes;

class Envelopes : public ::testing::Test {
protected:
    TempDir dir;

    Document printed(ComposerModel s, const std::string& device) {
        ScriptedDialogs d;
        ScriptedPrinter p;
        p.device = device;
        printComposer(s, d, p, dir.path());
        EXPECT_TRUE(d.log.empty());
        EXPECT_EQ(p.documents.size(), 1u);
        return p.documents.empty() ? Document{} : p.documents[0];
    }
};

TEST_F(Envelopes, APlainTenPrintsOneAndThirtyOneEmptyLinesThenColumnFifty) {
    const Document doc = printed(envelopeComposer(1, 50, 31), "Canon MG3600");
    EXPECT_EQ(doc.orientation, Orientation::Landscape);
    EXPECT_FALSE(doc.paperSet);
    const auto t = texts(doc);
    ASSERT_EQ(t.size(), 3u);
    const FontSpec font{"Verdana", 11, false, false};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t[i].font, font);
        EXPECT_EQ(t[i].row, 32 + i);
        EXPECT_EQ(t[i].column, 50);
        EXPECT_NEAR(t[i].x, 49 * columnWidth(font), 1e-9);
        EXPECT_NEAR(t[i].y, (32 + i) * rowHeight(font), 1e-9);
    }
}

TEST_F(Envelopes, CentredLinesStartSixColumnsLeftWithBlanks) {
    ComposerModel s = envelopeComposer(1, 50, 31);
    s.alignment = Alignment::Centred;
    const auto t = texts(printed(s, "Canon MG3600"));
    const FontSpec font{"Verdana", 11, false, false};
    // "Ann Smith" has 9 characters: 18 - 4.5 = 13.5, to even 14.
    EXPECT_NEAR(t[0].x, 43 * columnWidth(font) + 14 * spaceWidth(font), 1e-9);
    // "Springfield, IL  62704" has 22: 7 blanks.
    EXPECT_NEAR(t[2].x, 43 * columnWidth(font) + 7 * spaceWidth(font), 1e-9);
}

TEST_F(Envelopes, BoldAndLargeFontOnOfficejetAndPhotosmart) {
    struct Case {
        bool bold, large;
        const char* device;
        FontSpec font;
        int column, row;  // of line 1
        bool paperSet;
    };
    const Case cases[] = {
        {true, false, "HP Officejet 4630", {"Verdana", 11, true, false}, 50, 1 + 28, true},
        {true, false, "HP Photosmart 7520", {"Verdana", 11, true, false}, 50, 1 + 30, false},
        // Large Font moves the block five rows up, so that it starts no higher
        // than the plain block and stays where a post office reads it.
        {false, true, "HP Officejet 4630", {"Trebuchet MS", 14, false, true}, 44, 1 + 24, true},
        {false, true, "HP Photosmart 7520", {"Trebuchet MS", 14, false, true}, 44, 1 + 26, false},
        {true, true, "HP Officejet 4630", {"Trebuchet MS", 14, true, true}, 44, 1 + 23, true},
        {true, true, "HP Photosmart 7520", {"Trebuchet MS", 14, true, true}, 44, 1 + 25, false},
        {false, false, "HP Officejet 4630", {"Verdana", 11, false, false}, 50, 1 + 29, true},
    };
    for (const Case& c : cases) {
        ComposerModel s = envelopeComposer(1, 50, 31);
        s.envelopeBold = c.bold;
        s.envelopeLarge = c.large;
        const Document doc = printed(s, c.device);
        EXPECT_EQ(doc.paperSet, c.paperSet) << c.device;
        if (c.paperSet) {
            EXPECT_EQ(doc.paper, PaperSize::Envelope10);
        }
        const auto t = texts(doc);
        ASSERT_EQ(t.size(), 3u);
        EXPECT_EQ(t[0].font, c.font) << c.device << c.bold << c.large;
        EXPECT_EQ(t[0].row, c.row) << c.device << c.bold << c.large;
        EXPECT_NEAR(t[0].x, tabX(t[0], c.column), 1e-9);
        // The first empty line is still in the plain font.
        EXPECT_NEAR(t[0].y, rowHeight(FontSpec{"Verdana", 11}) + (c.row - 1) * rowHeight(c.font),
                    1e-9);
    }
}

TEST_F(Envelopes, EverySizePrintsAtItsOwnOrigin) {
    for (int size = 1; size <= 6; ++size) {
        const EnvelopeSizeEntry& e = kEnvelopeSizes[size - 1];
        const auto t = texts(printed(envelopeComposer(size, e.leftPad, e.topPad), "Canon MG3600"));
        ASSERT_EQ(t.size(), 3u);
        EXPECT_EQ(t[0].column, e.leftPad) << e.text;
        EXPECT_EQ(t[0].row, 1 + e.topPad) << e.text;
    }
}

TEST_F(Envelopes, PortraitAfterASizePrintsAtNinePointsFromTwoThree) {
    ComposerModel s = envelopeComposer(1, 2, 3);
    s.orientation = Orientation::Portrait;
    const Document doc = printed(s, "Canon MG3600");
    EXPECT_EQ(doc.orientation, Orientation::Portrait);
    const auto t = texts(doc);
    EXPECT_EQ(t[0].font.size, 9);
    // Column 2 lies within 1/2 in of the upright envelope's edge: the block
    // starts at that 1/2 in.
    EXPECT_NEAR(t[0].x, 36 + kGlyphOverhang - kPrintableOffsetX, 1e-9);
    EXPECT_EQ(t[0].row, 4);
}

TEST_F(Envelopes, OnlyTheEnvelopeShiftsApply) {
    writeFileBytes(dir / "VRNPARAM.TXT", "ONTHEFLY|9  |9  \r\nENVELOPE|3  |-2 \r\n");
    const auto t = texts(printed(envelopeComposer(1, 50, 31), "Canon MG3600"));
    EXPECT_EQ(t[0].column, 53);
    EXPECT_EQ(t[0].row, 1 + 29);
}

TEST_F(Envelopes, ThreeCopiesAreThreeOneEnvelopeDocuments) {
    ScriptedDialogs d;
    ScriptedPrinter p;
    p.answerCopies(3);
    ComposerModel s = envelopeComposer(4, 38, 28);
    s.run.count = 12;  // left from a label run
    printComposer(s, d, p, dir.path());
    ASSERT_EQ(p.documents.size(), 3u);
    for (const Document& doc : p.documents) EXPECT_EQ(texts(doc).size(), 3u);
    EXPECT_EQ(s.origin.column, 38);
}

}  // namespace
}  // namespace varnel
