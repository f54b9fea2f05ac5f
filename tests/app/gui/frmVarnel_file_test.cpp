// Start-up, the File commands and shutdown of the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include "app/gui/frmVarnel.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
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

class MainWindow : public ::testing::Test {
protected:
    MainWindow() : ctx(dialogs, printer, clock, dir.path()) {}

    frmVarnel& start() {
        window = std::make_unique<frmVarnel>(ctx);
        window->Form_Load();
        return *window;
    }

    // The contact commands that Close disables, by name.
    std::map<std::string, bool> contactCommands() {
        frmVarnel& w = *window;
        return {{"cmdAddContact", w.cmdAddContact->isEnabled()},
                {"cmdFindContact", w.cmdFindContact->isEnabled()},
                {"mnuAdd", w.mnuAdd->isEnabled()},
                {"mnuEdit", w.mnuEdit->isEnabled()},
                {"mnuDelete", w.mnuDelete->isEnabled()},
                {"mnuFind", w.mnuFind->isEnabled()},
                {"mnuViewOne", w.mnuViewOne->isEnabled()},
                {"mnuViewAll", w.mnuViewAll->isEnabled()},
                {"mnuSrchContacts", w.mnuSrchContacts->isEnabled()}};
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

    TempDir dir;
    ScriptedDialogs dialogs;
    ScriptedPrinter printer;
    FixedClock clock{Date{2026, 3, 1}};
    AppState ctx;
    std::unique_ptr<frmVarnel> window;
};

TEST_F(MainWindow, FirstStartInAnEmptyFolderCreatesAnEmptyDefaultFile) {
    frmVarnel& w = start();
    EXPECT_TRUE(std::filesystem::exists(dir / "VRN_Contacts.DAT"));
    EXPECT_EQ(std::filesystem::file_size(dir / "VRN_Contacts.DAT"), 0u);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_FALSE(w.mnuFileBdayOn->isEnabled());
    EXPECT_FALSE(w.mnuFileBdayOff->isEnabled());
    EXPECT_TRUE(allContactCommands(true));
    EXPECT_TRUE(w.mnuImport->isEnabled());
    EXPECT_TRUE(w.mnuExport->isEnabled());
    EXPECT_EQ(w.txtFileNam.toStdString(), (dir / "VRN_Contacts.DAT").string());
    EXPECT_EQ(w.txtFileTitle, "VRN_Contacts");
    // Opening the default file keeps the idle title.
    EXPECT_EQ(w.windowTitle(), "Varnel - Address Book and Label Printer");
    EXPECT_TRUE(ctx.contactFile.isOpen());
}

TEST_F(MainWindow, BeforeStartEveryContactCommandIsDisabled) {
    window = std::make_unique<frmVarnel>(ctx);
    EXPECT_TRUE(allContactCommands(false));
    EXPECT_FALSE(window->mnuImport->isEnabled());
    EXPECT_FALSE(window->mnuFileBdayOn->isEnabled());
}

TEST_F(MainWindow, StartUpReadsTheReminderSettingOfRecordOne) {
    writeFileBytes(dir / "VRN_Contacts.DAT", record("Ann", "0") + record("Bo", "1"));
    frmVarnel& w = start();
    EXPECT_TRUE(w.mnuFileBdayOn->isEnabled());
    EXPECT_FALSE(w.mnuFileBdayOff->isEnabled());
}

TEST_F(MainWindow, ComposerStartsAsTheLoadSetsIt) {
    frmVarnel& w = start();
    EXPECT_TRUE(w.optPortrait->isChecked());
    EXPECT_TRUE(w.optVRLeftjust->isChecked());
    EXPECT_FALSE(w.optVRLabel->isChecked());
    EXPECT_FALSE(w.optVREnvelope->isChecked());
    EXPECT_EQ(w.txtVRLeftPad->text(), "2");
    EXPECT_EQ(w.txtVRToppad->text(), "3");
    EXPECT_EQ(w.cboVREnvelope->count(), 6);
    EXPECT_TRUE(w.cboVREnvelope->isHidden());
    EXPECT_TRUE(w.chkBold->isHidden());
    EXPECT_TRUE(w.chkLargeFont->isHidden());
    EXPECT_FALSE(w.frFeatures->isHidden());
    EXPECT_TRUE(w.cmdRetAddress->isHidden());
    EXPECT_EQ(w.lblVRInstruct->text().toStdString(),
              "Varnel prints mailing labels (use Avery 5160 or 8160 labels) and envelopes.\r\n"
              "Power tip: click 'Search Contacts' to print labels for a specific subset of your "
              "contacts.");
    EXPECT_EQ(w.focusWidget(), w.txtVRLines[0]);
}

TEST_F(MainWindow, OpenShowsTheFileTitleAndReadsItsReminderSetting) {
    frmVarnel& w = start();
    writeFileBytes(dir / "My List.DAT", record("Ann", "1"));
    dialogs.queueFile((dir / "My List.DAT").string(), "My List.DAT");
    w.mnuFileOpen->trigger();
    ASSERT_EQ(dialogs.log.size(), 1u);
    const ShownBox& box = dialogs.log[0];
    EXPECT_EQ(box.kind, ShownBox::OpenFile);
    EXPECT_EQ(box.title, "Open");
    EXPECT_EQ(box.file.initialFolder, dir.path().string());
    EXPECT_EQ(box.file.filterDescription, "Data Files (*.DAT)");
    EXPECT_EQ(box.file.filterPattern, "*.DAT");
    EXPECT_EQ(w.windowTitle(), "Varnel  [My List]");
    EXPECT_EQ(w.txtFileTitle, "My List");
    EXPECT_EQ(ctx.contactFile.path(), dir / "My List.DAT");
    EXPECT_FALSE(w.mnuFileBdayOn->isEnabled());
    EXPECT_TRUE(w.mnuFileBdayOff->isEnabled());
    EXPECT_TRUE(allContactCommands(true));
}

TEST_F(MainWindow, OnlyUpperCaseDatLeavesTheTitle) {
    frmVarnel& w = start();
    dialogs.queueFile((dir / "my list.dat").string(), "my list.dat");
    w.mnuFileOpen->trigger();
    EXPECT_EQ(w.windowTitle(), "Varnel  [my list.dat]");
    EXPECT_TRUE(std::filesystem::exists(dir / "my list.dat"));
}

TEST_F(MainWindow, NewCreatesTheFileWithRemindersOn) {
    frmVarnel& w = start();
    dialogs.queueFile((dir / "Family.DAT").string(), "Family.DAT");
    w.mnuFileNew->trigger();
    EXPECT_EQ(dialogs.log.at(0).title, "New");
    EXPECT_EQ(std::filesystem::file_size(dir / "Family.DAT"), 0u);
    EXPECT_EQ(w.windowTitle(), "Varnel  [Family]");
    EXPECT_FALSE(w.mnuFileBdayOn->isEnabled());
    EXPECT_TRUE(w.mnuFileBdayOff->isEnabled());
    EXPECT_TRUE(allContactCommands(true));
}

TEST_F(MainWindow, CancelledDialogKeepsThePreviousFileOpen) {
    frmVarnel& w = start();
    w.mnuFileOpen->trigger();  // no file queued: cancel
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
    w.mnuFileOpen->trigger();
    w.mnuFileClose->trigger();
    EXPECT_TRUE(allContactCommands(false));
    EXPECT_FALSE(w.mnuFileBdayOn->isEnabled());
    EXPECT_FALSE(w.mnuFileBdayOff->isEnabled());
    EXPECT_TRUE(w.mnuImport->isEnabled());
    EXPECT_TRUE(w.mnuExport->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Varnel - Address Book and Label Printer");
    EXPECT_TRUE(w.txtFileNam.isEmpty());
    EXPECT_TRUE(w.txtFileTitle.isEmpty());
    EXPECT_FALSE(ctx.contactFile.isOpen());
}

TEST_F(MainWindow, UninstallerFileIsHiddenOnlyWhileTheDialogIsOpen) {
    writeFileBytes(dir / "unins000.DAT", "uninstall data");
    frmVarnel& w = start();
    EXPECT_TRUE(std::filesystem::exists(dir / "unins000.DAT"));
    EXPECT_FALSE(std::filesystem::exists(dir / "unins000.DAK"));

    // Seen from inside the dialog, the file carries the other name.
    bool hiddenDuringDialog = false;
    class PeekingDialogs : public ScriptedDialogs {
    public:
        explicit PeekingDialogs(std::filesystem::path f, bool& seen)
            : folder(std::move(f)), seen_(seen) {}
        FileDialogResult openFileDialog(const FileDialogRequest& r) override {
            seen_ = std::filesystem::exists(folder / "unins000.DAK") &&
                    !std::filesystem::exists(folder / "unins000.DAT");
            return ScriptedDialogs::openFileDialog(r);
        }
        std::filesystem::path folder;
        bool& seen_;
    };
    PeekingDialogs peeking(dir.path(), hiddenDuringDialog);
    AppState other(peeking, printer, clock, dir.path());
    frmVarnel second(other);
    second.Form_Load();
    peeking.queueFile((dir / "B.DAT").string(), "B.DAT");
    second.mnuFileNew->trigger();
    EXPECT_TRUE(hiddenDuringDialog);
    EXPECT_TRUE(std::filesystem::exists(dir / "unins000.DAT"));
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
    w.mnuFileOpen->trigger();
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
        QAction* frmVarnel::*command;
        std::string box;
    };
    const Case cases[] = {
        {"notes.DAT", &frmVarnel::mnuFileOpen, "Open|notes.DAT is not a Varnel contact file."},
        {"Photo.DAT", &frmVarnel::mnuFileOpen, "Open|Photo.DAT is not a Varnel contact file."},
        {"Photo.DAT", &frmVarnel::mnuFileNew, "Open|Photo.DAT is not a Varnel contact file."},
        {"Busy.DAT", &frmVarnel::mnuFileOpen, "Open|Busy.DAT is already open in another Varnel."},
    };
    frmVarnel& w = start();
    writeFileBytes(dir / "A.DAT", record("Ann", "0"));
    dialogs.queueFile((dir / "A.DAT").string(), "A.DAT");
    w.mnuFileOpen->trigger();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = readFileBytes(dir / c.name);
        dialogs.log.clear();
        dialogs.queueFile((dir / c.name).string(), c.name);
        (w.*c.command)->trigger();
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{c.box});
        EXPECT_EQ(readFileBytes(dir / c.name), before);
        EXPECT_EQ(ctx.contactFile.path(), dir / "A.DAT");
        EXPECT_TRUE(ctx.contactFile.isOpen());
        EXPECT_EQ(w.windowTitle(), "Varnel  [A]");
        EXPECT_EQ(w.txtFileNam.toStdString(), (dir / "A.DAT").string());
        EXPECT_TRUE(allContactCommands(true));
        EXPECT_TRUE(w.mnuFileBdayOn->isEnabled());
    }
}

