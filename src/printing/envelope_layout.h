#pragma once
// The envelope side of one printed document: the composer's five lines as the
// recipient block, at the origin of the chosen envelope size.
#include <string_view>

#include "printing/composer.h"
#include "printing/margin_file.h"
#include "printing/text_page.h"

namespace varnel {

// The envelope steps after the page set-up: "Bold" and "Large Font", the
// origin plus the "ENVELOPE" shifts and the built-in corrections, then the
// five lines, kept 1/2 in inside the envelope's sides. The caller has set
// orientation, size and paper and printed the first empty line. Returns the
// envelope as it lies on the page.
Stock layOutEnvelope(TextPage& page, const ComposerModel& model, const MarginShifts& envelope,
                     std::string_view deviceName);

}  // namespace varnel
