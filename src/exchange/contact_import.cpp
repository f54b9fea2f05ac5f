#include "exchange/contact_import.h"

#include "exchange/csv_reader.h"
#include "exchange/duplicate_index.h"
#include "exchange/import_layouts.h"
#include "exchange/import_text.h"
#include "exchange/vcard_reader.h"
#include "text/codepage.h"
#include "text/run_error.h"
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

// A record field is one line: a line break inside a value becomes a space, so
// the contact's lines, printouts and exports stay whole.
std::string oneLine(const std::string& value) {
    if (value.find_first_of("\r\n") == std::string::npos) return value;
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
        out += value[i] == '\r' || value[i] == '\n' ? ' ' : value[i];
    }
    return out;
}

ContactRecord buildRecord(const ImportValues& v, bool remindersOn) {
    ContactRecord record;
    for (Field f : kImportedFields) record.set(f, oneLine(v[f]));
    // A record never offers a company line that is not there.
    if (record.get(Field::Company).empty()) record.set(Field::IncludeCompany, "0");
    record.set(Field::BdayReminder, remindersOn ? "1" : "0");
    return record;
}

std::string shownName(const ContactRecord& r) {
    std::string name = r.get(Field::FirstName);
    const std::string last = r.get(Field::LastName);
    if (!name.empty() && !last.empty()) name += ' ';
    name += last;
    return cp1252ToUtf8(name);
}

// "Ann Lee <ann@mail.com>", or whichever part there is.
std::string described(const ContactRecord& r) {
    std::string text = shownName(r);
    const std::string email = cp1252ToUtf8(r.get(Field::Email));
    if (!email.empty()) text += (text.empty() ? "<" : " <") + email + ">";
    return text;
}

class Importer {
public:
    Importer(ContactFile& file, bool remindersOn, bool dryRun)
        : file_(file), remindersOn_(remindersOn), dryRun_(dryRun) {
        next_ = file.recordCount() + 1;
        index_ = DuplicateIndex(file, next_ - 1);
    }

    // One contact read from the file at `where` ("Line 4", "Card 2").
    void offer(const ImportValues& values, const std::string& where) {
        const ContactRecord record = buildRecord(values, remindersOn_);
        const std::string first = record.get(Field::FirstName);
        const std::string last = record.get(Field::LastName);
        const std::string email = record.get(Field::Email);
        if (first.empty() && last.empty() && email.empty()) {
            skip(where + ": no name and no e-mail");
            return;
        }
        if (std::int32_t k = index_.duplicateOf(first, last, email);
            k > 0 && matchesRecord(known(k), first, last, email)) {
            ++report.duplicates;
            report.notAdded.push_back(where + ": " + described(record) + ": duplicate of record " +
                                      std::to_string(k) + " (" + described(known(k)) + ")");
            return;
        }
        if (!dryRun_) file_.appendRecord(record);
        index_.add(record, next_);
        if (dryRun_) added_.push_back(record);
        ++next_;
        ++report.imported;
        if (values.namesTransliterated()) {
            report.notes.push_back(where + ": " + values.originalName() + " stored as " +
                                   shownName(record));
        }
    }

    void skip(const std::string& line) {
        ++report.skipped;
        report.notAdded.push_back(line);
    }

    ImportReport report;

private:
    // Record k as it is, or will be, on file.
    ContactRecord known(std::int32_t k) const {
        const std::int32_t onFile = next_ - 1 - static_cast<std::int32_t>(added_.size());
        if (k > onFile) return added_[static_cast<std::size_t>(k - onFile - 1)];
        return file_.readRecord(k);
    }

    ContactFile& file_;
    bool remindersOn_;
    bool dryRun_;
    std::int32_t next_ = 1;
    DuplicateIndex index_;
    std::vector<ContactRecord> added_;  // what a dry run would have appended
};

bool isBlank(const std::vector<std::string>& fields) {
    for (const std::string& f : fields) {
        if (f.find_first_not_of(" \t\r\n") != std::string::npos) return false;
    }
    return true;
}

bool sameFields(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (trimSpaces(a[i]) != trimSpaces(b[i])) return false;
    }
    return true;
}

void importVCards(std::string_view text, Importer& importer) {
    for (const VCard& card : readVCards(text)) {
        const std::string where = "Line " + std::to_string(card.line);
        if (!card.complete) {
            importer.skip(where + ": vCard without END:VCARD, not read");
            continue;
        }
        ImportValues values;
        partsToValues(card.parts, values);
        importer.offer(values, where);
    }
}

bool importCsv(std::string_view text, Importer& importer) {
    CsvReader reader(text);
    CsvRecord header;
    reader.next(header);
    const ImportLayout layout = ImportLayout::recognise(header.fields);
    if (!layout.compatible()) return false;
    CsvRecord record;
    while (reader.next(record)) {
        if (isBlank(record.fields) || sameFields(record.fields, header.fields)) continue;
        const std::string where = "Line " + std::to_string(record.line);
        if (record.unclosedQuote) {
            importer.report.notes.push_back(where +
                                            ": a quote is never closed; the line was read as it "
                                            "stands");
        }
        ImportValues values;
        if (!layout.read(record.fields, values)) {
            importer.skip(where + ": no last name or no e-mail address");
            continue;
        }
        importer.offer(values, where);
    }
    return true;
}

}  // namespace

ImportReport importContacts(ContactFile& file, const std::filesystem::path& source,
                            bool remindersOn, bool dryRun) {
    if (!file.isOpen()) throw RunError(RunError::BadFileNameOrNumber);
    const std::string bytes = readWholeFile(source);
    if (bytes.empty()) throw RunError(RunError::InputPastEndOfFile);
    const ImportText text = decodeImportText(bytes);
    if (text.binary) {
        ImportReport report;
        report.outcome = ImportReport::NotText;
        return report;
    }
    Importer importer(file, remindersOn, dryRun);
    if (looksLikeVCard(text.utf8)) {
        importVCards(text.utf8, importer);
    } else if (!importCsv(text.utf8, importer)) {
        importer.report.outcome = ImportReport::NotCompatible;
    }
    return importer.report;
}

std::string importSummary(const ImportReport& report) {
    return "imported " + std::to_string(report.imported) + ", duplicates " +
           std::to_string(report.duplicates) + ", skipped " + std::to_string(report.skipped);
}

}  // namespace varnel
