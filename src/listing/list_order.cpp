#include "listing/list_order.h"

#include <algorithm>
#include <array>
#include <string>

#include "text/strings.h"

namespace varnel {

namespace {

// One table lookup per byte: the list sorts and searches 100,000 lines.
const std::array<unsigned char, 256>& foldTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int c = 0; c < 256; ++c) {
            std::string one(1, static_cast<char>(c));
            t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(toLowerCp1252(one)[0]);
        }
        return t;
    }();
    return table;
}

unsigned char fold(const std::array<unsigned char, 256>& t, char c) {
    return t[static_cast<unsigned char>(c)];
}

}  // namespace

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    const auto& t = foldTable();
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return fold(t, x) < fold(t, y); });
}

bool containsIgnoringCase(std::string_view text, std::string_view needle) {
    const auto& t = foldTable();
    auto hit = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                           [&](char x, char y) { return fold(t, x) == fold(t, y); });
    return hit != text.end() || needle.empty();
}

}  // namespace varnel
