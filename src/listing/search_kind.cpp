#include "listing/search_kind.h"

namespace varnel {

const std::array<SearchKindInfo, 9> kSearchKinds = {{
    {"optSearchFName", "First name", 0, "First name Search", Field::FirstName, false, "First name"},
    {"optSearchLName", "Last name", 1, "Last name Search", Field::LastName, false, "Last name"},
    {"optSearchCity", "City", 2, "City Search", Field::City, false, "City"},
    {"optSearchState", "State", 3, "State Search", Field::State, false, "State"},
    {"optSearchZip", "Zip code", 4, "Zip code Search", Field::Zip, true, "Zip"},
    {"optSearchEmail", "Email address", 5, "Email address Search", Field::Email, false, "Email"},
    {"optSearchCat", "Category", 6, "Category Search", Field::Category, false, "Category"},
    {"optSearchAll", "View all contacts without searching", kSearchAll, "", Field::FirstName, false,
     ""},
    {"optSearchCompany", "Company name", 8, "Company Search", Field::Company, false,
     "Company name"},
}};

const SearchKindInfo& searchKindInfo(std::int16_t kind) {
    for (const SearchKindInfo& info : kSearchKinds) {
        if (info.kind == kind) return info;
    }
    return kSearchKinds[7];
}

std::string searchDescription(std::int16_t kind, const std::string& searchText) {
    if (kind == kSearchAll) return "";
    return std::string(searchKindInfo(kind).word) + " = " + searchText;
}

}  // namespace varnel
