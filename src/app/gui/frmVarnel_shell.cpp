// Import, export, look-ups, help and the Edit menu of the main window.
#include "app/gui/frmVarnel.h"

namespace varnel {

void frmVarnel::mnuImport_Click() {}
void frmVarnel::mnuExport_Click() {}
void frmVarnel::mnuStates_Click() {}
void frmVarnel::mnuManual_Click() {}
void frmVarnel::mnuAbout_Click() {}
void frmVarnel::cmdZipFinder_Click() {}
void frmVarnel::cmdPeopleFind_Click() {}
void frmVarnel::mnuCut_Click() {}
void frmVarnel::mnuCopy_Click() {}
void frmVarnel::mnuPaste_Click() {}

}  // namespace varnel
