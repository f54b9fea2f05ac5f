#include "contacts/find_list.h"

#include <algorithm>
#include <numeric>

#include "text/strings.h"

namespace varnel {

std::string findEntryText(const ContactRecord& r) {
    const std::string_view first = trimSpaces(r.raw(Field::FirstName));
    const std::string_view mi = trimSpaces(r.raw(Field::MI));
    const std::string_view last = trimSpaces(r.raw(Field::LastName));
    std::string text;
    text.reserve(first.size() + mi.size() + last.size() + 2);
    text.append(first).append(" ").append(mi).append(" ").append(last);
    return text;
}

std::vector<FindEntry> buildFindList(const ContactFile& file) {
    std::vector<FindEntry> entries;
    std::vector<std::string> keys;
    const auto count = static_cast<std::size_t>(std::max(file.recordCount(), 0));
    entries.reserve(count);
    keys.reserve(count);
    file.forEach([&](std::int32_t k, const ContactRecord& r) {
        entries.push_back({findEntryText(r), k});
        keys.push_back(toUpperCp1252(entries.back().text));
    });

    // Sort an index once rather than inserting each entry in place; string
    // comparison is bytewise unsigned, and equal keys keep file order.
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = keys[a].compare(keys[b]);
        return c != 0 ? c < 0 : a < b;
    });
    std::vector<FindEntry> sorted;
    sorted.reserve(entries.size());
    for (std::size_t i : order) sorted.push_back(std::move(entries[i]));
    return sorted;
}

}  // namespace varnel
