#pragma once
// What the platform does for the program's dialogues. Every text passed in or
// returned is Windows-1252; file paths are native.
#include <string>

namespace varnel {

enum class Icon { None, Information, Exclamation, Warning, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct FileDialogRequest {
    std::string title;
    std::string initialFolder;
    std::string filterDescription;  // "Data Files (*.DAT)"
    std::string filterPattern;      // "*.DAT"
    bool mustExist = false;         // New accepts a name that does not exist yet
};

struct FileDialogResult {
    std::string path;       // full path, empty on cancel
    std::string fileTitle;  // file name without folder, empty on cancel
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual Answer messageBox(const std::string& title, const std::string& text, Icon icon,
                              Buttons buttons) = 0;
    // Cancel gives the empty text.
    // A message box with further lines behind a "Show Details..." button. The
    // details are UTF-8, so that names in any script show as they were written.
    // Without its own box a platform shows the message alone.
    virtual Answer messageBoxWithDetails(const std::string& title, const std::string& text,
                                         const std::string& details, Icon icon, Buttons buttons) {
        (void)details;
        return messageBox(title, text, icon, buttons);
    }
    virtual std::string inputBox(const std::string& title, const std::string& prompt,
                                 const std::string& preset) = 0;
    virtual void beep() = 0;
    virtual FileDialogResult openFileDialog(const FileDialogRequest& request) = 0;

    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // Opens a web address or a document with the system's default viewer.
    virtual bool shellOpen(const std::string& target) = 0;

    // The per-user settings store.
    virtual void saveSetting(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    virtual std::string getSetting(const std::string& application, const std::string& section,
                                   const std::string& key) = 0;

    // A busy pointer while a long operation runs.
    virtual void setBusy(bool busy) = 0;

    // Convenience for the most common box: OK button only.
    void message(const std::string& title, const std::string& text, Icon icon = Icon::None) {
        messageBox(title, text, icon, Buttons::Ok);
    }
};

}  // namespace varnel
