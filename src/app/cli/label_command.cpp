// varnel label --line TEXT... --position N|N-M [--centered] [--bold] [--italic]
//   (-o OUT.pdf | --printer NAME): the composer's labels.
#include "app/cli/commands.h"
#include "app/cli/print_words.h"
#include "printing/label_position.h"
#include "printing/print_command.h"

namespace varnel::cli {

int runLabel(const Args& args, CommandEnv& env) {
    std::string error;
    const ArgumentRules rules =
        withTarget({{"--position"}, {"--centered", "--bold", "--italic"}, {"--line"}, 0, 0});
    const auto parsed = Arguments::parse(args, rules, error);
    if (!parsed) return usageError(env, "label", error);
    const auto target = printTarget(*parsed, error);
    if (!target) return usageError(env, "label", error);
    const auto lines = lineValues(*parsed, 5, error);
    if (!lines) return usageError(env, "label", error);
    const auto position = parsed->value("--position");
    if (!position) return usageError(env, "label", "give the label position with --position");

    ComposerState s;
    composerStart(s);
    for (std::size_t i = 0; i < lines->size(); ++i) s.lines[i] = (*lines)[i];
    if (parsed->has("--centered")) composerCenterClick(s);
    s.chkLblBold = parsed->has("--bold");
    s.chkLblItalic = parsed->has("--italic");

    // The position goes through the window's own prompt and its checks.
    BatchDialogs dialogs(env.dialogs);
    composerLabelClick(s);
    dialogs.answerInput(*position);
    labelPositionPrompt(s, dialogs);
    if (!s.optVRLabel) {
        return usageError(
            env, "label",
            dialogs.boxes().empty() ? "no label position" : dialogs.boxes().back().text);
    }
    return runPrinting(env, *target, dialogs, [&](BatchDialogs& d, Printer& printer) {
        printComposer(s, d, printer, env.programFolder);
    });
}

}  // namespace varnel::cli
