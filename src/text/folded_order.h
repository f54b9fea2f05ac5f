#pragma once
// Ordering Windows-1252 text without regard to case, fast enough for a
// million keys: each byte folds through one table, and a sort compares
// folded 24-byte prefixes as integers before it reads any text.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace varnel {

// The list folds to lower case, the browser's drop-down to upper case; the
// two differ for the marks between 'Z' and 'a'.
enum class CaseFold { Lower, Upper };

using FoldTable = std::array<unsigned char, 256>;
const FoldTable& foldTable(CaseFold fold);

inline unsigned char folded(const FoldTable& table, char c) {
    return table[static_cast<unsigned char>(c)];
}

// Below zero, zero or above zero as `a` sorts before, with or after `b`.
int compareFolded(const FoldTable& table, std::string_view a, std::string_view b);

// Positions of `keys` in ascending folded order (descending when asked);
// equal keys keep their order.
std::vector<std::uint32_t> orderFolded(const std::vector<std::string_view>& keys, CaseFold fold,
                                       bool descending = false);

}  // namespace varnel
