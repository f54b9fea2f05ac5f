#include "text/folded_order.h"

#include <algorithm>
#include <string>

#include "text/strings.h"

namespace varnel {

namespace {

FoldTable makeTable(CaseFold fold) {
    FoldTable t{};
    for (int c = 0; c < 256; ++c) {
        const std::string one(1, static_cast<char>(c));
        const std::string f = fold == CaseFold::Lower ? toLowerCp1252(one) : toUpperCp1252(one);
        t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(f[0]);
    }
    return t;
}

// Eight folded bytes from `from` as one number, past the end counting as 0
// (the full comparison then settles a tie).
std::uint64_t foldedWord(const FoldTable& t, std::string_view text, std::size_t from) {
    std::uint64_t word = 0;
    for (std::size_t i = from; i < from + 8; ++i) {
        word = (word << 8) | (i < text.size() ? folded(t, text[i]) : 0u);
    }
    return word;
}

}  // namespace

const FoldTable& foldTable(CaseFold fold) {
    static const FoldTable lower = makeTable(CaseFold::Lower);
    static const FoldTable upper = makeTable(CaseFold::Upper);
    return fold == CaseFold::Lower ? lower : upper;
}

int compareFolded(const FoldTable& t, std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = folded(t, a[i]);
        const unsigned char y = folded(t, b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::vector<std::uint32_t> orderFolded(const std::vector<std::string_view>& keys, CaseFold fold,
                                       bool descending) {
    const FoldTable& t = foldTable(fold);
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
