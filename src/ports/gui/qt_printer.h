#pragma once
#include <QPrinter>
#include <memory>

#include "ports/printer.h"

namespace varnel {

// The system printer (CUPS) or a PDF file, behind the printer port.
class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    std::string deviceName() const override;
    PrintDialogResult showPrintDialog(const PrintDialogOptions& options) override;
    void submit(const Document& document) override;
    void abort() override;

private:
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace varnel
