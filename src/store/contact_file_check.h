#pragma once
// Is a file a contact file, and which of its records are damaged? A sound
// record is 518 bytes with "|" at its 18 separator places and CR LF at its
// end. The check reads the file once, in large buffers.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/contact_file.h"

namespace varnel {

struct RecordDamage {
    std::int64_t record = 0;      // from 1
    std::uint32_t length = 0;     // bytes present: less than 518 for a cut-off last record
    std::uint32_t misplaced = 0;  // bit i: fixed place i (separators in order, then CR LF) is wrong
};

struct ContactFileCheck {
    std::uint64_t length = 0;
    std::int64_t records = 0;  // every record begun, a cut-off last one included
    std::vector<RecordDamage> damaged;
    // False for a file that is not empty and whose first record, or most of
    // whose records, do not carry the fixed places: it is refused on opening.
    bool contactFile = true;
};

// Feeds the bytes of a file in order, in pieces of any size.
class ContactFileChecker {
public:
    void feed(std::string_view bytes);
    ContactFileCheck finish();

private:
    void checkRecord(const char* data, std::uint32_t length);

    ContactFileCheck check_;
    std::string pending_;
    std::int64_t misplacedRecords_ = 0;
};

ContactFileCheck checkContactFile(const ContactFile& file);
ContactFileCheck checkContactBytes(std::string_view bytes);

// One line on a damaged record: `record 3: cut off after 300 of 518 bytes`,
// `record 5: no "|" at byte 14, 35; no CR LF at byte 516`.
std::string describeDamage(const RecordDamage& damage);

}  // namespace varnel
