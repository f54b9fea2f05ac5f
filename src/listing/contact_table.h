#pragma once
// The contact file as tab-separated text: a header row, then one row per
// contact that passes the list's search, with its record number and every
// field trimmed, in UTF-8. The command line's `list` prints it.
#include <string>
#include <string_view>

#include "listing/list_lines.h"
#include "store/contact_file.h"

namespace varnel {

// The record field's name as the table's header gives it ("FirstName").
const char* fieldName(Field field);

// Reads "FIELD=TEXT" into the query's search (FIELD: FirstName, LastName,
// City, State, Zip, Email, Category or Company, in any case); false with
// `error` set when it names no searchable field.
bool parseTableSearch(std::string_view option, ListQuery& query, std::string& error);

// Rows in file order, or, when `sorted`, in the list window's order for the
// query's name order.
std::string contactTable(const ContactFile& file, const ListQuery& query, bool sorted);

}  // namespace varnel
