// The positional layouts, each with a file built from its column table, and
// the headers read by the names of their columns.
#include "exchange/import_layouts.h"

#include <gtest/gtest.h>

#include "exchange/contact_export.h"
#include "exchange/import_fixture.h"

namespace varnel {
namespace {

using testing::contact;
using testing::csvRow;
using testing::ImportTest;

// ---- Layout 1: Yahoo ------------------------------------------------------

const std::map<std::size_t, std::string> kYahooHeader = {
    {0, "First"},     {1, "Middle"},        {2, "Last"},       {4, "Email"},
    {5, "Category"},  {8, "Home"},          {9, "Work"},       {12, "Mobile"},
    {21, "Company"},  {27, "Home Address"}, {28, "Home City"}, {29, "Home State"},
    {30, "Home ZIP"}, {31, "Home Country"}, {32, "Birthday"},  {36, "Yahoo! Phone"},
};

std::string yahooHeader() { return csvRow(40, kYahooHeader, "Other"); }

std::map<std::size_t, std::string> yahooAnn() {
    return {{0, "Ann"},         {1, "Marie"},          {2, "Lee"},          {4, "ann@mail.com"},
            {5, "Friends"},     {8, "555-111-2222"},   {9, "555-987-6543"}, {12, "555-333-4444"},
            {21, "Acme Tools"}, {27, "12 Oak Street"}, {28, "Austin"},      {29, "tx"},
            {30, "78701"},      {31, "USA"},           {32, "1/5/1980"},    {36, "555-000-0000"}};
}

class YahooLayout : public ImportTest {};

TEST_F(YahooLayout, TakesEveryColumnOfItsTableAndCleansIt) {
    // Yahoo quotes every value.
    const auto cells = yahooAnn();
    std::string quoted;
    for (std::size_t i = 0; i < 40; ++i) {
        auto it = cells.find(i);
        quoted += (i ? ",\"" : "\"") + (it == cells.end() ? "" : it->second) + "\"";
    }
    auto result = importLines({yahooHeader(), quoted});
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    ASSERT_EQ(records().size(), 1u);
    const std::vector<ContactRecord> all = records();
    const ContactRecord& r = all[0];
    EXPECT_EQ(r.get(Field::FirstName), "Ann");
    EXPECT_EQ(r.get(Field::MI), "M");
    EXPECT_EQ(r.get(Field::LastName), "Lee");
    EXPECT_EQ(r.get(Field::Email), "ann@mail.com");
    EXPECT_EQ(r.get(Field::Category), "Friends");
    EXPECT_EQ(r.get(Field::HomePhone), "555-111-2222");
    EXPECT_EQ(r.get(Field::WorkPhone), "555-987-6543");
    EXPECT_EQ(r.get(Field::CellPhone), "555-333-4444");
    EXPECT_EQ(r.get(Field::Company), "Acme Tools");
    EXPECT_EQ(r.get(Field::Street1), "12 Oak Street");
    EXPECT_EQ(r.get(Field::Street2), "");
    EXPECT_EQ(r.get(Field::City), "Austin");
    EXPECT_EQ(r.get(Field::State), "TX");
    EXPECT_EQ(r.get(Field::Zip), "78701");
    EXPECT_EQ(r.get(Field::Country), "USA");
    EXPECT_EQ(r.get(Field::Birthdate), "19800105");
    EXPECT_EQ(r.get(Field::Notes), "");
    EXPECT_EQ(r.get(Field::IncludeCompany), "1");
    EXPECT_EQ(r.get(Field::BdayReminder), "1");
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{completed(1)});
}

TEST_F(YahooLayout, HomePhoneWithoutDashIsReplacedByTheWorkPhone) {
    auto noWork = yahooAnn();
    noWork[8] = "555 1234";
    noWork[9] = "";
    auto withWork = yahooAnn();
    withWork[0] = "Bob";
    withWork[4] = "bob@mail.com";
    withWork[8] = "555 1234";
    withWork[9] = "555-987-6543";
    importLines({yahooHeader(), csvRow(40, noWork), csvRow(40, withWork)});
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[0].get(Field::HomePhone), "");
    EXPECT_EQ(records()[1].get(Field::HomePhone), "555-987-6543");
    EXPECT_EQ(records()[1].get(Field::WorkPhone), "555-987-6543");
}

