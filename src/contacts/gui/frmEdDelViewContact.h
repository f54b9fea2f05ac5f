#pragma once
// The contact browser: pick a contact from the find list or step through the
// file, edit and save it in place, delete it, or send it to the composer.
#include <cstdint>
#include <functional>
#include <vector>

#include "contacts/find_list.h"
#include "contacts/gui/contact_window.h"
#include "printing/print_flow.h"

class QAction;

namespace varnel {

class FindListCombo;
class FindListModel;

class frmEdDelViewContact : public ContactWindow {
    Q_OBJECT
public:
    frmEdDelViewContact(AppState& state, WindowHost& host, QWidget* parent = nullptr);

    // Load: hides the main window, shows this one, fills the find list and
    // starts with no contact shown and the fields disabled.
    void Form_Load();

    // Opens on record k as a pick in the find list would: shows the contact,
    // CurrentRecord = k, fields and buttons enabled. The contact list's pick.
    void showRecord(std::int32_t k);

private:
    void buildMenus();
    void buildControls();
    void cboFindContact_Click(int index);
    void cmdFirst_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdPrintLabel_Click();
    void printDetailSheet(PrintMode mode);

    // Shows record k, reading that record alone; the find list takes in the
    // contacts saved since the last step.
    void stepTo(std::int32_t k);
    void showContactRecord(const ContactRecord& record);
    void setEditing(bool enabled);
    // Runs `action`, trapping run-time errors: Retry ends the action, Cancel
    // closes the browser (or, during load, only shows the main window).
    void trapped(const std::function<void()>& action, bool duringLoad = false);
    SaveResult saveChanges();

    Question saveQuestion() const override;
    SaveResult saveBeforeClosing() override;
    void closing() override;
    void companyChanged() override;

    FindListCombo* cboFindContact;
    QPushButton* cmdFirst;
    QPushButton* cmdPrevious;
    QPushButton* cmdNext;
    QPushButton* cmdLast;
    QPushButton* cmdDelete;
    QPushButton* cmdPrintLabel;

    FindListModel* findModel_ = nullptr;
    // Entries of contacts saved since the last step: the list shows them
    // from the next step on, as a list read afresh would.
    std::vector<FindEntry> savedEntries_;
};

}  // namespace varnel
