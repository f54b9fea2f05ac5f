#include "birthdays/reminders.h"

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
using testing::readFileBytes;
using testing::ScriptedDialogs;
using testing::ShownBox;
using testing::TempDir;
using Messages = std::vector<std::string>;

struct Check {
    TempDir dir;
    ContactFile file;
    ScriptedDialogs dialogs;

    Messages run(const std::vector<Person>& people, Date today,
                 ReminderSetting expected = ReminderSetting::On) {
        openPeople(file, dir, people);
        FixedClock clock(today);
        EXPECT_EQ(CheckBirthdays(file, dialogs, clock), expected);
        for (const ShownBox& box : dialogs.log) {
            EXPECT_EQ(box.kind, ShownBox::Message);
            EXPECT_EQ(box.icon, Icon::Information) << box.title;
            EXPECT_EQ(box.buttons, Buttons::Ok) << box.title;
        }
        return dialogs.messages();
    }
};

TEST(BirthdayCheck, SevenDaysAheadRemindsAndTodayOnlyAlerts) {
    Check c;
    Messages shown =
        c.run({{"Cy", "Dee", "19900505"}, {"Ann", "Lee", "19800512"}, {"Bob", "Ray", "19750513"}},
              {2026, 5, 5});
    // Pass 1 finishes before pass 2 starts, whatever the file order.
    EXPECT_EQ(shown, (Messages{"Birthday reminder|Ann Lee has a birthday coming up on 05/12",
                               "Birthday alert|Today is Cy Dee's Birthday! "}));
}

TEST(BirthdayCheck, CountsDaysAcrossTheEndOfAMonthAndShowsFileOrder) {
    Check c;
    Messages shown = c.run({{"June", "Fourth", "20010604"},
                            {"June", "Fifth", "20010605"},
                            {"May", "Last", "19990531"},
                            {"May", "Past", "19990527"},
                            {"June", "Third", "20010603"}},
                           {2026, 5, 28});
    EXPECT_EQ(shown, (Messages{"Birthday reminder|June Fourth has a birthday coming up on 06/04",
                               "Birthday reminder|May Last has a birthday coming up on 05/31",
                               "Birthday reminder|June Third has a birthday coming up on 06/03"}));
}

TEST(BirthdayCheck, LateDecemberRemindsOfTheFirstTwoWeeksOfJanuary) {
    const std::vector<Person> people = {{"Jan", "Tenth", "19850110"},
                                        {"Jan", "Twentieth", "19850120"},
                                        {"Jan", "Fourteenth", "19850114"},
                                        {"Jan", "Fifteenth", "19850115"}};
    {
        Check c;
        EXPECT_EQ(c.run(people, {2026, 12, 20}),
                  (Messages{"Birthday reminder|Jan Tenth has a birthday coming up on 01/10",
                            "Birthday reminder|Jan Fourteenth has a birthday coming up on 01/14"}));
    }
    {
        Check c;
        EXPECT_EQ(c.run(people, {2026, 12, 16}).size(), 2u);
    }
    for (Date early : {Date{2026, 12, 10}, Date{2026, 12, 15}}) {
        Check c;
        EXPECT_TRUE(c.run(people, early).empty()) << early.day;
    }
}

TEST(BirthdayCheck, LastDaysOfDecemberStillCountForward) {
    Check c;
    EXPECT_EQ(c.run({{"New", "Year", "19700101"}, {"Old", "Year", "19701231"}}, {2026, 12, 28}),
              (Messages{"Birthday reminder|New Year has a birthday coming up on 01/01",
                        "Birthday reminder|Old Year has a birthday coming up on 12/31"}));
}

TEST(BirthdayCheck, RemindersOffShowNothingAtAll) {
    const std::vector<Person> people = {{"Cy", "Dee", "19901220", "0"},
                                        {"Ann", "Lee", "19801224", "0"},
                                        {"Jan", "Tenth", "19850110", "0"}};
    Check c;
    EXPECT_TRUE(c.run(people, {2026, 12, 20}, ReminderSetting::Off).empty());
}

TEST(BirthdayCheck, EachRecordCarriesItsOwnSetting) {
    Check c;
    Messages shown = c.run({{"Off", "First", "19800506", "0"},
                            {"On", "Second", "19800507"},
                            {"Off", "Today", "19800505", "0"}},
                           {2026, 5, 5}, ReminderSetting::Off);
    EXPECT_EQ(shown, (Messages{"Birthday reminder|On Second has a birthday coming up on 05/07"}));
}

