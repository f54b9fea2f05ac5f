// One program at a time on a contact file; the lock ends with the process.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "store/contact_file.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::readFileBytes;
using testing::TempDir;
using testing::writeFileBytes;

// Another Varnel: a child process that opens the file and waits until the
// test ends it.
class OtherProgram {
public:
    explicit OtherProgram(const std::filesystem::path& path) {
        int ready[2];
        if (::pipe(ready) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ContactFile file;
            try {
                file.open(path);
            } catch (...) {
                ::_exit(1);
            }
            (void)!::write(ready[1], "x", 1);
            for (;;) ::pause();
        }
        ::close(ready[1]);
        char c = 0;
        if (::read(ready[0], &c, 1) != 1) throw std::runtime_error("the other program failed");
        ::close(ready[0]);
    }
    ~OtherProgram() { kill(); }
    // As the system ends a killed program: no chance to clean up.
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

TEST(ContactFileLock, ASecondProgramIsRefusedUntilTheFirstIsKilled) {
    TempDir dir;
    const std::string bytes(518, 'x');
    writeFileBytes(dir / "Family.DAT", bytes);
    OtherProgram other(dir / "Family.DAT");

    ContactFile file;
    EXPECT_EQ(file.tryOpen(dir / "Family.DAT"), ContactFile::OpenResult::OpenElsewhere);
    EXPECT_FALSE(file.isOpen());
    try {
        file.open(dir / "Family.DAT");
        ADD_FAILURE() << "opened";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 70);
        EXPECT_EQ(e.description(), "File already open in another Varnel");
    }
    EXPECT_EQ(readFileBytes(dir / "Family.DAT"), bytes);
    // No lock file beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    other.kill();
    EXPECT_EQ(file.tryOpen(dir / "Family.DAT"), ContactFile::OpenResult::Opened);
    EXPECT_TRUE(file.isOpen());
}

TEST(ContactFileLock, TheLockFollowsTheFileThroughAWholeFileChange) {
    TempDir dir;
    ContactRecord r;
    std::string bytes;
    for (int i = 0; i < 3; ++i) bytes.append(r.data(), ContactRecord::Size);
    writeFileBytes(dir / "Family.DAT", bytes);
    ContactFile file;
    file.open(dir / "Family.DAT");
    deleteRecord(file, 2);
    file.rewriteAll([](ContactRecord& c) { c.set(Field::BdayReminder, "0"); });

    ContactFile second;
    EXPECT_EQ(second.tryOpen(dir / "Family.DAT"), ContactFile::OpenResult::OpenElsewhere);
    file.close();
    EXPECT_EQ(second.tryOpen(dir / "Family.DAT"), ContactFile::OpenResult::Opened);
    EXPECT_EQ(second.recordCount(), 2);
}

TEST(ContactFileLock, AProgramStartedFromVarnelDoesNotInheritTheLock) {
    TempDir dir;
    writeFileBytes(dir / "Family.DAT", "");
    ContactFile file;
    file.open(dir / "Family.DAT");
    // A document viewer started from the program stays open after it ends.
    int started[2];
    ASSERT_EQ(::pipe2(started, O_CLOEXEC), 0);
    const pid_t viewer = ::fork();
    if (viewer == 0) {
        ::execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // The pipe closes when the viewer's program has replaced the copy of this one.
    ::close(started[1]);
    char c = 0;
    EXPECT_EQ(::read(started[0], &c, 1), 0);
    ::close(started[0]);
    file.close();
    ContactFile next;
    EXPECT_EQ(next.tryOpen(dir / "Family.DAT"), ContactFile::OpenResult::Opened);
    ::kill(viewer, SIGKILL);
    ::waitpid(viewer, nullptr, 0);
}

}  // namespace
}  // namespace varnel
