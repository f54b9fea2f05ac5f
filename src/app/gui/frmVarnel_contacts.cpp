// Contact commands of the main window.
#include "app/gui/frmVarnel.h"
#include "contacts/gui/frmEdDelViewContact.h"
#include "contacts/gui/frmNewContact.h"
#include "contacts/label_lines.h"
#include "store/run_error.h"

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
        auto* form = new frmNewContact(ctx_, *this);
        registerWindow(form);
        form->fillFromLabelLines(parsed.contact);
        form->Form_Load();
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::cmdFindContact_Click() {
    frmEdDelViewContact* browser = frmEdDelViewContact::open(ctx_, *this);
    if (browser->isVisible()) browser->cboFindContact->setFocus();
}

void frmVarnel::mnuAdd_Click() { cmdAddContact_Click(); }
void frmVarnel::mnuEdit_Click() { frmEdDelViewContact::open(ctx_, *this); }
void frmVarnel::mnuFind_Click() { frmEdDelViewContact::open(ctx_, *this); }
void frmVarnel::mnuDelete_Click() { frmEdDelViewContact::open(ctx_, *this); }
void frmVarnel::mnuViewOne_Click() { frmEdDelViewContact::open(ctx_, *this); }

}  // namespace varnel
