// The common frame of the print commands: fitting a line into its label,
// the box naming cut lines, calibration and the preview.
#include "printing/print_flow.h"

#include <gtest/gtest.h>

#include "print_fixture.h"
#include "printing/font_metrics.h"
#include "printing/page_geometry.h"
#include "printing/print_command.h"
#include "printing/return_address.h"
#include "printing/text_fit.h"
#include "printing/text_page.h"

namespace varnel {
namespace {

using testing::labelComposer;
using testing::ScriptedDialogs;
using testing::ScriptedPrinter;
using testing::TempDir;

const FontSpec kVerdana{"Verdana", 9, false, false};
const std::string kLongStreet = "12345 North Martin Luther King Jr Boulevard Apt 1204";

TEST(TextFit, FitsWholeThenCondensedThenCut) {
    const double natural = textWidth(kVerdana, kLongStreet);
    struct Case {
        double room;
        std::size_t length;  // kept
        double stretch;
        bool cut;
    };
    const Case cases[] = {
        {natural + 1, kLongStreet.size(), 1.0, false},
        {natural, kLongStreet.size(), 1.0, false},
        {natural * 0.8, kLongStreet.size(), 0.8, false},
        {natural * kMinStretch, kLongStreet.size(), kMinStretch, false},
        {0, 0, 1.0, true},
    };
    for (const Case& c : cases) {
        const FittedText f = fitText(kVerdana, kLongStreet, c.room);
        EXPECT_EQ(f.length, c.length) << c.room;
        EXPECT_NEAR(f.stretch, c.stretch, 1e-9) << c.room;
        EXPECT_EQ(f.cut, c.cut) << c.room;
        EXPECT_LE(f.width, std::max(c.room, 0.0) + 1e-9);
    }
    // Past the floor: the longest head that fits condensed, without the blank at the cut.
    const double room = natural * kMinStretch * 0.9;
    const FittedText f = fitText(kVerdana, kLongStreet, room);
    EXPECT_TRUE(f.cut);
    ASSERT_LT(f.length, kLongStreet.size());
    const std::string head = kLongStreet.substr(0, f.length);
    EXPECT_NE(head.back(), ' ');
    EXPECT_LE(textWidth(kVerdana, head) * kMinStretch, room + 1e-9);
    EXPECT_GT(textWidth(kVerdana, kLongStreet.substr(0, f.length + 1)) * kMinStretch, room - 1e-9);
    EXPECT_NEAR(f.width, std::min(room, textWidth(kVerdana, head)), 1e-9);
    // Trailing blanks go before anything is condensed or cut.
    const FittedText blanks = fitText(kVerdana, "Main St   ", textWidth(kVerdana, "Main St"));
    EXPECT_EQ(blanks.length, 7u);
    EXPECT_EQ(blanks.stretch, 1.0);
    EXPECT_FALSE(blanks.cut);
}

TEST(TextPageRoom, TextsKeepToTheRoomAndCutsAreNoted) {
    TextPage page(kVerdana);
    page.setRoom(20, 120, 7);
    page.printLine({Tab(1), "Ann"});  // starts left of the room: moved in
    page.printLine({Tab(2), kLongStreet});
    page.clearRoom();
    page.printLine({Tab(1), kLongStreet});
    const Document doc = page.finish();
    ASSERT_EQ(doc.placements.size(), 3u);
    EXPECT_DOUBLE_EQ(doc.placements[0].x, 20);
    EXPECT_LE(doc.placements[1].x + doc.placements[1].width, 120 + 1e-9);
    EXPECT_NEAR(doc.placements[1].stretch * textWidth(kVerdana, doc.placements[1].text),
                doc.placements[1].width, 1e-9);
    EXPECT_EQ(doc.placements[2].text, kLongStreet);
    ASSERT_EQ(doc.cuts.size(), 1u);
    EXPECT_EQ(doc.cuts[0], (CutLine{0, 7, kLongStreet, doc.placements[1].text}));
}

TEST(TextPageRoom, ACentredLineMovesLeftBeforeItIsCondensed) {
    const std::string text = "Deerfield Office Supply";
    const double width = textWidth(kVerdana, text);
    const double blank = spaceWidth(kVerdana);
    const double room = width + 10 * blank;
    struct Case {
        int blanks;  // Spc before the text
        double x;    // where it is placed
        double stretch;
    };
    const Case cases[] = {
        {4, 4 * blank, 1.0},       // fits where it is
        {15, room - width, 1.0},   // moves left just enough
        {200, room - width, 1.0},  // from past the room
    };
    for (const Case& c : cases) {
        TextPage page(kVerdana);
        page.setRoom(0, room, 1);
        page.setCentring(true);
        page.printLine({Spc(c.blanks), text});
        const Placement& p = page.document().placements.at(0);
        EXPECT_NEAR(p.x, c.x, 1e-9) << c.blanks;
        EXPECT_DOUBLE_EQ(p.stretch, c.stretch) << c.blanks;
    }
    // Wider than the whole room: from its left edge, condensed and cut.
    TextPage page(kVerdana);
    page.setRoom(0, width / 2, 1);
    page.setCentring(true);
    page.printLine({Tab(5), text});
    EXPECT_DOUBLE_EQ(page.document().placements.at(0).x, 0);
    EXPECT_EQ(page.document().cuts.size(), 1u);
}

class PrintFlow : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedDialogs dialogs;
    ScriptedPrinter printer;
};

TEST_F(PrintFlow, CutLinesAreNamedBeforePrintingAndTheUserMayGoBack) {
    for (Answer answer : {Answer::Cancel, Answer::Ok}) {
        ComposerModel s = labelComposer("4-5", 2, 23);
        s.lines = {"Ann Smith", std::string(60, 'W'), "", "", ""};
        dialogs.log.clear();
        printer.documents.clear();
        dialogs.queueAnswer(answer);
        printComposer(s, dialogs, printer, dir.path());
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.log.back().title, "Lines too long");
        EXPECT_EQ(dialogs.log.back().buttons, Buttons::OkCancel);
        const std::string& text = dialogs.log.back().text;
        EXPECT_NE(text.find("\r\nLabels 4-5: " + std::string(60, 'W') + "\r\n"), std::string::npos)
            << text;
        EXPECT_EQ(printer.documents.size(), answer == Answer::Ok ? 1u : 0u);
        // The composer keeps its position for the next Print.
        EXPECT_EQ(composerView(s).positionCaption, "Label Position 4-5");
    }
}

