#pragma once
// What every window has alike, written once: its Edit and Help menus, the
// common error box, and the main window coming back when it closes.
#include <QAction>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <tuple>

#include "ports/dialogs.h"
#include "ports/window_host.h"
#include "store/contact_file.h"
#include "text/run_error.h"

namespace varnel {

// A menu of the menu bar, and a menu item, each with its object name, so
// tests and the window find them.
QMenu* addNamedMenu(QMainWindow& window, const char* name, const char* caption);
QAction* addMenuItem(QMenu* menu, const char* name, const char* caption);

// A group box of two exclusive choices, one above the other, each control
// with its object name.
using TwoChoices = std::tuple<QGroupBox*, QRadioButton*, QRadioButton*>;
struct NamedCaption {
    const char* name;
    const char* caption;
};
TwoChoices makeTwoChoices(QWidget* parent, NamedCaption box, NamedCaption first,
                          NamedCaption second);

// Object names of a window's Edit menu; selectAll only where the window has one.
struct EditMenuNames {
    const char* menu;
    const char* cut;
    const char* copy;
    const char* paste;
    const char* selectAll = nullptr;
};

struct EditMenu {
    QMenu* menu = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* selectAll = nullptr;  // the window connects it: what "all" is differs
};

// "&Edit" with Cut, Copy and Paste (standard shortcuts) acting on the focused
// control through the clipboard port; opening it applies the enable rule.
EditMenu addEditMenu(QMainWindow& window, Dialogs& dialogs, const EditMenuNames& names);

struct HelpMenuNames {
    const char* menu;
    const char* manual;
    const char* about;
};

struct HelpMenu {
    QMenu* menu = nullptr;
    QAction* manual = nullptr;
    QAction* about = nullptr;
};

// "&Help" with "User Manual" (F1) and "About Varnel", both asked of the host.
HelpMenu addHelpMenu(QMainWindow& window, WindowHost& host, const HelpMenuNames& names);

// The common error box: "Error", the error's text, Retry and Cancel. True
// when the user chose Retry.
bool retryAfterError(Dialogs& dialogs, const RunError& error);

// A window that closes gives the main window back, unless the program is
// ending (then the main window is closing the others).
inline void returnToMain(WindowHost& host) {
    if (!host.ending()) host.showMain();
}

// The same for a window that gives the main window back however it closes
// (its Close or Cancel button, the close box).
void showMainWhenClosed(QWidget& window, WindowHost& host);

// File > Exit of a window beside the main one: the contact file closes and
// the program ends, this window with it.
void exitProgram(QWidget& window, ContactFile& file, WindowHost& host);

}  // namespace varnel
