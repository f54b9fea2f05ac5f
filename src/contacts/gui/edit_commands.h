#pragma once
// Cut, Copy and Paste of the contact windows' Edit menus, acting on the
// control that has the focus and going through the clipboard port.
#include <QAction>
#include <QWidget>

#include "ports/dialogs.h"

namespace varnel {

// Opening the menu: Cut and Copy are enabled unless the focused control is a
// text box with nothing selected. Paste stays enabled.
void editMenuOpening(QWidget* focused, QAction* cut, QAction* copy);
void copySelection(QWidget* focused, Dialogs& dialogs);
void cutSelection(QWidget* focused, Dialogs& dialogs);
void pasteClipboard(QWidget* focused, Dialogs& dialogs);

}  // namespace varnel
