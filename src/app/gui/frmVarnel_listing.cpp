// Contact list commands of the main window.
#include "app/gui/frmVarnel.h"
#include "listing/gui/frmViewAll.h"

namespace varnel {

void frmVarnel::mnuSrchContacts_Click() { frmViewAll::open(ctx_, *this); }
void frmVarnel::mnuViewAll_Click() { frmViewAll::open(ctx_, *this); }

}  // namespace varnel
