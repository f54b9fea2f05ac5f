#pragma once
// A whole-file change that a kill at any instant or a full disk cannot tear:
// the new contents go to a temporary file with a unique name beside the
// target, which is synced and renamed over the target; then the folder is
// synced. Until the rename the target is untouched; a failure removes the
// temporary file and raises the classic error.
#include <filesystem>
#include <string_view>

namespace varnel {

class FileReplacement {
public:
    // A symbolic link is followed and its target replaced. A target that is
    // read-only or a folder is refused with 75 ("Path/File access error") and
    // left alone; a missing folder is 76. A missing target is created with the
    // permissions a new file gets; an existing one keeps its own.
    explicit FileReplacement(const std::filesystem::path& target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Appends to the new contents.
    void write(std::string_view bytes);
    // Syncs the new contents, renames them over the target and syncs the folder.
    void commit();

    // The open temporary file (the target after commit), read and write.
    int fd() const { return fd_; }
    // Hands the descriptor of the committed file to the caller, who closes it.
    int release();
    // The file that is replaced: the target with every link followed.
    const std::filesystem::path& target() const { return target_; }

private:
    void discard() noexcept;

    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
    bool committed_ = false;
};

// The whole file replaced by `bytes`, as FileReplacement does it.
void replaceFileContents(const std::filesystem::path& target, std::string_view bytes);

// Removes what replacements of `target` that a crash interrupted left beside
// it. Only for a file whose changes the caller alone makes at the moment.
void removeLeftoverReplacements(const std::filesystem::path& target);

// `path` with every symbolic link of its last part followed.
std::filesystem::path followLinks(const std::filesystem::path& path);

}  // namespace varnel
