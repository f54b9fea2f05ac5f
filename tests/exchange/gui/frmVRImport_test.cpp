// The import window: its controls, the file choice, the import and its outcomes.
#include "exchange/gui/frmVRImport.h"

#include <gtest/gtest.h>

#include "exchange/gui/exchange_window_fixture.h"
#include "shell/gui/frmVRAbout.h"

namespace varnel {
namespace {

using testing::ShownBox;
using testing::writeFileBytes;

class ImportWindow : public testing::MainWindowFixture {
protected:
    frmVRImport* open() {
        main->mnuImport->trigger();
        frmVRImport* w = shown<frmVRImport>();
        EXPECT_NE(w, nullptr);
        return w;
    }
    // Chooses `csv` (written first) in the Open dialog.
    void choose(frmVRImport* w, const std::string& csv, const std::string& name = "people.csv") {
        writeFileBytes(dir / name, csv);
        dialogs.queueFile((dir / name).string(), name);
        w->cmdCsvOpen->click();
    }
};

TEST_F(ImportWindow, OpensInPlaceOfTheMainWindowWithItsControls) {
    frmVRImport* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(w->windowTitle(), "Import Contacts  [VRN_Contacts]");
    EXPECT_FALSE(w->txtImpFilename->isVisibleTo(w));
    EXPECT_FALSE(w->cmdStartImport->isEnabled());
    EXPECT_EQ(w->cmdCsvOpen->text(), "&Open csv file");
    EXPECT_EQ(w->cmdStartImport->text(), "&Import");
    EXPECT_EQ(w->cmdImpCancel->text(), "&Close");
    EXPECT_EQ(w->lblImpHdr->text(),
              "First, download contacts (as a csv file) from your email provider or other source, "
              "and save to PC.\r\nWhen ready, click 'Open csv file' to select the file to import.  "
              "Click 'Import' to begin importing.");
    EXPECT_EQ(w->mnuITFileExit->text(), "Exit");
    EXPECT_EQ(w->mnuITHelpUM->text(), "User Manual");

    w->cmdImpCancel->click();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->focusWidget(), main->txtVRLines[0]);
    EXPECT_EQ(shown<frmVRImport>(), nullptr);
}

TEST_F(ImportWindow, ChoosingAFileShowsItsNameAndEnablesImport) {
    frmVRImport* w = open();
    w->cmdCsvOpen->click();  // cancelled
    EXPECT_FALSE(w->cmdStartImport->isEnabled());
    EXPECT_FALSE(w->txtImpFilename->isVisibleTo(w));

    choose(w, "First Name,Last Name,Email\r\n");
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[1].kind, ShownBox::OpenFile);
    EXPECT_EQ(dialogs.log[1].title, "Open");
    EXPECT_EQ(dialogs.log[1].file.filterDescription,
              "CSV Files (*.CSV);;vCard Files (*.VCF);;Text Files (*.TXT);;All Files (*.*)");
    EXPECT_TRUE(w->txtImpFilename->isVisibleTo(w));
    EXPECT_EQ(w->txtImpFilename->text(), "people.csv");
    EXPECT_TRUE(w->cmdStartImport->isEnabled());
    EXPECT_EQ(w->chosenPath().toStdString(), (dir / "people.csv").string());
}

TEST_F(ImportWindow, ImportWithoutAFileBeepsAndSaysSo) {
    frmVRImport* w = open();
    w->cmdStartImport_Click();
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[0].kind, ShownBox::Beep);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"No csv file selected|Click 'Open csv file' to select a "
                                       "file to import."});
    EXPECT_EQ(dialogs.log[1].icon, Icon::Information);
}

TEST_F(ImportWindow, ImportAppendsWithTheReminderSettingThenWaitsForANewChoice) {
    addContact("Ann", "Lee", "ann@x.com");
    main->mnuFileBdayOn->setEnabled(false);  // reminders are on
    frmVRImport* w = open();
    choose(w, "First Name,Last Name,Email\r\nAnn,Lee,other@x.com\r\nBob,Ray,bob@x.com\r\n");
    w->cmdStartImport->click();
    EXPECT_EQ(dialogs.messages().back(),
              "Import completed|D O N E !  1 contacts successfully imported.");
    EXPECT_FALSE(w->cmdStartImport->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->cmdImpCancel);
    ASSERT_EQ(ctx.contactFile.recordCount(), 2);
    EXPECT_EQ(ctx.contactFile.readRecord(2).get(Field::FirstName), "Bob");
    EXPECT_EQ(ctx.contactFile.readRecord(2).get(Field::BdayReminder), "1");

    main->mnuFileBdayOn->setEnabled(true);  // reminders are off
    choose(w, "First Name,Last Name,Email\r\nCy,Dahl,cy@x.com\r\n", "more.csv");
    w->cmdStartImport->click();
    EXPECT_EQ(ctx.contactFile.readRecord(3).get(Field::BdayReminder), "0");
}

