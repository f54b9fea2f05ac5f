// The contact windows as the running program opens them from the main window,
// through its window host: every command that opens the browser, the contact
// list's pick, and a label printed from a browsed contact.
#include <QRadioButton>

#include "main_window_fixture.h"

namespace varnel::testing {
namespace {

using ContactWindowsFromMain = MainWindowTest;

TEST_F(ContactWindowsFromMain, EveryCommandOpensTheBrowserAndCloseBringsTheMainWindowBack) {
    startMain(three());
    const std::vector<std::function<void()>> commands = {
        [&] { mainControl<QAction>("mnuEdit")->trigger(); },
        [&] { mainControl<QAction>("mnuFind")->trigger(); },
        [&] { mainControl<QAction>("mnuDelete")->trigger(); },
        [&] { mainControl<QAction>("mnuViewOne")->trigger(); },
        [&] { mainControl<QPushButton>("cmdFindContact")->click(); },
    };
    for (const auto& command : commands) {
        command();
        frmEdDelViewContact* b = browser();
        ASSERT_TRUE(b);
        EXPECT_FALSE(main->isVisible());
        EXPECT_EQ(child<QComboBox>(b, "cboFindContact")->count(), 3);
        EXPECT_EQ(b->focusWidget(), child<QComboBox>(b, "cboFindContact"));
        button(b, "cmdCancel")->click();
        EXPECT_EQ(browser(), nullptr);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(main->focusWidget(), mainControl<QLineEdit>("txtVRLine1"));
        EXPECT_EQ(ctx->CurrentRecord, 0);
    }
}

TEST_F(ContactWindowsFromMain, TheContactListsPickOpensTheBrowserOnThatContact) {
    startMain(three());
    ctx->CurrentRecord = 3;
    main->host().openWindow(WindowKind::ContactBrowser);
    frmEdDelViewContact* b = browser();
    ASSERT_TRUE(b);
    EXPECT_EQ(ctx->CurrentRecord, 3);
    EXPECT_EQ(textOf(b, "txtACFName"), "Bob");
    EXPECT_TRUE(button(b, "cmdSave")->isEnabled());
}

TEST_F(ContactWindowsFromMain, ThePrintedLabelCarriesTheBrowsedContact) {
    startMain(three());
    mainControl<QPushButton>("cmdFindContact")->click();
    frmEdDelViewContact* b = browser();
    ASSERT_TRUE(b);
    auto* find = child<QComboBox>(b, "cboFindContact");
    find->setCurrentIndex(0);
    emit find->activated(0);
    button(b, "cmdPrintLabel")->click();
    EXPECT_EQ(browser(), nullptr);
    EXPECT_TRUE(main->isVisible());
    dialogs.queueInput("1");
    mainControl<QRadioButton>("optVRLabel")->click();
    mainControl<QPushButton>("cmdVRStart")->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    std::vector<std::string> printed;
    for (const Placement& p : printer.documents[0].placements) printed.push_back(p.text);
    EXPECT_EQ(printed, (std::vector<std::string>{"ann Q Able", "Acme", "12 Main St",
                                                 "Springfield, IL  62704"}));
    EXPECT_EQ(ctx->CurrentRecord, 0);
}

}  // namespace
}  // namespace varnel::testing
