#pragma once
// The ports a printing word runs the window's own commands through: no box
// is shown and no question asked of anyone at a terminal.
#include <memory>
#include <string>
#include <vector>

#include "ports/dialogs.h"
#include "ports/printer.h"

namespace varnel::cli {

// Answers every box as a user who goes ahead would (OK, and No to "another
// page?"), an input box from a script, and keeps the boxes' texts. The
// settings store is the program's own, when there is one.
class BatchDialogs : public Dialogs {
public:
    explicit BatchDialogs(Dialogs* settings) : settings_(settings) {}

    Answer messageBox(const std::string& title, const std::string& text, Icon icon,
                      Buttons buttons) override;
    std::string inputBox(const std::string& title, const std::string& prompt,
                         const std::string& preset) override;
    void beep() override {}
    FileDialogResult openFileDialog(const FileDialogRequest&) override { return {}; }
    std::string clipboardText() override { return {}; }
    void setClipboardText(const std::string&) override {}
    bool shellOpen(const std::string&) override { return false; }
    void saveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;
    std::string getSetting(const std::string& application, const std::string& section,
                           const std::string& key) override;
    void setBusy(bool) override {}

    // The answer to the next input box; later ones are cancelled.
    void answerInput(std::string text) { inputs_.push_back(std::move(text)); }

    struct Box {
        std::string title;
        std::string text;
    };
    const std::vector<Box>& boxes() const { return boxes_; }

private:
    Dialogs* settings_;
    std::vector<std::string> inputs_;
    std::vector<Box> boxes_;
};

// Counts what reaches the printer, so a word knows whether its command
// printed or stopped at one of its checks.
class CountingPrinter : public Printer {
public:
    explicit CountingPrinter(Printer& printer) : printer_(printer) {}
    std::string deviceName() const override { return printer_.deviceName(); }
    PrintDialogResult showPrintDialog(const PrintDialogOptions& options) override {
        return printer_.showPrintDialog(options);
    }
    void submit(const Document& document) override {
        printer_.submit(document);
        ++submitted_;
    }
    void abort() override { printer_.abort(); }
    bool preview(const Document&) override { return true; }
    int submitted() const { return submitted_; }

private:
    Printer& printer_;
    int submitted_ = 0;
};

}  // namespace varnel::cli
