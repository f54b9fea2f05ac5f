// Start-up, the File commands and shutdown of the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include "app/gui/frmVarnel.h"
#include "support/fixed_clock.h"
#include "support/gui/find_control.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/scripted_program.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

using testing::FixedClock;
using testing::readFileBytes;
using testing::ScriptedDialogs;
using testing::ScriptedPrinter;
using testing::ShownBox;
using testing::TempDir;
using testing::writeFileBytes;

std::string record(const std::string& first, const std::string& reminder) {
    ContactRecord r;
    r.set(Field::FirstName, first);
    r.set(Field::LastName, "Tester");
    r.set(Field::IncludeCompany, "0");
    r.set(Field::BdayReminder, reminder);
    return std::string(r.data(), ContactRecord::Size);
}

class MainWindow : public ::testing::Test, protected testing::ScriptedProgram {
protected:
    MainWindow() = default;

    template <typename T>
    T* control(const char* name) {
        return testing::find<T>(window.get(), name);
    }

    frmVarnel& start() {
        window = std::make_unique<frmVarnel>(ctx);
        window->Form_Load();
        return *window;
    }

    // The contact commands that Close disables, by name.
    std::map<std::string, bool> contactCommands() {
        std::map<std::string, bool> enabled;
        for (const char* name :
             {"cmdAddContact", "cmdFindContact", "mnuAdd", "mnuEdit", "mnuDelete", "mnuFind",
              "mnuViewOne", "mnuViewAll", "mnuSrchContacts"}) {
            enabled[name] = control<QObject>(name)->property("enabled").toBool();
        }
        return enabled;
    }
    bool allContactCommands(bool enabled) {
        for (const auto& [name, on] : contactCommands()) {
            if (on != enabled) {
                ADD_FAILURE() << name << " is " << (on ? "enabled" : "disabled");
                return false;
            }
        }
        return true;
    }

    std::unique_ptr<frmVarnel> window;
};

