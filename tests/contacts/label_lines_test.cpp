#include "contacts/label_lines.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

LabelLineResult parse(std::string l1, std::string l2 = "", std::string l3 = "", std::string l4 = "",
                      std::string l5 = "") {
    return contactFromLabelLines({l1, l2, l3, l4, l5});
}

TEST(LabelLinesName, FirstInitialAndLast) {
    NameParts q = splitNameLine("John Q. Smith");
    EXPECT_EQ(q.first, "John");
    EXPECT_EQ(q.middle, "Q");
    EXPECT_EQ(q.last, "Smith");

    NameParts plain = splitNameLine("John Smith");
    EXPECT_EQ(plain.first, "John");
    EXPECT_EQ(plain.middle, std::nullopt);
    EXPECT_EQ(plain.last, "Smith");

    NameParts noDot = splitNameLine("John Q Public");
    EXPECT_EQ(noDot.middle, "Q");
    EXPECT_EQ(noDot.last, "Public");
}

TEST(LabelLinesName, TheLastCharacterFoundInCodeOrderWins) {
    // Both " A " and " b " occur: lower case comes after upper case.
    NameParts both = splitNameLine("Jo A b Smith");
    EXPECT_EQ(both.middle, "b");
    // "_" (code 95) is found after "Q" and gives an empty initial.
    NameParts odd = splitNameLine("Jo Q _ Smith");
    EXPECT_EQ(odd.middle, "");
    // The scan starts at position 3: " B " at position 2 is not seen.
    NameParts start = splitNameLine("A B Smith");
    EXPECT_EQ(start.middle, std::nullopt);
}

