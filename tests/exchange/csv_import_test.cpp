// The import as a whole: duplicates, appending, the boxes and bad files.
#include <gtest/gtest.h>

#include <random>

#include "exchange/import_fixture.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::contact;
using testing::ImportTest;
using testing::readFileBytes;
using testing::ShownBox;
using testing::writeFileBytes;

const char* const kPlainHeader = "First Name,Last Name,Email";

class CsvImport : public ImportTest {};

TEST_F(CsvImport, DuplicatesHaveAnEqualEmailOrEqualNamesAndAreListedInTheDetails) {
    put(contact("Ann", "Lee", "ann@mail.com"));
    put(contact("Robert", "Stone-Hill", "rob@mail.com"));
    auto result = importLines({kPlainHeader,
                               "Annie,Other,ann@mail.com",  // same e-mail
                               "Ann,Lee,new@mail.com",      // same names
                               "Rob,Stone,x@mail.com",      // names only contained: added
                               "Anna,Lee,anna@mail.com",    // another first name: added
                               " ann , LEE ,low@mail.com",  // case and spaces do not count
                               "Zed,Q, ANN@Mail.com ",      // nor in the e-mail
                               ",,"});                      // nothing at all
    EXPECT_EQ(result.appended, 2);
    auto all = records();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[2].get(Field::FirstName), "Rob");
    EXPECT_EQ(all[2].get(Field::LastName), "Stone");
    EXPECT_EQ(all[3].get(Field::FirstName), "Anna");
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{completed(2)});
    EXPECT_EQ(dialogs.log.back().details,
              "Not added (4):\n"
              "Line 2: Annie Other <ann@mail.com>: duplicate of record 1 (Ann Lee <ann@mail.com>)\n"
              "Line 3: Ann Lee <new@mail.com>: duplicate of record 1 (Ann Lee <ann@mail.com>)\n"
              "Line 6: ann LEE <low@mail.com>: duplicate of record 1 (Ann Lee <ann@mail.com>)\n"
              "Line 7: Zed Q <ANN@Mail.com>: duplicate of record 1 (Ann Lee <ann@mail.com>)");
}

TEST_F(CsvImport, AContactWithNeitherNameNorEmailIsSkippedAndSaid) {
    auto result =
        importLines({"First Name,Last Name,Email,Phone", "Ann,Lee,,555-1234", ",,,555-9876"});
    EXPECT_EQ(result.appended, 1);
    EXPECT_EQ(dialogs.log.back().details, "Not added (1):\nLine 3: no name and no e-mail");
}

TEST_F(CsvImport, ContactsWithoutEmailAreNotDuplicatesOfEachOther) {
    put(contact("Bob", "Stone", ""));
    auto result = importLines({kPlainHeader, "Carl,Young,", "Dee,Ward"});
    EXPECT_EQ(result.appended, 2);
    EXPECT_EQ(records().size(), 3u);
}

TEST_F(CsvImport, TheSameNewContactTwiceInOneFileIsAddedOnce) {
    put(contact("Ann", "Lee", "ann@mail.com"));
    importLines({kPlainHeader, "Eve,Moss,eve@mail.com", "Eve,Moss,eve@mail.com", "EVE,moss,"});
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[1].get(Field::FirstName), "Eve");
    EXPECT_EQ(dialogs.log.back().details,
              "Not added (2):\n"
              "Line 3: Eve Moss <eve@mail.com>: duplicate of record 2 (Eve Moss <eve@mail.com>)\n"
              "Line 4: EVE moss: duplicate of record 2 (Eve Moss <eve@mail.com>)");
}

TEST_F(CsvImport, LinesWithoutNameAndEmailAddNothing) {
    auto result =
        import(std::string(kPlainHeader) + "\r\n\r\n,,\r\n   \r\nAnn,Lee,a@x.com\r\n\r\n");
    EXPECT_EQ(result.appended, 1);
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].get(Field::FirstName), "Ann");
}

TEST_F(CsvImport, RecordsCarryTheReminderSettingAndTheFieldWidths) {
    importLines({kPlainHeader, "Maximilianusxyz,Lee,a@x.com"}, false);
    ASSERT_EQ(records().size(), 1u);
    const std::vector<ContactRecord> all = records();
    const ContactRecord& r = all[0];
    EXPECT_EQ(r.raw(Field::FirstName), "Maximilianusxy");  // 15 characters cut to 14
    EXPECT_EQ(r.get(Field::BdayReminder), "0");
    EXPECT_EQ(r.get(Field::IncludeCompany), "0");
    EXPECT_EQ(std::string(r.data() + 14, 1), "|");
    EXPECT_EQ(std::string(r.data() + 516, 2), "\r\n");
    EXPECT_EQ(std::filesystem::file_size(dir / "VRN_Contacts.DAT"), 518u);
}

