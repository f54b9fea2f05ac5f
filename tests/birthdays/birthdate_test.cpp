#include "birthdays/birthdate.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(Birthdate, CleaningRemovesEverySpace) {
    EXPECT_EQ(cleanBirthdate("        "), "");
    EXPECT_EQ(cleanBirthdate(" 1980 04 10 "), "19800410");
    EXPECT_EQ(cleanBirthdate("19800410"), "19800410");
}

TEST(Birthdate, BirthdayOfThisYearTakesMonthAndDay) {
    EXPECT_EQ(birthdayInYear("19800410", 2026), (Date{2026, 4, 10}));
    EXPECT_EQ(birthdayInYear("19801231", 2026), (Date{2026, 12, 31}));
    EXPECT_EQ(birthdayInYear("19880229", 2027), (Date{2027, 2, 28}));
    EXPECT_EQ(birthdayInYear("19880229", 2028), (Date{2028, 2, 29}));
    for (const char* bad :
         {"19801340", "19800431", "19800400", "19800010", "1980", "1980ab10", "19800230"}) {
        EXPECT_FALSE(birthdayInYear(bad, 2026)) << bad;
    }
}

TEST(Birthdate, DateOfBirthNeedsARealDate) {
    EXPECT_EQ(dateOfBirth("19800410"), (Date{1980, 4, 10}));
    EXPECT_EQ(dateOfBirth("19880229"), (Date{1988, 2, 29}));
    EXPECT_EQ(dateOfBirth("00000229"), (Date{0, 2, 29}));  // year unknown
    for (const char* bad : {"19870229", "19801340", "1980041", "198004100", "x9800410"}) {
        EXPECT_FALSE(dateOfBirth(bad)) << bad;
    }
}

}  // namespace
}  // namespace varnel
