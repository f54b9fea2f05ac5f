#include "contacts/gui/frmEdDelViewContact.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListView>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/gui/frmVarnel.h"
#include "contacts/contact_delete.h"
#include "contacts/contact_display.h"
#include "contacts/contact_save.h"
#include "contacts/find_list.h"
#include "listing/gui/detail_sheet_print.h"
#include "ports/gui/qt_text.h"
#include "printing/one_contact_label.h"
#include "shell/gui/documents.h"
#include "shell/gui/qt_edit_target.h"
#include "shell/lookups.h"
#include "shell/shell_open.h"
#include "text/run_error.h"

namespace varnel {

frmEdDelViewContact::frmEdDelViewContact(AppState& context, frmVarnel& main)
    : QMainWindow(nullptr), ctx_(context), main_(main), boxes_(new QWidget) {
    setObjectName("frmEdDelViewContact");
    setAttribute(Qt::WA_DeleteOnClose);
    buildMenus();
    buildControls();
    lblACCompOnLabel->setVisible(false);
    chkCompanyInclude->setVisible(false);
    setEditing(false);
}

frmEdDelViewContact* frmEdDelViewContact::open(AppState& context, frmVarnel& main) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* old = qobject_cast<frmEdDelViewContact*>(w);
        if (old && &old->main_ == &main && !old->disposing_) old->dispose();
    }
    auto* browser = new frmEdDelViewContact(context, main);
    main.registerWindow(browser);
    browser->Form_Load();
    return browser;
}

