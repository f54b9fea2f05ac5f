// Birthday reminders of the main window.
#include "app/gui/frmVarnel.h"

namespace varnel {

void frmVarnel::CheckBirthdays() {}
void frmVarnel::mnuFileBdayOn_Click() {}
void frmVarnel::mnuFileBdayOff_Click() {}
void frmVarnel::cmdBDlist_Click() {}

}  // namespace varnel
