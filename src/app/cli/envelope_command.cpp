// varnel envelope --line TEXT... --size 10|6-3/4|A2|A7|A8|A10 [--bold|--large]
//   (-o OUT.pdf | --printer NAME): the composer's envelope.
#include <algorithm>
#include <array>

#include "app/cli/commands.h"
#include "app/cli/print_words.h"
#include "printing/print_command.h"

namespace varnel::cli {

namespace {

// The sizes in the order of the composer's list.
constexpr std::array<const char*, 6> kSizeWords = {"10", "6-3/4", "A2", "A7", "A8", "A10"};

}  // namespace

int runEnvelope(const Args& args, CommandEnv& env) {
    std::string error;
    const auto word =
        parsePrintingArgs(args, {{"--size"}, {"--bold", "--large"}, {}, 0, 0}, 5, error);
    if (!word) return usageError(env, "envelope", error);
    const Arguments& parsed = word->args;
    const std::string size = parsed.value("--size").value_or("");
    int index = -1;
    for (std::size_t i = 0; i < kSizeWords.size(); ++i) {
        if (size == kSizeWords[i]) index = static_cast<int>(i);
    }
    if (index < 0) return usageError(env, "envelope", "--size takes 10, 6-3/4, A2, A7, A8 or A10");

    ComposerModel s;
    composerStart(s);
    std::copy(word->lines.begin(), word->lines.end(), s.lines.begin());
    composerEnvelopeClick(s);
    composerEnvelopeSizeClick(s, index);
    s.envelopeBold = parsed.has("--bold");
    s.envelopeLarge = parsed.has("--large");

    BatchDialogs dialogs(env.dialogs);
    return runPrinting(env, word->target, dialogs, [&](BatchDialogs& d, Printer& printer) {
        printComposer(s, d, printer, env.programFolder);
    });
}

}  // namespace varnel::cli
