#include "birthdays/birthdate.h"

namespace varnel {

namespace {

// A field of digits only, of exactly its width; -1 otherwise.
int digitsValue(std::string_view text, std::size_t pos, std::size_t width) {
    if (pos + width > text.size()) return -1;
    int value = 0;
    for (std::size_t i = pos; i < pos + width; ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string cleanBirthdate(std::string_view stored) {
    std::string out;
    out.reserve(stored.size());
    for (char c : stored) {
        if (c != ' ') out += c;
    }
    return out;
}

std::optional<Date> birthdayInYear(std::string_view cleaned, int year) {
    if (cleaned.size() < 6) return std::nullopt;
    int month = digitsValue(cleaned, 4, 2);
    int day = digitsValue(cleaned, cleaned.size() - 2, 2);
    if (month < 1 || month > 12 || day < 1) return std::nullopt;
    if (month == 2 && day == 29 && !isLeapYear(year)) day = 28;
    if (!isValidDate(year, month, day)) return std::nullopt;
    return Date{year, month, day};
}

std::optional<Date> dateOfBirth(std::string_view cleaned) {
    if (cleaned.size() != 8) return std::nullopt;
    int year = digitsValue(cleaned, 0, 4);
    int month = digitsValue(cleaned, 4, 2);
    int day = digitsValue(cleaned, 6, 2);
    if (year < 0 || !isValidDate(year == 0 ? 2000 : year, month, day)) return std::nullopt;
    return Date{year, month, day};
}

}  // namespace varnel
