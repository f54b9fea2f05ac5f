// Birthday reminders of the main window.
#include "app/gui/frmVarnel.h"
#include "birthdays/birthday_list.h"
#include "birthdays/reminders.h"
#include "text/run_error.h"

namespace varnel {

namespace {

void showReminderMenus(frmVarnel& window, ReminderSetting setting) {
    const ReminderMenus menus = menusFor(setting);
    window.mnuFileBdayOn->setEnabled(menus.enableItem);
    window.mnuFileBdayOff->setEnabled(menus.disableItem);
}

}  // namespace

// Called as the last step of start-up and Open, which trap its run-time errors.
void frmVarnel::CheckBirthdays() {
    varnel::CheckBirthdays(ctx_.contactFile, ctx_.dialogs, ctx_.clock,
                           [this](ReminderSetting s) { showReminderMenus(*this, s); });
}

// An error escaping a slot would end the program, so these commands trap
// failures like the other main window commands.
void frmVarnel::mnuFileBdayOn_Click() {
    try {
        showReminderMenus(*this, EnableBirthdayReminders(ctx_.contactFile, ctx_.dialogs));
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::mnuFileBdayOff_Click() {
    try {
        showReminderMenus(*this, DisableBirthdayReminders(ctx_.contactFile, ctx_.dialogs));
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
