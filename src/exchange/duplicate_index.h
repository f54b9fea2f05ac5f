#pragma once
// The duplicate test of the import against the records that were on file
// when it started. A contact is on file when a record has the same e-mail, or
// when a record's first name contains the contact's first name and its last
// name contains the contact's last name. The records are indexed once: e-mail
// by value, names by their 1- to 3-character pieces, so a test looks only at
// records that can contain both names.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "store/contact_file.h"

namespace varnel {

class DuplicateIndex {
  public:
    DuplicateIndex() = default;
    // Records 1 to `count` of the file.
    DuplicateIndex(const ContactFile& file, std::int32_t count);

    void add(const ContactRecord& record);

    // Values as the import holds them; they are trimmed here.
    bool isDuplicate(std::string_view firstName, std::string_view lastName,
                     std::string_view email) const;

    std::size_t size() const { return firstNames_.size(); }

  private:
    using Postings = std::unordered_map<std::uint32_t, std::vector<std::uint32_t>>;
    void indexName(Postings& postings, std::string_view name, std::uint32_t id);
    const std::vector<std::uint32_t>* narrowest(const Postings& postings, std::string_view name,
                                                bool& none) const;
    bool namesMatch(std::string_view first, std::string_view last) const;

    std::unordered_set<std::string> emails_;
    std::vector<std::string> firstNames_;
    std::vector<std::string> lastNames_;
    Postings firstPieces_;
    Postings lastPieces_;
    std::vector<std::uint32_t> withBothNames_;
    static constexpr std::size_t kMaxRemembered = 1 << 16;
    mutable std::unordered_map<std::string, bool> answered_;
};

// The rule itself, one record at a time; the index gives the same answers.
bool matchesRecord(const ContactRecord& record, std::string_view firstName,
                   std::string_view lastName, std::string_view email);

}  // namespace varnel
