// Contact commands of the main window.
#include "app/gui/frmVarnel.h"
#include "contacts/label_lines.h"
#include "text/run_error.h"

namespace varnel {

void frmVarnel::cmdAddContact_Click() {
    try {
        const LabelLineResult parsed = contactFromLabelLines(readComposer().lines);
        if (parsed.refused) {
            ctx_.dialogs.beep();
            ctx_.dialogs.messageBox(kLineOneNoSpaceTitle, kLineOneNoSpaceText, Icon::None,
                                    Buttons::Ok);
            return;
        }
        host_->openNewContact(parsed.contact);
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::cmdFindContact_Click() { host_->openWindow(WindowKind::ContactFind); }

void frmVarnel::mnuAdd_Click() { cmdAddContact_Click(); }
void frmVarnel::mnuEdit_Click() { host_->openWindow(WindowKind::ContactBrowser); }
void frmVarnel::mnuFind_Click() { host_->openWindow(WindowKind::ContactBrowser); }
void frmVarnel::mnuDelete_Click() { host_->openWindow(WindowKind::ContactBrowser); }
void frmVarnel::mnuViewOne_Click() { host_->openWindow(WindowKind::ContactBrowser); }

}  // namespace varnel
