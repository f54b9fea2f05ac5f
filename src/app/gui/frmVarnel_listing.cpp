// Contact list commands of the main window.
#include "app/gui/frmVarnel.h"

namespace varnel {

void frmVarnel::mnuSrchContacts_Click() { host_->openWindow(WindowKind::ContactSearch); }
void frmVarnel::mnuViewAll_Click() { host_->openWindow(WindowKind::ContactList); }

}  // namespace varnel
