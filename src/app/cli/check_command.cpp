// varnel check CONTACTS.DAT: one line per damaged record, then a summary.
#include <ostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "store/contact_file.h"
#include "store/contact_file_check.h"
#include "text/run_error.h"

namespace varnel::cli {

int runCheck(const Args& args, CommandEnv& env) {
    std::string error;
    const auto parsed = Arguments::parse(args, ArgumentRules{{}, {}, {}, 1, 1}, error);
    if (!parsed) return usageError(env, "check", error);
    const std::string& name = parsed->positional()[0];
    try {
        ContactFile file;
        if (file.tryOpen(name, ContactFile::Missing::Refuse) ==
            ContactFile::OpenResult::OpenElsewhere) {
            return failure(env, name, "already open in another Varnel");
        }
        const ContactFileCheck check = checkContactFile(file);
        for (const RecordDamage& d : check.damaged) env.out << describeDamage(d) << '\n';
        const std::string counts = std::to_string(check.records) + " records, " +
                                   std::to_string(check.damaged.size()) + " damaged";
        if (!check.contactFile) {
            env.out << name << ": not a Varnel contact file (" << counts << ")\n";
            return failure(env, name, "not a Varnel contact file");
        }
        env.out << name << ": " << counts << '\n';
        if (!check.damaged.empty()) {
            return failure(env, name, std::to_string(check.damaged.size()) + " damaged records");
        }
        return Success;
    } catch (const RunError& e) {
        return failure(env, name, e.description());
    }
}

}  // namespace varnel::cli
