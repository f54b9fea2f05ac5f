#include "contacts/field_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace varnel {
namespace {

using B = ContactBox;

ContactForm validForm() {
    ContactForm f;
    f[B::FName] = "John";
    f[B::LName] = "Smith";
    return f;
}

std::optional<FieldFailure> run(ContactForm& f, SaveKind kind = SaveKind::NewContact) {
    return tidyAndCheckFields(f, kind);
}

TEST(FieldRules, MiddleInitialLosesDotsAndCommasAndIsUpperCasedWhenStored) {
    for (SaveKind kind : {SaveKind::NewContact, SaveKind::ChangeContact}) {
        for (const char* typed : {"J.", "j", "J,", ".j,"}) {
            SCOPED_TRACE(typed);
            ContactForm f = validForm();
            f[B::MiddleInit] = typed;
            ASSERT_EQ(run(f, kind), std::nullopt);
            EXPECT_EQ(buildContactRecord(f, true).raw(Field::MI), "J");
        }
    }
    ContactForm f = validForm();
    f[B::MiddleInit] = "JK";
    auto e = run(f);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->title, "Incorrect entry");
    EXPECT_EQ(e->message, "Enter only 1 character for middle initial.");
    EXPECT_EQ(e->focus, B::MiddleInit);
}

TEST(FieldRules, StateOfTwoCharactersWithACommaIsStoredWithoutIt) {
    ContactForm f = validForm();
    f[B::State] = "N,";
    ASSERT_EQ(run(f), std::nullopt);
    EXPECT_EQ(f[B::State], "N");
    EXPECT_EQ(buildContactRecord(f, true).raw(Field::State), "N ");

    ContactForm bad = validForm();
    bad[B::State] = "ill";
    auto e = run(bad);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->message, "State must be 2 character abbreviation.");
    EXPECT_EQ(e->focus, B::State);

    ContactForm lower = validForm();
    lower[B::State] = "il";
    ASSERT_EQ(run(lower), std::nullopt);
    EXPECT_EQ(buildContactRecord(lower, true).raw(Field::State), "IL");
}

TEST(FieldRules, PhonesAreTidiedThenMeasured) {
    EXPECT_EQ(tidyPhone("(555) 123-4567"), "555-123-4567");
    for (B box : {B::HPhone, B::CPhone, B::WPhone}) {
        ContactForm f = validForm();
        f[box] = "+1 (555) 123-4567";
        ASSERT_EQ(run(f), std::nullopt) << boxName(box);
        EXPECT_EQ(f[box], "1555-123-4567");
    }
    ContactForm f = validForm();
    f[B::WPhone] = "+1 (555) 123-45678";
    auto e = run(f);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->message, "Work Phone must be 13 characters or less.");
    EXPECT_EQ(f[B::WPhone], "1555-123-45678");  // the tidying stays visible
    ContactRecord r;
    ContactForm stored = validForm();
    stored[B::HPhone] = "+1 (555) 123-4567";
    stored[B::CPhone] = "555,123";
    ASSERT_EQ(run(stored), std::nullopt);
    r = buildContactRecord(stored, true);
    EXPECT_EQ(r.get(Field::HomePhone), "1555-123-4567");
    EXPECT_EQ(r.get(Field::CellPhone), "555123");
}

TEST(FieldRules, EmailMessagesComeInTheirOrder) {
    struct Case {
        const char* email;
        const char* message;
    };
    const Case cases[] = {
        {"a, b@x.com", "Email address cannot contain a comma."},
        {"a b@x.com", "Email address cannot contain a space."},
        {"nobody.example.com", "Email address must contain the '@' character."},
        {"nobody@example", "Email address must contain the '.' character."},
    };
    for (const Case& c : cases) {
        ContactForm f = validForm();
        f[B::Email] = c.email;
        auto e = run(f);
        ASSERT_TRUE(e) << c.email;
        EXPECT_EQ(e->message, c.message);
        EXPECT_EQ(e->focus, B::Email);
    }
    ContactForm longer = validForm();
    longer[B::Email] = std::string(45, 'a') + "@b.com";
    EXPECT_EQ(run(longer)->message, "Email address must be 50 characters or less.");

    ContactForm empty = validForm();
    EXPECT_EQ(run(empty), std::nullopt);
}