TEST_F(YahooLayout, PlaceRulesDropWhatCannotBeAnAddress) {
    auto a = yahooAnn();
    a[27] = "12 A";
    a[29] = "Texas";
    a[30] = "ABCDE";
    auto b = yahooAnn();
    b[0] = "Bob";
    b[4] = "bob@mail.com";
    b[28] = "Route 9";
    b[29] = "T1";
    b[30] = "12345-6789";
    b[31] = "Box #4";
    importLines({yahooHeader(), csvRow(40, a), csvRow(40, b)});
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[0].get(Field::Street1), "");
    EXPECT_EQ(records()[0].get(Field::State), "");
    EXPECT_EQ(records()[0].get(Field::Zip), "");
    EXPECT_EQ(records()[1].get(Field::City), "");
    EXPECT_EQ(records()[1].get(Field::State), "");
    EXPECT_EQ(records()[1].get(Field::Zip), "12345-6789");
    EXPECT_EQ(records()[1].get(Field::Country), "");
}

TEST_F(YahooLayout, BirthdayExamplesAndARepeatedHeaderLine) {
    std::vector<std::string> lines = {yahooHeader()};
    const std::vector<std::pair<std::string, std::string>> cases = {{"1/5/1980", "19800105"},
                                                                    {"5/12/1980", "19800512"},
                                                                    {"12/5/1980", "19801205"},
                                                                    {"13/01/1980", ""},
                                                                    {"01/05/1880", ""}};
    int i = 0;
    for (const auto& c : cases) {
        auto cells = yahooAnn();
        cells[0] = "P" + std::to_string(i);
        cells[4] = "p" + std::to_string(i++) + "@mail.com";
        cells[32] = c.first;
        lines.push_back(csvRow(40, cells));
    }
    lines.push_back(yahooHeader());  // a second header inside the file is skipped
    importLines(lines);
    ASSERT_EQ(records().size(), cases.size());
    for (std::size_t k = 0; k < cases.size(); ++k) {
        EXPECT_EQ(records()[k].get(Field::Birthdate), cases[k].second) << cases[k].first;
    }
}

TEST_F(YahooLayout, NoCompanyMeansTheCompanyLineIsNotPrinted) {
    auto cells = yahooAnn();
    cells[21] = "";
    importLines({yahooHeader(), csvRow(40, cells)});
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].get(Field::IncludeCompany), "0");
}

// ---- Layout 2: Outlook ----------------------------------------------------

const std::map<std::size_t, std::string> kOutlookHeader = {
    {0, "First Name"},     {1, "Middle Name"},     {2, "Last Name"},
    {8, "Birthday"},       {14, "E-mail Address"}, {18, "Home Phone"},
    {19, "Primary Phone"}, {20, "Mobile Phone"},   {25, "Web Page"},
};

class OutlookLayout : public ImportTest {};

TEST_F(OutlookLayout, TakesItsColumnsAndStripsPhoneMarks) {
    const std::string header = csvRow(30, kOutlookHeader, "Other");
    std::map<std::size_t, std::string> cells = {{0, "Carl"},
                                                {1, "James"},
                                                {2, "Young"},
                                                {8, "12/5/1980"},
                                                {14, "carl@x.net"},
                                                {18, "+1 (555) 123-4567"},
                                                {20, "(555) 222-3333"},
                                                {5, "Street"},
                                                {25, "www.example.com"}};
    importLines({header, csvRow(30, cells)});
    ASSERT_EQ(records().size(), 1u);
    const std::vector<ContactRecord> all = records();
    const ContactRecord& r = all[0];
    EXPECT_EQ(r.get(Field::FirstName), "Carl");
    EXPECT_EQ(r.get(Field::MI), "J");
    EXPECT_EQ(r.get(Field::LastName), "Young");
    EXPECT_EQ(r.get(Field::Birthdate), "19801205");
    EXPECT_EQ(r.get(Field::Email), "carl@x.net");
    EXPECT_EQ(r.get(Field::HomePhone), "1 555 123-4567");
    EXPECT_EQ(r.get(Field::CellPhone), "555 222-3333");
    EXPECT_EQ(r.get(Field::Street1), "");
    EXPECT_EQ(r.get(Field::WorkPhone), "");
    EXPECT_EQ(r.get(Field::IncludeCompany), "0");
}

