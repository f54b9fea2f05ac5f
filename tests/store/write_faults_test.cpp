// Every write to a user's file, ended at each of its system calls in a child
// process (as a kill would end it) or stopped there by a full disk: the file
// is left as it was or as it should become, never anything else.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <regex>

#include "birthdays/reminders.h"
#include "contacts/contact_delete.h"
#include "exchange/contact_export.h"
#include "exchange/import_boxes.h"
#include "printing/margin_file.h"
#include "store/contact_file.h"
#include "store/contact_file_check.h"
#include "store/file_io.h"
#include "support/contact_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;
using testing::numberedRecords;
using testing::readFileBytes;
using testing::ScriptedDialogs;
using testing::TempDir;
using testing::testContact;
using testing::writeFileBytes;

constexpr const char* kContacts = "Family.DAT";

// The error number that a command reported in its box, or 0.
int boxedError(const ScriptedDialogs& dialogs) {
    static const std::regex number("Error number ([0-9]+)");
    for (const std::string& m : dialogs.messages()) {
        std::smatch match;
        if (std::regex_search(m, match, number)) return std::stoi(match[1]);
    }
    return 0;
}

// One write path: the files before it, the operation, the file it changes.
struct WritePath {
    const char* name;
    std::string changed;  // file name in the folder
    // Whole records appended one by one may stop after any of them.
    bool appendsRecords = false;
    // Runs the operation; the run-time error number it met, or 0.
    std::function<int(const fs::path&)> run;
};

void setUpFolder(const fs::path& dir) {
    writeFileBytes(dir / kContacts, numberedRecords(5));
    writeFileBytes(dir / "VRNC_Family.csv", "an older export\r\n");
    writeFileBytes(dir / "VRNT_Family.txt", "an older text export\r\n");
    std::string csv = exportHeader(ExportFormat::Csv) + "\r\n";
    for (const char* who : {"Ann", "Bo", "Cy"}) {
        csv += exportLine(testContact(who, "Tester", std::string(who) + "@new.org"),
                          ExportFormat::Csv) +
               "\r\n";
    }
    writeFileBytes(dir / "in.csv", csv);
    writeFileBytes(
        dir / "VRNPARAM.TXT",
        "ONTHEFLY|0  |0  \r\nENVELOPE|0  |0  \r\nRETURNAD|0  |0  \r\nBULKLIST|0  |0  \r\n");
}

int onContactFile(const fs::path& dir, const std::function<void(ContactFile&)>& change) {
    try {
        ContactFile file;
        file.open(dir / kContacts);
        change(file);
        return 0;
    } catch (const RunError& e) {
        return e.number();
    }
}

int exportAs(const fs::path& dir, ExportFormat format) {
    ScriptedDialogs dialogs;
    ContactFile file;
    file.open(dir / kContacts);
    exportContacts(file, dir / kContacts, dir, format, dialogs);
    return boxedError(dialogs);
}

const std::vector<WritePath>& writePaths() {
    static const std::vector<WritePath> paths = {
        {"deletion", kContacts, false,
         [](const fs::path& dir) {
             return onContactFile(dir, [](ContactFile& f) { deleteContact(f, 3); });
         }},
        {"reminder switch", kContacts, false,
         [](const fs::path& dir) {
             return onContactFile(dir, [](ContactFile& f) {
                 ScriptedDialogs dialogs;
                 DisableBirthdayReminders(f, dialogs);
             });
         }},
        {"append", kContacts, true,
         [](const fs::path& dir) {
             return onContactFile(dir, [](ContactFile& f) {
                 f.appendRecord(testContact("Newcomer", "Tester", "new@x.org"));
             });
         }},
        {"import", kContacts, true,
         [](const fs::path& dir) {
             ScriptedDialogs dialogs;
             ContactFile file;
             file.open(dir / kContacts);
             importContactsFile(file, dir / "in.csv", true, dialogs);
             return boxedError(dialogs);
         }},
        {"CSV export", "VRNC_Family.csv", false,
         [](const fs::path& dir) { return exportAs(dir, ExportFormat::Csv); }},
        {"text export", "VRNT_Family.txt", false,
         [](const fs::path& dir) { return exportAs(dir, ExportFormat::Text); }},
        {"margin change", "VRNPARAM.TXT", false,
         [](const fs::path& dir) {
             ScriptedDialogs dialogs;
             dialogs.queueInput("-1");
             dialogs.queueInput("2");
             try {
                 adjustMargins(dir, MarginKind::OnTheFly, dialogs);
                 return 0;
             } catch (const RunError& e) {
                 return e.number();
             }
         }},
    };
    return paths;
}

struct Outcome {
    std::string before;
    std::string after;
    long calls = 0;  // system calls of the kinds counted
};

// The operation run to its end in a fresh folder.
Outcome cleanRun(const WritePath& path, unsigned kinds) {
    TempDir dir;
    setUpFolder(dir.path());
    Outcome o;
    o.before = readFileBytes(dir / path.changed);
    fileio::setFault({kinds, 0, fileio::Fault::Fail, 0});
    EXPECT_EQ(path.run(dir.path()), 0) << path.name;
    o.calls = fileio::countedCalls();
    fileio::clearFault();
    o.after = readFileBytes(dir / path.changed);
    EXPECT_NE(o.before, o.after) << path.name;
    return o;
}

