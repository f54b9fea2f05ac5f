#include "contacts/find_list.h"

#include <gtest/gtest.h>

#include "contacts/contact_display.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

using testing::TempDir;

ContactRecord contact(const std::string& first, const std::string& mi, const std::string& last) {
    ContactRecord r;
    r.set(Field::FirstName, first);
    r.set(Field::MI, mi);
    r.set(Field::LastName, last);
    return r;
}

TEST(FindList, EntriesCarryRecordNumbersInCaseBlindOrder) {
    TempDir dir;
    ContactFile file;
    file.open(dir / "c.DAT");
    file.appendRecord(contact("zoe", "", "Zed"));
    file.appendRecord(contact("Adam", "Q", "Smith"));
    file.appendRecord(contact("adam", "", "Jones"));
    file.appendRecord(contact("Bea", "", "Able"));
    file.appendRecord(contact("ADAM", "", "Jones"));

    std::vector<FindEntry> list = buildFindList(file);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].text, "adam  Jones");
    EXPECT_EQ(list[0].record, 3);
    EXPECT_EQ(list[1].text, "ADAM  Jones");  // same text without regard to case: file order
    EXPECT_EQ(list[1].record, 5);
    EXPECT_EQ(list[2].text, "Adam Q Smith");
    EXPECT_EQ(list[2].record, 2);
    EXPECT_EQ(list[3].text, "Bea  Able");
    EXPECT_EQ(list[4].text, "zoe  Zed");
    EXPECT_EQ(list[4].record, 1);
}

TEST(FindList, LongSharedBeginningsAreOrderedByTheWholeText) {
    TempDir dir;
    ContactFile file;
    file.open(dir / "c.DAT");
    file.appendRecord(contact("Christopher", "", "Zed"));
    file.appendRecord(contact("christopher", "", "able"));
    file.appendRecord(contact("Christophe", "", "Moore"));
    file.appendRecord(contact("CHRISTOPHER", "", "ABLE"));
    std::vector<FindEntry> list = buildFindList(file);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].text, "Christophe  Moore");
    EXPECT_EQ(list[1].record, 2);
    EXPECT_EQ(list[2].record, 4);
    EXPECT_EQ(list[3].text, "Christopher  Zed");
}

// A saved contact moves in the list to where a list built afresh puts it.
TEST(FindList, AReplacedEntryStandsWhereARebuiltListHasIt) {
    struct Case {
        std::int32_t record;
        ContactRecord saved;
    };
    const Case cases[] = {
        {1, contact("Aaron", "", "Zed")},    // moves to the front
        {3, contact("zz", "", "top")},       // moves to the end
        {2, contact("Adam", "Q", "Smith")},  // unchanged
        {5, contact("adam", "", "jones")},   // a tie, ordered by record number
        {3, contact("ADAM", "", "JONES")},   // a tie, before a later record
        {6, contact("Carl", "", "New")},     // not listed yet: added
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        TempDir dir;
        ContactFile file;
        file.open(dir / "c.DAT");
        for (const ContactRecord& r : {contact("zoe", "", "Zed"), contact("Adam", "Q", "Smith"),
                                       contact("adam", "", "Jones"), contact("Bea", "", "Able"),
                                       contact("ADAM", "", "Jones")}) {
            file.appendRecord(r);
        }
        std::vector<FindEntry> list = buildFindList(file);
        file.writeRecord(c.record, c.saved);
        replaceFindEntry(list, {findEntryText(c.saved), c.record});
        const std::vector<FindEntry> rebuilt = buildFindList(file);
        ASSERT_EQ(list.size(), rebuilt.size());
        for (std::size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(list[i].text, rebuilt[i].text) << i;
            EXPECT_EQ(list[i].record, rebuilt[i].record) << i;
        }
    }
}

TEST(FindList, EmptyFileGivesNoEntries) {
    TempDir dir;
    ContactFile file;
    file.open(dir / "c.DAT");
    EXPECT_TRUE(buildFindList(file).empty());
}

TEST(ShowContact, BoxesBirthdateAndCompanyControls) {
    ContactRecord r = contact("  Ann", "Q", "Able");
    r.set(Field::Birthdate, "19800410");
    r.set(Field::Company, "Acme");
    r.set(Field::IncludeCompany, "1");
    r.set(Field::Notes, "  note ");
    ShownContact shown = showContact(r);
    EXPECT_EQ(shown.form[ContactBox::FName], "Ann");
    EXPECT_EQ(shown.form[ContactBox::Birthdate], "04/10/1980");
    EXPECT_EQ(shown.form[ContactBox::Notes], "note");
    EXPECT_TRUE(shown.form.includeCompany);
    EXPECT_TRUE(shown.companyControlsVisible);

    ContactRecord plain = contact("Bob", "", "Baker");
    plain.set(Field::IncludeCompany, "0");
    ShownContact none = showContact(plain);
    EXPECT_EQ(none.form[ContactBox::Birthdate], "");
    EXPECT_FALSE(none.form.includeCompany);
    EXPECT_FALSE(none.companyControlsVisible);
}

}  // namespace
}  // namespace varnel
