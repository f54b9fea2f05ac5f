#pragma once
// The export of the open contact file to "VRNC_<name>.csv" or
// "VRNT_<name>.txt" in the program folder, with its boxes.
#include <cstdint>
#include <filesystem>
#include <string>

#include "ports/dialogs.h"
#include "store/contact_file.h"

namespace varnel {

enum class ExportFormat { Csv, Text, VCard };
// Csv and Text files are Windows-1252 unless UTF-8 is chosen; a vCard file is
// always UTF-8.
enum class ExportEncoding { Windows1252, Utf8, Utf8WithMark };

// The contact file's own name without ".DAT" and ".dat": Family.DAT gives
// Family wherever the file lies, since every export goes to the program folder.
std::string exportBaseName(const std::filesystem::path& contactPath);
std::filesystem::path exportFilePath(ExportFormat format,
                                     const std::filesystem::path& programFolder,
                                     const std::string& baseName);

// The header and one contact's line, without the CR LF (Csv and Text). A CSV
// value holding a comma, a quote or a line break is quoted as RFC 4180 does;
// every other value is written as it is.
std::string exportHeader(ExportFormat format);
std::string exportLine(const ContactRecord& record, ExportFormat format);

// The whole export file of records 1 to `count`, in the chosen encoding.
std::string exportFileText(const ContactFile& file, std::int32_t count, ExportFormat format,
                           ExportEncoding encoding);

// Writes the export file: the one place an export reaches the disk.
void writeExportFile(const std::filesystem::path& path, const std::string& bytes);

struct ExportResult {
    enum Outcome { Created, NoContacts, Failed };
    Outcome outcome = Created;
    Answer errorAnswer = Answer::Retry;
    std::filesystem::path path;
};

ExportResult exportContacts(const ContactFile& file, const std::filesystem::path& contactPath,
                            const std::filesystem::path& programFolder, ExportFormat format,
                            Dialogs& dialogs,
                            ExportEncoding encoding = ExportEncoding::Windows1252);

}  // namespace varnel
