#include "store/contact_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include "store/durable_file.h"
#include "store/file_io.h"
#include "text/run_error.h"

namespace varnel {

namespace {

constexpr std::size_t kChunkRecords = 4096;  // 2 MB per read or write
constexpr std::size_t kChunkBytes = kChunkRecords * ContactRecord::Size;
// A record written this far past the end is a wrong number, not a contact.
constexpr std::uint64_t kLargestGap = std::uint64_t{64} << 20;

// Up to `size` bytes at `offset`; fewer only at the end of the file.
std::size_t readAt(int fd, char* data, std::size_t size, std::uint64_t offset) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, data + got, size - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw RunError(RunError::DeviceIoError);
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

// False only when another process holds the lock. A file system without
// locks still lets the file open.
bool lockFile(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK; }

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

ContactFile::~ContactFile() { close(); }

ContactFile::OpenResult ContactFile::tryOpen(const std::filesystem::path& path, Missing missing) {
    close();
    const int flags = O_RDWR | O_CLOEXEC | (missing == Missing::Create ? O_CREAT : 0);
    for (int attempt = 0;; ++attempt) {
        const int fd = ::open(path.c_str(), flags, 0666);
        if (fd < 0) {
            const int err = errno;
            if (err != ENOENT) throw fileio::errorFromErrno(err);
            std::error_code ec;
            const std::filesystem::path parent = path.parent_path();
            if (!parent.empty() && !std::filesystem::is_directory(parent, ec)) {
                throw RunError(RunError::PathNotFound);
            }
            throw RunError(RunError::FileNotFound);
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || (opened.st_mode & 0222) == 0) {
            // Read-only by its mode even for root, or no plain file.
            ::close(fd);
            throw RunError(RunError::PathFileAccessError);
        }
        if (!lockFile(fd)) {
            ::close(fd);
            return OpenResult::OpenElsewhere;
        }
        // Another program may have replaced the file between the open and the
        // lock; then the lock is taken again on what the name holds now.
        struct stat named {};
        if (attempt < 8 && (::stat(path.c_str(), &named) != 0 || !sameFile(opened, named))) {
            ::close(fd);
            continue;
        }
        fd_ = fd;
        path_ = path;
        // Holding the lock, this program alone replaces the file now: what a
        // killed replacement left behind is of no use to anyone.
        removeLeftoverReplacements(path);
        return OpenResult::Opened;
    }
}

void ContactFile::open(const std::filesystem::path& path) {
    if (tryOpen(path) == OpenResult::OpenElsewhere) {
        throw RunError(RunError::PermissionDenied, "File already open in another Varnel");
    }
}

void ContactFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void ContactFile::requireOpen() const {
    if (fd_ < 0) throw RunError(RunError::BadFileNameOrNumber);
}

void ContactFile::requireSameFile() const {
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd_, &opened) != 0) throw RunError(RunError::DeviceIoError);
    if (::stat(path_.c_str(), &named) != 0 || !sameFile(opened, named)) {
        throw RunError(RunError::FileNotFound);
    }
}

void ContactFile::adopt(FileReplacement& replacement) {
    const int fd = replacement.release();
    ::close(fd_);
    fd_ = fd;
}

std::uint64_t ContactFile::byteLength() const {
    requireOpen();
    struct stat st {};
    if (::fstat(fd_, &st) != 0) throw fileio::errorFromErrno(errno);
    return static_cast<std::uint64_t>(st.st_size);
}

std::int32_t ContactFile::recordCount() const {
    std::uint64_t len = byteLength();
    std::uint64_t q = len / ContactRecord::Size;
    std::uint64_t r = len % ContactRecord::Size;
    if (2 * r > ContactRecord::Size || (2 * r == ContactRecord::Size && q % 2 == 1)) ++q;
    return static_cast<std::int32_t>(q);
}

ContactRecord ContactFile::readRecord(std::int32_t k) const {
    requireOpen();
    if (k <= 0) throw RunError(RunError::BadRecordNumber);
    std::array<char, ContactRecord::Size> buf;
    const std::size_t got = readAt(fd_, buf.data(), buf.size(),
                                   static_cast<std::uint64_t>(k - 1) * ContactRecord::Size);
    return ContactRecord::fromBytes(buf.data(), got);
}

void ContactFile::writeRecord(std::int32_t k, const ContactRecord& record) {
    requireOpen();
    if (k <= 0) throw RunError(RunError::BadRecordNumber);
    const std::uint64_t at = static_cast<std::uint64_t>(k - 1) * ContactRecord::Size;
    const std::uint64_t length = byteLength();
    if (at + ContactRecord::Size <= length) {
        if (!fileio::pwriteAll(fd_, record.data(), ContactRecord::Size, static_cast<off_t>(at))) {
            throw fileio::errorFromErrno(errno);
        }
        return;
    }
    // The file grows: a gap before the record is filled with the blanks that
    // reading it gave, and all of it goes in one write at the old end.
    if (at > length + kLargestGap) throw RunError(RunError::BadRecordNumber);
    const std::uint64_t from = std::min(at, length);
    std::string bytes(at - from, ' ');
    bytes.append(record.data(), ContactRecord::Size);
    if (!fileio::pwriteAll(fd_, bytes.data(), bytes.size(), static_cast<off_t>(from))) {
        const int err = errno;
        // Nothing of a failed record stays behind to be misread later.
        (void)fileio::ftruncate(fd_, static_cast<off_t>(length));
        throw fileio::errorFromErrno(err);
    }
}

