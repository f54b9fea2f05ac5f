#include "ports/gui/qt_printer.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "ports/gui/qt_text.h"
#include "store/run_error.h"

namespace varnel {

QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}
QtPrinter::~QtPrinter() = default;

std::string QtPrinter::deviceName() const { return printer_->printerName().toStdString(); }

PrintDialogResult QtPrinter::showPrintDialog(const PrintDialogOptions& options) {
    QPrintDialog dialog(printer_.get(), QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, options.selectionOffered);
    if (dialog.exec() != QDialog::Accepted) return PrintDialogResult{true, 1, false};
    PrintDialogResult r;
    r.cancelled = false;
    r.copies = std::max(1, printer_->copyCount());
    r.selection = printer_->printRange() == QPrinter::Selection;
    printer_->setCopyCount(1);
    return r;
}

void QtPrinter::submit(const Document& document) {
    QPainter painter;
    if (!painter.begin(printer_.get())) throw RunError(RunError::PrinterError);
    for (const Placement& p : document.placements) {
        painter.drawText(QPointF(p.x, p.y), fromCp(p.text));
    }
    painter.end();
}

void QtPrinter::abort() {}

}  // namespace varnel
