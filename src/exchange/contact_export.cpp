#include "exchange/contact_export.h"

#include "exchange/import_rules.h"
#include "store/durable_file.h"
#include "store/run_error.h"
#include "text/codepage.h"
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

}  // namespace

std::string exportBaseName(const std::filesystem::path& contactPath) {
    std::string name = contactPath.filename().string();
    return replaceAll(replaceAll(name, ".DAT", ""), ".dat", "");
}

std::filesystem::path exportFilePath(ExportFormat format,
                                     const std::filesystem::path& programFolder,
                                     const std::string& baseName) {
    return programFolder / (format == ExportFormat::Csv ? "VRNC_" + baseName + ".csv"
                                                        : "VRNT_" + baseName + ".txt");
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
        line.append(values[i]);
    }
    return line;
}

ExportResult exportContacts(const ContactFile& file, const std::filesystem::path& contactPath,
                            const std::filesystem::path& programFolder, ExportFormat format,
                            Dialogs& dialogs) {
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

        std::string text = exportHeader(format) + "\r\n";
        file.forEach([&](std::int32_t k, const ContactRecord& r) {
            if (k > n) return;
            text += exportLine(r, format);
            text += "\r\n";
        });
        // The old export stays whole until the new one is complete on disk.
        replaceFileContents(result.path, text);
        dialogs.setBusy(false);

        const std::string shown = utf8ToCp1252(base);
        if (format == ExportFormat::Csv) {
            dialogs.messageBox("Export file created",
                               "D O N E !  A csv file of contacts has been created and stored in "
                               "your Varnel folder.  This file is named VRNC_" +
                                   shown + ".csv",
                               Icon::None, Buttons::Ok);
        } else {
            dialogs.messageBox("Export file created",
                               "D O N E !  A text file of contacts has been created and stored in "
                               "your Varnel folder.  This file is named VRNT_" +
                                   shown + ".txt",
                               Icon::None, Buttons::Ok);
        }
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
