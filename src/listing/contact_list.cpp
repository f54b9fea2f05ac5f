#include "listing/contact_list.h"

#include <algorithm>

#include "listing/list_order.h"

namespace varnel {

namespace {

bool lineLess(const ListLine& a, const ListLine& b) { return lessIgnoringCase(a.text, b.text); }

void sortUnique(std::vector<std::size_t>& positions, std::size_t size) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    while (!positions.empty() && positions.back() >= size) positions.pop_back();
}

}  // namespace

std::vector<std::size_t> ContactList::add(std::vector<ListLine> added) {
    // Sort the newcomers once and merge: pasting 10,000 lines into 100,000
    // must not shift the whole list per line.
    std::stable_sort(added.begin(), added.end(), lineLess);
    std::vector<ListLine> merged;
    merged.reserve(lines_.size() + added.size());
    std::vector<std::size_t> moved(lines_.size());
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < lines_.size() || j < added.size()) {
        // Equal texts: the line already in the list stays first.
        bool takeOld = j == added.size() || (i < lines_.size() && !lineLess(added[j], lines_[i]));
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
