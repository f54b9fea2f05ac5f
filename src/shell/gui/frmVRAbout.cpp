#include "shell/gui/frmVRAbout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVBoxLayout>

#include "shell/lookups.h"

namespace varnel {

namespace {

const char* const kProgramTitle = "Varnel";

// An envelope with an address label, drawn here so the box needs no image file.
QPixmap programIcon() {
    QPixmap pix(64, 64);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 70, 120), 2));
    p.setBrush(QColor(250, 246, 232));
    p.drawRoundedRect(QRectF(4, 14, 56, 38), 3, 3);
    QPainterPath flap;
    flap.moveTo(5, 15);
    flap.lineTo(32, 36);
    flap.lineTo(59, 15);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(46, 18, 9, 9));
    p.setBrush(QColor(40, 70, 120));
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(18, 40 + 3.5 * i, 26 - 6 * i, 1.8));
    return pix;
}

}  // namespace

frmVRAbout::frmVRAbout(AppState&, WindowHost&, QWidget* parent) : QDialog(parent) {
    setObjectName("frmVRAbout");
    setAttribute(Qt::WA_DeleteOnClose);

    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setPixmap(programIcon());
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName("lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 8);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");

    lblDescription = new QLabel(
        "An address book and label printer for households and small businesses: keep your "
        "contacts, print mailing labels, envelopes and return-address labels, be reminded of "
        "birthdays, and import or export your contacts.",
        this);
    lblDescription->setObjectName("lblDescription");
    lblDescription->setWordWrap(true);

    linDivider = new QFrame(this);
    linDivider->setObjectName("linDivider");
    linDivider->setFrameShape(QFrame::HLine);
    linDivider->setFrameShadow(QFrame::Sunken);

    lblDisclaimer = new QLabel(
        "This program is provided as is, without warranty of any kind. Check a test print on "
        "plain paper before printing on label sheets or envelopes.",
        this);
    lblDisclaimer->setObjectName("lblDisclaimer");
    lblDisclaimer->setWordWrap(true);

    lblPrivacy = new QLabel(
        "Your contacts stay on this computer, in the contact file you choose. Varnel sends "
        "nothing over the network; the look-up buttons only open your web browser.",
        this);
    lblPrivacy->setObjectName("lblPrivacy");
    lblPrivacy->setWordWrap(true);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    grid->addWidget(linDivider, 3, 0, 1, 2);
    grid->addWidget(lblDisclaimer, 4, 0, 1, 2);
    grid->addWidget(lblPrivacy, 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 320);

    connect(cmdOK, &QPushButton::clicked, this, &frmVRAbout::cmdOK_Click);
    Form_Load();
}

void frmVRAbout::Form_Load() {
    setWindowTitle(QString("About ") + kProgramTitle);
    lblTitle->setText(kProgramTitle);
    lblVersion->setText(QString::fromStdString(versionCaption(VARNEL_VERSION)));
}

void frmVRAbout::cmdOK_Click() { close(); }

}  // namespace varnel
