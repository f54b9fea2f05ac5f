// Print command, margins and return-address labels of the main window.
#include "app/gui/frmVarnel.h"

namespace varnel {

void frmVarnel::cmdVRStart_Click() {}
void frmVarnel::mnuFilePrint_Click() { cmdVRStart_Click(); }
void frmVarnel::mnuAdjustOTF_Click() {}
void frmVarnel::mnuAdjustSR_Click() {}
void frmVarnel::mnuAdjustENV_Click() {}
void frmVarnel::mnuAdjustRA_Click() {}
void frmVarnel::mnuRetAddress_Click() { cmdRetAddress_Click(); }
void frmVarnel::cmdRetAddress_Click() {}

}  // namespace varnel
