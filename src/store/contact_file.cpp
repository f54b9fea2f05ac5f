#include "store/contact_file.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include "store/run_error.h"

namespace varnel {

namespace {

constexpr std::size_t kChunkRecords = 4096;  // 2 MB per read or write

RunError errorFromErrno(int err) {
    switch (err) {
        case ENOENT: return RunError(RunError::PathNotFound);
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR: return RunError(RunError::PathFileAccessError);
        case ENOSPC: return RunError(RunError::DiskFull);
        case EMFILE:
        case ENFILE: return RunError(RunError::TooManyFiles);
        default: return RunError(RunError::DeviceIoError);
    }
}

void syncToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) throw errorFromErrno(errno);
#if defined(_WIN32)
    _commit(_fileno(f));
#else
    if (::fsync(fileno(f)) != 0) throw errorFromErrno(errno);
#endif
}

std::FILE* openExisting(const std::filesystem::path& path, const char* mode, int& err) {
    errno = 0;
    std::FILE* f = std::fopen(path.string().c_str(), mode);
    err = errno;
    return f;
}

}  // namespace

ContactFile::~ContactFile() {
    if (file_) std::fclose(file_);
}

void ContactFile::open(const std::filesystem::path& path) {
    close();
    int err = 0;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw RunError(RunError::PathFileAccessError);
    std::FILE* f = openExisting(path, "r+b", err);
    if (!f && err == ENOENT) {
        std::filesystem::path parent = path.parent_path();
        if (!parent.empty() && !std::filesystem::is_directory(parent, ec)) {
            throw RunError(RunError::PathNotFound);
        }
        f = openExisting(path, "w+b", err);
    }
    if (!f) throw errorFromErrno(err);
    file_ = f;
    path_ = path;
}

void ContactFile::close() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

void ContactFile::requireOpen() const {
    if (!file_) throw RunError(RunError::BadFileNameOrNumber);
}

void ContactFile::seek(std::uint64_t offset) const {
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) throw errorFromErrno(errno);
}

std::uint64_t ContactFile::byteLength() const {
    requireOpen();
    if (std::fseek(file_, 0, SEEK_END) != 0) throw errorFromErrno(errno);
    long end = std::ftell(file_);
    if (end < 0) throw errorFromErrno(errno);
    return static_cast<std::uint64_t>(end);
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
    seek(static_cast<std::uint64_t>(k - 1) * ContactRecord::Size);
    std::size_t got = std::fread(buf.data(), 1, buf.size(), file_);
    if (got < buf.size() && std::ferror(file_)) {
        std::clearerr(file_);
        throw RunError(RunError::DeviceIoError);
    }
    std::clearerr(file_);
    return ContactRecord::fromBytes(buf.data(), got);
}

void ContactFile::writeRecord(std::int32_t k, const ContactRecord& record) {
    requireOpen();
    if (k <= 0) throw RunError(RunError::BadRecordNumber);
    seek(static_cast<std::uint64_t>(k - 1) * ContactRecord::Size);
    errno = 0;
    if (std::fwrite(record.data(), 1, ContactRecord::Size, file_) != ContactRecord::Size ||
        std::fflush(file_) != 0) {
        int err = errno;
        std::clearerr(file_);
        throw errorFromErrno(err);
    }
}

void ContactFile::appendRecord(const ContactRecord& record) { writeRecord(recordCount() + 1, record); }

void ContactFile::forEach(
    const std::function<void(std::int32_t, const ContactRecord&)>& visit) const {
    const std::int32_t count = recordCount();
    std::vector<char> buf(kChunkRecords * ContactRecord::Size);
    seek(0);
    std::int32_t k = 0;
    while (k < count) {
        std::size_t want = std::min<std::size_t>(kChunkRecords, static_cast<std::size_t>(count - k));
        // Reading repositions the stream, so seek before each chunk: a visitor may read too.
        seek(static_cast<std::uint64_t>(k) * ContactRecord::Size);
        std::size_t got = std::fread(buf.data(), 1, want * ContactRecord::Size, file_);
        if (got < want * ContactRecord::Size && std::ferror(file_)) {
            std::clearerr(file_);
            throw RunError(RunError::DeviceIoError);
        }
        std::clearerr(file_);
        for (std::size_t i = 0; i < want; ++i) {
            std::size_t start = i * ContactRecord::Size;
            std::size_t have = got > start ? std::min(got - start, ContactRecord::Size) : 0;
            ++k;
            visit(k, ContactRecord::fromBytes(buf.data() + start, have));
        }
    }
}

