#pragma once
// The contact browser: pick a contact from the find list or step through the
// file, edit and save it in place, delete it, or send it to the composer.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <cstdint>
#include <functional>

#include "app/app_state.h"
#include "contacts/gui/contact_boxes.h"
#include "contacts/gui/find_list_model.h"
#include "printing/print_flow.h"

namespace varnel {

class frmVarnel;

class frmEdDelViewContact : public QMainWindow, public ContactBoxNames {
    Q_OBJECT
public:
    frmEdDelViewContact(AppState& context, frmVarnel& main);

    // Creates the browser afresh (a hidden one left by "Print Label" is
    // dropped first), registers it with the main window and runs its load.
    static frmEdDelViewContact* open(AppState& context, frmVarnel& main);

    // Load: hides the main window, shows this one, fills the find list and
    // starts with no contact shown and the fields disabled.
    void Form_Load();

    // Opens on record k as a pick in the find list would: shows the contact,
    // CurrentRecord = k, fields and buttons enabled. The contact list calls it.
    void showRecord(std::int32_t k);

    QLineEdit* box(ContactBox b) const { return boxes_.box(b); }

    QComboBox* cboFindContact;
    QPushButton* cmdFirst;
    QPushButton* cmdPrevious;
    QPushButton* cmdNext;
    QPushButton* cmdLast;
    QPushButton* cmdSave;
    QPushButton* cmdDelete;
    QPushButton* cmdPrintLabel;
    QPushButton* cmdCancel;
    QLabel* lblACCompOnLabel;
    QCheckBox* chkCompanyInclude;
    QPushButton* cmdStateAbb;
    QPushButton* cmdZipFinder;
    QPushButton* cmdPeopleFind;

    QMenu* mnuEDVFile;
    QAction* mnuEDVPrint;
    QAction* mnuEDVPreview;  // the detail sheet in a preview first
    QMenu* mnuEDVEdit;
    QAction* mnuEDVCut;
    QAction* mnuEDVCopy;
    QAction* mnuEDVPaste;
    QMenu* mnuEDVHelp;
    QAction* mnuEDVManual;
    QAction* mnuEDVAbout;

public slots:
    void cboFindContact_Click(int index);
    void cmdFirst_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdPrintLabel_Click();
    void cmdCancel_Click();
    void cmdStateAbb_Click();
    void cmdZipFinder_Click();
    void cmdPeopleFind_Click();
    void txtACCompany_Change();
    void mnuEDVPrint_Click();
    void mnuEDVPreview_Click();
    void mnuEDVEdit_Click();
    void mnuEDVCut_Click();
    void mnuEDVCopy_Click();
    void mnuEDVPaste_Click();
    void mnuEDVManual_Click();
    void mnuEDVAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    void printDetailSheet(PrintMode mode);
    // Shows record k and refills the find list, or changes nothing on error.
    void stepTo(std::int32_t k);
    void showContactRecord(const ContactRecord& record);
    void setEditing(bool enabled);
    // Runs `action`, trapping run-time errors: Retry ends the action, Cancel
    // closes the browser (or, during load, only shows the main window).
    void trapped(const std::function<void()>& action, bool duringLoad = false);
    // Closes without showing the main window again (another browser replaces it).
    void dispose();

    AppState& ctx_;
    frmVarnel& main_;
    ContactBoxes boxes_;
    FindListModel* findModel_ = nullptr;
    bool disposing_ = false;
};

}  // namespace varnel
