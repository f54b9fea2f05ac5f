// The cleaning rules of the CSV import, one rule at a time.
#include "exchange/import_rules.h"

#include <gtest/gtest.h>

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
