// The import window: its controls, the file choice, the import and its outcomes.
#include "exchange/gui/frmVRImport.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "exchange/gui/exchange_window_fixture.h"

namespace varnel {
namespace {

using testing::ShownBox;
using testing::writeFileBytes;

class ImportWindow : public testing::ExchangeWindowFixture<frmVRImport> {
protected:
    // Chooses `csv` (written first) in the Open dialog.
    void choose(frmVRImport*, const std::string& csv, const std::string& name = "people.csv") {
        writeFileBytes(dir / name, csv);
        dialogs.queueFile((dir / name).string(), name);
        control<QPushButton>("cmdCsvOpen")->click();
    }
};

TEST_F(ImportWindow, OpensInPlaceOfTheMainWindowWithItsControls) {
    frmVRImport* w = open();
    EXPECT_EQ(w->windowTitle(), "Import Contacts  [VRN_Contacts]");
    EXPECT_FALSE(control<QLineEdit>("txtImpFilename")->isVisibleTo(w));
    EXPECT_FALSE(control<QPushButton>("cmdStartImport")->isEnabled());
    EXPECT_EQ(control<QPushButton>("cmdCsvOpen")->text(), "&Open csv file");
    EXPECT_EQ(control<QPushButton>("cmdStartImport")->text(), "&Import");
    EXPECT_EQ(control<QPushButton>("cmdImpCancel")->text(), "&Close");
    EXPECT_EQ(control<QLabel>("lblImpHdr")->text(),
              "First, download contacts (as a csv file) from your email provider or other source, "
              "and save to PC.\r\nWhen ready, click 'Open csv file' to select the file to import.  "
              "Click 'Import' to begin importing.");
    EXPECT_EQ(control<QAction>("mnuITFileExit")->text(), "Exit");
    EXPECT_EQ(control<QAction>("mnuITHelpUM")->text(), "User Manual");

    control<QPushButton>("cmdImpCancel")->click();
    EXPECT_EQ(host.calls, std::vector<std::string>{"showMain"});
    EXPECT_TRUE(closed());
}

TEST_F(ImportWindow, ChoosingAFileShowsItsNameAndEnablesImport) {
    frmVRImport* w = open();
    control<QPushButton>("cmdCsvOpen")->click();  // cancelled
    EXPECT_FALSE(control<QPushButton>("cmdStartImport")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("txtImpFilename")->isVisibleTo(w));

    choose(w, "First Name,Last Name,Email\r\n");
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[1].kind, ShownBox::OpenFile);
    EXPECT_EQ(dialogs.log[1].title, "Open");
    EXPECT_EQ(dialogs.log[1].file.filterDescription,
              "CSV Files (*.CSV);;vCard Files (*.VCF);;Text Files (*.TXT);;All Files (*.*)");
    EXPECT_TRUE(control<QLineEdit>("txtImpFilename")->isVisibleTo(w));
    EXPECT_EQ(control<QLineEdit>("txtImpFilename")->text(), "people.csv");
    EXPECT_TRUE(control<QPushButton>("cmdStartImport")->isEnabled());
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
    frmVRImport* w = open();
    choose(w, "First Name,Last Name,Email\r\nAnn,Lee,other@x.com\r\nBob,Ray,bob@x.com\r\n");
    control<QPushButton>("cmdStartImport")->click();
    EXPECT_EQ(dialogs.messages().back(),
              "Import completed|D O N E !  1 contacts successfully imported.");
    EXPECT_FALSE(control<QPushButton>("cmdStartImport")->isEnabled());
    EXPECT_EQ(w->focusWidget(), control<QPushButton>("cmdImpCancel"));
    ASSERT_EQ(ctx.contactFile.recordCount(), 2);
    EXPECT_EQ(ctx.contactFile.readRecord(2).get(Field::FirstName), "Bob");
    EXPECT_EQ(ctx.contactFile.readRecord(2).get(Field::BdayReminder), "1");