TEST_F(OutlookLayout, SkipsLinesWithoutLastNameOrEmailAndHeaderRepeats) {
    const std::string header = csvRow(30, kOutlookHeader, "Other");
    importLines({header, csvRow(30, {{0, "NoLast"}, {14, "a@x.com"}}),
                 csvRow(30, {{0, "NoMail"}, {2, "Young"}}), header,
                 csvRow(30, {{0, "Dee"}, {2, "Ward"}, {14, "dee@x.com"}})});
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].get(Field::FirstName), "Dee");
}

// ---- Which layout a header is ---------------------------------------------

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

TEST(LayoutRecognition, PositionalLayoutsOnlyWhereTheirColumnsStand) {
    auto moved = kYahooHeader;
    moved.erase(0);
    moved[3] = "First";  // "First" away from its place
    auto outlookCom = kOutlookHeader;
    outlookCom.erase(14);
    outlookCom[8] = "E-mail Address";
    struct Case {
        std::string header;
        int layout;
        bool compatible;
    };
    const Case cases[] = {
        {yahooHeader(), 1, true},
        {csvRow(40, moved, "Other"), 0, true},
        {csvRow(30, kOutlookHeader, "Other"), 2, true},
        {csvRow(30, outlookCom, "Other"), 0, true},
        {exportHeader(ExportFormat::Csv), 4, true},
        {"First Name,Last Name,E-mail Address,Business Phone,Notes,More", 0, true},
        {"Display Name,Phone", 0, true},
        {"Title,Phone,Fax", 0, false},
    };
    for (const Case& c : cases) {
        ImportLayout l = ImportLayout::recognise(fieldsOf(c.header));
        EXPECT_EQ(l.number(), c.layout) << c.header;
        EXPECT_EQ(l.compatible(), c.compatible) << c.header;
    }
}

// ---- Headers read by the names of their columns -------------------------------

class NamedColumnsLayout : public ImportTest {};

TEST_F(NamedColumnsLayout, TakesNamesAndEmailWhereverTheyStand) {
    importLines({"First Name,Last Name,E-mail Address", "Ann,Lee,ann@mail.com,555-1234,ignored",
                 "Hans,Meyer,hans@web.de", ",Nobody,no@mail.com"});
    ASSERT_EQ(records().size(), 3u);
    EXPECT_EQ(records()[0].get(Field::FirstName), "Ann");
    EXPECT_EQ(records()[0].get(Field::LastName), "Lee");
    EXPECT_EQ(records()[0].get(Field::Email), "ann@mail.com");
    EXPECT_EQ(records()[0].get(Field::HomePhone), "");
    EXPECT_EQ(records()[1].get(Field::Email), "hans@web.de");
    EXPECT_EQ(records()[2].get(Field::LastName), "Nobody");
}

TEST_F(NamedColumnsLayout, MiddleNameInColumnTwoAndEmailInColumnThree) {
    importLines({"First Name,Last Name,Middle Name,E-mail Address", "Ann,Lee,Marie,ann@x.org"});
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].get(Field::MI), "M");
    EXPECT_EQ(records()[0].get(Field::Email), "ann@x.org");
}

TEST_F(NamedColumnsLayout, AWholeNameAloneIsSplitIntoFirstAndLastName) {
    auto result = importLines({"Display Name,E-mail Address", "Ann Marie Lee,ann@x.com",
                               "\"Stone, Rob\",rob@x.com", "Madonna,m@x.com"});
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    ASSERT_EQ(records().size(), 3u);
    EXPECT_EQ(records()[0].get(Field::FirstName), "Ann Marie");
    EXPECT_EQ(records()[0].get(Field::LastName), "Lee");
    EXPECT_EQ(records()[1].get(Field::FirstName), "Rob");
    EXPECT_EQ(records()[1].get(Field::LastName), "Stone");
    EXPECT_EQ(records()[2].get(Field::FirstName), "");
    EXPECT_EQ(records()[2].get(Field::LastName), "Madonna");
}

// ---- Layout 4: the program's own export -------------------------------------

