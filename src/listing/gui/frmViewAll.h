#pragma once
// The list window: every contact of the open file, or those whose chosen
// field holds the search text, one line each; the working set of the
// search-result labels and the contact report.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cstdint>
#include <string>

#include "app/app_state.h"
#include "listing/list_lines.h"
#include "printing/print_flow.h"

namespace varnel {

class frmVarnel;
class ContactListModel;
class TabStopDelegate;
class RunError;

class frmViewAll : public QMainWindow {
    Q_OBJECT
public:
    frmViewAll(AppState& context, frmVarnel& main, QWidget* parent = nullptr);
    ~frmViewAll() override;

    // View > "All Contacts" and Contacts > "Search Contacts": hides the main
    // window and shows a new list window, which deletes itself when closed.
    static frmViewAll* open(AppState& context, frmVarnel& main);

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
    QListView* lstAllContacts;
    QLabel* lblSearchDisplay;
    QLabel* lblTotContacts;

    QMenu* mnuFile;
    QAction* mnuPrint;
    QAction* mnuPreview;  // the report in a preview first
    QMenu* mnuVAEdit;
    QAction* mnuVACut;
    QAction* mnuVACopy;
    QAction* mnuVAPaste;
    QAction* mnuVASelectAll;
    QMenu* mnuVAHelp;
    QAction* mnuVAManual;
    QAction* mnuVAAbout;

    ContactListModel& model() { return *model_; }
    ListDisplay display() const;

public slots:
    void Form_Load();
    void optSearch_Click(std::int16_t kind);  // kinds 0-6 and 8
    void optSearchAll_Click();
    void optFnameSort_Click();
    void optLnameSort_Click();
    void cmdACGetReport_Click();
    void cmdPrintLabels_Click();
    void cmdPreviewLabels_Click();
    void cmdViewAllClose_Click();
    void lstAllContacts_DblClick(const QModelIndex& index);
    void mnuVAEdit_Click();  // the Edit menu opens
    void mnuVACut_Click();
    void mnuVACopy_Click();
    void mnuVAPaste_Click();
    void mnuVASelectAll_Click();
    void mnuPrint_Click();
    void mnuPreview_Click();
    void mnuVAManual_Click();
    void mnuVAAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    void connectHandlers();
    // The common error box; Cancel closes this window.
    void commonError(const RunError& error);
    bool headerHasFocus() const;
    std::vector<std::size_t> selectedRows() const;
    std::string selectedLinesText() const;
    void addLines(std::vector<ListLine> lines);
    void printLabels(PrintMode mode);
    void printReport(PrintMode mode);

    AppState& ctx_;
    frmVarnel& main_;
    ContactListModel* model_;
    TabStopDelegate* delegate_;
    bool openedBrowser_ = false;
};

}  // namespace varnel
