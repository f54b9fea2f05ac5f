#include "support/scripted_dialogs.h"

namespace varnel::testing {

Answer ScriptedDialogs::messageBox(const std::string& title, const std::string& text, Icon icon,
                                   Buttons buttons) {
    return messageBoxWithDetails(title, text, std::string(), icon, buttons);
}

Answer ScriptedDialogs::messageBoxWithDetails(const std::string& title, const std::string& text,
                                              const std::string& details, Icon icon,
                                              Buttons buttons) {
    ShownBox box;
    box.details = details;
    box.kind = ShownBox::Message;
    box.title = title;
    box.text = text;
    box.icon = icon;
    box.buttons = buttons;
    log.push_back(box);
    if (!answers_.empty()) {
        Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return Answer::Yes;
        case Buttons::RetryCancel:
            return Answer::Retry;
        default:
            return Answer::Ok;
    }
}

std::string ScriptedDialogs::inputBox(const std::string& title, const std::string& prompt,
                                      const std::string& preset) {
    ShownBox box;
    box.kind = ShownBox::Input;
    box.title = title;
    box.text = prompt;
    box.preset = preset;
    log.push_back(box);
    if (inputs_.empty()) return "";
    std::string s = inputs_.front();
    inputs_.pop_front();
    return s;
}

void ScriptedDialogs::beep() {
    ShownBox box;
    box.kind = ShownBox::Beep;
    log.push_back(box);
}

FileDialogResult ScriptedDialogs::openFileDialog(const FileDialogRequest& request) {
    ShownBox box;
    box.kind = ShownBox::OpenFile;
    box.title = request.title;
    box.file = request;
    log.push_back(box);
    if (onFileDialog) onFileDialog();
    if (files_.empty()) return {};
    FileDialogResult r = files_.front();
    files_.pop_front();
    return r;
}

void ScriptedDialogs::setClipboardText(const std::string& text) {
    clipboard = text;
    ShownBox box;
    box.kind = ShownBox::ClipboardSet;
    box.text = text;
    log.push_back(box);
}

bool ScriptedDialogs::shellOpen(const std::string& target) {
    opened.push_back(target);
    ShownBox box;
    box.kind = ShownBox::Shell;
    box.text = target;
    log.push_back(box);
    return !shellFails;
}

void ScriptedDialogs::saveSetting(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& value) {
    settings[application + "/" + section + "/" + key] = value;
}

std::string ScriptedDialogs::getSetting(const std::string& application, const std::string& section,
                                        const std::string& key) {
    auto it = settings.find(application + "/" + section + "/" + key);
    return it == settings.end() ? std::string() : it->second;
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> out;
    for (const ShownBox& b : log) {
        if (b.kind == ShownBox::Message) out.push_back(b.title + "|" + b.text);
    }
    return out;
}

std::size_t ScriptedDialogs::beeps() const {
    std::size_t n = 0;
    for (const ShownBox& b : log) n += b.kind == ShownBox::Beep ? 1 : 0;
    return n;
}

}  // namespace varnel::testing