class OwnExportLayout : public ImportTest {};

std::string exportRow(const std::vector<std::string>& v) {
    std::string line;
    for (std::size_t i = 0; i < v.size(); ++i) line += (i ? "," : "") + v[i];
    return line;
}

TEST_F(OwnExportLayout, AllEighteenColumnsComeBack) {
    importLines({exportHeader(ExportFormat::Csv),
                 exportRow({"Ann", "M", "Lee", "12 Oak Street", "Apt 4", "Austin", "tx", "78701",
                            "USA", "Acme Tools", "1", "555 1111", "555-2222", "555 3333",
                            "ann@mail.com", "04-10-1980", "Friends;Work", "Likes tea"})});
    ASSERT_EQ(records().size(), 1u);
    const std::vector<ContactRecord> all = records();
    const ContactRecord& r = all[0];
    EXPECT_EQ(r.get(Field::FirstName), "Ann");
    EXPECT_EQ(r.get(Field::MI), "M");
    EXPECT_EQ(r.get(Field::LastName), "Lee");
    EXPECT_EQ(r.get(Field::Street1), "12 Oak Street");
    EXPECT_EQ(r.get(Field::Street2), "Apt 4");
    EXPECT_EQ(r.get(Field::City), "Austin");
    EXPECT_EQ(r.get(Field::State), "TX");
    EXPECT_EQ(r.get(Field::Zip), "78701");
    EXPECT_EQ(r.get(Field::Country), "USA");
    EXPECT_EQ(r.get(Field::Company), "Acme Tools");
    EXPECT_EQ(r.get(Field::IncludeCompany), "1");
    EXPECT_EQ(r.get(Field::HomePhone), "555 1111");  // no dash test here
    EXPECT_EQ(r.get(Field::CellPhone), "555-2222");
    EXPECT_EQ(r.get(Field::WorkPhone), "555 3333");
    EXPECT_EQ(r.get(Field::Email), "ann@mail.com");
    EXPECT_EQ(r.get(Field::Birthdate), "19800410");
    EXPECT_EQ(r.get(Field::Category), "Friends;Work");
    EXPECT_EQ(r.get(Field::Notes), "Likes tea");
}

TEST_F(OwnExportLayout, DashBirthdatesAndTheCompanyFlag) {
    std::vector<std::string> lines = {exportHeader(ExportFormat::Csv)};
    const std::vector<std::pair<std::string, std::string>> cases = {{"04-10-1980", "19800410"},
                                                                    {"4-10-1980", "19800410"},
                                                                    {"04/10/1980", "19800410"},
                                                                    {"13-40-1980", "19801340"},
                                                                    {"", ""}};
    int i = 0;
    for (const auto& c : cases) {
        std::string n = std::to_string(i++);
        lines.push_back(exportRow({"P" + n, "", "Q" + n, "", "", "", "", "", "", "", "1", "", "",
                                   "", "p" + n + "@x.com", c.first, "", ""}));
    }
    importLines(lines);
    ASSERT_EQ(records().size(), cases.size());
    for (std::size_t k = 0; k < cases.size(); ++k) {
        EXPECT_EQ(records()[k].get(Field::Birthdate), cases[k].second) << cases[k].first;
        // "1" in the file, but there is no company to print.
        EXPECT_EQ(records()[k].get(Field::IncludeCompany), "0");
    }
}

