#pragma once
// Which record an imported contact repeats. A contact is on file when its
// e-mail is not empty and equals a record's, or when its first and last names
// both equal a record's; case and surrounding spaces do not count. Records
// are kept in two hash tables of 64-bit key hashes (no string per record), so
// a test costs the same for any file size; a record the index names is
// confirmed with matchesRecord, which rules out a hash collision.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "store/contact_file.h"

namespace varnel {

class DuplicateIndex {
public:
    DuplicateIndex() = default;
    // Records 1 to `count` of the file.
    DuplicateIndex(const ContactFile& file, std::int32_t count);

    // The contact stored as record `recordNumber`; later contacts repeat it.
    void add(const ContactRecord& record, std::int32_t recordNumber);

    // The number of the record the contact repeats; 0 when none.
    std::int32_t duplicateOf(std::string_view firstName, std::string_view lastName,
                             std::string_view email) const;

    std::size_t size() const { return size_; }

private:
    std::unordered_map<std::uint64_t, std::int32_t> emails_;
    std::unordered_map<std::uint64_t, std::int32_t> names_;
    std::size_t size_ = 0;
};

// The rule itself, one record at a time; the index gives the same answers.
bool matchesRecord(const ContactRecord& record, std::string_view firstName,
                   std::string_view lastName, std::string_view email);

}  // namespace varnel
