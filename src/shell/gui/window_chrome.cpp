#include "shell/gui/window_chrome.h"

#include <QEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "shell/gui/qt_edit_target.h"

namespace varnel {

QMenu* addNamedMenu(QMainWindow& window, const char* name, const char* caption) {
    QMenu* menu = window.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction* addMenuItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

TwoChoices makeTwoChoices(QWidget* parent, NamedCaption box, NamedCaption first,
                          NamedCaption second) {
    auto* group = new QGroupBox(box.caption, parent);
    group->setObjectName(box.name);
    auto* layout = new QVBoxLayout(group);
    const auto add = [group, layout](NamedCaption choice) {
        auto* option = new QRadioButton(choice.caption, group);
        option->setObjectName(choice.name);
        layout->addWidget(option);
        return option;
    };
    return {group, add(first), add(second)};  // braces: first, then second
}

EditMenu addEditMenu(QMainWindow& window, Dialogs& dialogs, const EditMenuNames& names) {
    EditMenu m;
    m.menu = addNamedMenu(window, names.menu, "&Edit");
    m.cut = addMenuItem(m.menu, names.cut, "Cut");
    m.cut->setShortcut(QKeySequence::Cut);
    m.copy = addMenuItem(m.menu, names.copy, "Copy");
    m.copy->setShortcut(QKeySequence::Copy);
    m.paste = addMenuItem(m.menu, names.paste, "Paste");
    m.paste->setShortcut(QKeySequence::Paste);
    if (names.selectAll != nullptr) {
        m.selectAll = addMenuItem(m.menu, names.selectAll, "Select All");
        m.selectAll->setShortcut(QKeySequence::SelectAll);
    }
    QWidget* w = &window;
    QObject::connect(m.menu, &QMenu::aboutToShow, &window,
                     [w, m] { applyEditMenuState(w->focusWidget(), m.cut, m.copy, m.paste); });
    QObject::connect(m.cut, &QAction::triggered, &window,
                     [w, &dialogs] { editCut(editTargetFor(w->focusWidget()).get(), dialogs); });
    QObject::connect(m.copy, &QAction::triggered, &window,
                     [w, &dialogs] { editCopy(editTargetFor(w->focusWidget()).get(), dialogs); });
    QObject::connect(m.paste, &QAction::triggered, &window,
                     [w, &dialogs] { editPaste(editTargetFor(w->focusWidget()).get(), dialogs); });
    return m;
}

HelpMenu addHelpMenu(QMainWindow& window, WindowHost& host, const HelpMenuNames& names) {
    HelpMenu m;
    m.menu = addNamedMenu(window, names.menu, "&Help");
    m.manual = addMenuItem(m.menu, names.manual, "User Manual");
    m.manual->setShortcut(QKeySequence::HelpContents);
    m.about = addMenuItem(m.menu, names.about, "About Varnel");
    QObject::connect(m.manual, &QAction::triggered, &window, [&host] { host.openManual(); });
    QObject::connect(m.about, &QAction::triggered, &window, [&host] { host.openAbout(); });
    return m;
}

bool retryAfterError(Dialogs& dialogs, const RunError& error) {
    return dialogs.messageBox("Error", commonErrorText(error), Icon::Critical,
                              Buttons::RetryCancel) == Answer::Retry;
}

namespace {

// Watches the window's close event without taking it.
class ShowMainOnClose : public QObject {
public:
    ShowMainOnClose(QWidget& window, WindowHost& host) : QObject(&window), host_(host) {
        window.installEventFilter(this);
    }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Close) returnToMain(host_);
        return false;
    }

private:
    WindowHost& host_;
};

}  // namespace

void showMainWhenClosed(QWidget& window, WindowHost& host) { new ShowMainOnClose(window, host); }

void exitProgram(QWidget& window, ContactFile& file, WindowHost& host) {
    file.close();
    host.endProgram();
    window.close();
}

}  // namespace varnel
