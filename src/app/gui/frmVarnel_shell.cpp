// Import, export, look-ups, help and the Edit menu of the main window.
#include <QMenu>

#include "app/gui/frmVarnel.h"
#include "shell/gui/documents.h"
#include "shell/gui/qt_edit_target.h"
#include "shell/lookups.h"

namespace varnel {

void frmVarnel::mnuImport_Click() { host_->openWindow(WindowKind::Import); }

void frmVarnel::mnuExport_Click() { host_->openWindow(WindowKind::Export); }

void frmVarnel::mnuStates_Click() { ctx_.dialogs.shellOpen(stateListTarget(ctx_)); }

void frmVarnel::mnuManual_Click() { host_->openManual(); }

void frmVarnel::mnuAbout_Click() { host_->openAbout(); }

void frmVarnel::cmdZipFinder_Click() { ctx_.dialogs.shellOpen(std::string(kZipLookupAddress)); }

void frmVarnel::cmdPeopleFind_Click() { ctx_.dialogs.shellOpen(std::string(kPeopleSearchAddress)); }

void frmVarnel::mnuVREdit_Click() { applyEditMenuState(focusWidget(), mnuCut, mnuCopy, mnuPaste); }

void frmVarnel::mnuCut_Click() { editCut(editTargetFor(focusWidget()).get(), ctx_.dialogs); }
void frmVarnel::mnuCopy_Click() { editCopy(editTargetFor(focusWidget()).get(), ctx_.dialogs); }
void frmVarnel::mnuPaste_Click() { editPaste(editTargetFor(focusWidget()).get(), ctx_.dialogs); }

}  // namespace varnel