TEST_F(ImportWindow, NotCompatibleAndBinaryFilesDisableImport) {
    frmVRImport* w = open();
    choose(w, "Title,Phone\r\nMr,555\r\n");
    w->cmdStartImport->click();
    EXPECT_EQ(dialogs.messages().back(),
              "No contacts imported|CSV file not compatible with import function.");
    EXPECT_FALSE(w->cmdStartImport->isEnabled());

    choose(w, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "picture.csv");
    EXPECT_TRUE(w->cmdStartImport->isEnabled());
    w->cmdStartImport->click();
    EXPECT_EQ(dialogs.messages().back(),
              "No contacts imported|The file holds no text: it is not a CSV or vCard file.");
    EXPECT_FALSE(w->cmdStartImport->isEnabled());
    EXPECT_EQ(ctx.contactFile.recordCount(), 0);
}

TEST_F(ImportWindow, TheCompletedBoxListsWhatWasNotAddedInItsDetails) {
    addContact("Ann", "Lee", "ann@x.com");
    frmVRImport* w = open();
    choose(w,
           "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n"
           "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:\u0418\u0432\u0430\u043D "
           "\u041F\u0435\u0442\u0440\u043E\u0432\r\n"
           "END:VCARD\r\n",
           "friends.vcf");
    w->cmdStartImport->click();
    ASSERT_EQ(dialogs.log.back().kind, ShownBox::Message);
    EXPECT_EQ(dialogs.log.back().text, "D O N E !  1 contacts successfully imported.");
    EXPECT_EQ(dialogs.log.back().details,
              "Not added (1):\nLine 1: Ann Lee: duplicate of record 1 (Ann Lee <ann@x.com>)\n\n"
              "Added, to note (1):\nLine 5: \u0418\u0432\u0430\u043D "
              "\u041F\u0435\u0442\u0440\u043E\u0432 "
              "stored as Ivan Petrov");
    EXPECT_EQ(ctx.contactFile.readRecord(2).get(Field::FirstName), "Ivan");
}

TEST_F(ImportWindow, ErrorRetryKeepsTheWindowAndCancelReturnsToTheMainWindow) {
    frmVRImport* w = open();
    // The file goes between Open and Import.
    choose(w, "First Name,Last Name,Email\r\nAnn,Lee,ann@x.com\r\n");
    std::filesystem::remove(dir / "people.csv");
    w->cmdStartImport->click();
    EXPECT_EQ(dialogs.messages().back(),
              "Error|An error has occurred. Error number 53 -- File not found.  Try again, or "
              "notify Varnel.");
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->cmdStartImport->isEnabled());

    choose(w, "First Name,Last Name,Email\r\nAnn,Lee,ann@x.com\r\n");
    std::filesystem::remove(dir / "people.csv");
    dialogs.queueAnswer(Answer::Cancel);
    w->cmdStartImport->click();
    EXPECT_EQ(shown<frmVRImport>(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(ctx.contactFile.recordCount(), 0);
}

TEST_F(ImportWindow, AFileThatCannotBeReadShowsTheErrorBox) {
    frmVRImport* w = open();
    std::filesystem::create_directory(dir / "folder.csv");
    dialogs.queueFile((dir / "folder.csv").string(), "folder.csv");
    dialogs.queueAnswer(Answer::Cancel);
    w->cmdCsvOpen->click();
    EXPECT_EQ(dialogs.messages().back(),
              "Error|An error has occurred. Error number 75 -- Path/File access error.  Try "
              "again, or notify Varnel.");
    EXPECT_EQ(shown<frmVRImport>(), nullptr);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(ImportWindow, EditMenuFollowsTheSelectionOfTheFocusedBox) {
    frmVRImport* w = open();
    choose(w, "First Name,Last Name,Email\r\n", "friends.csv");
    w->txtImpFilename->setFocus();
    w->txtImpFilename->deselect();
    emit w->mnuITEdit->aboutToShow();
    EXPECT_FALSE(w->mnuITEditCut->isEnabled());
    EXPECT_FALSE(w->mnuITEditCopy->isEnabled());
    EXPECT_TRUE(w->mnuITEditPaste->isEnabled());

    w->txtImpFilename->setSelection(0, 7);
    emit w->mnuITEdit->aboutToShow();
    EXPECT_TRUE(w->mnuITEditCut->isEnabled());
    EXPECT_TRUE(w->mnuITEditCopy->isEnabled());
    w->mnuITEditCopy->trigger();
    EXPECT_EQ(dialogs.clipboard, "friends");
    w->mnuITEditCut->trigger();
    EXPECT_EQ(w->txtImpFilename->text(), ".csv");
    w->mnuITEditPaste->trigger();
    EXPECT_EQ(w->txtImpFilename->text(), "friends.csv");
}

TEST_F(ImportWindow, HelpOpensTheManualAndTheAboutBox) {
    frmVRImport* w = open();
    w->mnuITHelpUM->trigger();
    ASSERT_EQ(dialogs.opened.size(), 1u);
    EXPECT_EQ(dialogs.opened[0], (dir / "vrnUman.pdf").string());
    w->mnuITHelpAbout->trigger();
    frmVRAbout* about = shown<frmVRAbout>();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(about->isModal());
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ImportWindow, FileExitEndsTheProgram) {
    frmVRImport* w = open();
    w->mnuITFileExit->trigger();
    EXPECT_TRUE(main->isClosed());
    EXPECT_FALSE(ctx.contactFile.isOpen());
    EXPECT_EQ(shown<frmVRImport>(), nullptr);
}

}  // namespace
}  // namespace varnel
