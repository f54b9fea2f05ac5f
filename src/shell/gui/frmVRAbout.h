#pragma once
// The About box: title and version of this build, a short description and
// two notices.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace varnel {

class frmVRAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmVRAbout(QWidget* parent = nullptr);

    void Form_Load();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QLabel* lblPrivacy;
    QFrame* linDivider;
    QPushButton* cmdOK;

  public slots:
    void cmdOK_Click();
};

}  // namespace varnel
