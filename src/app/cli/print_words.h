#pragma once
// What the printing words share: the destination options, a printer for
// them, and the run of a window command through batch ports.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/cli/arguments.h"
#include "app/cli/batch_ports.h"
#include "app/cli/command_line.h"

namespace varnel::cli {

// A printing word's arguments: its own rules plus -o OUT.pdf or --printer
// NAME (exactly one), and, when `mostLines` is above 0, one to `mostLines`
// --line values.
struct PrintingArgs {
    Arguments args;
    PrintTarget target;
    std::vector<std::string> lines;  // Windows-1252
};
std::optional<PrintingArgs> parsePrintingArgs(const Args& args, ArgumentRules rules,
                                              std::size_t mostLines, std::string& error);

// Runs `command` with batch dialogs on a printer for `target`. Success when
// it printed; otherwise a failure naming the destination with the reason
// the command's last box gave. Lines cut to fit their label are reported on
// stderr as warnings.
using PrintingCommand = std::function<void(BatchDialogs&, Printer&)>;
int runPrinting(CommandEnv& env, const PrintTarget& target, BatchDialogs& dialogs,
                const PrintingCommand& command);

}  // namespace varnel::cli
