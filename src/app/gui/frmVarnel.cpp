#include "app/gui/frmVarnel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <filesystem>

#include "app/uninstaller_file.h"
#include "ports/gui/qt_text.h"
#include "shell/gui/window_chrome.h"
#include "text/run_error.h"

namespace varnel {

namespace {

const char* const kIdleTitle = "Varnel - Address Book and Label Printer";

QString twips(int pixels, double dpi) {
    double value = pixels * 1440.0 / (dpi > 0 ? dpi : 96.0);
    return QString::number(value, 'g', 7);
}

}  // namespace

frmVarnel::frmVarnel(AppState& context, QWidget* parent)
    : QMainWindow(parent), ctx_(context), host_(std::make_unique<MainWindowHost>(context, *this)) {
    setObjectName("frmVarnel");
    setWindowTitle(kIdleTitle);
    buildMenus();
    buildControls();
    connectHandlers();
    setContactCommandsEnabled(false, true);
    ctx_.labelStyle = {chkLblBold->isChecked(), chkLblItalic->isChecked()};
}

frmVarnel::~frmVarnel() = default;

void frmVarnel::buildMenus() {
    const auto action = addMenuItem;
    mnuFile = addNamedMenu(*this, "mnuFile", "&File");
    mnuFileNew = action(mnuFile, "mnuFileNew", "New");
    mnuFileNew->setShortcuts(QKeySequence::New);
    mnuFileOpen = action(mnuFile, "mnuFileOpen", "Open");
    mnuFileOpen->setShortcuts(QKeySequence::Open);
    mnuFileClose = action(mnuFile, "mnuFileClose", "Close");
    mnuFileClose->setShortcuts(QKeySequence::Close);
    mnuFile->addSeparator();
    mnuFileBdayOn = action(mnuFile, "mnuFileBdayOn", "Enable Birthday Reminders");
    mnuFileBdayOff = action(mnuFile, "mnuFileBdayOff", "Disable Birthday Reminders");
    mnuFile->addSeparator();
    mnuRetAddress = action(mnuFile, "mnuRetAddress", "Return Address Labels");
    mnuStates = action(mnuFile, "mnuStates", "State Abbreviations");
    mnuFile->addSeparator();
    mnuFilePrint = action(mnuFile, "mnuFilePrint", "Print");
    mnuFilePrint->setShortcuts(QKeySequence::Print);
    mnuFilePreview = action(mnuFile, "mnuFilePreview", "Print Preview");
    mnuFile->addSeparator();
    mnuFileExit = action(mnuFile, "mnuFileExit", "Exit");
    mnuFileExit->setShortcuts(QKeySequence::Quit);

    const EditMenu edit =
        addEditMenu(*this, ctx_.dialogs, {"mnuVREdit", "mnuCut", "mnuCopy", "mnuPaste"});
    mnuVREdit = edit.menu;
    mnuCut = edit.cut;
    mnuCopy = edit.copy;
    mnuPaste = edit.paste;

    mnuContacts = addNamedMenu(*this, "mnuContacts", "&Contacts");
    mnuAdd = action(mnuContacts, "mnuAdd", "Add Contact");
    mnuEdit = action(mnuContacts, "mnuEdit", "Edit Contact");
    mnuFind = action(mnuContacts, "mnuFind", "Find Contact");
    mnuFind->setShortcuts(QKeySequence::Find);
    mnuDelete = action(mnuContacts, "mnuDelete", "Delete Contact");
    mnuContacts->addSeparator();
    mnuSrchContacts = action(mnuContacts, "mnuSrchContacts", "Search Contacts");
    mnuContacts->addSeparator();
    mnuImport = action(mnuContacts, "mnuImport", "Import Contacts");
    mnuExport = action(mnuContacts, "mnuExport", "Export Contacts");

    mnuView = addNamedMenu(*this, "mnuView", "&View");
    mnuViewOne = action(mnuView, "mnuViewOne", "One Contact");
    mnuViewAll = action(mnuView, "mnuViewAll", "All Contacts");

    mnuMargins = addNamedMenu(*this, "mnuMargins", "&Margins");
    mnuAdjustOTF = action(mnuMargins, "mnuAdjustOTF", "On-The-Fly label");
    mnuAdjustSR = action(mnuMargins, "mnuAdjustSR", "Search-result labels");
    mnuAdjustENV = action(mnuMargins, "mnuAdjustENV", "Envelope");
    mnuAdjustRA = action(mnuMargins, "mnuAdjustRA", "Return Address labels");
    mnuMargins->addSeparator();
    mnuAlignPage = mnuMargins->addMenu("Print Alignment Page");
    mnuAlignPage->setObjectName("mnuAlignPage");
    mnuAlign5160 = action(mnuAlignPage, "mnuAlign5160", "Avery 5160 / 8160 (30 labels)");
    mnuAlign5167 = action(mnuAlignPage, "mnuAlign5167", "Avery 5167 / 8167 / 18167 (80 labels)");
    mnuCalibrate = action(mnuMargins, "mnuCalibrate", "Printer Calibration\u2026");

    const HelpMenu help = addHelpMenu(*this, *host_, {"mnuHelp", "mnuManual", "mnuAbout"});
    mnuHelp = help.menu;
    mnuManual = help.manual;
    mnuAbout = help.about;
}

void frmVarnel::buildControls() {
    auto* central = new QWidget(this);
    central->setObjectName("centralWidget");
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(14, 10, 14, 12);
    outer->setSpacing(10);

    auto button = [central](const char* name, const char* caption, const char* tip = nullptr) {
        auto* b = new QPushButton(caption, central);
        b->setObjectName(name);
        if (tip) b->setToolTip(tip);
        return b;
    };

    // Heading and the contact buttons.
    auto* top = new QHBoxLayout();
    lblVRHeader = new QLabel("Varnel", central);
    lblVRHeader->setObjectName("lblVRHeader");
    QFont headerFont = lblVRHeader->font();
    headerFont.setPointSize(headerFont.pointSize() + 10);
    headerFont.setBold(true);
    lblVRHeader->setFont(headerFont);
    top->addWidget(lblVRHeader);
    top->addStretch(1);
    cmdAddContact = button("cmdAddContact", "Add Contact", "Add a new contact to file");
    cmdFindContact = button("cmdFindContact", "Find Contact", "Retrieve a contact from file");
    cmdBDlist = button("cmdBDlist", "View Birthdays", "See birthdays for a selected month");
    cmdZipFinder = button("cmdZipFinder", "Zip Code Finder");
    cmdPeopleFind = button("cmdPeopleFind", "People Finder");
    for (QPushButton* b : {cmdAddContact, cmdFindContact, cmdBDlist, cmdZipFinder, cmdPeopleFind}) {
        top->addWidget(b);
    }
    outer->addLayout(top);

    lblVRInstruct = new QLabel(central);
    lblVRInstruct->setObjectName("lblVRInstruct");
    lblVRInstruct->setWordWrap(true);
    outer->addWidget(lblVRInstruct);

    // The five address lines on the left, the print options on the right.
    auto* body = new QHBoxLayout();
    auto* linesBox = new QGroupBox("Address", central);
    linesBox->setObjectName("frVRLines");
    auto* grid = new QGridLayout(linesBox);
    const char* lineNames[5] = {"txtVRLine1", "txtVRLine2", "txtVRline3", "txtVRLine4",
                                "txtVRLine5"};
    for (int i = 0; i < 5; ++i) {
        lblVRLines[static_cast<std::size_t>(i)] =
            new QLabel(QString("Line #%1:").arg(i + 1), linesBox);
        lblVRLines[static_cast<std::size_t>(i)]->setObjectName(QString("lblVRLine%1").arg(i + 1));
        auto* edit = new QLineEdit(linesBox);
        edit->setObjectName(lineNames[i]);
        edit->setMinimumWidth(340);
        txtVRLines[static_cast<std::size_t>(i)] = edit;
        grid->addWidget(lblVRLines[static_cast<std::size_t>(i)], i, 0);
        grid->addWidget(edit, i, 1);
        if (i < 4) edit->installEventFilter(this);
    }
    lblVRPosition = new QLabel(linesBox);
    lblVRPosition->setObjectName("lblVRPosition");
    QFont positionFont = lblVRPosition->font();
    positionFont.setBold(true);
    lblVRPosition->setFont(positionFont);
    lblVREnvSize = new QLabel(linesBox);
    lblVREnvSize->setObjectName("lblVREnvSize");
    lblVREnvSize->setHidden(true);
    grid->addWidget(lblVRPosition, 5, 1);
    grid->addWidget(lblVREnvSize, 6, 1);
    grid->setRowStretch(7, 1);
    body->addWidget(linesBox, 3);

    auto* options = new QVBoxLayout();
    frVRMediaType = new QGroupBox("Media", central);
    frVRMediaType->setObjectName("frVRMediaType");
    auto* media = new QVBoxLayout(frVRMediaType);
    optVRLabel = new QRadioButton("Label stock", frVRMediaType);
    optVRLabel->setObjectName("optVRLabel");
    optVREnvelope = new QRadioButton("Envelope", frVRMediaType);
    optVREnvelope->setObjectName("optVREnvelope");
    cboVREnvelope = new QComboBox(frVRMediaType);
    cboVREnvelope->setObjectName("cboVREnvelope");
    cboVREnvelope->setPlaceholderText("Select Envelope Size");
    for (const EnvelopeSizeEntry& e : kEnvelopeSizes) cboVREnvelope->addItem(e.text);
    cboVREnvelope->setCurrentIndex(-1);
    cboVREnvelope->setHidden(true);
    media->addWidget(optVRLabel);
    media->addWidget(optVREnvelope);
    media->addWidget(cboVREnvelope);
    options->addWidget(frVRMediaType);

    auto* pair = new QHBoxLayout();
    std::tie(frVRJust, optVRLeftjust, optVRCenter) =
        makeTwoChoices(central, {"frVRJust", "Alignment"}, {"optVRLeftjust", "Left-Justified"},
                       {"optVRCenter", "  Centered"});
    pair->addWidget(frVRJust);

    std::tie(frPortLand, optPortrait, optLandscape) =
        makeTwoChoices(central, {"frPortLand", "Orientation"}, {"optPortrait", "Portrait"},
                       {"optLandscape", "Landscape"});
    pair->addWidget(frPortLand);
    options->addLayout(pair);

    auto* features = new QHBoxLayout();
    frFeatures = new QGroupBox("Label features", central);
    frFeatures->setObjectName("frFeatures");
    auto* feat = new QHBoxLayout(frFeatures);
    chkLblBold = new QCheckBox("Bold", frFeatures);
    chkLblBold->setObjectName("chkLblBold");
    chkLblItalic = new QCheckBox("Italic", frFeatures);
    chkLblItalic->setObjectName("chkLblItalic");
    feat->addWidget(chkLblBold);
    feat->addWidget(chkLblItalic);
    features->addWidget(frFeatures);
    chkBold = new QCheckBox("Bold", central);
    chkBold->setObjectName("chkBold");
    chkBold->setToolTip("If checked, will print envelope in bold");
    chkBold->setHidden(true);
    chkLargeFont = new QCheckBox("Large Font", central);
    chkLargeFont->setObjectName("chkLargeFont");
    chkLargeFont->setToolTip("If checked, will print envelope in larger, italicized font");
    chkLargeFont->setHidden(true);
    features->addWidget(chkBold);
    features->addWidget(chkLargeFont);
    options->addLayout(features);
    options->addStretch(1);
    body->addLayout(options, 2);
    outer->addLayout(body, 1);

    // Hidden print origin.
    txtVRLeftPad = new QLineEdit(central);
    txtVRLeftPad->setObjectName("txtVRLeftPad");
    txtVRLeftPad->setHidden(true);
    txtVRToppad = new QLineEdit(central);
    txtVRToppad->setObjectName("txtVRToppad");
    txtVRToppad->setHidden(true);

    auto* bottom = new QHBoxLayout();
    cmdVRStart = button("cmdVRStart", "Print");
    cmdRetAddress =
        button("cmdRetAddress", "Print",
               "Prints 80 return address labels on Avery 5167 [1/2\" x 1 3/4\"] labels");
    cmdRetAddress->setHidden(true);
    cmdVRPreview =
        button("cmdVRPreview", "Preview", "See the printout on its labels or envelope first");
    cmdVRClear = button("cmdVRClear", "Clear Form");
    cmdVRExit = button("cmdVRExit", "Exit");
    for (QPushButton* b : {cmdVRStart, cmdRetAddress, cmdVRPreview, cmdVRClear}) {
        b->setMinimumWidth(110);
        bottom->addWidget(b);
    }
    bottom->addStretch(1);
    cmdVRExit->setMinimumWidth(110);
    bottom->addWidget(cmdVRExit);
    outer->addLayout(bottom);

    // Lines 1 to 5 are the first five tab stops.
    setTabOrder(txtVRLines[0], txtVRLines[1]);
    setTabOrder(txtVRLines[1], txtVRLines[2]);
    setTabOrder(txtVRLines[2], txtVRLines[3]);
    setTabOrder(txtVRLines[3], txtVRLines[4]);
    setTabOrder(txtVRLines[4], optVRLabel);

    resize(900, 450);
}

void frmVarnel::connectHandlers() {
    connect(mnuFileNew, &QAction::triggered, this, &frmVarnel::mnuFileNew_Click);
    connect(mnuFileOpen, &QAction::triggered, this, &frmVarnel::mnuFileOpen_Click);
    connect(mnuFileClose, &QAction::triggered, this, &frmVarnel::mnuFileClose_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmVarnel::mnuFileExit_Click);
    connect(mnuFileBdayOn, &QAction::triggered, this, &frmVarnel::mnuFileBdayOn_Click);
    connect(mnuFileBdayOff, &QAction::triggered, this, &frmVarnel::mnuFileBdayOff_Click);
    connect(mnuRetAddress, &QAction::triggered, this, &frmVarnel::mnuRetAddress_Click);
    connect(mnuStates, &QAction::triggered, this, &frmVarnel::mnuStates_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &frmVarnel::mnuFilePrint_Click);
    connect(mnuFilePreview, &QAction::triggered, this, &frmVarnel::mnuFilePreview_Click);
    connect(cmdVRPreview, &QPushButton::clicked, this, &frmVarnel::cmdVRPreview_Click);
    connect(mnuAdd, &QAction::triggered, this, &frmVarnel::mnuAdd_Click);
    connect(mnuEdit, &QAction::triggered, this, &frmVarnel::mnuEdit_Click);
    connect(mnuFind, &QAction::triggered, this, &frmVarnel::mnuFind_Click);
    connect(mnuDelete, &QAction::triggered, this, &frmVarnel::mnuDelete_Click);
    connect(mnuSrchContacts, &QAction::triggered, this, &frmVarnel::mnuSrchContacts_Click);
    connect(mnuImport, &QAction::triggered, this, &frmVarnel::mnuImport_Click);
    connect(mnuExport, &QAction::triggered, this, &frmVarnel::mnuExport_Click);
    connect(mnuViewOne, &QAction::triggered, this, &frmVarnel::mnuViewOne_Click);
    connect(mnuViewAll, &QAction::triggered, this, &frmVarnel::mnuViewAll_Click);
    connect(mnuAdjustOTF, &QAction::triggered, this, &frmVarnel::mnuAdjustOTF_Click);
    connect(mnuAdjustSR, &QAction::triggered, this, &frmVarnel::mnuAdjustSR_Click);
    connect(mnuAdjustENV, &QAction::triggered, this, &frmVarnel::mnuAdjustENV_Click);
    connect(mnuAdjustRA, &QAction::triggered, this, &frmVarnel::mnuAdjustRA_Click);
    connect(mnuAlign5160, &QAction::triggered, this, &frmVarnel::mnuAlign5160_Click);
    connect(mnuAlign5167, &QAction::triggered, this, &frmVarnel::mnuAlign5167_Click);
    connect(mnuCalibrate, &QAction::triggered, this, &frmVarnel::mnuCalibrate_Click);

    connect(cmdAddContact, &QPushButton::clicked, this, &frmVarnel::cmdAddContact_Click);
    connect(cmdFindContact, &QPushButton::clicked, this, &frmVarnel::cmdFindContact_Click);
    connect(cmdBDlist, &QPushButton::clicked, this, &frmVarnel::cmdBDlist_Click);
    connect(cmdZipFinder, &QPushButton::clicked, this, &frmVarnel::cmdZipFinder_Click);
    connect(cmdPeopleFind, &QPushButton::clicked, this, &frmVarnel::cmdPeopleFind_Click);
    connect(cmdVRExit, &QPushButton::clicked, this, &frmVarnel::cmdVRExit_Click);

    connect(optVRLabel, &QRadioButton::clicked, this, &frmVarnel::optVRLabel_Click);
    connect(optVREnvelope, &QRadioButton::clicked, this, &frmVarnel::optVREnvelope_Click);
    connect(cboVREnvelope, &QComboBox::activated, this, &frmVarnel::cboVREnvelope_Click);
    connect(optVRLeftjust, &QRadioButton::clicked, this, &frmVarnel::optVRLeftjust_Click);
    connect(optVRCenter, &QRadioButton::clicked, this, &frmVarnel::optVRCenter_Click);
    connect(optPortrait, &QRadioButton::clicked, this, &frmVarnel::optPortrait_Click);
    connect(optLandscape, &QRadioButton::clicked, this, &frmVarnel::optLandscape_Click);
    connect(chkBold, &QCheckBox::clicked, this, &frmVarnel::chkBold_Click);
    connect(chkLargeFont, &QCheckBox::clicked, this, &frmVarnel::chkLargeFont_Click);
    connect(chkLblBold, &QCheckBox::clicked, this, &frmVarnel::chkLblBold_Click);
    connect(chkLblItalic, &QCheckBox::clicked, this, &frmVarnel::chkLblItalic_Click);
    // Whatever changes the label style boxes, the search-result labels read it.
    connect(chkLblBold, &QCheckBox::toggled, this, [this](bool on) { ctx_.labelStyle.bold = on; });
    connect(chkLblItalic, &QCheckBox::toggled, this,
            [this](bool on) { ctx_.labelStyle.italic = on; });
    connect(cmdVRStart, &QPushButton::clicked, this, &frmVarnel::cmdVRStart_Click);
    connect(cmdVRClear, &QPushButton::clicked, this, &frmVarnel::cmdVRClear_Click);
    connect(cmdRetAddress, &QPushButton::clicked, this, &frmVarnel::cmdRetAddress_Click);
}

bool frmVarnel::eventFilter(QObject* watched, QEvent* event) {
    // Enter in lines 1 to 4 moves on like Tab.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            for (int i = 0; i < 4; ++i) {
                if (watched == txtVRLines[static_cast<std::size_t>(i)]) {
                    focusNextChild();
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmVarnel::setContactCommandsEnabled(bool enabled, bool includingExchange) {
    for (QWidget* w : std::initializer_list<QWidget*>{cmdAddContact, cmdFindContact}) {
        w->setEnabled(enabled);
    }
    for (QAction* a :
         {mnuAdd, mnuEdit, mnuDelete, mnuFind, mnuViewOne, mnuViewAll, mnuSrchContacts}) {
        a->setEnabled(enabled);
    }
    if (includingExchange) {
        mnuImport->setEnabled(enabled);
        mnuExport->setEnabled(enabled);
    }
    if (!enabled) showReminderSetting(ReminderSetting::NoRecords);
}

void frmVarnel::showReminderSetting(ReminderSetting setting) {
    reminderSetting_ = setting;
    const ReminderMenus menus = menusFor(setting);
    mnuFileBdayOn->setEnabled(menus.enableItem);
    mnuFileBdayOff->setEnabled(menus.disableItem);
    // Every save writes "on" while "Enable Birthday Reminders" is unavailable.
    ctx_.remindersOn = !menus.enableItem;
}

void frmVarnel::commonError(const RunError& error) {
    if (retryAfterError(ctx_.dialogs, error)) {
        ctx_.contactFile.close();
    } else {
        close();
    }
}

void frmVarnel::Form_Load() {
    try {
        ctx_.contactFile.close();
        show();
        ComposerModel s = readComposer();
        composerStart(s);
        writeComposer(s);
        // A refused file leaves the contact commands disabled until New or Open.
        if (!openDefaultContactFile(ctx_)) return;
        setContactCommandsEnabled(true, true);
        CheckBirthdays();
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::openChosenFile(FileCommand command) {
    try {
        if (!openChosenContactFile(ctx_, command)) return;
        setWindowTitle("Varnel  [" + fromCp(ctx_.contactTitle) + "]");
        setContactCommandsEnabled(true, true);
        // A new file starts with reminders on, without reading it.
        if (command == FileCommand::New) {
            showReminderSetting(ReminderSetting::On);
        } else {
            CheckBirthdays();
        }
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::mnuFileNew_Click() { openChosenFile(FileCommand::New); }

void frmVarnel::mnuFileOpen_Click() { openChosenFile(FileCommand::Open); }

void frmVarnel::closeFiles() {
    // The margin file is open only inside one print or adjustment.
    ctx_.contactFile.close();
    setWindowTitle(kIdleTitle);
    setContactCommandsEnabled(false, false);
}

void frmVarnel::mnuFileClose_Click() {
    closeFiles();
    closeContactFile(ctx_);
}

void frmVarnel::mnuFileExit_Click() {
    mnuFileClose_Click();
    close();
}

void frmVarnel::cmdVRExit_Click() {
    closeFiles();
    close();
}

void frmVarnel::closeEvent(QCloseEvent* event) {
    shutdown();
    event->accept();
}

void frmVarnel::shutdown() {
    if (closed_) return;
    closed_ = true;
    ctx_.contactFile.close();
    setContactCommandsEnabled(false, false);
    try {
        restoreUninstallerFile(ctx_.programFolder);
    } catch (const RunError&) {
        // Both names exist: leave them for the next start rather than fail the exit.
    }
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (*it) (*it)->close();
    }
    windows_.clear();
    if (!isMinimized()) {
        const QRect frame = frameGeometry();
        const double dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
        ctx_.dialogs.saveSetting("Varnel", "Settings", "MainLeft",
                                 twips(frame.x(), dpi).toStdString());
        ctx_.dialogs.saveSetting("Varnel", "Settings", "MainTop",
                                 twips(frame.y(), dpi).toStdString());
        ctx_.dialogs.saveSetting("Varnel", "Settings", "MainWidth",
                                 twips(frame.width(), dpi).toStdString());
        ctx_.dialogs.saveSetting("Varnel", "Settings", "MainHeight",
                                 twips(frame.height(), dpi).toStdString());
    }
    QApplication::quit();
}

void frmVarnel::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) placeWhenHidden_ = saveGeometry();
    QMainWindow::hideEvent(event);
}

void frmVarnel::showAgain() {
    refreshFromState();
    if (!placeWhenHidden_.isEmpty()) restoreGeometry(placeWhenHidden_);
    show();
    raise();
    activateWindow();
    txtVRLines[0]->setFocus();
}

void frmVarnel::refreshFromState() {
    showReminderSetting(shownReminderSetting(reminderSetting_, ctx_.remindersOn, ctx_.contactFile));
    chkLblBold->setChecked(ctx_.labelStyle.bold);
    chkLblItalic->setChecked(ctx_.labelStyle.italic);
}

void frmVarnel::registerWindow(QWidget* window) {
    windows_.push_back(window);
    connect(window, &QObject::destroyed, this, [this, window] { std::erase(windows_, window); });
}

ComposerModel frmVarnel::readComposer() const {
    ComposerModel m = formState_;
    for (std::size_t i = 0; i < 5; ++i) m.lines[i] = toCp(txtVRLines[i]->text());
    m.media = optVRLabel->isChecked()      ? Media::Label
              : optVREnvelope->isChecked() ? Media::Envelope
                                           : Media::None;
    m.envelopeSize = cboVREnvelope->currentIndex() + 1;
    m.alignment = optVRCenter->isChecked() ? Alignment::Centred : Alignment::Left;
    m.orientation = optLandscape->isChecked() ? Orientation::Landscape : Orientation::Portrait;
    m.envelopeBold = chkBold->isChecked();
    m.envelopeLarge = chkLargeFont->isChecked();
    m.labelBold = chkLblBold->isChecked();
    m.labelItalic = chkLblItalic->isChecked();
    m.focus = ComposerField::None;
    return m;
}

namespace {
// Radio buttons of one frame are exclusive in Qt only while one is checked;
// clearing both needs the group's exclusivity lifted for a moment.
void setPair(QRadioButton* a, bool aOn, QRadioButton* b, bool bOn) {
    a->setAutoExclusive(false);
    b->setAutoExclusive(false);
    a->setChecked(aOn);
    b->setChecked(bOn);
    a->setAutoExclusive(true);
    b->setAutoExclusive(true);
}
}  // namespace

void frmVarnel::writeComposer(const ComposerModel& m) {
    formState_ = m;
    formState_.focus = ComposerField::None;
    const ComposerView v = composerView(m);
    for (std::size_t i = 0; i < txtVRLines.size(); ++i) {
        const QString text = fromCp(m.lines[i]);
        if (txtVRLines[i]->text() != text) txtVRLines[i]->setText(text);
        txtVRLines[i]->setAlignment(v.linesCentred ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    setPair(optVRLabel, m.media == Media::Label, optVREnvelope, m.media == Media::Envelope);
    optVRLabel->setEnabled(v.mediaEnabled);
    optVREnvelope->setEnabled(v.mediaEnabled);
    cboVREnvelope->setCurrentIndex(m.envelopeSize - 1);
    cboVREnvelope->setHidden(!v.envelopeListVisible);
    setPair(optVRLeftjust, m.alignment == Alignment::Left, optVRCenter,
            m.alignment == Alignment::Centred);
    setPair(optPortrait, m.orientation == Orientation::Portrait, optLandscape,
            m.orientation == Orientation::Landscape);
    frPortLand->setEnabled(v.orientationEnabled);
    chkBold->setChecked(m.envelopeBold);
    chkBold->setHidden(!v.envelopeStylesVisible);
    chkLargeFont->setChecked(m.envelopeLarge);
    chkLargeFont->setHidden(!v.envelopeStylesVisible);
    frFeatures->setHidden(!v.labelStylesVisible);
    chkLblBold->setChecked(m.labelBold);
    chkLblItalic->setChecked(m.labelItalic);
    chkLblBold->setEnabled(v.labelStylesEnabled);
    chkLblItalic->setEnabled(v.labelStylesEnabled);
    txtVRLeftPad->setText(QString::number(m.origin.column));
    txtVRToppad->setText(QString::number(m.origin.row));
    lblVRPosition->setText(fromCp(v.positionCaption));
    lblVRPosition->setHidden(!v.positionVisible);
    lblVREnvSize->setText(fromCp(v.envelopeSizeCaption));
    lblVRInstruct->setText(fromCp(v.instruction));
    cmdVRStart->setHidden(!v.printVisible);
    cmdRetAddress->setHidden(!v.returnAddressPrintVisible);

    switch (m.focus) {
        case ComposerField::None:
            break;
        case ComposerField::Print:
            cmdVRStart->setFocus();
            break;
        default:
            txtVRLines[static_cast<std::size_t>(m.focus) -
                       static_cast<std::size_t>(ComposerField::Line1)]
                ->setFocus();
    }
}

}  // namespace varnel
