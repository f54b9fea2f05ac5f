#include "contacts/gui/frmNewContact.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/gui/frmVarnel.h"
#include "contacts/contact_save.h"
#include "ports/gui/qt_text.h"
#include "shell/gui/documents.h"
#include "shell/gui/qt_edit_target.h"
#include "shell/lookups.h"
#include "shell/shell_open.h"
#include "text/run_error.h"

namespace varnel {

frmNewContact::frmNewContact(AppState& context, frmVarnel& main)
    : QMainWindow(nullptr), ctx_(context), main_(main), boxes_(new QWidget) {
    setObjectName("frmNewContact");
    setAttribute(Qt::WA_DeleteOnClose);
    buildMenus();
    buildControls();
}

void frmNewContact::buildMenus() {
    mnuNewEdit = menuBar()->addMenu("&Edit");
    mnuNewEdit->setObjectName("mnuNewEdit");
    mnuNewCut = mnuNewEdit->addAction("Cut");
    mnuNewCut->setObjectName("mnuNewCut");
    mnuNewCopy = mnuNewEdit->addAction("Copy");
    mnuNewCopy->setObjectName("mnuNewCopy");
    mnuNewPaste = mnuNewEdit->addAction("Paste");
    mnuNewPaste->setObjectName("mnuNewPaste");
    mnuNewHelp = menuBar()->addMenu("&Help");
    mnuNewHelp->setObjectName("mnuNewHelp");
    mnuNewManual = mnuNewHelp->addAction("User Manual");
    mnuNewManual->setObjectName("mnuNewManual");
    mnuNewAbout = mnuNewHelp->addAction("About Varnel");
    mnuNewAbout->setObjectName("mnuNewAbout");

    connect(mnuNewEdit, &QMenu::aboutToShow, this, &frmNewContact::mnuNewEdit_Click);
    connect(mnuNewCut, &QAction::triggered, this, &frmNewContact::mnuNewCut_Click);
    connect(mnuNewCopy, &QAction::triggered, this, &frmNewContact::mnuNewCopy_Click);
    connect(mnuNewPaste, &QAction::triggered, this, &frmNewContact::mnuNewPaste_Click);
    connect(mnuNewManual, &QAction::triggered, this, &frmNewContact::mnuNewManual_Click);
    connect(mnuNewAbout, &QAction::triggered, this, &frmNewContact::mnuNewAbout_Click);
}

void frmNewContact::buildControls() {
    QWidget* central = boxes_.first()->parentWidget();
    setCentralWidget(central);

    bindTo(boxes_);

    txtACFName->setToolTip("14 characters maximum");
    txtACLName->setToolTip("18 characters maximum");
    txtACFStreet->setToolTip("For help in finding address, click 'People Finder'");
    txtACZip->setToolTip("For help in finding Zip Code, click 'Zip Code Finder'");
    txtACBirthdate->setToolTip("Use approximate year if necessary");
    txtACCategory->setToolTip(
        "Enter one or more categories, separated by a semicolon, to include this contact in "
        "subset(s).  Example: Christmas;Golf;Customers");
    txtACNotes->setToolTip("Notes may contain up to 160 characters");

    lblIncCompName = new QLabel("Include Company Name in Address", central);
    lblIncCompName->setObjectName("lblIncCompName");
    chkIncComp = new QCheckBox(central);
    chkIncComp->setObjectName("chkIncComp");
    chkIncComp->setToolTip("If checked, Company Name will be included when printing address");
    chkIncComp->setChecked(true);
    lblIncCompName->setVisible(false);
    chkIncComp->setVisible(false);

    auto button = [central](const char* name, const char* caption, const char* tip) {
        return makeContactButton(central, name, caption, tip);
    };
    cmdSave = button("cmdSave", "Save", "Saves contact to file");
    cmdCancel = button("cmdCancel", "Close", "Return to main screen");
    cmdStateAbb = button("cmdStateAbb", "?", "Look up State abbreviations");
    cmdStateAbb->setFixedWidth(28);
    cmdZipFinder = button("cmdZipFinder", "Zip Code Finder", nullptr);
    cmdPeopleFind = button("cmdPeopleFind", "People Finder", nullptr);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(boxes_.makeLayout(cmdStateAbb, lblIncCompName, chkIncComp));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdZipFinder);
    buttons->addWidget(cmdPeopleFind);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    QWidget::setTabOrder(txtACNotes, chkIncComp);
    QWidget::setTabOrder(chkIncComp, cmdSave);
    QWidget::setTabOrder(cmdSave, cmdCancel);
    QWidget::setTabOrder(cmdCancel, cmdStateAbb);
    QWidget::setTabOrder(cmdStateAbb, cmdZipFinder);
    QWidget::setTabOrder(cmdZipFinder, cmdPeopleFind);