TEST_F(MainWindow, FirstStartInAnEmptyFolderCreatesAnEmptyDefaultFile) {
    frmVarnel& w = start();
    EXPECT_TRUE(std::filesystem::exists(dir / "VRN_Contacts.DAT"));
    EXPECT_EQ(std::filesystem::file_size(dir / "VRN_Contacts.DAT"), 0u);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOff")->isEnabled());
    EXPECT_TRUE(allContactCommands(true));
    EXPECT_TRUE(control<QAction>("mnuImport")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuExport")->isEnabled());
    EXPECT_EQ(ctx.contactPath.string(), (dir / "VRN_Contacts.DAT").string());
    EXPECT_EQ(ctx.contactTitle, "VRN_Contacts");
    // Opening the default file keeps the idle title.
    EXPECT_EQ(w.windowTitle(), "Varnel - Address Book and Label Printer");
    EXPECT_TRUE(ctx.contactFile.isOpen());
}

TEST_F(MainWindow, BeforeStartEveryContactCommandIsDisabled) {
    window = std::make_unique<frmVarnel>(ctx);
    EXPECT_TRUE(allContactCommands(false));
    EXPECT_FALSE(control<QAction>("mnuImport")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
}

TEST_F(MainWindow, StartUpReadsTheReminderSettingOfRecordOne) {
    writeFileBytes(dir / "VRN_Contacts.DAT", record("Ann", "0") + record("Bo", "1"));
    start();
    EXPECT_TRUE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOff")->isEnabled());
}

TEST_F(MainWindow, ComposerStartsAsTheLoadSetsIt) {
    frmVarnel& w = start();
    EXPECT_TRUE(control<QRadioButton>("optPortrait")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("optVRLeftjust")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optVRLabel")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optVREnvelope")->isChecked());
    EXPECT_EQ(control<QLineEdit>("txtVRLeftPad")->text(), "2");
    EXPECT_EQ(control<QLineEdit>("txtVRToppad")->text(), "3");
    EXPECT_EQ(control<QComboBox>("cboVREnvelope")->count(), 6);
    EXPECT_TRUE(control<QComboBox>("cboVREnvelope")->isHidden());
    EXPECT_TRUE(control<QCheckBox>("chkBold")->isHidden());
    EXPECT_TRUE(control<QCheckBox>("chkLargeFont")->isHidden());
    EXPECT_FALSE(control<QGroupBox>("frFeatures")->isHidden());
    EXPECT_TRUE(control<QPushButton>("cmdRetAddress")->isHidden());
    EXPECT_EQ(control<QLabel>("lblVRInstruct")->text().toStdString(),
              "Varnel prints mailing labels (use Avery 5160 or 8160 labels) and envelopes.\r\n"
              "Power tip: click 'Search Contacts' to print labels for a specific subset of your "
              "contacts.");
    EXPECT_EQ(w.focusWidget(), control<QLineEdit>("txtVRLine1"));
}

TEST_F(MainWindow, OpenShowsTheFileTitleAndReadsItsReminderSetting) {
    frmVarnel& w = start();
    writeFileBytes(dir / "My List.DAT", record("Ann", "1"));
    dialogs.queueFile((dir / "My List.DAT").string(), "My List.DAT");
    control<QAction>("mnuFileOpen")->trigger();
    ASSERT_EQ(dialogs.log.size(), 1u);
    const ShownBox& box = dialogs.log[0];
    EXPECT_EQ(box.kind, ShownBox::OpenFile);
    EXPECT_EQ(box.title, "Open");
    EXPECT_EQ(box.file.initialFolder, dir.path().string());
    EXPECT_EQ(box.file.filterDescription, "Data Files (*.DAT)");
    EXPECT_EQ(box.file.filterPattern, "*.DAT");
    EXPECT_EQ(w.windowTitle(), "Varnel  [My List]");
    EXPECT_EQ(ctx.contactTitle, "My List");
    EXPECT_EQ(ctx.contactFile.path(), dir / "My List.DAT");
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuFileBdayOff")->isEnabled());
    EXPECT_TRUE(allContactCommands(true));
}

TEST_F(MainWindow, OnlyUpperCaseDatLeavesTheTitle) {
    frmVarnel& w = start();
    dialogs.queueFile((dir / "my list.dat").string(), "my list.dat");
    control<QAction>("mnuFileOpen")->trigger();
    EXPECT_EQ(w.windowTitle(), "Varnel  [my list.dat]");
    EXPECT_TRUE(std::filesystem::exists(dir / "my list.dat"));
}

TEST_F(MainWindow, NewCreatesTheFileWithRemindersOn) {
    frmVarnel& w = start();
    // A name typed without an extension gets ".DAT".
    dialogs.queueFile((dir / "Family").string(), "Family");
    control<QAction>("mnuFileNew")->trigger();
    EXPECT_EQ(dialogs.log.at(0).title, "New");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"Family.DAT", "VRN_Contacts.DAT"}));
    EXPECT_EQ(std::filesystem::file_size(dir / "Family.DAT"), 0u);
    EXPECT_EQ(ctx.contactPath, dir / "Family.DAT");
    EXPECT_EQ(w.windowTitle(), "Varnel  [Family]");
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuFileBdayOff")->isEnabled());
    EXPECT_TRUE(allContactCommands(true));
}

TEST_F(MainWindow, CancelledDialogKeepsThePreviousFileOpen) {
    frmVarnel& w = start();
    control<QAction>("mnuFileOpen")->trigger();  // no file queued: cancel
    EXPECT_TRUE(ctx.contactFile.isOpen());
    EXPECT_EQ(ctx.contactFile.path(), dir / "VRN_Contacts.DAT");
    EXPECT_EQ(w.windowTitle(), "Varnel - Address Book and Label Printer");
    EXPECT_TRUE(allContactCommands(true));
    EXPECT_EQ(dialogs.messages().size(), 0u);
}

