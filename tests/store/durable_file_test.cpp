#include "store/durable_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store/contact_file.h"
#include "store/file_io.h"
#include "store/run_error.h"
#include "support/temp_dir.h"

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

std::vector<std::string> names(const fs::path& dir) {
    std::vector<std::string> all;
    for (const auto& e : fs::directory_iterator(dir)) all.push_back(e.path().filename().string());
    std::sort(all.begin(), all.end());
    return all;
}

TEST(FileReplacementTest, KeepsModeAndFollowsLinks) {
    TempDir dir;
    fs::create_directory(dir / "real");
    writeFileBytes(dir / "real" / "list.txt", "old");
    ::chmod((dir / "real" / "list.txt").c_str(), 0640);
    fs::create_symlink(fs::path("real") / "list.txt", dir / "link.txt");

    replaceFileContents(dir / "link.txt", "new contents");
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(readFileBytes(dir / "real" / "list.txt"), "new contents");
    EXPECT_EQ(modeOf(dir / "real" / "list.txt"), 0640u);
    EXPECT_EQ(names(dir / "real"), std::vector<std::string>{"list.txt"});

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
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"folder.txt", "readonly.txt"}));
}

TEST(FileReplacementTest, UnfinishedReplacementsLeaveNothingBehind) {
    TempDir dir;
    writeFileBytes(dir / "a.txt", "old");
    {
        FileReplacement r(dir / "a.txt");
        r.write("half");
        EXPECT_EQ(names(dir.path()).size(), 2u);
    }
    EXPECT_EQ(names(dir.path()), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(readFileBytes(dir / "a.txt"), "old");

    fileio::setFault({fileio::Rename, 1, fileio::Fault::Fail, EIO});
    EXPECT_THROW(replaceFileContents(dir / "a.txt", "new"), RunError);
    fileio::clearFault();
    EXPECT_EQ(names(dir.path()), std::vector<std::string>{"a.txt"});
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
