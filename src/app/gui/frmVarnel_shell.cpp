// Import, export, look-ups, help and the Edit menu of the main window.
#include <QMenu>

#include "app/gui/frmVarnel.h"
#include "exchange/gui/frmVRExport.h"
#include "exchange/gui/frmVRImport.h"
#include "shell/gui/documents.h"
#include "shell/gui/frmVRAbout.h"
#include "shell/gui/qt_edit_target.h"
#include "shell/lookups.h"

namespace varnel {

void frmVarnel::mnuImport_Click() {
    auto* window = new frmVRImport(ctx_, *this);
    registerWindow(window);
    hide();
    window->show();
}

void frmVarnel::mnuExport_Click() {
    auto* window = new frmVRExport(ctx_, *this);
    registerWindow(window);
    hide();
    window->show();
}

void frmVarnel::mnuStates_Click() { ctx_.dialogs.shellOpen(stateListTarget(ctx_)); }

void frmVarnel::mnuManual_Click() { ctx_.dialogs.shellOpen(userManualTarget(ctx_)); }

void frmVarnel::mnuAbout_Click() {
    auto* about = new frmVRAbout;
    registerWindow(about);
    about->show();
}

void frmVarnel::cmdZipFinder_Click() { ctx_.dialogs.shellOpen(std::string(kZipLookupAddress)); }

void frmVarnel::cmdPeopleFind_Click() { ctx_.dialogs.shellOpen(std::string(kPeopleSearchAddress)); }

void frmVarnel::mnuVREdit_Click() { applyEditMenuState(focusWidget(), mnuCut, mnuCopy, mnuPaste); }

void frmVarnel::mnuCut_Click() { editCut(editTargetFor(focusWidget()).get(), ctx_.dialogs); }
void frmVarnel::mnuCopy_Click() { editCopy(editTargetFor(focusWidget()).get(), ctx_.dialogs); }
void frmVarnel::mnuPaste_Click() { editPaste(editTargetFor(focusWidget()).get(), ctx_.dialogs); }

}  // namespace varnel
