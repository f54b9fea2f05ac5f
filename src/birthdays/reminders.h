#pragma once
// The birthday check that runs after a contact file opens, and the commands
// that switch the reminders on and off in every record of the file.
#include <cstddef>
#include <functional>

#include "ports/clock.h"
#include "ports/dialogs.h"
#include "store/contact_file.h"

namespace varnel {

// The file-wide setting as the two File menu items show it.
enum class ReminderSetting {
    NoRecords,  // both items disabled
    On,         // "Enable Birthday Reminders" disabled, "Disable ..." enabled
    Off,        // "Enable Birthday Reminders" enabled, "Disable ..." disabled
};

struct ReminderMenus {
    bool enableItem = false;   // mnuFileBdayOn
    bool disableItem = false;  // mnuFileBdayOff
};
ReminderMenus menusFor(ReminderSetting setting);

// From the record count and record 1.
ReminderSetting readReminderSetting(const ContactFile& file);

// The setting the menus show again after another window changed the shared
// `remindersOn`: none without a file, and an empty file that showed none
// still shows none.
ReminderSetting shownReminderSetting(ReminderSetting shown, bool remindersOn,
                                     const ContactFile& file);

// Up to this many reminders come as separate boxes; more come as one box.
inline constexpr std::size_t kSeparateReminders = 10;
inline constexpr const char* kManyRemindersTitle = "Birthday reminders";

// Sets the menus (through `showSetting`, before any box appears), then shows
// one "Birthday reminder" per contact whose birthday is 1 to 7 days ahead (or
// in early January seen from late December), then one "Birthday alert" per
// birthday today, each in file order. More than kSeparateReminders of them
// come as one box with the same texts, one line each, in the same order.
// The file is read in one buffered pass. Run-time errors reach the caller.
ReminderSetting CheckBirthdays(const ContactFile& file, Dialogs& dialogs, const Clock& clock,
                               const std::function<void(ReminderSetting)>& showSetting = {});

// Rewrite BdayReminder in every record, then confirm with a box; the result
// is the setting the menus show afterwards.
ReminderSetting EnableBirthdayReminders(ContactFile& file, Dialogs& dialogs);
ReminderSetting DisableBirthdayReminders(ContactFile& file, Dialogs& dialogs);

}  // namespace varnel
