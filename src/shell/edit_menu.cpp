#include "shell/edit_menu.h"

#include <algorithm>

namespace varnel {

EditMenuState editMenuState(const EditTarget* focused) {
    EditMenuState state;
    if (focused && focused->isTextBox() && focused->selectedText().empty()) {
        state.cut = false;
        state.copy = false;
    }
    return state;
}

void editCopy(EditTarget* focused, Dialogs& dialogs) {
    if (!focused || !focused->isTextBox()) return;
    dialogs.setClipboardText("");
    dialogs.setClipboardText(focused->selectedText());
}

void editCut(EditTarget* focused, Dialogs& dialogs) {
    if (!focused || !focused->isTextBox()) return;
    editCopy(focused, dialogs);
    focused->replaceSelection("");
}

void editPaste(EditTarget* focused, Dialogs& dialogs) {
    if (!focused || !focused->isTextBox()) return;
    focused->replaceSelection(dialogs.clipboardText());
}

TextBoxTarget::TextBoxTarget(std::string text, std::size_t selStart, std::size_t selLength)
    : text_(std::move(text)) {
    start_ = std::min(selStart, text_.size());
    length_ = std::min(selLength, text_.size() - start_);
}

std::string TextBoxTarget::selectedText() const { return text_.substr(start_, length_); }

void TextBoxTarget::replaceSelection(const std::string& text) {
    text_.replace(start_, length_, text);
    start_ += text.size();
    length_ = 0;
}

}  // namespace varnel
