// varnel import SOURCE CONTACTS.DAT [--dry-run]
#include <ostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "birthdays/reminders.h"
#include "exchange/contact_import.h"
#include "text/run_error.h"

namespace varnel::cli {

namespace {

// Errors of reading the source name the source; the others the contact file.
bool isReadError(const RunError& e) {
    switch (e.number()) {
        case RunError::FileNotFound:
        case RunError::InputPastEndOfFile:
        case RunError::PathFileAccessError:
        case RunError::PathNotFound:
            return true;
        default:
            return false;
    }
}

}  // namespace

int runImport(const Args& args, CommandEnv& env) {
    std::string error;
    const auto parsed = Arguments::parse(args, {{}, {"--dry-run"}, {}, 2, 2}, error);
    if (!parsed) return usageError(env, "import", error);
    const std::string source = parsed->positional()[0];
    const std::string contacts = parsed->positional()[1];

    ContactFile file;
    try {
        file.open(contacts);
    } catch (const RunError& e) {
        return failure(env, contacts, e.description());
    }
    ImportReport report;
    try {
        const bool remindersOn = readReminderSetting(file) != ReminderSetting::Off;
        report = importContacts(file, source, remindersOn, parsed->has("--dry-run"));
    } catch (const RunError& e) {
        return failure(env, isReadError(e) ? source : contacts, e.description());
    }
    switch (report.outcome) {
        case ImportReport::NotCompatible:
            return failure(env, source, "CSV file not compatible with import function.");
        case ImportReport::NotText:
            return failure(env, source, "not a CSV or vCard text file");
        case ImportReport::Completed:
            break;
    }
    for (const std::string& line : report.notAdded) env.out << line << '\n';
    env.out << importSummary(report) << '\n';
    return Success;
}

}  // namespace varnel::cli
