#include "printing/return_address.h"

#include <gtest/gtest.h>

#include "print_fixture.h"
#include "printing/page_geometry.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::ScriptedDialogs;
using testing::ScriptedPrinter;
using testing::ShownBox;
using testing::tabX;
using testing::TempDir;
using testing::writeFileBytes;

constexpr const char* kLoad =
    "Load printer with Avery 5167, 8167, or 18167 label stock|Prints 80 return address labels on "
    "Avery 5167 [1/2 inch x 1 3/4 inch] labels";
constexpr const char* kAgain =
    "Completed|Done!  Do you want to print another page of Return Address Labels?";

ComposerModel returnComposer() {
    ComposerModel s;
    s.lines = {"Jo", "12 Main St", "Springfield, IL  62704", "", ""};
    return s;
}

const FontSpec kSans{"Microsoft Sans Serif", 8, false, false};

// After the top rows the three lines move down to the middle of the first
// labels: 1/2 in to the labels' top, plus half of what three rows leave of
// their 1/2 in, less the four rows of the unshifted top margin.
const double kInset =
    36 + (36 - 3 * rowHeight(kSans)) / 2 - kPrintableOffsetY - 4 * rowHeight(kSans);

TEST(ReturnAddressPage, TopRowsFollowOnlyTheSignOfTheTopShift) {
    struct Case {
        std::int16_t top;
        int rows;
    };
    for (const Case c : {Case{2, 5}, Case{7, 5}, Case{0, 4}, Case{-1, 3}}) {
        ComposerModel s = returnComposer();
        const Document doc = returnAddressPage(s, MarginShifts{0, c.top});
        ASSERT_EQ(doc.placements.size(), 240u);
        EXPECT_EQ(doc.placements[0].row, c.rows) << c.top;
        EXPECT_NEAR(doc.placements[0].y, c.rows * rowHeight(kSans) + kInset, 1e-9);
    }
}

TEST(ReturnAddressPage, FourLabelsARowFortyTwoColumnsApart) {
    for (std::int16_t left : {0, -2}) {
        ComposerModel s = returnComposer();
        const Document doc = returnAddressPage(s, MarginShifts{left, 0});
        for (int i = 0; i < 4; ++i) {
            const Placement& p = doc.placements[i];
            EXPECT_EQ(p.text, "Jo");
            EXPECT_EQ(p.row, 4);
            EXPECT_EQ(p.column, left + 7 + 42 * i);
            EXPECT_NEAR(p.x, tabX(p, left + 7 + 42 * i), 1e-9);
            EXPECT_EQ(p.font, kSans);
        }
        // Each label row is three sans-serif rows and a Courier New spacer
        // that makes the row exactly the sheet's 1/2 in pitch.
        const Placement& nextRow = doc.placements[12];
        EXPECT_EQ(nextRow.row, 8);
        EXPECT_NEAR(nextRow.y, 4 * rowHeight(kSans) + kInset + 36, 1e-9);
        EXPECT_NEAR(doc.placements.back().y,
                    4 * rowHeight(kSans) + kInset + 19 * 36 + 2 * rowHeight(kSans), 1e-9);
        const Placement& last = doc.placements.back();
        EXPECT_EQ(last.row, 4 + 19 * 4 + 2);
        EXPECT_EQ(last.text, "Springfield, IL  62704");
        EXPECT_EQ(doc.pageCount, 1);
        EXPECT_EQ(doc.orientation, Orientation::Portrait);
    }
}

TEST(ReturnAddressPage, CentredLinesGetTwelveLessHalfTheirLengthInBlanks) {
    ComposerModel s = returnComposer();
    s.alignment = Alignment::Centred;
    s.lines = {"Smith", "Main St", "Saint Petersburg, FL 337", "", ""};
    ASSERT_EQ(s.lines[2].size(), 24u);
    const Document doc = returnAddressPage(s, {});
    const int blanks[] = {10, 8, 0};
    for (int line = 0; line < 3; ++line) {
        for (int label = 0; label < 4; ++label) {
            const Placement& p = doc.placements[line * 4 + label];
            EXPECT_NEAR(p.x, tabX(p, 7 + 42 * label) + blanks[line] * spaceWidth(kSans), 1e-9)
                << s.lines[line];
        }
    }
}

TEST(ReturnAddressPage, ItalicIsKeptAndBoldIsOff) {
    ComposerModel s = returnComposer();
    s.labelItalic = true;
    s.envelopeBold = true;
    const Document doc = returnAddressPage(s, {});
    EXPECT_EQ(doc.placements[0].font, (FontSpec{"Microsoft Sans Serif", 8, false, true}));
}

class ReturnAddress : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedDialogs dialogs;
    ScriptedPrinter printer;
};

TEST_F(ReturnAddress, EmptyLinesSwitchToReturnAddressMode) {
    ComposerModel s;
    s.labelBold = true;
    printReturnAddressLabels(s, dialogs, printer, dir.path());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{
                  kLoad, "Instructions|Fill in Lines 1, 2, and 3, then press Print."}));
    EXPECT_EQ(dialogs.log[0].icon, Icon::Information);
    EXPECT_EQ(dialogs.log[1].kind, ShownBox::Beep);
    EXPECT_EQ(dialogs.log[2].icon, Icon::Exclamation);
    EXPECT_TRUE(printer.dialogs.empty());
    const ComposerView v = composerView(s);
    EXPECT_TRUE(v.returnAddressPrintVisible);
    EXPECT_FALSE(v.printVisible);
    EXPECT_FALSE(v.mediaEnabled);
    EXPECT_FALSE(v.labelStylesEnabled);
    EXPECT_FALSE(s.labelBold);
}

