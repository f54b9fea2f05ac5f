// The main window's look-ups, documents, About box and Edit menu.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>

#include "app/gui/main_window_fixture.h"
#include "exchange/gui/frmVRExport.h"
#include "exchange/gui/frmVRImport.h"
#include "shell/gui/frmVRAbout.h"

namespace varnel {
namespace {

using testing::ShownBox;
using testing::writeFileBytes;

class MainShell : public testing::MainWindowFixture {
protected:
    template <typename T>
    T* control(const char* name) {
        return testing::find<T>(main.get(), name);
    }
    QLineEdit* line1() { return control<QLineEdit>("txtVRLine1"); }
    void openEdit() { emit control<QMenu>("mnuVREdit")->aboutToShow(); }
};

TEST_F(MainShell, EditMenuWithoutSelectionOffersOnlyPaste) {
    line1()->setText("12 Main St");
    line1()->setFocus();
    line1()->deselect();
    openEdit();
    EXPECT_FALSE(control<QAction>("mnuCut")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuCopy")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuPaste")->isEnabled());

    line1()->setSelection(3, 4);
    openEdit();
    EXPECT_TRUE(control<QAction>("mnuCut")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuCopy")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuPaste")->isEnabled());
}

TEST_F(MainShell, CutOfMainLeavesTwoSpacesAndPastePutsItBack) {
    line1()->setText("12 Main St");
    line1()->setFocus();
    line1()->setSelection(3, 4);
    control<QAction>("mnuCut")->trigger();
    EXPECT_EQ(line1()->text(), "12  St");
    EXPECT_EQ(dialogs.clipboard, "Main");

    control<QLineEdit>("txtVRLine2")->setText("Dear Sir");
    control<QLineEdit>("txtVRLine2")->setFocus();
    control<QLineEdit>("txtVRLine2")->setSelection(5, 3);
    control<QAction>("mnuPaste")->trigger();
    EXPECT_EQ(control<QLineEdit>("txtVRLine2")->text(), "Dear Main");
    control<QLineEdit>("txtVRLine2")->setSelection(0, 4);
    control<QAction>("mnuCopy")->trigger();
    EXPECT_EQ(dialogs.clipboard, "Dear");
    EXPECT_EQ(control<QLineEdit>("txtVRLine2")->text(), "Dear Main");
}

TEST_F(MainShell, WithAButtonFocusedCutAndCopyAreOfferedButTouchNothing) {
    dialogs.clipboard = "keep";
    control<QPushButton>("cmdVRClear")->setFocus();
    openEdit();
    EXPECT_TRUE(control<QAction>("mnuCut")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuCopy")->isEnabled());
    control<QAction>("mnuCut")->trigger();
    control<QAction>("mnuPaste")->trigger();
    EXPECT_EQ(dialogs.clipboard, "keep");
}

TEST_F(MainShell, LookUpsAndDocumentsGoThroughTheShell) {
    control<QPushButton>("cmdZipFinder")->click();
    control<QPushButton>("cmdPeopleFind")->click();
    control<QAction>("mnuStates")->trigger();
    control<QAction>("mnuManual")->trigger();
    EXPECT_EQ(dialogs.opened,
              (std::vector<std::string>{
                  "https://tools.usps.com/zip-code-lookup.htm", "https://www.whitepages.com/",
                  (dir / "vrn_state_abbreviations.pdf").string(), (dir / "vrnUman.pdf").string()}));
    EXPECT_EQ(control<QPushButton>("cmdZipFinder")->text(), "Zip Code Finder");
    // Nothing is reported, whatever the shell did.
    EXPECT_TRUE(dialogs.messages().empty());
}

// Without a viewer or a browser, each command says what it could not open
// and where it is, in the same box every window shows.
TEST_F(MainShell, WhatTheShellCannotOpenIsNamedWithWhereItIs) {
    const std::string folder = dir.path().string();
    struct Case {
        const char* control;
        std::string box;
    };
    const Case cases[] = {
        {"mnuManual",
         "Document not opened|Varnel could not find vrnUman.pdf. It belongs here:\r\n" + folder +
             "/vrnUman.pdf"},
        {"mnuStates",
         "Document not opened|Varnel could not find vrn_state_abbreviations.pdf. It belongs "
         "here:\r\n" +
             folder + "/vrn_state_abbreviations.pdf"},
        {"cmdZipFinder",
         "Web page not opened|Varnel could not open a web browser for this address:\r\n"
         "https://tools.usps.com/zip-code-lookup.htm\r\nType it into your web browser."},
        {"cmdPeopleFind",
         "Web page not opened|Varnel could not open a web browser for this address:\r\n"
         "https://www.whitepages.com/\r\nType it into your web browser."},
    };
    dialogs.shellFails = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        dialogs.log.clear();
        if (QAction* item = main->findChild<QAction*>(c.control)) {
            item->trigger();
        } else {
            control<QPushButton>(c.control)->click();
        }
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{c.box});
    }
    // A manual that is there but has no viewer is named with its full path.
    writeFileBytes(dir / "vrnUman.pdf", "%PDF-1.4");
    dialogs.log.clear();
    control<QAction>("mnuManual")->trigger();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Document not opened|Varnel could not open vrnUman.pdf. It "
                                       "is here:\r\n" +
                                       folder +
                                       "/vrnUman.pdf\r\nOpen it with a PDF viewer, or install "
                                       "one."});
}

// The platform's own keys for the common commands.
TEST_F(MainShell, CommonCommandsHaveTheStandardShortcuts) {
    struct Case {
        const char* item;
        QKeySequence::StandardKey key;
    };
    const Case cases[] = {
        {"mnuFileNew", QKeySequence::New},         {"mnuFileOpen", QKeySequence::Open},
        {"mnuFilePrint", QKeySequence::Print},     {"mnuFileClose", QKeySequence::Close},
        {"mnuFileExit", QKeySequence::Quit},       {"mnuFind", QKeySequence::Find},
        {"mnuManual", QKeySequence::HelpContents}, {"mnuCut", QKeySequence::Cut},
        {"mnuCopy", QKeySequence::Copy},           {"mnuPaste", QKeySequence::Paste},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        // The platform's binding for it (none for Quit on some platforms).
        EXPECT_EQ(control<QAction>(c.item)->shortcut(), QKeySequence::keyBindings(c.key).value(0));
        if (c.key != QKeySequence::Quit) {
            EXPECT_FALSE(control<QAction>(c.item)->shortcut().isEmpty());
        }
    }
    // Ctrl+O, as before, among them.
    EXPECT_EQ(control<QAction>("mnuFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
}

TEST_F(MainShell, AboutIsShownBesideTheMainWindowAndClosesWithIt) {
    control<QAction>("mnuAbout")->trigger();
    frmVRAbout* about = shown<frmVRAbout>();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(about->isModal());
    EXPECT_TRUE(main->isVisible());
    main->close();
    EXPECT_EQ(shown<frmVRAbout>(), nullptr);
}

TEST_F(MainShell, ImportAndExportTakeThePlaceOfTheMainWindow) {
    control<QAction>("mnuImport")->trigger();
    EXPECT_FALSE(main->isVisible());
    ASSERT_NE(shown<frmVRImport>(), nullptr);
    shown<frmVRImport>()->close();
    EXPECT_TRUE(main->isVisible());
    control<QAction>("mnuExport")->trigger();
    EXPECT_FALSE(main->isVisible());
    ASSERT_NE(shown<frmVRExport>(), nullptr);
    // Closing the program closes the open export window too.
    main->close();
    EXPECT_EQ(shown<frmVRExport>(), nullptr);
}

}  // namespace
}  // namespace varnel
