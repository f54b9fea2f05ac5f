#pragma once
// The export of the open contact file to "VRNC_<name>.csv" or
// "VRNT_<name>.txt" in the program folder, with its boxes.
#include <filesystem>
#include <string>

#include "ports/dialogs.h"
#include "store/contact_file.h"

namespace varnel {

enum class ExportFormat { Csv, Text };

// The contact file's own name without ".DAT" and ".dat": Family.DAT gives
// Family wherever the file lies, since every export goes to the program folder.
std::string exportBaseName(const std::filesystem::path& contactPath);
std::filesystem::path exportFilePath(ExportFormat format,
                                     const std::filesystem::path& programFolder,
                                     const std::string& baseName);

// The header and one contact's line, without the CR LF.
std::string exportHeader(ExportFormat format);
std::string exportLine(const ContactRecord& record, ExportFormat format);

struct ExportResult {
    enum Outcome { Created, NoContacts, Failed };
    Outcome outcome = Created;
    Answer errorAnswer = Answer::Retry;
    std::filesystem::path path;
};

ExportResult exportContacts(const ContactFile& file, const std::filesystem::path& contactPath,
                            const std::filesystem::path& programFolder, ExportFormat format,
                            Dialogs& dialogs);

}  // namespace varnel
