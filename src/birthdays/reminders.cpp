#include "birthdays/reminders.h"

#include <string>
#include <vector>

#include "birthdays/birthdate.h"

namespace varnel {

namespace {

struct Reminder {
    std::string title;
    std::string text;
};

bool remindersOn(const ContactRecord& r) { return r.raw(Field::BdayReminder) == "1"; }

std::string fullName(const ContactRecord& r) {
    return r.get(Field::FirstName) + " " + r.get(Field::LastName);
}

// A birthday in the first two weeks of January counts as coming up from the
// second half of December on: it is next year's.
bool isComing(const Date& birthday, const Date& today) {
    std::int64_t ahead = dayNumber(birthday) - dayNumber(today);
    if (ahead > 0 && ahead < 8) return true;
    return today.month == 12 && today.day >= 16 && birthday.month == 1 && birthday.day <= 14;
}

ReminderSetting setReminders(ContactFile& file, Dialogs& dialogs, bool on) {
    file.rewriteAll([on](ContactRecord& r) { r.set(Field::BdayReminder, on ? "1" : "0"); });
    if (on) {
        dialogs.messageBox("Birthday reminders enabled", "Birthday Reminders have been turned on.",
                           Icon::Information, Buttons::Ok);
    } else {
        dialogs.messageBox("Birthday reminders disabled",
                           "Birthday Reminders have been turned off.", Icon::Information,
                           Buttons::Ok);
    }
    return on ? ReminderSetting::On : ReminderSetting::Off;
}

// A few reminders come one box each; a busy week comes as one box listing
// every person, so nobody clicks through hundreds of boxes.
void showReminders(const std::vector<Reminder>& coming, const std::vector<Reminder>& todays,
                   Dialogs& dialogs) {
    if (coming.size() + todays.size() <= kSeparateReminders) {
        for (const Reminder& m : coming) {
            dialogs.messageBox(m.title, m.text, Icon::Information, Buttons::Ok);
        }
        for (const Reminder& m : todays) {
            dialogs.messageBox(m.title, m.text, Icon::Information, Buttons::Ok);
        }
        return;
    }
    std::string lines;
    for (const std::vector<Reminder>* part : {&coming, &todays}) {
        for (const Reminder& m : *part) {
            if (!lines.empty()) lines += "\r\n";
            lines += m.text;
        }
    }
    dialogs.messageBox(kManyRemindersTitle, lines, Icon::Information, Buttons::Ok);
}

}  // namespace

ReminderMenus menusFor(ReminderSetting setting) {
    switch (setting) {
        case ReminderSetting::On:
            return {false, true};
        case ReminderSetting::Off:
            return {true, false};
        case ReminderSetting::NoRecords:
            break;
    }
    return {false, false};
}

ReminderSetting readReminderSetting(const ContactFile& file) {
    if (file.recordCount() == 0) return ReminderSetting::NoRecords;
    return remindersOn(file.readRecord(1)) ? ReminderSetting::On : ReminderSetting::Off;
}

ReminderSetting shownReminderSetting(ReminderSetting shown, bool remindersOn,
                                     const ContactFile& file) {
    if (!file.isOpen()) return ReminderSetting::NoRecords;
    if (!remindersOn) return ReminderSetting::Off;
    if (shown == ReminderSetting::NoRecords && file.recordCount() == 0) {
        return ReminderSetting::NoRecords;
    }
    return ReminderSetting::On;
}

ReminderSetting CheckBirthdays(const ContactFile& file, Dialogs& dialogs, const Clock& clock,
                               const std::function<void(ReminderSetting)>& showSetting) {
    const ReminderSetting setting = readReminderSetting(file);
    if (showSetting) showSetting(setting);
    if (setting == ReminderSetting::NoRecords) return setting;

    const Date today = clock.today();
    // Both passes come from one read of the file; the boxes follow in pass order.
    std::vector<Reminder> coming;
    std::vector<Reminder> todays;
    file.forEach([&](std::int32_t, const ContactRecord& r) {
        if (!remindersOn(r)) return;
        const std::string cleaned = cleanBirthdate(r.raw(Field::Birthdate));
        if (cleaned.empty()) return;
        // A birthdate that forms no date (a damaged or hand-edited file) is
        // passed over rather than ending the check for every other contact.
        const std::optional<Date> birthday = birthdayInYear(cleaned, today.year);
        if (!birthday) return;
        if (*birthday == today) {
            todays.push_back({"Birthday alert", "Today is " + fullName(r) + "'s Birthday! "});
        } else if (isComing(*birthday, today)) {
            coming.push_back({"Birthday reminder", fullName(r) + " has a birthday coming up on " +
                                                       cleaned.substr(4, 2) + "/" +
                                                       cleaned.substr(6, 2)});
        }
    });
    showReminders(coming, todays, dialogs);
    return setting;
}

ReminderSetting EnableBirthdayReminders(ContactFile& file, Dialogs& dialogs) {
    return setReminders(file, dialogs, true);
}

ReminderSetting DisableBirthdayReminders(ContactFile& file, Dialogs& dialogs) {
    return setReminders(file, dialogs, false);
}

}  // namespace varnel
