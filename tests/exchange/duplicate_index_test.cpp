// The indexed duplicate test gives the answers of the plain rule.
#include "exchange/duplicate_index.h"

#include <gtest/gtest.h>

#include <random>

#include "exchange/import_fixture.h"

namespace varnel {
namespace {

using testing::contact;

bool plainRule(const std::vector<ContactRecord>& records, const std::string& first,
               const std::string& last, const std::string& email) {
    for (const ContactRecord& r : records) {
        if (matchesRecord(r, first, last, email)) return true;
    }
    return false;
}

TEST(DuplicateRule, EqualEmailOrBothNamesEqualIgnoringCaseAndSpaces) {
    struct Case {
        ContactRecord record;
        std::string first, last, email;
        bool duplicate;
    };
    const Case cases[] = {
        {contact("Robert", "Stone-Hill", "rob@x.com"), "Rob", "Stone", "", false},
        {contact("Ann", "Lee", ""), "", "Lee", "x@y", false},
        {contact("Ann", "Lee", ""), "  ann ", " LEE", "", true},
        {contact("Ann", "Lee", ""), "", "", "", false},
        {contact("", "Lee", ""), "", "Lee", "", true},
        {contact("Zed", "Q", "a@b.com"), "X", "Y", " A@B.com ", true},
        {contact("Zed", "Q", ""), "X", "Y", "", false},
        {contact("Ann", "Lee", "ann@x.com"), "Ann", "Leeds", "other@x.com", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matchesRecord(c.record, c.first, c.last, c.email), c.duplicate)
            << "[" << c.first << "][" << c.last << "][" << c.email << "]";
    }
}

TEST(DuplicateIndex, AgreesWithThePlainRuleOnManyContacts) {
    std::mt19937 random(42);
    const std::string letters = "aAbeilnorst -";
    auto word = [&](int maxLength) {
        std::string w;
        int n = static_cast<int>(random() % static_cast<unsigned>(maxLength + 1));
        for (int i = 0; i < n; ++i) w += letters[random() % letters.size()];
        return w;
    };
    std::vector<ContactRecord> records;
    for (int i = 0; i < 600; ++i) {
        std::string email = random() % 3 ? word(3) + "@x.com" : "";
        records.push_back(contact(word(1), word(2), email));
    }
    DuplicateIndex index;
    for (std::size_t k = 0; k < records.size(); ++k) {
        index.add(records[k], static_cast<std::int32_t>(k + 1));
    }

    int duplicates = 0;
    for (int i = 0; i < 4000; ++i) {
        std::string first = word(1), last = word(2);
        std::string email = random() % 4 == 0 ? word(3) + "@x.com" : "";
        if (random() % 5 == 0) first = " " + first + " ";
        bool expected = plainRule(records, first, last, email);
        duplicates += expected;
        const std::int32_t k = index.duplicateOf(first, last, email);
        ASSERT_EQ(k > 0, expected) << "[" << first << "][" << last << "][" << email << "]";
        // The record named is one the contact repeats, the first such.
        if (k > 0) {
            ASSERT_TRUE(
                matchesRecord(records[static_cast<std::size_t>(k - 1)], first, last, email));
        }
    }
    // Both answers were exercised.
    EXPECT_GT(duplicates, 200);
    EXPECT_LT(duplicates, 3800);
}

TEST(DuplicateIndex, OnlyTheFirstRecordsOfTheFileCount) {
    testing::TempDir dir;
    ContactFile file;
    file.open(dir / "c.DAT");
    file.appendRecord(contact("Ann", "Lee", "ann@x.com"));
    file.appendRecord(contact("Bob", "Ray", "bob@x.com"));
    DuplicateIndex index(file, 1);
    EXPECT_EQ(index.size(), 1u);
    EXPECT_EQ(index.duplicateOf("X", "Y", "ann@x.com"), 1);
    EXPECT_EQ(index.duplicateOf("X", "Y", "bob@x.com"), 0);
    EXPECT_EQ(index.duplicateOf("Bob", "Ray", ""), 0);
    EXPECT_EQ(DuplicateIndex(file, 0).duplicateOf("", "", ""), 0);
}

}  // namespace
}  // namespace varnel
