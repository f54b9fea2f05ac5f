#include "printing/sheet_labels.h"

#include <gtest/gtest.h>

#include "print_fixture.h"
#include "printing/label_grid.h"
#include "printing/page_geometry.h"
#include "printing/print_command.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::envelopeComposer;
using testing::labelComposer;
using testing::readFileBytes;
using testing::ScriptedDialogs;
using testing::ScriptedPrinter;
using testing::tabX;
using testing::TempDir;
using testing::texts;
using testing::writeFileBytes;

constexpr const char* kPrinterError = "Printer error|A printer problem exists.  Check printer.";

class SheetLabels : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedDialogs dialogs;
    ScriptedPrinter printer;

    void print(ComposerModel& s) { printComposer(s, dialogs, printer, dir.path()); }

    void shifts(const std::string& onTheFly, const std::string& envelope) {
        writeFileBytes(dir / "VRNPARAM.TXT",
                       "ONTHEFLY|" + onTheFly + "\r\nENVELOPE|" + envelope + "\r\n");
    }
};

// Label lines start at Tab(x) on row 1 + y of the page.
void expectLabelAt(const std::vector<Placement>& p, std::size_t first, int column, int row) {
    ASSERT_GE(p.size(), first + 3);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(p[first + i].column, column) << "line " << i;
        EXPECT_EQ(p[first + i].row, row + static_cast<int>(i)) << "line " << i;
        EXPECT_NEAR(p[first + i].x, tabX(p[first + i], column), 1e-9);
    }
}

TEST_F(SheetLabels, PositionFiveUsesTheOriginOfItsPrinterAndWeight) {
    struct Case {
        const char* device;
        bool bold;
        int column;
        bool paperSet;
    };
    for (const Case c :
         {Case{"Brother HL-L2350DW", false, 45, false}, Case{"Brother HL-L2350DW", true, 41, false},
          Case{"HP Officejet Pro 8600", false, 47, true},
          Case{"HP Photosmart C4280", true, 43, false}}) {
        ScriptedPrinter p;
        p.device = c.device;
        ScriptedDialogs d;
        ComposerModel s = labelComposer("5", 35, 10);
        s.labelBold = c.bold;
        printComposer(s, d, p, dir.path());
        ASSERT_EQ(p.documents.size(), 1u) << c.device;
        const Document& doc = p.documents[0];
        EXPECT_EQ(doc.orientation, Orientation::Portrait);
        EXPECT_EQ(doc.paperSet, c.paperSet) << c.device;
        EXPECT_EQ(doc.paper, PaperSize::Letter);
        const auto t = texts(doc);
        ASSERT_EQ(t.size(), 3u);
        expectLabelAt(t, 0, c.column, 1 + 9);
        for (const Placement& pl : t) {
            EXPECT_EQ(pl.font, (FontSpec{"Verdana", 9, c.bold, false}));
            EXPECT_EQ(pl.page, 0);
        }
        EXPECT_EQ(t[0].text, "Ann Smith");
        EXPECT_EQ(t[2].text, "Springfield, IL  62704");
        EXPECT_TRUE(d.log.empty()) << "success shows nothing";
        ASSERT_EQ(p.dialogs.size(), 1u);
        EXPECT_TRUE(p.dialogs[0].printToFileDisabled);
        // The run's origins are the printout's; the composer keeps its own.
        EXPECT_EQ(s.origin.column, 35);
        EXPECT_EQ(s.origin.row, 10);
    }
}

TEST_F(SheetLabels, TheRangeFourToNinePrintsSixLabelsOnOnePage) {
    ComposerModel s = labelComposer("4-9", 2, 10);
    print(s);
    ASSERT_EQ(printer.documents.size(), 1u);
    const Document& doc = printer.documents[0];
    EXPECT_EQ(doc.pageCount, 1);
    const auto t = texts(doc);
    ASSERT_EQ(t.size(), 18u);
    const int columns[] = {2, 45, 89, 2, 45, 89};
    const int rows[] = {9, 9, 9, 16, 16, 16};
    for (int i = 0; i < 6; ++i) expectLabelAt(t, 3 * i, columns[i], 1 + rows[i]);
    // Pressing Print again prints the same six labels.
    print(s);
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(texts(printer.documents[1]).size(), 18u);
    expectLabelAt(texts(printer.documents[1]), 0, 2, 10);
}

TEST_F(SheetLabels, AFullSheetFillsAllThirtyPositions) {
    ComposerModel s = labelComposer("1-30", 2, 3);
    print(s);
    ASSERT_EQ(printer.documents.size(), 1u);
    const auto t = texts(printer.documents[0]);
    ASSERT_EQ(t.size(), 90u);
    for (int position = 1; position <= 30; ++position) {
        const GridOrigin o = printGridOrigin(position, false, false);
        expectLabelAt(t, 3 * (position - 1), o.column, 1 + o.row);
    }
    for (const Placement& p : t) EXPECT_EQ(p.page, 0);
}

