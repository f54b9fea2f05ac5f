#pragma once
// The About box: title and version of this build, a short description and
// two notices.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ports/app_state.h"
#include "ports/window_host.h"

namespace varnel {

class frmVRAbout : public QDialog {
    Q_OBJECT
public:
    // The box needs nothing of the shared state or the host; it takes them
    // like every window.
    frmVRAbout(AppState& state, WindowHost& host, QWidget* parent = nullptr);

    void Form_Load();

public slots:
    void cmdOK_Click();

private:
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QLabel* lblPrivacy;
    QFrame* linDivider;
    QPushButton* cmdOK;
};

}  // namespace varnel
