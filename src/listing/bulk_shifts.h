#pragma once
// The search-result labels' nudges from the margin file (key "BULKLIST").
#include <cstdint>
#include <filesystem>

namespace varnel {

struct BulkShifts {
    std::int16_t left = 0;  // BulkLeft, character columns
    std::int16_t top = 0;   // BulkTop, text rows
};

// Scans every 18-byte record of "VRNPARAM.TXT" in `programFolder` (creating
// the file empty when it is missing); the last "BULKLIST" record counts, no
// record gives 0 and 0. A shift that is not a number raises RunError 13.
BulkShifts readBulkShifts(const std::filesystem::path& programFolder);

}  // namespace varnel
