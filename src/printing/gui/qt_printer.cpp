#include "printing/gui/qt_printer.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "ports/gui/qt_text.h"
#include "printing/gui/document_renderer.h"
#include "text/run_error.h"

namespace varnel {

namespace {

// The page set-up a document changes for itself (an envelope page) and
// gives back afterwards, so that the next document finds the printer's own.
class PageSetupScope {
public:
    explicit PageSetupScope(QPrinter& printer)
        : printer_(printer), layout_(printer.pageLayout()), fullPage_(printer.fullPage()) {}
    ~PageSetupScope() {
        printer_.setFullPage(fullPage_);
        printer_.setPageLayout(layout_);
    }
    PageSetupScope(const PageSetupScope&) = delete;
    PageSetupScope& operator=(const PageSetupScope&) = delete;

private:
    QPrinter& printer_;
    QPageLayout layout_;
    bool fullPage_;
};

}  // namespace

QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    // Label and envelope stock is sold for Letter printers.
    printer_->setPageSize(QPageSize(QPageSize::Letter));
    printer_->setFullPage(false);
    printer_->setCreator(QStringLiteral("Varnel"));
}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::toPdf() const { return printer_->outputFormat() == QPrinter::PdfFormat; }

std::string QtPrinter::deviceName() const {
    if (toPdf()) return "Print to File (PDF)";
    return toCp(printer_->printerName());
}

void QtPrinter::printToPdf(const QString& fileName) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(fileName);
    pdfFile_ = fileName;
    documentsSinceDialog_ = 0;
    interactive_ = false;
}

void QtPrinter::printTo(const QString& printerName) {
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(printerName);
    pdfFile_.clear();
    documentsSinceDialog_ = 0;
    interactive_ = false;
}

PrintDialogResult QtPrinter::showPrintDialog(const PrintDialogOptions& options) {
    if (!interactive_) {
        documentsSinceDialog_ = 0;
        return PrintDialogResult{false, 1, false};
    }
    if (printer_->outputFileName().isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty()) {
        // Without printers the PDF file is the destination: offer a name, not a folder.
        printer_->setOutputFileName(QDir::home().filePath(QStringLiteral("Varnel.pdf")));
    }
    QPrintDialog dialog(printer_.get(), QApplication::activeWindow());
    // Printing to a file stays on even when the caller would disable it (see header).
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, options.selectionOffered);
    const bool range = options.maxPage > 0;
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, range);
    if (range) {
        dialog.setMinMax(std::max(1, options.minPage), options.maxPage);
        if (options.fromPage > 0) printer_->setFromTo(options.fromPage, options.toPage);
    }
    printer_->setCopyCount(1);
    if (dialog.exec() != QDialog::Accepted) return PrintDialogResult{true, 1, false};

    PrintDialogResult r;
    r.cancelled = false;
    r.copies = std::max(1, printer_->copyCount());
    r.selection = printer_->printRange() == QPrinter::Selection;
    // The program prints each copy as its own document.
    printer_->setCopyCount(1);
    pdfFile_ = toPdf() ? printer_->outputFileName() : "";
    documentsSinceDialog_ = 0;
    return r;
}

void QtPrinter::submit(const Document& document) {
    ++documentsSinceDialog_;
    if (toPdf() && !pdfFile_.isEmpty()) {
        QString name = pdfFile_;
        if (documentsSinceDialog_ > 1) {
            const QFileInfo info(pdfFile_);
            const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
            name = info.path() + "/" + info.completeBaseName() + "-" +
                   QString::number(documentsSinceDialog_) + suffix;
        }
        printer_->setOutputFileName(name);
    }
    const PageSetupScope scope(*printer_);
    applyPageSetup(*printer_, document, toPdf());
    printer_->setDocName(fromCp(document.title));

    QPainter painter;
    if (!painter.begin(printer_.get())) throw RunError(RunError::PrinterError);
    const bool ok = renderDocument(painter, document, printerFrame(*printer_, document, toPdf()),
                                   [this] { return printer_->newPage(); });
    if (!ok) {
        printer_->abort();
        painter.end();
        throw RunError(RunError::PrinterError);
    }
    if (!painter.end()) throw RunError(RunError::PrinterError);
}

void QtPrinter::abort() {
    // Documents are drawn and ended inside submit(); one that failed there
    // has already been discarded, so nothing is left open here.
    if (printer_->printerState() == QPrinter::Active) printer_->abort();
}

bool QtPrinter::preview(const Document& document) {
    const PageSetupScope scope(*printer_);
    applyPageSetup(*printer_, document, toPdf());

    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("frmPrintPreview"));
    dialog.setWindowTitle(document.title.empty() ? QStringLiteral("Print Preview")
                                                 : "Print Preview - " + fromCp(document.title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QPrintPreviewWidget(printer_.get(), &dialog);
    view->setObjectName(QStringLiteral("pvwDocument"));
    QObject::connect(view, &QPrintPreviewWidget::paintRequested, &dialog, [&](QPrinter* target) {
        QPainter painter(target);
        RenderFrame frame = printerFrame(*target, document, toPdf());
        frame.outlines = true;
        renderDocument(painter, document, frame, [target] { return target->newPage(); });
    });
    layout->addWidget(view, 1);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* print = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("cmdPreviewPrint"));
    QPushButton* back = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    back->setObjectName(QStringLiteral("cmdPreviewClose"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(820, 900);
    view->fitInView();
    print->setDefault(true);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace varnel
