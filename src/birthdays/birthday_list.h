#pragma once
// "View Birthdays": asks for a month and shows every contact born in it.
#include <cstddef>
#include <string>

#include "calendar/date.h"
#include "ports/clock.h"
#include "ports/dialogs.h"
#include "store/contact_file.h"

namespace varnel {

// The list shows at most this many contacts; a note says how many more there are.
constexpr std::size_t kBirthdayListLimit = 2000;

// The month prompt: "Enter a month by typing its number (1-12):", a blank
// line and the twelve months, joined by CR LF.
std::string birthdayMonthPrompt();

// One line of the list: the name padded to 43 characters, TAB, MM/DD/YYYY, CR LF.
std::string birthdayListLine(const std::string& firstName, const std::string& lastName,
                             const Date& born);

// Asks until the answer is a month or empty (Cancel); shows the month's list
// or says it has none. Returns the accepted month, 0 when the user cancelled.
// Run-time errors reach the caller.
int ViewBirthdays(const ContactFile& file, Dialogs& dialogs, const Clock& clock);

}  // namespace varnel
