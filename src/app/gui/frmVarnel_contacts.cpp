// Contact commands of the main window.
#include "app/gui/frmVarnel.h"

namespace varnel {

void frmVarnel::cmdAddContact_Click() {}
void frmVarnel::cmdFindContact_Click() {}
void frmVarnel::mnuAdd_Click() { cmdAddContact_Click(); }
void frmVarnel::mnuEdit_Click() {}
void frmVarnel::mnuFind_Click() {}
void frmVarnel::mnuDelete_Click() {}
void frmVarnel::mnuViewOne_Click() {}

}  // namespace varnel
