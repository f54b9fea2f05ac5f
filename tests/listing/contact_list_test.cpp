#include "listing/contact_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "listing/list_order.h"

namespace varnel {
namespace {

std::vector<std::string> texts(const ContactList& list) {
    std::vector<std::string> out;
    for (const ListLine& l : list.lines()) out.push_back(l.text);
    return out;
}

TEST(ListOrder, IgnoresCaseAndComparesWholeText) {
    EXPECT_TRUE(lessIgnoringCase("apple", "Banana"));
    EXPECT_TRUE(lessIgnoringCase("Apple", "banana"));
    EXPECT_FALSE(lessIgnoringCase("SMITH", "smith"));
    EXPECT_FALSE(lessIgnoringCase("smith", "SMITH"));
    EXPECT_TRUE(lessIgnoringCase("Smith, Al", "Smith, Bo"));
    EXPECT_TRUE(lessIgnoringCase("", "a"));
    // Accented capitals of the code page fold too.
    EXPECT_FALSE(lessIgnoringCase("\xC9mile", "\xE9mile"));
    EXPECT_TRUE(containsIgnoringCase("Cold Springs", "SPR"));
    EXPECT_TRUE(containsIgnoringCase("x", ""));
    EXPECT_FALSE(containsIgnoringCase("Boston", "spr"));
}

// The keyed sort agrees with a stable sort by the plain comparison, also
// where keys share long prefixes, differ only in case or past 16 bytes,
// hold bytes above 127 or NULs, or are prefixes of one another.
TEST(ListOrder, KeyedOrderMatchesAStableSortEitherWay) {
    const std::vector<std::string> pool = {"",
                                           "a",
                                           "A",
                                           "ab",
                                           std::string("ab\0", 3),
                                           "Smith, John Q. ",
                                           "SMITH, JOHN Q. ",
                                           "Smith, John Q. Jr",
                                           "Smith, John Q. jr",
                                           "Smith, John Q. Sr",
                                           "Smith, John Q.",
                                           "Smith, Johnathan",
                                           "\xC9mile",
                                           "\xE9mile",
                                           "\xFF",
                                           "zz",
                                           "Z",
                                           "0123456789abcdefA",
                                           "0123456789ABCDEFa",
                                           "0123456789abcdef"};
    std::vector<std::string> texts;
    for (int round = 0; round < 7; ++round) {
        for (std::size_t i = 0; i < pool.size(); ++i) {
            texts.push_back(pool[(i * 7 + static_cast<std::size_t>(round) * 3) % pool.size()]);
        }
    }
    const std::vector<std::string_view> keys(texts.begin(), texts.end());
    for (bool descending : {false, true}) {
        std::vector<std::uint32_t> expected(keys.size());
        for (std::uint32_t i = 0; i < expected.size(); ++i) expected[i] = i;
        std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
            return descending ? lessIgnoringCase(keys[b], keys[a])
                              : lessIgnoringCase(keys[a], keys[b]);
        });
        EXPECT_EQ(orderIgnoringCase(keys, descending), expected) << descending;
    }
}

TEST(ContactList, ColumnsAreTheTrimmedPiecesAndTheLastTakesTheRest) {
    const std::string line = "Al Bo \t 2 Oak  \t\tCA\t5\t6\t7 \t8\t ";
    const std::vector<std::string> expected = {"Al Bo", "2 Oak", "", "CA", "5", "6", "7 \t8\t"};
    for (int c = 0; c < kListColumns; ++c) {
        EXPECT_EQ(listColumn(line, c), expected[static_cast<std::size_t>(c)]) << c;
    }
    EXPECT_EQ(listColumn("only", 0), "only");
    EXPECT_EQ(listColumn("only", 3), "");
}

TEST(ContactList, SortsByAColumnAndAddsLinesInThatOrder) {
    ContactList list;
    list.add({{"Al\tboston", 1}, {"Bo\tAustin", 2}, {"Cy\tBoston", 3}, {"Di", 4}});
    list.sortBy({1, false});
    EXPECT_EQ(texts(list),
              (std::vector<std::string>{"Di", "Bo\tAustin", "Al\tboston", "Cy\tBoston"}));
    list.sortBy({1, true});
    // Equal cities keep the order they had.
    EXPECT_EQ(texts(list),
              (std::vector<std::string>{"Al\tboston", "Cy\tBoston", "Bo\tAustin", "Di"}));
    const std::vector<std::size_t> moved = list.add({{"Ed\tChicago", 0}, {"Fy\tBOSTON", 0}});
    EXPECT_EQ(texts(list), (std::vector<std::string>{"Ed\tChicago", "Al\tboston", "Cy\tBoston",
                                                     "Fy\tBOSTON", "Bo\tAustin", "Di"}));
    EXPECT_EQ(moved, (std::vector<std::size_t>{1, 2, 4, 5}));
    EXPECT_EQ(list.order(), (ListOrder{1, true}));
    list.clear();
    EXPECT_EQ(list.order(), ListOrder{});
}

