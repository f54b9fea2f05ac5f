#include "contacts/gui/frmEdDelViewContact.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "contacts/contact_delete.h"
#include "contacts/contact_display.h"
#include "contacts/gui/detail_sheet_print.h"
#include "contacts/gui/find_list_combo.h"
#include "contacts/gui/find_list_model.h"
#include "contacts/one_contact_label.h"
#include "ports/gui/qt_text.h"
#include "shell/gui/window_chrome.h"
#include "text/run_error.h"

namespace varnel {

frmEdDelViewContact::frmEdDelViewContact(AppState& state, WindowHost& host, QWidget* parent)
    : ContactWindow(state, host, parent, "frmEdDelViewContact", "chkCompanyInclude",
                    "lblACCompOnLabel") {
    buildMenus();
    buildControls();
    setEditing(false);
}

void frmEdDelViewContact::buildMenus() {
    QMenu* file = addNamedMenu(*this, "mnuEDVFile", "&File");
    QAction* print = addMenuItem(file, "mnuEDVPrint", "Print");
    print->setShortcut(QKeySequence::Print);
    QAction* preview = addMenuItem(file, "mnuEDVPreview", "Print Preview");
    connect(print, &QAction::triggered, this, [this] { printDetailSheet(PrintMode::Print); });
    connect(preview, &QAction::triggered, this, [this] { printDetailSheet(PrintMode::Preview); });
    addEditAndHelpMenus({"mnuEDVEdit", "mnuEDVCut", "mnuEDVCopy", "mnuEDVPaste"},
                        {"mnuEDVHelp", "mnuEDVManual", "mnuEDVAbout"});
}

void frmEdDelViewContact::buildControls() {
    QWidget* central = centralWidget();
    cmdSave->setText("Save changes");
    cmdZipFinder->setToolTip("Look up Zip Code");

    findModel_ = new FindListModel(this);
    cboFindContact = new FindListCombo(central);
    cboFindContact->setObjectName("cboFindContact");
    cboFindContact->setModel(findModel_);
    cboFindContact->setPlaceholderText("Select Contact");
    cboFindContact->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboFindContact->setMinimumContentsLength(30);
    cboFindContact->setMaxVisibleItems(20);
    cboFindContact->setCurrentIndex(-1);

    auto button = [central](const char* name, const char* caption, const char* tip) {
        return makeContactButton(central, name, caption, tip);
    };
    cmdFirst = button("cmdFirst", "|<", "Jump to first contact in file");
    cmdPrevious = button("cmdPrevious", "<", "Previous contact");
    cmdNext = button("cmdNext", ">", "Next contact");
    cmdLast = button("cmdLast", ">|", "Jump to last contact in file");
    for (QPushButton* b : {cmdFirst, cmdPrevious, cmdNext, cmdLast}) b->setFixedWidth(36);
    cmdDelete = button("cmdDelete", "Delete contact", nullptr);
    cmdPrintLabel = button("cmdPrintLabel", "Print Label", nullptr);

    auto* layout =
        static_cast<QVBoxLayout*>(makeFormLayout({cmdSave, cmdDelete, cmdPrintLabel, cmdCancel}));
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(cboFindContact, 1);
    findRow->addSpacing(12);
    for (QPushButton* b : {cmdFirst, cmdPrevious, cmdNext, cmdLast}) findRow->addWidget(b);
    layout->insertSpacing(0, 8);
    layout->insertLayout(0, findRow);

    QWidget::setTabOrder(cboFindContact, txtACFName);
    QWidget* previous = txtACNotes;
    for (QWidget* w : std::initializer_list<QWidget*>{
             companyTick_, cmdSave, cmdDelete, cmdPrintLabel, cmdFirst, cmdPrevious, cmdNext,
             cmdLast, cmdCancel, cmdStateAbb, cmdZipFinder, cmdPeopleFind}) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }

    connect(cboFindContact, &QComboBox::activated, this,
            &frmEdDelViewContact::cboFindContact_Click);
    connect(cmdFirst, &QPushButton::clicked, this, &frmEdDelViewContact::cmdFirst_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &frmEdDelViewContact::cmdPrevious_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmEdDelViewContact::cmdNext_Click);
    connect(cmdLast, &QPushButton::clicked, this, &frmEdDelViewContact::cmdLast_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmEdDelViewContact::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmEdDelViewContact::cmdDelete_Click);
    connect(cmdPrintLabel, &QPushButton::clicked, this, &frmEdDelViewContact::cmdPrintLabel_Click);
}

