// varnel labels CONTACTS.DAT [--search FIELD=TEXT] [--sort first|last] [--bold] [--italic]
//   (-o OUT.pdf | --printer NAME): the list window's "Print labels".
#include <filesystem>

#include "app/cli/commands.h"
#include "app/cli/contact_search.h"
#include "app/cli/print_words.h"
#include "listing/result_labels.h"
#include "text/run_error.h"

namespace varnel::cli {

int runLabels(const Args& args, CommandEnv& env) {
    std::string error;
    const auto word = parsePrintingArgs(
        args, {{"--search", "--sort"}, {"--bold", "--italic"}, {}, 1, 1}, 0, error);
    if (!word) return usageError(env, "labels", error);
    const Arguments& parsed = word->args;
    const auto query = contactQuery(parsed, error);
    if (!query) return usageError(env, "labels", error);

    const std::filesystem::path path = parsed.positional().front();
    if (!std::filesystem::is_regular_file(path))
        return failure(env, path.string(), "File not found");
    ContactFile file;
    ContactList list;
    try {
        file.open(path);
        list = listContacts(file, *query);
    } catch (const RunError& e) {
        return failure(env, path.string(), e.description());
    }

    BatchDialogs dialogs(env.dialogs);
    return runPrinting(env, word->target, dialogs, [&](BatchDialogs& d, Printer& printer) {
        ResultLabelRequest request{list,
                                   file,
                                   env.programFolder,
                                   parsed.has("--bold"),
                                   parsed.has("--italic"),
                                   PrintMode::Print,
                                   path.stem().string()};
        printSearchResultLabels(request, d, printer);
    });
}

}  // namespace varnel::cli
