// Core code stays free of Qt so that every decision is testable without a display.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

TEST(Architecture, NoCoreFileIncludesQt) {
    const std::filesystem::path src = std::filesystem::path(VARNEL_SOURCE_DIR) / "src";
    ASSERT_TRUE(std::filesystem::is_directory(src));
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*)[>"])");
    int coreFiles = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const std::string path = entry.path().generic_string();
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        if (path.find("/gui/") != std::string::npos) continue;
        if (path.size() >= 13 && path.compare(path.size() - 13, 13, "/app/main.cpp") == 0) continue;
        ++coreFiles;
        std::ifstream in(entry.path());
        std::string line;
        int lineNo = 0;
        while (std::getline(in, line)) {
            ++lineNo;
            EXPECT_FALSE(std::regex_search(line, qtInclude))
                << path << ":" << lineNo << " includes Qt: " << line;
        }
    }
    EXPECT_GT(coreFiles, 10);
}

}  // namespace
