#pragma once
// The import of a CSV or vCard file into a contact file, without any box: the
// import window and the command line's `import` both stand on it.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "store/contact_file.h"

namespace varnel {

struct ImportReport {
    enum Outcome {
        Completed,      // every contact was read
        NotCompatible,  // no column names a name or an e-mail
        NotText,        // the file holds binary data
    };
    Outcome outcome = Completed;
    std::int32_t imported = 0;
    std::int32_t duplicates = 0;
    std::int32_t skipped = 0;
    // One line per contact not added, with the reason ("Line 4: Ann Lee: duplicate of record
    // 12 (Ann Lee)"), in file order; UTF-8.
    std::vector<std::string> notAdded;
    // Names written in other letters to fit the code page, and other things
    // the user should know about contacts that were added; UTF-8.
    std::vector<std::string> notes;
};

// Appends every new contact of `source` to `file` (nothing when `dryRun`).
// `remindersOn` is written into each record's BdayReminder. Raises RunError
// when a file cannot be read or written; records appended before stay.
ImportReport importContacts(ContactFile& file, const std::filesystem::path& source,
                            bool remindersOn, bool dryRun = false);

// "imported 3, duplicates 1, skipped 0"
std::string importSummary(const ImportReport& report);

}  // namespace varnel
