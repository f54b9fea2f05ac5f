// varnel delete CONTACTS.DAT RECORD: the deletion the contact browser does.
#include <charconv>
#include <ostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "contacts/contact_delete.h"
#include "store/contact_file.h"
#include "store/contact_file_check.h"
#include "text/codepage.h"
#include "text/run_error.h"

namespace varnel::cli {

namespace {

std::optional<std::int32_t> recordNumber(const std::string& text) {
    std::int32_t k = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), k);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return k;
}

}  // namespace

int runDelete(const Args& args, CommandEnv& env) {
    std::string error;
    const auto parsed = Arguments::parse(args, ArgumentRules{{}, {}, {}, 2, 2}, error);
    if (!parsed) return usageError(env, "delete", error);
    const std::string& name = parsed->positional()[0];
    const std::optional<std::int32_t> k = recordNumber(parsed->positional()[1]);
    if (!k) return usageError(env, "delete", "RECORD must be a record number");
    try {
        ContactFile file;
        if (file.tryOpen(name, ContactFile::Missing::Refuse) ==
            ContactFile::OpenResult::OpenElsewhere) {
            return failure(env, name, "already open in another Varnel");
        }
        if (!checkContactFile(file).contactFile) {
            return failure(env, name, "not a Varnel contact file");
        }
        const std::int32_t count = file.recordCount();
        if (*k < 1 || *k > count) {
            return failure(env, name,
                           "no record " + std::to_string(*k) + " (the file has " +
                               std::to_string(count) + " records)");
        }
        const ContactRecord gone = file.readRecord(*k);
        deleteContact(file, *k);
        env.out << "deleted record " << *k << " ("
                << cp1252ToUtf8(gone.get(Field::FirstName) + " " + gone.get(Field::LastName))
                << "), " << file.recordCount() << " records left\n";
        return Success;
    } catch (const RunError& e) {
        return failure(env, name, e.description());
    }
}

}  // namespace varnel::cli
