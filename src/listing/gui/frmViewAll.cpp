#include "listing/gui/frmViewAll.h"

#include <QCloseEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "app/gui/frmVarnel.h"
#include "listing/contact_report.h"
#include "listing/gui/contact_list_model.h"
#include "listing/gui/tab_stop_delegate.h"
#include "listing/result_labels.h"
#include "listing/search_kind.h"
#include "ports/gui/qt_text.h"
#include "text/run_error.h"

namespace varnel {

namespace {

// The busy pointer for as long as a list is being built, also when it fails.
class BusyPointer {
public:
    explicit BusyPointer(Dialogs& d) : d_(d) { d_.setBusy(true); }
    ~BusyPointer() { d_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Dialogs& d_;
};

}  // namespace

frmViewAll::frmViewAll(AppState& context, frmVarnel& main, QWidget* parent)
    : QMainWindow(parent), ctx_(context), main_(main) {
    setObjectName("frmViewAll");
    model_ = new ContactListModel(this);
    delegate_ = new TabStopDelegate(this);
    buildMenus();
    buildControls();
    connectHandlers();
    resize(980, 640);
}

frmViewAll::~frmViewAll() = default;

frmViewAll* frmViewAll::open(AppState& context, frmVarnel& main) {
    main.hide();
    auto* window = new frmViewAll(context, main);
    window->setAttribute(Qt::WA_DeleteOnClose);
    main.registerWindow(window);
    window->Form_Load();
    window->frSearch->setVisible(true);
    window->optSearchAll->setChecked(true);
    window->optSearchAll_Click();
    window->optFnameSort->setChecked(true);
    window->optFnameSort_Click();
    return window;
}

void frmViewAll::buildMenus() {
    auto action = [](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    mnuFile = menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    mnuPrint = action(mnuFile, "mnuPrint", "Print");
    mnuPreview = action(mnuFile, "mnuPreview", "Print Preview");
    mnuVAEdit = menuBar()->addMenu("&Edit");
    mnuVAEdit->setObjectName("mnuVAEdit");
    mnuVACut = action(mnuVAEdit, "mnuVACut", "Cut");
    mnuVACut->setShortcut(QKeySequence::Cut);
    mnuVACopy = action(mnuVAEdit, "mnuVACopy", "Copy");
    mnuVACopy->setShortcut(QKeySequence::Copy);
    mnuVAPaste = action(mnuVAEdit, "mnuVAPaste", "Paste");
    mnuVAPaste->setShortcut(QKeySequence::Paste);
    mnuVASelectAll = action(mnuVAEdit, "mnuVASelectAll", "Select All");
    mnuVASelectAll->setShortcut(QKeySequence::SelectAll);
    mnuVAHelp = menuBar()->addMenu("&Help");
    mnuVAHelp->setObjectName("mnuVAHelp");
    mnuVAManual = action(mnuVAHelp, "mnuVAManual", "User Manual");
    mnuVAAbout = action(mnuVAHelp, "mnuVAAbout", "About Varnel");
}

void frmViewAll::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* choices = new QHBoxLayout;

    frSearch = new QGroupBox("Search", central);
    frSearch->setObjectName("frSearch");
    auto* searchLayout = new QVBoxLayout(frSearch);
    for (const SearchKindInfo& info : kSearchKinds) {
        auto* option = new QRadioButton(info.caption, frSearch);
        option->setObjectName(info.option);
        optSearch[static_cast<std::size_t>(info.kind)] = option;
        searchLayout->addWidget(option);
    }
    optSearchAll = optSearch[kSearchAll];
    choices->addWidget(frSearch);

    auto* sortAndShow = new QVBoxLayout;
    frSortOrder = new QGroupBox(central);
    frSortOrder->setObjectName("frSortOrder");
    auto* sortLayout = new QVBoxLayout(frSortOrder);
    optFnameSort = new QRadioButton("Sort by first name", frSortOrder);
    optFnameSort->setObjectName("optFnameSort");
    optLnameSort = new QRadioButton("Sort by last name", frSortOrder);
    optLnameSort->setObjectName("optLnameSort");
    sortLayout->addWidget(optFnameSort);
    sortLayout->addWidget(optLnameSort);
    sortAndShow->addWidget(frSortOrder);

    frShowStreet = new QGroupBox(central);
    frShowStreet->setObjectName("frShowStreet");
    auto* showLayout = new QVBoxLayout(frShowStreet);
    optStreetAdd = new QRadioButton("Show street address", frShowStreet);
    optStreetAdd->setObjectName("optStreetAdd");
    optEmailAdd = new QRadioButton("Show email address", frShowStreet);
    optEmailAdd->setObjectName("optEmailAdd");
    optStreetAdd->setChecked(true);
    showLayout->addWidget(optStreetAdd);
    showLayout->addWidget(optEmailAdd);
    sortAndShow->addWidget(frShowStreet);
    sortAndShow->addStretch();
    choices->addLayout(sortAndShow);
    choices->addStretch();

    auto* buttons = new QVBoxLayout;
    cmdACGetReport = new QPushButton("Get report", central);
    cmdACGetReport->setObjectName("cmdACGetReport");
    cmdPrintLabels = new QPushButton("Print labels", central);
    cmdPrintLabels->setObjectName("cmdPrintLabels");
    cmdPrintLabels->setToolTip("Print a label for each contact in list");
    cmdPrintLabels->setEnabled(false);
    cmdPreviewLabels = new QPushButton("Preview labels", central);
    cmdPreviewLabels->setObjectName("cmdPreviewLabels");
    cmdPreviewLabels->setToolTip("See the labels on their sheet before printing them");
    cmdPreviewLabels->setEnabled(false);
    cmdViewAllClose = new QPushButton("Close", central);
    cmdViewAllClose->setObjectName("cmdViewAllClose");
    buttons->addWidget(cmdACGetReport);
    buttons->addWidget(cmdPrintLabels);
    buttons->addWidget(cmdPreviewLabels);
    buttons->addWidget(cmdViewAllClose);
    buttons->addStretch();
    choices->addLayout(buttons);
    layout->addLayout(choices);

    lblSearchDisplay = new QLabel(central);
    lblSearchDisplay->setObjectName("lblSearchDisplay");
    lblSearchDisplay->hide();
    layout->addWidget(lblSearchDisplay);

    txtViewAllHeader = new QLineEdit(central);
    txtViewAllHeader->setObjectName("txtViewAllHeader");
    QFont bold = txtViewAllHeader->font();
    bold.setBold(true);
    txtViewAllHeader->setFont(bold);
    layout->addWidget(txtViewAllHeader);

    lstAllContacts = new QListView(central);
    lstAllContacts->setObjectName("lstAllContacts");
    lstAllContacts->setModel(model_);
    lstAllContacts->setItemDelegate(delegate_);
    lstAllContacts->setUniformItemSizes(true);
    lstAllContacts->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstAllContacts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstAllContacts->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstAllContacts->setToolTip("Double-click contact to view or edit details");
    layout->addWidget(lstAllContacts, 1);

    lblTotContacts = new QLabel(central);
    lblTotContacts->setObjectName("lblTotContacts");
    layout->addWidget(lblTotContacts);

    setCentralWidget(central);
}

void frmViewAll::connectHandlers() {
    for (const SearchKindInfo& info : kSearchKinds) {
        QRadioButton* option = optSearch[static_cast<std::size_t>(info.kind)];
        if (info.kind == kSearchAll) {
            connect(option, &QRadioButton::clicked, this, &frmViewAll::optSearchAll_Click);
        } else {
            const std::int16_t kind = info.kind;
            connect(option, &QRadioButton::clicked, this, [this, kind] { optSearch_Click(kind); });
        }
    }
    connect(optFnameSort, &QRadioButton::clicked, this, &frmViewAll::optFnameSort_Click);
    connect(optLnameSort, &QRadioButton::clicked, this, &frmViewAll::optLnameSort_Click);
    connect(cmdACGetReport, &QPushButton::clicked, this, &frmViewAll::cmdACGetReport_Click);
    connect(cmdPrintLabels, &QPushButton::clicked, this, &frmViewAll::cmdPrintLabels_Click);
    connect(cmdPreviewLabels, &QPushButton::clicked, this, &frmViewAll::cmdPreviewLabels_Click);
    connect(cmdViewAllClose, &QPushButton::clicked, this, &frmViewAll::cmdViewAllClose_Click);
    connect(lstAllContacts, &QListView::doubleClicked, this, &frmViewAll::lstAllContacts_DblClick);
    connect(mnuVAEdit, &QMenu::aboutToShow, this, &frmViewAll::mnuVAEdit_Click);
    connect(mnuVACut, &QAction::triggered, this, &frmViewAll::mnuVACut_Click);
    connect(mnuVACopy, &QAction::triggered, this, &frmViewAll::mnuVACopy_Click);
    connect(mnuVAPaste, &QAction::triggered, this, &frmViewAll::mnuVAPaste_Click);
    connect(mnuVASelectAll, &QAction::triggered, this, &frmViewAll::mnuVASelectAll_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmViewAll::mnuPrint_Click);
    connect(mnuPreview, &QAction::triggered, this, &frmViewAll::mnuPreview_Click);
    connect(mnuVAManual, &QAction::triggered, this, &frmViewAll::mnuVAManual_Click);
    connect(mnuVAAbout, &QAction::triggered, this, &frmViewAll::mnuVAAbout_Click);
}

ListDisplay frmViewAll::display() const {
    return optEmailAdd->isChecked() ? ListDisplay::Email : ListDisplay::Street;
}

void frmViewAll::Form_Load() {
    show();
    model_->clear();
    mnuPrint->setEnabled(false);
    mnuPreview->setEnabled(false);
    setWindowTitle(fromCp(listWindowTitle(ctx_.contactTitle)));
    txtViewAllHeader->show();
    lstAllContacts->show();
    cmdACGetReport->setEnabled(true);
    lblTotContacts->clear();
    SearchText.clear();
    SearchKind = kSearchAll;
    NameOrder = 0;
    cmdACGetReport->setFocus();
}

void frmViewAll::optSearch_Click(std::int16_t kind) {
    const SearchKindInfo& info = searchKindInfo(kind);
    if (!optSearch[static_cast<std::size_t>(info.kind)]->isChecked()) return;
    SearchKind = info.kind;
    SearchText = ctx_.dialogs.inputBox(info.promptTitle, kSearchPrompt, "");
    lblSearchDisplay->setText(fromCp(SearchText));
    lblSearchDisplay->show();
    cmdACGetReport->setFocus();
}

void frmViewAll::optSearchAll_Click() {
    if (!optSearchAll->isChecked()) return;
    SearchKind = kSearchAll;
    lblSearchDisplay->hide();
}

void frmViewAll::optFnameSort_Click() {
    if (!optFnameSort->isChecked()) return;
    NameOrder = 0;
    cmdACGetReport->setFocus();
}

void frmViewAll::optLnameSort_Click() {
    if (!optLnameSort->isChecked()) return;
    NameOrder = 1;
    cmdACGetReport->setFocus();
}

void frmViewAll::cmdACGetReport_Click() {
    try {
        const ListDisplay shown = display();
        delegate_->clearTabStops();
        delegate_->setTabStops(listTabStops(shown));
        frSearch->hide();
        frSortOrder->hide();
        frShowStreet->hide();
        lstAllContacts->viewport()->update();
        ctx_.contactFile.recordCount();
        txtViewAllHeader->show();
        QFont font = txtViewAllHeader->font();
        font.setPointSize(12);
        txtViewAllHeader->setFont(font);
        txtViewAllHeader->setText(fromCp(listHeading(shown)));
        txtViewAllHeader->setCursorPosition(0);

        std::size_t found = 0;
        {
            BusyPointer busy(ctx_.dialogs);
            ListQuery query{SearchKind, SearchText, NameOrder, shown};
            std::vector<ListLine> lines = buildListLines(ctx_.contactFile, query);
            found = lines.size();
            addLines(std::move(lines));
        }

        lblSearchDisplay->setVisible(SearchKind != kSearchAll);
        lblSearchDisplay->setText(fromCp(searchDescription(SearchKind, SearchText)));
        cmdPrintLabels->setEnabled(true);
        cmdPreviewLabels->setEnabled(true);
        lblTotContacts->show();
        lblTotContacts->setText(fromCp(contactsFoundCaption(found)));
        mnuPrint->setEnabled(true);
        mnuPreview->setEnabled(true);
        cmdViewAllClose->setFocus();
        if (found > 0) {
            cmdACGetReport->setEnabled(false);
        } else {
            ctx_.dialogs.message("Contact file empty.", "No contacts found.");
            cmdViewAllClose->setFocus();
        }
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmViewAll::printLabels(PrintMode mode) {
    const ResultLabelRequest request{model_->list(),         ctx_.contactFile,
                                     ctx_.programFolder,     ctx_.labelStyle.bold,
                                     ctx_.labelStyle.italic, mode,
                                     ctx_.contactTitle};
    const PrintOutcome outcome = printSearchResultLabels(request, ctx_.dialogs, ctx_.printer);
    if (outcome == PrintOutcome::Printed || outcome == PrintOutcome::Refused) {
        cmdViewAllClose->setFocus();
    }
}

void frmViewAll::cmdPrintLabels_Click() { printLabels(PrintMode::Print); }

void frmViewAll::cmdPreviewLabels_Click() { printLabels(PrintMode::Preview); }

void frmViewAll::cmdViewAllClose_Click() {
    frmVarnel& main = main_;
    model_->clear();
    ctx_.labelStyle = {};
    close();
    if (!main.isClosed()) main.showAgain();
    main.refreshFromState();
}

void frmViewAll::closeEvent(QCloseEvent* event) {
    // The unload: whatever closes the window.
    model_->clear();
    if (!openedBrowser_ && !main_.isClosed()) main_.showAgain();
    event->accept();
}

void frmViewAll::lstAllContacts_DblClick(const QModelIndex& index) {
    try {
        if (!index.isValid()) throw RunError(RunError::BadRecordNumber);
        const std::int32_t r = index.data(ContactListModel::RecordRole).toInt();
        // A pasted line has no contact to open.
        if (r == 0) return;
        ctx_.contactFile.close();
        ctx_.contactFile.open(ctx_.contactPath);
        // The file may have shrunk since the list was built.
        if (r > ctx_.contactFile.recordCount()) throw RunError(RunError::BadRecordNumber);
        ctx_.contactFile.readRecord(r);
        ctx_.CurrentRecord = r;
        model_->clear();
        main_.host().openWindow(WindowKind::ContactBrowser);  // opens on CurrentRecord
        openedBrowser_ = true;
        close();
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmViewAll::commonError(const RunError& error) {
    const Answer a = ctx_.dialogs.messageBox("Error", commonErrorText(error), Icon::Critical,
                                             Buttons::RetryCancel);
    if (a == Answer::Retry) return;
    model_->clear();
    close();
}

bool frmViewAll::headerHasFocus() const { return focusWidget() == txtViewAllHeader; }

std::vector<std::size_t> frmViewAll::selectedRows() const {
    std::vector<std::size_t> rows;
    for (const QModelIndex& i : lstAllContacts->selectionModel()->selectedIndexes()) {
        rows.push_back(static_cast<std::size_t>(i.row()));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void frmViewAll::addLines(std::vector<ListLine> lines) {
    // Lines selected before stay selected where they now stand.
    const std::vector<std::size_t> before = selectedRows();
    const std::vector<std::size_t> moved = model_->add(std::move(lines));
    QItemSelection keep;
    for (std::size_t row : before) {
        const QModelIndex at = model_->index(static_cast<int>(moved[row]));
        keep.select(at, at);
    }
    if (!keep.isEmpty())
        lstAllContacts->selectionModel()->select(keep, QItemSelectionModel::Select);
}

std::string frmViewAll::selectedLinesText() const {
    return clipboardTextOf(model_->list(), selectedRows());
}

void frmViewAll::mnuVAEdit_Click() {
    mnuVACut->setEnabled(true);
    mnuVACopy->setEnabled(true);
    if (headerHasFocus() && !txtViewAllHeader->hasSelectedText()) {
        mnuVACut->setEnabled(false);
        mnuVACopy->setEnabled(false);
    }
}

void frmViewAll::mnuVACopy_Click() {
    if (headerHasFocus()) {
        ctx_.dialogs.setClipboardText(toCp(txtViewAllHeader->selectedText()));
    } else {
        ctx_.dialogs.setClipboardText(selectedLinesText());
    }
}

void frmViewAll::mnuVACut_Click() {
    if (headerHasFocus()) {
        ctx_.dialogs.setClipboardText(toCp(txtViewAllHeader->selectedText()));
        txtViewAllHeader->del();
        return;
    }
    const std::vector<std::size_t> rows = selectedRows();
    const std::string text = clipboardTextOf(model_->list(), rows);
    model_->removeAt(rows);
    ctx_.dialogs.setClipboardText(text);
}

void frmViewAll::mnuVAPaste_Click() {
    const std::string clip = ctx_.dialogs.clipboardText();
    if (headerHasFocus()) {
        txtViewAllHeader->insert(fromCp(clip));
        return;
    }
    addLines(pastedLines(clip));
}

void frmViewAll::mnuVASelectAll_Click() {
    if (headerHasFocus()) {
        txtViewAllHeader->setFocus();
        txtViewAllHeader->selectAll();
        return;
    }
    lstAllContacts->selectAll();
}

void frmViewAll::printReport(PrintMode mode) {
    const ReportRequest request{
        model_->list(),   selectedRows(),    display(), toCp(txtViewAllHeader->selectedText()),
        headerHasFocus(), ctx_.contactTitle, mode};
    printContactReport(request, ctx_.dialogs, ctx_.printer);
}

void frmViewAll::mnuPrint_Click() { printReport(PrintMode::Print); }

void frmViewAll::mnuPreview_Click() { printReport(PrintMode::Preview); }

void frmViewAll::mnuVAManual_Click() { main_.host().openManual(); }

void frmViewAll::mnuVAAbout_Click() { main_.host().openAbout(); }

}  // namespace varnel
