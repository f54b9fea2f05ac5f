#include "printing/printer_error.h"

namespace varnel {

void reportPrinterError(Printer& printer, Dialogs& dialogs, Icon icon) {
    printer.abort();
    dialogs.message(kPrinterErrorTitle, kPrinterErrorText, icon);
}

}  // namespace varnel
