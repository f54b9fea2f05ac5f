#include "app/cli/command_line.h"

#include <ostream>
#include <vector>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "text/run_error.h"

namespace varnel::cli {

namespace {

// Each word's run function lives in its own file; --help lists them in this order.
const std::vector<Command>& commands() {
    static const std::vector<Command> all = {
        {"import", "SOURCE CONTACTS.DAT [--dry-run]", "CSV or vCard into a contact file",
         runImport},
        {"export",
         "CONTACTS.DAT --format csv|text|vcard [--encoding utf-8|utf-8-bom|windows-1252] [-o OUT]",
         "every contact to a CSV, text or vCard file", runExport},
        {"list", "CONTACTS.DAT [--search FIELD=TEXT] [--sort first|last]",
         "the contacts as tab-separated text", runList},
        {"check", "CONTACTS.DAT",
         "is it a sound contact file? One line per damaged record, then a summary; exit 0 when "
         "sound, 1 when records are damaged or it is no contact file",
         runCheck},
        {"delete", "CONTACTS.DAT RECORD",
         "deletes one record as the contact browser does; the records after it move down",
         runDelete},
        {"labels",
         "CONTACTS.DAT [--search FIELD=TEXT] [--sort first|last] [--bold] [--italic] "
         "(-o OUT.pdf | --printer NAME)",
         "labels for the listed contacts, 30 to a sheet (Avery 5160)", runLabels},
        {"label",
         "--line TEXT... --position N|N-M [--centered] [--bold] [--italic] "
         "(-o OUT.pdf | --printer NAME)",
         "the typed lines on label positions N to M of a 30-label sheet", runLabel},
        {"envelope",
         "--line TEXT... --size 10|6-3/4|A2|A7|A8|A10 [--bold|--large] "
         "(-o OUT.pdf | --printer NAME)",
         "the typed lines on an envelope", runEnvelope},
        {"return-labels", "--line TEXT... (-o OUT.pdf | --printer NAME)",
         "80 return-address labels of up to 3 lines (Avery 5167)", runReturnLabels},
        {"test-page", "--stock 5160|5167 (-o OUT.pdf | --printer NAME)",
         "the alignment page: label outlines, corner crosses and rulers", runTestPage},
    };
    return all;
}

void printHelp(std::ostream& out) {
    out << "Usage: varnel                  start the address book and label printer\n"
           "       varnel --help | --version\n";
    for (const Command& c : commands())
        out << "       varnel " << c.word << ' ' << c.synopsis << '\n';
    out << "\nCommands:\n";
    for (const Command& c : commands()) out << "  " << c.word << "  " << c.summary << '\n';
    out << "\nExit status: 0 success, 1 failure, 2 wrong usage. Text is UTF-8.\n";
}

}  // namespace

int runCommandLine(const Args& args, CommandEnv& env) {
    if (args.empty()) return usageError(env, "", "no command");
    const std::string& word = args.front();
    if (word == "--help" || word == "-h" || word == "help") {
        printHelp(env.out);
        return Success;
    }
    if (word == "--version") {
        env.out << "varnel " << VARNEL_VERSION << '\n';
        return Success;
    }
    for (const Command& c : commands()) {
        if (word != c.word) continue;
        Args rest(args.begin() + 1, args.end());
        if (!rest.empty() && (rest.front() == "--help" || rest.front() == "-h")) {
            env.out << "Usage: varnel " << c.word << ' ' << c.synopsis << '\n' << c.summary << '\n';
            return Success;
        }
        try {
            return c.run(rest, env);
        } catch (const RunError& e) {
            return failure(env, word, e.description());
        }
    }
    env.err << "varnel: unknown command '" << word << "'\nTry 'varnel --help'.\n";
    return Usage;
}

}  // namespace varnel::cli
