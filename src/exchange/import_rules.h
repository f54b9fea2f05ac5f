#pragma once
// The field-by-field cleaning rules of the CSV import and the text steps the
// header layouts share. All positions are 1-based, as the layouts count them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// Birthdate written month/day/year with `sep` ("/" or "-") to YYYYMMDD.
// The slash rule also empties impossible months and days; the dash rule
// (the program's own export) does not.
std::string slashDateRule(std::string_view value);
std::string dashDateRule(std::string_view value);
// Anything that does not start with "19" or "20" is no birthdate.
std::string centuryTest(std::string_view value);

// A phone whose last four characters are no number is dropped; with the dash
// test, so is one without a "-".
std::string phoneRule(std::string_view value, bool dashTest);

std::string cleanCity(std::string_view value);
std::string cleanState(std::string_view value);
std::string cleanZip(std::string_view value);
std::string cleanCountry(std::string_view value);

std::string removeQuotes(std::string_view line);
// LF becomes CR LF, unless the text already holds a CR LF.
std::string lfToCrlf(std::string_view text);
// Columns at every ",", numbered from 0; nothing is unquoted.
std::vector<std::string_view> splitColumns(std::string_view line);

// Cuts a line after the column that holds the e-mail domain: of the
// extensions ".com" ".net" ".gov" ".org" ".edu" ".mil", the last one in this
// list that the line holds wins, and the line ends at the first "," after its
// first occurrence. A line without any of them is kept whole. Raises
// Overflow when a position passes the 16-bit limit.
std::string domainCut(std::string_view line);

// Raises Overflow when a 1-based position no longer fits in 16 bits.
long checkedPosition(long position);

// Classic Left/Right/Mid on bytes; out-of-range parts are simply shorter.
std::string_view leftOf(std::string_view text, std::size_t count);
std::string_view rightOf(std::string_view text, std::size_t count);
std::string_view midOf(std::string_view text, std::size_t start, std::size_t count);

bool contains(std::string_view text, std::string_view needle);

}  // namespace varnel