TEST_F(OwnExportLayout, QuotedMultiLineNotesStayInTheirContact) {
    import(exportHeader(ExportFormat::Csv) + "\r\n" +
           exportRow({"Ann", "", "Lee", "", "", "", "", "", "", "", "0", "", "", "", "a@x.com", "",
                      "", "\"line one\r\nline two\""}) +
           "\r\n" +
           exportRow({"Bob", "", "Ray", "", "", "", "", "", "", "", "0", "", "", "", "b@x.com", "",
                      "", ""}) +
           "\r\n");
    ASSERT_EQ(records().size(), 2u);
    // Stored on one line, so that an export of it stays one line too.
    EXPECT_EQ(records()[0].get(Field::Notes), "line one line two");
    EXPECT_EQ(exportLine(records()[0], ExportFormat::Csv).find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(records()[1].get(Field::FirstName), "Bob");
}

// ---- Plain lists and headers the old rules refused ---------------------------

class AnyHeaderLayout : public ImportTest {};

TEST_F(AnyHeaderLayout, FindsNamesAndTheEmailColumn) {
    importLines({"First Name,Middle Name,Last Name,Email Address,Phone",
                 "Ann,Marie,Lee,ann@mail.com,555-1234", "Bob,,Ray,bob@mail.gov",
                 "Cy,K,Dahl,cy@mail.gov"});
    ASSERT_EQ(records().size(), 3u);
    EXPECT_EQ(records()[0].get(Field::FirstName), "Ann");
    EXPECT_EQ(records()[0].get(Field::MI), "M");
    EXPECT_EQ(records()[0].get(Field::LastName), "Lee");
    EXPECT_EQ(records()[0].get(Field::Email), "ann@mail.com");
    EXPECT_EQ(records()[0].get(Field::HomePhone), "555-1234");
    EXPECT_EQ(records()[1].get(Field::MI), "");
    EXPECT_EQ(records()[2].get(Field::MI), "K");
    EXPECT_EQ(records()[2].get(Field::Email), "cy@mail.gov");
}

TEST_F(AnyHeaderLayout, ThePlainThreeColumnFileImports) {
    auto result = importLines({"First Name,Last Name,Email", "Ann,Lee,ann@mail.com",
                               "Hans,Meyer,hans@web.de", "Ian,Ross"});
    EXPECT_EQ(result.outcome, ImportResult::Completed);
    ASSERT_EQ(records().size(), 3u);
    EXPECT_EQ(records()[1].get(Field::Email), "hans@web.de");
    EXPECT_EQ(records()[2].get(Field::Email), "");
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{completed(3)});
}

TEST_F(AnyHeaderLayout, OtherPositionsAndSpellings) {
    importLines({"Last,First Name,MI,Phone,Fax,Mobile,E-mail,Notes", "Lee,Ann,Q,1,2,3,ann@x.edu"});
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].get(Field::LastName), "Lee");
    EXPECT_EQ(records()[0].get(Field::FirstName), "Ann");
    EXPECT_EQ(records()[0].get(Field::MI), "Q");
    EXPECT_EQ(records()[0].get(Field::Email), "ann@x.edu");
}

TEST_F(AnyHeaderLayout, ARepeatedHeaderLineIsSkipped) {
    importLines({"First Name,Last Name,Email", "First,Last,x@y.com", "First Name,Last Name,Email",
                 "Ann,Lee,ann@x.com"});
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[0].get(Field::FirstName), "First");
    EXPECT_EQ(records()[1].get(Field::FirstName), "Ann");
}

TEST_F(AnyHeaderLayout, NoNameOrEmailColumnIsNotCompatible) {
    auto result = importLines({"Title,Phone", "Dr,555-1234"});
    EXPECT_EQ(result.outcome, ImportResult::NotCompatible);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No contacts imported|CSV file not "
                                                           "compatible with import function."});
    EXPECT_EQ(dialogs.log.back().icon, Icon::Information);
    EXPECT_TRUE(records().empty());
}

TEST_F(AnyHeaderLayout, HeadersTheOldRulesRefusedAreReadByNames) {
    const std::string headers[] = {"Title,Phone,Email", "Suffix,Initials,Web Page,Name,Email,",
                                   "Name,Email,Distribution Lists",
                                   "First Name,Birthdate,Category,Notes,Email,", "Name,Phone"};
    const std::string lines[] = {"Dr,555-1234,ann@x.com", ",,,Ann Lee,ann@x.com,",
                                 "Ann Lee,ann@x.com,", "Ann,04/10/1980,Friends,Hi,ann@x.com,",
                                 "Ann Lee,555-1234"};
    for (std::size_t i = 0; i < std::size(headers); ++i) {
        startOver();
        auto result = importLines({headers[i], lines[i]});
        EXPECT_EQ(result.outcome, ImportResult::Completed) << headers[i];
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{completed(1)}) << headers[i];
    }
    // The last file: a name and a phone, no e-mail.
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].get(Field::LastName), "Lee");
    EXPECT_EQ(records()[0].get(Field::HomePhone), "555-1234");
}

}  // namespace
}  // namespace varnel
