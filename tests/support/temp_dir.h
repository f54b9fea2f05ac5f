#pragma once
// A fresh folder per test, removed afterwards.
#include <filesystem>
#include <string>
#include <vector>

namespace varnel::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // The names of the folder's entries, sorted: to see what a test left behind.
    std::vector<std::string> names() const;

private:
    std::filesystem::path path_;
};

std::string readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace varnel::testing
