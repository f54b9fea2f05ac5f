#include "ports/gui/qt_printer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "ports/gui/qt_text.h"
#include "printing/gui/document_renderer.h"
#include "printing/page_geometry.h"
#include "store/run_error.h"

namespace varnel {

QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    // Label and envelope stock is sold for Letter printers.
    printer_->setPageSize(QPageSize(QPageSize::Letter));
    printer_->setFullPage(false);
}

QtPrinter::~QtPrinter() = default;

std::string QtPrinter::deviceName() const {
    if (printer_->outputFormat() == QPrinter::PdfFormat) return "Print to File (PDF)";
    return toCp(printer_->printerName());
}

void QtPrinter::printToPdf(const QString& fileName) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(fileName);
    pdfFile_ = fileName;
    documentsSinceDialog_ = 0;
}

PrintDialogResult QtPrinter::showPrintDialog(const PrintDialogOptions& options) {
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
    pdfFile_ = printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName() : "";
    documentsSinceDialog_ = 0;
    return r;
}

void QtPrinter::prepareMargins() {
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        const QMarginsF m(kPrintableOffsetX, kPrintableOffsetY, kPrintableOffsetX,
                          kPrintableOffsetY);
        printer_->setPageMargins(m, QPageLayout::Point);
    } else {
        // A real printer starts where its driver says it can print.
        printer_->setPageMargins(printer_->pageLayout().minimumMargins(),
                                 printer_->pageLayout().units());
    }
}

void QtPrinter::submit(const Document& document) {
    ++documentsSinceDialog_;
    if (printer_->outputFormat() == QPrinter::PdfFormat && !pdfFile_.isEmpty()) {
        QString name = pdfFile_;
        if (documentsSinceDialog_ > 1) {
            const QFileInfo info(pdfFile_);
            const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
            name = info.path() + "/" + info.completeBaseName() + "-" +
                   QString::number(documentsSinceDialog_) + suffix;
        }
        printer_->setOutputFileName(name);
    }
    applyPageSetup(*printer_, document);
    prepareMargins();

    QPainter painter;
    if (!painter.begin(printer_.get())) throw RunError(RunError::PrinterError);
    const bool ok = renderDocument(painter, *printer_, document);
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

}  // namespace varnel
