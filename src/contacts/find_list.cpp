#include "contacts/find_list.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "contacts/address_lines.h"
#include "text/folded_order.h"
#include "text/strings.h"

namespace varnel {

std::string findEntryText(const ContactRecord& r) {
    return nameLine(trimSpaces(r.raw(Field::FirstName)), trimSpaces(r.raw(Field::MI)),
                    trimSpaces(r.raw(Field::LastName)));
}

std::vector<FindEntry> buildFindList(const ContactFile& file) {
    std::vector<FindEntry> entries;
    entries.reserve(static_cast<std::size_t>(std::max(file.recordCount(), 0)));
    file.forEach([&](std::int32_t k, const ContactRecord& r) {
        entries.push_back({findEntryText(r), k});
    });

    // Sort once rather than inserting each entry in place; equal texts
    // (without regard to case) keep file order.
    std::vector<std::string_view> keys;
    keys.reserve(entries.size());
    for (const FindEntry& e : entries) keys.push_back(e.text);
    std::vector<FindEntry> sorted;
    sorted.reserve(entries.size());
    for (std::uint32_t i : orderFolded(keys, CaseFold::Upper)) {
        sorted.push_back(std::move(entries[i]));
    }
    return sorted;
}

bool findsBefore(const FindEntry& a, const FindEntry& b) {
    // The drop-down compares in upper case.
    const int c = compareFolded(foldTable(CaseFold::Upper), a.text, b.text);
    return c != 0 ? c < 0 : a.record < b.record;
}

void replaceFindEntry(std::vector<FindEntry>& entries, FindEntry entry) {
    const auto old = std::find_if(entries.begin(), entries.end(),
                                  [&](const FindEntry& e) { return e.record == entry.record; });
    if (old == entries.end()) {
        const auto at = std::lower_bound(entries.begin(), entries.end(), entry, findsBefore);
        entries.insert(at, std::move(entry));
        return;
    }
    // Only the entries between its old and new place move.
    old->text = std::move(entry.text);
    const auto to = std::lower_bound(entries.begin(), old, *old, findsBefore);
    if (to != old) {
        std::rotate(to, old, old + 1);
        return;
    }
    std::rotate(old, old + 1, std::lower_bound(old + 1, entries.end(), *old, findsBefore));
}

}  // namespace varnel
