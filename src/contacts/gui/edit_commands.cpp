#include "contacts/gui/edit_commands.h"

#include <QLineEdit>

#include "ports/gui/qt_text.h"

namespace varnel {

void editMenuOpening(QWidget* focused, QAction* cut, QAction* copy) {
    cut->setEnabled(true);
    copy->setEnabled(true);
    if (auto* edit = qobject_cast<QLineEdit*>(focused); edit && edit->selectedText().isEmpty()) {
        cut->setEnabled(false);
        copy->setEnabled(false);
    }
}

void copySelection(QWidget* focused, Dialogs& dialogs) {
    auto* edit = qobject_cast<QLineEdit*>(focused);
    if (!edit) return;  // only text boxes hold a selection
    dialogs.setClipboardText("");
    dialogs.setClipboardText(toCp(edit->selectedText()));
}

void cutSelection(QWidget* focused, Dialogs& dialogs) {
    auto* edit = qobject_cast<QLineEdit*>(focused);
    if (!edit) return;
    copySelection(edit, dialogs);
    if (edit->hasSelectedText()) edit->del();
}

void pasteClipboard(QWidget* focused, Dialogs& dialogs) {
    auto* edit = qobject_cast<QLineEdit*>(focused);
    if (!edit) return;
    edit->insert(fromCp(dialogs.clipboardText()));
}

}  // namespace varnel
