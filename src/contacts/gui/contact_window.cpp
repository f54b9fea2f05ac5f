#include "contacts/gui/contact_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <optional>

#include "contacts/address_lines.h"
#include "contacts/contact_save.h"
#include "shell/gui/documents.h"
#include "shell/shell_open.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace varnel {

ContactWindow::ContactWindow(AppState& state, WindowHost& host, QWidget* parent,
                             const char* objectName, const char* tickName,
                             const char* tickLabelName)
    : QMainWindow(parent), state_(state), host_(host), boxes_(new QWidget) {
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    central_ = boxes_.first()->parentWidget();
    setCentralWidget(central_);
    bindTo(boxes_);

    companyTickLabel_ = new QLabel("Include Company Name in Address", central_);
    companyTickLabel_->setObjectName(tickLabelName);
    companyTick_ = new QCheckBox(central_);
    companyTick_->setObjectName(tickName);
    companyTick_->setToolTip("If checked, Company Name will be included when printing address");
    companyTickLabel_->setVisible(false);
    companyTick_->setVisible(false);

    cmdSave = makeContactButton(central_, "cmdSave", "Save", nullptr);
    cmdCancel = makeContactButton(central_, "cmdCancel", "Close", "Return to main screen");
    cmdStateAbb = makeContactButton(central_, "cmdStateAbb", "?", "Look up State abbreviations");
    cmdStateAbb->setFixedWidth(28);
    cmdZipFinder = makeContactButton(central_, "cmdZipFinder", "Zip Code Finder", nullptr);
    cmdPeopleFind = makeContactButton(central_, "cmdPeopleFind", "People Finder", nullptr);

    txtACFStreet->setToolTip("For help in finding address, click 'People Finder'");
    txtACZip->setToolTip("For help in finding Zip Code, click 'Zip Code Finder'");
    txtACCategory->setToolTip(
        "Enter one or more categories, separated by a semicolon, to include this contact in "
        "subset(s).  Example: Christmas;Golf;Customers");
    txtACNotes->setToolTip("Notes may contain up to 160 characters");

    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdStateAbb, &QPushButton::clicked, this, [this] {
        openStateList(state_);
        txtACState->setFocus();
    });
    connect(cmdZipFinder, &QPushButton::clicked, this, [this] { openZipLookup(state_.dialogs); });
    connect(cmdPeopleFind, &QPushButton::clicked, this,
            [this] { openPeopleSearch(state_.dialogs); });
    connect(txtACCompany, &QLineEdit::textChanged, this, [this] { companyChanged(); });
}

void ContactWindow::addEditAndHelpMenus(const EditMenuNames& edit, const HelpMenuNames& help) {
    addEditMenu(*this, state_.dialogs, edit);
    addHelpMenu(*this, host_, help);
}

QLayout* ContactWindow::makeFormLayout(const std::vector<QPushButton*>& rightButtons) {
    auto* layout = new QVBoxLayout(central_);
    layout->addLayout(boxes_.makeLayout(cmdStateAbb, companyTickLabel_, companyTick_));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdZipFinder);
    buttons->addWidget(cmdPeopleFind);
    buttons->addStretch();
    for (QPushButton* b : rightButtons) buttons->addWidget(b);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    return layout;
}

ContactForm ContactWindow::readForm() const {
    ContactForm form = boxes_.read();
    form.includeCompany = companyTick_->isChecked();
    return form;
}

std::string ContactWindow::nameOf(const ContactForm& f) {
    return std::string(
        trimSpaces(nameLine(trimSpaces(f[ContactBox::FName]), trimSpaces(f[ContactBox::MiddleInit]),
                            trimSpaces(f[ContactBox::LName]), MissingInitial::OneBlank)));
}

void ContactWindow::markUnchanged() { unchanged_ = readForm(); }

bool ContactWindow::hasUnsavedChanges() const { return readForm() != unchanged_; }

ContactWindow::SaveResult ContactWindow::saveForm(SaveKind kind, std::int32_t record) {
    const ContactForm before = readForm();
    ContactForm form = before;
    const bool reminderOn = state_.remindersOn;
    std::optional<SaveOutcome> outcome;
    try {
        outcome = saveContact(state_.contactFile, form, kind, reminderOn, record);
    } catch (const RunError& e) {
        boxes_.writeChanged(before, form);  // the tidying already done stays
        return retryAfterError(state_.dialogs, e) ? SaveResult::Retried : SaveResult::Abandoned;
    }
    boxes_.writeChanged(before, form);
    companyTick_->setChecked(form.includeCompany);
    if (outcome->failure) {
        state_.dialogs.messageBox(outcome->failure->title, outcome->failure->message, Icon::None,
                                  Buttons::Ok);
        boxes_.box(outcome->failure->focus)->setFocus();
        return SaveResult::Refused;
    }
    savedRecord_ = outcome->record;
    markUnchanged();
    // The record carries a reminder: the main window offers to turn them off.
    if (reminderOn) host_.stateChanged();
    state_.dialogs.messageBox(outcome->savedTitle, outcome->savedText, Icon::None, Buttons::Ok);
    return SaveResult::Saved;
}

void ContactWindow::closeWithoutAsking(bool showMain) {
    asking_ = false;
    returnToMain_ = showMain;
    close();
}

bool ContactWindow::closeConfirmed() {
    if (!asking_ || host_.ending() || !hasUnsavedChanges()) return true;
    const Question q = saveQuestion();
    switch (state_.dialogs.messageBox(q.title, q.text, Icon::Question, Buttons::YesNoCancel)) {
        case Answer::Yes: {
            const SaveResult r = saveBeforeClosing();
            return r == SaveResult::Saved || r == SaveResult::Abandoned;
        }
        case Answer::No:
            return true;
        default:
            return false;
    }
}

void ContactWindow::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed()) {
        event->ignore();
        asking_ = true;
        returnToMain_ = true;
        return;
    }
    event->accept();
    closing();
    if (returnToMain_) returnToMain(host_);
}

}  // namespace varnel
