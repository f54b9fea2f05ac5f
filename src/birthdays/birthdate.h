#pragma once
// How the reminders and the birthday list read the stored YYYYMMDD birthdate.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date.h"

namespace varnel {

// The stored birthdate with every space removed; empty means no birthdate.
std::string cleanBirthdate(std::string_view stored);

// The birthday in `year` of a cleaned birthdate: month from characters 5-6,
// day from the last two characters. A 29 February falls on 28 February in a
// year without one. Nothing when the text cannot form a date.
std::optional<Date> birthdayInYear(std::string_view cleaned, int year);

// The date of birth itself (YYYYMMDD), nothing when it is not a real date.
// A birthday whose year is unknown is stored with the year 0000 and gives a
// date of year 0.
std::optional<Date> dateOfBirth(std::string_view cleaned);

}  // namespace varnel
