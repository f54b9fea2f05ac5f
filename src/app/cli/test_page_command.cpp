// varnel test-page --stock 5160|5167 (-o OUT.pdf | --printer NAME): the
// Margins menu's alignment page.
#include "app/cli/commands.h"
#include "app/cli/print_words.h"
#include "printing/alignment_page.h"

namespace varnel::cli {

int runTestPage(const Args& args, CommandEnv& env) {
    std::string error;
    const auto word = parsePrintingArgs(args, {{"--stock"}, {}, {}, 0, 0}, 0, error);
    if (!word) return usageError(env, "test-page", error);
    const std::string stock = word->args.value("--stock").value_or("");
    if (stock != "5160" && stock != "5167")
        return usageError(env, "test-page", "--stock takes 5160 or 5167");
    const LabelSheet& sheet = stock == "5160" ? kAvery5160 : kAvery5167;

    BatchDialogs dialogs(env.dialogs);
    return runPrinting(env, word->target, dialogs, [&](BatchDialogs& d, Printer& printer) {
        printAlignmentPage(sheet, d, printer, env.programFolder);
    });
}

}  // namespace varnel::cli