TEST_F(MainWindow, CloseDisablesContactCommandsButNotImportAndExport) {
    frmVarnel& w = start();
    writeFileBytes(dir / "A.DAT", record("Ann", "1"));
    dialogs.queueFile((dir / "A.DAT").string(), "A.DAT");
    control<QAction>("mnuFileOpen")->trigger();
    control<QAction>("mnuFileClose")->trigger();
    EXPECT_TRUE(allContactCommands(false));
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOff")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuImport")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuExport")->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Varnel - Address Book and Label Printer");
    EXPECT_TRUE(ctx.contactPath.empty());
    EXPECT_TRUE(ctx.contactTitle.empty());
    EXPECT_FALSE(ctx.contactFile.isOpen());
}

TEST_F(MainWindow, UninstallerFileIsHiddenOnlyWhileTheDialogIsOpen) {
    writeFileBytes(dir / "unins000.DAT", "uninstall data");
    frmVarnel& w = start();
    EXPECT_TRUE(std::filesystem::exists(dir / "unins000.DAT"));
    EXPECT_FALSE(std::filesystem::exists(dir / "unins000.DAK"));

    // Seen from inside the dialog, the file carries the other name.
    std::vector<std::string> duringDialog;
    dialogs.onFileDialog = [&] { duringDialog = dir.names(); };
    dialogs.queueFile((dir / "B.DAT").string(), "B.DAT");
    control<QAction>("mnuFileNew")->trigger();
    EXPECT_EQ(duringDialog, (std::vector<std::string>{"VRN_Contacts.DAT", "unins000.DAK"}));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"B.DAT", "VRN_Contacts.DAT", "unins000.DAT"}));
    EXPECT_EQ(readFileBytes(dir / "unins000.DAT"), "uninstall data");
    (void)w;
}

TEST_F(MainWindow, BothUninstallerNamesPresentEndInTheErrorBox) {
    writeFileBytes(dir / "unins000.DAT", "a");
    writeFileBytes(dir / "unins000.DAK", "b");
    dialogs.queueAnswer(Answer::Retry);
    frmVarnel& w = start();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              "Error|An error has occurred. Error number 58 -- File already exists.  Try again, or "
              "notify author.");
    EXPECT_EQ(dialogs.log[0].buttons, Buttons::RetryCancel);
    // Retry closes the contact file and ends the start-up there.
    EXPECT_FALSE(ctx.contactFile.isOpen());
    EXPECT_FALSE(w.isClosed());
    EXPECT_TRUE(allContactCommands(false));
    EXPECT_EQ(readFileBytes(dir / "unins000.DAT"), "a");
    EXPECT_EQ(readFileBytes(dir / "unins000.DAK"), "b");
}

TEST_F(MainWindow, CancelInTheErrorBoxEndsTheProgram) {
    frmVarnel& w = start();
    // A folder where the chosen file should be cannot be opened as a contact file.
    std::filesystem::create_directory(dir / "Folder.DAT");
    dialogs.queueFile((dir / "Folder.DAT").string(), "Folder.DAT");
    dialogs.queueAnswer(Answer::Cancel);
    control<QAction>("mnuFileOpen")->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              "Error|An error has occurred. Error number 75 -- Path/File access error.  Try again, "
              "or notify author.");
    EXPECT_TRUE(w.isClosed());
}

