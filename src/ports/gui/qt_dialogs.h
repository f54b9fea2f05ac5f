#pragma once
#include <QWidget>

#include "ports/dialogs.h"

namespace varnel {

// The platform's boxes, file dialog, clipboard, shell and settings store.
class QtDialogs : public Dialogs {
public:
    Answer messageBox(const std::string& title, const std::string& text, Icon icon,
                      Buttons buttons) override;
    Answer messageBoxWithDetails(const std::string& title, const std::string& text,
                                 const std::string& details, Icon icon, Buttons buttons) override;
    std::string inputBox(const std::string& title, const std::string& prompt,
                         const std::string& preset) override;
    void beep() override;
    FileDialogResult openFileDialog(const FileDialogRequest& request) override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;
    bool shellOpen(const std::string& target) override;
    void saveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;
    std::string getSetting(const std::string& application, const std::string& section,
                           const std::string& key) override;
    void setBusy(bool busy) override;

private:
    QWidget* parent() const;
};

}  // namespace varnel
