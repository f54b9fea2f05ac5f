#pragma once
// The margin file VRNPARAM.TXT: per kind of printout, how many character
// cells right and text rows down the user has nudged the print. Fixed 18-byte
// records: key (8), separator, left shift (3), separator, top shift (3), and
// two bytes (CR LF in a file prepared as text) that are never touched.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "ports/dialogs.h"

namespace varnel {

inline constexpr const char* kMarginFileName = "VRNPARAM.TXT";

enum class MarginKind { OnTheFly, Envelope, ReturnAddress, SearchResult };

// "ONTHEFLY", "ENVELOPE", "RETURNAD", "BULKLIST".
const char* marginKey(MarginKind kind);

struct MarginShifts {
    std::int16_t left = 0;  // character cells, positive moves right
    std::int16_t top = 0;   // text rows, positive moves down
};

// The shifts of the last record whose key (trailing blanks removed) equals
// `key`; 0 when none does. A missing file is first created with one record
// per key, shifts "0". A matching field that is not a number raises RunError
// (type mismatch), as do file failures.
MarginShifts readMarginShifts(const std::filesystem::path& programFolder, std::string_view key);

// The Margins menu dialogue for one kind: the two introductions, the two
// checked inputs, the update of every matching record and the closing
// message. File failures raise RunError for the caller's error box.
void adjustMargins(const std::filesystem::path& programFolder, MarginKind kind, Dialogs& dialogs);

}  // namespace varnel
