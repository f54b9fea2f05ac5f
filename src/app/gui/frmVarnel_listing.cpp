// Contact list commands of the main window.
#include "app/gui/frmVarnel.h"

namespace varnel {

void frmVarnel::mnuSrchContacts_Click() {}
void frmVarnel::mnuViewAll_Click() {}

}  // namespace varnel