TEST_F(SheetLabels, CentredLinesStartWithBlanksForTheirLength) {
    ComposerModel s = labelComposer("1", 2, 3);
    s.alignment = Alignment::Centred;
    s.lines = {"A", "Bob", "Anne", "Smith", ""};
    print(s);
    const auto t = texts(printer.documents.at(0));
    ASSERT_EQ(t.size(), 4u);
    const FontSpec font{"Verdana", 9, false, false};
    // Position 1 centres from Tab(2 - 3), which is column 1.
    const int k[] = {18, 16, 16, 16};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(t[i].x, k[i] * spaceWidth(font), 1e-9) << t[i].text;
        EXPECT_EQ(t[i].row, 1 + 3 + i);
    }

    // Bold centres from the origin itself.
    ComposerModel b = labelComposer("5", 35, 10);
    b.alignment = Alignment::Centred;
    b.labelBold = true;
    b.lines = {"Bob", "", "", "", ""};
    print(b);
    const auto tb = texts(printer.documents.at(1));
    ASSERT_EQ(tb.size(), 1u);
    const FontSpec bold{"Verdana", 9, true, false};
    EXPECT_NEAR(tb[0].x, 40 * columnWidth(bold) + 16 * spaceWidth(bold), 1e-9);

    // Not bold: three columns left of the origin.
    b.labelBold = false;
    print(b);
    const auto tr = texts(printer.documents.at(2));
    EXPECT_NEAR(tr[0].x, 41 * columnWidth(font) + 16 * spaceWidth(font), 1e-9);
}

TEST_F(SheetLabels, LongLinesGetNoBlanksAndStayOnTheirRowInsideTheLabel) {
    ComposerModel s = labelComposer("2", 35, 3);
    s.alignment = Alignment::Centred;
    s.lines = {std::string(500, 'x'), "\x80uro \xe9t\xe9", "", "", ""};
    dialogs.queueAnswer(Answer::Ok);  // print the cut line
    print(s);
    const auto t = texts(printer.documents.at(0));
    ASSERT_EQ(t.size(), 2u);
    // Tab 42 lies left of label 2: the line starts 1/16 in inside it, and is
    // cut where it would leave the label.
    const double left = 3.0 / 16 * 72 + 2.75 * 72 + kLabelInset - kPrintableOffsetX;
    const double right = left + 2.625 * 72 - 2 * kLabelInset;
    EXPECT_NEAR(t[0].x, left, 1e-9);
    EXPECT_LE(t[0].x + t[0].width, right + 1e-9);
    EXPECT_LT(t[0].text.size(), 500u);
    EXPECT_EQ(t[0].row, 4);
    EXPECT_EQ(t[1].row, 5);
    EXPECT_EQ(t[1].text, "\x80uro \xe9t\xe9");
}

TEST_F(SheetLabels, LandscapeLeavesTheLabelSheetUpright) {
    // A 30-up sheet laid out sideways would put positions 19 to 30 off the
    // page: the orientation choice is the envelope's.
    ComposerModel s = labelComposer("5", 35, 10);
    s.orientation = Orientation::Landscape;
    print(s);
    const Document& doc = printer.documents.at(0);
    EXPECT_EQ(doc.orientation, Orientation::Portrait);
    const auto t = texts(doc);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].font.size, 9);
    expectLabelAt(t, 0, 45, 10);
    // Row 10 of the grid lies 3.4 points below the second row's top edge:
    // the block moves down to the inset.
    EXPECT_NEAR(t[0].y, 72 + 36 + kLabelInset - kPrintableOffsetY, 1e-9);
}

TEST_F(SheetLabels, ItalicAndShiftsAreApplied) {
    shifts("2  |-1 ", "9  |9  ");
    ComposerModel s = labelComposer("5", 35, 10);
    s.labelItalic = true;
    print(s);
    const auto t = texts(printer.documents.at(0));
    EXPECT_TRUE(t[0].font.italic);
    EXPECT_FALSE(t[0].font.bold);
    expectLabelAt(t, 0, 47, 1 + 8);
}

// The first line of a label starts at its grid row, or at the inset below the
// label's top edge when the row is nearer. The label moves with the margin
// shifts, which say where this printer puts the sheet.
TEST_F(SheetLabels, FirstLinesKeepTheirInsetWhereverTheShiftsPutTheLabels) {
    const double row = rowHeight(FontSpec{"Verdana", 9});
    struct Case {
        const char* entry;
        const char* shift;  // ONTHEFLY left|top
        double y;           // of line 1
    };
    const Case cases[] = {
        {"1", "0  |0  ", 4 * row},                                    // 9.7 pt inside: stays
        {"4", "0  |0  ", 72 + 36 + kLabelInset - kPrintableOffsetY},  // row 10: moves down
        {"4", "0  |-1 ", 72 + 36 - row + kLabelInset - kPrintableOffsetY},
        {"25", "0  |0  ", 8 * 72 + 36 + kLabelInset - kPrintableOffsetY},
        {"13", "0  |0  ", 30 * row},
    };
    for (const Case& c : cases) {
        shifts(std::string(c.shift), "0  |0  ");
        ComposerModel s = labelComposer(c.entry, 2, 3);
        print(s);
        const auto t = texts(printer.documents.back());
        ASSERT_FALSE(t.empty());
        EXPECT_NEAR(t[0].y, c.y, 1e-9) << c.entry << " " << c.shift;
        EXPECT_NEAR(t[1].y - t[0].y, row, 1e-9);
    }
    // Moved one column left, the first label's text is not held at the unshifted edge.
    shifts("-1 |0  ", "0  |0  ");
    ComposerModel s = labelComposer("1", 2, 3);
    print(s);
    EXPECT_NEAR(texts(printer.documents.back())[0].x, 0, 1e-9);
}

