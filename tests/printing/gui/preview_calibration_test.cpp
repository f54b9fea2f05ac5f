// Preview, calibration, the alignment page and the orientation frame, driven
// through the real windows with the scripted ports.
#include <gtest/gtest.h>

#include "app/gui/frmVarnel.h"
#include "contacts/gui/frmEdDelViewContact.h"
#include "listing/gui/frmViewAll.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

class PreviewAndCalibration : public ::testing::Test {
protected:
    PreviewAndCalibration() : ctx(dialogs, printer, clock, dir.path()), w(ctx) {
        w.Form_Load();
        dialogs.log.clear();
    }

    void labelsAt(const char* entry) {
        w.txtVRLines[0]->setText("Ann Smith");
        w.txtVRLines[1]->setText("12 Main St");
        w.txtVRLines[2]->setText("Springfield, IL  62704");
        dialogs.queueInput(entry);
        w.optVRLabel->click();
        dialogs.log.clear();
    }

    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
    testing::FixedClock clock;
    AppContext ctx;
    frmVarnel w;
};

TEST_F(PreviewAndCalibration, ThePreviewShowsTheDocumentAndPrintsOnlyWhenAsked) {
    labelsAt("4-6");
    struct Case {
        const char* how;
        bool print;
    };
    for (const Case c : {Case{"button", false}, Case{"menu", true}}) {
        const std::size_t before = printer.documents.size();
        printer.previewAnswers.push_back(c.print);
        if (std::string(c.how) == "button") {
            w.cmdVRPreview->click();
        } else {
            w.mnuFilePreview->trigger();
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
    EXPECT_EQ(w.lblVRPosition->text(), "Label Position 4-6");
}

TEST_F(PreviewAndCalibration, ReturnAddressModePreviewsTheReturnLabels) {
    w.mnuRetAddress->trigger();  // no lines yet: switches into return-address mode
    ASSERT_FALSE(w.cmdRetAddress->isHidden());
    w.txtVRLines[0]->setText("Margaret A. Whitfield");
    w.txtVRLines[1]->setText("1234 Maple Grove Avenue");
    w.txtVRLines[2]->setText("Springfield, IL  62704");
    printer.previewAnswers.push_back(false);
    w.cmdVRPreview->click();
    ASSERT_EQ(printer.previews.size(), 1u);
    EXPECT_EQ(printer.previews[0].stock.name, "Avery 5167");
    EXPECT_EQ(printer.previews[0].placements.size(), 240u);
    EXPECT_TRUE(printer.documents.empty());
}

TEST_F(PreviewAndCalibration, CalibrationIsKeptPerPrinterAndMovesEveryDocument) {
    printer.device = "Office Laser";
    // The dialog shows the stored values, starting from none.
    dialogs.queueInput("12");
    dialogs.queueInput("abc");  // refused, asked again
    dialogs.queueInput("-5");
    w.mnuCalibrate->trigger();
    std::vector<std::string> presets;
    for (const auto& box : dialogs.log) {
        if (box.kind == testing::ShownBox::Input) presets.push_back(box.preset);
    }
    EXPECT_EQ(presets, (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_NE(dialogs.log[0].text.find("Office Laser"), std::string::npos);
    EXPECT_EQ(dialogs.settings["Varnel/Printer Calibration/Office Laser"], "12 -5");

    dialogs.log.clear();
    w.mnuCalibrate->trigger();  // Cancel at once: the stored values stay
    ASSERT_FALSE(dialogs.log.empty());
    EXPECT_EQ(dialogs.log[0].preset, "12");
    EXPECT_EQ(dialogs.settings["Varnel/Printer Calibration/Office Laser"], "12 -5");

    labelsAt("7");
    printer.previewAnswers.push_back(true);
    w.cmdVRPreview->click();
    ASSERT_EQ(printer.previews.size(), 1u);
    ASSERT_EQ(printer.documents.size(), 1u);
    for (const Document* d : {&printer.previews[0], &printer.documents[0]}) {
        EXPECT_DOUBLE_EQ(d->shiftX, 12 * 0.72);
        EXPECT_DOUBLE_EQ(d->shiftY, -5 * 0.72);
    }
    // Another printer has its own (none).
    printer.device = "Shipping Desk";
    w.cmdVRStart->click();
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(printer.documents[1].shiftX, 0);
}

TEST_F(PreviewAndCalibration, TheOrientationIsTheEnvelopesChoice) {
    labelsAt("1");
    EXPECT_FALSE(w.frPortLand->isEnabled());
    EXPECT_TRUE(w.optPortrait->isChecked());
    w.optVREnvelope->click();
    EXPECT_TRUE(w.frPortLand->isEnabled());
    EXPECT_TRUE(w.optLandscape->isChecked());
    w.cmdVRClear->click();
    EXPECT_TRUE(w.frPortLand->isEnabled());
}

TEST_F(PreviewAndCalibration, TheAlignmentPageDrawsEveryLabelOfTheChosenSheet) {
    struct Case {
        QAction* item;
        const char* stock;
        std::size_t labels;
    };
    for (const Case c :
         {Case{w.mnuAlign5160, "Avery 5160", 30}, Case{w.mnuAlign5167, "Avery 5167", 80}}) {
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

TEST_F(PreviewAndCalibration, TheListWindowAndTheBrowserPreviewTheirPrintouts) {
    ContactRecord r;
    r.set(Field::FirstName, "Ann");
    r.set(Field::LastName, "Smith");
    r.set(Field::Street1, "12 Main St");
    r.set(Field::City, "Springfield");
    r.set(Field::State, "IL");
    r.set(Field::Zip, "62704");
    ctx.contactFile.appendRecord(r);

    frmViewAll* list = frmViewAll::open(ctx, w);
    list->cmdACGetReport->click();
    ASSERT_TRUE(list->cmdPreviewLabels->isEnabled());
    printer.previewAnswers = {false, false};
    list->cmdPreviewLabels->click();
    list->mnuPreview->trigger();
    ASSERT_EQ(printer.previews.size(), 2u);
    EXPECT_EQ(printer.previews[0].stock.name, "Avery 5160");
    EXPECT_EQ(printer.previews[0].title, "Search-result labels - VRN_Contacts");
    EXPECT_EQ(printer.previews[1].title, "Contact report - VRN_Contacts");
    EXPECT_TRUE(printer.documents.empty());
    list->close();

    ctx.CurrentRecord = 1;
    frmEdDelViewContact browser(ctx, w);
    browser.showRecord(1);
    printer.previewAnswers = {true};
    browser.mnuEDVPreview->trigger();
    ASSERT_EQ(printer.previews.size(), 3u);
    EXPECT_EQ(printer.previews[2].title, "Contact detail sheet - VRN_Contacts");
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].placements, printer.previews[2].placements);
}

}  // namespace
}  // namespace varnel