void frmEdDelViewContact::trapped(const std::function<void()>& action, bool duringLoad) {
    try {
        action();
    } catch (const RunError& e) {
        if (retryAfterError(state_.dialogs, e)) return;
        if (duringLoad) {
            host_.showMain();
        } else {
            closeWithoutAsking();
        }
    }
}

void frmEdDelViewContact::Form_Load() {
    // One browser at a time: one left open by a failed load gives way.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* other = qobject_cast<frmEdDelViewContact*>(w);
        if (other != nullptr && other != this && other->isVisible())
            other->closeWithoutAsking(false);
    }
    host_.hideMain();
    show();
    setWindowTitle(fromCp("Contact Information  [" + state_.contactTitle + "]"));
    activateWindow();
    bool filled = false;
    trapped(
        [&] {
            findModel_->setEntries(buildFindList(state_.contactFile));
            cboFindContact->setCurrentIndex(-1);
            filled = true;
        },
        true);
    if (!filled) return;
    cboFindContact->setFocus();
    companyTickLabel_->setVisible(false);
    companyTick_->setVisible(false);
    if (txtACFName->text().isEmpty() && txtACLName->text().isEmpty() &&
        txtACEmail->text().isEmpty()) {
        setEditing(false);
    }
}

void frmEdDelViewContact::setEditing(bool enabled) {
    boxes_.setEnabled(enabled);
    companyTick_->setEnabled(enabled);
    cmdSave->setEnabled(enabled);
    cmdDelete->setEnabled(enabled);
    cmdPrintLabel->setEnabled(enabled);
}

void frmEdDelViewContact::showContactRecord(const ContactRecord& record) {
    ShownContact shown = showContact(record);
    boxes_.write(shown.form);  // the company text fires the company rule first
    companyTick_->setChecked(shown.form.includeCompany);
    if (!shown.companyControlsVisible) {
        companyTickLabel_->setVisible(false);
        companyTick_->setVisible(false);
    }
    markUnchanged();
}

void frmEdDelViewContact::showRecord(std::int32_t k) {
    trapped([&] {
        ContactRecord record = state_.contactFile.readRecord(k);
        showContactRecord(record);
        state_.CurrentRecord = k;
        setEditing(true);
    });
}

void frmEdDelViewContact::cboFindContact_Click(int index) {
    const std::int32_t k = findModel_->recordAt(index);
    if (k < 1) return;
    showRecord(k);
}

void frmEdDelViewContact::stepTo(std::int32_t k) {
    trapped([&] {
        ContactRecord record = state_.contactFile.readRecord(k);
        showContactRecord(record);
        for (FindEntry& e : savedEntries_) findModel_->replaceEntry(std::move(e));
        savedEntries_.clear();
        cboFindContact->setCurrentIndex(-1);
        state_.CurrentRecord = k;
    });
}

void frmEdDelViewContact::cmdFirst_Click() { stepTo(1); }

void frmEdDelViewContact::cmdLast_Click() {
    std::int32_t n = 0;
    bool counted = false;
    trapped([&] {
        n = state_.contactFile.recordCount();
        counted = true;
    });
    if (!counted) return;
    // An empty file has no last contact: say so instead of asking for record 0.
    if (n < 1) {
        state_.dialogs.messageBox("No more contacts", "End of file.", Icon::None, Buttons::Ok);
        return;
    }
    stepTo(n);
}

void frmEdDelViewContact::cmdNext_Click() {
    const std::int32_t k = state_.CurrentRecord + 1;
    bool present = false;
    bool measured = false;
    trapped([&] {
        present =
            state_.contactFile.byteLength() >= static_cast<std::uint64_t>(k) * ContactRecord::Size;
        measured = true;
    });
    if (!measured) return;
    if (!present) {
        state_.dialogs.messageBox("No more contacts", "End of file.", Icon::None, Buttons::Ok);
        return;
    }
    stepTo(k);
}