TEST_F(ReturnAddress, LinesFourAndFiveMustStayBlank) {
    ComposerModel s = returnComposer();
    s.lines[4] = "USA";
    printReturnAddressLabels(s, dialogs, printer, dir.path());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{
                  kLoad, "Small label can fit only 3 lines|Leave Lines 4 and 5 blank"}));
    EXPECT_EQ(dialogs.beeps(), 1u);
    EXPECT_EQ(s.focus, ComposerField::Line4);
    EXPECT_TRUE(printer.documents.empty());
}

TEST_F(ReturnAddress, CopiesAreSeparatePagesAndYesPrintsTheSequenceAgain) {
    ComposerModel s = returnComposer();
    enterReturnAddressMode(s);
    printer.answerCopies(3);
    printer.answerCopies(1);
    dialogs.queueAnswer(Answer::Ok);   // load printer
    dialogs.queueAnswer(Answer::Yes);  // another page
    dialogs.queueAnswer(Answer::Ok);   // load printer
    dialogs.queueAnswer(Answer::No);
    s.alignment = Alignment::Centred;
    s.media = Media::Envelope;
    s.envelopeBold = true;
    printReturnAddressLabels(s, dialogs, printer, dir.path());
    EXPECT_EQ(printer.documents.size(), 4u);
    EXPECT_EQ(printer.dialogs.size(), 2u);
    EXPECT_TRUE(printer.dialogs[0].printToFileDisabled);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{kLoad, kAgain, kLoad, kAgain}));
    EXPECT_EQ(dialogs.log[1].buttons, Buttons::YesNoCancel);
    // Back to normal mode; the sheets took the envelope's Bold away.
    const ComposerView v = composerView(s);
    EXPECT_FALSE(v.returnAddressPrintVisible);
    EXPECT_TRUE(v.printVisible);
    EXPECT_TRUE(v.mediaEnabled);
    EXPECT_TRUE(v.labelStylesEnabled);
    EXPECT_EQ(s.alignment, Alignment::Left);
    EXPECT_FALSE(s.envelopeBold);
    EXPECT_TRUE(v.envelopeStylesVisible) << "Envelope is still chosen";
}

// After a printed sheet the composer's Print button is back, but the media
// and label styles stay locked until the user wants no more sheets.
TEST_F(ReturnAddress, AnotherSheetCancelledKeepsTheChoicesLocked) {
    ComposerModel s = returnComposer();
    enterReturnAddressMode(s);
    printer.answerCopies(1);
    printer.answerCancel();
    dialogs.queueAnswer(Answer::Ok);   // load printer
    dialogs.queueAnswer(Answer::Yes);  // another page
    printReturnAddressLabels(s, dialogs, printer, dir.path());
    EXPECT_EQ(printer.documents.size(), 1u);
    const ComposerView v = composerView(s);
    EXPECT_TRUE(v.printVisible);
    EXPECT_FALSE(v.returnAddressPrintVisible);
    EXPECT_FALSE(v.mediaEnabled);
    EXPECT_FALSE(v.labelStylesEnabled);

    // Started outside the mode, a printed sheet locks nothing.
    ComposerModel plain = returnComposer();
    printer.answerCopies(1);
    printer.answerCancel();
    dialogs.queueAnswer(Answer::Ok);
    dialogs.queueAnswer(Answer::Yes);
    printReturnAddressLabels(plain, dialogs, printer, dir.path());
    EXPECT_EQ(printer.documents.size(), 2u);
    EXPECT_TRUE(composerView(plain).mediaEnabled);
    EXPECT_TRUE(composerView(plain).printVisible);
}

TEST_F(ReturnAddress, CancelInTheDialogEndsSilentlyInTheSameMode) {
    ComposerModel s = returnComposer();
    enterReturnAddressMode(s);
    printer.answerCancel();
    printReturnAddressLabels(s, dialogs, printer, dir.path());
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{kLoad});
    EXPECT_TRUE(composerView(s).returnAddressPrintVisible);
    EXPECT_TRUE(printer.documents.empty());
}

TEST_F(ReturnAddress, FailuresShowThePrinterErrorAndKeepTheMode) {
    ComposerModel s = returnComposer();
    enterReturnAddressMode(s);
    printer.failWith = RunError::PrinterError;
    printReturnAddressLabels(s, dialogs, printer, dir.path());
    EXPECT_EQ(dialogs.messages().back(), "Printer error|A printer problem exists.  Check printer.");
    EXPECT_EQ(dialogs.log.back().icon, Icon::Exclamation);
    EXPECT_EQ(printer.aborts, 1);
    EXPECT_TRUE(composerView(s).returnAddressPrintVisible);

    ScriptedDialogs d;
    ScriptedPrinter p;
    writeFileBytes(dir / "VRNPARAM.TXT", "RETURNAD|1  |?  \r\n");
    printReturnAddressLabels(s, d, p, dir.path());
    EXPECT_EQ(d.messages(),
              std::vector<std::string>{"Printer error|A printer problem exists.  Check printer."});
}

TEST_F(ReturnAddress, TheStoredShiftsMoveEveryLabel) {
    writeFileBytes(dir / "VRNPARAM.TXT", "RETURNAD|-2 |1  \r\n");
    ComposerModel s = returnComposer();
    dialogs.queueAnswer(Answer::Ok);
    dialogs.queueAnswer(Answer::Cancel);
    printReturnAddressLabels(s, dialogs, printer, dir.path());
    ASSERT_EQ(printer.documents.size(), 1u);
    const Placement& first = printer.documents[0].placements[0];
    EXPECT_EQ(first.column, 5);
    EXPECT_EQ(first.row, 5);
}

}  // namespace
}  // namespace varnel
