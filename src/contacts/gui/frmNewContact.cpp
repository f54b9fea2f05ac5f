#include "contacts/gui/frmNewContact.h"

#include <QVBoxLayout>

#include "contacts/contact_save.h"
#include "ports/gui/qt_text.h"

namespace varnel {

frmNewContact::frmNewContact(AppState& state, WindowHost& host, QWidget* parent)
    : ContactWindow(state, host, parent, "frmNewContact", "chkIncComp", "lblIncCompName") {
    addEditAndHelpMenus({"mnuNewEdit", "mnuNewCut", "mnuNewCopy", "mnuNewPaste"},
                        {"mnuNewHelp", "mnuNewManual", "mnuNewAbout"});

    txtACFName->setToolTip("14 characters maximum");
    txtACLName->setToolTip("18 characters maximum");
    txtACBirthdate->setToolTip("Use approximate year if necessary");
    companyTick_->setChecked(true);
    cmdSave->setToolTip("Saves contact to file");

    makeFormLayout({cmdSave, cmdCancel});
    QWidget* previous = txtACNotes;
    for (QWidget* w : {static_cast<QWidget*>(companyTick_), static_cast<QWidget*>(cmdSave),
                       static_cast<QWidget*>(cmdCancel), static_cast<QWidget*>(cmdStateAbb),
                       static_cast<QWidget*>(cmdZipFinder), static_cast<QWidget*>(cmdPeopleFind)}) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
    connect(cmdSave, &QPushButton::clicked, this, &frmNewContact::cmdSave_Click);
    markUnchanged();
}

void frmNewContact::Form_Load() {
    host_.hideMain();
    show();
    setWindowTitle(fromCp("Add Contact  [" + state_.contactTitle + "]"));
    activateWindow();
    txtACFName->setFocus();
}

void frmNewContact::fillFromLabelLines(const LabelLineContact& c) {
    auto put = [](QLineEdit* edit, const std::optional<std::string>& text) {
        if (text) edit->setText(fromCp(*text));
    };
    put(txtACFName, c.firstName);
    put(txtACMiddleInit, c.middleInitial);
    put(txtACLName, c.lastName);
    put(txtACFStreet, c.street1);
    put(txtACSStreet, c.street2);
    put(txtACCity, c.city);
    put(txtACState, c.state);
    put(txtACZip, c.zip);
    markUnchanged();  // what the label lines gave is not yet the user's typing
}

// Shown from the first change on; the tick is the user's.
void frmNewContact::companyChanged() {
    companyTickLabel_->setVisible(true);
    companyTick_->setVisible(true);
}

void frmNewContact::cmdSave_Click() {
    const SaveResult r = saveForm(SaveKind::NewContact, 0);
    if (r == SaveResult::Saved || r == SaveResult::Abandoned) closeWithoutAsking();
}

ContactWindow::SaveResult frmNewContact::saveBeforeClosing() {
    return saveForm(SaveKind::NewContact, 0);
}

ContactWindow::Question frmNewContact::saveQuestion() const {
    const std::string name = nameOf(readForm());
    return {"Add Contact",
            name.empty() ? "Save the new contact?" : "Save the new contact " + name + "?"};
}

}  // namespace varnel
