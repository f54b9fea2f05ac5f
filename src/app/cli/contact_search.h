#pragma once
// --search FIELD=TEXT and --sort first|last: the list window's search and
// order, for the words that work on a list of contacts.
#include <optional>
#include <string>

#include "app/cli/arguments.h"
#include "listing/contact_list.h"
#include "listing/list_lines.h"
#include "store/contact_file.h"

namespace varnel::cli {

// The query of the options, the search as `list` reads it; empty with
// `error` set when one is not understood.
std::optional<ListQuery> contactQuery(const Arguments& args, std::string& error);

// Every contact that passes the query, in the list window's order.
ContactList listContacts(const ContactFile& file, const ListQuery& query);

}  // namespace varnel::cli
