// Export and import read each other: a file of 1,000 contacts exported to CSV,
// UTF-8 CSV or vCard imports nothing back into itself and reproduces itself in
// an empty file.
#include <gtest/gtest.h>

#include "exchange/contact_export.h"
#include "exchange/import_boxes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;

const char* const kFirst[] = {"James",   "Mary",  "Robert", "Patricia",  "John",    "Jennifer",
                              "Michael", "Linda", "David",  "Elizabeth", "Jos\xE9", "Zo\xEB"};
const char* const kLast[] = {"Smith",  "Johnson", "Williams", "Brown",  "Jones",
                             "Garcia", "Miller",  "Davis",    "O'Neil", "M\xFCller"};
const char* const kCity[] = {"Austin", "Springfield", "Portland", "Fort Worth", "Saint Paul"};
const char* const kState[] = {"TX", "IL", "OR", "MN", "CA", "NY"};

ContactRecord person(int i) {
    ContactRecord r;
    r.set(Field::FirstName, std::string(kFirst[i % 12]) + std::to_string(i));
    r.set(Field::MI, i % 3 ? std::string(1, static_cast<char>('A' + i % 26)) : "");
    r.set(Field::LastName, kLast[i % 10]);
    r.set(Field::Street1, std::to_string(100 + i) + " Elm Street");
    r.set(Field::Street2, i % 4 == 0 ? "Apt " + std::to_string(i % 50) + "B" : "");
    r.set(Field::City, kCity[i % 5]);
    r.set(Field::State, kState[i % 6]);
    r.set(Field::Zip, i % 5 == 0 ? "12345-6789" : std::to_string(10000 + i * 7));
    r.set(Field::Country, i % 9 == 0 ? "CANADA" : "USA");
    r.set(Field::HomePhone, i % 7 == 0 ? "" : "512-555-" + std::to_string(1000 + i));
    r.set(Field::CellPhone, i % 2 ? "512 555 " + std::to_string(2000 + i) : "");
    r.set(Field::WorkPhone, i % 3 == 0 ? "555-" + std::to_string(3000 + i) + " x1" : "");
    r.set(Field::Email, i % 6 == 0 ? "" : "person" + std::to_string(i) + "@mail.com");
    if (i % 16 == 8) {
        r.set(Field::Birthdate, "00000" + std::to_string(1 + i % 9) + "1" + std::to_string(i % 9));
    } else if (i % 8) {
        r.set(Field::Birthdate, std::to_string(1940 + i % 70) + (i % 12 < 9 ? "0" : "") +
                                    std::to_string(i % 12 + 1) + (i % 28 < 9 ? "0" : "") +
                                    std::to_string(i % 28 + 1));
    }
    r.set(Field::Category, i % 2 ? "Family;Friends" : "Work");
    r.set(Field::Notes, i % 10 == 0 ? "Met at the " + std::to_string(1990 + i % 30) +
                                          " reunion; "
                                          "likes \xABhome-made\xBB jam"
                        : i % 10 == 5 ? "Said \"hello\", then left; a\\b"
                                      : "");
    const bool company = i % 4 == 1;
    r.set(Field::Company, company ? "Acme Tools & Dies " + std::to_string(i) : "");
    r.set(Field::IncludeCompany, company && i % 8 == 1 ? "1" : "0");
    r.set(Field::BdayReminder, "1");
    return r;
}

struct Kind {
    ExportFormat format;
    ExportEncoding encoding;
};

class RoundTrip : public ::testing::TestWithParam<Kind> {
protected:
    RoundTrip() {
        file.open(dir / "Family.DAT");
        for (int i = 0; i < 1000; ++i) {
            originals.push_back(person(i));
            file.appendRecord(originals.back());
        }
        ExportResult exported = exportContacts(file, file.path(), dir.path(), GetParam().format,
                                               dialogs, GetParam().encoding);
        EXPECT_EQ(exported.outcome, ExportResult::Created);
        csv = exported.path;
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    ContactFile file;
    std::vector<ContactRecord> originals;
    std::filesystem::path csv;
};

TEST_P(RoundTrip, ImportingAnExportBackIntoItsFileImportsNothing) {
    ImportResult result = importContactsFile(file, csv, true, dialogs);
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    EXPECT_EQ(result.appended, 0);
    EXPECT_EQ(file.recordCount(), 1000);
    EXPECT_EQ(dialogs.messages().back(),
              "Import completed|D O N E !  0 contacts successfully imported.");
}

TEST_P(RoundTrip, ImportingTheExportIntoAnEmptyFileReproducesEveryKeptField) {
    ContactFile empty;
    empty.open(dir / "New.DAT");
    ImportResult result = importContactsFile(empty, csv, true, dialogs);
    EXPECT_EQ(result.appended, 1000);
    std::vector<ContactRecord> back = empty.readAll();
    ASSERT_EQ(back.size(), 1000u);
    for (std::size_t i = 0; i < back.size(); ++i) {
        // The work phone is stored as read; home and cell phones need four
        // digits at the end, which every phone here has. So every byte returns.
        ASSERT_EQ(std::string(back[i].data(), ContactRecord::Size),
                  std::string(originals[i].data(), ContactRecord::Size))
            << "contact " << i;
    }
}

TEST_P(RoundTrip, CleaningDropsOnlyWhatItsRulesDrop) {
    // A home phone without four final digits and a city holding a digit do
    // not survive the import's cleaning; everything else does.
    file.close();
    std::filesystem::remove(dir / "Family.DAT");
    file.open(dir / "Family.DAT");
    ContactRecord odd = person(5);
    odd.set(Field::HomePhone, "ask office");
    odd.set(Field::City, "Route 66");
    odd.set(Field::State, "tx");
    file.appendRecord(odd);
    ExportResult exported = exportContacts(file, file.path(), dir.path(), GetParam().format,
                                           dialogs, GetParam().encoding);
    ContactFile empty;
    empty.open(dir / "New.DAT");
    importContactsFile(empty, exported.path, true, dialogs);
    ASSERT_EQ(empty.recordCount(), 1);
    ContactRecord expected = odd;
    expected.set(Field::HomePhone, "");
    expected.set(Field::City, "");
    expected.set(Field::State, "TX");
    EXPECT_EQ(empty.readRecord(1), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryExport, RoundTrip,
                         ::testing::Values(Kind{ExportFormat::Csv, ExportEncoding::Windows1252},
                                           Kind{ExportFormat::Csv, ExportEncoding::Utf8WithMark},
                                           Kind{ExportFormat::Csv, ExportEncoding::Utf8},
                                           Kind{ExportFormat::VCard, ExportEncoding::Utf8}));

}  // namespace
}  // namespace varnel
