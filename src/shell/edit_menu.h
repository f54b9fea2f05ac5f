#pragma once
// The Edit menus of the main and import windows: Cut, Copy and Paste act on
// the control that has the focus, through the clipboard port.
#include <cstddef>
#include <string>

#include "ports/dialogs.h"

namespace varnel {

// The focused control as the Edit menu sees it.
class EditTarget {
public:
    virtual ~EditTarget() = default;
    virtual bool isTextBox() const = 0;
    virtual std::string selectedText() const = 0;
    virtual void replaceSelection(const std::string& text) = 0;
};

struct EditMenuState {
    bool cut = true;
    bool copy = true;
    bool paste = true;
};

// Opening the menu: Cut and Copy are off only in a text box with nothing
// selected; Paste is always on. No focused control (null) leaves all on.
EditMenuState editMenuState(const EditTarget* focused);

// A control that is not a text box (a button, a list) has no selection to
// take or replace: the commands leave it and the clipboard alone.
void editCopy(EditTarget* focused, Dialogs& dialogs);
void editCut(EditTarget* focused, Dialogs& dialogs);
void editPaste(EditTarget* focused, Dialogs& dialogs);

// A text box held as plain text with a selection, in bytes.
class TextBoxTarget : public EditTarget {
public:
    TextBoxTarget(std::string text, std::size_t selStart, std::size_t selLength);
    bool isTextBox() const override { return true; }
    std::string selectedText() const override;
    void replaceSelection(const std::string& text) override;

    const std::string& text() const { return text_; }
    std::size_t selStart() const { return start_; }
    std::size_t selLength() const { return length_; }

private:
    std::string text_;
    std::size_t start_;
    std::size_t length_;
};

}  // namespace varnel