void ContactFile::appendRecord(const ContactRecord& record) {
    writeRecord(recordCount() + 1, record);
}

void ContactFile::forEach(
    const std::function<void(std::int32_t, const ContactRecord&)>& visit) const {
    const std::int32_t count = recordCount();
    std::vector<char> buf(
        std::min(kChunkBytes, static_cast<std::size_t>(count) * ContactRecord::Size));
    std::int32_t k = 0;
    while (k < count) {
        const std::size_t want =
            std::min<std::size_t>(kChunkRecords, static_cast<std::size_t>(count - k));
        const std::size_t got = readAt(fd_, buf.data(), want * ContactRecord::Size,
                                       static_cast<std::uint64_t>(k) * ContactRecord::Size);
        for (std::size_t i = 0; i < want; ++i) {
            const std::size_t start = i * ContactRecord::Size;
            const std::size_t have = got > start ? std::min(got - start, ContactRecord::Size) : 0;
            ++k;
            visit(k, ContactRecord::fromBytes(buf.data() + start, have));
        }
    }
}

void ContactFile::forEachChunk(
    const std::function<void(std::string_view, std::uint64_t)>& visit) const {
    // A small file needs no large buffer; one that grows meanwhile is read to its end.
    std::vector<char> buf(std::clamp<std::uint64_t>(byteLength(), 1, kChunkBytes));
    for (std::uint64_t offset = 0;;) {
        const std::size_t got = readAt(fd_, buf.data(), buf.size(), offset);
        if (got == 0) return;
        visit(std::string_view(buf.data(), got), offset);
        offset += got;
        if (got < buf.size()) return;
    }
}

std::vector<ContactRecord> ContactFile::readAll() const {
    std::vector<ContactRecord> records;
    records.reserve(static_cast<std::size_t>(recordCount()));
    forEach([&](std::int32_t, const ContactRecord& r) { records.push_back(r); });
    return records;
}

void ContactFile::replaceRecords(std::int32_t count,
                                 const std::function<bool(std::int32_t, char*)>& edit,
                                 bool keepTail) {
    requireOpen();
    requireSameFile();
    FileReplacement replacement(path_);
    std::vector<char> buf(
        std::min(kChunkBytes, static_cast<std::size_t>(count) * ContactRecord::Size));
    for (std::int32_t k = 0; k < count;) {
        const std::size_t want =
            std::min<std::size_t>(kChunkRecords, static_cast<std::size_t>(count - k));
        const std::size_t bytes = want * ContactRecord::Size;
        const std::size_t got =
            readAt(fd_, buf.data(), bytes, static_cast<std::uint64_t>(k) * ContactRecord::Size);
        // Records that lie past the end read as blanks.
        std::fill(buf.begin() + static_cast<std::ptrdiff_t>(got),
                  buf.begin() + static_cast<std::ptrdiff_t>(bytes), ' ');
        // The records kept move up over those dropped, within the buffer.
        std::size_t kept = 0;
        for (std::size_t i = 0; i < want; ++i) {
            char* record = buf.data() + i * ContactRecord::Size;
            if (!edit(++k, record)) continue;
            if (kept != i)
                std::memmove(buf.data() + kept * ContactRecord::Size, record, ContactRecord::Size);
            ++kept;
        }
        replacement.write(std::string_view(buf.data(), kept * ContactRecord::Size));
    }
    // A piece of a record too short to count stays as it was.
    const std::uint64_t counted = static_cast<std::uint64_t>(count) * ContactRecord::Size;
    const std::uint64_t length = byteLength();
    if (keepTail && length > counted) {
        std::string tail(length - counted, ' ');
        tail.resize(readAt(fd_, tail.data(), tail.size(), counted));
        replacement.write(tail);
    }
    // The new file is locked before its name appears, so no other program
    // can take it in between.
    lockFile(replacement.fd());
    replacement.commit();
    adopt(replacement);
}

void ContactFile::rewriteAll(const std::function<void(ContactRecord&)>& change) {
    const std::int32_t count = recordCount();
    if (count == 0) return;
    replaceRecords(
        count,
        [&](std::int32_t, char* bytes) {
            ContactRecord r = ContactRecord::fromBytes(bytes);
            change(r);
            std::memcpy(bytes, r.data(), ContactRecord::Size);
            return true;
        },
        true);
}

void ContactFile::compact(std::int32_t recordCountBefore, std::int32_t drop) {
    replaceRecords(
        recordCountBefore,
        [&](std::int32_t k, const char* bytes) {
            return k != drop && std::string_view(bytes, ContactRecord::DeletedMarker.size()) !=
                                    ContactRecord::DeletedMarker;
        },
        false);
}

void CompactContactFile(ContactFile& file, std::int32_t recordCountBefore) {
    file.compact(recordCountBefore);
}

void deleteRecord(ContactFile& file, std::int32_t k) {
    if (k <= 0) throw RunError(RunError::BadRecordNumber);
    file.compact(file.recordCount(), k);
}

}  // namespace varnel
