#pragma once
// What the print commands share: how they end, and the box a
// failed printout shows.
#include <string>

#include "ports/dialogs.h"
#include "ports/printer.h"
#include "printing/printer_error.h"

namespace varnel {

enum class PrintOutcome {
    Printed,    // every copy went to the printer
    Cancelled,  // the print dialog was cancelled
    Refused,    // nothing to print; the user was told
    Failed,     // the document was aborted and the printer box shown
};

// Aborts the document being built and shows the printer box under `title`
// (the detail sheet's title ends in a full stop).
inline PrintOutcome printerProblem(Dialogs& dialogs, Printer& printer,
                                   const std::string& title = kPrinterErrorTitle) {
    printer.abort();
    dialogs.messageBox(title, kPrinterErrorText, Icon::Warning, Buttons::Ok);
    return PrintOutcome::Failed;
}

// The dialog's copy count, never below one.
inline int copiesOf(const PrintDialogResult& result) {
    return result.copies < 1 ? 1 : result.copies;
}

}  // namespace varnel
