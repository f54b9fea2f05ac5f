#include "listing/gui/frmViewAll.h"

#include <QCloseEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>

#include "listing/contact_report.h"
#include "listing/gui/contact_list_model.h"
#include "listing/result_labels.h"
#include "listing/search_kind.h"
#include "ports/gui/qt_text.h"
#include "shell/gui/window_chrome.h"
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

// Width of the last column, in characters: the e-mail address or a phone.
int lastColumnChars(ListDisplay shown) { return shown == ListDisplay::Email ? 40 : 16; }

}  // namespace

frmViewAll::frmViewAll(AppState& state, WindowHost& host, QWidget* parent)
    : QMainWindow(parent), state_(state), host_(host) {
    setObjectName("frmViewAll");
    model_ = new ContactListModel(this);
    buildMenus();
    buildControls();
    connectHandlers();
    resize(1100, 680);
}

frmViewAll::~frmViewAll() = default;

frmViewAll* frmViewAll::open(AppState& state, WindowHost& host) {
    host.hideMain();
    auto* window = new frmViewAll(state, host);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->frSearch->setVisible(true);
    window->optSearchAll->setChecked(true);
    window->optSearchAll_Click();
    window->optFnameSort->setChecked(true);
    window->optFnameSort_Click();
    return window;
}

void frmViewAll::buildMenus() {
    mnuFile = addNamedMenu(*this, "mnuFile", "&File");
    mnuPrint = addMenuItem(mnuFile, "mnuPrint", "Print");
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuPreview = addMenuItem(mnuFile, "mnuPreview", "Print Preview");
    const EditMenu edit =
        addEditMenu(*this, state_.dialogs,
                    {"mnuVAEdit", "mnuVACut", "mnuVACopy", "mnuVAPaste", "mnuVASelectAll"});
    mnuVACut = edit.cut;
    mnuVACopy = edit.copy;
    mnuVAPaste = edit.paste;
    mnuVASelectAll = edit.selectAll;
    addHelpMenu(*this, host_, {"mnuVAHelp", "mnuVAManual", "mnuVAAbout"});
}

void frmViewAll::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* choices = new QHBoxLayout;

    frSearch = new QGroupBox("Search", central);
    frSearch->setObjectName("frSearch");
    auto* searchLayout = new QVBoxLayout(frSearch);
    auto* options = new QHBoxLayout;
    std::array<QVBoxLayout*, 3> optionColumns{};
    for (QVBoxLayout*& column : optionColumns) {
        column = new QVBoxLayout;
        options->addLayout(column);
    }
    std::size_t placed = 0;
    for (const SearchKindInfo& info : kSearchKinds) {
        auto* option = new QRadioButton(info.caption, frSearch);
        option->setObjectName(info.option);
        optSearch[static_cast<std::size_t>(info.kind)] = option;
        optionColumns[placed++ % optionColumns.size()]->addWidget(option);
    }
    optSearchAll = optSearch[kSearchAll];
    searchLayout->addLayout(options);
    auto* textRow = new QHBoxLayout;
    lblSearchFor = new QLabel(kSearchPrompt, frSearch);
    lblSearchFor->setObjectName("lblSearchFor");
    txtSearchText = new QLineEdit(frSearch);
    txtSearchText->setObjectName("txtSearchText");
    lblSearchFor->setBuddy(txtSearchText);
    textRow->addWidget(lblSearchFor);
    textRow->addWidget(txtSearchText, 1);
    searchLayout->addLayout(textRow);
    choices->addWidget(frSearch, 1);

    auto* sortAndShow = new QVBoxLayout;
    std::tie(frSortOrder, optFnameSort, optLnameSort) =
        makeTwoChoices(central, {"frSortOrder", ""}, {"optFnameSort", "Sort by first name"},
                       {"optLnameSort", "Sort by last name"});
    sortAndShow->addWidget(frSortOrder);

    std::tie(frShowStreet, optStreetAdd, optEmailAdd) =
        makeTwoChoices(central, {"frShowStreet", ""}, {"optStreetAdd", "Show street address"},
                       {"optEmailAdd", "Show email address"});
    optStreetAdd->setChecked(true);
    sortAndShow->addWidget(frShowStreet);
    sortAndShow->addStretch();
    choices->addLayout(sortAndShow);

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

    lstAllContacts = new QTableView(central);
    lstAllContacts->setObjectName("lstAllContacts");
    lstAllContacts->setModel(model_);
    lstAllContacts->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstAllContacts->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstAllContacts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstAllContacts->setShowGrid(false);
    lstAllContacts->setWordWrap(false);
    lstAllContacts->setToolTip("Double-click contact to view or edit details");
    // A million rows: fixed row heights, so nothing measures every row.
    QHeaderView* rows = lstAllContacts->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(lstAllContacts->fontMetrics().height() + 4);
    QHeaderView* headings = lstAllContacts->horizontalHeader();
    headings->setObjectName("lstAllContactsHeadings");
    headings->setSectionResizeMode(QHeaderView::Interactive);
    headings->setSectionsClickable(true);
    headings->setSortIndicatorShown(true);
    headings->setSortIndicator(-1, Qt::AscendingOrder);
    headings->setStretchLastSection(true);
    headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnWidths(ListDisplay::Street);
    layout->addWidget(lstAllContacts, 1);

    lblTotContacts = new QLabel(central);
    lblTotContacts->setObjectName("lblTotContacts");
    layout->addWidget(lblTotContacts);

    setCentralWidget(central);
}

