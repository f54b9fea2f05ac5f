#pragma once
// The one message every printing command shows when printing fails.
#include "ports/dialogs.h"
#include "ports/printer.h"

namespace varnel {

inline constexpr const char* kPrinterErrorTitle = "Printer error";
inline constexpr const char* kPrinterErrorText = "A printer problem exists.  Check printer.";

// Discards the document being printed and shows the "Printer error" box.
void reportPrinterError(Printer& printer, Dialogs& dialogs, Icon icon = Icon::Warning);

}  // namespace varnel