TEST_F(MainWindow, FilesThatCannotBeOpenedAreRefusedAndThePreviousFileStaysOpen) {
    const std::string picture =
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + std::string(3000, '\x7f');
    writeFileBytes(dir / "notes.DAT", "just some text\nnot 518 bytes long\n");
    writeFileBytes(dir / "Photo.DAT", picture);
    ContactFile elsewhere;  // as another Varnel holds it
    elsewhere.open(dir / "Busy.DAT");
    struct Case {
        const char* name;
        const char* command;
        std::string box;
    };
    const Case cases[] = {
        {"notes.DAT", "mnuFileOpen", "Open|notes.DAT is not a Varnel contact file."},
        {"Photo.DAT", "mnuFileOpen", "Open|Photo.DAT is not a Varnel contact file."},
        {"Photo.DAT", "mnuFileNew", "Open|Photo.DAT is not a Varnel contact file."},
        {"Busy.DAT", "mnuFileOpen", "Open|Busy.DAT is already open in another Varnel."},
    };
    frmVarnel& w = start();
    writeFileBytes(dir / "A.DAT", record("Ann", "0"));
    dialogs.queueFile((dir / "A.DAT").string(), "A.DAT");
    control<QAction>("mnuFileOpen")->trigger();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = readFileBytes(dir / c.name);
        dialogs.log.clear();
        dialogs.queueFile((dir / c.name).string(), c.name);
        control<QAction>(c.command)->trigger();
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{c.box});
        EXPECT_EQ(readFileBytes(dir / c.name), before);
        EXPECT_EQ(ctx.contactFile.path(), dir / "A.DAT");
        EXPECT_TRUE(ctx.contactFile.isOpen());
        EXPECT_EQ(w.windowTitle(), "Varnel  [A]");
        EXPECT_EQ(ctx.contactPath.string(), (dir / "A.DAT").string());
        EXPECT_TRUE(allContactCommands(true));
        EXPECT_TRUE(control<QAction>("mnuFileBdayOn")->isEnabled());
    }
}

TEST_F(MainWindow, AFileWithADamagedRecordOpensAndNamesIt) {
    frmVarnel& w = start();
    const std::string bytes = record("Ann", "1") + record("Bo", "1").substr(0, 400);
    writeFileBytes(dir / "Torn.DAT", bytes);
    dialogs.queueFile((dir / "Torn.DAT").string(), "Torn.DAT");
    control<QAction>("mnuFileOpen")->trigger();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Open|Torn.DAT has a damaged record: 2.\r\nFind it in the "
                                       "contact browser to mend or delete it."});
    EXPECT_EQ(ctx.contactFile.path(), dir / "Torn.DAT");
    EXPECT_EQ(w.windowTitle(), "Varnel  [Torn]");
    EXPECT_EQ(readFileBytes(dir / "Torn.DAT"), bytes);
}

TEST_F(MainWindow, StartUpOnADefaultFileThatIsNoContactFileOpensNone) {
    const std::string random(518, '\x13');
    writeFileBytes(dir / "VRN_Contacts.DAT", random);
    start();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Open|VRN_Contacts.DAT is not a Varnel contact file."});
    EXPECT_FALSE(ctx.contactFile.isOpen());
    EXPECT_TRUE(allContactCommands(false));
    EXPECT_TRUE(ctx.contactPath.empty());
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), random);
    // File > Open still works.
    writeFileBytes(dir / "A.DAT", record("Ann", "1"));
    dialogs.queueFile((dir / "A.DAT").string(), "A.DAT");
    control<QAction>("mnuFileOpen")->trigger();
    EXPECT_TRUE(ctx.contactFile.isOpen());
    EXPECT_TRUE(allContactCommands(true));
}

