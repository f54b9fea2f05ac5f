#pragma once
// The focused Qt control seen through the Edit menu's rules.
#include <QAction>
#include <QWidget>
#include <memory>

#include "ports/dialogs.h"
#include "shell/edit_menu.h"

namespace varnel {

// Null when nothing has the focus; line edits and text editors are text boxes.
std::unique_ptr<EditTarget> editTargetFor(QWidget* focused);

// The enable rule, applied as the menu opens.
void applyEditMenuState(QWidget* focused, QAction* cut, QAction* copy, QAction* paste);

}  // namespace varnel
