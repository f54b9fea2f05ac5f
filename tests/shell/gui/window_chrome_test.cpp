// The Edit and Help menus and the error box every window shares.
#include "shell/gui/window_chrome.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "support/scripted_dialogs.h"
#include "support/scripted_window_host.h"

namespace varnel {
namespace {

class WindowChrome : public ::testing::Test {
protected:
    WindowChrome() {
        edit = new QLineEdit(&window);
        window.setCentralWidget(edit);
        editMenu = addEditMenu(window, dialogs, {"mnuXEdit", "mnuXCut", "mnuXCopy", "mnuXPaste"});
        helpMenu = addHelpMenu(window, host, {"mnuXHelp", "mnuXManual", "mnuXAbout"});
        window.show();
        edit->setFocus();
    }
    testing::ScriptedDialogs dialogs;
    testing::ScriptedWindowHost host;
    QMainWindow window;
    QLineEdit* edit;
    EditMenu editMenu;
    HelpMenu helpMenu;
};

TEST_F(WindowChrome, EditMenuActsOnTheFocusedBoxThroughTheClipboard) {
    edit->setText("12 Main St");
    edit->deselect();
    emit editMenu.menu->aboutToShow();
    EXPECT_FALSE(editMenu.cut->isEnabled());
    EXPECT_TRUE(editMenu.paste->isEnabled());

    edit->setSelection(3, 4);
    emit editMenu.menu->aboutToShow();
    ASSERT_TRUE(editMenu.cut->isEnabled());
    editMenu.cut->trigger();
    EXPECT_EQ(dialogs.clipboard, "Main");
    EXPECT_EQ(edit->text(), "12  St");
    edit->setCursorPosition(3);
    editMenu.paste->trigger();
    EXPECT_EQ(edit->text(), "12 Main St");

    EXPECT_EQ(window.findChild<QAction*>("mnuXCopy"), editMenu.copy);
    EXPECT_EQ(editMenu.paste->shortcut(), QKeySequence(QKeySequence::Paste));
    EXPECT_EQ(editMenu.selectAll, nullptr);
}

TEST_F(WindowChrome, HelpMenuAsksTheHostAndErrorBoxOffersRetry) {
    helpMenu.manual->trigger();
    window.findChild<QAction*>("mnuXAbout")->trigger();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"openManual", "openAbout"}));

    dialogs.queueAnswer(Answer::Retry);
    dialogs.queueAnswer(Answer::Cancel);
    EXPECT_TRUE(retryAfterError(dialogs, RunError(RunError::DiskFull)));
    EXPECT_FALSE(retryAfterError(dialogs, RunError(RunError::DiskFull)));
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[0].title, "Error");
    EXPECT_EQ(dialogs.log[0].text, commonErrorText(RunError(RunError::DiskFull)));
}

}  // namespace
}  // namespace varnel
