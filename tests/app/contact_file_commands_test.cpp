#include "app/contact_file_commands.h"

#include <gtest/gtest.h>

#include "app/uninstaller_file.h"
#include "support/contact_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_program.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::numberedRecords;
using testing::readFileBytes;
using testing::ScriptedDialogs;
using testing::ShownBox;
using testing::TempDir;
using testing::writeFileBytes;

struct Session : testing::ScriptedProgram {
    AppState& state = ctx;
};

TEST(ContactFileCommands, StartUpOpensTheDefaultFileAndKeepsItsPathAndTitle) {
    Session s;
    writeFileBytes(s.dir / "unins000.DAT", "uninstaller");
    ASSERT_TRUE(openDefaultContactFile(s.state));
    EXPECT_TRUE(s.state.contactFile.isOpen());
    EXPECT_EQ(s.state.contactPath, s.dir / "VRN_Contacts.DAT");
    EXPECT_EQ(s.state.contactTitle, "VRN_Contacts");
    EXPECT_EQ(s.dir.names(), (std::vector<std::string>{"VRN_Contacts.DAT", "unins000.DAT"}));
    EXPECT_EQ(readFileBytes(s.dir / "unins000.DAT"), "uninstaller");
    EXPECT_TRUE(s.dialogs.log.empty());
}

// New takes the typed name, adding ".DAT" only when it has no extension;
// captions drop the upper-case ".DAT" only.
TEST(ContactFileCommands, NewNamesTheFileAsTyped) {
    struct Case {
        const char* typed;
        const char* file;
        const char* title;
    };
    const Case cases[] = {
        {"Customers", "Customers.DAT", "Customers"},
        {"My List.DAT", "My List.DAT", "My List"},
        {"my list.dat", "my list.dat", "my list.dat"},
        {"Club.txt", "Club.txt", "Club.txt"},
        {"M\xC3\xBCller", "M\xC3\xBCller.DAT", "M\xFCller"},  // the caption is Windows-1252
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Session s;
        s.dialogs.queueFile((s.dir / c.typed).string(), c.typed);
        ASSERT_TRUE(openChosenContactFile(s.state, FileCommand::New));
        EXPECT_EQ(s.state.contactPath, s.dir / c.file);
        EXPECT_EQ(s.state.contactFile.path(), s.dir / c.file);
        EXPECT_EQ(s.state.contactTitle, c.title);
        EXPECT_EQ(s.dir.names(), (std::vector<std::string>{c.file}));
        ASSERT_EQ(s.dialogs.log.size(), 1u);
        EXPECT_EQ(s.dialogs.log[0].file.title, "New");
        EXPECT_EQ(s.dialogs.log[0].file.initialFolder, s.dir.path().string());
        EXPECT_EQ(s.dialogs.log[0].file.filterDescription, "Data Files (*.DAT)");
        EXPECT_EQ(s.dialogs.log[0].file.filterPattern, "*.DAT");
    }
}

TEST(ContactFileCommands, OpenKeepsTheChosenNameAndHidesTheUninstallerMeanwhile) {
    Session s;
    ASSERT_TRUE(openDefaultContactFile(s.state));
    writeFileBytes(s.dir / "Club", numberedRecords(2));
    writeFileBytes(s.dir / "unins000.DAT", "uninstaller");
    std::vector<std::string> seenByDialog;
    s.dialogs.queueFile((s.dir / "Club").string(), "Club");
    s.dialogs.onFileDialog = [&] { seenByDialog = s.dir.names(); };
    ASSERT_TRUE(openChosenContactFile(s.state, FileCommand::Open));
    EXPECT_EQ(seenByDialog, (std::vector<std::string>{"Club", "VRN_Contacts.DAT", "unins000.DAK"}));
    EXPECT_EQ(s.state.contactFile.path(), s.dir / "Club");
    EXPECT_EQ(s.state.contactTitle, "Club");
    EXPECT_EQ(s.dir.names(),
              (std::vector<std::string>{"Club", "VRN_Contacts.DAT", "unins000.DAT"}));
    EXPECT_EQ(s.dialogs.log[0].file.title, "Open");
}

TEST(ContactFileCommands, CancelOrRefusalLeavesThePreviousFileOpen) {
    struct Case {
        const char* name;
        bool cancel;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"cancelled", true, {}},
        {"refused", false, {"Open|Photo.DAT is not a Varnel contact file."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        ASSERT_TRUE(openDefaultContactFile(s.state));
        writeFileBytes(s.dir / "Photo.DAT", "\x89PNG\r\n\x1a\n" + std::string(600, 'p'));
        writeFileBytes(s.dir / "unins000.DAT", "uninstaller");
        if (!c.cancel) s.dialogs.queueFile((s.dir / "Photo.DAT").string(), "Photo.DAT");
        EXPECT_FALSE(openChosenContactFile(s.state, FileCommand::Open));
        EXPECT_EQ(s.dialogs.messages(), c.boxes);
        EXPECT_TRUE(s.state.contactFile.isOpen());
        EXPECT_EQ(s.state.contactFile.path(), s.dir / "VRN_Contacts.DAT");
        EXPECT_EQ(s.state.contactPath, s.dir / "VRN_Contacts.DAT");
        EXPECT_EQ(s.state.contactTitle, "VRN_Contacts");
        EXPECT_EQ(readFileBytes(s.dir / "unins000.DAT"), "uninstaller");
    }
}

TEST(ContactFileCommands, CloseForgetsTheFile) {
    Session s;
    ASSERT_TRUE(openDefaultContactFile(s.state));
    closeContactFile(s.state);
    EXPECT_FALSE(s.state.contactFile.isOpen());
    EXPECT_TRUE(s.state.contactPath.empty());
    EXPECT_TRUE(s.state.contactTitle.empty());
}

// Each step renames only its own file, and refuses to overwrite the other name.
TEST(UninstallerFile, HideAndRestoreRenameOnlyWhatIsThere) {
    struct Case {
        const char* name;
        std::vector<std::string> before;
        std::vector<std::string> afterHide;  // empty when hiding fails
        std::vector<std::string> afterRestore;
    };
    const Case cases[] = {
        {"none", {}, {}, {}},
        {"visible", {"unins000.DAT"}, {"unins000.DAK"}, {"unins000.DAT"}},
        {"left hidden", {"unins000.DAK"}, {"unins000.DAK"}, {"unins000.DAT"}},
        {"both", {"unins000.DAK", "unins000.DAT"}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        for (const std::string& name : c.before) writeFileBytes(dir / name, name);
        if (c.before.size() == 2) {
            try {
                hideUninstallerFile(dir.path());
                ADD_FAILURE() << "hiding over a taken name";
            } catch (const RunError& e) {
                EXPECT_EQ(e.number(), RunError::FileAlreadyExists);
            }
            EXPECT_THROW(restoreUninstallerFile(dir.path()), RunError);
            EXPECT_EQ(dir.names(), c.before);
            continue;
        }
        hideUninstallerFile(dir.path());
        EXPECT_EQ(dir.names(), c.afterHide);
        restoreUninstallerFile(dir.path());
        EXPECT_EQ(dir.names(), c.afterRestore);
    }
}

}  // namespace
}  // namespace varnel
