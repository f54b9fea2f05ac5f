#include "shell/gui/qt_edit_target.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "ports/gui/qt_text.h"

namespace varnel {

namespace {

class LineEditTarget : public EditTarget {
public:
    explicit LineEditTarget(QLineEdit* edit) : edit_(edit) {}
    bool isTextBox() const override { return true; }
    std::string selectedText() const override { return toCp(edit_->selectedText()); }
    void replaceSelection(const std::string& text) override {
        // insert() replaces the selection and keeps the undo history.
        if (!edit_->isReadOnly()) edit_->insert(fromCp(text));
    }

private:
    QLineEdit* edit_;
};

template <typename Editor>
class TextEditTarget : public EditTarget {
public:
    explicit TextEditTarget(Editor* edit) : edit_(edit) {}
    bool isTextBox() const override { return true; }
    std::string selectedText() const override {
        return toCp(edit_->textCursor().selectedText().replace(QChar::ParagraphSeparator, "\r\n"));
    }
    void replaceSelection(const std::string& text) override {
        if (!edit_->isReadOnly()) edit_->insertPlainText(fromCp(text));
    }

private:
    Editor* edit_;
};

class OtherControlTarget : public EditTarget {
public:
    bool isTextBox() const override { return false; }
    std::string selectedText() const override { return {}; }
    void replaceSelection(const std::string&) override {}
};

}  // namespace

std::unique_ptr<EditTarget> editTargetFor(QWidget* focused) {
    if (!focused) return nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(focused))
        return std::make_unique<LineEditTarget>(line);
    if (auto* text = qobject_cast<QTextEdit*>(focused)) {
        return std::make_unique<TextEditTarget<QTextEdit>>(text);
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focused)) {
        return std::make_unique<TextEditTarget<QPlainTextEdit>>(plain);
    }
    return std::make_unique<OtherControlTarget>();
}

void applyEditMenuState(QWidget* focused, QAction* cut, QAction* copy, QAction* paste) {
    std::unique_ptr<EditTarget> target = editTargetFor(focused);
    EditMenuState state = editMenuState(target.get());
    cut->setEnabled(state.cut);
    copy->setEnabled(state.copy);
    paste->setEnabled(state.paste);
}

}  // namespace varnel
