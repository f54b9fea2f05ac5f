#pragma once
// Comparisons without regard to case, for the list's order and its searches.
#include <cstdint>
#include <string_view>
#include <vector>

namespace varnel {

// Windows-1252 letters fold to lower case; every other byte compares as is.
bool lessIgnoringCase(std::string_view a, std::string_view b);
bool containsIgnoringCase(std::string_view text, std::string_view needle);

// Positions of `keys` in ascending order without regard to case (descending
// when asked); equal keys keep their order. Sorts on a folded 24-byte prefix
// so a million keys sort in a fraction of a second.
std::vector<std::uint32_t> orderIgnoringCase(const std::vector<std::string_view>& keys,
                                             bool descending = false);

}  // namespace varnel
