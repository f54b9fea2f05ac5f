#pragma once
// The label side of one printed document: the composer's five lines on one
// label or a run of labels of the 30-position sheet, each placed from the top
// of the page through the print grid.
#include <string_view>

#include "printing/composer.h"
#include "printing/margin_file.h"
#include "printing/text_page.h"

namespace varnel {

// The label steps after the page set-up: label fonts, the composer's origin
// plus the "ONTHEFLY" shifts for the first label, and the run's labels from its
// start on, each next one at its print-grid origin. The caller has set
// orientation and size and printed the first empty line.
void layOutSheetLabels(TextPage& page, const ComposerModel& model, const MarginShifts& onTheFly,
                       std::string_view deviceName);

// An origin plus shifts.
int originColumn(GridOrigin origin, const MarginShifts& shifts);
int originRow(GridOrigin origin, const MarginShifts& shifts);

}  // namespace varnel
