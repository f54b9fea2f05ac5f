// Exporting the contact file to CSV and to "|"-separated text.
#include "exchange/contact_export.h"

#include <gtest/gtest.h>

#include "exchange/import_fixture.h"

namespace varnel {
namespace {

using testing::readFileBytes;
using testing::ScriptedDialogs;
using testing::TempDir;
using testing::writeFileBytes;

const char* const kCsvHeader =
    "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include Company in "
    "Address,Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes";
const char* const kTxtHeader =
    "First Name|MI|Last Name|Street1|Street2|City|State|Zip|Country|Company|Include Company in "
    "Address|Home Phone|Cell Phone|Work Phone|Email|Birthdate|Category|Notes";

ContactRecord ann() {
    ContactRecord r;
    r.set(Field::FirstName, "Ann");
    r.set(Field::MI, "M");
    r.set(Field::LastName, "Lee");
    r.set(Field::Street1, "12 Oak Street");
    r.set(Field::Street2, "Apt 4");
    r.set(Field::City, "Austin");
    r.set(Field::State, "TX");
    r.set(Field::Zip, "78701");
    r.set(Field::Country, "USA");
    r.set(Field::HomePhone, "555-1111");
    r.set(Field::CellPhone, "555-2222");
    r.set(Field::WorkPhone, "555-3333");
    r.set(Field::Email, "ann@mail.com");
    r.set(Field::Birthdate, "19800410");
    r.set(Field::Category, "Friends");
    r.set(Field::Notes, "Likes tea, and cake");
    r.set(Field::Company, "Acme");
    r.set(Field::IncludeCompany, "1");
    r.set(Field::BdayReminder, "1");
    return r;
}

class ContactExport : public ::testing::Test {
protected:
    ContactExport() { std::filesystem::create_directory(program); }

    void openFile(const std::filesystem::path& path) { file.open(path); }

    ExportResult run(ExportFormat format) {
        return exportContacts(file, file.path(), program, format, dialogs);
    }

    TempDir dir;
    std::filesystem::path program = dir / "Varnel";
    ScriptedDialogs dialogs;
    ContactFile file;
};

TEST_F(ContactExport, CsvOfFamilyInTheProgramFolder) {
    openFile(program / "Family.DAT");
    file.appendRecord(ann());
    ContactRecord blank;
    blank.set(Field::FirstName, "Bob");
    blank.set(Field::IncludeCompany, "0");
    file.appendRecord(blank);

    ExportResult result = run(ExportFormat::Csv);
    EXPECT_EQ(result.outcome, ExportResult::Created);
    EXPECT_EQ(result.path, program / "VRNC_Family.csv");
    EXPECT_EQ(readFileBytes(program / "VRNC_Family.csv"),
              std::string(kCsvHeader) +
                  "\r\nAnn,M,Lee,12 Oak Street,Apt 4,Austin,TX,78701,USA,Acme,1,555-1111,555-2222,"
                  "555-3333,ann@mail.com,04-10-1980,Friends,\"Likes tea, and cake\"\r\n"
                  "Bob,,,,,,,,,,0,,,,,,,\r\n");
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{
                  "Export file created|D O N E !  A csv file of contacts has been created and "
                  "stored in your Varnel folder.  This file is named VRNC_Family.csv"});
    EXPECT_EQ(dialogs.log[0].icon, Icon::None);
    EXPECT_EQ(dialogs.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(ContactExport, ABlankBirthdateKeepsEighteenColumnsAndACommaIsQuoted) {
    openFile(program / "Family.DAT");
    ContactRecord r = ann();
    r.set(Field::Birthdate, "");
    r.set(Field::Notes, "plain");
    file.appendRecord(r);
    file.appendRecord(ann());
    run(ExportFormat::Csv);
    std::string bytes = readFileBytes(program / "VRNC_Family.csv");
    std::vector<std::string> lines;
    for (std::size_t at = 0, next; (next = bytes.find("\r\n", at)) != std::string::npos;
         at = next + 2) {
        lines.push_back(bytes.substr(at, next - at));
    }
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), ','), 17);
    EXPECT_NE(lines[1].find("ann@mail.com,,Friends,plain"), std::string::npos);
    // The comma of the note stays inside its quoted value.
    EXPECT_EQ(std::count(lines[2].begin(), lines[2].end(), ','), 18);
    EXPECT_NE(lines[2].find(",\"Likes tea, and cake\""), std::string::npos);
}

