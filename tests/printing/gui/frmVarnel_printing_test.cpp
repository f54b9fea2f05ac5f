// Printing driven through the main window's real controls and menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/gui/frmVarnel.h"
#include "contacts/gui/frmEdDelViewContact.h"
#include "listing/contact_builder.h"
#include "listing/gui/frmViewAll.h"
#include "printing/font_metrics.h"
#include "support/fixed_clock.h"
#include "support/gui/composer_controls.h"
#include "support/gui/find_control.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/scripted_window_host.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

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

    template <typename Control>
    Control* control(const char* name) {
        return testing::find<Control>(&w, name);
    }

    QLineEdit* line(std::size_t index) { return testing::composerLine(w, index); }

    void type(std::initializer_list<const char*> lines) {
        std::size_t i = 0;
        for (const char* text : lines) line(i++)->setText(QString::fromUtf8(text));
    }

    // Label stock at the position entry, with a three-line address.
    void labelsAt(const char* entry) {
        type({"Ann Smith", "12 Main St", "Springfield, IL  62704"});
        dialogs.queueInput(entry);
        control<QRadioButton>("optVRLabel")->click();
        dialogs.log.clear();
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
    AppState ctx;
    frmVarnel w;
};

TEST_F(MainWindowPrinting, ALabelAtPositionFivePrintsWhereTheGridPutsIt) {
    type({"Ann Smith", "12 Main St", "Springfield, IL  62704"});
    dialogs.queueInput("5");
    control<QRadioButton>("optVRLabel")->click();
    EXPECT_TRUE(control<QRadioButton>("optVRLabel")->isChecked());
    EXPECT_EQ(control<QLabel>("lblVRPosition")->text(), "Label Position 5");
    EXPECT_FALSE(control<QLabel>("lblVRPosition")->isHidden());
    EXPECT_EQ(control<QLineEdit>("txtVRLeftPad")->text(), "35");
    EXPECT_EQ(control<QLineEdit>("txtVRToppad")->text(), "10");
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].title, "Label position reading L to R");

    control<QPushButton>("cmdVRStart")->click();
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
    // The composer still shows its position for the next print.
    EXPECT_EQ(control<QLabel>("lblVRPosition")->text(), "Label Position 5");

    // Bold from the label options, through the File menu this time.
    control<QCheckBox>("chkLblBold")->click();
    control<QAction>("mnuFilePrint")->trigger();
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(printedTexts(1)[0].column, 41);
    EXPECT_TRUE(printedTexts(1)[0].font.bold);
}

TEST_F(MainWindowPrinting, ACancelledPositionPromptDeselectsLabelStock) {
    type({"Ann Smith"});
    control<QRadioButton>("optVRLabel")->click();
    EXPECT_FALSE(control<QRadioButton>("optVRLabel")->isChecked());
    EXPECT_TRUE(control<QLabel>("lblVRPosition")->isHidden());
    control<QPushButton>("cmdVRStart")->click();
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_EQ(dialogs.messages().back(), "Media Selection|Select Label stock or Envelope");
}

TEST_F(MainWindowPrinting, AnEnvelopeOnAnOfficejetGetsItsPaperAndCorrections) {
    printer.device = "HP Officejet 4630";
    type({"Ann Smith", "12 Main St", "Springfield, IL  62704"});
    control<QRadioButton>("optVREnvelope")->click();
    control<QComboBox>("cboVREnvelope")->setCurrentIndex(0);
    emit control<QComboBox>("cboVREnvelope")->activated(0);
    control<QCheckBox>("chkBold")->click();
    control<QPushButton>("cmdVRStart")->click();
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
    control<QAction>("mnuRetAddress")->trigger();
    EXPECT_FALSE(control<QPushButton>("cmdRetAddress")->isHidden());
    EXPECT_TRUE(control<QPushButton>("cmdVRStart")->isHidden());
    EXPECT_FALSE(control<QRadioButton>("optVRLabel")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>("chkLblItalic")->isEnabled());
    EXPECT_EQ(dialogs.messages().back(),
              "Instructions|Fill in Lines 1, 2, and 3, then press Print.");

    type({"Jo", "12 Main St", "Springfield, IL  62704"});
    dialogs.queueAnswer(Answer::Ok);
    dialogs.queueAnswer(Answer::No);
    control<QPushButton>("cmdRetAddress")->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    const Document& doc = printer.documents[0];
    ASSERT_EQ(doc.placements.size(), 240u);
    EXPECT_EQ(doc.placements[1].column, 49);
    EXPECT_EQ(doc.placements[1].font.face, "Microsoft Sans Serif");
    EXPECT_TRUE(control<QPushButton>("cmdRetAddress")->isHidden());
    EXPECT_FALSE(control<QPushButton>("cmdVRStart")->isHidden());
    EXPECT_TRUE(control<QRadioButton>("optVRLabel")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("chkLblItalic")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>("optVRLeftjust")->isChecked());
}

