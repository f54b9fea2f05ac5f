#pragma once
// Dialogs that answer from a queue and record every box, beep and request,
// so a test can assert what the user saw, in order.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ports/dialogs.h"

namespace varnel::testing {

struct ShownBox {
    enum Kind { Message, Input, Beep, OpenFile, Shell, ClipboardSet };
    Kind kind = Message;
    std::string title;
    std::string text;     // message text or input prompt
    std::string details;  // a message's details (UTF-8), empty when it has none
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    std::string preset;      // input boxes
    FileDialogRequest file;  // open-file dialogs
};

class ScriptedDialogs : public Dialogs {
public:
    // Queue answers. A message box with an empty queue answers OK (or the
    // first button); an input box answers "" (Cancel); a file dialog cancels.
    void queueAnswer(Answer a) { answers_.push_back(a); }
    void queueInput(std::string text) { inputs_.push_back(std::move(text)); }
    void queueFile(std::string path, std::string title) {
        files_.push_back({std::move(path), std::move(title)});
    }

    Answer messageBox(const std::string& title, const std::string& text, Icon icon,
                      Buttons buttons) override;
    Answer messageBoxWithDetails(const std::string& title, const std::string& text,
                                 const std::string& details, Icon icon, Buttons buttons) override;
    std::string inputBox(const std::string& title, const std::string& prompt,
                         const std::string& preset) override;
    void beep() override;
    FileDialogResult openFileDialog(const FileDialogRequest& request) override;
    std::string clipboardText() override { return clipboard; }
    void setClipboardText(const std::string& text) override;
    bool shellOpen(const std::string& target) override;
    void saveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;
    std::string getSetting(const std::string& application, const std::string& section,
                           const std::string& key) override;
    void setBusy(bool busy) override { busyChanges.push_back(busy); }

    // Every interaction in order.
    std::vector<ShownBox> log;
    // Only the message boxes, as "title|text".
    std::vector<std::string> messages() const;
    std::size_t beeps() const;
    std::size_t pendingAnswers() const { return answers_.size() + inputs_.size() + files_.size(); }

    std::string clipboard;
    std::vector<std::string> opened;              // shell open targets
    std::map<std::string, std::string> settings;  // "app/section/key" -> value
    std::vector<bool> busyChanges;
    // What the folder looks like while the file dialog is open, for instance.
    std::function<void()> onFileDialog;
    // A system without a viewer or browser: shellOpen records and fails.
    bool shellFails = false;

private:
    std::deque<Answer> answers_;
    std::deque<std::string> inputs_;
    std::deque<FileDialogResult> files_;
};

}  // namespace varnel::testing
