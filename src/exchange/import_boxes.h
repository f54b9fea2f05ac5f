#pragma once
// The import window's import with its boxes: the counts, and in the box's
// details every contact not added and every name rewritten.
#include <cstdint>
#include <filesystem>
#include <string>

#include "exchange/contact_import.h"
#include "ports/dialogs.h"
#include "store/contact_file.h"

namespace varnel {

struct ImportResult {
    enum Outcome {
        Completed,      // "Import completed" was shown
        NotCompatible,  // "No contacts imported": no name or e-mail column
        NotText,        // "No contacts imported": a binary file
        Failed,         // the error box was shown
    };
    Outcome outcome = Completed;
    std::int32_t appended = 0;
    Answer errorAnswer = Answer::Retry;  // Failed: what the user chose
};

// Appends every new contact of the CSV or vCard file `source` to `file`.
// `remindersOn` is the file's reminder setting, written into each record's
// BdayReminder. Records appended before an error stay in the file.
ImportResult importContactsFile(ContactFile& file, const std::filesystem::path& source,
                                bool remindersOn, Dialogs& dialogs);

// The details of the "Import completed" box; empty when all went in as read.
std::string importDetails(const ImportReport& report);

// The Open button's test that the chosen file can be read; shows the error
// box and returns false when it cannot (answer in `answer`).
bool checkImportFileReadable(const std::filesystem::path& source, Dialogs& dialogs, Answer& answer);

}  // namespace varnel
