#include "app/gui/main_window_host.h"

#include "app/gui/frmVarnel.h"
#include "contacts/gui/frmEdDelViewContact.h"
#include "contacts/gui/frmNewContact.h"
#include "exchange/gui/frmVRExport.h"
#include "exchange/gui/frmVRImport.h"
#include "listing/gui/frmViewAll.h"
#include "printing/one_contact_label.h"
#include "shell/gui/documents.h"
#include "shell/gui/frmVRAbout.h"

namespace varnel {

void MainWindowHost::showMain() {
    if (!main_.isClosed()) main_.showAgain();
}

void MainWindowHost::hideMain() { main_.hide(); }

bool MainWindowHost::ending() const { return main_.isClosed(); }

void MainWindowHost::endProgram() { main_.close(); }

void MainWindowHost::openManual() { state_.dialogs.shellOpen(userManualTarget(state_)); }

void MainWindowHost::openAbout() {
    auto* about = new frmVRAbout;
    main_.registerWindow(about);
    about->show();
}

void MainWindowHost::openWindow(WindowKind kind) {
    switch (kind) {
        case WindowKind::ContactBrowser:
            frmEdDelViewContact::open(state_, main_);
            return;
        case WindowKind::ContactFind: {
            frmEdDelViewContact* browser = frmEdDelViewContact::open(state_, main_);
            if (browser->isVisible()) browser->cboFindContact->setFocus();
            return;
        }
        case WindowKind::ContactList:
        case WindowKind::ContactSearch:
            main_.registerWindow(frmViewAll::open(state_, *this));
            return;
        case WindowKind::Import: {
            auto* window = new frmVRImport(state_, main_);
            main_.registerWindow(window);
            main_.hide();
            window->show();
            return;
        }
        case WindowKind::Export: {
            auto* window = new frmVRExport(state_, main_);
            main_.registerWindow(window);
            main_.hide();
            window->show();
            return;
        }
    }
}

void MainWindowHost::openNewContact(const LabelLineContact& from) {
    auto* form = new frmNewContact(state_, main_);
    main_.registerWindow(form);
    form->fillFromLabelLines(from);
    form->Form_Load();
}

void MainWindowHost::stateChanged() { main_.refreshFromState(); }

void MainWindowHost::sendToComposer(const OneContactFields& fields) {
    main_.showAgain();
    ComposerState composer = main_.readComposer();
    fillOneContactLabel(composer, fields);
    main_.writeComposer(composer);
}

}  // namespace varnel
