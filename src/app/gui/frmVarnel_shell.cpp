// Import, export and the look-ups of the main window.
#include "app/gui/frmVarnel.h"
#include "shell/gui/documents.h"
#include "shell/shell_open.h"

namespace varnel {

void frmVarnel::mnuImport_Click() { host_->openWindow(WindowKind::Import); }

void frmVarnel::mnuExport_Click() { host_->openWindow(WindowKind::Export); }

void frmVarnel::mnuStates_Click() { openStateList(ctx_); }

void frmVarnel::cmdZipFinder_Click() { openZipLookup(ctx_.dialogs); }

void frmVarnel::cmdPeopleFind_Click() { openPeopleSearch(ctx_.dialogs); }

}  // namespace varnel
