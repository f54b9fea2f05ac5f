// The label composer's handlers on the main window.
#include "app/gui/frmVarnel.h"

namespace varnel {

void frmVarnel::optVRLabel_Click() {}
void frmVarnel::optVREnvelope_Click() {}
void frmVarnel::cboVREnvelope_Click() {}
void frmVarnel::optVRLeftjust_Click() {}
void frmVarnel::optVRCenter_Click() {}
void frmVarnel::optPortrait_Click() {}
void frmVarnel::optLandscape_Click() {}
void frmVarnel::chkBold_Click() {}
void frmVarnel::chkLargeFont_Click() {}
void frmVarnel::chkLblBold_Click() {}
void frmVarnel::chkLblItalic_Click() {}
void frmVarnel::cmdVRClear_Click() {}

}  // namespace varnel
