// An installed Varnel (bin/varnel with share/varnel beside bin) finds its
// documents and keeps the user's files out of its own folder.
#include <gtest/gtest.h>

#include "shell/lookups.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;

TEST(InstalledDocuments, LieInShareBesideTheExecutablesFolder) {
    EXPECT_EQ(installedDocumentsFolder("/usr/bin"), fs::path("/usr/share/varnel"));
    EXPECT_EQ(installedDocumentsFolder("/opt/varnel/bin/"), fs::path("/opt/varnel/share/varnel"));
}

TEST(InstalledDocuments, AreFoundInTheFirstFolderThatHoldsThem) {
    // Which folders hold the user manual, and where it is opened from.
    struct Case {
        const char* name;
        bool inProgramFolder, besideExecutable, inShare;
        const char* expected;  // "data", "bin" or "share"
    };
    const Case cases[] = {
        {"installed, data folder empty", false, false, true, "share"},
        {"user's own copy wins", true, false, true, "data"},
        {"copy beside the executable before share", false, true, true, "bin"},
        {"found nowhere: the program folder's name", false, false, false, "data"},
    };
    for (const Case& c : cases) {
        testing::TempDir prefix, data;
        const fs::path bin = prefix.path() / "bin";
        const fs::path share = prefix.path() / "share" / "varnel";
        fs::create_directories(bin);
        fs::create_directories(share);
        if (c.inProgramFolder) testing::writeFileBytes(data / "vrnUman.pdf", "%PDF");
        if (c.besideExecutable) testing::writeFileBytes(bin / "vrnUman.pdf", "%PDF");
        if (c.inShare) testing::writeFileBytes(share / "vrnUman.pdf", "%PDF");
        const std::string expected = c.expected;
        const fs::path folder = expected == "share" ? share : expected == "bin" ? bin : data.path();
        EXPECT_EQ(userManualPath(data.path(), bin), folder / "vrnUman.pdf") << c.name;
        EXPECT_EQ(stateListPath(data.path(), bin), data / "vrn_state_abbreviations.pdf") << c.name;
    }
}

TEST(InstalledDocuments, MarkAnInstalledCopyButNotABuildFolder) {
    testing::TempDir prefix, build;
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share/varnel");
    EXPECT_FALSE(isInstalledCopy(prefix / "bin"));
    testing::writeFileBytes(prefix / "share/varnel/vrnUman.pdf", "%PDF");
    EXPECT_TRUE(isInstalledCopy(prefix / "bin"));

    // A build folder holds the documents beside the executable, not in share.
    testing::writeFileBytes(build / "vrnUman.pdf", "%PDF");
    EXPECT_FALSE(isInstalledCopy(build.path()));
    EXPECT_FALSE(isInstalledCopy(fs::path()));
}

}  // namespace
}  // namespace varnel