    ctx.remindersOn = false;
    choose(w, "First Name,Last Name,Email\r\nCy,Dahl,cy@x.com\r\n", "more.csv");
    control<QPushButton>("cmdStartImport")->click();
    EXPECT_EQ(ctx.contactFile.readRecord(3).get(Field::BdayReminder), "0");
}

TEST_F(ImportWindow, NotCompatibleAndBinaryFilesDisableImport) {
    frmVRImport* w = open();
    choose(w, "Title,Phone\r\nMr,555\r\n");
    control<QPushButton>("cmdStartImport")->click();
    EXPECT_EQ(dialogs.messages().back(),
              "No contacts imported|CSV file not compatible with import function.");
    EXPECT_FALSE(control<QPushButton>("cmdStartImport")->isEnabled());

    choose(w, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "picture.csv");
    EXPECT_TRUE(control<QPushButton>("cmdStartImport")->isEnabled());
    control<QPushButton>("cmdStartImport")->click();
    EXPECT_EQ(dialogs.messages().back(),
              "No contacts imported|The file holds no text: it is not a CSV or vCard file.");
    EXPECT_FALSE(control<QPushButton>("cmdStartImport")->isEnabled());
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
    control<QPushButton>("cmdStartImport")->click();
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
    control<QPushButton>("cmdStartImport")->click();
    EXPECT_EQ(dialogs.messages().back(),
              "Error|An error has occurred. Error number 53 -- File not found.  Try again, or "
              "notify Varnel.");
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(control<QPushButton>("cmdStartImport")->isEnabled());

    choose(w, "First Name,Last Name,Email\r\nAnn,Lee,ann@x.com\r\n");
    std::filesystem::remove(dir / "people.csv");
    dialogs.queueAnswer(Answer::Cancel);
    control<QPushButton>("cmdStartImport")->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(host.calls, std::vector<std::string>{"showMain"});
    EXPECT_EQ(ctx.contactFile.recordCount(), 0);
}

TEST_F(ImportWindow, AFileThatCannotBeReadShowsTheErrorBox) {
    open();
    std::filesystem::create_directory(dir / "folder.csv");
    dialogs.queueFile((dir / "folder.csv").string(), "folder.csv");
    dialogs.queueAnswer(Answer::Cancel);
    control<QPushButton>("cmdCsvOpen")->click();
    EXPECT_EQ(dialogs.messages().back(),
              "Error|An error has occurred. Error number 75 -- Path/File access error.  Try "
              "again, or notify Varnel.");
    EXPECT_TRUE(closed());
    EXPECT_EQ(host.calls, std::vector<std::string>{"showMain"});
}

TEST_F(ImportWindow, EditMenuFollowsTheSelectionOfTheFocusedBox) {
    frmVRImport* w = open();
    choose(w, "First Name,Last Name,Email\r\n", "friends.csv");
    control<QLineEdit>("txtImpFilename")->setFocus();
    control<QLineEdit>("txtImpFilename")->deselect();
    emit control<QMenu>("mnuITEdit")->aboutToShow();
    EXPECT_FALSE(control<QAction>("mnuITEditCut")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuITEditCopy")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuITEditPaste")->isEnabled());

    control<QLineEdit>("txtImpFilename")->setSelection(0, 7);
    emit control<QMenu>("mnuITEdit")->aboutToShow();
    EXPECT_TRUE(control<QAction>("mnuITEditCut")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuITEditCopy")->isEnabled());
    control<QAction>("mnuITEditCopy")->trigger();
    EXPECT_EQ(dialogs.clipboard, "friends");
    control<QAction>("mnuITEditCut")->trigger();
    EXPECT_EQ(control<QLineEdit>("txtImpFilename")->text(), ".csv");
    control<QAction>("mnuITEditPaste")->trigger();
    EXPECT_EQ(control<QLineEdit>("txtImpFilename")->text(), "friends.csv");
}

TEST_F(ImportWindow, HelpOpensTheManualAndTheAboutBox) {
    frmVRImport* w = open();
    control<QAction>("mnuITHelpUM")->trigger();
    control<QAction>("mnuITHelpAbout")->trigger();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"openManual", "openAbout"}));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ImportWindow, FileExitEndsTheProgram) {
    open();
    control<QAction>("mnuITFileExit")->trigger();
    EXPECT_EQ(host.calls, std::vector<std::string>{"endProgram"});
    EXPECT_FALSE(ctx.contactFile.isOpen());
    EXPECT_TRUE(closed());
}

}  // namespace
}  // namespace varnel
