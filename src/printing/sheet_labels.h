#pragma once
// The label side of one printed document: the composer's five lines on one
// label or a run of labels of the 30-position sheet, each placed from the top
// of the page through the print grid.
#include <string_view>

#include "printing/composer.h"
#include "printing/margin_file.h"
#include "printing/text_page.h"

namespace varnel {

// Writes the print-grid origin of a position 1 to 30 into the composer's
// origin fields; other positions leave them.
void setPrintGridOrigin(ComposerState& state, int position, std::string_view deviceName);

// The label steps after the page set-up: label fonts, the origin plus the
// "ONTHEFLY" shifts, and LabelCount labels from StartPosition on, which it
// advances. The caller has set orientation and size and printed the first
// empty line.
void layOutSheetLabels(TextPage& page, ComposerState& state, const MarginShifts& onTheFly,
                       std::string_view deviceName);

// The origin fields plus shifts, as whole numbers (halves to even).
int originColumn(const ComposerState& state, const MarginShifts& shifts);
int originRow(const ComposerState& state, const MarginShifts& shifts);

}  // namespace varnel