// The shared state follows the reminder items whatever changes them, and
// what other windows change in it comes back into the items and boxes.
TEST_F(MainWindow, SharedStateFollowsTheRemindersAndTheLabelStyle) {
    writeFileBytes(dir / "VRN_Contacts.DAT", record("Ann", "0"));
    frmVarnel& w = start();
    auto menus = [&] {
        return std::string(control<QAction>("mnuFileBdayOn")->isEnabled() ? "on+" : "on-") +
               (control<QAction>("mnuFileBdayOff")->isEnabled() ? " off+" : " off-") +
               (ctx.remindersOn ? " remindersOn" : "");
    };
    EXPECT_EQ(menus(), "on+ off-");
    control<QAction>("mnuFileBdayOn")->trigger();
    EXPECT_EQ(menus(), "on- off+ remindersOn");
    control<QAction>("mnuFileBdayOff")->trigger();
    EXPECT_EQ(menus(), "on+ off-");

    // Another window switched reminders on, then the label style.
    ctx.remindersOn = true;
    ctx.labelStyle = {true, false};
    w.host().stateChanged();
    EXPECT_EQ(menus(), "on- off+ remindersOn");
    EXPECT_TRUE(control<QCheckBox>("chkLblBold")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chkLblItalic")->isChecked());
    ctx.labelStyle = {false, true};
    w.hide();
    w.host().showMain();
    EXPECT_FALSE(control<QCheckBox>("chkLblBold")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("chkLblItalic")->isChecked());
    control<QCheckBox>("chkLblBold")->setChecked(true);
    EXPECT_TRUE(ctx.labelStyle.bold);
    EXPECT_TRUE(ctx.labelStyle.italic);

    dialogs.queueFile((dir / "Club.DAT").string(), "Club.DAT");
    control<QAction>("mnuFileNew")->trigger();
    EXPECT_EQ(menus(), "on- off+ remindersOn");
    control<QAction>("mnuFileClose")->trigger();
    EXPECT_EQ(menus(), "on- off- remindersOn");
    w.host().stateChanged();
    EXPECT_EQ(menus(), "on- off- remindersOn");
}

TEST_F(MainWindow, AnEmptyFileKeepsBothReminderItemsOffUntilItsFirstContact) {
    frmVarnel& w = start();
    w.host().stateChanged();
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOff")->isEnabled());
    ctx.contactFile.appendRecord(ContactRecord());
    w.host().stateChanged();
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuFileBdayOff")->isEnabled());
}

// Another window takes the main window's place; closing it brings the main
// window back where it was, wherever the platform would have put it.
TEST_F(MainWindow, ComesBackWhereItWas) {
    frmVarnel& w = start();
    w.setGeometry(137, 91, 880, 470);
    const QRect before = w.geometry();
    w.host().hideMain();
    EXPECT_FALSE(w.isVisible());
    w.setGeometry(0, 0, 640, 400);  // placed anew while hidden
    w.host().showMain();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.geometry(), before);
    EXPECT_EQ(w.focusWidget(), control<QLineEdit>("txtVRLine1"));
}

TEST_F(MainWindow, ShutdownWritesThePositionInTwips) {
    frmVarnel& w = start();
    w.close();
    EXPECT_TRUE(w.isClosed());
    for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"}) {
        EXPECT_EQ(dialogs.settings.count(std::string("Varnel/Settings/") + key), 1u) << key;
    }
    const double width = std::stod(dialogs.settings["Varnel/Settings/MainWidth"]);
    EXPECT_NEAR(width, w.frameGeometry().width() * 1440.0 / w.screen()->logicalDotsPerInch(), 0.5);
    EXPECT_FALSE(ctx.contactFile.isOpen());
}

TEST_F(MainWindow, ShutdownWhileMinimizedWritesNoPosition) {
    frmVarnel& w = start();
    w.setWindowState(Qt::WindowMinimized);
    w.close();
    EXPECT_TRUE(dialogs.settings.empty());
}

TEST_F(MainWindow, ExitMenuClosesTheFileAndTheWindow) {
    frmVarnel& w = start();
    control<QAction>("mnuFileExit")->trigger();
    EXPECT_TRUE(w.isClosed());
    EXPECT_TRUE(ctx.contactPath.empty());
    EXPECT_FALSE(ctx.contactFile.isOpen());
}

TEST_F(MainWindow, ExitButtonKeepsTheFileFields) {
    frmVarnel& w = start();
    control<QPushButton>("cmdVRExit")->click();
    EXPECT_TRUE(w.isClosed());
    EXPECT_EQ(ctx.contactTitle, "VRN_Contacts");
    EXPECT_FALSE(ctx.contactFile.isOpen());
}

}  // namespace
}  // namespace varnel
