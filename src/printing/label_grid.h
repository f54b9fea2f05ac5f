#pragma once
// The 30-position sheet (Avery 5160/8160: 3 across, 10 down) and the origins
// that put a label's first line on each position, in character columns and
// text rows of the label font.
#include <cstddef>
#include <string_view>

namespace varnel {

struct GridOrigin {
    int column = 0;
    int row = 0;
};

// Where a label is printed (position 1 to 30). Bold text has wider columns,
// and the HP family starts printing further left, so both shift the columns.
GridOrigin printGridOrigin(int position, bool bold, bool hpFamily);
// What the position prompt stores in the composer's origin fields.
GridOrigin composerGridOrigin(int position);

// Columns the HP family's grids stand right of the others': those printers
// start printing further left.
inline constexpr int kHpColumns = 2;

// "HP DeskJet 640C/642C/648C", "Officejet", "ENVY" or "Photosmart" in the
// device name, case-sensitively.
bool isHpFamily(std::string_view deviceName);
// The same without "Photosmart": the printers that are given a paper size.
bool takesHpPaperSize(std::string_view deviceName);

// Blanks before a centred line of n characters: half - n / 2, halves to even.
int centringBlanks(std::size_t n, int half);

}  // namespace varnel