TEST(FieldRules, CategoryAndNotesCommasBecomeSpaces) {
    ContactForm f = validForm();
    f[B::Category] = "Golf, Tennis";
    f[B::Notes] = "Likes tea, cake";
    ASSERT_EQ(run(f), std::nullopt);
    ContactRecord r = buildContactRecord(f, true);
    EXPECT_EQ(r.get(Field::Category), "Golf  Tennis");
    EXPECT_EQ(r.get(Field::Notes), "Likes tea  cake");
}

TEST(FieldRules, LastNameMustBeThereButMayBeSpaces) {
    ContactForm spaces = validForm();
    spaces[B::LName] = "   ";
    ASSERT_EQ(run(spaces), std::nullopt);
    EXPECT_EQ(buildContactRecord(spaces, true).raw(Field::LastName), std::string(18, ' '));

    for (const char* typed : {"", ",,", "Abcdefghijklmnopqrs"}) {
        ContactForm f = validForm();
        f[B::LName] = typed;
        auto e = run(f);
        ASSERT_TRUE(e) << typed;
        EXPECT_EQ(e->message, "Enter last name, 18 characters or less.");
        EXPECT_EQ(e->focus, B::LName);
    }
}

TEST(FieldRules, LengthLimitsAndTheirMessagesInOrder) {
    struct Case {
        B box;
        std::size_t limit;
        const char* message;
    };
    const Case cases[] = {
        {B::FName, 14, "First name must be 14 characters or less."},
        {B::FStreet, 30, "Street address must be 30 characters or less."},
        {B::SStreet, 15, "Street address2 must be 15 characters or less."},
        {B::City, 16, "City must be 16 characters or less."},
        {B::Zip, 10, "Zip Code must be 10 characters or less."},
        {B::Company, 30, "Company Name must be 30 characters or less."},
        {B::HPhone, 15, "Home Phone must be 15 characters or less."},
        {B::CPhone, 15, "Cell Phone must be 15 characters or less."},
        {B::Category, 80, "Category must be 80 characters or less."},
        {B::Notes, 160, "Notes must be 160 characters or less."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(boxName(c.box));
        ContactForm atLimit = validForm();
        atLimit[c.box] = std::string(c.limit, '7');
        EXPECT_EQ(run(atLimit), std::nullopt);
        ContactForm over = validForm();
        over[c.box] = std::string(c.limit + 1, '7');
        auto e = run(over);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->message, c.message);
        EXPECT_EQ(e->focus, c.box);
    }
    // The first failing box in order wins.
    ContactForm both = validForm();
    both[B::Zip] = std::string(11, '1');
    both[B::FStreet] = std::string(31, 'x');
    EXPECT_EQ(run(both)->focus, B::FStreet);
}

TEST(FieldRules, LengthIsCountedBeforeTheCommasGo) {
    ContactForm f = validForm();
    f[B::FName] = "Abcdefghijklm,,";  // 15 with the commas, 13 without
    EXPECT_EQ(run(f)->message, "First name must be 14 characters or less.");

    ContactForm city = validForm();
    city[B::City] = "Springfield,,,,,";  // 16: passes, and the commas go last
    city[B::Email] = "bad";
    auto e = run(city);
    ASSERT_TRUE(e);
    EXPECT_EQ(city[B::City], "Springfield,,,,,");  // not yet tidied when e-mail fails
    ContactForm ok = validForm();
    ok[B::City] = "Spring,field";
    ASSERT_EQ(run(ok), std::nullopt);
    EXPECT_EQ(ok[B::City], "Springfield");
}