TEST(LabelLinesName, TitlesAreRemovedFromFirstAndLastName) {
    struct Case {
        const char* line;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {"Mrs. Jane Doe", "Jane", "Doe"},    {"Mr. John Smith", "John", "Smith"},
        {"Ms. Ann Lee", "Ann", "Lee"},       {"Dr. Sam Hill", "Sam", "Hill"},
        {"Miss Kay Poe", "Kay", "Poe"},      {"Mrs Jane Doe", "Jane", "Doe"},
        {"Mr John Smith", "John", "Smith"},  {"Dr Sam Hill", "Sam", "Hill"},
        {"Mrs. Jane Q. Doe", "Jane", "Doe"}, {" Mrs. Jane Doe", "Jane", "Doe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        NameParts n = splitNameLine(c.line);
        EXPECT_EQ(n.first, c.first);
        EXPECT_EQ(n.last, c.last);
    }
    EXPECT_EQ(splitNameLine("Mrs. Jane Q. Doe").middle, "Q");
    // "Drew" is no title: only "Dr" followed by a space is.
    NameParts drew = splitNameLine("Drew Carey");
    EXPECT_EQ(drew.first, "Drew");
    EXPECT_EQ(drew.last, "Carey");
}

TEST(LabelLinesName, ANamePartWithoutASpaceFillsWhatItCan) {
    // Title and one word: that word is the last name.
    NameParts titled = splitNameLine("Mrs. Smith");
    EXPECT_EQ(titled.first, "");
    EXPECT_EQ(titled.last, "Smith");
    // A first word longer than the 18 characters looked at.
    NameParts longWord = splitNameLine("Bartholomew-Christopher Smith");
    EXPECT_EQ(longWord.first, "Bartholomew-Christopher");
    EXPECT_EQ(longWord.last, "Smith");
    // Leading blank, one word.
    NameParts lone = splitNameLine(" John");
    EXPECT_EQ(lone.first, "John");
    EXPECT_EQ(lone.last, "");
}

TEST(LabelLines, LineOneWithoutASpaceIsRefused) {
    LabelLineResult r = parse("Cher", "12 Main St");
    EXPECT_TRUE(r.refused);
    EXPECT_FALSE(r.contact.street1);
    EXPECT_STREQ(kLineOneNoSpaceText, "Line 1 must contain a space.");
    EXPECT_STREQ(kLineOneNoSpaceTitle, "Incorrect entry");
}

TEST(LabelLines, AllLinesEmptyFillsNothing) {
    LabelLineResult r = parse("");
    EXPECT_FALSE(r.refused);
    EXPECT_FALSE(r.contact.firstName);
    EXPECT_FALSE(r.contact.street1);
    EXPECT_FALSE(r.contact.city);
}

TEST(LabelLines, StreetWithRemainderAndCityLine) {
    LabelLineResult r = parse("John Smith", "123 Main Street Apt 4", "Springfield, IL 62704");
    const LabelLineContact& c = r.contact;
    EXPECT_EQ(c.firstName, "John");
    EXPECT_EQ(c.lastName, "Smith");
    EXPECT_EQ(c.street1, "123 Main Street");
    EXPECT_EQ(c.street2, "Apt 4");
    EXPECT_EQ(c.city, "Springfield");
    EXPECT_EQ(c.state, "IL");
    EXPECT_EQ(c.zip, "62704");
}

TEST(LabelLines, NoRuleKeepsTheWholeStreet) {
    LabelLineResult r = parse("John Smith", "123 Main Ave", "Boston MA 02115");
    EXPECT_EQ(r.contact.street1, "123 Main Ave");
    EXPECT_EQ(r.contact.street2, "");
    EXPECT_EQ(r.contact.city, "Boston");
    EXPECT_EQ(r.contact.state, "MA");
    EXPECT_EQ(r.contact.zip, "02115");
}

TEST(LabelLines, ALineTwoThatIsNoStreetFillsOnlyTheName) {
    LabelLineResult r = parse("John Smith", "Acme Corporation", "Boston MA 02115");
    EXPECT_EQ(r.contact.firstName, "John");
    EXPECT_FALSE(r.contact.street1);
    EXPECT_FALSE(r.contact.street2);
    EXPECT_FALSE(r.contact.city);
    EXPECT_FALSE(r.contact.state);
    EXPECT_FALSE(r.contact.zip);

    LabelLineResult po = parse("John Smith", "P.O. Box 12", "Boston MA 02115");
    EXPECT_EQ(po.contact.street1, "PO Box 12");
    EXPECT_EQ(po.contact.city, "Boston");
}

TEST(LabelLines, CityLines) {
    CityLine dash = splitCityLine("Austin, TX 78701-1234");
    EXPECT_EQ(dash.city, "Austin");
    EXPECT_EQ(dash.state, "TX");
    EXPECT_EQ(dash.zip, "78701-1234");

    CityLine shortLine = splitCityLine("Ames IA 500");  // 11 characters
    EXPECT_FALSE(shortLine.city);
    EXPECT_FALSE(shortLine.state);
    EXPECT_FALSE(shortLine.zip);

    // No space from position 5 and no comma: the whole head is the city.
    CityLine glued = splitCityLine("Abc Minneapolis1");
    EXPECT_EQ(glued.city, "Abc Minneapolis1");
    // A comma only before position 3.
    CityLine comma = splitCityLine("X, Springfield 62704");
    EXPECT_EQ(comma.city, "X, Springfield 6");
}

TEST(LabelLines, SecondStreetLineFromLineThree) {
    LabelLineResult r = parse("John Smith", "12 Elm Street", "Suite 5", "Boston MA 02115");
    EXPECT_EQ(r.contact.street1, "12 Elm Street");
    EXPECT_EQ(r.contact.street2, "Suite 5");
    EXPECT_EQ(r.contact.city, "Boston");
    EXPECT_EQ(r.contact.zip, "02115");

    // A long third line is the city line even with a unit word in it.
    LabelLineResult longer = parse("John Smith", "12 Elm Street", "Apton Hills MA 02115");
    EXPECT_EQ(longer.contact.street2, "");
    EXPECT_EQ(longer.contact.city, "Apton");
}

TEST(LabelLines, RemainderStartingWithTheStreetsLastLetterIsShortened) {
    // The remainder "t Rear door entrance" starts with the street's last
    // letter and a blank: it keeps its characters 3 to 14.
    LabelLineResult r = parse("John Smith", "12 Elm St, t Rear door entrance", "Boston MA 02115");
    EXPECT_EQ(r.contact.street1, "12 Elm St");
    EXPECT_EQ(r.contact.street2, "Rear door en");
}

TEST(LabelLines, NegativeLengthsFillWhatTheRulesAllow) {
    // A comma only before position 6 of line 2.
    LabelLineResult comma = parse("John Smith", "12, Main", "Boston MA 02115");
    EXPECT_EQ(comma.contact.street1, "12, Main");
    EXPECT_EQ(comma.contact.street2, "");
    EXPECT_EQ(comma.contact.city, "Boston");
    // A city line without a space from position 5.
    LabelLineResult city = parse("John Smith", "12 Main", "Minneapolis-MN55401");
    EXPECT_EQ(city.contact.city, "Minneapolis-MN55");
    EXPECT_EQ(city.contact.street1, "12 Main");
    // A name part without a space after the title.
    LabelLineResult name = parse("Mr. Smith", "12 Main");
    EXPECT_EQ(name.contact.firstName, "");
    EXPECT_EQ(name.contact.lastName, "Smith");
}

struct CutCase {
    const char* line;
    const char* street;
};

TEST(StreetCut, EveryRuleCutsAfterItsWord) {
    const CutCase cases[] = {
        {"12 Main St, Apt 4", "12 Main St"},              // 1
        {"12 Oak ave Apt 4", "12 Oak ave "},              // 2
        {"12 Oak Avenue Apt 4", "12 Oak Avenue "},        // 3
        {"12 Elm st Apt 4", "12 Elm st "},                // 4
        {"12 Elm STREET Apt 4", "12 Elm STREET "},        // 5
        {"12 Ocean Blvd Apt 4", "12 Ocean Blvd "},        // 6
        {"12 Ocean Boulevard 4", "12 Ocean Boulevard "},  // 7
        {"12 Oak cir Apt 4", "12 Oak cir "},              // 8
        {"12 Oak Circle Apt 4", "12 Oak Circle "},        // 9
        {"12 Oak ct Apt 4", "12 Oak ct "},                // 10
        {"12 Oak Court Apt 4", "12 Oak Court "},          // 11
        {"12 Oak Dr Apt 4", "12 Oak Dr "},                // 12
        {"12 Oak Drive Apt 4", "12 Oak Drive "},          // 13
        {"12 Old hwy Apt 4", "12 Old hwy "},              // 14
        {"12 Old Highway Apt 4", "12 Old Highway "},      // 15
        {"12 Oak ln Apt 4", "12 Oak ln "},                // 16
        {"12 Oak Lane Apt 4", "12 Oak Lane "},            // 17
        {"12 Oak pkwy Apt 4", "12 Oak pkwy "},            // 18
        {"12 Oak Parkway Apt 4", "12 Oak Parkway "},      // 19
        {"12 Oak pl Apt 4", "12 Oak pl "},                // 20
        {"12 Oak Place Apt 4", "12 Oak Place "},          // 21
        {"12 Oak Rd Apt 4", "12 Oak Rd "},                // 22
        {"12 Oak Road Apt 4", "12 Oak Road "},            // 23
        {"12 Oak ter Apt 4", "12 Oak ter "},              // 24
        {"12 Oak Terrace Apt 4", "12 Oak Terrace "},      // 25
        {"12 Long Way Apt 4", "12 Long Way "},            // 26
        {"12 Oak Grove #4", "12 Oak Grove"},              // 27
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(cutStreetLine(c.line), c.street);
    }
}

TEST(StreetCut, TheFirstApplicableRuleWins) {
    // Rule 5 (Street) comes before rule 27 (#).
    EXPECT_EQ(cutStreetLine("12 Elm Street #4"), "12 Elm Street ");
    // Rule 26 looks for its test text from position 8 only.
    EXPECT_EQ(cutStreetLine("1 Way Apt 4"), "1 Way Apt 4");
}

TEST(StreetCut, ATestTextWithoutItsCutTextKeepsTheWholeLine) {
    for (const char* line :
         {"123 Ocean Blvd", "12 Oak blvd", "45 Elm CT", "45 Elm LN", "1 Dr Ave", "1 ln 22 Oak"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(cutStreetLine(line), line);
    }
}

TEST(LabelLines, HostileLinesNeverFail) {
    const std::string huge(1000, 'x');
    LabelLineResult r = parse(huge + " y", "1" + huge, huge, huge, huge);
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(r.contact.firstName->size(), 1000u);
    LabelLineResult tabs = parse("\t|\t x", "9\t|,.", "|||||||||||||||||", "\xff\xfe");
    EXPECT_FALSE(tabs.refused);
    for (const std::string l : {" ", "  ", "1", "1 ", "PO B", ",", "1,", "1 #", "1 ,"}) {
        SCOPED_TRACE(l);
        LabelLineResult odd = parse(l, l, l, l);
        EXPECT_EQ(odd.refused, l.find(' ') == std::string::npos);
        if (!odd.refused && l[0] == '1') {
            EXPECT_TRUE(odd.contact.street1);
        }
    }
}

}  // namespace
}  // namespace varnel
