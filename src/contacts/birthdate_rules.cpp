#include "contacts/birthdate_rules.h"

#include <array>

#include "calendar/date.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace varnel {

namespace {

constexpr std::array<const char*, 10> kMessages = {
    "Date must be in format MM/DD/YYYY   Example: April 10, 1980 is 04/10/1980",
    "Year must be an actual 4-digit year.  Example: 1988",
    "Year must be a 4-digit year, no spaces.  Example: 1988",
    "Month must be a number no greater than 12.  Example: 07",
    "Month must be a 2-digit month.  Example: 08",
    "Birthdate must be a valid date in MM/DD/YYYY format.  Example: 05/12/1988",
    "Day must be a 2-digit day, no spaces.  Example: 26",
    "Month must be a 2-digit month, no spaces.  Example: 03",
    "Month must be a 2-digit month, no spaces.  Example: 07",
    "Birthdate must be a valid date in MM/DD/YYYY format. No spaces.  Example: 05/12/1988",
};

}  // namespace

int datePart(std::string_view part) {
    std::string_view t = trimSpaces(part);
    if (t.empty() || t.size() > 4) return -1;
    int value = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

const char* birthdateMessage(int check) {
    if (check < 1 || check > 10) return "";
    return kMessages[static_cast<std::size_t>(check - 1)];
}

bool isCalendarDate(std::string_view typed) {
    if (typed.size() != 10 || typed[2] != '/' || typed[5] != '/') return false;
    int month = datePart(typed.substr(0, 2));
    int day = datePart(typed.substr(3, 2));
    int year = datePart(typed.substr(6, 4));
    if (month < 0 || day < 0 || year < 100 || year > 9999) return false;
    return isValidDate(year, month, day);
}

std::optional<int> failingBirthdateCheck(std::string_view b) {
    if (b.empty()) return std::nullopt;
    if (b.size() != 10 || b[5] != '/' || b[2] != '/') return 1;
    std::string_view year = b.substr(6, 4);
    std::string_view month = b.substr(0, 2);
    if (!isNumericText(year)) return 2;
    if (b.back() == ' ') return 3;
    if (leadingNumber(month) > 12) return 4;
    if (!isNumericText(month)) return 5;
    if (!isCalendarDate(b)) return 6;
    if (b[3] == ' ' || b[4] == ' ') return 7;
    if (b[0] == ' ') return 8;
    if (b[1] == ' ') return 9;
    if (b.find(' ') != std::string_view::npos) return 10;
    return std::nullopt;
}

std::string storedBirthdate(std::string_view typed) {
    if (typed.size() != 10) return "";
    std::string out(typed.substr(6, 4));
    out += typed.substr(0, 2);
    out += typed.substr(3, 2);
    return out;
}

std::string shownBirthdate(std::string_view stored) {
    std::string s = padRight(stored, 8);
    if (!(leadingNumber(s) > 1)) return "";
    // An imported birthday without a year shows as month and day only.
    if (s.starts_with("0000")) return s.substr(4, 2) + "/" + s.substr(6, 2);
    return s.substr(4, 2) + "/" + s.substr(6, 2) + "/" + s.substr(0, 4);
}

}  // namespace varnel