TEST_F(MainWindowPrinting, TheMarginsMenuShiftsTheNextPrint) {
    dialogs.queueInput("2");
    dialogs.queueInput("-1");
    control<QAction>("mnuAdjustOTF")->trigger();
    EXPECT_EQ(dialogs.messages().back(),
              "Margin adjustment completed|D O N E !  Margin(s) for On-The-Fly labels adjusted "
              "successfully.");
    EXPECT_EQ(readFileBytes(dir / "VRNPARAM.TXT").substr(0, 18), "ONTHEFLY|2  |-1 \r\n");

    type({"Ann Smith"});
    dialogs.queueInput("5");
    control<QRadioButton>("optVRLabel")->click();
    control<QPushButton>("cmdVRStart")->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].placements.at(0).column, 47);
    EXPECT_EQ(printer.documents[0].placements.at(0).row, 1 + 8);
}

// Each item of the Margins menu shifts its own kind of printout, and only that.
TEST_F(MainWindowPrinting, EachMarginsItemWritesItsOwnLine) {
    struct Item {
        const char* name;
        const char* key;
        const char* done;
    };
    const std::vector<Item> items = {
        {"mnuAdjustOTF", "ONTHEFLY", "On-The-Fly labels"},
        {"mnuAdjustENV", "ENVELOPE", "Envelopes"},
        {"mnuAdjustRA", "RETURNAD", "Return Address labels"},
        {"mnuAdjustSR", "BULKLIST", "Search-result labels"},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        std::filesystem::remove(dir / "VRNPARAM.TXT");
        dialogs.queueInput("-1");
        dialogs.queueInput("1");
        control<QAction>(item.name)->trigger();
        EXPECT_EQ(dialogs.messages().back(), std::string("Margin adjustment completed|D O N E !  "
                                                         "Margin(s) for ") +
                                                 item.done + " adjusted successfully.");
        const std::string file = readFileBytes(dir / "VRNPARAM.TXT");
        for (const Item& other : items) {
            const bool shifted =
                file.find(std::string(other.key) + "|-1 |1  \r\n") != std::string::npos;
            EXPECT_EQ(shifted, &other == &item) << other.key;
        }
    }
}

TEST_F(MainWindowPrinting, AMarginFileThatCannotBeWrittenShowsTheCommonError) {
    std::filesystem::create_directory(dir / "VRNPARAM.TXT");
    dialogs.queueInput("1");
    dialogs.queueInput("");
    control<QAction>("mnuAdjustRA")->trigger();
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
    control<QRadioButton>("optVRLabel")->click();
    control<QPushButton>("cmdVRStart")->click();
    EXPECT_EQ(dialogs.messages().back(), "Printer error|A printer problem exists.  Check printer.");
    EXPECT_EQ(printer.aborts, 1);
}

// Preview, calibration, the alignment page and the orientation frame.

TEST_F(MainWindowPrinting, ThePreviewShowsTheDocumentAndPrintsOnlyWhenAsked) {
    labelsAt("4-6");
    struct Case {
        const char* how;
        bool print;
    };
    for (const Case c : {Case{"button", false}, Case{"menu", true}}) {
        const std::size_t before = printer.documents.size();
        printer.previewAnswers.push_back(c.print);
        if (std::string(c.how) == "button") {
            control<QPushButton>("cmdVRPreview")->click();
        } else {
            control<QAction>("mnuFilePreview")->trigger();
        }
        ASSERT_FALSE(printer.previews.empty()) << c.how;
        const Document& shown = printer.previews.back();
        EXPECT_EQ(shown.stock.name, "Avery 5160");
        EXPECT_EQ(shown.stock.labels.size(), 30u);
        EXPECT_EQ(shown.placements.size(), 9u) << "three labels of three lines";
        EXPECT_EQ(shown.title, "Mailing labels - VRN_Contacts");
        // The printed document is the one previewed; going back prints nothing.
        ASSERT_EQ(printer.documents.size(), before + (c.print ? 1 : 0)) << c.how;
        if (c.print) {
            EXPECT_EQ(printer.documents.back().placements, shown.placements);
        }
        EXPECT_EQ(printer.dialogs.size(), c.print ? 1u : 0u) << c.how;
    }
    // The preview left the composer as it was: the next print starts at 4 again.
    EXPECT_EQ(control<QLabel>("lblVRPosition")->text(), "Label Position 4-6");
}

TEST_F(MainWindowPrinting, ReturnAddressModePreviewsTheReturnLabels) {
    control<QAction>("mnuRetAddress")
        ->trigger();  // no lines yet: switches into return-address mode
    ASSERT_FALSE(control<QPushButton>("cmdRetAddress")->isHidden());
    line(0)->setText("Margaret A. Whitfield");
    line(1)->setText("1234 Maple Grove Avenue");
    line(2)->setText("Springfield, IL  62704");
    printer.previewAnswers.push_back(false);
    control<QPushButton>("cmdVRPreview")->click();
    ASSERT_EQ(printer.previews.size(), 1u);
    EXPECT_EQ(printer.previews[0].stock.name, "Avery 5167");
    EXPECT_EQ(printer.previews[0].placements.size(), 240u);
    EXPECT_TRUE(printer.documents.empty());
}

