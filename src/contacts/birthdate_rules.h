#pragma once
// The birthdate as typed (MM/DD/YYYY), checked before anything else is saved,
// and its stored form YYYYMMDD.
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// 1 to 10 for the check that fails, nullopt when the text passes every check
// (the empty text always passes).
std::optional<int> failingBirthdateCheck(std::string_view typed);
// The message shown for a failing check (1 to 10).
const char* birthdateMessage(int check);

// True when "MM/DD/YYYY" names a real day: each part may carry spaces around
// its digits, years run from 100 to 9999 in the proleptic Gregorian calendar.
bool isCalendarDate(std::string_view typed);

// A part of a date: 1 to 4 digits with optional spaces around them; -1 for
// anything else.
int datePart(std::string_view part);

// "04/10/1980" -> "19800410"; "" -> "". The text must have passed the checks.
std::string storedBirthdate(std::string_view typed);
// "19800410" -> "04/10/1980"; "00000410" (no year known) -> "04/10"; a field
// that does not read as a number above 1 shows as empty.
std::string shownBirthdate(std::string_view stored);

}  // namespace varnel
