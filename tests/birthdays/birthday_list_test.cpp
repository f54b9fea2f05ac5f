#include "birthdays/birthday_list.h"

#include <gtest/gtest.h>

#include "birthdays/birthday_file.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::FixedClock;
using testing::openPeople;
using testing::Person;
using testing::ScriptedDialogs;
using testing::ShownBox;
using testing::TempDir;

const std::string kPrompt =
    "Enter a month by typing its number (1-12):\r\n \r\n1  January\r\n2  February\r\n3  March\r\n"
    "4  April\r\n5  May\r\n6  June\r\n7  July\r\n8  August\r\n9  September\r\n10 October\r\n"
    "11 November\r\n12 December";

const std::vector<Person> kPeople = {
    {"Ann", "Lee", "19800512"}, {"No", "Birthdate", "        "}, {"Jun", "Bug", "19770601"},
    {"Bob", "Ray", "19750503"}, {"Bad", "Date", "19800540"},     {"Fritz", "Off", "20000501", "0"},
};

struct List {
    TempDir dir;
    ContactFile file;
    ScriptedDialogs dialogs;
    FixedClock clock{Date{2026, 5, 5}};

    int view(const std::vector<std::string>& answers, const std::vector<Person>& people = kPeople) {
        openPeople(file, dir, people);
        for (const std::string& a : answers) dialogs.queueInput(a);
        return ViewBirthdays(file, dialogs, clock);
    }
};

std::string mayList() {
    return "Ann Lee                                    \t05/12/1980\r\n"
           "Bob Ray                                    \t05/03/1975\r\n"
           "Fritz Off                                  \t05/01/2000\r\n";
}

TEST(BirthdayList, PromptsWithTheMonthsAndTheCurrentMonthPreset) {
    List l;
    EXPECT_EQ(birthdayMonthPrompt(), kPrompt);
    l.clock.date = {2026, 12, 1};
    EXPECT_EQ(l.view({}), 0);
    ASSERT_EQ(l.dialogs.log.size(), 1u);
    EXPECT_EQ(l.dialogs.log[0].kind, ShownBox::Input);
    EXPECT_EQ(l.dialogs.log[0].title, "View Birthdays");
    EXPECT_EQ(l.dialogs.log[0].text, kPrompt);
    EXPECT_EQ(l.dialogs.log[0].preset, "12");
}

TEST(BirthdayList, ListsTheMonthInFileOrderWithBirthYears) {
    for (std::string answer : {"5", "05", " 5"}) {
        List l;
        EXPECT_EQ(l.view({answer}), 5) << answer;
        ASSERT_EQ(l.dialogs.log.size(), 2u) << answer;
        EXPECT_EQ(l.dialogs.log[0].preset, "5");
        const ShownBox& box = l.dialogs.log[1];
        EXPECT_EQ(box.kind, ShownBox::Message);
        EXPECT_EQ(box.title, "May Birthdays");
        EXPECT_EQ(box.text, mayList()) << answer;
        EXPECT_EQ(box.icon, Icon::None);
        EXPECT_EQ(box.buttons, Buttons::Ok);
        EXPECT_EQ(l.dialogs.beeps(), 0u);
    }
}

TEST(BirthdayList, NamePartIsAlwaysFortyThreeWide) {
    EXPECT_EQ(birthdayListLine("Maximilianusxx", "Abcdefghijklmnopqr", {1901, 2, 3}),
              "Maximilianusxx Abcdefghijklmnopqr          \t02/03/1901\r\n");
    EXPECT_EQ(birthdayListLine("", "Lee", {1980, 5, 12}).find('\t'), 43u);
    EXPECT_EQ(birthdayListLine("Ann", "Lee", {0, 5, 12}).substr(43), "\t05/12\r\n");
    EXPECT_EQ(birthdayListLine("A", "", {1980, 5, 12}).find('\t'), 43u);
}

TEST(BirthdayList, AMonthWithoutBirthdaysSaysSo) {
    List l;
    EXPECT_EQ(l.view({"2"}), 2);
    EXPECT_EQ(l.dialogs.messages(),
              std::vector<std::string>{"February Birthdays|No birthdays in the month of February"});
    EXPECT_EQ(l.dialogs.log.back().icon, Icon::None);
}