TEST(BirthdayCheck, SkipsBlankAndUnreadableBirthdates) {
    Check c;
    Messages shown = c.run({{"No", "Date", "        "},
                            {"Bad", "Month", "19801306"},
                            {"Bad", "Day", "19800540"},
                            {"Bad", "Text", "1980ab06"},
                            {"Good", "One", "19800506"}},
                           {2026, 5, 5});
    EXPECT_EQ(shown, (Messages{"Birthday reminder|Good One has a birthday coming up on 05/06"}));
}

TEST(BirthdayCheck, ABirthdayWithoutAYearStillReminds) {
    Check c;
    EXPECT_EQ(c.run({{"Ivan", "Petrov", "00000506"}, {"Ann", "Lee", "00000505"}}, {2026, 5, 5}),
              (Messages{"Birthday reminder|Ivan Petrov has a birthday coming up on 05/06",
                        "Birthday alert|Today is Ann Lee's Birthday! "}));
}

TEST(BirthdayCheck, LeapDayBirthdayFallsOnTheTwentyEighthInCommonYears) {
    const std::vector<Person> leap = {{"Leap", "Ling", "19880229"}};
    {
        Check c;
        EXPECT_EQ(c.run(leap, {2027, 2, 28}),
                  (Messages{"Birthday alert|Today is Leap Ling's Birthday! "}));
    }
    {
        Check c;
        EXPECT_EQ(c.run(leap, {2027, 2, 21}),
                  (Messages{"Birthday reminder|Leap Ling has a birthday coming up on 02/29"}));
    }
    {
        Check c;
        EXPECT_TRUE(c.run(leap, {2027, 2, 20}).empty());
    }
    {
        Check c;
        EXPECT_TRUE(c.run(leap, {2027, 3, 1}).empty());
    }
    {
        Check c;
        EXPECT_EQ(c.run(leap, {2028, 2, 28}),
                  (Messages{"Birthday reminder|Leap Ling has a birthday coming up on 02/29"}));
    }
    {
        Check c;
        EXPECT_EQ(c.run(leap, {2028, 2, 29}),
                  (Messages{"Birthday alert|Today is Leap Ling's Birthday! "}));
    }
}

TEST(BirthdayCheck, MiddleInitialIsNotShownAndNamesAreTrimmed) {
    Check c;
    Messages shown = c.run({{"  Ann", "Lee-Smith", "19800505"}}, {2026, 5, 5});
    EXPECT_EQ(shown, (Messages{"Birthday alert|Today is Ann Lee-Smith's Birthday! "}));
}

// Ten reminders still come one box each; an eleventh turns them into one box
// that lists every person with the same text, coming week first.
TEST(BirthdayCheck, MoreThanTenRemindersComeAsOneList) {
    const std::vector<Person> ten{{"Cy", "Dee", "19900505"},   {"Ann1", "Lee", "19800506"},
                                  {"Ann2", "Lee", "19800507"}, {"Ann3", "Lee", "19800508"},
                                  {"Ann4", "Lee", "19800509"}, {"Ann5", "Lee", "19800510"},
                                  {"Ann6", "Lee", "19800511"}, {"Ann7", "Lee", "19800512"},
                                  {"Ann8", "Lee", "19800506"}, {"Bo", "Ray", "20000505"}};
    std::vector<Person> eleven = ten;
    eleven.insert(eleven.begin() + 9, Person{"Ann9", "Lee", "19800507"});

    Check separate;
    EXPECT_EQ(separate.run(ten, {2026, 5, 5}),
              (Messages{"Birthday reminder|Ann1 Lee has a birthday coming up on 05/06",
                        "Birthday reminder|Ann2 Lee has a birthday coming up on 05/07",
                        "Birthday reminder|Ann3 Lee has a birthday coming up on 05/08",
                        "Birthday reminder|Ann4 Lee has a birthday coming up on 05/09",
                        "Birthday reminder|Ann5 Lee has a birthday coming up on 05/10",
                        "Birthday reminder|Ann6 Lee has a birthday coming up on 05/11",
                        "Birthday reminder|Ann7 Lee has a birthday coming up on 05/12",
                        "Birthday reminder|Ann8 Lee has a birthday coming up on 05/06",
                        "Birthday alert|Today is Cy Dee's Birthday! ",
                        "Birthday alert|Today is Bo Ray's Birthday! "}));

    Check listed;
    EXPECT_EQ(listed.run(eleven, {2026, 5, 5}),
              (Messages{"Birthday reminders|"
                        "Ann1 Lee has a birthday coming up on 05/06\r\n"
                        "Ann2 Lee has a birthday coming up on 05/07\r\n"
                        "Ann3 Lee has a birthday coming up on 05/08\r\n"
                        "Ann4 Lee has a birthday coming up on 05/09\r\n"
                        "Ann5 Lee has a birthday coming up on 05/10\r\n"
                        "Ann6 Lee has a birthday coming up on 05/11\r\n"
                        "Ann7 Lee has a birthday coming up on 05/12\r\n"
                        "Ann8 Lee has a birthday coming up on 05/06\r\n"
                        "Ann9 Lee has a birthday coming up on 05/07\r\n"
                        "Today is Cy Dee's Birthday! \r\n"
                        "Today is Bo Ray's Birthday! "}));
}

