// Files as address books and e-mail services export them, one fixture per
// kind built from its documented columns, each read field by field.
#include <gtest/gtest.h>

#include <map>

#include "exchange/import_fixture.h"

namespace varnel {
namespace {

using testing::ImportTest;
using testing::readFileBytes;

using Expected = std::map<Field, std::string>;

// The same person in every fixture: a home and a business address, a company
// with a comma, a note over two lines and a name in letters Windows-1252 lacks.
Expected lukasz(const Expected& changes = {}) {
    Expected e = {
        {Field::FirstName, "Lukasz"},
        {Field::MI, "J"},
        {Field::LastName, "Dvor\xE1k"},
        {Field::Street1, "12 Oak St"},
        {Field::Street2, "Apt 4"},
        {Field::City, "Austin"},
        {Field::State, "TX"},
        {Field::Zip, "78701"},
        {Field::Country, "USA"},
        {Field::HomePhone, "512-555-0101"},
        {Field::CellPhone, "512-555-0102"},
        {Field::WorkPhone, "214-555-0103"},
        {Field::Email, "lukasz@example.com"},
        {Field::Birthdate, "19800410"},
        {Field::Category, "Friends"},
        {Field::Notes, "Met at the fair Likes tea, not coffee"},
        {Field::Company, "Acme, Inc."},
        {Field::IncludeCompany, "1"},
        {Field::BdayReminder, "1"},
    };
    for (const auto& [field, value] : changes) e[field] = value;
    return e;
}

const Expected kBusinessAddress = {{Field::Street1, "1 Work Plaza"},
                                   {Field::Street2, ""},
                                   {Field::City, "Dallas"},
                                   {Field::State, "TX"},
                                   {Field::Zip, "75001"},
                                   {Field::Country, "USA"}};

Expected merged(Expected a, const Expected& b) {
    for (const auto& [field, value] : b) a[field] = value;
    return a;
}

struct Kind {
    const char* fixture;
    Expected first;  // the file's first contact
    std::size_t contacts;
};

class ExportKinds : public ImportTest {
protected:
    ImportResult importFixture(const std::string& name) {
        return import(readFileBytes(std::filesystem::path(VARNEL_SOURCE_DIR) / "tests" /
                                    "exchange" / "fixtures" / name));
    }
};

TEST_F(ExportKinds, EveryKindGivesItsFieldsFieldByField) {
    const Kind kinds[] = {
        // Google Contacts since 2024: work address first, a street over two lines,
        // several e-mails in one cell, the service's own label dropped.
        {"google_2024.csv", lukasz(), 1},
        // Google's older format: a birthday without a year.
        {"google_old.csv", lukasz({{Field::Birthdate, "00000410"}}), 1},
        // Outlook: every value quoted; a business phone too long for its field is tidied.
        {"outlook_desktop.csv", lukasz(), 1},
        // Outlook.com: no street at home, so the business address; the second e-mail
        // column; a two-digit year.
        {"outlook_com.csv", lukasz(merged(kBusinessAddress, {{Field::Category, ""}})), 1},
        // Thunderbird: no middle name or categories; the secondary e-mail; birthday in
        // three columns; a comma after every line.
        {"thunderbird_us.csv", lukasz({{Field::MI, ""}, {Field::Category, ""}}), 1},
        // British headers: a county and a postcode that the place rules drop.
        {"thunderbird_uk.csv",
         {{Field::FirstName, "Ivan"},
          {Field::MI, ""},
          {Field::LastName, "Petrov"},
          {Field::Street1, "10 High Street"},
          {Field::Street2, "Flat 2"},
          {Field::City, "Oxford"},
          {Field::State, ""},
          {Field::Zip, ""},
          {Field::Country, "United Kingdom"},
          {Field::HomePhone, "01865 555011"},
          {Field::CellPhone, "07700 900123"},
          {Field::WorkPhone, "01865 555010"},
          {Field::Email, "ivan@example.co.uk"},
          {Field::Birthdate, "00001205"},
          {Field::Category, ""},
          {Field::Notes, "Met at the fair Likes tea, not coffee"},
          {Field::Company, "Bodley, Ltd."},
          {Field::IncludeCompany, "1"}},
         1},
        // Yahoo's current export: its columns stand elsewhere than the classic layout's.
        {"yahoo.csv", lukasz(), 1},
        {"plain.csv",
         {{Field::FirstName, "Lukasz"},
          {Field::MI, ""},
          {Field::LastName, "Dvor\xE1k, Jr."},
          {Field::Street1, ""},
          {Field::Email, "lukasz@example.com"},
          {Field::Company, ""},
          {Field::IncludeCompany, "0"}},
         1},
        // vCard 2.1: quoted-printable in UTF-8 and in ISO-8859-1, soft line breaks,
        // bare types, a fax number passed over, a picture stepped over.
        {"vcard21.vcf", lukasz(), 2},
        // vCard 3.0: folded lines, escapes, grouped properties with their label, the
        // preferred e-mail first.
        {"vcard30.vcf", lukasz(), 1},
        // vCard 4.0: tel: values, PREF numbers, a birthday without a year.
        {"vcard40.vcf",
         lukasz({{Field::Birthdate, "00000410"}, {Field::Category, "Friends;Chess"}}), 1},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.fixture);
        startOver();
        ImportResult result = importFixture(kind.fixture);
        EXPECT_EQ(result.outcome, ImportResult::Completed);
        ASSERT_EQ(records().size(), kind.contacts);
        const ContactRecord r = records()[0];
        for (const auto& [field, value] : kind.first) {
            EXPECT_EQ(r.get(field), value) << "field " << static_cast<int>(field);
        }
        // The name written in other letters is named in the box's details.
        EXPECT_NE(dialogs.log.back().details.find(" stored as "), std::string::npos);
    }
}

TEST_F(ExportKinds, AVCardInIso88591KeepsItsAccents) {
    importFixture("vcard21.vcf");
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[1].get(Field::FirstName), "J\xF6rg");
    EXPECT_EQ(records()[1].get(Field::LastName), "M\xFCller");
    EXPECT_EQ(records()[1].get(Field::Email), "joerg@example.de");
}

