#include "support/scripted_printer.h"

#include "text/run_error.h"

namespace varnel::testing {

PrintDialogResult ScriptedPrinter::showPrintDialog(const PrintDialogOptions& options) {
    dialogs.push_back(options);
    if (dialogAnswers.empty()) return PrintDialogResult{false, 1, false};
    PrintDialogResult r = dialogAnswers.front();
    dialogAnswers.pop_front();
    return r;
}

void ScriptedPrinter::submit(const Document& document) {
    if (failWith != 0) throw RunError(failWith);
    documents.push_back(document);
}

bool ScriptedPrinter::preview(const Document& document) {
    previews.push_back(document);
    if (previewAnswers.empty()) return true;
    const bool print = previewAnswers.front();
    previewAnswers.pop_front();
    return print;
}

}  // namespace varnel::testing
