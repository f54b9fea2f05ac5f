#include "exchange/gui/frmVRImport.h"

#include <QHBoxLayout>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "exchange/import_boxes.h"
#include "ports/gui/qt_text.h"
#include "shell/gui/window_chrome.h"

namespace varnel {

frmVRImport::frmVRImport(AppState& state, WindowHost& host, QWidget* parent)
    : QMainWindow(parent), ctx_(state), host_(host) {
    setObjectName("frmVRImport");
    setAttribute(Qt::WA_DeleteOnClose);
    showMainWhenClosed(*this, host_);

    mnuITFile = addNamedMenu(*this, "mnuITFile", "&File");
    mnuITFileExit = addMenuItem(mnuITFile, "mnuITFileExit", "Exit");
    addEditMenu(*this, ctx_.dialogs,
                {"mnuITEdit", "mnuITEditCut", "mnuITEditCopy", "mnuITEditPaste"});
    addHelpMenu(*this, host_, {"mnuITHelp", "mnuITHelpUM", "mnuITHelpAbout"});

    auto* central = new QWidget(this);
    lblImpHdr = new QLabel(central);
    lblImpHdr->setObjectName("lblImpHdr");
    lblImpHdr->setWordWrap(true);
    cmdCsvOpen = new QPushButton("&Open csv file", central);
    cmdCsvOpen->setObjectName("cmdCsvOpen");
    txtImpFilename = new QLineEdit(central);
    txtImpFilename->setObjectName("txtImpFilename");
    cmdStartImport = new QPushButton("&Import", central);
    cmdStartImport->setObjectName("cmdStartImport");
    cmdImpCancel = new QPushButton("&Close", central);
    cmdImpCancel->setObjectName("cmdImpCancel");

    auto* column = new QVBoxLayout(central);
    column->addWidget(lblImpHdr);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(cmdCsvOpen);
    fileRow->addWidget(txtImpFilename, 1);
    column->addLayout(fileRow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdStartImport);
    buttons->addStretch();
    buttons->addWidget(cmdImpCancel);
    column->addLayout(buttons);
    setCentralWidget(central);
    resize(620, 200);

    connect(cmdCsvOpen, &QPushButton::clicked, this, &frmVRImport::cmdCsvOpen_Click);
    connect(cmdStartImport, &QPushButton::clicked, this, &frmVRImport::cmdStartImport_Click);
    connect(cmdImpCancel, &QPushButton::clicked, this, &frmVRImport::cmdImpCancel_Click);
    connect(mnuITFileExit, &QAction::triggered, this, &frmVRImport::mnuITFileExit_Click);

    Form_Load();
}

void frmVRImport::Form_Load() {
    setWindowTitle("Import Contacts  [" + fromCp(ctx_.contactTitle) + "]");
    txtImpFilename->setVisible(false);
    cmdStartImport->setEnabled(false);
    lblImpHdr->setText(
        "First, download contacts (as a csv file) from your email provider or other source, and "
        "save to PC.\r\nWhen ready, click 'Open csv file' to select the file to import.  Click "
        "'Import' to begin importing.");
}

void frmVRImport::cmdCsvOpen_Click() {
    FileDialogRequest request;
    request.title = "Open";
    // Downloaded address books land in the download folder first.
    request.initialFolder =
        QStandardPaths::writableLocation(QStandardPaths::DownloadLocation).toStdString();
    request.filterDescription =
        "CSV Files (*.CSV);;vCard Files (*.VCF);;Text Files (*.TXT);;All Files (*.*)";
    request.filterPattern = "*.CSV";
    request.mustExist = true;
    FileDialogResult chosen = ctx_.dialogs.openFileDialog(request);
    if (chosen.path.empty()) return;

    path_ = QString::fromStdString(chosen.path);
    title_ = QString::fromStdString(chosen.fileTitle);
    txtImpFilename->setText(title_);
    txtImpFilename->setVisible(true);
    Answer answer = Answer::Retry;
    if (!checkImportFileReadable(chosen.path, ctx_.dialogs, answer)) {
        afterError(answer == Answer::Cancel);
        return;
    }
    cmdStartImport->setEnabled(true);
}

void frmVRImport::cmdStartImport_Click() {
    if (path_.isEmpty()) {
        ctx_.dialogs.beep();
        ctx_.dialogs.messageBox("No csv file selected",
                                "Click 'Open csv file' to select a file to import.",
                                Icon::Information, Buttons::Ok);
        return;
    }
    ImportResult result =
        importContactsFile(ctx_.contactFile, path_.toStdString(), ctx_.remindersOn, ctx_.dialogs);
    switch (result.outcome) {
        case ImportResult::Completed:
        case ImportResult::NotCompatible:
        case ImportResult::NotText:
            cmdStartImport->setEnabled(false);
            cmdImpCancel->setFocus();
            break;
        case ImportResult::Failed:
            afterError(result.errorAnswer == Answer::Cancel);
            break;
    }
}

void frmVRImport::afterError(bool cancelled) {
    cmdStartImport->setEnabled(false);
    if (cancelled) close();
}

void frmVRImport::cmdImpCancel_Click() { close(); }

void frmVRImport::mnuITFileExit_Click() { exitProgram(*this, ctx_.contactFile, host_); }

}  // namespace varnel
