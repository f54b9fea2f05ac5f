#include "listing/list_order.h"

#include <algorithm>
#include <array>
#include <cstdint>
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

// Eight folded bytes from `from` as one number, blanks past the end
// counting as 0 (the full comparison then settles a tie).
std::uint64_t foldedWord(const std::array<unsigned char, 256>& t, std::string_view text,
                         std::size_t from) {
    std::uint64_t word = 0;
    for (std::size_t i = from; i < from + 8; ++i) {
        word = (word << 8) | (i < text.size() ? fold(t, text[i]) : 0u);
    }
    return word;
}

int compareFolded(const std::array<unsigned char, 256>& t, std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = fold(t, a[i]);
        const unsigned char y = fold(t, b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
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

std::vector<std::uint32_t> orderIgnoringCase(const std::vector<std::string_view>& keys,
                                             bool descending) {
    const auto& t = foldTable();
    struct Key {
        std::uint64_t high;
        std::uint64_t middle;
        std::uint64_t low;
        std::uint32_t index;
    };
    std::vector<Key> sorted;
    sorted.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        sorted.push_back({foldedWord(t, keys[i], 0), foldedWord(t, keys[i], 8),
                          foldedWord(t, keys[i], 16), static_cast<std::uint32_t>(i)});
    }
    // First by prefix alone, touching no text; then each run of equal
    // prefixes by the rest of its keys, which then sit close in the cache.
    auto samePrefix = [](const Key& a, const Key& b) {
        return a.high == b.high && a.middle == b.middle && a.low == b.low;
    };
    std::sort(sorted.begin(), sorted.end(), [&](const Key& a, const Key& b) {
        if (!samePrefix(a, b)) {
            const bool less = a.high != b.high       ? a.high < b.high
                              : a.middle != b.middle ? a.middle < b.middle
                                                     : a.low < b.low;
            return descending ? !less : less;
        }
        return a.index < b.index;
    });
    for (auto run = sorted.begin(); run != sorted.end();) {
        auto end = run + 1;
        while (end != sorted.end() && samePrefix(*run, *end)) ++end;
        if (end - run > 1) {
            std::sort(run, end, [&](const Key& a, const Key& b) {
                // Equal prefixes agree in every byte both keys have up to 24.
                const std::string_view x = keys[a.index];
                const std::string_view y = keys[b.index];
                const std::size_t from = std::min({std::size_t{24}, x.size(), y.size()});
                const int c = compareFolded(t, x.substr(from), y.substr(from));
                if (c != 0) return descending ? c > 0 : c < 0;
                return a.index < b.index;
            });
        }
        run = end;
    }
    std::vector<std::uint32_t> order;
    order.reserve(sorted.size());
    for (const Key& k : sorted) order.push_back(k.index);
    return order;
}

}  // namespace varnel
