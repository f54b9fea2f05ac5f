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

// The rules plus -o and --printer.
ArgumentRules withTarget(ArgumentRules rules);

// -o OUT.pdf or --printer NAME, exactly one of them.
std::optional<PrintTarget> printTarget(const Arguments& args, std::string& error);

// The --line values as Windows-1252, at most `most` of them.
std::optional<std::vector<std::string>> lineValues(const Arguments& args, std::size_t most,
                                                   std::string& error);

// Runs `command` with batch dialogs on a printer for `target`. Success when
// it printed; otherwise a failure naming the destination with the reason
// the command's last box gave. Lines cut to fit their label are reported on
// stderr as warnings.
using PrintingCommand = std::function<void(BatchDialogs&, Printer&)>;
int runPrinting(CommandEnv& env, const PrintTarget& target, BatchDialogs& dialogs,
                const PrintingCommand& command);

}  // namespace varnel::cli
