#include "birthdays/birthday_list.h"

#include <algorithm>
#include <optional>

#include "birthdays/birthdate.h"
#include "text/numbers.h"

namespace varnel {

namespace {

const char* const kPromptLines[] = {
    "Enter a month by typing its number (1-12):",
    " ",
    "1  January",
    "2  February",
    "3  March",
    "4  April",
    "5  May",
    "6  June",
    "7  July",
    "8  August",
    "9  September",
    "10 October",
    "11 November",
    "12 December",
};

bool endsInDigit(const std::string& text) {
    return !text.empty() && text.back() >= '0' && text.back() <= '9';
}

// The accepted month, or nothing after the refusal has been shown.
std::optional<int> checkMonth(const std::string& answer, Dialogs& dialogs) {
    const double value = leadingNumber(answer);
    auto refuse = [&](const char* title, const char* text) {
        dialogs.beep();
        dialogs.messageBox(title, text, Icon::Exclamation, Buttons::Ok);
        return std::nullopt;
    };
    if (value < 1 || answer.size() >= 3) {
        return refuse("Enter one month", "Enter a number between 1 and 12");
    }
    if (value > 12) return refuse("Enter a number between 1 and 12", "Cannot be greater than 12");
    if (!isNumericText(answer) || !endsInDigit(answer)) {
        return refuse("Enter a month", "Enter a number between 1 and 12");
    }
    // At most two characters ending in a digit and between 1 and 12: a whole number.
    return static_cast<int>(value);
}

}  // namespace

std::string birthdayMonthPrompt() {
    std::string prompt;
    for (const char* line : kPromptLines) {
        if (!prompt.empty()) prompt += "\r\n";
        prompt += line;
    }
    return prompt;
}

std::string birthdayListLine(const std::string& firstName, const std::string& lastName,
                             const Date& born) {
    std::string line = firstName + " " + lastName;
    const std::size_t nameLength = firstName.size() + lastName.size();
    if (nameLength < 42) line.append(42 - nameLength, ' ');
    // Without a known year the line says month and day only.
    const std::string date =
        born.year == 0 ? formatMmDdYyyy(born).substr(0, 5) : formatMmDdYyyy(born);
    return line + "\t" + date + "\r\n";
}

int ViewBirthdays(const ContactFile& file, Dialogs& dialogs, const Clock& clock) {
    const std::string preset = std::to_string(clock.today().month);
    int month = 0;
    while (month == 0) {
        const std::string answer =
            dialogs.inputBox("View Birthdays", birthdayMonthPrompt(), preset);
        if (answer.empty()) return 0;
        if (std::optional<int> m = checkMonth(answer, dialogs)) month = *m;
    }

    std::string list;
    std::size_t shown = 0;
    std::size_t more = 0;
    file.forEach([&](std::int32_t, const ContactRecord& r) {
        const std::string cleaned = cleanBirthdate(r.raw(Field::Birthdate));
        if (cleaned.empty()) return;
        // A birthdate that is no real date cannot be listed under any month.
        const std::optional<Date> born = dateOfBirth(cleaned);
        if (!born || born->month != month) return;
        if (shown == kBirthdayListLimit) {
            ++more;
            return;
        }
        list += birthdayListLine(r.get(Field::FirstName), r.get(Field::LastName), *born);
        ++shown;
    });

    const std::string monthName = kMonthNames[month - 1];
    const std::string title = monthName + " Birthdays";
    if (more > 0) {
        list += "... and " + std::to_string(more) + " more birthdays in " + monthName + "\r\n";
    }
    if (list.empty()) {
        dialogs.messageBox(title, "No birthdays in the month of " + monthName, Icon::None,
                           Buttons::Ok);
    } else {
        dialogs.messageBox(title, list, Icon::None, Buttons::Ok);
    }
    return month;
}

}  // namespace varnel
