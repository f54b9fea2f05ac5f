#pragma once
// The field-by-field cleaning rules of the CSV import and the classic text
// parts the layouts are written in. All positions are 1-based.
#include <string>
#include <string_view>

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

// Classic Left/Right/Mid on bytes; out-of-range parts are simply shorter.
std::string_view leftOf(std::string_view text, std::size_t count);
std::string_view rightOf(std::string_view text, std::size_t count);
std::string_view midOf(std::string_view text, std::size_t start, std::size_t count);

bool contains(std::string_view text, std::string_view needle);

}  // namespace varnel
