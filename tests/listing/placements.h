#pragma once
// Reading a printed Document back as rows of (column, text), as a user reads
// a printout.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ports/document.h"

namespace varnel::testing {

struct PrintedRow {
    int page = 0;
    int row = 0;
    double y = 0.0;
    std::vector<std::pair<int, std::string>> items;  // column, text
};

inline std::vector<PrintedRow> printedRows(const Document& doc) {
    std::map<std::pair<int, int>, PrintedRow> rows;
    for (const Placement& p : doc.placements) {
        PrintedRow& r = rows[{p.page, p.row}];
        r.page = p.page;
        r.row = p.row;
        r.y = p.y;
        r.items.emplace_back(p.column, p.text);
    }
    std::vector<PrintedRow> out;
    for (auto& [key, r] : rows) out.push_back(std::move(r));
    return out;
}

using Items = std::vector<std::pair<int, std::string>>;

}  // namespace varnel::testing
