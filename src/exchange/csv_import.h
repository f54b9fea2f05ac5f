#pragma once
// The import of a CSV file into the open contact file, with its boxes.
#include <cstdint>
#include <filesystem>

#include "ports/dialogs.h"
#include "store/contact_file.h"

namespace varnel {

struct ImportResult {
    enum Outcome {
        Completed,      // "Import completed" was shown
        Refused,        // the header was refused without a message
        NotCompatible,  // "No contacts imported" was shown
        Failed,         // the error box was shown
    };
    Outcome outcome = Completed;
    std::int32_t appended = 0;
    Answer errorAnswer = Answer::Retry;  // Failed: what the user chose
};

// Appends every new contact of `csvPath` to `file`. `remindersOn` is the
// file's reminder setting, written into each record's BdayReminder. Records
// appended before an error stay in the file.
ImportResult importCsvFile(ContactFile& file, const std::filesystem::path& csvPath,
                           bool remindersOn, Dialogs& dialogs);

// The Open button's test that the chosen file can be read; shows the error
// box and returns false when it cannot (answer in `answer`).
bool checkImportFileReadable(const std::filesystem::path& csvPath, Dialogs& dialogs,
                             Answer& answer);

}  // namespace varnel
