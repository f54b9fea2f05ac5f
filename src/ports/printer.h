#pragma once
// The system printer and its print dialog.
#include <string>

#include "ports/document.h"

namespace varnel {

struct PrintDialogOptions {
    bool printToFileDisabled = true;
    bool selectionOffered = false;
    // Allowed page range and preset range; 0 means none.
    int minPage = 0;
    int maxPage = 0;
    int fromPage = 0;
    int toPage = 0;
};

struct PrintDialogResult {
    bool cancelled = true;
    int copies = 1;
    bool selection = false;
};

class Printer {
public:
    virtual ~Printer() = default;
    // The current printer's device name.
    virtual std::string deviceName() const = 0;
    // The printer chosen in the dialog becomes the current printer.
    virtual PrintDialogResult showPrintDialog(const PrintDialogOptions& options) = 0;
    // Sends one finished document; raises RunError when the printer fails.
    virtual void submit(const Document& document) = 0;
    // Shows the document as the current printer would print it, with the
    // outlines of its stock; true when the user chose to print it, false when
    // the user went back.
    virtual bool preview(const Document& document) = 0;
    // Discards the document being built after a failure.
    virtual void abort() = 0;
};

}  // namespace varnel
