#include "contacts/birthdate_rules.h"

#include <gtest/gtest.h>

#include "contacts/field_rules.h"

namespace varnel {
namespace {

struct CheckCase {
    const char* typed;
    int check;
};

TEST(BirthdateChecks, EachCheckIsReachedByItsOwnInput) {
    const CheckCase cases[] = {
        {"4/10/1980", 1},  {"04/10/80", 1},    {"04-10-1980", 1}, {"04/10/19800", 1},
        {"   ", 1},        {"04/10/19x0", 2},  {"04/10/198 ", 3}, {"13/01/2000", 4},
        {"99/99/9999", 4}, {"ab/10/1980", 5},  {"02/30/2000", 6}, {"00/10/1980", 6},
        {"04/10/0099", 6}, {"04/ 1/1980", 7},  {"04/1 /1980", 7}, {" 4/10/1980", 8},
        {"4 /10/1980", 9}, {"04/10/ 980", 10},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(failingBirthdateCheck(c.typed), c.check);
    }
}

TEST(BirthdateChecks, ValidAndEmptyDatesPass) {
    for (const char* ok : {"", "04/10/1980", "02/29/2000", "12/31/9999", "01/01/0100"}) {
        SCOPED_TRACE(ok);
        EXPECT_EQ(failingBirthdateCheck(ok), std::nullopt);
    }
    EXPECT_EQ(failingBirthdateCheck("02/29/1900"), 6);  // not a leap year
}

TEST(BirthdateChecks, TheCalendarTestComesBeforeTheSpaceInTheDay) {
    // A space as 4th character with a day that exists: check 7.
    EXPECT_EQ(failingBirthdateCheck("04/ 1/1980"), 7);
    // The same space with a day that does not exist: check 6 wins.
    EXPECT_EQ(failingBirthdateCheck("02/ 0/2000"), 6);
    EXPECT_EQ(failingBirthdateCheck("02/3 /2000"), 7);
}

TEST(BirthdateChecks, MessagesAndTitleAreExact) {
    ContactForm form;
    form[ContactBox::Birthdate] = "4/10/1980";
    auto failure = checkBirthdateBox(form);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->title, "Date error");
    EXPECT_EQ(failure->message,
              "Date must be in format MM/DD/YYYY   Example: April 10, 1980 is 04/10/1980");
    EXPECT_EQ(failure->focus, ContactBox::Birthdate);

    EXPECT_STREQ(birthdateMessage(2), "Year must be an actual 4-digit year.  Example: 1988");
    EXPECT_STREQ(birthdateMessage(3), "Year must be a 4-digit year, no spaces.  Example: 1988");
    EXPECT_STREQ(birthdateMessage(4), "Month must be a number no greater than 12.  Example: 07");
    EXPECT_STREQ(birthdateMessage(5), "Month must be a 2-digit month.  Example: 08");
    EXPECT_STREQ(birthdateMessage(6),
                 "Birthdate must be a valid date in MM/DD/YYYY format.  Example: 05/12/1988");
    EXPECT_STREQ(birthdateMessage(7), "Day must be a 2-digit day, no spaces.  Example: 26");
    EXPECT_STREQ(birthdateMessage(8), "Month must be a 2-digit month, no spaces.  Example: 03");
    EXPECT_STREQ(birthdateMessage(9), "Month must be a 2-digit month, no spaces.  Example: 07");
    EXPECT_STREQ(birthdateMessage(10),
                 "Birthdate must be a valid date in MM/DD/YYYY format. No spaces.  Example: "
                 "05/12/1988");
}

TEST(BirthdateStorage, TypedAndStoredFormsConvertBothWays) {
    EXPECT_EQ(storedBirthdate("04/10/1980"), "19800410");
    EXPECT_EQ(storedBirthdate(""), "");
    EXPECT_EQ(shownBirthdate("19800410"), "04/10/1980");
    EXPECT_EQ(shownBirthdate("        "), "");
    EXPECT_EQ(shownBirthdate("00000001"), "");
    EXPECT_EQ(shownBirthdate("00000410"), "04/10");
    EXPECT_EQ(shownBirthdate("garbage!"), "");
}

}  // namespace
}  // namespace varnel
