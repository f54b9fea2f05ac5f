// Birthday reminders of the main window.
#include "app/gui/frmVarnel.h"
#include "birthdays/birthday_list.h"
#include "text/run_error.h"

namespace varnel {

// Called as the last step of start-up and Open, which trap its run-time errors.
void frmVarnel::CheckBirthdays() {
    varnel::CheckBirthdays(ctx_.contactFile, ctx_.dialogs, ctx_.clock,
                           [this](ReminderSetting s) { showReminderSetting(s); });
}

// An error escaping a slot would end the program, so these commands trap
// failures like the other main window commands.
void frmVarnel::mnuFileBdayOn_Click() {
    try {
        showReminderSetting(EnableBirthdayReminders(ctx_.contactFile, ctx_.dialogs));
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::mnuFileBdayOff_Click() {
    try {
        showReminderSetting(DisableBirthdayReminders(ctx_.contactFile, ctx_.dialogs));
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::cmdBDlist_Click() {
    try {
        ViewBirthdays(ctx_.contactFile, ctx_.dialogs, ctx_.clock);
    } catch (const RunError& e) {
        commonError(e);
        return;
    }
    txtVRLines[0]->setFocus();
}

}  // namespace varnel
