#include "listing/contact_list.h"

#include <algorithm>
#include <cstdint>

#include "listing/list_order.h"
#include "text/strings.h"

namespace varnel {

namespace {

std::string_view sortKey(const ListLine& line, int column) {
    return column == kWholeLine ? std::string_view(line.text) : listColumn(line.text, column);
}

bool lineLess(const ListLine& a, const ListLine& b, const ListOrder& order) {
    const std::string_view x = sortKey(a, order.column);
    const std::string_view y = sortKey(b, order.column);
    return order.descending ? lessIgnoringCase(y, x) : lessIgnoringCase(x, y);
}

// Lines in the given order, moved, in one sort of precomputed keys.
void sortLines(std::vector<ListLine>& lines, const ListOrder& order) {
    std::vector<std::string_view> keys;
    keys.reserve(lines.size());
    for (const ListLine& line : lines) keys.push_back(sortKey(line, order.column));
    const std::vector<std::uint32_t> at = orderIgnoringCase(keys, order.descending);
    std::vector<ListLine> sorted;
    sorted.reserve(lines.size());
    for (std::uint32_t i : at) sorted.push_back(std::move(lines[i]));
    lines = std::move(sorted);
}

void sortUnique(std::vector<std::size_t>& positions, std::size_t size) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    while (!positions.empty() && positions.back() >= size) positions.pop_back();
}

}  // namespace

std::string_view listColumn(std::string_view line, int column) {
    std::size_t start = 0;
    for (int piece = 0; piece < column; ++piece) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) return {};
        start = tab + 1;
    }
    std::size_t end = column == kListColumns - 1 ? line.size() : line.find('\t', start);
    if (end == std::string_view::npos) end = line.size();
    return trimSpaces(line.substr(start, end - start));
}

void ContactList::sortBy(ListOrder order) {
    order_ = order;
    sortLines(lines_, order_);
}

std::vector<std::size_t> ContactList::add(std::vector<ListLine> added) {
    // Sort the newcomers once and merge: pasting 10,000 lines into 100,000
    // must not shift the whole list per line.
    sortLines(added, order_);
    if (lines_.empty()) {
        lines_ = std::move(added);
        return {};
    }

    std::vector<ListLine> merged;
    merged.reserve(lines_.size() + added.size());
    std::vector<std::size_t> moved(lines_.size());
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < lines_.size() || j < added.size()) {
        // Equal texts: the line already in the list stays first.
        bool takeOld =
            j == added.size() || (i < lines_.size() && !lineLess(added[j], lines_[i], order_));
        if (takeOld) {
            moved[i] = merged.size();
            merged.push_back(std::move(lines_[i++]));
        } else {
            merged.push_back(std::move(added[j++]));
        }
    }
    lines_ = std::move(merged);
    return moved;
}

void ContactList::removeAt(std::vector<std::size_t> positions) {
    sortUnique(positions, lines_.size());
    if (positions.empty()) return;
    std::size_t out = positions.front();
    std::size_t next = 0;
    for (std::size_t in = positions.front(); in < lines_.size(); ++in) {
        if (next < positions.size() && positions[next] == in) {
            ++next;
            continue;
        }
        lines_[out++] = std::move(lines_[in]);
    }
    lines_.resize(out);
}

std::string clipboardTextOf(const ContactList& list, std::vector<std::size_t> positions) {
    sortUnique(positions, list.size());
    std::string text;
    for (std::size_t p : positions) text.append("\r\n").append(list[p].text);
    return text;
}

std::vector<ListLine> pastedLines(std::string_view clipboard) {
    std::vector<ListLine> lines;
    // Like splitting an empty text: nothing to paste.
    if (clipboard.empty()) return lines;
    std::size_t start = 0;
    while (true) {
        std::size_t hit = clipboard.find("\r\n", start);
        if (hit == std::string_view::npos) {
            lines.push_back({std::string(clipboard.substr(start)), 0});
            break;
        }
        lines.push_back({std::string(clipboard.substr(start, hit - start)), 0});
        start = hit + 2;
    }
    return lines;
}

}  // namespace varnel
