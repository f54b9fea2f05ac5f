#include "app/cli/contact_search.h"

#include "listing/contact_table.h"

namespace varnel::cli {

std::optional<ListQuery> contactQuery(const Arguments& args, std::string& error) {
    ListQuery query;
    if (const auto sort = args.value("--sort")) {
        if (*sort != "first" && *sort != "last") {
            error = "--sort takes first or last";
            return std::nullopt;
        }
        query.nameOrder = *sort == "first" ? 0 : 1;
    }
    if (const auto search = args.value("--search");
        search && !parseTableSearch(*search, query, error)) {
        return std::nullopt;
    }
    return query;
}

ContactList listContacts(const ContactFile& file, const ListQuery& query) {
    ContactList list;
    list.add(buildListLines(file, query));
    return list;
}

}  // namespace varnel::cli