TEST_F(ExportKinds, BirthdaysInEveryFormExportsWrite) {
    const std::pair<const char*, const char*> cases[] = {
        {"1980-04-10", "19800410"},
        {"19800410", "19800410"},
        {"1980-04-10T00:00:00Z", "19800410"},
        {"04/10/1980", "19800410"},
        {"4/10/1980", "19800410"},
        {"4/10/80", "19800410"},
        {"4/10/05", "20050410"},
        {"04-10-1980", "19800410"},
        {"--04-10", "00000410"},
        {"--0410", "00000410"},
        {"1604-04-10", "00000410"},
        {"0/0/00", ""},
        {"13/01/1980", ""},
        {"02/30/1980", ""},
        {"1880-04-10", ""},
        {"soon", ""},
        {"02/29/2000", "20000229"},
        {"--02-29", "00000229"},
    };
    std::vector<std::string> lines = {"First Name,Last Name,Birthday"};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        lines.push_back("P" + std::to_string(i) + ",Q," + cases[i].first);
    }
    importLines(lines);
    ASSERT_EQ(records().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(records()[i].get(Field::Birthdate), cases[i].second) << cases[i].first;
    }
}

TEST_F(ExportKinds, EncodingsOfTheSameFile) {
    const std::string utf8 =
        "First Name,Last Name,Email\r\n\xC5\x81ukasz,Dvo\xC5\x99\xC3\xA1k,l@x.com\r\n";
    auto utf16 = [&](bool little) {
        std::string out = little ? "\xFF\xFE" : "\xFE\xFF";
        // The text is Latin-1 but for two characters, written here by hand.
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            unsigned code = static_cast<unsigned char>(utf8[i]);
            if (utf8.compare(i, 2, "\xC5\x81") == 0)
                code = 0x141, ++i;
            else if (utf8.compare(i, 2, "\xC5\x99") == 0)
                code = 0x159, ++i;
            else if (utf8.compare(i, 2, "\xC3\xA1") == 0)
                code = 0xE1, ++i;
            char hi = static_cast<char>(code >> 8), lo = static_cast<char>(code & 0xFF);
            out += little ? std::string{lo, hi} : std::string{hi, lo};
        }
        return out;
    };
    const std::string files[] = {utf8, "\xEF\xBB\xBF" + utf8, utf16(true), utf16(false),
                                 utf16(true).substr(2)};
    for (const std::string& bytes : files) {
        startOver();
        import(bytes);
        ASSERT_EQ(records().size(), 1u);
        EXPECT_EQ(records()[0].get(Field::FirstName), "Lukasz");
        EXPECT_EQ(records()[0].get(Field::LastName), "Dvor\xE1k");
    }
    // Windows-1252 as it is.
    startOver();
    import("First Name,Last Name,Email\r\nZo\xEB,M\xFCller \x80,z@x.com\r\n");
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].get(Field::LastName), "M\xFCller \x80");
}

}  // namespace
}  // namespace varnel