void frmEdDelViewContact::buildMenus() {
    auto action = [](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    mnuEDVFile = menuBar()->addMenu("&File");
    mnuEDVFile->setObjectName("mnuEDVFile");
    mnuEDVPrint = action(mnuEDVFile, "mnuEDVPrint", "Print");
    mnuEDVPreview = action(mnuEDVFile, "mnuEDVPreview", "Print Preview");
    mnuEDVEdit = menuBar()->addMenu("&Edit");
    mnuEDVEdit->setObjectName("mnuEDVEdit");
    mnuEDVCut = action(mnuEDVEdit, "mnuEDVCut", "Cut");
    mnuEDVCopy = action(mnuEDVEdit, "mnuEDVCopy", "Copy");
    mnuEDVPaste = action(mnuEDVEdit, "mnuEDVPaste", "Paste");
    mnuEDVHelp = menuBar()->addMenu("&Help");
    mnuEDVHelp->setObjectName("mnuEDVHelp");
    mnuEDVManual = action(mnuEDVHelp, "mnuEDVManual", "User Manual");
    mnuEDVAbout = action(mnuEDVHelp, "mnuEDVAbout", "About Varnel");

    connect(mnuEDVPrint, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVPrint_Click);
    connect(mnuEDVPreview, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVPreview_Click);
    connect(mnuEDVEdit, &QMenu::aboutToShow, this, &frmEdDelViewContact::mnuEDVEdit_Click);
    connect(mnuEDVCut, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVCut_Click);
    connect(mnuEDVCopy, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVCopy_Click);
    connect(mnuEDVPaste, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVPaste_Click);
    connect(mnuEDVManual, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVManual_Click);
    connect(mnuEDVAbout, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVAbout_Click);
}

void frmEdDelViewContact::buildControls() {
    QWidget* central = boxes_.first()->parentWidget();
    setCentralWidget(central);

    bindTo(boxes_);

    txtACFStreet->setToolTip("For help in finding address, click 'People Finder'");
    txtACZip->setToolTip("For help in finding Zip Code, click 'Zip Code Finder'");
    txtACCategory->setToolTip(
        "Enter one or more categories, separated by a semicolon, to include this contact in "
        "subset(s).  Example: Christmas;Golf;Customers");
    txtACNotes->setToolTip("Notes may contain up to 160 characters");

    findModel_ = new FindListModel(this);
    cboFindContact = new QComboBox(central);
    cboFindContact->setObjectName("cboFindContact");
    auto* view = new QListView(cboFindContact);
    view->setUniformItemSizes(true);  // a long list must not measure every entry
    cboFindContact->setView(view);
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
    cmdSave = button("cmdSave", "Save changes", nullptr);
    cmdDelete = button("cmdDelete", "Delete contact", nullptr);
    cmdPrintLabel = button("cmdPrintLabel", "Print Label", nullptr);
    cmdCancel = button("cmdCancel", "Close", "Return to main screen");
    cmdStateAbb = button("cmdStateAbb", "?", "Look up State abbreviations");
    cmdStateAbb->setFixedWidth(28);
    cmdZipFinder = button("cmdZipFinder", "Zip Code Finder", "Look up Zip Code");
    cmdPeopleFind = button("cmdPeopleFind", "People Finder", nullptr);

    lblACCompOnLabel = new QLabel("Include Company Name in Address", central);
    lblACCompOnLabel->setObjectName("lblACCompOnLabel");
    chkCompanyInclude = new QCheckBox(central);
    chkCompanyInclude->setObjectName("chkCompanyInclude");
    chkCompanyInclude->setToolTip(
        "If checked, Company Name will be included when printing address");

    auto* layout = new QVBoxLayout(central);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(cboFindContact, 1);
    findRow->addSpacing(12);
    for (QPushButton* b : {cmdFirst, cmdPrevious, cmdNext, cmdLast}) findRow->addWidget(b);
    layout->addLayout(findRow);
    layout->addSpacing(8);
    layout->addLayout(boxes_.makeLayout(cmdStateAbb, lblACCompOnLabel, chkCompanyInclude));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdZipFinder);
    buttons->addWidget(cmdPeopleFind);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdDelete);
    buttons->addWidget(cmdPrintLabel);
    buttons->addWidget(cmdCancel);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    QWidget::setTabOrder(cboFindContact, txtACFName);
    QWidget* previous = txtACNotes;
    for (QWidget* w : std::initializer_list<QWidget*>{
             chkCompanyInclude, cmdSave, cmdDelete, cmdPrintLabel, cmdFirst, cmdPrevious, cmdNext,
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
    connect(cmdCancel, &QPushButton::clicked, this, &frmEdDelViewContact::cmdCancel_Click);
    connect(cmdStateAbb, &QPushButton::clicked, this, &frmEdDelViewContact::cmdStateAbb_Click);
    connect(cmdZipFinder, &QPushButton::clicked, this, &frmEdDelViewContact::cmdZipFinder_Click);
    connect(cmdPeopleFind, &QPushButton::clicked, this, &frmEdDelViewContact::cmdPeopleFind_Click);
    connect(txtACCompany, &QLineEdit::textChanged, this, &frmEdDelViewContact::txtACCompany_Change);
}

void frmEdDelViewContact::trapped(const std::function<void()>& action, bool duringLoad) {
    try {
        action();
    } catch (const RunError& e) {
        Answer a = ctx_.dialogs.messageBox("Error", commonErrorText(e), Icon::Critical,
                                           Buttons::RetryCancel);
        if (a == Answer::Retry) return;
        if (duringLoad) {
            main_.showAgain();
        } else {
            close();
        }
    }
}

void frmEdDelViewContact::Form_Load() {
    main_.hide();
    show();
    setWindowTitle("Contact Information  [" + fromCp(ctx_.contactTitle) + "]");
    activateWindow();
    bool filled = false;
    trapped(
        [&] {
            findModel_->setEntries(buildFindList(ctx_.contactFile));
            cboFindContact->setCurrentIndex(-1);
            filled = true;
        },
        true);
    if (!filled) return;
    cboFindContact->setFocus();
    lblACCompOnLabel->setVisible(false);
    chkCompanyInclude->setVisible(false);
    if (txtACFName->text().isEmpty() && txtACLName->text().isEmpty() &&
        txtACEmail->text().isEmpty()) {
        setEditing(false);
    }
}

void frmEdDelViewContact::setEditing(bool enabled) {
    boxes_.setEnabled(enabled);
    chkCompanyInclude->setEnabled(enabled);
    cmdSave->setEnabled(enabled);
    cmdDelete->setEnabled(enabled);
    cmdPrintLabel->setEnabled(enabled);
}

void frmEdDelViewContact::showContactRecord(const ContactRecord& record) {
    ShownContact shown = showContact(record);
    boxes_.write(shown.form);  // the company text fires the company rule first
    chkCompanyInclude->setChecked(shown.form.includeCompany);
    if (!shown.companyControlsVisible) {
        lblACCompOnLabel->setVisible(false);
        chkCompanyInclude->setVisible(false);
    }
}

void frmEdDelViewContact::showRecord(std::int32_t k) {
    trapped([&] {
        ContactRecord record = ctx_.contactFile.readRecord(k);
        showContactRecord(record);
        ctx_.CurrentRecord = k;
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
        // Read everything first so that an error leaves the window as it was.
        ContactRecord record = ctx_.contactFile.readRecord(k);
        std::vector<FindEntry> list = buildFindList(ctx_.contactFile);
        showContactRecord(record);
        findModel_->setEntries(std::move(list));
        cboFindContact->setCurrentIndex(-1);
        ctx_.CurrentRecord = k;
    });
}

void frmEdDelViewContact::cmdFirst_Click() { stepTo(1); }

void frmEdDelViewContact::cmdLast_Click() {
    std::int32_t n = 0;
    bool counted = false;
    trapped([&] {
        n = ctx_.contactFile.recordCount();
        counted = true;
    });
    if (!counted) return;
    // An empty file has no last contact: say so instead of asking for record 0.
    if (n < 1) {
        ctx_.dialogs.messageBox("No more contacts", "End of file.", Icon::None, Buttons::Ok);
        return;
    }
    stepTo(n);
}

void frmEdDelViewContact::cmdNext_Click() {
    const std::int32_t k = ctx_.CurrentRecord + 1;
    bool present = false;
    bool measured = false;
    trapped([&] {
        present =
            ctx_.contactFile.byteLength() >= static_cast<std::uint64_t>(k) * ContactRecord::Size;
        measured = true;
    });
    if (!measured) return;
    if (!present) {
        ctx_.dialogs.messageBox("No more contacts", "End of file.", Icon::None, Buttons::Ok);
        return;
    }
    stepTo(k);
}

void frmEdDelViewContact::cmdPrevious_Click() {
    const std::int32_t k = ctx_.CurrentRecord - 1;
    if (k < 1) {
        ctx_.dialogs.messageBox("Start of file reached", "Beginning of file.", Icon::None,
                                Buttons::Ok);
        return;
    }
    stepTo(k);
}

void frmEdDelViewContact::cmdSave_Click() {
    ContactForm before = boxes_.read();
    before.includeCompany = chkCompanyInclude->isChecked();
    ContactForm form = before;
    const bool reminderOn = ctx_.remindersOn;
    std::optional<SaveOutcome> outcome;
    trapped([&] {
        try {
            outcome = saveContact(ctx_.contactFile, form, SaveKind::ChangeContact, reminderOn,
                                  ctx_.CurrentRecord);
        } catch (...) {
            boxes_.writeChanged(before, form);
            throw;
        }
    });
    if (!outcome) return;
    boxes_.writeChanged(before, form);
    chkCompanyInclude->setChecked(form.includeCompany);
    if (outcome->failure) {
        ctx_.dialogs.messageBox(outcome->failure->title, outcome->failure->message, Icon::None,
                                Buttons::Ok);
        box(outcome->failure->focus)->setFocus();
        return;
    }
    if (reminderOn) main_.refreshFromState();
    ctx_.dialogs.messageBox(outcome->savedTitle, outcome->savedText, Icon::None, Buttons::Ok);
}

void frmEdDelViewContact::cmdDelete_Click() {
    Answer a =
        ctx_.dialogs.messageBox("Confirm deletion.",
                                "WARNING!  This will delete entire contact from your file.\r\n"
                                "Do you REALLY want to delete this contact?",
                                Icon::None, Buttons::YesNo);
    if (a != Answer::Yes) {
        ctx_.dialogs.messageBox("Deletion not performed.", "Nothing deleted...", Icon::None,
                                Buttons::Ok);
        cmdCancel->setFocus();
        return;
    }
    bool deleted = false;
    trapped([&] {
        // The message follows the compaction, so it is never shown for a
        // deletion that did not happen.
        deleteContact(ctx_.contactFile, ctx_.CurrentRecord);
        deleted = true;
    });
    if (!deleted) return;
    ctx_.dialogs.messageBox("Contact deleted.", "Contact deleted!", Icon::None, Buttons::Ok);
    if (cboFindContact->currentIndex() >= 0) {
        findModel_->removeEntry(cboFindContact->currentIndex());
        cboFindContact->setCurrentIndex(-1);
    }
    boxes_.clear();
    cmdCancel->setFocus();
    close();
}

void frmEdDelViewContact::cmdPrintLabel_Click() {
    OneContactFields f;
    f.firstName = toCp(txtACFName->text());
    f.middleInitial = toCp(txtACMiddleInit->text());
    f.lastName = toCp(txtACLName->text());
    f.company = toCp(txtACCompany->text());
    f.includeCompany = chkCompanyInclude->isChecked();
    f.street1 = toCp(txtACFStreet->text());
    f.street2 = toCp(txtACSStreet->text());
    f.city = toCp(txtACCity->text());
    f.state = toCp(txtACState->text());
    f.zip = toCp(txtACZip->text());

    hide();
    main_.showAgain();
    ComposerModel composer = main_.readComposer();
    fillOneContactLabel(composer, f);
    main_.writeComposer(composer);
}

void frmEdDelViewContact::cmdCancel_Click() {
    cboFindContact->update();
    close();
}

void frmEdDelViewContact::dispose() {
    disposing_ = true;
    close();
}

void frmEdDelViewContact::closeEvent(QCloseEvent* event) {
    event->accept();
    ctx_.CurrentRecord = 0;
    if (!disposing_ && !main_.isClosed()) main_.showAgain();
}

void frmEdDelViewContact::txtACCompany_Change() {
    lblACCompOnLabel->setVisible(true);
    chkCompanyInclude->setVisible(true);
    chkCompanyInclude->setChecked(!txtACCompany->text().isEmpty());
}

void frmEdDelViewContact::cmdStateAbb_Click() {
    openStateList(ctx_);
    txtACState->setFocus();
}

void frmEdDelViewContact::cmdZipFinder_Click() { openZipLookup(ctx_.dialogs); }
void frmEdDelViewContact::cmdPeopleFind_Click() { openPeopleSearch(ctx_.dialogs); }

void frmEdDelViewContact::mnuEDVPrint_Click() { printDetailSheet(PrintMode::Print); }

void frmEdDelViewContact::mnuEDVPreview_Click() { printDetailSheet(PrintMode::Preview); }

// The detail sheet prints the boxes as they stand, unsaved edits included.
void frmEdDelViewContact::printDetailSheet(PrintMode mode) {
    const DetailValues values{
        toCp(txtACFName->text()),     toCp(txtACMiddleInit->text()), toCp(txtACLName->text()),
        toCp(txtACFStreet->text()),   toCp(txtACSStreet->text()),    toCp(txtACCity->text()),
        toCp(txtACState->text()),     toCp(txtACZip->text()),        toCp(txtACCountry->text()),
        toCp(txtACBirthdate->text()), toCp(txtACHPhone->text()),     toCp(txtACCPhone->text()),
        toCp(txtACWPhone->text()),    toCp(txtACEmail->text()),      toCp(txtACCategory->text()),
        toCp(txtACNotes->text()),     toCp(txtACCompany->text())};
    std::vector<const QWidget*> textBoxes;
    for (std::size_t i = 0; i < kContactBoxCount; ++i) {
        textBoxes.push_back(box(static_cast<ContactBox>(i)));
    }
    printDetailSheetOf(values, focusWidget(), textBoxes, ctx_, mode);
}

void frmEdDelViewContact::mnuEDVEdit_Click() {
    applyEditMenuState(focusWidget(), mnuEDVCut, mnuEDVCopy, mnuEDVPaste);
}
void frmEdDelViewContact::mnuEDVCut_Click() {
    editCut(editTargetFor(focusWidget()).get(), ctx_.dialogs);
}
void frmEdDelViewContact::mnuEDVCopy_Click() {
    editCopy(editTargetFor(focusWidget()).get(), ctx_.dialogs);
}
void frmEdDelViewContact::mnuEDVPaste_Click() {
    editPaste(editTargetFor(focusWidget()).get(), ctx_.dialogs);
}

void frmEdDelViewContact::mnuEDVManual_Click() { openUserManual(ctx_); }

// The About box belongs to the main window; its handler shows it.
void frmEdDelViewContact::mnuEDVAbout_Click() { main_.host().openAbout(); }

}  // namespace varnel