TEST(FieldRules, TheTwoButtonsDifferInCountryCommasAndMessage) {
    ContactForm added = validForm();
    added[B::Country] = "U,S,A";
    ASSERT_EQ(run(added, SaveKind::NewContact), std::nullopt);
    EXPECT_EQ(added[B::Country], "U S A");

    ContactForm changed = validForm();
    changed[B::Country] = "u,s,a";
    ASSERT_EQ(run(changed, SaveKind::ChangeContact), std::nullopt);
    EXPECT_EQ(changed[B::Country], "usa");
    EXPECT_EQ(buildContactRecord(changed, true).get(Field::Country), "USA");

    ContactForm tooLong = validForm();
    tooLong[B::Country] = std::string(20, 'X');
    EXPECT_EQ(run(tooLong, SaveKind::NewContact)->message,
              "Country must be 19 characters or less.  For example, USA.");
    ContactForm tooLong2 = validForm();
    tooLong2[B::Country] = std::string(20, 'X');
    EXPECT_EQ(run(tooLong2, SaveKind::ChangeContact)->message,
              "Country must be 19 characters or less. For example, USA.");
}

TEST(FieldRules, TidyingDoneBeforeAFailureStaysInTheBoxes) {
    ContactForm f = validForm();
    f[B::FName] = "Jo,hn";
    f[B::MiddleInit] = "Q.";
    f[B::LName] = "Sm,ith";
    f[B::Zip] = "12345678901";
    ASSERT_TRUE(run(f));
    EXPECT_EQ(f[B::FName], "John");
    EXPECT_EQ(f[B::MiddleInit], "Q");
    EXPECT_EQ(f[B::LName], "Smith");
    EXPECT_EQ(f[B::Zip], "12345678901");
}

TEST(ContactRecordFromBoxes, IncludeCompanyFollowsTheTickAndTheCompany) {
    ContactForm ticked = validForm();
    ticked[B::Company] = "Acme";
    ticked.includeCompany = true;
    EXPECT_EQ(buildContactRecord(ticked, true).raw(Field::IncludeCompany), "1");

    ContactForm cleared = ticked;
    cleared.includeCompany = false;
    EXPECT_EQ(buildContactRecord(cleared, true).raw(Field::IncludeCompany), "0");

    for (const char* company : {"", "   "}) {
        ContactForm none = validForm();
        none[B::Company] = company;
        none.includeCompany = true;
        EXPECT_EQ(buildContactRecord(none, true).raw(Field::IncludeCompany), "0");
        EXPECT_FALSE(none.includeCompany);  // the tick is cleared in the box too
    }
}

TEST(ContactRecordFromBoxes, ReminderSettingAndEveryFieldLandInTheRecord) {
    ContactForm f = validForm();
    f[B::FName] = "  John ";
    f[B::Birthdate] = "04/10/1980";
    f[B::Country] = "usa";
    EXPECT_EQ(buildContactRecord(f, true).raw(Field::BdayReminder), "1");
    ContactRecord r = buildContactRecord(f, false);
    EXPECT_EQ(r.raw(Field::BdayReminder), "0");
    EXPECT_EQ(r.raw(Field::FirstName), "John          ");
    EXPECT_EQ(r.raw(Field::Birthdate), "19800410");
    EXPECT_EQ(r.get(Field::Country), "USA");
    EXPECT_EQ(r.bytes()[516], '\r');
    EXPECT_EQ(r.bytes()[517], '\n');

    ContactForm noDate = validForm();
    EXPECT_EQ(buildContactRecord(noDate, true).raw(Field::Birthdate), "        ");
}

TEST(FieldRules, HostileTextNeverBreaksTheRules) {
    ContactForm f = validForm();
    for (B box : kAllContactBoxes) f[box] = std::string(1000, 'x') + "\t|";
    auto e = run(f);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->focus, B::FName);

    ContactForm pipes = validForm();
    pipes[B::Notes] = "a|b\tc";
    ASSERT_EQ(run(pipes), std::nullopt);
    EXPECT_EQ(buildContactRecord(pipes, true).get(Field::Notes), "a|b\tc");
}

}  // namespace
}  // namespace varnel