TEST_F(ContactExport, TextFileWithItsHeaderAndASecondExportReplacesTheFirst) {
    openFile(program / "Family.DAT");
    file.appendRecord(ann());
    run(ExportFormat::Text);
    file.rewriteAll([](ContactRecord& r) { r.set(Field::FirstName, "Annie"); });
    run(ExportFormat::Text);
    EXPECT_EQ(readFileBytes(program / "VRNT_Family.txt"),
              std::string(kTxtHeader) +
                  "\r\nAnnie|M|Lee|12 Oak Street|Apt 4|Austin|TX|78701|USA|Acme|1|555-1111|"
                  "555-2222|555-3333|ann@mail.com|04-10-1980|Friends|Likes tea, and cake\r\n");
    EXPECT_EQ(dialogs.messages().back(),
              "Export file created|D O N E !  A text file of contacts has been created and stored "
              "in your Varnel folder.  This file is named VRNT_Family.txt");
}

TEST_F(ContactExport, AContactFileElsewhereExportsUnderItsOwnName) {
    std::filesystem::create_directory(dir / "Elsewhere");
    openFile(dir / "Elsewhere" / "Family.DAT");
    file.appendRecord(ann());
    ExportResult result = run(ExportFormat::Csv);
    EXPECT_EQ(result.outcome, ExportResult::Created);
    EXPECT_TRUE(std::filesystem::exists(program / "VRNC_Family.csv"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Elsewhere" / "VRNC_Family.csv"));
    EXPECT_EQ(exportBaseName("/home/pat/lists/Club.dat"), "Club");
    EXPECT_EQ(exportBaseName("VRN_Contacts.DAT"), "VRN_Contacts");
    EXPECT_EQ(exportBaseName("Notes.Dat"), "Notes.Dat");
}

TEST_F(ContactExport, Utf8CsvCarriesAByteOrderMarkAndTheSameLines) {
    openFile(program / "Family.DAT");
    ContactRecord r = ann();
    r.set(Field::FirstName, "Zo\xEB");
    r.set(Field::Notes, "Says \"hi\"\x80");
    file.appendRecord(r);
    run(ExportFormat::Csv);
    const std::string windows = readFileBytes(program / "VRNC_Family.csv");
    EXPECT_EQ(windows.substr(windows.find("\r\n") + 2, 6), "Zo\xEB,M,");
    exportContacts(file, file.path(), program, ExportFormat::Csv, dialogs,
                   ExportEncoding::Utf8WithMark);
    EXPECT_EQ(readFileBytes(program / "VRNC_Family.csv"),
              "\xEF\xBB\xBF" + std::string(kCsvHeader) +
                  "\r\nZo\xC3\xAB,M,Lee,12 Oak Street,Apt 4,Austin,TX,78701,USA,Acme,1,555-1111,"
                  "555-2222,555-3333,ann@mail.com,04-10-1980,Friends,\"Says "
                  "\"\"hi\"\"\xE2\x82\xAC\"\r\n");
    exportContacts(file, file.path(), program, ExportFormat::Text, dialogs, ExportEncoding::Utf8);
    EXPECT_EQ(readFileBytes(program / "VRNT_Family.txt").substr(0, 5), "First");
    EXPECT_NE(readFileBytes(program / "VRNT_Family.txt").find("|Says \"hi\"\xE2\x82\xAC\r\n"),
              std::string::npos);
}

TEST_F(ContactExport, VCardOfEveryContact) {
    openFile(program / "Family.DAT");
    ContactRecord r = ann();
    r.set(Field::FirstName, "Zo\xEB");
    r.set(Field::Category, "Friends;Work, Home");
    r.set(Field::Notes,
          "A note; with \\ and a very long tail that runs past the seventy-five "
          "bytes of a line");
    file.appendRecord(r);
    ContactRecord noYear;
    noYear.set(Field::LastName, "Ray");
    noYear.set(Field::Birthdate, "00001205");
    noYear.set(Field::IncludeCompany, "0");
    file.appendRecord(noYear);
    ExportResult result = run(ExportFormat::VCard);
    EXPECT_EQ(result.path, program / "VRNV_Family.vcf");
    EXPECT_EQ(readFileBytes(program / "VRNV_Family.vcf"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Zo\xC3\xAB;M;;\r\nFN:Zo\xC3\xAB Lee\r\n"
              "ORG:Acme\r\nX-VARNEL-INCLUDE-COMPANY:1\r\n"
              "ADR;TYPE=HOME:;Apt 4;12 Oak Street;Austin;TX;78701;USA\r\n"
              "TEL;TYPE=HOME,VOICE:555-1111\r\nTEL;TYPE=CELL:555-2222\r\n"
              "TEL;TYPE=WORK,VOICE:555-3333\r\nEMAIL;TYPE=INTERNET:ann@mail.com\r\n"
              "BDAY:1980-04-10\r\nCATEGORIES:Friends,Work\\, Home\r\n"
              "NOTE:A note\\; with \\\\ and a very long tail that runs past the seventy-five \r\n"
              " bytes of a line\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Ray;;;;\r\nFN:Ray\r\n"
              "BDAY;X-APPLE-OMIT-YEAR=1604:1604-12-05\r\nEND:VCARD\r\n");
    EXPECT_EQ(dialogs.messages().back(),
              "Export file created|D O N E !  A vCard file of contacts has been created and stored "
              "in your Varnel folder.  This file is named VRNV_Family.vcf");
}

TEST_F(ContactExport, AnEmptyFileWritesNothing) {
    openFile(program / "Family.DAT");
    ExportResult result = run(ExportFormat::Csv);
    EXPECT_EQ(result.outcome, ExportResult::NoContacts);
    EXPECT_FALSE(std::filesystem::exists(program / "VRNC_Family.csv"));
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Export file not created|Export file could not be created.  "
                                       "There were no contacts on file."});
    EXPECT_EQ(dialogs.log[0].icon, Icon::Information);
}

TEST_F(ContactExport, AFolderThatCannotBeWrittenShowsTheErrorBox) {
    openFile(dir / "Family.DAT");
    file.appendRecord(ann());
    const std::string before = readFileBytes(dir / "Family.DAT");
    writeFileBytes(dir / "NotAFolder", "x");
    ExportResult result =
        exportContacts(file, file.path(), dir / "NotAFolder", ExportFormat::Csv, dialogs);
    EXPECT_EQ(result.outcome, ExportResult::Failed);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Error|An error has occurred. Error number 76 -- Path not "
                                       "found.  Try again, or notify author."});
    EXPECT_EQ(dialogs.log[0].buttons, Buttons::RetryCancel);
    EXPECT_EQ(readFileBytes(dir / "Family.DAT"), before);
    EXPECT_EQ(dialogs.busyChanges.back(), false);
}

TEST_F(ContactExport, NoOpenFileIsAnError) {
    ExportResult result = exportContacts(file, "", program, ExportFormat::Csv, dialogs);
    EXPECT_EQ(result.outcome, ExportResult::Failed);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Error|An error has occurred. Error number 52 -- Bad file "
                                       "name or number.  Try again, or notify author."});
}

}  // namespace
}  // namespace varnel