TEST(ReminderMenuState, EmptyFileDisablesBothAndShowsNoBox) {
    Check c;
    std::vector<ReminderSetting> seen;
    c.file.open(c.dir / "Empty.DAT");
    FixedClock clock({2026, 5, 5});
    EXPECT_EQ(
        CheckBirthdays(c.file, c.dialogs, clock, [&](ReminderSetting s) { seen.push_back(s); }),
        ReminderSetting::NoRecords);
    EXPECT_EQ(seen, std::vector<ReminderSetting>{ReminderSetting::NoRecords});
    EXPECT_TRUE(c.dialogs.log.empty());
    EXPECT_EQ(readFileBytes(c.dir / "Empty.DAT"), "");
    ReminderMenus menus = menusFor(ReminderSetting::NoRecords);
    EXPECT_FALSE(menus.enableItem);
    EXPECT_FALSE(menus.disableItem);
}

TEST(ReminderMenuState, RecordOneDecidesAndIsShownBeforeTheBoxes) {
    Check c;
    openPeople(c.file, c.dir, {{"Off", "One", "        ", "0"}, {"On", "Two", "19800505", "1"}});
    FixedClock clock({2026, 5, 5});
    std::size_t boxesBefore = 99;
    EXPECT_EQ(CheckBirthdays(c.file, c.dialogs, clock,
                             [&](ReminderSetting) { boxesBefore = c.dialogs.log.size(); }),
              ReminderSetting::Off);
    EXPECT_EQ(boxesBefore, 0u);
    EXPECT_EQ(c.dialogs.messages(), (Messages{"Birthday alert|Today is On Two's Birthday! "}));

    ReminderMenus off = menusFor(ReminderSetting::Off);
    EXPECT_TRUE(off.enableItem);
    EXPECT_FALSE(off.disableItem);
    ReminderMenus on = menusFor(ReminderSetting::On);
    EXPECT_FALSE(on.enableItem);
    EXPECT_TRUE(on.disableItem);

    openPeople(c.file, c.dir, {{"On", "One", "", "1"}, {"Off", "Two", "", "0"}});
    EXPECT_EQ(readReminderSetting(c.file), ReminderSetting::On);
    openPeople(c.file, c.dir, {{"Blank", "One", "", ""}});
    EXPECT_EQ(readReminderSetting(c.file), ReminderSetting::Off);
}

// What another window left in remindersOn decides the menus, except that a
// file still empty keeps both items off, and no file shows none.
TEST(ReminderMenuState, SharedSettingComesBackIntoTheMenus) {
    struct Case {
        const char* name;
        bool open;
        int records;
        ReminderSetting shown;
        bool remindersOn;
        ReminderSetting expected;
    };
    const Case cases[] = {
        {"no file", false, 0, ReminderSetting::On, true, ReminderSetting::NoRecords},
        {"empty file", true, 0, ReminderSetting::NoRecords, true, ReminderSetting::NoRecords},
        {"first contact saved", true, 1, ReminderSetting::NoRecords, true, ReminderSetting::On},
        {"new file", true, 0, ReminderSetting::On, true, ReminderSetting::On},
        {"switched off", true, 2, ReminderSetting::On, false, ReminderSetting::Off},
        {"switched on", true, 2, ReminderSetting::Off, true, ReminderSetting::On},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Check check;
        std::vector<Person> people(static_cast<std::size_t>(c.records), Person{"A", "B", ""});
        if (c.open) openPeople(check.file, check.dir, people);
        EXPECT_EQ(shownReminderSetting(c.shown, c.remindersOn, check.file), c.expected);
    }
}

