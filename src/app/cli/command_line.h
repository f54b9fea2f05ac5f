#pragma once
// The command line: `varnel WORD ...` runs one command without a window.
// Exit codes: 0 success, 1 failure (one line on stderr naming the file and
// the reason), 2 wrong usage.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace varnel {

class Dialogs;
class Printer;

namespace cli {

enum ExitCode { Success = 0, Failure = 1, Usage = 2 };

// Where a printing word sends its document: a PDF file or a named printer.
struct PrintTarget {
    std::filesystem::path pdfPath;  // set for -o
    std::string printerName;        // set for --printer
};

// What a command needs from its surroundings; tests give string streams.
struct CommandEnv {
    std::ostream& out;
    std::ostream& err;
    std::filesystem::path programFolder;
    // A printer for the target, or null when printing is not available. The
    // window program's renderer stands behind it, so -o gives the same PDF as
    // the print dialog's "Print to File (PDF)".
    std::function<std::unique_ptr<Printer>(const PrintTarget&)> makePrinter;
    // The program's settings store (a printer's calibration); no box of it is
    // ever shown. Null: no stored settings.
    Dialogs* dialogs = nullptr;
};

using Args = std::vector<std::string>;

// Runs `args` (without the program name); the first is the command word or
// --help / --version.
int runCommandLine(const Args& args, CommandEnv& env);

}  // namespace cli
}  // namespace varnel
