// varnel label --line TEXT... --position N|N-M [--centered] [--bold] [--italic]
//   (-o OUT.pdf | --printer NAME): the composer's labels.
#include <algorithm>

#include "app/cli/commands.h"
#include "app/cli/print_words.h"
#include "printing/label_position.h"
#include "printing/print_command.h"

namespace varnel::cli {

int runLabel(const Args& args, CommandEnv& env) {
    std::string error;
    const auto word = parsePrintingArgs(
        args, {{"--position"}, {"--centered", "--bold", "--italic"}, {}, 0, 0}, 5, error);
    if (!word) return usageError(env, "label", error);
    const Arguments& parsed = word->args;
    const auto position = parsed.value("--position");
    if (!position) return usageError(env, "label", "give the label position with --position");

    ComposerModel s;
    composerStart(s);
    std::copy(word->lines.begin(), word->lines.end(), s.lines.begin());
    if (parsed.has("--centered")) composerCenterClick(s);
    s.labelBold = parsed.has("--bold");
    s.labelItalic = parsed.has("--italic");

    // The position goes through the window's own prompt and its checks.
    BatchDialogs dialogs(env.dialogs);
    composerLabelClick(s);
    dialogs.answerInput(*position);
    labelPositionPrompt(s, dialogs);
    if (s.media != Media::Label) {
        return usageError(
            env, "label",
            dialogs.boxes().empty() ? "no label position" : dialogs.boxes().back().text);
    }
    return runPrinting(env, word->target, dialogs, [&](BatchDialogs& d, Printer& printer) {
        printComposer(s, d, printer, env.programFolder);
    });
}

}  // namespace varnel::cli