TEST(BirthdayCheck, AClosedFileIsARunError) {
    ContactFile file;
    ScriptedDialogs dialogs;
    FixedClock clock;
    EXPECT_THROW(CheckBirthdays(file, dialogs, clock), RunError);
    EXPECT_TRUE(dialogs.log.empty());
}

// Only byte 515 of every record may change; a trailing part record that
// rounds down stays as it was.
void expectOnlyReminderBytes(const std::string& before, const std::string& after, char value,
                             std::size_t records) {
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool reminderByte =
            i / ContactRecord::Size < records && i % ContactRecord::Size == 515;
        EXPECT_EQ(after[i], reminderByte ? value : before[i]) << "byte " << i;
    }
}

TEST(ReminderCommands, RewriteOnlyTheReminderByteOfEveryRecord) {
    TempDir dir;
    ContactFile file;
    openPeople(file, dir,
               {{"Ann", "Lee", "19800505", "1"},
                {"Bob", "Ray", "        ", "0"},
                {"Cy", "Dee", "19901231", "1"}});
    file.close();
    // Odd bytes a save would never write, and half a record at the end.
    std::string original = readFileBytes(dir / "Birthdays.DAT");
    original[14] = '#';
    original[518 + 516] = 'x';
    original += std::string(200, 'z');
    testing::writeFileBytes(dir / "Birthdays.DAT", original);
    file.open(dir / "Birthdays.DAT");
    ASSERT_EQ(file.recordCount(), 3);

    ScriptedDialogs dialogs;
    EXPECT_EQ(DisableBirthdayReminders(file, dialogs), ReminderSetting::Off);
    expectOnlyReminderBytes(original, readFileBytes(dir / "Birthdays.DAT"), '0', 3);
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].title, "Birthday reminders disabled");
    EXPECT_EQ(dialogs.log[0].text, "Birthday Reminders have been turned off.");
    EXPECT_EQ(dialogs.log[0].icon, Icon::Information);
    EXPECT_EQ(dialogs.log[0].buttons, Buttons::Ok);

    // Neither command runs the check.
    EXPECT_EQ(EnableBirthdayReminders(file, dialogs), ReminderSetting::On);
    expectOnlyReminderBytes(original, readFileBytes(dir / "Birthdays.DAT"), '1', 3);
    EXPECT_EQ(dialogs.messages(),
              (Messages{"Birthday reminders disabled|Birthday Reminders have been turned off.",
                        "Birthday reminders enabled|Birthday Reminders have been turned on."}));
    EXPECT_EQ(dialogs.log[1].icon, Icon::Information);
    EXPECT_EQ(readReminderSetting(file), ReminderSetting::On);
}

TEST(ReminderCommands, DisabledRemindersSilenceTheNextCheck) {
    TempDir dir;
    ContactFile file;
    openPeople(file, dir, {{"Ann", "Lee", "19800505"}, {"Bob", "Ray", "19800507"}});
    ScriptedDialogs dialogs;
    FixedClock clock({2026, 5, 5});
    DisableBirthdayReminders(file, dialogs);
    dialogs.log.clear();
    EXPECT_EQ(CheckBirthdays(file, dialogs, clock), ReminderSetting::Off);
    EXPECT_TRUE(dialogs.log.empty());
    EnableBirthdayReminders(file, dialogs);
    dialogs.log.clear();
    EXPECT_EQ(CheckBirthdays(file, dialogs, clock), ReminderSetting::On);
    EXPECT_EQ(dialogs.messages(),
              (Messages{"Birthday reminder|Bob Ray has a birthday coming up on 05/07",
                        "Birthday alert|Today is Ann Lee's Birthday! "}));
}

TEST(ReminderCommands, AWriteFailureIsARunErrorAndNoBox) {
    ContactFile closed;
    ScriptedDialogs dialogs;
    EXPECT_THROW(EnableBirthdayReminders(closed, dialogs), RunError);
    EXPECT_THROW(DisableBirthdayReminders(closed, dialogs), RunError);
    EXPECT_TRUE(dialogs.log.empty());
}

}  // namespace
}  // namespace varnel
