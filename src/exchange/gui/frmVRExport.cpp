#include "exchange/gui/frmVRExport.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "exchange/contact_export.h"
#include "ports/gui/qt_text.h"
#include "shell/gui/window_chrome.h"

namespace varnel {

frmVRExport::frmVRExport(AppState& state, WindowHost& host, QWidget* parent)
    : QMainWindow(parent), ctx_(state), host_(host) {
    setObjectName("frmVRExport");
    setAttribute(Qt::WA_DeleteOnClose);
    showMainWhenClosed(*this, host_);

    mnuETFile = addNamedMenu(*this, "mnuETFile", "&File");
    mnuETFileExit = addMenuItem(mnuETFile, "mnuETFileExit", "Exit");
    addHelpMenu(*this, host_, {"mnuETHelp", "mnuETHelpUM", "mnuETHelpAbout"});

    auto* central = new QWidget(this);
    lblExpBanner = new QLabel("Varnel", central);
    lblExpBanner->setObjectName("lblExpBanner");
    QFont banner("Times New Roman", 24);
    banner.setBold(true);
    banner.setItalic(true);
    lblExpBanner->setFont(banner);
    lblExport = new QLabel(central);
    lblExport->setObjectName("lblExport");

    frExpOptions = new QGroupBox(central);
    frExpOptions->setObjectName("frExpOptions");
    optExpCGCSV =
        new QRadioButton("Export contacts to comma separated values (.csv) file", frExpOptions);
    optExpCGCSV->setObjectName("optExpCGCSV");
    optExpCGCSV->setToolTip(
        "Creates and stores a csv file of contacts, with file name of: VRNC_filename.csv");
    optExpCGTXT = new QRadioButton("Export contacts to text (.txt) file", frExpOptions);
    optExpCGTXT->setObjectName("optExpCGTXT");
    optExpCGTXT->setToolTip(
        "Creates and stores a text file of contacts, with file name of: VRNT_filename.txt");
    optExpCGVCF = new QRadioButton("Export contacts to vCard (.vcf) file", frExpOptions);
    optExpCGVCF->setObjectName("optExpCGVCF");
    optExpCGVCF->setToolTip(
        "Creates and stores a vCard file of contacts, with file name of: VRNV_filename.vcf");
    chkExpUtf8 = new QCheckBox("Write the csv or text file in UTF-8 (Unicode)", frExpOptions);
    chkExpUtf8->setObjectName("chkExpUtf8");
    chkExpUtf8->setToolTip(
        "For spreadsheet programs and address books that read Unicode; vCard files are always "
        "UTF-8");
    auto* options = new QVBoxLayout(frExpOptions);
    options->addWidget(optExpCGCSV);
    options->addWidget(optExpCGTXT);
    options->addWidget(optExpCGVCF);
    options->addWidget(chkExpUtf8);

    cmdExpCreate = new QPushButton("&Create export file", central);
    cmdExpCreate->setObjectName("cmdExpCreate");
    cmdExpCreate->setToolTip("Creates selected export file and stores in application's folder");
    cmdExpCancel = new QPushButton("C&lose", central);
    cmdExpCancel->setObjectName("cmdExpCancel");
    cmdExpCancel->setToolTip("Return to main screen");

    auto* column = new QVBoxLayout(central);
    column->addWidget(lblExpBanner);
    column->addWidget(lblExport);
    column->addWidget(frExpOptions);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdExpCreate);
    buttons->addStretch();
    buttons->addWidget(cmdExpCancel);
    column->addLayout(buttons);
    setCentralWidget(central);

    connect(optExpCGCSV, &QRadioButton::clicked, this, &frmVRExport::optExpCGCSV_Click);
    connect(optExpCGTXT, &QRadioButton::clicked, this, &frmVRExport::optExpCGTXT_Click);
    connect(optExpCGVCF, &QRadioButton::clicked, this, &frmVRExport::optExpCGVCF_Click);
    connect(cmdExpCreate, &QPushButton::clicked, this, &frmVRExport::cmdExpCreate_Click);
    connect(cmdExpCancel, &QPushButton::clicked, this, &frmVRExport::cmdExpCancel_Click);
    connect(mnuETFileExit, &QAction::triggered, this, &frmVRExport::mnuETFileExit_Click);

    Form_Load();
}

void frmVRExport::Form_Load() {
    setWindowTitle("Export Contacts  [" + fromCp(ctx_.contactTitle) + "]");
    lblExport->setText(
        "Select type of export file to create, Comma Separated Values (csv) or Text (txt).\r\n"
        "Export file will contain First Name, Middle Initial, Last Name, Street Address1,\r\n"
        "Street Address 2, City, State, Zip Code, Country, Company, Incl Company, Home Phone,\r\n"
        "Cell Phone, Work Phone, Email Address, Birthdate, Category, and Notes.\r\n"
        "The export file will be stored in your Varnel folder.");
    optExpCGCSV->setChecked(false);
    optExpCGTXT->setChecked(false);
    optExpCGVCF->setChecked(false);
    chkExpUtf8->setChecked(false);
    chkExpUtf8->setEnabled(true);
    cmdExpCreate->setEnabled(false);
}

void frmVRExport::optExpCGCSV_Click() {
    chkExpUtf8->setEnabled(true);
    cmdExpCreate->setEnabled(true);
}

void frmVRExport::optExpCGTXT_Click() {
    chkExpUtf8->setEnabled(true);
    cmdExpCreate->setEnabled(true);
}

void frmVRExport::optExpCGVCF_Click() {
    chkExpUtf8->setEnabled(false);  // a vCard file is UTF-8 in any case
    cmdExpCreate->setEnabled(true);
}

void frmVRExport::cmdExpCreate_Click() {
    ExportFormat format = ExportFormat::Csv;
    if (optExpCGTXT->isChecked()) format = ExportFormat::Text;
    if (optExpCGVCF->isChecked()) format = ExportFormat::VCard;
    // Spreadsheet programs know a UTF-8 file by its byte-order mark.
    const ExportEncoding encoding = format != ExportFormat::VCard && chkExpUtf8->isChecked()
                                        ? ExportEncoding::Utf8WithMark
                                        : ExportEncoding::Windows1252;
    ExportResult result = exportContacts(ctx_.contactFile, ctx_.contactPath, ctx_.programFolder,
                                         format, ctx_.dialogs, encoding);
    if (result.outcome == ExportResult::Failed) {
        if (result.errorAnswer == Answer::Cancel) close();
        return;
    }
    cmdExpCancel->setFocus();
}

void frmVRExport::cmdExpCancel_Click() { close(); }

void frmVRExport::mnuETFileExit_Click() { exitProgram(*this, ctx_.contactFile, host_); }

}  // namespace varnel
