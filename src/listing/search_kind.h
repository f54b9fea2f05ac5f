#pragma once
// The fields the list window can search, with the texts its options and
// prompts show.
#include <array>
#include <cstdint>
#include <string>

#include "store/contact_record.h"

namespace varnel {

constexpr std::int16_t kSearchAll = 7;  // "View all contacts without searching"

struct SearchKindInfo {
    const char* option;       // control name
    const char* caption;      // option caption
    std::int16_t kind;        // SearchKind
    const char* promptTitle;  // title of the "Search For: " prompt; empty for kSearchAll
    Field field;              // field searched (unused for kSearchAll)
    bool exact;               // compares with regard to case
    const char* word;         // first word of the search description
};

// In the order the options stand in the "Search" frame.
extern const std::array<SearchKindInfo, 9> kSearchKinds;

inline constexpr const char* kSearchPrompt = "Search For: ";

// The entry of `kind`; an unknown number gives the kSearchAll entry.
const SearchKindInfo& searchKindInfo(std::int16_t kind);

// "City = Spring"; empty for kSearchAll.
std::string searchDescription(std::int16_t kind, const std::string& searchText);

}  // namespace varnel
