// The cleaning rules of the CSV import, one rule at a time.
#include "exchange/import_rules.h"

#include <gtest/gtest.h>

#include "store/run_error.h"

namespace varnel {
namespace {

TEST(SlashDateRule, PadsMonthAndDayAndReordersToYearMonthDay) {
    EXPECT_EQ(centuryTest(slashDateRule("1/5/1980")), "19800105");
    EXPECT_EQ(centuryTest(slashDateRule("5/12/1980")), "19800512");
    EXPECT_EQ(centuryTest(slashDateRule("12/5/1980")), "19801205");
    EXPECT_EQ(centuryTest(slashDateRule("04/10/1980")), "19800410");
}

TEST(SlashDateRule, ImpossibleMonthOrDayAndOtherCenturiesAreNoBirthdate) {
    EXPECT_EQ(centuryTest(slashDateRule("13/01/1980")), "");
    EXPECT_EQ(centuryTest(slashDateRule("01/32/1980")), "");
    EXPECT_EQ(centuryTest(slashDateRule("01/05/1880")), "");
    EXPECT_EQ(centuryTest(slashDateRule("")), "");
    EXPECT_EQ(centuryTest(slashDateRule("Jan 5")), "");
}

TEST(DashDateRule, ReadsTheExportFormatWithoutRangeTest) {
    EXPECT_EQ(centuryTest(dashDateRule("04-10-1980")), "19800410");
    EXPECT_EQ(centuryTest(dashDateRule("4-10-1980")), "19800410");
    EXPECT_EQ(centuryTest(dashDateRule("4-1-1980")), "19800401");
    EXPECT_EQ(centuryTest(dashDateRule("04/10/1980")), "19800410");
    EXPECT_EQ(centuryTest(dashDateRule("13-40-1980")), "19801340");
    EXPECT_EQ(centuryTest(dashDateRule("")), "");
}

TEST(PhoneRule, NeedsFourDigitsAtTheEndAndWithTheDashTestADash) {
    EXPECT_EQ(phoneRule("555-1234", true), "555-1234");
    EXPECT_EQ(phoneRule("555 1234", true), "");
    EXPECT_EQ(phoneRule("555 1234", false), "555 1234");
    EXPECT_EQ(phoneRule("555-12x4", false), "");
    EXPECT_EQ(phoneRule("", false), "");
    EXPECT_EQ(phoneRule("1 555 123-4567", true), "1 555 123-4567");
}

TEST(PlaceRules, DropDigitsMarksAndLongStates) {
    EXPECT_EQ(cleanCity("Springfield"), "Springfield");
    EXPECT_EQ(cleanCity("Apt 4"), "");
    EXPECT_EQ(cleanState("TX"), "TX");
    EXPECT_EQ(cleanState("TEXAS"), "");
    EXPECT_EQ(cleanState("T1"), "");
    EXPECT_EQ(cleanState("#"), "");
    EXPECT_EQ(cleanZip("12345-6789"), "12345-6789");
    EXPECT_EQ(cleanZip("ABCDE"), "");
    EXPECT_EQ(cleanZip(""), "");
    EXPECT_EQ(cleanCountry("USA"), "USA");
    EXPECT_EQ(cleanCountry("Box #3"), "");
    EXPECT_EQ(cleanCountry("U5A"), "");
}

TEST(TextSteps, QuotesLineBreaksAndColumns) {
    EXPECT_EQ(removeQuotes("\"a\",\"b\"\"c\""), "a,bc");
    EXPECT_EQ(lfToCrlf("a\nb"), "a\r\nb");
    EXPECT_EQ(lfToCrlf("a\r\nb\nc"), "a\r\nb\nc");
    auto cols = splitColumns("a,,b,");
    ASSERT_EQ(cols.size(), 4u);
    EXPECT_EQ(cols[0], "a");
    EXPECT_EQ(cols[1], "");
    EXPECT_EQ(cols[2], "b");
    EXPECT_EQ(cols[3], "");
    EXPECT_EQ(splitColumns("").size(), 1u);
}

TEST(DomainCut, EndsTheLineAfterTheColumnHoldingTheExtension) {
    EXPECT_EQ(domainCut("Ann,Lee,ann@mail.com,555-1234"), "Ann,Lee,ann@mail.com");
    EXPECT_EQ(domainCut("Ann,Lee,ann@mail.com"), "Ann,Lee,ann@mail.com");
    // The address is never shortened: "ann@mail.community" keeps its end.
    EXPECT_EQ(domainCut("Ann,Lee,ann@mail.community,x"), "Ann,Lee,ann@mail.community");
    // The later extension of the list wins wherever it stands.
    EXPECT_EQ(domainCut("Ann,Lee,ann@x.com,notes from alumni.edu,tail"),
              "Ann,Lee,ann@x.com,notes from alumni.edu");
}

TEST(DomainCut, AddressesWithOtherExtensionsAreKeptWhole) {
    EXPECT_EQ(domainCut("Hans,Meyer,hans@web.de"), "Hans,Meyer,hans@web.de");
    EXPECT_EQ(domainCut("Ian,Ross,ian@mail.co.uk,x"), "Ian,Ross,ian@mail.co.uk,x");
    EXPECT_EQ(domainCut(""), "");
}

TEST(DomainCut, PositionsPastTheSixteenBitLimitRaiseOverflow) {
    std::string at32764 = std::string(32763, 'x') + ".com";  // ".com" starts at 32764
    EXPECT_EQ(domainCut(at32764), at32764);
    std::string at32765 = std::string(32764, 'x') + ".com";
    try {
        domainCut(at32765);
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.description(), "Overflow");
    }
}

TEST(ClassicStringParts, OutOfRangeGivesShorterParts) {
    EXPECT_EQ(leftOf("abc", 5), "abc");
    EXPECT_EQ(rightOf("abc", 2), "bc");
    EXPECT_EQ(rightOf("abc", 9), "abc");
    EXPECT_EQ(midOf("abcdef", 2, 3), "bcd");
    EXPECT_EQ(midOf("abc", 3, 9), "c");
    EXPECT_EQ(midOf("abc", 4, 1), "");
}

}  // namespace
}  // namespace varnel
