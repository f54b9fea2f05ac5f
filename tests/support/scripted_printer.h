#pragma once
// A printer that answers its dialog from a script and keeps every document.
#include <deque>
#include <string>
#include <vector>

#include "ports/printer.h"

namespace varnel::testing {

class ScriptedPrinter : public Printer {
public:
    std::string device = "Generic PDF Printer";
    // Dialog answers; an empty queue answers one copy, no selection.
    std::deque<PrintDialogResult> dialogAnswers;
    // Preview answers: true for Print, false for going back.
    std::deque<bool> previewAnswers;
    // When set, submit() raises this run-time error number.
    int failWith = 0;

    std::string deviceName() const override { return device; }
    PrintDialogResult showPrintDialog(const PrintDialogOptions& options) override;
    void submit(const Document& document) override;
    void abort() override { ++aborts; }
    // Records the document; answers from previewAnswers, Print when empty.
    bool preview(const Document& document) override;

    void answerCopies(int copies, bool selection = false) {
        dialogAnswers.push_back(PrintDialogResult{false, copies, selection});
    }
    void answerCancel() { dialogAnswers.push_back(PrintDialogResult{true, 1, false}); }

    std::vector<PrintDialogOptions> dialogs;
    std::vector<Document> documents;
    std::vector<Document> previews;
    int aborts = 0;
};

}  // namespace varnel::testing
