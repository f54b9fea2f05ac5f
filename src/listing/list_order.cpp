#include "listing/list_order.h"

#include <algorithm>

#include "text/folded_order.h"

namespace varnel {

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    return compareFolded(foldTable(CaseFold::Lower), a, b) < 0;
}

bool containsIgnoringCase(std::string_view text, std::string_view needle) {
    const FoldTable& t = foldTable(CaseFold::Lower);
    auto hit = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                           [&](char x, char y) { return folded(t, x) == folded(t, y); });
    return hit != text.end() || needle.empty();
}

std::vector<std::uint32_t> orderIgnoringCase(const std::vector<std::string_view>& keys,
                                             bool descending) {
    return orderFolded(keys, CaseFold::Lower, descending);
}

}  // namespace varnel
