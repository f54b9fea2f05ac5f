#pragma once
// The new-contact form: one contact typed (or pre-filled from the label
// lines) and appended to the open contact file.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

#include "app/app_state.h"
#include "contacts/gui/contact_boxes.h"
#include "contacts/label_lines.h"

namespace varnel {

class frmVarnel;

class frmNewContact : public QMainWindow, public ContactBoxNames {
    Q_OBJECT
public:
    frmNewContact(AppState& context, frmVarnel& main);

    // Hides the main window, shows this one with its title, focus on the first name.
    void Form_Load();
    // The pieces the label-line rules reached.
    void fillFromLabelLines(const LabelLineContact& contact);

    QLineEdit* box(ContactBox b) const { return boxes_.box(b); }

    QLabel* lblIncCompName;
    QCheckBox* chkIncComp;
    QPushButton* cmdSave;
    QPushButton* cmdCancel;
    QPushButton* cmdStateAbb;
    QPushButton* cmdZipFinder;
    QPushButton* cmdPeopleFind;

    QMenu* mnuNewEdit;
    QAction* mnuNewCut;
    QAction* mnuNewCopy;
    QAction* mnuNewPaste;
    QMenu* mnuNewHelp;
    QAction* mnuNewManual;
    QAction* mnuNewAbout;

public slots:
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdStateAbb_Click();
    void cmdZipFinder_Click();
    void cmdPeopleFind_Click();
    void txtACCompany_Change();
    void mnuNewEdit_Click();
    void mnuNewCut_Click();
    void mnuNewCopy_Click();
    void mnuNewPaste_Click();
    void mnuNewManual_Click();
    void mnuNewAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls();

    AppState& ctx_;
    frmVarnel& main_;
    ContactBoxes boxes_;
};

}  // namespace varnel
