#pragma once
#include <QPrinter>
#include <QString>
#include <memory>

#include "ports/printer.h"

namespace varnel {

// The system printer (CUPS) or a PDF file, behind the printer port. The
// dialog always offers "Print to File (PDF)": on this platform it is how a
// user gets a PDF, and the only destination on a machine without printers.
// A PDF destination behaves as a printer whose printable area starts
// kPrintableOffsetX / kPrintableOffsetY points from the paper's corner; an
// envelope gets a PDF page of its own size.
class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    std::string deviceName() const override;
    PrintDialogResult showPrintDialog(const PrintDialogOptions& options) override;
    void submit(const Document& document) override;
    void abort() override;
    // Qt's preview of the document on this printer's page set-up, with the
    // stock's outlines; Print or Close.
    bool preview(const Document& document) override;

    // For a program that prints without the dialog (the command line, tests,
    // tools): the dialog then answers one copy at once.
    QPrinter& qprinter() { return *printer_; }
    // Sends the next documents to this PDF file.
    void printToPdf(const QString& fileName);
    // Sends the next documents to the named system printer.
    void printTo(const QString& printerName);

private:
    bool toPdf() const;

    std::unique_ptr<QPrinter> printer_;
    // The PDF file chosen in the dialog; copies after the first get "-2", "-3"
    // so that no copy overwrites another.
    QString pdfFile_;
    int documentsSinceDialog_ = 0;
    bool interactive_ = true;
};

}  // namespace varnel
