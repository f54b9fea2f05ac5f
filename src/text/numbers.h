#pragma once
// The number semantics every subsystem shares: typed and stored numbers are
// read leniently, whole numbers round halves to even.
#include <cstdint>
#include <string_view>

namespace varnel {

// The number that the leading characters of `text` form, blanks skipped;
// 0 when the text does not begin with a number. "12abc" -> 12, " -3.5" -> -3.5,
// "abc" -> 0, "1e3" -> 1000. Never throws: a number past the range of a
// double reads as an infinity, one too small as zero.
double leadingNumber(std::string_view text);

// True when the whole text is a number: surrounding spaces, an optional sign,
// digits with at most one decimal point, and at least one digit.
bool isNumericText(std::string_view text);

// Rounds to the nearest whole number, halves to the even one.
double roundHalfEven(double value);

// Round-half-even conversions; a value out of range raises run-time error 6
// ("Overflow").
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

// Converts stored decimal text to a 16-bit integer; text that is not a number
// raises run-time error 13 ("Type mismatch"), like reading a corrupt field.
std::int16_t textToInt16(std::string_view text);

}  // namespace varnel
