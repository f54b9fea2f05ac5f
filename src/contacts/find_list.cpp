#include "contacts/find_list.h"

#include <algorithm>
#include <numeric>

#include "text/strings.h"

namespace varnel {

std::string findEntryText(const ContactRecord& r) {
    return r.get(Field::FirstName) + " " + r.get(Field::MI) + " " + r.get(Field::LastName);
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

    // Sort an index once rather than inserting each entry in place.
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::string& ka = keys[a];
        const std::string& kb = keys[b];
        return std::lexicographical_compare(
            ka.begin(), ka.end(), kb.begin(), kb.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
    std::vector<FindEntry> sorted;
    sorted.reserve(entries.size());
    for (std::size_t i : order) sorted.push_back(std::move(entries[i]));
    return sorted;
}

}  // namespace varnel
