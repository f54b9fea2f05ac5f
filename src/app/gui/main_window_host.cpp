#include "app/gui/main_window_host.h"

#include "app/gui/frmVarnel.h"
#include "contacts/gui/frmEdDelViewContact.h"
#include "contacts/gui/frmNewContact.h"
#include "contacts/one_contact_label.h"
#include "exchange/gui/frmVRExport.h"
#include "exchange/gui/frmVRImport.h"
#include "listing/gui/frmViewAll.h"
#include "shell/gui/documents.h"
#include "shell/gui/frmVRAbout.h"

namespace varnel {

void MainWindowHost::showMain() {
    if (!main_.isClosed()) main_.showAgain();
}

void MainWindowHost::hideMain() { main_.hide(); }

bool MainWindowHost::ending() const { return main_.isClosed(); }

void MainWindowHost::endProgram() { main_.close(); }

void MainWindowHost::openManual() { openUserManual(state_); }

void MainWindowHost::openAbout() {
    auto* about = new frmVRAbout(state_, *this);
    main_.registerWindow(about);
    about->show();
}

void MainWindowHost::showInsteadOfMain(QWidget* window) {
    main_.registerWindow(window);
    main_.hide();
    window->show();
}

void MainWindowHost::openWindow(WindowKind kind) {
    switch (kind) {
        case WindowKind::ContactBrowser:
        case WindowKind::ContactFind: {
            // Set by the contact list's pick: the browser opens on that contact.
            const std::int32_t pick = state_.CurrentRecord;
            auto* browser = new frmEdDelViewContact(state_, *this);
            main_.registerWindow(browser);
            browser->Form_Load();  // the focus goes to the find list
            if (pick > 0) browser->showRecord(pick);
            return;
        }
        case WindowKind::ContactList:
        case WindowKind::ContactSearch:
            main_.registerWindow(frmViewAll::open(state_, *this));
            return;
        case WindowKind::Import:
            showInsteadOfMain(new frmVRImport(state_, *this));
            return;
        case WindowKind::Export:
            showInsteadOfMain(new frmVRExport(state_, *this));
            return;
    }
}

void MainWindowHost::openNewContact(const LabelLineContact& from) {
    auto* form = new frmNewContact(state_, *this);
    main_.registerWindow(form);
    form->fillFromLabelLines(from);
    form->Form_Load();
}

void MainWindowHost::stateChanged() { main_.refreshFromState(); }

void MainWindowHost::sendToComposer(const OneContactFields& fields) {
    main_.showAgain();
    ComposerModel composer = main_.readComposer();
    fillOneContactLabel(composer, fields);
    main_.writeComposer(composer);
}

}  // namespace varnel