TEST_F(CsvImport, LineEndingsOfEveryKind) {
    import(std::string(kPlainHeader) + "\nAnn,Lee,a@x.com\rBob,Ray,b@x.com\r\nCy,Dahl,c@x.com");
    ASSERT_EQ(records().size(), 3u);
    EXPECT_EQ(records()[2].get(Field::Email), "c@x.com");
}

TEST_F(CsvImport, Utf8AndWindows1252NamesAreStoredInWindows1252) {
    import(
        "\xEF\xBB\xBF"
        "First Name,Last Name,Email\r\nJos\xC3\xA9,M\xC3\xBCller,j@x.com\r\n"
        "Ren\xE9,Fl\xFC"
        "ck,r@x.com\r\n");
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[0].get(Field::FirstName), "Jos\xE9");
    EXPECT_EQ(records()[0].get(Field::LastName), "M\xFCller");
    EXPECT_EQ(records()[1].get(Field::FirstName), "Ren\xE9");
}

TEST_F(CsvImport, AnEmailLongerThanItsFieldIsCutNotAnError) {
    // The old reader counted positions in 16 bits and stopped here.
    std::string farAddress = "Zed,Far," + std::string(33000, 'z') + "@x.com";
    auto result = importLines({kPlainHeader, "Ann,Lee,a@x.com", farAddress, "Cy,Dahl,c@x.com"});
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    EXPECT_EQ(result.appended, 3);
    ASSERT_EQ(records().size(), 3u);
    EXPECT_EQ(records()[1].get(Field::Email), std::string(50, 'z'));
    EXPECT_EQ(records()[2].get(Field::FirstName), "Cy");
}

TEST_F(CsvImport, AFileThatVanishesBeforeImportShowsTheErrorBox) {
    writeFileBytes(dir / "gone.csv", "First Name,Last Name,Email\r\nAnn,Lee,a@x.com\r\n");
    std::filesystem::remove(dir / "gone.csv");
    auto result = importContactsFile(file, dir / "gone.csv", true, dialogs);
    EXPECT_EQ(result.outcome, ImportResult::Failed);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Error|An error has occurred. Error number 53 -- File not "
                                       "found.  Try again, or notify Varnel."});
    EXPECT_TRUE(records().empty());
}

TEST_F(CsvImport, TheBusyPointerIsShownWhileItRunsAndRemovedBeforeTheBox) {
    importLines({kPlainHeader, "Ann,Lee,a@x.com"});
    EXPECT_EQ(dialogs.busyChanges, (std::vector<bool>{true, false}));
    dialogs.busyChanges.clear();
    importLines({"Title,Phone"});
    EXPECT_EQ(dialogs.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(CsvImport, AClosedContactFileIsAnError) {
    file.close();
    auto result = importLines({kPlainHeader, "Ann,Lee,a@x.com"});
    EXPECT_EQ(result.outcome, ImportResult::Failed);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Error|An error has occurred. Error number 52 -- Bad file "
                                       "name or number.  Try again, or notify Varnel."});
}

// ---- Bad files --------------------------------------------------------------

class BadImportFile : public ImportTest {
protected:
    void SetUp() override {
        put(contact("Old", "Contact", "old@x.com"));
        before = readFileBytes(dir / "VRN_Contacts.DAT");
    }
    // Whatever happened, the records that were there are untouched.
    void expectOldRecordsKept() {
        EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT").substr(0, before.size()), before);
        EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT").size() % 518, 0u);
    }
    std::string before;
};

TEST_F(BadImportFile, AnEmptyFileShowsTheErrorBox) {
    auto result = import("");
    EXPECT_EQ(result.outcome, ImportResult::Failed);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Error|An error has occurred. Error number 62 -- Input past "
                                       "end of file.  Try again, or notify Varnel."});
    expectOldRecordsKept();
}

TEST_F(BadImportFile, AHeaderOnlyImportsNothing) {
    auto result = import("First Name,Last Name,Email\r\n");
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{completed(0)});
    EXPECT_EQ(records().size(), 1u);
}

