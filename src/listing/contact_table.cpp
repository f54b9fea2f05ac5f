#include "listing/contact_table.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string_view>

#include "listing/list_order.h"
#include "listing/search_kind.h"
#include "text/codepage.h"
#include "text/strings.h"

namespace varnel {

namespace {

constexpr const char* kFieldNames[kFieldCount] = {
    "FirstName", "MI",      "LastName",  "Street1",        "Street2",      "City",  "State",
    "Zip",       "Country", "HomePhone", "CellPhone",      "WorkPhone",    "Email", "Birthdate",
    "Category",  "Notes",   "Company",   "IncludeCompany", "BdayReminder",
};

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return toLowerCp1252(a) == toLowerCp1252(b);
}

// A value on one row: tabs and line breaks would break the table.
void appendCell(std::string& row, std::string_view cp1252) {
    std::string cell(trimSpaces(cp1252));
    for (char& c : cell) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    row += isAscii(cell) ? cell : cp1252ToUtf8(cell);
}

}  // namespace

const char* fieldName(Field field) { return kFieldNames[static_cast<std::size_t>(field)]; }

bool parseTableSearch(std::string_view option, ListQuery& query, std::string& error) {
    const std::size_t eq = option.find('=');
    const std::string_view name = option.substr(0, eq);
    for (const SearchKindInfo& info : kSearchKinds) {
        if (info.kind == kSearchAll || !sameIgnoringCase(name, fieldName(info.field))) continue;
        if (eq == std::string_view::npos) break;
        query.searchKind = info.kind;
        query.searchText = utf8ToCp1252(option.substr(eq + 1));
        return true;
    }
    error =
        "--search takes FIELD=TEXT, FIELD one of FirstName, LastName, City, State, Zip, "
        "Email, Category, Company";
    return false;
}

std::string contactTable(const ContactFile& file, const ListQuery& query, bool sorted) {
    const std::vector<ContactRecord> records = file.readAll();
    const std::vector<ListLine> lines = buildListLines(records, query);
    std::vector<std::uint32_t> order(lines.size());
    std::iota(order.begin(), order.end(), 0u);
    if (sorted) {
        std::vector<std::string_view> keys(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) keys[i] = lines[i].text;
        order = orderIgnoringCase(keys);
    }
    std::string table = "Record";
    for (const char* name : kFieldNames) table.append("\t").append(name);
    table += '\n';
    table.reserve(table.size() + lines.size() * 200);
    for (std::uint32_t at : order) {
        const ListLine& line = lines[at];
        const ContactRecord& r = records[static_cast<std::size_t>(line.record - 1)];
        table += std::to_string(line.record);
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            table += '\t';
            appendCell(table, r.raw(static_cast<Field>(f)));
        }
        table += '\n';
    }
    return table;
}

}  // namespace varnel
