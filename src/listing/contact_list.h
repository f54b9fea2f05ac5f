#pragma once
// The list window's working set: lines kept in ascending order of their whole
// text without regard to case, or by one column once the user asks, each with
// the record number of its contact. Cut, Copy and Paste edit it; the
// printouts read it in this order.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "listing/list_lines.h"

namespace varnel {

// The columns of a line are its tab-separated pieces; the last column holds
// the rest of the line. Ordering by column 0 to 6, or by the whole line.
inline constexpr int kListColumns = 7;
inline constexpr int kWholeLine = -1;

struct ListOrder {
    int column = kWholeLine;
    bool descending = false;
    friend bool operator==(const ListOrder&, const ListOrder&) = default;
};

// The text under `column` (0 to 6), without leading and trailing blanks;
// empty when the line has fewer pieces.
std::string_view listColumn(std::string_view line, int column);

class ContactList {
public:
    const std::vector<ListLine>& lines() const { return lines_; }
    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    const ListLine& operator[](std::size_t i) const { return lines_[i]; }

    // Empties the list; a new list starts in the order of its whole lines.
    void clear() {
        lines_.clear();
        order_ = {};
    }

    const ListOrder& order() const { return order_; }
    // Reorders every line; lines that compare equal keep their order.
    void sortBy(ListOrder order);

    // Adds lines, each sorted in after the lines that compare equal to it.
    // Returns where every line held before the call now stands.
    std::vector<std::size_t> add(std::vector<ListLine> added);
    void add(ListLine line) { add(std::vector<ListLine>{std::move(line)}); }

    // Removes the lines at the given positions (any order, duplicates allowed).
    void removeAt(std::vector<std::size_t> positions);

private:
    std::vector<ListLine> lines_;
    ListOrder order_;
};

// What Copy and Cut put on the clipboard: CR LF before each chosen line, in
// list order. No line gives the empty text.
std::string clipboardTextOf(const ContactList& list, std::vector<std::size_t> positions);

// Paste: the clipboard text split at every CR LF, empty pieces included; each
// piece a line with no contact behind it. An empty clipboard gives no line.
std::vector<ListLine> pastedLines(std::string_view clipboard);

}  // namespace varnel