    connect(cmdSave, &QPushButton::clicked, this, &frmNewContact::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNewContact::cmdCancel_Click);
    connect(cmdStateAbb, &QPushButton::clicked, this, &frmNewContact::cmdStateAbb_Click);
    connect(cmdZipFinder, &QPushButton::clicked, this, &frmNewContact::cmdZipFinder_Click);
    connect(cmdPeopleFind, &QPushButton::clicked, this, &frmNewContact::cmdPeopleFind_Click);
    connect(txtACCompany, &QLineEdit::textChanged, this, &frmNewContact::txtACCompany_Change);
}

void frmNewContact::Form_Load() {
    main_.hide();
    show();
    setWindowTitle("Add Contact  [" + fromCp(ctx_.contactTitle) + "]");
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
}

void frmNewContact::txtACCompany_Change() {
    lblIncCompName->setVisible(true);
    chkIncComp->setVisible(true);
}

void frmNewContact::cmdSave_Click() {
    const ContactForm before = [&] {
        ContactForm f = boxes_.read();
        f.includeCompany = chkIncComp->isChecked();
        return f;
    }();
    ContactForm form = before;
    const bool reminderOn = ctx_.remindersOn;
    SaveOutcome outcome;
    try {
        outcome = saveContact(ctx_.contactFile, form, SaveKind::NewContact, reminderOn, 0);
    } catch (const RunError& e) {
        boxes_.writeChanged(before, form);
        Answer a = ctx_.dialogs.messageBox("Error", commonErrorText(e), Icon::Critical,
                                           Buttons::RetryCancel);
        if (a != Answer::Retry) close();
        return;
    }
    boxes_.writeChanged(before, form);
    chkIncComp->setChecked(form.includeCompany);
    if (outcome.failure) {
        ctx_.dialogs.messageBox(outcome.failure->title, outcome.failure->message, Icon::None,
                                Buttons::Ok);
        box(outcome.failure->focus)->setFocus();
        return;
    }
    if (reminderOn) main_.refreshFromState();
    ctx_.dialogs.messageBox(outcome.savedTitle, outcome.savedText, Icon::None, Buttons::Ok);
    close();
}

void frmNewContact::cmdCancel_Click() { close(); }

void frmNewContact::closeEvent(QCloseEvent* event) {
    event->accept();
    // At shutdown the main window closes this one and must not come back.
    if (!main_.isClosed()) main_.showAgain();
}

void frmNewContact::cmdStateAbb_Click() {
    openStateList(ctx_);
    txtACState->setFocus();
}

void frmNewContact::cmdZipFinder_Click() { openZipLookup(ctx_.dialogs); }
void frmNewContact::cmdPeopleFind_Click() { openPeopleSearch(ctx_.dialogs); }

void frmNewContact::mnuNewEdit_Click() {
    applyEditMenuState(focusWidget(), mnuNewCut, mnuNewCopy, mnuNewPaste);
}
void frmNewContact::mnuNewCut_Click() { editCut(editTargetFor(focusWidget()).get(), ctx_.dialogs); }
void frmNewContact::mnuNewCopy_Click() {
    editCopy(editTargetFor(focusWidget()).get(), ctx_.dialogs);
}
void frmNewContact::mnuNewPaste_Click() {
    editPaste(editTargetFor(focusWidget()).get(), ctx_.dialogs);
}

void frmNewContact::mnuNewManual_Click() { openUserManual(ctx_); }

// The About box belongs to the main window; its handler shows it.
void frmNewContact::mnuNewAbout_Click() { main_.host().openAbout(); }

}  // namespace varnel
