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

TEST(DuplicateRule, EmptyTextsFollowTheContainmentRule) {
    ContactRecord full = contact("Ann", "Lee", "");
    ContactRecord noFirst = contact("", "Lee", "");
    EXPECT_TRUE(matchesRecord(full, "", "Lee", "x@y"));
    EXPECT_TRUE(matchesRecord(full, "", "", ""));
    EXPECT_FALSE(matchesRecord(noFirst, "", "Lee", ""));
    EXPECT_FALSE(matchesRecord(full, "Bob", "Lee", ""));
    EXPECT_TRUE(matchesRecord(full, "  Ann ", " Le", ""));
    EXPECT_TRUE(matchesRecord(contact("Zed", "Q", "a@b.com"), "X", "Y", " a@b.com "));
    EXPECT_FALSE(matchesRecord(contact("Zed", "Q", ""), "X", "Y", ""));
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
        records.push_back(contact(word(6), word(7), email));
    }
    DuplicateIndex index;
    for (const ContactRecord& r : records) index.add(r);

    int duplicates = 0;
    for (int i = 0; i < 4000; ++i) {
        std::string first = word(4), last = word(4);
        std::string email = random() % 4 == 0 ? word(3) + "@x.com" : "";
        if (random() % 5 == 0) first = " " + first + " ";
        bool expected = plainRule(records, first, last, email);
        duplicates += expected;
        ASSERT_EQ(index.isDuplicate(first, last, email), expected)
            << "[" << first << "][" << last << "][" << email << "]";
        // A repeated question gets the same answer.
        ASSERT_EQ(index.isDuplicate(first, last, email), expected);
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
    EXPECT_TRUE(index.isDuplicate("X", "Y", "ann@x.com"));
    EXPECT_FALSE(index.isDuplicate("X", "Y", "bob@x.com"));
    EXPECT_FALSE(index.isDuplicate("Bob", "Ray", ""));
    EXPECT_FALSE(DuplicateIndex(file, 0).isDuplicate("", "", ""));
}

}  // namespace
}  // namespace varnel