void frmEdDelViewContact::cmdPrevious_Click() {
    const std::int32_t k = state_.CurrentRecord - 1;
    if (k < 1) {
        state_.dialogs.messageBox("Start of file reached", "Beginning of file.", Icon::None,
                                  Buttons::Ok);
        return;
    }
    stepTo(k);
}

ContactWindow::SaveResult frmEdDelViewContact::saveChanges() {
    const SaveResult r = saveForm(SaveKind::ChangeContact, state_.CurrentRecord);
    if (r == SaveResult::Saved) {
        savedEntries_.push_back({findEntryText(savedRecord_), state_.CurrentRecord});
    }
    return r;
}

void frmEdDelViewContact::cmdSave_Click() {
    if (saveChanges() == SaveResult::Abandoned) closeWithoutAsking();
}

ContactWindow::SaveResult frmEdDelViewContact::saveBeforeClosing() { return saveChanges(); }

ContactWindow::Question frmEdDelViewContact::saveQuestion() const {
    const std::string name = nameOf(unchangedForm());
    return {"Contact Information",
            "Save the changes to " + (name.empty() ? std::string("this contact") : name) + "?"};
}

void frmEdDelViewContact::cmdDelete_Click() {
    Answer a =
        state_.dialogs.messageBox("Confirm deletion.",
                                  "WARNING!  This will delete entire contact from your file.\r\n"
                                  "Do you REALLY want to delete this contact?",
                                  Icon::None, Buttons::YesNo);
    if (a != Answer::Yes) {
        state_.dialogs.messageBox("Deletion not performed.", "Nothing deleted...", Icon::None,
                                  Buttons::Ok);
        cmdCancel->setFocus();
        return;
    }
    bool deleted = false;
    trapped([&] {
        // The message follows the compaction, so it is never shown for a
        // deletion that did not happen.
        deleteContact(state_.contactFile, state_.CurrentRecord);
        deleted = true;
    });
    if (!deleted) return;
    state_.dialogs.messageBox("Contact deleted.", "Contact deleted!", Icon::None, Buttons::Ok);
    if (cboFindContact->currentIndex() >= 0) {
        findModel_->removeEntry(cboFindContact->currentIndex());
        cboFindContact->setCurrentIndex(-1);
    }
    boxes_.clear();
    cmdCancel->setFocus();
    closeWithoutAsking();
}

void frmEdDelViewContact::cmdPrintLabel_Click() {
    OneContactFields f;
    f.firstName = toCp(txtACFName->text());
    f.middleInitial = toCp(txtACMiddleInit->text());
    f.lastName = toCp(txtACLName->text());
    f.company = toCp(txtACCompany->text());
    f.includeCompany = companyTick_->isChecked();
    f.street1 = toCp(txtACFStreet->text());
    f.street2 = toCp(txtACSStreet->text());
    f.city = toCp(txtACCity->text());
    f.state = toCp(txtACState->text());
    f.zip = toCp(txtACZip->text());
    // The fields as shown go to the composer, which brings the main window back.
    closeWithoutAsking(false);
    host_.sendToComposer(f);
}

void frmEdDelViewContact::closing() { state_.CurrentRecord = 0; }

void frmEdDelViewContact::companyChanged() {
    companyTickLabel_->setVisible(true);
    companyTick_->setVisible(true);
    companyTick_->setChecked(!txtACCompany->text().isEmpty());
}

// The detail sheet prints the boxes as they stand, unsaved edits included.
void frmEdDelViewContact::printDetailSheet(PrintMode mode) {
    const ContactForm f = readForm();
    using B = ContactBox;
    const DetailValues values{f[B::FName],   f[B::MiddleInit], f[B::LName],    f[B::FStreet],
                              f[B::SStreet], f[B::City],       f[B::State],    f[B::Zip],
                              f[B::Country], f[B::Birthdate],  f[B::HPhone],   f[B::CPhone],
                              f[B::WPhone],  f[B::Email],      f[B::Category], f[B::Notes],
                              f[B::Company]};
    std::vector<const QWidget*> textBoxes;
    textBoxes.reserve(kAllContactBoxes.size());
    for (ContactBox b : kAllContactBoxes) textBoxes.push_back(boxes_.box(b));
    printDetailSheetOf(values, focusWidget(), textBoxes, state_, mode);
}

}  // namespace varnel
