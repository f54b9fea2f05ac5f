#include "exchange/csv_import.h"

#include "exchange/csv_line_reader.h"
#include "exchange/duplicate_index.h"
#include "exchange/import_layouts.h"
#include "store/run_error.h"
#include "text/strings.h"

namespace varnel {

namespace {

constexpr Field kImportedFields[] = {
    Field::FirstName, Field::MI,        Field::LastName,
    Field::Street1,   Field::Street2,   Field::City,
    Field::State,     Field::Zip,       Field::Country,
    Field::HomePhone, Field::CellPhone, Field::WorkPhone,
    Field::Email,     Field::Birthdate, Field::Category,
    Field::Notes,     Field::Company,   Field::IncludeCompany,
};

// Blank lines and lines of empty columns carry no contact.
bool isBlankLine(std::string_view line) {
    for (char c : line) {
        if (c != ',' && c != ' ' && c != '"' && c != '\t' && c != '\r' && c != '\n') return false;
    }
    return true;
}

// A record field is one line: a line break that came inside quotes becomes a
// space, so the contact's lines, printouts and exports stay whole.
std::string oneLine(const std::string& value) {
    if (value.find_first_of("\r\n") == std::string::npos) return value;
    return replaceAll(replaceAll(replaceAll(value, "\r\n", " "), "\r", " "), "\n", " ");
}

ContactRecord buildRecord(const ImportValues& v, bool remindersOn) {
    ContactRecord record;
    for (Field f : kImportedFields) record.set(f, oneLine(v[f]));
    // A record never offers a company line that is not there.
    if (trimSpaces(v[Field::Company]).empty()) record.set(Field::IncludeCompany, "0");
    record.set(Field::BdayReminder, remindersOn ? "1" : "0");
    return record;
}

Answer showError(const RunError& e, Dialogs& dialogs) {
    return dialogs.messageBox("Error", importErrorText(e), Icon::Critical, Buttons::RetryCancel);
}

}  // namespace

bool checkImportFileReadable(const std::filesystem::path& csvPath, Dialogs& dialogs,
                             Answer& answer) {
    try {
        CsvLineReader probe(csvPath);
        return true;
    } catch (const RunError& e) {
        answer = showError(e, dialogs);
        return false;
    }
}

ImportResult importCsvFile(ContactFile& file, const std::filesystem::path& csvPath,
                           bool remindersOn, Dialogs& dialogs) {
    ImportResult result;
    dialogs.setBusy(true);
    try {
        const std::int32_t n0 = file.recordCount();
        CsvLineReader reader(csvPath);
        std::string line;
        if (!reader.next(line)) throw RunError(RunError::InputPastEndOfFile);
        const ImportLayout layout = ImportLayout::recognise(line);
        if (layout.verdict() == HeaderVerdict::Refused) {
            dialogs.setBusy(false);
            result.outcome = ImportResult::Refused;
            return result;
        }
        if (layout.verdict() == HeaderVerdict::NotCompatible) {
            reader.close();
            dialogs.setBusy(false);
            dialogs.messageBox("No contacts imported",
                               "CSV file not compatible with import function.", Icon::Information,
                               Buttons::Ok);
            result.outcome = ImportResult::NotCompatible;
            return result;
        }

        const DuplicateIndex onFile(file, n0);
        ImportValues values;
        while (reader.next(line)) {
            if (isBlankLine(line)) continue;
            if (!layout.readLine(line, values)) continue;
            if (trimSpaces(values[Field::FirstName]).empty() &&
                trimSpaces(values[Field::LastName]).empty() &&
                trimSpaces(values[Field::Email]).empty()) {
                continue;
            }
            if (onFile.isDuplicate(values[Field::FirstName], values[Field::LastName],
                                   values[Field::Email])) {
                continue;
            }
            file.appendRecord(buildRecord(values, remindersOn));
            ++result.appended;
        }
        reader.close();
        dialogs.setBusy(false);
        dialogs.messageBox(
            "Import completed",
            "D O N E !  " + std::to_string(result.appended) + " contacts successfully imported.",
            Icon::None, Buttons::Ok);
        result.outcome = ImportResult::Completed;
        return result;
    } catch (const RunError& e) {
        dialogs.setBusy(false);
        result.outcome = ImportResult::Failed;
        result.errorAnswer = showError(e, dialogs);
        return result;
    }
}

}  // namespace varnel
