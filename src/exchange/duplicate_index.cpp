#include "exchange/duplicate_index.h"

#include <algorithm>

#include "text/strings.h"

namespace varnel {

namespace {

// An empty text is contained in every non-empty text and in nothing empty.
bool containedIn(std::string_view recordText, std::string_view contactText) {
    return !recordText.empty() && recordText.find(contactText) != std::string_view::npos;
}

std::uint32_t pieceKey(std::string_view piece) {
    std::uint32_t key = static_cast<std::uint32_t>(piece.size()) << 24;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        key |= static_cast<std::uint32_t>(static_cast<unsigned char>(piece[i])) << (8 * i);
    }
    return key;
}

}  // namespace

bool matchesRecord(const ContactRecord& record, std::string_view firstName,
                   std::string_view lastName, std::string_view email) {
    std::string_view e = trimSpaces(email);
    // Two contacts without an e-mail are not the same contact for that reason.
    if (!e.empty() && record.get(Field::Email) == e) return true;
    return containedIn(record.get(Field::FirstName), trimSpaces(firstName)) &&
           containedIn(record.get(Field::LastName), trimSpaces(lastName));
}

DuplicateIndex::DuplicateIndex(const ContactFile& file, std::int32_t count) {
    if (count <= 0) return;
    firstNames_.reserve(static_cast<std::size_t>(count));
    lastNames_.reserve(static_cast<std::size_t>(count));
    file.forEach([&](std::int32_t k, const ContactRecord& r) {
        if (k <= count) add(r);
    });
}

void DuplicateIndex::indexName(Postings& postings, std::string_view name, std::uint32_t id) {
    for (std::size_t len = 1; len <= 3 && len <= name.size(); ++len) {
        for (std::size_t i = 0; i + len <= name.size(); ++i) {
            std::vector<std::uint32_t>& list = postings[pieceKey(name.substr(i, len))];
            // Records arrive in order, so a repeat piece of this record is at the back.
            if (list.empty() || list.back() != id) list.push_back(id);
        }
    }
}

void DuplicateIndex::add(const ContactRecord& record) {
    answered_.clear();
    std::string email = record.get(Field::Email);
    if (!email.empty()) emails_.insert(std::move(email));
    const auto id = static_cast<std::uint32_t>(firstNames_.size());
    firstNames_.push_back(record.get(Field::FirstName));
    lastNames_.push_back(record.get(Field::LastName));
    indexName(firstPieces_, firstNames_.back(), id);
    indexName(lastPieces_, lastNames_.back(), id);
    if (!firstNames_.back().empty() && !lastNames_.back().empty()) withBothNames_.push_back(id);
}

// The shortest posting list among the pieces of `name` (up to 3 characters
// long); `none` when some piece is on no record, so nothing can contain it.
const std::vector<std::uint32_t>* DuplicateIndex::narrowest(const Postings& postings,
                                                            std::string_view name,
                                                            bool& none) const {
    const std::vector<std::uint32_t>* best = nullptr;
    const std::size_t len = std::min<std::size_t>(3, name.size());
    for (std::size_t i = 0; i + len <= name.size() && len > 0; ++i) {
        auto it = postings.find(pieceKey(name.substr(i, len)));
        if (it == postings.end()) {
            none = true;
            return nullptr;
        }
        if (!best || it->second.size() < best->size()) best = &it->second;
    }
    return best;
}

bool DuplicateIndex::namesMatch(std::string_view first, std::string_view last) const {
    bool none = false;
    const std::vector<std::uint32_t>* a = narrowest(firstPieces_, first, none);
    const std::vector<std::uint32_t>* b = none ? nullptr : narrowest(lastPieces_, last, none);
    if (none) return false;
    const std::vector<std::uint32_t>* candidates = &withBothNames_;
    if (a && a->size() < candidates->size()) candidates = a;
    if (b && b->size() < candidates->size()) candidates = b;
    for (std::uint32_t id : *candidates) {
        if (containedIn(firstNames_[id], first) && containedIn(lastNames_[id], last)) return true;
    }
    return false;
}

bool DuplicateIndex::isDuplicate(std::string_view firstName, std::string_view lastName,
                                 std::string_view email) const {
    std::string_view e = trimSpaces(email);
    if (!e.empty() && emails_.count(std::string(e))) return true;
    std::string_view first = trimSpaces(firstName);
    std::string_view last = trimSpaces(lastName);
    std::string key;
    key.reserve(first.size() + last.size() + 1);
    key.append(first).push_back('\0');
    key.append(last);
    auto it = answered_.find(key);
    if (it != answered_.end()) return it->second;
    bool match = namesMatch(first, last);
    // Remembered answers help repeated names; they must not grow with the file.
    if (answered_.size() >= kMaxRemembered) answered_.clear();
    answered_.emplace(std::move(key), match);
    return match;
}

}  // namespace varnel