// Old, new, or for appends the old file with some whole new records after it.
::testing::AssertionResult oldOrNew(const WritePath& path, const Outcome& o,
                                    const std::string& found) {
    if (found == o.before || found == o.after) return ::testing::AssertionSuccess();
    if (path.appendsRecords && found.size() > o.before.size() &&
        (found.size() - o.before.size()) % ContactRecord::Size == 0 &&
        o.after.compare(0, found.size(), found) == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << found.size() << " bytes that are neither old (" << o.before.size() << ") nor new ("
           << o.after.size() << ")";
}

TEST(WriteFaults, AKillAtAnySystemCallLeavesTheOldFileOrTheNew) {
    for (const WritePath& path : writePaths()) {
        SCOPED_TRACE(path.name);
        const Outcome clean = cleanRun(path, fileio::AnyCall);
        ASSERT_GT(clean.calls, 0);
        std::vector<std::string> setUpNames;
        {
            TempDir fresh;
            setUpFolder(fresh.path());
            setUpNames = fresh.names();
        }
        for (long n = 1; n <= clean.calls; ++n) {
            SCOPED_TRACE("killed at call " + std::to_string(n));
            TempDir dir;
            setUpFolder(dir.path());
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                fileio::setFault({fileio::AnyCall, n, fileio::Fault::Exit, 0});
                path.run(dir.path());
                ::_exit(0);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), fileio::kFaultExitStatus);
            const std::string found = readFileBytes(dir / path.changed);
            EXPECT_TRUE(oldOrNew(path, clean, found));
            if (path.changed == kContacts) {
                EXPECT_TRUE(checkContactBytes(found).damaged.empty());
                // The next program to open the file clears what the killed one left.
                ContactFile next;
                next.open(dir / kContacts);
                EXPECT_EQ(dir.names(), setUpNames);
            }
        }
    }
}

TEST(WriteFaults, AFullDiskLeavesTheFileWholeAndReportsDiskFull) {
    for (const WritePath& path : writePaths()) {
        SCOPED_TRACE(path.name);
        // Writes and syncs alike may find the disk full.
        for (unsigned kind : {unsigned{fileio::Write}, unsigned{fileio::Sync}}) {
            const Outcome clean = cleanRun(path, kind);
            for (long n = 1; n <= clean.calls; ++n) {
                SCOPED_TRACE("disk full at call " + std::to_string(n) + " of kind " +
                             std::to_string(kind));
                TempDir dir;
                setUpFolder(dir.path());
                const std::vector<std::string> before = dir.names();
                fileio::setFault({kind, n, fileio::Fault::Fail, ENOSPC});
                const int error = path.run(dir.path());
                fileio::clearFault();
                const std::string found = readFileBytes(dir / path.changed);
                if (kind == fileio::Sync && n == clean.calls) {
                    // The folder's sync after the rename: the change is made and stays made.
                    EXPECT_EQ(error, 0);
                    EXPECT_EQ(found, clean.after);
                    continue;
                }
                EXPECT_EQ(error, RunError::DiskFull);
                if (path.appendsRecords) {
                    // Whole records before the failure stay; the failed one is gone.
                    EXPECT_TRUE(oldOrNew(path, clean, found));
                    EXPECT_NE(found, clean.after);
                } else {
                    EXPECT_EQ(found, clean.before);
                }
                EXPECT_EQ(dir.names(), before) << "a temporary file was left behind";
            }
        }
    }
}

TEST(WriteFaults, AnInPlaceSaveIsOneWriteOfOneRecord) {
    TempDir dir;
    setUpFolder(dir.path());
    ContactFile file;
    file.open(dir / kContacts);
    fileio::setFault({fileio::AnyCall, 0, fileio::Fault::Fail, 0});
    file.writeRecord(2, testContact("Changed", "Tester", "c@x.org"));
    EXPECT_EQ(fileio::countedCalls(), 1);
    fileio::clearFault();
    std::string expected = numberedRecords(5);
    const ContactRecord changed = testContact("Changed", "Tester", "c@x.org");
    expected.replace(518, 518, changed.data(), 518);
    EXPECT_EQ(readFileBytes(dir / kContacts), expected);
}

TEST(WriteFaults, AnAppendThatFailsHalfWayIsCutBackAndTheNextLandsInPlace) {
    TempDir dir;
    setUpFolder(dir.path());
    ContactFile file;
    file.open(dir / kContacts);
    // The failing write puts half a record on disk before it reports the full disk.
    fileio::setFault({fileio::Write, 1, fileio::Fault::Fail, ENOSPC});
    try {
        file.appendRecord(testContact("Lost", "Tester", "l@x.org"));
        ADD_FAILURE() << "appended";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 61);
        EXPECT_EQ(e.description(), "Disk full");
    }
    fileio::clearFault();
    EXPECT_EQ(readFileBytes(dir / kContacts), numberedRecords(5));
    // Once there is room again, the next contact is record 6, with no gap before it.
    file.appendRecord(testContact("N6", "Tester", "n6@x.org"));
    EXPECT_EQ(readFileBytes(dir / kContacts), numberedRecords(6));
}

}  // namespace
}  // namespace varnel