TEST_F(BadImportFile, BinaryBytesAreNotText) {
    std::mt19937 random(7);
    std::string bytes(200000, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    for (const std::string& file : {bytes, "First Name,Last Name,Email\r\n" + bytes}) {
        dialogs.log.clear();
        auto result = import(file);
        EXPECT_EQ(result.outcome, ImportResult::NotText);
        EXPECT_EQ(dialogs.messages(),
                  std::vector<std::string>{"No contacts imported|The file holds no text: it is "
                                           "not a CSV or vCard file."});
        expectOldRecordsKept();
        EXPECT_EQ(records().size(), 1u);
    }
}

TEST_F(BadImportFile, RaggedLinesTakeWhatTheyHave) {
    auto result = importLines({"First Name,Last Name,Email,Home Phone,Notes", "Ann",
                               "Bob,Ray,b@x.com,555-1234,a,b,c,d", "Cy,Dahl,c@x.com"});
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    ASSERT_EQ(records().size(), 4u);
    EXPECT_EQ(records()[1].get(Field::FirstName), "Ann");
    EXPECT_EQ(records()[2].get(Field::HomePhone), "555-1234");
    EXPECT_EQ(records()[2].get(Field::Notes), "a");
    EXPECT_EQ(records()[3].get(Field::Email), "c@x.com");
    expectOldRecordsKept();
}

TEST_F(BadImportFile, AVCardWithoutEndIsNotReadAndSaid) {
    auto result = import(
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nEMAIL:ann@x.com\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Ray;Bob;;;\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Dahl;Cy;;;\r\n");
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    EXPECT_EQ(result.appended, 1);
    EXPECT_EQ(dialogs.log.back().details,
              "Not added (2):\nLine 6: vCard without END:VCARD, not read\n"
              "Line 9: vCard without END:VCARD, not read");
    expectOldRecordsKept();
}

TEST_F(BadImportFile, FiftyMegabytesOnOneLine) {
    std::string huge(50u << 20, 'a');
    auto result = import(huge);
    EXPECT_EQ(result.outcome, ImportResult::NotCompatible);
    result = import("First Name,Last Name,Email\r\nAnn,Lee," + huge + "\r\n");
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[1].get(Field::Email), std::string(50, 'a'));
    expectOldRecordsKept();
}

TEST_F(BadImportFile, FiveAndFiveThousandColumns) {
    std::string wide = "Ann,,Lee";
    for (int i = 0; i < 5000; ++i) wide += ",c" + std::to_string(i);
    std::string header =
        "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include Company "
        "in Address,Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes";
    auto result = importLines({header, "Bob,J,Ray,1 Elm Road,Apt 2", wide});
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    ASSERT_EQ(records().size(), 3u);
    EXPECT_EQ(records()[1].get(Field::Street2), "Apt 2");
    EXPECT_EQ(records()[1].get(Field::Email), "");
    EXPECT_EQ(records()[2].get(Field::Email), "c11");
    expectOldRecordsKept();
}

TEST_F(BadImportFile, QuotesAndCommasInOddPlaces) {
    auto result = import(
        "First Name,Last Name,\"Email\"\r\n"
        "\"Ann, the elder\",Lee,a@x.com\r\n"
        "Bob \"B\" ,Ray,b@x.com\r\n"
        ",,,,\"\",\r\n"
        "\"Cy,Dahl,c@x.com\r\n"
        "Dee,Ward,d@x.com\r\n");
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    auto all = records();
    // The quote before Cy never closes, so it does not swallow Dee's line.
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[3].get(Field::FirstName), "\"Cy");
    EXPECT_EQ(all[3].get(Field::Email), "c@x.com");
    EXPECT_EQ(all[4].get(Field::FirstName), "Dee");
    // A quoted comma stays in its value; a quote inside a value is a character.
    EXPECT_EQ(all[1].get(Field::FirstName), "Ann, the elder");
    EXPECT_EQ(all[1].get(Field::LastName), "Lee");
    EXPECT_EQ(all[2].get(Field::FirstName), "Bob \"B\"");
    EXPECT_EQ(dialogs.log.back().details,
              "Added, to note (1):\nLine 5: a quote is never closed; the line was read as it "
              "stands");
    expectOldRecordsKept();
}

TEST_F(BadImportFile, AFolderInsteadOfAFileIsAnError) {
    std::filesystem::create_directory(dir / "folder.csv");
    auto result = importContactsFile(file, dir / "folder.csv", true, dialogs);
    EXPECT_EQ(result.outcome, ImportResult::Failed);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].rfind("Error|An error has occurred. Error number 75", 0), 0u);
    expectOldRecordsKept();
}

}  // namespace
}  // namespace varnel
