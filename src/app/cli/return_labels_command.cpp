// varnel return-labels --line TEXT... (-o OUT.pdf | --printer NAME): a sheet of
// 80 return-address labels.
#include <algorithm>

#include "app/cli/commands.h"
#include "app/cli/print_words.h"
#include "printing/return_address.h"

namespace varnel::cli {

int runReturnLabels(const Args& args, CommandEnv& env) {
    std::string error;
    const auto word = parsePrintingArgs(args, {}, 3, error);
    if (!word) return usageError(env, "return-labels", error);

    ComposerModel s;
    composerStart(s);
    std::copy(word->lines.begin(), word->lines.end(), s.lines.begin());
    BatchDialogs dialogs(env.dialogs);
    return runPrinting(env, word->target, dialogs, [&](BatchDialogs& d, Printer& printer) {
        printReturnAddressLabels(s, d, printer, env.programFolder);
    });
}

}  // namespace varnel::cli
