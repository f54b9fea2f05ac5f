#include "exchange/duplicate_index.h"

#include "text/strings.h"

namespace varnel {

namespace {

std::string emailKey(std::string_view email) { return toLowerCp1252(trimSpaces(email)); }

// Empty when the contact has no name at all: then names decide nothing.
std::string nameKey(std::string_view first, std::string_view last) {
    first = trimSpaces(first);
    last = trimSpaces(last);
    if (first.empty() && last.empty()) return {};
    std::string key = toLowerCp1252(first);
    key += '\n';  // no name holds a line break
    key += toLowerCp1252(last);
    return key;
}

// FNV-1a over the key's bytes.
std::uint64_t hashOf(const std::string& key) {
    std::uint64_t h = 1469598103934665603ull;
    for (char c : key) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

}  // namespace

bool matchesRecord(const ContactRecord& record, std::string_view firstName,
                   std::string_view lastName, std::string_view email) {
    const std::string e = emailKey(email);
    if (!e.empty() && emailKey(record.get(Field::Email)) == e) return true;
    const std::string n = nameKey(firstName, lastName);
    return !n.empty() && nameKey(record.get(Field::FirstName), record.get(Field::LastName)) == n;
}

DuplicateIndex::DuplicateIndex(const ContactFile& file, std::int32_t count) {
    if (count <= 0) return;
    emails_.reserve(static_cast<std::size_t>(count));
    names_.reserve(static_cast<std::size_t>(count));
    file.forEach([&](std::int32_t k, const ContactRecord& r) {
        if (k <= count) add(r, k);
    });
}

void DuplicateIndex::add(const ContactRecord& record, std::int32_t recordNumber) {
    ++size_;
    // The first record with a key is the one named in the report.
    if (std::string e = emailKey(record.get(Field::Email)); !e.empty()) {
        emails_.emplace(hashOf(e), recordNumber);
    }
    if (std::string n = nameKey(record.get(Field::FirstName), record.get(Field::LastName));
        !n.empty()) {
        names_.emplace(hashOf(n), recordNumber);
    }
}

std::int32_t DuplicateIndex::duplicateOf(std::string_view firstName, std::string_view lastName,
                                         std::string_view email) const {
    if (std::string e = emailKey(email); !e.empty()) {
        if (auto it = emails_.find(hashOf(e)); it != emails_.end()) return it->second;
    }
    if (std::string n = nameKey(firstName, lastName); !n.empty()) {
        if (auto it = names_.find(hashOf(n)); it != names_.end()) return it->second;
    }
    return 0;
}

}  // namespace varnel
