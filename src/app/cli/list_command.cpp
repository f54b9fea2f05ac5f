// varnel list CONTACTS.DAT [--search FIELD=TEXT] [--sort first|last]
#include <ostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "listing/contact_table.h"
#include "text/run_error.h"

namespace varnel::cli {

int runList(const Args& args, CommandEnv& env) {
    std::string error;
    const auto parsed = Arguments::parse(args, {{"--search", "--sort"}, {}, {}, 1, 1}, error);
    if (!parsed) return usageError(env, "list", error);
    const std::string contacts = parsed->positional()[0];

    ListQuery query;
    if (auto search = parsed->value("--search");
        search && !parseTableSearch(*search, query, error)) {
        return usageError(env, "list", error);
    }
    bool sorted = false;
    if (auto sort = parsed->value("--sort")) {
        if (*sort != "first" && *sort != "last") {
            return usageError(env, "list", "--sort takes first or last");
        }
        sorted = true;
        query.nameOrder = *sort == "first" ? 0 : 1;
    }

    std::error_code ec;
    if (!std::filesystem::is_regular_file(contacts, ec)) {
        return failure(env, contacts, RunError::describe(RunError::FileNotFound));
    }
    try {
        ContactFile file;
        file.open(contacts);
        env.out << contactTable(file, query, sorted);
    } catch (const RunError& e) {
        return failure(env, contacts, e.description());
    }
    return Success;
}

}  // namespace varnel::cli
