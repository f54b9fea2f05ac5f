#include "app/cli/contact_search.h"

#include <array>

#include "listing/search_kind.h"
#include "text/codepage.h"
#include "text/strings.h"

namespace varnel::cli {

namespace {

struct FieldName {
    const char* record;
    const char* word;
    std::int16_t kind;
};

constexpr std::array<FieldName, 8> kFields = {{
    {"firstname", "first", 0},
    {"lastname", "last", 1},
    {"city", "city", 2},
    {"state", "state", 3},
    {"zip", "zip", 4},
    {"email", "email", 5},
    {"category", "category", 6},
    {"company", "company", 8},
}};

}  // namespace

std::optional<ListQuery> contactQuery(const Arguments& args, std::string& error) {
    ListQuery query;
    if (const auto sort = args.value("--sort")) {
        if (*sort == "first") {
            query.nameOrder = 0;
        } else if (*sort == "last") {
            query.nameOrder = 1;
        } else {
            error = "--sort takes first or last";
            return std::nullopt;
        }
    }
    if (const auto search = args.value("--search")) {
        const std::size_t eq = search->find('=');
        if (eq == std::string::npos || eq + 1 == search->size()) {
            error = "--search takes FIELD=TEXT";
            return std::nullopt;
        }
        const std::string field = toLowerCp1252(search->substr(0, eq));
        for (const FieldName& f : kFields) {
            if (field == f.record || field == f.word) query.searchKind = f.kind;
        }
        if (query.searchKind == kSearchAll) {
            error = "cannot search the field " + search->substr(0, eq);
            return std::nullopt;
        }
        query.searchText = utf8ToCp1252(search->substr(eq + 1));
    }
    return query;
}

ContactList listContacts(const ContactFile& file, const ListQuery& query) {
    ContactList list;
    list.add(buildListLines(file, query));
    return list;
}

}  // namespace varnel::cli