TEST_F(PrintFlow, EveryReturnLabelCutIsNamedOnce) {
    ComposerModel s;
    s.lines = {"Margaret A. Whitfield", kLongStreet, "Springfield, IL  62704", "", ""};
    const Document doc = returnAddressPage(s, {});
    EXPECT_EQ(doc.cuts.size(), 80u);
    dialogs.queueAnswer(Answer::Ok);
    EXPECT_TRUE(cutLinesAccepted(doc, dialogs));
    const std::string& text = dialogs.log.back().text;
    EXPECT_NE(text.find("Every label: " + kLongStreet + "\r\n"), std::string::npos);
    EXPECT_EQ(text.find(kLongStreet), text.rfind(kLongStreet));
}

TEST_F(PrintFlow, LabelsCutAlikeAreNamedTogether) {
    Document doc;
    doc.pageCount = 2;
    doc.cuts = {{0, 1, "A", "a"}, {0, 2, "A", "a"}, {0, 3, "A", "a"}, {0, 5, "B", "b"},
                {0, 9, "B", "b"}, {1, 7, "A", "a"}, {1, 7, "A", "a"}};
    dialogs.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(cutLinesAccepted(doc, dialogs));
    EXPECT_EQ(dialogs.log.back().text,
              "These lines are too long for their label even in narrower letters, and will be "
              "printed cut short:\r\n\r\n"
              "Page 1, labels 1-3: A\r\nPage 1, labels 5, 9: B\r\nPage 2, label 7: A\r\n"
              "\r\nClick OK to print them cut, or Cancel to go back.");
    EXPECT_TRUE(cutLinesAccepted(Document{}, dialogs)) << "nothing cut: no box";
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(PrintFlow, CalibrationIsReadPerPrinterAndAppliedInPoints) {
    EXPECT_EQ(readCalibration(dialogs, "Desk"), Calibration{});
    saveCalibration(dialogs, "Desk", {25, -10});
    EXPECT_EQ(readCalibration(dialogs, "Desk"), (Calibration{25, -10}));
    EXPECT_EQ(readCalibration(dialogs, "Other"), Calibration{});
    const Document doc = calibrated(Document{}, dialogs, "Desk");
    EXPECT_DOUBLE_EQ(doc.shiftX, 18.0);
    EXPECT_DOUBLE_EQ(doc.shiftY, -7.2);

    // The dialogue refuses what is not a whole number within an inch.
    for (const char* bad : {"101", "2.5", "x1", "-300"}) dialogs.queueInput(bad);
    dialogs.queueInput("-100");
    dialogs.queueInput("100");
    calibratePrinter(dialogs, "Desk");
    EXPECT_EQ(readCalibration(dialogs, "Desk"), (Calibration{-100, 100}));
    EXPECT_EQ(dialogs.beeps(), 4u);
}

TEST_F(PrintFlow, TitlesNameThePrintoutAndTheFile) {
    EXPECT_EQ(documentTitle("Envelope", "VRN_Contacts"), "Envelope - VRN_Contacts");
    EXPECT_EQ(documentTitle("Envelope", ""), "Envelope");
}

}  // namespace
}  // namespace varnel
