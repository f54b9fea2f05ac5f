#include "exchange/contact_export.h"

#include <algorithm>

#include "exchange/import_rules.h"
#include "exchange/vcard_writer.h"
#include "store/durable_file.h"
#include "text/codepage.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace varnel {

namespace {

constexpr std::string_view kColumns[] = {
    "First Name",
    "MI",
    "Last Name",
    "Street1",
    "Street2",
    "City",
    "State",
    "Zip",
    "Country",
    "Company",
    "Include Company in Address",
    "Home Phone",
    "Cell Phone",
    "Work Phone",
    "Email",
    "Birthdate",
    "Category",
    "Notes",
};

char separatorOf(ExportFormat format) { return format == ExportFormat::Csv ? ',' : '|'; }

void appendCsvValue(std::string& line, const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) {
        line.append(value);
        return;
    }
    line += '"';
    for (char c : value) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

void appendInEncoding(std::string& out, const std::string& cp1252, ExportEncoding encoding) {
    if (encoding == ExportEncoding::Windows1252 || isAscii(cp1252)) {
        out += cp1252;
    } else {
        out += cp1252ToUtf8(cp1252);
    }
}

}  // namespace

std::string exportBaseName(const std::filesystem::path& contactPath) {
    std::string name = contactPath.filename().string();
    return replaceAll(replaceAll(name, ".DAT", ""), ".dat", "");
}

std::filesystem::path exportFilePath(ExportFormat format,
                                     const std::filesystem::path& programFolder,
                                     const std::string& baseName) {
    switch (format) {
        case ExportFormat::Csv:
            return programFolder / ("VRNC_" + baseName + ".csv");
        case ExportFormat::Text:
            return programFolder / ("VRNT_" + baseName + ".txt");
        case ExportFormat::VCard:
            break;
    }
    return programFolder / ("VRNV_" + baseName + ".vcf");
}

std::string exportHeader(ExportFormat format) {
    std::string line;
    for (std::string_view c : kColumns) {
        if (!line.empty()) line.push_back(separatorOf(format));
        line.append(c);
    }
    return line;
}

std::string exportLine(const ContactRecord& r, ExportFormat format) {
    const char sep = separatorOf(format);
    std::string birth;
    if (!r.get(Field::Birthdate).empty()) {
        std::string_view stored = r.raw(Field::Birthdate);
        birth = std::string(midOf(stored, 5, 2)) + "-" + std::string(midOf(stored, 7, 2)) + "-" +
                std::string(midOf(stored, 1, 4));
    }
    const std::string values[] = {
        r.get(Field::FirstName),      r.get(Field::MI),
        r.get(Field::LastName),       r.get(Field::Street1),
        r.get(Field::Street2),        r.get(Field::City),
        r.get(Field::State),          r.get(Field::Zip),
        r.get(Field::Country),        r.get(Field::Company),
        r.get(Field::IncludeCompany), r.get(Field::HomePhone),
        r.get(Field::CellPhone),      r.get(Field::WorkPhone),
        r.get(Field::Email),          birth,
        r.get(Field::Category),       r.get(Field::Notes),
    };
    std::string line;
    line.reserve(ContactRecord::Size);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        if (i > 0) line.push_back(sep);
        if (format == ExportFormat::Csv) {
            appendCsvValue(line, values[i]);
        } else {
            line.append(values[i]);
        }
    }
    return line;
}

std::string exportFileText(const ContactFile& file, std::int32_t count, ExportFormat format,
                           ExportEncoding encoding) {
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(count, 0)) * (ContactRecord::Size / 2));
    if (format == ExportFormat::VCard) {
        file.forEach([&](std::int32_t k, const ContactRecord& r) {
            if (k <= count) appendVCard(text, r);
        });
        return text;
    }
    if (encoding == ExportEncoding::Utf8WithMark) text += "\xEF\xBB\xBF";
    text += exportHeader(format) + "\r\n";
    file.forEach([&](std::int32_t k, const ContactRecord& r) {
        if (k > count) return;
        appendInEncoding(text, exportLine(r, format), encoding);
        text += "\r\n";
    });
    return text;
}

void writeExportFile(const std::filesystem::path& path, const std::string& bytes) {
    // The old export stays whole until the new one is complete on disk.
    replaceFileContents(path, bytes);
}

ExportResult exportContacts(const ContactFile& file, const std::filesystem::path& contactPath,
                            const std::filesystem::path& programFolder, ExportFormat format,
                            Dialogs& dialogs, ExportEncoding encoding) {
    ExportResult result;
    try {
        const std::int32_t n = file.recordCount();
        dialogs.setBusy(true);
        const std::string base = exportBaseName(contactPath);
        result.path = exportFilePath(format, programFolder, base);
        if (n == 0) {
            dialogs.setBusy(false);
            dialogs.messageBox("Export file not created",
                               "Export file could not be created.  There were no contacts on file.",
                               Icon::Information, Buttons::Ok);
            result.outcome = ExportResult::NoContacts;
            return result;
        }

        writeExportFile(result.path, exportFileText(file, n, format, encoding));
        dialogs.setBusy(false);

        const char* kind = format == ExportFormat::Csv    ? "A csv file"
                           : format == ExportFormat::Text ? "A text file"
                                                          : "A vCard file";
        dialogs.messageBox("Export file created",
                           std::string("D O N E !  ") + kind +
                               " of contacts has been created and stored in your Varnel folder.  "
                               "This file is named " +
                               utf8ToCp1252(result.path.filename().string()),
                           Icon::None, Buttons::Ok);
        result.outcome = ExportResult::Created;
        return result;
    } catch (const RunError& e) {
        dialogs.setBusy(false);
        result.outcome = ExportResult::Failed;
        result.errorAnswer =
            dialogs.messageBox("Error", commonErrorText(e), Icon::Critical, Buttons::RetryCancel);
        return result;
    }
}

}  // namespace varnel
