#include "store/durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include "store/file_io.h"
#include "text/run_error.h"

namespace varnel {

namespace {

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The folder's entry of the rename is made durable too. Its failure is not
// reported: the new contents are already in place, and an error now would
// tell the user the change did not happen.
void syncFolder(const std::filesystem::path& folder) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    (void)fileio::fsync(dir);
    ::close(dir);
}

}  // namespace

std::filesystem::path followLinks(const std::filesystem::path& path) {
    std::filesystem::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) return p;
        const std::filesystem::path to = std::filesystem::read_symlink(p, ec);
        if (ec) return p;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p;
}

namespace {

constexpr std::string_view kTempMark = ".new-";
constexpr std::size_t kTempUnique = 6;  // the XXXXXX of mkostemp

std::string tempPattern(const std::filesystem::path& target) {
    return target.filename().string() + std::string(kTempMark) + std::string(kTempUnique, 'X');
}

}  // namespace

void removeLeftoverReplacements(const std::filesystem::path& target) {
    const std::filesystem::path real = followLinks(target);
    std::filesystem::path folder = real.parent_path();
    if (folder.empty()) folder = ".";
    const std::string prefix = real.filename().string() + std::string(kTempMark);
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + kTempUnique && name.starts_with(prefix) &&
            entry.is_regular_file(ec)) {
            std::filesystem::remove(entry.path(), ec);
        }
    }
}

FileReplacement::FileReplacement(const std::filesystem::path& target)
    : target_(followLinks(target)) {
    std::filesystem::path folder = target_.parent_path();
    if (folder.empty()) folder = ".";
    struct stat st {};
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) throw fileio::errorFromErrno(errno);
    if (exists) {
        // The mode bits are asked as well: they say read-only even to root.
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 ||
            ::access(target_.c_str(), W_OK) != 0) {
            throw RunError(RunError::PathFileAccessError);
        }
    } else {
        struct stat fs {};
        if (::stat(folder.c_str(), &fs) != 0 || !S_ISDIR(fs.st_mode)) {
            throw RunError(RunError::PathNotFound);
        }
    }

    std::string name = (folder / tempPattern(target_)).string();
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) throw fileio::errorFromErrno(errno);
    temp_ = name;
    if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
        // Best effort: only root may give a file away.
        (void)::fchown(fd_, st.st_uid, st.st_gid);
    }
    const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~currentUmask());
    if (::fchmod(fd_, mode) != 0) {
        const int err = errno;
        discard();
        throw fileio::errorFromErrno(err);
    }
}

FileReplacement::~FileReplacement() { discard(); }

void FileReplacement::discard() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!committed_ && !temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

void FileReplacement::write(std::string_view bytes) {
    if (!fileio::writeAll(fd_, bytes.data(), bytes.size())) throw fileio::errorFromErrno(errno);
}

void FileReplacement::commit() {
    if (fileio::fsync(fd_) != 0) throw fileio::errorFromErrno(errno);
    if (fileio::rename(temp_.c_str(), target_.c_str()) != 0) throw fileio::errorFromErrno(errno);
    committed_ = true;
    std::filesystem::path folder = target_.parent_path();
    syncFolder(folder.empty() ? std::filesystem::path(".") : folder);
}

int FileReplacement::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

void replaceFileContents(const std::filesystem::path& target, std::string_view bytes) {
    FileReplacement replacement(target);
    replacement.write(bytes);
    replacement.commit();
}

}  // namespace varnel
