#pragma once
// The export window: write every contact of the open file to a CSV, a
// "|"-separated text or a vCard file in the program folder.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "ports/app_state.h"
#include "ports/window_host.h"

namespace varnel {

class frmVRExport : public QMainWindow {
    Q_OBJECT
public:
    frmVRExport(AppState& state, WindowHost& host, QWidget* parent = nullptr);

    void Form_Load();

public slots:
    void optExpCGCSV_Click();
    void optExpCGTXT_Click();
    void optExpCGVCF_Click();
    void cmdExpCreate_Click();
    void cmdExpCancel_Click();
    void mnuETFileExit_Click();

private:
    QLabel* lblExpBanner;
    QLabel* lblExport;
    QGroupBox* frExpOptions;
    QRadioButton* optExpCGCSV;
    QRadioButton* optExpCGTXT;
    QRadioButton* optExpCGVCF;
    QCheckBox* chkExpUtf8;
    QPushButton* cmdExpCreate;
    QPushButton* cmdExpCancel;
    QMenu* mnuETFile;
    QAction* mnuETFileExit;

    AppState& ctx_;
    WindowHost& host_;
};

}  // namespace varnel
