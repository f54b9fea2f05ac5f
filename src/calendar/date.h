#pragma once
// Calendar dates in the proleptic Gregorian calendar.
#include <cstdint>
#include <string>

namespace varnel {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date&, const Date&) = default;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);
// Days since 1970-01-01 (negative before).
std::int64_t dayNumber(const Date& date);
Date fromDayNumber(std::int64_t days);
// "MM/DD/YYYY"
std::string formatMmDdYyyy(const Date& date);

extern const char* const kMonthNames[12];

}  // namespace varnel
