#pragma once
// The import window: choose a CSV file, import its new contacts into the
// open contact file.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

#include "app/app_state.h"

namespace varnel {

class frmVarnel;

class frmVRImport : public QMainWindow {
    Q_OBJECT
public:
    frmVRImport(AppState& context, frmVarnel& main, QWidget* parent = nullptr);

    void Form_Load();

    QLabel* lblImpHdr;
    QPushButton* cmdCsvOpen;
    QPushButton* cmdStartImport;
    QPushButton* cmdImpCancel;
    QLineEdit* txtImpFilename;

    QMenu* mnuITFile;
    QAction* mnuITFileExit;
    QMenu* mnuITEdit;
    QAction* mnuITEditCut;
    QAction* mnuITEditCopy;
    QAction* mnuITEditPaste;
    QMenu* mnuITHelp;
    QAction* mnuITHelpUM;
    QAction* mnuITHelpAbout;

    // The chosen file, kept between clicks; empty until one is chosen.
    const QString& chosenPath() const { return path_; }
    const QString& chosenTitle() const { return title_; }

public slots:
    void cmdCsvOpen_Click();
    void cmdStartImport_Click();
    void cmdImpCancel_Click();
    void mnuITFileExit_Click();
    void mnuITEdit_Click();
    void mnuITEditCut_Click();
    void mnuITEditCopy_Click();
    void mnuITEditPaste_Click();
    void mnuITHelpUM_Click();
    void mnuITHelpAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Cancel in the error box: the window goes, the main window comes back.
    void afterError(bool cancelled);

    AppState& ctx_;
    frmVarnel& main_;
    QString path_;
    QString title_;
    bool ending_ = false;
};

}  // namespace varnel
