#pragma once
// The list window: every contact of the open file, or those whose chosen
// field holds the search text, one row each under column headings; the
// working set of the search-result labels and the contact report.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <array>
#include <cstdint>
#include <string>

#include "listing/list_lines.h"
#include "ports/app_state.h"
#include "ports/window_host.h"
#include "printing/print_flow.h"

namespace varnel {

class ContactListModel;
class RunError;

class frmViewAll : public QMainWindow {
    Q_OBJECT
public:
    frmViewAll(AppState& state, WindowHost& host, QWidget* parent = nullptr);
    ~frmViewAll() override;

    // View > "All Contacts" and Contacts > "Search Contacts": hides the main
    // window and shows a new list window, which deletes itself when closed.
    static frmViewAll* open(AppState& state, WindowHost& host);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    void connectHandlers();
    void setColumnWidths(ListDisplay shown);

    void Form_Load();
    void optSearch_Click(std::int16_t kind);  // kinds 0-6 and 8
    void optSearchAll_Click();
    void optFnameSort_Click();
    void optLnameSort_Click();
    void txtSearchText_Change();
    void cmdACGetReport_Click();
    void cmdPrintLabels_Click();
    void cmdPreviewLabels_Click();
    void cmdViewAllClose_Click();
    void lstAllContacts_DblClick(const QModelIndex& index);
    void mnuVACut_Click();
    void mnuVACopy_Click();
    void mnuVAPaste_Click();
    void mnuVASelectAll_Click();
    void mnuPrint_Click();
    void mnuPreview_Click();

    // The common error box; Cancel closes this window.
    void commonError(const RunError& error);
    // A text box has the focus: the Edit menu acts on its text, not the list.
    bool textBoxHasFocus() const;
    ListDisplay display() const;
    std::vector<std::size_t> selectedRows() const;
    void addLines(std::vector<ListLine> lines);
    void printLabels(PrintMode mode);
    void printReport(PrintMode mode);

    // Window state.
    std::string SearchText;
    std::int16_t SearchKind = 7;
    std::int16_t NameOrder = 0;

    // Controls.
    QGroupBox* frSearch;
    // Indexed by SearchKind: optSearchFName, optSearchLName, optSearchCity,
    // optSearchState, optSearchZip, optSearchEmail, optSearchCat, optSearchAll,
    // optSearchCompany.
    std::array<QRadioButton*, 9> optSearch;
    QRadioButton* optSearchAll;
    QLabel* lblSearchFor;
    QLineEdit* txtSearchText;  // the search text, typed on the window
    QGroupBox* frSortOrder;
    QRadioButton* optFnameSort;
    QRadioButton* optLnameSort;
    QGroupBox* frShowStreet;
    QRadioButton* optStreetAdd;
    QRadioButton* optEmailAdd;
    QPushButton* cmdACGetReport;
    QPushButton* cmdPrintLabels;
    QPushButton* cmdPreviewLabels;  // the labels in a preview first
    QPushButton* cmdViewAllClose;
    QLineEdit* txtViewAllHeader;
    QTableView* lstAllContacts;
    QLabel* lblSearchDisplay;
    QLabel* lblTotContacts;

    QMenu* mnuFile;
    QAction* mnuPrint;
    QAction* mnuPreview;  // the report in a preview first
    QAction* mnuVACut;
    QAction* mnuVACopy;
    QAction* mnuVAPaste;
    QAction* mnuVASelectAll;

    AppState& state_;
    WindowHost& host_;
    ContactListModel* model_;
    bool openedBrowser_ = false;
};

}  // namespace varnel