TEST(ContactList, KeepsLinesSortedWithoutRegardToCase) {
    ContactList list;
    list.add({{"smith, john", 1}, {"Adams, Ann", 2}, {"Baker, Bo", 3}, {"SMITH, JOHN", 4}});
    EXPECT_EQ(texts(list),
              (std::vector<std::string>{"Adams, Ann", "Baker, Bo", "smith, john", "SMITH, JOHN"}));
    EXPECT_EQ(list[0].record, 2);
    EXPECT_EQ(list[3].record, 4);
}

TEST(ContactList, AddingReportsWhereOldLinesMoved) {
    ContactList list;
    list.add({{"b", 1}, {"d", 2}});
    std::vector<std::size_t> moved = list.add({{"c", 0}, {"a", 0}, {"D", 0}});
    EXPECT_EQ(texts(list), (std::vector<std::string>{"a", "b", "c", "d", "D"}));
    EXPECT_EQ(moved, (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(list[4].record, 0);
}

TEST(ContactList, RemoveAtTakesAnyOrderAndIgnoresStrayPositions) {
    ContactList list;
    list.add({{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}});
    list.removeAt({4, 0, 2, 2, 99});
    EXPECT_EQ(texts(list), (std::vector<std::string>{"b", "d"}));
    list.removeAt({});
    EXPECT_EQ(list.size(), 2u);
    list.removeAt({0, 1});
    EXPECT_TRUE(list.empty());
}

TEST(ContactListClipboard, CopyTextPutsCrLfBeforeEachLine) {
    ContactList list;
    list.add({{"Bo\tx", 1}, {"Al\ty", 2}, {"Cy\tz", 3}});
    EXPECT_EQ(clipboardTextOf(list, {2, 0}), "\r\nAl\ty\r\nCy\tz");
    EXPECT_EQ(clipboardTextOf(list, {}), "");
}

TEST(ContactListClipboard, PasteSplitsAtCrLfKeepingEmptyPieces) {
    std::vector<ListLine> lines = pastedLines("\r\nAl\ty\r\n\r\nlast\nline");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "");
    EXPECT_EQ(lines[1].text, "Al\ty");
    EXPECT_EQ(lines[2].text, "");
    EXPECT_EQ(lines[3].text, "last\nline");
    for (const ListLine& l : lines) EXPECT_EQ(l.record, 0);
    EXPECT_TRUE(pastedLines("").empty());
}

TEST(ContactListClipboard, CutAndPasteRoundTrip) {
    ContactList list;
    list.add({{"Bo", 1}, {"Al", 2}, {"Cy", 3}});
    std::string text = clipboardTextOf(list, {0, 1, 2});
    list.removeAt({0, 1, 2});
    EXPECT_TRUE(list.empty());
    list.add(pastedLines(text));
    EXPECT_EQ(texts(list), (std::vector<std::string>{"", "Al", "Bo", "Cy"}));
    for (const ListLine& l : list.lines()) EXPECT_EQ(l.record, 0);
}

TEST(ContactListClipboard, LargePasteStaysSorted) {
    ContactList list;
    std::vector<ListLine> many;
    for (int i = 0; i < 100000; ++i)
        many.push_back({"line " + std::to_string(i * 7919 % 100000), i + 1});
    list.add(std::move(many));
    std::string clip;
    for (int i = 0; i < 10000; ++i)
        clip += "\r\nLINE " + std::to_string(i) + std::string(300, '\t');
    list.add(pastedLines(clip));
    ASSERT_EQ(list.size(), 110001u);
    for (std::size_t i = 1; i < list.size(); ++i) {
        ASSERT_FALSE(lessIgnoringCase(list[i].text, list[i - 1].text)) << i;
    }
}

}  // namespace
}  // namespace varnel