void frmViewAll::setColumnWidths(ListDisplay shown) {
    // The report's character columns give each column its share of the row.
    const ReportColumns& report = reportColumns(shown);
    const double average = QFontMetricsF(lstAllContacts->font()).averageCharWidth();
    for (int c = 0; c < kListColumns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const int chars = c + 1 < kListColumns ? report.columns[i + 1] - report.columns[i]
                                               : lastColumnChars(shown);
        lstAllContacts->setColumnWidth(c, static_cast<int>(chars * average + 12));
    }
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
    connect(txtSearchText, &QLineEdit::textChanged, this, &frmViewAll::txtSearchText_Change);
    connect(txtSearchText, &QLineEdit::returnPressed, this, &frmViewAll::cmdACGetReport_Click);
    connect(optFnameSort, &QRadioButton::clicked, this, &frmViewAll::optFnameSort_Click);
    connect(optLnameSort, &QRadioButton::clicked, this, &frmViewAll::optLnameSort_Click);
    connect(cmdACGetReport, &QPushButton::clicked, this, &frmViewAll::cmdACGetReport_Click);
    connect(cmdPrintLabels, &QPushButton::clicked, this, &frmViewAll::cmdPrintLabels_Click);
    connect(cmdPreviewLabels, &QPushButton::clicked, this, &frmViewAll::cmdPreviewLabels_Click);
    connect(cmdViewAllClose, &QPushButton::clicked, this, &frmViewAll::cmdViewAllClose_Click);
    connect(lstAllContacts, &QTableView::doubleClicked, this, &frmViewAll::lstAllContacts_DblClick);
    connect(lstAllContacts->horizontalHeader(), &QHeaderView::sortIndicatorChanged, model_,
            &ContactListModel::sort);
    // Text boxes are the Edit menu's own; the list's working set is the window's.
    connect(mnuVACut, &QAction::triggered, this, &frmViewAll::mnuVACut_Click);
    connect(mnuVACopy, &QAction::triggered, this, &frmViewAll::mnuVACopy_Click);
    connect(mnuVAPaste, &QAction::triggered, this, &frmViewAll::mnuVAPaste_Click);
    connect(mnuVASelectAll, &QAction::triggered, this, &frmViewAll::mnuVASelectAll_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmViewAll::mnuPrint_Click);
    connect(mnuPreview, &QAction::triggered, this, &frmViewAll::mnuPreview_Click);
}

ListDisplay frmViewAll::display() const {
    return optEmailAdd->isChecked() ? ListDisplay::Email : ListDisplay::Street;
}

void frmViewAll::Form_Load() {
    show();
    model_->clear();
    mnuPrint->setEnabled(false);
    mnuPreview->setEnabled(false);
    setWindowTitle(fromCp(listWindowTitle(state_.contactTitle)));
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
    // The search text is typed on the window, under the kind's own title.
    txtSearchText->setEnabled(true);
    txtSearchText->setPlaceholderText(info.promptTitle);
    lblSearchDisplay->setText(fromCp(SearchText));
    lblSearchDisplay->show();
    txtSearchText->setFocus();
    txtSearchText->selectAll();
}

void frmViewAll::optSearchAll_Click() {
    if (!optSearchAll->isChecked()) return;
    SearchKind = kSearchAll;
    txtSearchText->setEnabled(false);
    txtSearchText->setPlaceholderText({});
    lblSearchDisplay->hide();
}

