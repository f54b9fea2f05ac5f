// The main window's look-ups, documents, About box and Edit menu.
#include <gtest/gtest.h>

#include "exchange/gui/exchange_window_fixture.h"
#include "exchange/gui/frmVRExport.h"
#include "exchange/gui/frmVRImport.h"
#include "shell/gui/frmVRAbout.h"

namespace varnel {
namespace {

using testing::ShownBox;

class MainShell : public testing::MainWindowFixture {
  protected:
    QLineEdit* line1() { return main->txtVRLines[0]; }
    void openEdit() { emit main->mnuVREdit->aboutToShow(); }
};

TEST_F(MainShell, EditMenuWithoutSelectionOffersOnlyPaste) {
    line1()->setText("12 Main St");
    line1()->setFocus();
    line1()->deselect();
    openEdit();
    EXPECT_FALSE(main->mnuCut->isEnabled());
    EXPECT_FALSE(main->mnuCopy->isEnabled());
    EXPECT_TRUE(main->mnuPaste->isEnabled());

    line1()->setSelection(3, 4);
    openEdit();
    EXPECT_TRUE(main->mnuCut->isEnabled());
    EXPECT_TRUE(main->mnuCopy->isEnabled());
    EXPECT_TRUE(main->mnuPaste->isEnabled());
}

TEST_F(MainShell, CutOfMainLeavesTwoSpacesAndPastePutsItBack) {
    line1()->setText("12 Main St");
    line1()->setFocus();
    line1()->setSelection(3, 4);
    main->mnuCut->trigger();
    EXPECT_EQ(line1()->text(), "12  St");
    EXPECT_EQ(dialogs.clipboard, "Main");

    main->txtVRLines[1]->setText("Dear Sir");
    main->txtVRLines[1]->setFocus();
    main->txtVRLines[1]->setSelection(5, 3);
    main->mnuPaste->trigger();
    EXPECT_EQ(main->txtVRLines[1]->text(), "Dear Main");
    main->txtVRLines[1]->setSelection(0, 4);
    main->mnuCopy->trigger();
    EXPECT_EQ(dialogs.clipboard, "Dear");
    EXPECT_EQ(main->txtVRLines[1]->text(), "Dear Main");
}

TEST_F(MainShell, WithAButtonFocusedCutAndCopyAreOfferedButTouchNothing) {
    dialogs.clipboard = "keep";
    main->cmdVRClear->setFocus();
    openEdit();
    EXPECT_TRUE(main->mnuCut->isEnabled());
    EXPECT_TRUE(main->mnuCopy->isEnabled());
    main->mnuCut->trigger();
    main->mnuPaste->trigger();
    EXPECT_EQ(dialogs.clipboard, "keep");
}

TEST_F(MainShell, LookUpsAndDocumentsGoThroughTheShell) {
    main->cmdZipFinder->click();
    main->cmdPeopleFind->click();
    main->mnuStates->trigger();
    main->mnuManual->trigger();
    EXPECT_EQ(dialogs.opened,
              (std::vector<std::string>{
                  "https://tools.usps.com/zip-code-lookup.htm", "https://www.whitepages.com/",
                  (dir / "vrn_state_abbreviations.pdf").string(), (dir / "vrnUman.pdf").string()}));
    EXPECT_EQ(main->cmdZipFinder->text(), "Zip Code Finder");
    // Nothing is reported, whatever the shell did.
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MainShell, AboutIsShownBesideTheMainWindowAndClosesWithIt) {
    main->mnuAbout->trigger();
    frmVRAbout* about = shown<frmVRAbout>();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(about->isModal());
    EXPECT_TRUE(main->isVisible());
    main->close();
    EXPECT_EQ(shown<frmVRAbout>(), nullptr);
}

TEST_F(MainShell, ImportAndExportTakeThePlaceOfTheMainWindow) {
    main->mnuImport->trigger();
    EXPECT_FALSE(main->isVisible());
    ASSERT_NE(shown<frmVRImport>(), nullptr);
    shown<frmVRImport>()->close();
    EXPECT_TRUE(main->isVisible());
    main->mnuExport->trigger();
    EXPECT_FALSE(main->isVisible());
    ASSERT_NE(shown<frmVRExport>(), nullptr);
    // Closing the program closes the open export window too.
    main->close();
    EXPECT_EQ(shown<frmVRExport>(), nullptr);
}

}  // namespace
}  // namespace varnel
