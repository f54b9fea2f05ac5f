#include "listing/list_lines.h"

#include <gtest/gtest.h>

#include "listing/contact_builder.h"
#include "listing/search_kind.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::ContactSpec;
using testing::makeContact;

std::string sp(std::size_t n) { return std::string(n, ' '); }

std::vector<std::string> firstNamesFound(const std::vector<ContactRecord>& records,
                                         std::int16_t kind, const std::string& text) {
    ListQuery q;
    q.searchKind = kind;
    q.searchText = text;
    std::vector<std::string> names;
    for (const ListLine& line : buildListLines(records, q)) {
        names.push_back(records[static_cast<std::size_t>(line.record - 1)].get(Field::FirstName));
    }
    return names;
}

TEST(ListLineText, StreetDisplayLineLaysOutEveryPiece) {
    ContactRecord r = makeContact({.first = "John",
                                   .mi = "J",
                                   .last = "Smith",
                                   .street1 = "12 Elm St",
                                   .street2 = "Apt 4",
                                   .city = "Springfield",
                                   .state = "IL",
                                   .zip = "62701",
                                   .home = "555-1234",
                                   .cell = "217-555-9876"});
    ListQuery q;
    EXPECT_EQ(listLineText(r, q), "John J. Smith\t12 Elm St" + sp(12) +
                                      " Apt 4\tSpringfield     \tIL\t62701     " + sp(6) +
                                      "\t555-1234       \t217-555-9876   ");
}

TEST(ListLineText, EmailDisplayLineKeepsStoredWidths) {
    ContactRecord r = makeContact({.first = "Ann",
                                   .last = "Lee",
                                   .city = "Austin",
                                   .state = "TX",
                                   .zip = "78701",
                                   .cell = "(512) 555-0100",
                                   .email = "ann@example.com"});
    ListQuery q;
    q.display = ListDisplay::Email;
    q.nameOrder = 1;
    EXPECT_EQ(listLineText(r, q), "Lee, Ann \tAustin          \tTX\t78701     \t" + sp(22) + "\t" +
                                      sp(22) + "\tann@example.com" + sp(35));
}

TEST(ListLineText, NameOrdersAndInitials) {
    ContactRecord withMi = makeContact({.first = "John", .mi = "J", .last = "Smith"});
    ContactRecord noMi = makeContact({.first = "John", .last = "Smith"});
    ContactRecord lowerMi = makeContact({.first = "John", .mi = "j", .last = "Smith"});
    ContactRecord digitMi = makeContact({.first = "John", .mi = "4", .last = "Smith"});
    EXPECT_EQ(nameText(withMi, 0), "John J. Smith");
    EXPECT_EQ(nameText(withMi, 1), "Smith, John J. ");
    EXPECT_EQ(nameText(noMi, 0), "John Smith");
    EXPECT_EQ(nameText(noMi, 1), "Smith, John ");
    EXPECT_EQ(nameText(lowerMi, 0), "John Smith");
    EXPECT_EQ(nameText(lowerMi, 1), "Smith, John ");
    EXPECT_EQ(nameText(digitMi, 0), "John Smith");
}

TEST(ListLineText, PhoneColumnsKeepNumbersAndBlankTheRest) {
    EXPECT_EQ(homeColumn("555-1234       "), "555-1234       ");
    EXPECT_EQ(homeColumn("(555) 555-1234 "), sp(22));
    EXPECT_EQ(homeColumn(sp(15)), sp(22));
    EXPECT_EQ(homeColumn("0-000          "), sp(22));
    EXPECT_EQ(homeColumn("  1 800 FLOWERS"), "  1 800 FLOWERS");
    ContactRecord r = makeContact({.first = "A", .home = "(555) 555-1234", .cell = "555-1234"});
    std::string line = listLineText(r, ListQuery{});
    EXPECT_NE(line.find("\t" + sp(22) + "\t555-1234       "), std::string::npos) << line;
}

