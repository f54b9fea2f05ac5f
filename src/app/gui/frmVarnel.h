#pragma once
// The main window: the File, Edit, Contacts, View, Margins and Help menus, the
// contact buttons and the label composer. Its handlers are spread over one
// source file per subsystem (frmVarnel_*.cpp).
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <memory>

#include "app/contact_file_commands.h"
#include "app/gui/main_window_host.h"
#include "birthdays/reminders.h"
#include "ports/app_state.h"
#include "printing/composer.h"
#include "printing/margin_file.h"

namespace varnel {

class frmVarnel : public QMainWindow {
    Q_OBJECT
public:
    explicit frmVarnel(AppState& context, QWidget* parent = nullptr);
    ~frmVarnel() override;

    AppState& context() { return ctx_; }
    WindowHost& host() { return *host_; }

    // Start-up: composer state, default contact file, birthday check.
    void Form_Load();
    // True once the window has closed (Cancel in the common error box ends the program).
    bool isClosed() const { return closed_; }

    // The composer's model from the controls, and the controls from a model
    // and the view it gives.
    ComposerModel readComposer() const;
    void writeComposer(const ComposerModel& model);

    // Shown again when another window closes, where it was, with the shared
    // state in its controls; focus on composer line 1.
    void showAgain();

    // Other windows register themselves so that shutdown closes them, newest first.
    void registerWindow(QWidget* window);
    // The controls that show the shared state (the reminder items, the label
    // style) take it from AppState again.
    void refreshFromState();

public slots:
    // File commands (frmVarnel.cpp).
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileExit_Click();
    void cmdVRExit_Click();

    // Composer (frmVarnel_composer.cpp).
    void optVRLabel_Click();
    void optVREnvelope_Click();
    void cboVREnvelope_Click();
    void optVRLeftjust_Click();
    void optVRCenter_Click();
    void optPortrait_Click();
    void optLandscape_Click();
    void chkBold_Click();
    void chkLargeFont_Click();
    void chkLblBold_Click();
    void chkLblItalic_Click();
    void cmdVRClear_Click();

    // Printing (frmVarnel_printing.cpp).
    void cmdVRStart_Click();
    void mnuFilePrint_Click();
    void mnuFilePreview_Click();
    void cmdVRPreview_Click();
    void mnuAlign5160_Click();
    void mnuAlign5167_Click();
    void mnuCalibrate_Click();
    void mnuAdjustOTF_Click();
    void mnuAdjustSR_Click();
    void mnuAdjustENV_Click();
    void mnuAdjustRA_Click();
    void mnuRetAddress_Click();
    void cmdRetAddress_Click();

    // Birthdays (frmVarnel_birthdays.cpp).
    void CheckBirthdays();
    void mnuFileBdayOn_Click();
    void mnuFileBdayOff_Click();
    void cmdBDlist_Click();

    // Contacts (frmVarnel_contacts.cpp).
    void cmdAddContact_Click();
    void cmdFindContact_Click();
    void mnuAdd_Click();
    void mnuEdit_Click();
    void mnuFind_Click();
    void mnuDelete_Click();
    void mnuViewOne_Click();

    // Listing (frmVarnel_listing.cpp).
    void mnuSrchContacts_Click();
    void mnuViewAll_Click();

    // Exchange and look-ups (frmVarnel_shell.cpp).
    void mnuImport_Click();
    void mnuExport_Click();
    void mnuStates_Click();
    void cmdZipFinder_Click();
    void cmdPeopleFind_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Menus and items.
    QMenu* mnuFile;
    QAction* mnuFileNew;
    QAction* mnuFileOpen;
    QAction* mnuFileClose;
    QAction* mnuFileBdayOn;
    QAction* mnuFileBdayOff;
    QAction* mnuRetAddress;
    QAction* mnuStates;
    QAction* mnuFilePrint;
    QAction* mnuFilePreview;  // what Print would print, in a preview first
    QAction* mnuFileExit;
    QMenu* mnuVREdit;
    QAction* mnuCut;
    QAction* mnuCopy;
    QAction* mnuPaste;
    QMenu* mnuContacts;
    QAction* mnuAdd;
    QAction* mnuEdit;
    QAction* mnuFind;
    QAction* mnuDelete;
    QAction* mnuSrchContacts;
    QAction* mnuImport;
    QAction* mnuExport;
    QMenu* mnuView;
    QAction* mnuViewOne;
    QAction* mnuViewAll;
    QMenu* mnuMargins;
    QAction* mnuAdjustOTF;
    QAction* mnuAdjustSR;
    QAction* mnuAdjustENV;
    QAction* mnuAdjustRA;
    QMenu* mnuAlignPage;  // "Print Alignment Page"
    QAction* mnuAlign5160;
    QAction* mnuAlign5167;
    QAction* mnuCalibrate;  // "Printer Calibration..."
    QMenu* mnuHelp;
    QAction* mnuManual;
    QAction* mnuAbout;

    // Buttons outside the composer.
    QLabel* lblVRHeader;
    QPushButton* cmdAddContact;
    QPushButton* cmdFindContact;
    QPushButton* cmdBDlist;
    QPushButton* cmdZipFinder;
    QPushButton* cmdPeopleFind;
    QPushButton* cmdVRExit;

    // Composer.
    std::array<QLineEdit*, 5>
        txtVRLines;  // txtVRLine1, txtVRLine2, txtVRline3, txtVRLine4, txtVRLine5
    std::array<QLabel*, 5> lblVRLines;
    QGroupBox* frVRMediaType;
    QRadioButton* optVRLabel;
    QRadioButton* optVREnvelope;
    QComboBox* cboVREnvelope;
    QGroupBox* frVRJust;
    QRadioButton* optVRLeftjust;
    QRadioButton* optVRCenter;
    QGroupBox* frPortLand;
    QRadioButton* optPortrait;
    QRadioButton* optLandscape;
    QCheckBox* chkBold;
    QCheckBox* chkLargeFont;
    QGroupBox* frFeatures;
    QCheckBox* chkLblBold;
    QCheckBox* chkLblItalic;
    QLineEdit* txtVRLeftPad;
    QLineEdit* txtVRToppad;
    QLabel* lblVRPosition;
    QLabel* lblVREnvSize;
    QLabel* lblVRInstruct;
    QPushButton* cmdVRStart;
    QPushButton* cmdVRClear;
    QPushButton* cmdRetAddress;
    QPushButton* cmdVRPreview;  // what the Print button beside it would print, previewed

    void buildMenus();
    void buildControls();
    void connectHandlers();
    void setContactCommandsEnabled(bool enabled, bool includingExchange);
    // The reminder items and AppState's remindersOn, together.
    void showReminderSetting(ReminderSetting setting);
    // The common error box of the main window's commands: Retry closes the
    // contact file, Cancel closes the window and ends the program.
    void commonError(const class RunError& error);
    // One of the margin file's four shifts, asked for and written.
    void adjustMarginsOf(MarginKind kind);
    void openChosenFile(FileCommand command);
    void shutdown();
    void closeFiles();

    AppState& ctx_;
    std::unique_ptr<MainWindowHost> host_;
    bool closed_ = false;
    std::vector<QWidget*> windows_;
    ReminderSetting reminderSetting_ = ReminderSetting::NoRecords;
    QByteArray placeWhenHidden_;  // geometry, so the window comes back where it was
    // The composer's model as last written; the parts with no control of
    // their own are read back from it.
    ComposerModel formState_;
};

}  // namespace varnel
