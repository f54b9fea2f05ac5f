#pragma once
// The import window: choose a CSV file, import its new contacts into the
// open contact file.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

#include "ports/app_state.h"
#include "ports/window_host.h"

namespace varnel {

class frmVRImport : public QMainWindow {
    Q_OBJECT
public:
    frmVRImport(AppState& state, WindowHost& host, QWidget* parent = nullptr);

    void Form_Load();

    // The chosen file, kept between clicks; empty until one is chosen.
    const QString& chosenPath() const { return path_; }
    const QString& chosenTitle() const { return title_; }

public slots:
    void cmdCsvOpen_Click();
    void cmdStartImport_Click();
    void cmdImpCancel_Click();
    void mnuITFileExit_Click();

private:
    // Cancel in the error box: the window goes, the main window comes back.
    void afterError(bool cancelled);

    QLabel* lblImpHdr;
    QPushButton* cmdCsvOpen;
    QPushButton* cmdStartImport;
    QPushButton* cmdImpCancel;
    QLineEdit* txtImpFilename;
    QMenu* mnuITFile;
    QAction* mnuITFileExit;

    AppState& ctx_;
    WindowHost& host_;
    QString path_;
    QString title_;
};

}  // namespace varnel