TEST_F(SheetLabels, EachCopyIsItsOwnDocumentStartingAtTheEnteredPosition) {
    for (int copies : {2, 3}) {
        ScriptedPrinter p;
        ScriptedDialogs d;
        p.answerCopies(copies);
        ComposerModel s = labelComposer("4-5", 2, 10);
        printComposer(s, d, p, dir.path());
        ASSERT_EQ(p.documents.size(), static_cast<std::size_t>(copies));
        for (const Document& doc : p.documents) {
            const auto t = texts(doc);
            ASSERT_EQ(t.size(), 6u);
            expectLabelAt(t, 0, 2, 10);
            expectLabelAt(t, 3, 45, 10);
        }
    }
}

TEST_F(SheetLabels, ACancelledDialogEndsSilently) {
    printer.answerCancel();
    ComposerModel s = labelComposer("5", 35, 10);
    print(s);
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(printer.aborts, 0);
}

TEST_F(SheetLabels, TheChecksRefuseInOrder) {
    struct Case {
        ComposerModel state;
        const char* message;
    };
    ComposerModel noLines = labelComposer("5", 35, 10);
    noLines.lines = {"", "", "", "", ""};
    ComposerModel noMedia = labelComposer("5", 35, 10);
    noMedia.media = Media::None;
    ComposerModel noSize = envelopeComposer(1, 50, 31);
    noSize.envelopeSize = 0;
    for (Case c : {Case{noLines, "Missing Data|No information entered"},
                   Case{noMedia, "Media Selection|Select Label stock or Envelope"},
                   Case{noSize, "Envelope Size|Select Envelope size"}}) {
        ScriptedDialogs d;
        ScriptedPrinter p;
        printComposer(c.state, d, p, dir.path());
        EXPECT_EQ(d.messages(), std::vector<std::string>{c.message});
        ASSERT_EQ(d.log.size(), 2u);
        EXPECT_EQ(d.log[0].kind, testing::ShownBox::Beep);
        EXPECT_EQ(d.log[1].icon, Icon::Warning);
        EXPECT_TRUE(p.dialogs.empty());
    }
}

TEST_F(SheetLabels, LabelStockWithoutAPositionAsksForOne) {
    ComposerModel s = labelComposer("", 2, 3);
    dialogs.queueInput("7");
    print(s);
    EXPECT_EQ(composerView(s).positionCaption, "Label Position 7");
    ASSERT_EQ(printer.documents.size(), 1u);
    expectLabelAt(texts(printer.documents[0]), 0, 2, 1 + 16);

    // Cancelling the prompt prints nothing.
    ComposerModel c = labelComposer("", 2, 3);
    print(c);
    EXPECT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(c.media, Media::None);
}

TEST_F(SheetLabels, PrintingFailuresAbortAndShowThePrinterError) {
    printer.failWith = RunError::PrinterError;
    ComposerModel s = labelComposer("5", 35, 10);
    print(s);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{kPrinterError});
    EXPECT_EQ(dialogs.log.back().icon, Icon::Warning);
    EXPECT_EQ(printer.aborts, 1);

    // A stored shift that is not a number stops the print before the dialog.
    ScriptedDialogs d;
    ScriptedPrinter p;
    shifts("x  |0  ", "0  |0  ");
    printComposer(s, d, p, dir.path());
    EXPECT_EQ(d.messages(), std::vector<std::string>{kPrinterError});
    EXPECT_TRUE(p.dialogs.empty());
    EXPECT_TRUE(p.documents.empty());
}

TEST_F(SheetLabels, ALabelAfterALargeFontEnvelopeIsUpright) {
    ComposerModel e = envelopeComposer(1, 50, 31);
    e.envelopeLarge = true;
    e.envelopeBold = true;
    print(e);
    ComposerModel s = labelComposer("5", 35, 10);
    s.envelopeBold = true;  // printed labels take it away
    print(s);
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_TRUE(texts(printer.documents[0])[0].font.italic);
    EXPECT_EQ(texts(printer.documents[1])[0].font, (FontSpec{"Verdana", 9, false, false}));
    EXPECT_FALSE(s.envelopeBold);
}

}  // namespace
}  // namespace varnel
