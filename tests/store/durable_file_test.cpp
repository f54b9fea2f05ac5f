#include "store/durable_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store/contact_file.h"
#include "store/file_io.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::TempDir;
using testing::writeFileBytes;

mode_t modeOf(const fs::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(FileReplacementTest, KeepsModeAndFollowsLinks) {
    TempDir dir;
    TempDir elsewhere;
    writeFileBytes(dir / "list.txt", "old");
    writeFileBytes(elsewhere / "far.txt", "old");
    ::chmod((dir / "list.txt").c_str(), 0640);
    fs::create_symlink("list.txt", dir / "near.txt");
    fs::create_symlink(elsewhere / "far.txt", dir / "far.txt");

    replaceFileContents(dir / "near.txt", "near contents");
    replaceFileContents(dir / "far.txt", "far contents");
    EXPECT_TRUE(fs::is_symlink(dir / "near.txt"));
    EXPECT_TRUE(fs::is_symlink(dir / "far.txt"));
    EXPECT_EQ(readFileBytes(dir / "list.txt"), "near contents");
    EXPECT_EQ(readFileBytes(elsewhere / "far.txt"), "far contents");
    EXPECT_EQ(modeOf(dir / "list.txt"), 0640u);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"far.txt", "list.txt", "near.txt"}));
    EXPECT_EQ(elsewhere.names(), std::vector<std::string>{"far.txt"});

    // A new file gets the permissions the process gives new files.
    const mode_t mask = ::umask(022);
    replaceFileContents(dir / "fresh.txt", "x");
    ::umask(mask);
    EXPECT_EQ(modeOf(dir / "fresh.txt"), 0644u);
}

TEST(FileReplacementTest, RefusesWhatItMustNotReplaceAndLeavesItAlone) {
    TempDir dir;
    writeFileBytes(dir / "readonly.txt", "keep me");
    ::chmod((dir / "readonly.txt").c_str(), 0444);
    fs::create_directory(dir / "folder.txt");
    struct Case {
        fs::path target;
        int error;
    };
    const Case cases[] = {
        {dir / "readonly.txt", 75},
        {dir / "folder.txt", 75},
        {dir / "missing" / "x.txt", 76},
    };
    for (const Case& c : cases) {
        try {
            replaceFileContents(c.target, "new");
            ADD_FAILURE() << c.target << " replaced";
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), c.error) << c.target;
        }
    }
    EXPECT_EQ(readFileBytes(dir / "readonly.txt"), "keep me");
    EXPECT_EQ(modeOf(dir / "readonly.txt"), 0444u);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"folder.txt", "readonly.txt"}));
}

TEST(FileReplacementTest, UnfinishedReplacementsLeaveNothingBehind) {
    TempDir dir;
    writeFileBytes(dir / "a.txt", "old");
    {
        FileReplacement r(dir / "a.txt");
        r.write("half");
        EXPECT_EQ(dir.names().size(), 2u);
    }
    EXPECT_EQ(dir.names(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(readFileBytes(dir / "a.txt"), "old");

    fileio::setFault({fileio::Rename, 1, fileio::Fault::Fail, EIO});
    EXPECT_THROW(replaceFileContents(dir / "a.txt", "new"), RunError);
    fileio::clearFault();
    EXPECT_EQ(dir.names(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(readFileBytes(dir / "a.txt"), "old");
}

TEST(FileReplacementTest, TwoReplacementsInOneFolderAtOnceKeepTheirOwnContents) {
    TempDir dir;
    // A contact file may even carry the old fixed temporary name.
    FileReplacement first(dir / "Tempf");
    FileReplacement second(dir / "Other.DAT");
    first.write("first");
    second.write("second");
    second.commit();
    first.commit();
    EXPECT_EQ(readFileBytes(dir / "Tempf"), "first");
    EXPECT_EQ(readFileBytes(dir / "Other.DAT"), "second");
}

}  // namespace
}  // namespace varnel