TEST(BirthdayList, RefusalsBeepAndAskAgainInOrder) {
    List l;
    EXPECT_EQ(l.view({"0", "123", "13", "5.", "ab", "-1", "6"}), 6);
    std::vector<std::string> seen;
    for (const ShownBox& b : l.dialogs.log) {
        switch (b.kind) {
            case ShownBox::Input:
                seen.push_back("input");
                break;
            case ShownBox::Beep:
                seen.push_back("beep");
                break;
            case ShownBox::Message:
                seen.push_back(b.title + "|" + b.text);
                if (b.title != "June Birthdays") {
                    EXPECT_EQ(b.icon, Icon::Exclamation) << b.title;
                }
                break;
            default:
                seen.push_back("other");
        }
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{
                  "input",
                  "beep",
                  "Enter one month|Enter a number between 1 and 12",
                  "input",
                  "beep",
                  "Enter one month|Enter a number between 1 and 12",
                  "input",
                  "beep",
                  "Enter a number between 1 and 12|Cannot be greater than 12",
                  "input",
                  "beep",
                  "Enter a month|Enter a number between 1 and 12",
                  "input",
                  "beep",
                  "Enter one month|Enter a number between 1 and 12",
                  "input",
                  "beep",
                  "Enter one month|Enter a number between 1 and 12",
                  "input",
                  "June Birthdays|Jun Bug                                    \t06/01/1977\r\n"}));
}

TEST(BirthdayList, NumbersThatAreNotWholeMonthsAreRefusedByTheLastCheck) {
    for (std::string answer : {"5.", "5 ", "1e", "3a"}) {
        List l;
        EXPECT_EQ(l.view({answer}), 0) << answer;
        EXPECT_EQ(l.dialogs.messages(),
                  std::vector<std::string>{"Enter a month|Enter a number between 1 and 12"})
            << answer;
    }
}

TEST(BirthdayList, CancelEndsAtOnceAfterARefusal) {
    List l;
    EXPECT_EQ(l.view({"13", ""}), 0);
    EXPECT_EQ(
        l.dialogs.messages(),
        std::vector<std::string>{"Enter a number between 1 and 12|Cannot be greater than 12"});
    EXPECT_EQ(l.dialogs.log.back().kind, ShownBox::Input);
}

TEST(BirthdayList, LeapDayIsListedInFebruary) {
    List l;
    l.clock.date = {2027, 2, 1};
    EXPECT_EQ(l.view({"2"}, {{"Leap", "Ling", "19880229"}, {"Not", "Leap", "19870229"}}), 2);
    EXPECT_EQ(
        l.dialogs.messages(),
        std::vector<std::string>{
            "February Birthdays|Leap Ling                                  \t02/29/1988\r\n"});
}

TEST(BirthdayList, AMonthBeyondTheLimitShowsTheFirstAndCountsTheRest) {
    std::vector<Person> many;
    for (int i = 0; i < 2003; ++i) many.push_back({"P" + std::to_string(i), "March", "19800301"});
    many.push_back({"In", "April", "19800401"});
    List l;
    EXPECT_EQ(l.view({"3"}, many), 3);
    ASSERT_EQ(l.dialogs.messages().size(), 1u);
    const std::string& text = l.dialogs.log.back().text;
    std::size_t lines = 0;
    for (std::size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 2001u);
    EXPECT_EQ(text.substr(0, 3), "P0 ");
    EXPECT_NE(text.find("P1999 March"), std::string::npos);
    EXPECT_EQ(text.find("P2000 March"), std::string::npos);
    const std::string tail = "... and 3 more birthdays in March\r\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(BirthdayList, AClosedFileIsARunErrorAfterTheMonthIsChosen) {
    ContactFile closed;
    ScriptedDialogs dialogs;
    FixedClock clock;
    dialogs.queueInput("5");
    EXPECT_THROW(ViewBirthdays(closed, dialogs, clock), RunError);
    EXPECT_EQ(dialogs.messages().size(), 0u);
}

}  // namespace
}  // namespace varnel