TEST_F(MainWindow, AFileWithADamagedRecordOpensAndNamesIt) {
    frmVarnel& w = start();
    const std::string bytes = record("Ann", "1") + record("Bo", "1").substr(0, 400);
    writeFileBytes(dir / "Torn.DAT", bytes);
    dialogs.queueFile((dir / "Torn.DAT").string(), "Torn.DAT");
    w.mnuFileOpen->trigger();
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
    frmVarnel& w = start();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Open|VRN_Contacts.DAT is not a Varnel contact file."});
    EXPECT_FALSE(ctx.contactFile.isOpen());
    EXPECT_TRUE(allContactCommands(false));
    EXPECT_TRUE(w.txtFileNam.isEmpty());
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), random);
    // File > Open still works.
    writeFileBytes(dir / "A.DAT", record("Ann", "1"));
    dialogs.queueFile((dir / "A.DAT").string(), "A.DAT");
    w.mnuFileOpen->trigger();
    EXPECT_TRUE(ctx.contactFile.isOpen());
    EXPECT_TRUE(allContactCommands(true));
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
    w.mnuFileExit->trigger();
    EXPECT_TRUE(w.isClosed());
    EXPECT_TRUE(w.txtFileNam.isEmpty());
    EXPECT_FALSE(ctx.contactFile.isOpen());
}

TEST_F(MainWindow, ExitButtonKeepsTheFileFields) {
    frmVarnel& w = start();
    w.cmdVRExit->click();
    EXPECT_TRUE(w.isClosed());
    EXPECT_EQ(w.txtFileTitle, "VRN_Contacts");
    EXPECT_FALSE(ctx.contactFile.isOpen());
}

}  // namespace
}  // namespace varnel
