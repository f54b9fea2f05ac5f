#pragma once
// The browser's drop-down of every contact: "First MI Last" with its record
// number, in alphabetical order without regard to case.
#include <cstdint>
#include <string>
#include <vector>

#include "store/contact_file.h"
#include "store/contact_record.h"

namespace varnel {

struct FindEntry {
    std::string text;  // Windows-1252
    std::int32_t record = 0;
};

// Trimmed first name + " " + trimmed MI + " " + trimmed last name.
std::string findEntryText(const ContactRecord& record);

// Every record of the file, read in one pass and sorted once. Entries that
// differ only in case keep file order.
std::vector<FindEntry> buildFindList(const ContactFile& file);

// True when `a` stands before `b` in the list: by text without regard to
// case, then by record number (file order).
bool findsBefore(const FindEntry& a, const FindEntry& b);

// The entry of `entry.record` takes its new text and moves to its place, as
// a rebuilt list would have it; it is added when the list had none.
void replaceFindEntry(std::vector<FindEntry>& entries, FindEntry entry);

}  // namespace varnel
