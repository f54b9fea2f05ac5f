#pragma once
// Comparisons without regard to case, for the list's order and its searches.
#include <string_view>

namespace varnel {

// Windows-1252 letters fold to lower case; every other byte compares as is.
bool lessIgnoringCase(std::string_view a, std::string_view b);
bool containsIgnoringCase(std::string_view text, std::string_view needle);

}  // namespace varnel