TEST(ListLineText, StreetTextPadding) {
    EXPECT_EQ(streetText(""), sp(40));
    EXPECT_EQ(streetText("  A  "), sp(40));
    EXPECT_EQ(streetText("PO"), "PO");
    EXPECT_EQ(streetText("Elm"), "Elm" + sp(12));
    EXPECT_EQ(streetText(std::string(19, 'x')), std::string(19, 'x') + sp(12));
    EXPECT_EQ(streetText(std::string(20, 'x')), std::string(20, 'x'));
    ContactRecord r = makeContact({.first = "A", .street2 = "Suite 9"});
    EXPECT_NE(listLineText(r, ListQuery{}).find("\t" + sp(40) + " Suite 9\t"), std::string::npos);
}

TEST(ListLineText, ShortCityAndZipShowUnknown) {
    ContactRecord r = makeContact({.first = "A", .city = "X", .state = "NY", .zip = "1"});
    EXPECT_EQ(listedCity(r), "Unknown         ");
    EXPECT_EQ(listedZip(r), "Unknown   ");
    EXPECT_EQ(listLineText(r, ListQuery{}), "A \t" + sp(40) +
                                                " \tUnknown         \tNY\tUnknown   " + sp(6) +
                                                "\t" + sp(22) + "\t" + sp(22));
    ContactRecord twoChars = makeContact({.first = "A", .city = "Al", .zip = "12"});
    EXPECT_EQ(listedCity(twoChars), "Al              ");
    EXPECT_EQ(listedZip(twoChars), "12        ");
}

TEST(ListHeadings, WindowTexts) {
    EXPECT_EQ(listHeading(ListDisplay::Email),
              "Name                               City               ST     Zip         Home"
              "         Cell                   Email Address");
    EXPECT_EQ(listHeading(ListDisplay::Street),
              "Name                   Street                              City                 "
              "ST       Zip                    Home                Cell");
    EXPECT_EQ(listWindowTitle("VRN_Contacts"), "All Contacts  [VRN_Contacts]");
    EXPECT_EQ(contactsFoundCaption(0), "Contacts Found = 0");
    EXPECT_EQ(searchDescription(2, "Spring"), "City = Spring");
    EXPECT_EQ(searchDescription(8, "Acme"), "Company name = Acme");
    EXPECT_EQ(searchDescription(kSearchAll, "x"), "");
}

class ListSearch : public ::testing::Test {
protected:
    std::vector<ContactRecord> records = {
        makeContact({.first = "a1",
                     .city = "Springfield",
                     .state = "CA",
                     .zip = "90210",
                     .email = "a@x.org"}),
        makeContact({.first = "a2", .city = "Cold Springs", .state = "CO", .zip = "29021"}),
        makeContact({.first = "a3", .city = "Boston", .state = "CT", .zip = "02108"}),
        makeContact({.first = "a4", .city = "Raleigh", .state = "NC", .zip = "27601"}),
        makeContact({.first = "a5", .city = "Columbia", .state = "SC", .zip = "k1a 0b1"}),
        makeContact({.first = "a6", .city = "Washington", .state = "DC", .zip = "20001"}),
        makeContact({.first = "a7", .city = "Albany", .state = "NY", .zip = "12207"}),
        makeContact({.first = "a8", .city = " ", .state = "TX", .zip = "7"}),
        makeContact({.first = "a9", .city = "Q", .state = "WA", .zip = ""}),
    };
};

TEST_F(ListSearch, CitySubstringIgnoresCase) {
    EXPECT_EQ(firstNamesFound(records, 2, "spr"), (std::vector<std::string>{"a1", "a2"}));
    EXPECT_EQ(firstNamesFound(records, 2, "SPRINGS"), (std::vector<std::string>{"a2"}));
}

