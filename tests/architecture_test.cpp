// Core code stays free of Qt so that every decision is testable without a
// display, and folders include only the folders below them, so that no
// subsystem or window depends on one that depends on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

struct SourceLine {
    std::string path;    // from src/, e.g. "contacts/gui/frmNewContact.cpp"
    std::string folder;  // its first folder, e.g. "contacts"
    int number;
    std::string text;
};

// Every line of every source file under src/.
int forEachSourceLine(const std::function<void(const SourceLine&)>& visit) {
    const fs::path src = fs::path(VARNEL_SOURCE_DIR) / "src";
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        ++files;
        const std::string path = entry.path().lexically_relative(src).generic_string();
        std::ifstream in(entry.path());
        SourceLine line{path, path.substr(0, path.find('/')), 0, {}};
        while (std::getline(in, line.text)) {
            ++line.number;
            visit(line);
        }
    }
    return files;
}

bool isGui(const std::string& path) { return path.find("/gui/") != std::string::npos; }

TEST(Architecture, NoCoreFileIncludesQt) {
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*)[>"])");
    const std::regex guiInclude(R"(^\s*#\s*include\s*"[a-z_]+/gui/)");
    int coreLines = 0;
    const int files = forEachSourceLine([&](const SourceLine& line) {
        if (isGui(line.path) || line.path == "app/main.cpp") return;
        ++coreLines;
        EXPECT_FALSE(std::regex_search(line.text, qtInclude))
            << line.path << ":" << line.number << " includes Qt: " << line.text;
        EXPECT_FALSE(std::regex_search(line.text, guiInclude))
            << line.path << ":" << line.number << " includes a Qt file: " << line.text;
    });
    EXPECT_GT(files, 10);
    EXPECT_GT(coreLines, 1000);
}

// Lowest first: a file may include its own folder and any folder before it.
constexpr std::array<std::string_view, 11> kFolderOrder = {
    "text",     "calendar", "store",    "ports",     "printing", "shell",
    "contacts", "listing",  "exchange", "birthdays", "app"};

std::ptrdiff_t rankOf(std::string_view folder) {
    const auto* at = std::find(kFolderOrder.begin(), kFolderOrder.end(), folder);
    return at == kFolderOrder.end() ? -1 : at - kFolderOrder.begin();
}

TEST(Architecture, FoldersIncludeOnlyTheFoldersBelowThem) {
    const std::regex projectInclude(R"(^\s*#\s*include\s*"([a-z_]+)/)");
    int includes = 0;
    forEachSourceLine([&](const SourceLine& line) {
        std::smatch m;
        if (!std::regex_search(line.text, m, projectInclude)) return;
        ++includes;
        const std::ptrdiff_t from = rankOf(line.folder);
        const std::ptrdiff_t to = rankOf(m[1].str());
        ASSERT_GE(from, 0) << "a folder with no place in the order: " << line.folder;
        ASSERT_GE(to, 0) << "a folder with no place in the order: " << m[1].str();
        EXPECT_LE(to, from) << line.path << ":" << line.number << " points upward: " << line.text;
    });
    EXPECT_GT(includes, 500);
}

// A window's header is included by the window's own files and by the program
// (the window host and main) only: windows never reach into each other.
TEST(Architecture, NoWindowIncludesAnotherWindow) {
    const std::regex windowInclude(R"(^\s*#\s*include\s*"[a-z_]+/gui/(frm[A-Za-z]+)\.h")");
    int windowIncludes = 0;
    forEachSourceLine([&](const SourceLine& line) {
        std::smatch m;
        if (!std::regex_search(line.text, m, windowInclude)) return;
        ++windowIncludes;
        const std::string window = m[1].str();
        const std::string name = fs::path(line.path).filename().string();
        const bool own = name.rfind(window + ".", 0) == 0 || name.rfind(window + "_", 0) == 0;
        const bool program =
            line.path == "app/gui/main_window_host.cpp" || line.path == "app/main.cpp";
        EXPECT_TRUE(own || program) << line.path << ":" << line.number << " includes " << window;
    });
    EXPECT_GT(windowIncludes, 7);
}

}  // namespace