TEST_F(MainWindowPrinting, CalibrationIsKeptPerPrinterAndMovesEveryDocument) {
    printer.device = "Office Laser";
    // The dialog shows the stored values, starting from none.
    dialogs.queueInput("12");
    dialogs.queueInput("abc");  // refused, asked again
    dialogs.queueInput("-5");
    control<QAction>("mnuCalibrate")->trigger();
    std::vector<std::string> presets;
    for (const auto& box : dialogs.log) {
        if (box.kind == testing::ShownBox::Input) presets.push_back(box.preset);
    }
    EXPECT_EQ(presets, (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_NE(dialogs.log[0].text.find("Office Laser"), std::string::npos);
    EXPECT_EQ(dialogs.settings["Varnel/Printer Calibration/Office Laser"], "12 -5");

    dialogs.log.clear();
    control<QAction>("mnuCalibrate")->trigger();  // Cancel at once: the stored values stay
    ASSERT_FALSE(dialogs.log.empty());
    EXPECT_EQ(dialogs.log[0].preset, "12");
    EXPECT_EQ(dialogs.settings["Varnel/Printer Calibration/Office Laser"], "12 -5");

    labelsAt("7");
    printer.previewAnswers.push_back(true);
    control<QPushButton>("cmdVRPreview")->click();
    ASSERT_EQ(printer.previews.size(), 1u);
    ASSERT_EQ(printer.documents.size(), 1u);
    for (const Document* d : {&printer.previews[0], &printer.documents[0]}) {
        EXPECT_DOUBLE_EQ(d->shiftX, 12 * 0.72);
        EXPECT_DOUBLE_EQ(d->shiftY, -5 * 0.72);
    }
    // Another printer has its own (none).
    printer.device = "Shipping Desk";
    control<QPushButton>("cmdVRStart")->click();
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(printer.documents[1].shiftX, 0);
}

TEST_F(MainWindowPrinting, TheOrientationIsTheEnvelopesChoice) {
    labelsAt("1");
    EXPECT_FALSE(control<QGroupBox>("frPortLand")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>("optPortrait")->isChecked());
    control<QRadioButton>("optVREnvelope")->click();
    EXPECT_TRUE(control<QGroupBox>("frPortLand")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>("optLandscape")->isChecked());
    control<QPushButton>("cmdVRClear")->click();
    EXPECT_TRUE(control<QGroupBox>("frPortLand")->isEnabled());
}

TEST_F(MainWindowPrinting, TheAlignmentPageDrawsEveryLabelOfTheChosenSheet) {
    struct Case {
        QAction* item;
        const char* stock;
        std::size_t labels;
    };
    for (const Case c : {Case{control<QAction>("mnuAlign5160"), "Avery 5160", 30},
                         Case{control<QAction>("mnuAlign5167"), "Avery 5167", 80}}) {
        printer.documents.clear();
        c.item->trigger();
        ASSERT_EQ(printer.documents.size(), 1u) << c.stock;
        const Document& page = printer.documents[0];
        EXPECT_EQ(page.stock.name, c.stock);
        EXPECT_EQ(page.stock.labels.size(), c.labels);
        // Each label: four sides and two strokes for each of its four corner crosses.
        EXPECT_GE(page.strokes.size(), c.labels * 12);
        EXPECT_TRUE(page.cuts.empty());
        EXPECT_EQ(page.pageCount, 1);
    }
}

TEST_F(MainWindowPrinting, TheListWindowAndTheBrowserPreviewTheirPrintouts) {
    ctx.contactFile.appendRecord(testing::makeContact({.first = "Ann",
                                                       .last = "Smith",
                                                       .street1 = "12 Main St",
                                                       .city = "Springfield",
                                                       .state = "IL",
                                                       .zip = "62704"}));

    ctx.contactTitle = "VRN_Contacts";
    testing::ScriptedWindowHost host;
    frmViewAll* list = frmViewAll::open(ctx, host);
    list->findChild<QPushButton*>("cmdACGetReport")->click();
    auto* previewLabels = list->findChild<QPushButton*>("cmdPreviewLabels");
    ASSERT_TRUE(previewLabels->isEnabled());
    printer.previewAnswers = {false, false};
    previewLabels->click();
    list->findChild<QAction*>("mnuPreview")->trigger();
    ASSERT_EQ(printer.previews.size(), 2u);
    EXPECT_EQ(printer.previews[0].stock.name, "Avery 5160");
    EXPECT_EQ(printer.previews[0].title, "Search-result labels - VRN_Contacts");
    EXPECT_EQ(printer.previews[1].title, "Contact report - VRN_Contacts");
    EXPECT_TRUE(printer.documents.empty());
    list->close();

    ctx.CurrentRecord = 1;
    frmEdDelViewContact browser(ctx, w.host());
    browser.showRecord(1);
    printer.previewAnswers = {true};
    browser.findChild<QAction*>("mnuEDVPreview")->trigger();
    ASSERT_EQ(printer.previews.size(), 3u);
    EXPECT_EQ(printer.previews[2].title, "Contact detail sheet - VRN_Contacts");
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].placements, printer.previews[2].placements);
}

}  // namespace
}  // namespace varnel