void frmViewAll::txtSearchText_Change() {
    SearchText = toCp(txtSearchText->text());
    if (SearchKind != kSearchAll) lblSearchDisplay->setText(txtSearchText->text());
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
        state_.contactFile.recordCount();
        txtViewAllHeader->show();
        QFont font = txtViewAllHeader->font();
        font.setPointSize(12);
        txtViewAllHeader->setFont(font);
        txtViewAllHeader->setText(fromCp(listHeading(shown)));
        txtViewAllHeader->setCursorPosition(0);

        std::size_t found = 0;
        {
            BusyPointer busy(state_.dialogs);
            const ListQuery query{SearchKind, SearchText, NameOrder, shown};
            std::vector<ListLine> lines = buildListLines(state_.contactFile, query);
            found = lines.size();
            // A new report replaces the list, in the order of its whole lines.
            model_->clear();
            lstAllContacts->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
            model_->setDisplay(shown);
            setColumnWidths(shown);
            model_->add(std::move(lines));
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
        if (found == 0) state_.dialogs.message("Contact file empty.", "No contacts found.");
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmViewAll::printLabels(PrintMode mode) {
    const ResultLabelRequest request{model_->list(),           state_.contactFile,
                                     state_.programFolder,     state_.labelStyle.bold,
                                     state_.labelStyle.italic, mode,
                                     state_.contactTitle};
    const PrintOutcome outcome = printSearchResultLabels(request, state_.dialogs, state_.printer);
    if (outcome == PrintOutcome::Printed || outcome == PrintOutcome::Refused) {
        cmdViewAllClose->setFocus();
    }
}

void frmViewAll::cmdPrintLabels_Click() { printLabels(PrintMode::Print); }

void frmViewAll::cmdPreviewLabels_Click() { printLabels(PrintMode::Preview); }

void frmViewAll::cmdViewAllClose_Click() {
    AppState& state = state_;
    WindowHost& host = host_;
    model_->clear();
    close();
    state.labelStyle = {};
    host.stateChanged();
}

void frmViewAll::closeEvent(QCloseEvent* event) {
    // The unload: whatever closes the window.
    model_->clear();
    if (!openedBrowser_) returnToMain(host_);
    event->accept();
}

void frmViewAll::lstAllContacts_DblClick(const QModelIndex& index) {
    try {
        if (!index.isValid()) throw RunError(RunError::BadRecordNumber);
        const std::int32_t r = index.data(ContactListModel::RecordRole).toInt();
        // A pasted line has no contact to open.
        if (r == 0) return;
        state_.contactFile.close();
        state_.contactFile.open(state_.contactPath);
        // The file may have shrunk since the list was built.
        if (r > state_.contactFile.recordCount()) throw RunError(RunError::BadRecordNumber);
        state_.contactFile.readRecord(r);
        state_.CurrentRecord = r;
        model_->clear();
        openedBrowser_ = true;
        host_.openWindow(WindowKind::ContactBrowser);
        close();
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmViewAll::commonError(const RunError& error) {
    if (retryAfterError(state_.dialogs, error)) return;
    model_->clear();
    close();
}

bool frmViewAll::textBoxHasFocus() const {
    return qobject_cast<QLineEdit*>(focusWidget()) != nullptr;
}

std::vector<std::size_t> frmViewAll::selectedRows() const {
    // Whole ranges, not an index per cell: select-all of a million rows.
    std::vector<std::size_t> rows;
    for (const QItemSelectionRange& range : lstAllContacts->selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r) {
            rows.push_back(static_cast<std::size_t>(r));
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void frmViewAll::addLines(std::vector<ListLine> lines) {
    // Lines selected before stay selected where they now stand.
    const std::vector<std::size_t> before = selectedRows();
    const std::vector<std::size_t> moved = model_->add(std::move(lines));
    QItemSelection keep;
    const int last = model_->columnCount() - 1;
    for (std::size_t row : before) {
        const int at = static_cast<int>(moved[row]);
        keep.select(model_->index(at, 0), model_->index(at, last));
    }
    if (!keep.isEmpty())
        lstAllContacts->selectionModel()->select(keep, QItemSelectionModel::Select);
}

void frmViewAll::mnuVACopy_Click() {
    if (textBoxHasFocus()) return;
    state_.dialogs.setClipboardText(clipboardTextOf(model_->list(), selectedRows()));
}

void frmViewAll::mnuVACut_Click() {
    if (textBoxHasFocus()) return;
    const std::vector<std::size_t> rows = selectedRows();
    const std::string text = clipboardTextOf(model_->list(), rows);
    model_->removeAt(rows);
    state_.dialogs.setClipboardText(text);
}

void frmViewAll::mnuVAPaste_Click() {
    if (textBoxHasFocus()) return;
    addLines(pastedLines(state_.dialogs.clipboardText()));
}

void frmViewAll::mnuVASelectAll_Click() {
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget())) {
        box->setFocus();
        box->selectAll();
        return;
    }
    lstAllContacts->selectAll();
}

void frmViewAll::printReport(PrintMode mode) {
    const ReportRequest request{model_->list(),
                                selectedRows(),
                                model_->display(),
                                toCp(txtViewAllHeader->selectedText()),
                                focusWidget() == txtViewAllHeader,
                                state_.contactTitle,
                                mode};
    printContactReport(request, state_.dialogs, state_.printer);
}

void frmViewAll::mnuPrint_Click() { printReport(PrintMode::Print); }

void frmViewAll::mnuPreview_Click() { printReport(PrintMode::Preview); }

}  // namespace varnel
