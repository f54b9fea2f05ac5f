#include "listing/tab_layout.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(TabLayout, StopsInDialogUnitsOfTheAverageCharacter) {
    // Average character 8 px: one dialog unit is 2 px.
    const std::vector<int> street = {70, 70, 76, 120, 170, 200, 230};
    // A short name: the street piece at stop 70 (140 px); a long street passes
    // the second 70 and 76 and lands at 120.
    EXPECT_EQ(tabbedPieceStarts({50, 90, 10}, street, 8.0), (std::vector<double>{0, 140, 240}));
    EXPECT_EQ(tabbedPieceStarts({50, 200, 10}, street, 8.0), (std::vector<double>{0, 140, 400}));
    // A name wider than 70 units goes to 76; the doubled stop counts once.
    EXPECT_EQ(tabbedPieceStarts({145, 5}, street, 8.0), (std::vector<double>{0, 152}));
    // A pen exactly on a stop moves on to the next one.
    EXPECT_EQ(tabbedPieceStarts({140, 5}, street, 8.0), (std::vector<double>{0, 152}));
}

TEST(TabLayout, PastTheLastStopEveryEightCharacters) {
    const std::vector<int> stops = {10};
    // 10 units = 20 px; then multiples of 64 px.
    EXPECT_EQ(tabbedPieceStarts({5, 50, 1, 0}, stops, 8.0), (std::vector<double>{0, 20, 128, 192}));
    EXPECT_EQ(tabbedPieceStarts({}, stops, 8.0), (std::vector<double>{}));
    EXPECT_EQ(tabbedPieceStarts({3, 3}, {}, 8.0), (std::vector<double>{0, 64}));
    // Unsorted stops are taken in order of position.
    EXPECT_EQ(tabbedPieceStarts({1, 1, 1}, {40, 20}, 4.0), (std::vector<double>{0, 20, 40}));
}

}  // namespace
}  // namespace varnel
