#pragma once
// The open contact file: random access to 518-byte records, numbered from 1.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "store/contact_record.h"

namespace varnel {

class ContactFile {
public:
    ContactFile() = default;
    ~ContactFile();
    ContactFile(const ContactFile&) = delete;
    ContactFile& operator=(const ContactFile&) = delete;

    // Opens for reading and writing; a missing file is created empty.
    // Raises RunError when the file cannot be opened or created.
    void open(const std::filesystem::path& path);
    // Closing a file that is not open is no error.
    void close();
    bool isOpen() const { return file_ != nullptr; }
    const std::filesystem::path& path() const { return path_; }

    // File length / 518, rounded to the nearest whole number, ties to even.
    std::int32_t recordCount() const;
    std::uint64_t byteLength() const;

    // Record k (1 or more). Past the end: whatever bytes exist, blank-filled.
    ContactRecord readRecord(std::int32_t k) const;
    // Writes record k, extending the file when k is past its end.
    void writeRecord(std::int32_t k, const ContactRecord& record);
    void appendRecord(const ContactRecord& record);

    // Records 1..recordCount() read in large buffers; a trailing partial
    // record is blank-filled, as readRecord would give it.
    std::vector<ContactRecord> readAll() const;
    // Calls `visit(k, record)` for every record in file order, in large buffers.
    void forEach(const std::function<void(std::int32_t, const ContactRecord&)>& visit) const;
    // Rewrites every record through `change` in large buffers.
    void rewriteAll(const std::function<void(ContactRecord&)>& change);

    // Drops every record 1..recordCountBefore that carries the deleted marker.
    // The survivors go to a fresh temporary file in `tempPath`'s folder, which
    // then replaces the contact file with one atomic rename; on any failure
    // the contact file stays as it was and the error is raised. The file is
    // open again afterwards.
    void compact(std::int32_t recordCountBefore, const std::filesystem::path& tempPath);

private:
    void requireOpen() const;
    void seek(std::uint64_t offset) const;

    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
};

// CompactContactFile of the classic program: the open file, the record count
// taken before the deletion, the temporary file "Tempf" in the program folder.
void CompactContactFile(ContactFile& file, std::int32_t recordCountBefore,
                        const std::filesystem::path& programFolder);

// Mark-and-compact deletion of record `k`; the file is open again afterwards.
void deleteRecord(ContactFile& file, std::int32_t k, const std::filesystem::path& programFolder);

}  // namespace varnel
