// varnel return-labels --line TEXT... (-o OUT.pdf | --printer NAME): a sheet of
// 80 return-address labels.
#include "app/cli/commands.h"
#include "app/cli/print_words.h"
#include "printing/return_address.h"

namespace varnel::cli {

int runReturnLabels(const Args& args, CommandEnv& env) {
    std::string error;
    const auto parsed = Arguments::parse(args, withTarget({{}, {}, {"--line"}, 0, 0}), error);
    if (!parsed) return usageError(env, "return-labels", error);
    const auto target = printTarget(*parsed, error);
    if (!target) return usageError(env, "return-labels", error);
    const auto lines = lineValues(*parsed, 3, error);
    if (!lines) return usageError(env, "return-labels", error);

    ComposerState s;
    composerStart(s);
    for (std::size_t i = 0; i < lines->size(); ++i) s.lines[i] = (*lines)[i];
    BatchDialogs dialogs(env.dialogs);
    return runPrinting(env, *target, dialogs, [&](BatchDialogs& d, Printer& printer) {
        printReturnAddressLabels(s, d, printer, env.programFolder);
    });
}

}  // namespace varnel::cli
