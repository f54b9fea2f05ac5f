// Printing driven through the main window's real controls and menus.
#include <gtest/gtest.h>

#include "app/gui/frmVarnel.h"
#include "printing/font_metrics.h"
#include "store/run_error.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

using testing::readFileBytes;
using testing::ShownBox;

class MainWindowPrinting : public ::testing::Test {
protected:
    MainWindowPrinting() : ctx(dialogs, printer, clock, dir.path()), w(ctx) {
        w.Form_Load();
        dialogs.log.clear();
    }

    void type(std::initializer_list<const char*> lines) {
        std::size_t i = 0;
        for (const char* line : lines) w.txtVRLines[i++]->setText(QString::fromUtf8(line));
    }

    std::vector<Placement> printedTexts(std::size_t document) {
        std::vector<Placement> out;
        for (const Placement& p : printer.documents.at(document).placements) out.push_back(p);
        return out;
    }

    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
    testing::FixedClock clock;
    AppContext ctx;
    frmVarnel w;
};

TEST_F(MainWindowPrinting, ALabelAtPositionFivePrintsWhereTheGridPutsIt) {
    type({"Ann Smith", "12 Main St", "Springfield, IL  62704"});
    dialogs.queueInput("5");
    w.optVRLabel->click();
    EXPECT_TRUE(w.optVRLabel->isChecked());
    EXPECT_EQ(w.lblVRPosition->text(), "Label Position 5");
    EXPECT_FALSE(w.lblVRPosition->isHidden());
    EXPECT_EQ(w.txtVRLeftPad->text(), "35");
    EXPECT_EQ(w.txtVRToppad->text(), "10");
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].title, "Label position reading L to R");

    w.cmdVRStart->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    const auto t = printedTexts(0);
    ASSERT_EQ(t.size(), 3u);
    const FontSpec font{"Verdana", 9, false, false};
    const char* lines[] = {"Ann Smith", "12 Main St", "Springfield, IL  62704"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t[i].text, lines[i]);
        EXPECT_EQ(t[i].font, font);
        EXPECT_EQ(t[i].column, 45);
        EXPECT_EQ(t[i].row, 10 + i);
        EXPECT_NEAR(t[i].x, 44 * columnWidth(font), 1e-9);
    }
    EXPECT_EQ(dialogs.log.size(), 1u) << "success shows nothing";
    // The origin fields now hold the print-grid origin of the next position.
    EXPECT_EQ(w.txtVRLeftPad->text(), "89");
    EXPECT_EQ(w.txtVRToppad->text(), "9");

    // Bold from the label options, through the File menu this time.
    w.chkLblBold->click();
    w.mnuFilePrint->trigger();
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(printedTexts(1)[0].column, 41);
    EXPECT_TRUE(printedTexts(1)[0].font.bold);
}

TEST_F(MainWindowPrinting, ACancelledPositionPromptDeselectsLabelStock) {
    type({"Ann Smith"});
    w.optVRLabel->click();
    EXPECT_FALSE(w.optVRLabel->isChecked());
    EXPECT_TRUE(w.lblVRPosition->isHidden());
    w.cmdVRStart->click();
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_EQ(dialogs.messages().back(), "Media Selection|Select Label stock or Envelope");
}

TEST_F(MainWindowPrinting, AnEnvelopeOnAnOfficejetGetsItsPaperAndCorrections) {
    printer.device = "HP Officejet 4630";
    type({"Ann Smith", "12 Main St", "Springfield, IL  62704"});
    w.optVREnvelope->click();
    w.cboVREnvelope->setCurrentIndex(0);
    emit w.cboVREnvelope->activated(0);
    w.chkBold->click();
    w.cmdVRStart->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    const Document& doc = printer.documents[0];
    EXPECT_EQ(doc.orientation, Orientation::Landscape);
    EXPECT_TRUE(doc.paperSet);
    EXPECT_EQ(doc.paper, PaperSize::Envelope10);
    EXPECT_EQ(doc.placements.at(0).column, 50);
    EXPECT_EQ(doc.placements.at(0).row, 1 + 31 - 1 - 2);
    EXPECT_EQ(doc.placements.at(0).font, (FontSpec{"Verdana", 11, true, false}));
}

TEST_F(MainWindowPrinting, ReturnAddressLabelsSwitchModeAndPrintAPage) {
    w.mnuRetAddress->trigger();
    EXPECT_FALSE(w.cmdRetAddress->isHidden());
    EXPECT_TRUE(w.cmdVRStart->isHidden());
    EXPECT_FALSE(w.optVRLabel->isEnabled());
    EXPECT_FALSE(w.chkLblItalic->isEnabled());
    EXPECT_EQ(dialogs.messages().back(), "Instructions|Fill in Lines 1, 2, and 3, then press Print.");

    type({"Jo", "12 Main St", "Springfield, IL  62704"});
    dialogs.queueAnswer(Answer::Ok);
    dialogs.queueAnswer(Answer::No);
    w.cmdRetAddress->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    const Document& doc = printer.documents[0];
    ASSERT_EQ(doc.placements.size(), 240u);
    EXPECT_EQ(doc.placements[1].column, 49);
    EXPECT_EQ(doc.placements[1].font.face, "Microsoft Sans Serif");
    EXPECT_TRUE(w.cmdRetAddress->isHidden());
    EXPECT_FALSE(w.cmdVRStart->isHidden());
    EXPECT_TRUE(w.optVRLabel->isEnabled());
    EXPECT_TRUE(w.chkLblItalic->isEnabled());
    EXPECT_TRUE(w.optVRLeftjust->isChecked());
}

TEST_F(MainWindowPrinting, TheMarginsMenuShiftsTheNextPrint) {
    dialogs.queueInput("2");
    dialogs.queueInput("-1");
    w.mnuAdjustOTF->trigger();
    EXPECT_EQ(dialogs.messages().back(),
              "Margin adjustment completed|D O N E !  Margin(s) for On-The-Fly labels adjusted "
              "successfully.");
    EXPECT_EQ(readFileBytes(dir / "VRNPARAM.TXT").substr(0, 18), "ONTHEFLY|2  |-1 \r\n");

    type({"Ann Smith"});
    dialogs.queueInput("5");
    w.optVRLabel->click();
    w.cmdVRStart->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].placements.at(0).column, 47);
    EXPECT_EQ(printer.documents[0].placements.at(0).row, 1 + 8);
}

TEST_F(MainWindowPrinting, AMarginFileThatCannotBeWrittenShowsTheCommonError) {
    std::filesystem::create_directory(dir / "VRNPARAM.TXT");
    dialogs.queueInput("1");
    dialogs.queueInput("");
    w.mnuAdjustRA->trigger();
    ASSERT_FALSE(dialogs.log.empty());
    const ShownBox& box = dialogs.log.back();
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.text, commonErrorText(RunError(RunError::PathFileAccessError)));
    EXPECT_EQ(box.buttons, Buttons::RetryCancel);
    EXPECT_EQ(box.icon, Icon::Critical);
}

TEST_F(MainWindowPrinting, APrinterFailureShowsThePrinterError) {
    printer.failWith = RunError::PrinterError;
    type({"Ann Smith"});
    dialogs.queueInput("1");
    w.optVRLabel->click();
    w.cmdVRStart->click();
    EXPECT_EQ(dialogs.messages().back(), "Printer error|A printer problem exists.  Check printer.");
    EXPECT_EQ(printer.aborts, 1);
}

}  // namespace
}  // namespace varnel