std::vector<ContactRecord> ContactFile::readAll() const {
    std::vector<ContactRecord> records;
    records.reserve(static_cast<std::size_t>(recordCount()));
    forEach([&](std::int32_t, const ContactRecord& r) { records.push_back(r); });
    return records;
}

void ContactFile::rewriteAll(const std::function<void(ContactRecord&)>& change) {
    std::vector<ContactRecord> records = readAll();
    std::vector<char> buf;
    buf.reserve(records.size() * ContactRecord::Size);
    for (ContactRecord& r : records) {
        change(r);
        buf.insert(buf.end(), r.data(), r.data() + ContactRecord::Size);
    }
    if (buf.empty()) return;
    seek(0);
    errno = 0;
    if (std::fwrite(buf.data(), 1, buf.size(), file_) != buf.size() || std::fflush(file_) != 0) {
        int err = errno;
        std::clearerr(file_);
        throw errorFromErrno(err);
    }
}

void ContactFile::compact(std::int32_t recordCountBefore, const std::filesystem::path& tempPath) {
    requireOpen();
    const std::filesystem::path target = path_;

    // A fresh, empty temporary file: records of a leftover one are never picked up.
    int err = 0;
    std::FILE* temp = openExisting(tempPath, "wb", err);
    if (!temp) throw errorFromErrno(err);
    auto discardTemp = [&] {
        if (temp) std::fclose(temp);
        temp = nullptr;
        std::error_code ec;
        std::filesystem::remove(tempPath, ec);
    };

    try {
        std::vector<char> out;
        out.reserve(kChunkRecords * ContactRecord::Size);
        auto flushOut = [&] {
            errno = 0;
            if (!out.empty() && std::fwrite(out.data(), 1, out.size(), temp) != out.size()) {
                throw errorFromErrno(errno ? errno : EIO);
            }
            out.clear();
        };
        std::int32_t visited = 0;
        forEach([&](std::int32_t k, const ContactRecord& r) {
            if (k > recordCountBefore) return;
            ++visited;
            if (r.isDeleted()) return;
            out.insert(out.end(), r.data(), r.data() + ContactRecord::Size);
            if (out.size() >= kChunkRecords * ContactRecord::Size) flushOut();
        });
        // Records 1..n that lie past the current end read as blanks.
        for (std::int32_t k = visited + 1; k <= recordCountBefore; ++k) {
            ContactRecord blank = ContactRecord::fromBytes("", 0);
            out.insert(out.end(), blank.data(), blank.data() + ContactRecord::Size);
            if (out.size() >= kChunkRecords * ContactRecord::Size) flushOut();
        }
        flushOut();
        syncToDisk(temp);
        if (std::fclose(temp) != 0) {
            temp = nullptr;
            throw errorFromErrno(errno);
        }
        temp = nullptr;
    } catch (...) {
        discardTemp();
        throw;
    }

    close();
    std::error_code ec;
    std::filesystem::rename(tempPath, target, ec);
    if (ec) {
        discardTemp();
        open(target);
        throw RunError(RunError::PathFileAccessError);
    }
    open(target);
}

void CompactContactFile(ContactFile& file, std::int32_t recordCountBefore,
                        const std::filesystem::path& programFolder) {
    // The temporary file lives beside the contact file so that the final
    // rename is atomic; for the default file that is the program folder.
    std::filesystem::path folder = file.path().parent_path();
    if (folder.empty()) folder = programFolder;
    file.compact(recordCountBefore, folder / "Tempf");
}

void deleteRecord(ContactFile& file, std::int32_t k, const std::filesystem::path& programFolder) {
    const std::int32_t n = file.recordCount();
    const ContactRecord original = file.readRecord(k);
    ContactRecord marked = original;
    marked.set(Field::FirstName, ContactRecord::DeletedMarker);
    file.writeRecord(k, marked);
    std::filesystem::path path = file.path();
    file.close();
    // Reopening must not conjure up an empty file where the contact file vanished.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw RunError(RunError::FileNotFound);
    file.open(path);
    try {
        CompactContactFile(file, n, programFolder);
    } catch (...) {
        // The contact stays as it was rather than half deleted.
        if (file.isOpen()) file.writeRecord(k, original);
        throw;
    }
}

}  // namespace varnel