TEST_F(ListSearch, ZipComparesExactly) {
    EXPECT_EQ(firstNamesFound(records, 4, "902"), (std::vector<std::string>{"a1", "a2"}));
    EXPECT_EQ(firstNamesFound(records, 4, "k1a"), (std::vector<std::string>{"a5"}));
    EXPECT_TRUE(firstNamesFound(records, 4, "K1A").empty());
}

TEST_F(ListSearch, StateSingleLetter) {
    std::vector<std::string> six = {"a1", "a2", "a3", "a4", "a5", "a6"};
    EXPECT_EQ(firstNamesFound(records, 3, "C"), six);
    EXPECT_EQ(firstNamesFound(records, 3, "c"), six);
}

TEST_F(ListSearch, UnknownStandsForShortCityAndZip) {
    EXPECT_EQ(firstNamesFound(records, 2, "Unknown"), (std::vector<std::string>{"a8", "a9"}));
    EXPECT_EQ(firstNamesFound(records, 2, "unk"), (std::vector<std::string>{"a8", "a9"}));
    EXPECT_EQ(firstNamesFound(records, 4, "Unknown"), (std::vector<std::string>{"a8", "a9"}));
    EXPECT_TRUE(firstNamesFound(records, 4, "unknown").empty());
}

TEST_F(ListSearch, CancelledPromptListsNonBlankFields) {
    // Email: only a1 has one.
    EXPECT_EQ(firstNamesFound(records, 5, ""), (std::vector<std::string>{"a1"}));
    // City blanks read "Unknown", so every contact passes.
    EXPECT_EQ(firstNamesFound(records, 2, "").size(), records.size());
    // No search at all lists everyone, whatever the text.
    EXPECT_EQ(firstNamesFound(records, kSearchAll, "zzz").size(), records.size());
    // The typed text is not trimmed.
    EXPECT_EQ(firstNamesFound(records, 2, " spr"), (std::vector<std::string>{"a2"}));
}

TEST_F(ListSearch, OtherFieldsAndKinds) {
    std::vector<ContactRecord> more = {
        makeContact(
            {.first = "Zed", .last = "Ant", .category = "Family, golf", .company = "Acme Tools"}),
        makeContact({.first = "Bea", .last = "Zant", .category = "work"}),
    };
    EXPECT_EQ(firstNamesFound(more, 0, "ze"), (std::vector<std::string>{"Zed"}));
    EXPECT_EQ(firstNamesFound(more, 1, "ANT"), (std::vector<std::string>{"Zed", "Bea"}));
    EXPECT_EQ(firstNamesFound(more, 6, "GOLF"), (std::vector<std::string>{"Zed"}));
    EXPECT_EQ(firstNamesFound(more, 8, "acme"), (std::vector<std::string>{"Zed"}));
    EXPECT_EQ(firstNamesFound(more, 8, ""), (std::vector<std::string>{"Zed"}));
}

TEST(ListFromFile, RecordNumbersFollowTheFile) {
    testing::TempDir dir;
    ContactFile file;
    file.open(dir / "c.DAT");
    file.appendRecord(makeContact({.first = "Zoe", .city = "Spring"}));
    file.appendRecord(makeContact({.first = "Al", .city = "Dallas"}));
    file.appendRecord(makeContact({.first = "Bo", .city = "Springs"}));
    ListQuery q;
    q.searchKind = 2;
    q.searchText = "spring";
    std::vector<ListLine> lines = buildListLines(file, q);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].record, 1);
    EXPECT_EQ(lines[1].record, 3);
    EXPECT_EQ(lines[1].text.substr(0, 4), "Bo \t");
    EXPECT_EQ(buildListLines(file, q), buildListLines(file.readAll(), q));
}

TEST(ListFromFile, NoOpenFileIsARunError) {
    ContactFile closed;
    try {
        buildListLines(closed, ListQuery{});
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), RunError::BadFileNameOrNumber);
    }
}

}  // namespace
}  // namespace varnel
