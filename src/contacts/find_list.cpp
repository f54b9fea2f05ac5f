#include "contacts/find_list.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "contacts/address_lines.h"
#include "text/strings.h"

namespace varnel {

namespace {

// Upper case of every Windows-1252 byte, for comparing without regard to case.
const std::array<unsigned char, 256>& foldTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            t[static_cast<std::size_t>(b)] =
                static_cast<unsigned char>(toUpperCp1252(std::string(1, static_cast<char>(b)))[0]);
        }
        return t;
    }();
    return table;
}

// The first eight folded bytes as one number, so most comparisons of the
// sort are a single integer comparison.
std::uint64_t foldedPrefix(const std::string& text) {
    const auto& fold = foldTable();
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        const unsigned char c = i < text.size() ? fold[static_cast<unsigned char>(text[i])] : 0;
        key = (key << 8) | c;
    }
    return key;
}

int foldedCompare(const std::string& a, const std::string& b) {
    const auto& fold = foldTable();
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = fold[static_cast<unsigned char>(a[i])];
        const unsigned char y = fold[static_cast<unsigned char>(b[i])];
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

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
    struct Key {
        std::uint64_t prefix;
        std::uint32_t index;
    };
    std::vector<Key> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        keys.push_back({foldedPrefix(entries[i].text), static_cast<std::uint32_t>(i)});
    }
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix;
        const int c = foldedCompare(entries[a.index].text, entries[b.index].text);
        return c != 0 ? c < 0 : a.index < b.index;
    });

    std::vector<FindEntry> sorted;
    sorted.reserve(entries.size());
    for (const Key& k : keys) sorted.push_back(std::move(entries[k.index]));
    return sorted;
}

bool findsBefore(const FindEntry& a, const FindEntry& b) {
    const int c = foldedCompare(a.text, b.text);
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
