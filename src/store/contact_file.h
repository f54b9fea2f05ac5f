#pragma once
// The open contact file: random access to 518-byte records, numbered from 1.
// Every change survives a kill at any instant and a full disk: one record is
// one write at its place, and a whole-file change replaces the file at once.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "store/contact_record.h"

namespace varnel {

class FileReplacement;

class ContactFile {
public:
    enum class Missing { Create, Refuse };
    enum class OpenResult { Opened, OpenElsewhere };

    ContactFile() = default;
    ~ContactFile();
    ContactFile(const ContactFile&) = delete;
    ContactFile& operator=(const ContactFile&) = delete;

    // Opens for reading and writing; a missing file is created empty (or
    // refused with 53). Only one program at a time has a contact file open:
    // an advisory lock that the system drops when the process ends. Another
    // program holding it gives OpenElsewhere and leaves this one closed; other
    // failures raise RunError (75 for a read-only file or a folder).
    OpenResult tryOpen(const std::filesystem::path& path, Missing missing = Missing::Create);
    // tryOpen, with OpenElsewhere raised as 70 "File already open in another Varnel".
    void open(const std::filesystem::path& path);
    // Closing a file that is not open is no error.
    void close();
    bool isOpen() const { return fd_ >= 0; }
    const std::filesystem::path& path() const { return path_; }

    // File length / 518, rounded to the nearest whole number, ties to even.
    std::int32_t recordCount() const;
    std::uint64_t byteLength() const;

    // Record k (1 or more). Past the end: whatever bytes exist, blank-filled.
    ContactRecord readRecord(std::int32_t k) const;
    // Writes record k with one write of its 518 bytes. Past the end, the file
    // grows by that one write (a gap before it blank-filled); when it fails,
    // the file is cut back to its old length and the error raised.
    void writeRecord(std::int32_t k, const ContactRecord& record);
    void appendRecord(const ContactRecord& record);

    // Records 1..recordCount() read in large buffers; a trailing partial
    // record is blank-filled, as readRecord would give it.
    std::vector<ContactRecord> readAll() const;
    // Calls `visit(k, record)` for every record in file order, in large buffers.
    void forEach(const std::function<void(std::int32_t, const ContactRecord&)>& visit) const;
    // The whole file as it lies on disk, in large buffers with their offsets.
    void forEachChunk(const std::function<void(std::string_view, std::uint64_t)>& visit) const;
    // Every record through `change`, into a new file that replaces this one.
    void rewriteAll(const std::function<void(ContactRecord&)>& change);

    // Records 1..recordCountBefore without record `drop` and without any that
    // carries the deleted marker, into a new file that replaces this one. On
    // any failure the contact file stays as it was and the error is raised.
    void compact(std::int32_t recordCountBefore, std::int32_t drop = 0);

private:
    void requireOpen() const;
    // The file at path() must still be the one that is open: a whole-file
    // change never recreates a file removed behind the program.
    void requireSameFile() const;
    // Records 1..count, each through `edit` (false drops it), into a new file
    // that replaces this one; `keepTail` keeps bytes past the last record.
    void replaceRecords(std::int32_t count, const std::function<bool(std::int32_t, char*)>& edit,
                        bool keepTail);
    // Takes the descriptor of a committed replacement in place of the old one.
    void adopt(FileReplacement& replacement);

    int fd_ = -1;
    std::filesystem::path path_;
};

// CompactContactFile of the classic program: the open file and the record
// count taken before the deletion.
void CompactContactFile(ContactFile& file, std::int32_t recordCountBefore);

// Deletion of record `k`: the survivors go straight to the new file, so the
// live file never carries the deleted marker. The file is open afterwards.
void deleteRecord(ContactFile& file, std::int32_t k);

}  // namespace varnel
