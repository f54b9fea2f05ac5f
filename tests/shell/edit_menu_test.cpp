// The Edit menu's rules on a plain text box.
#include "shell/edit_menu.h"

#include <gtest/gtest.h>

#include "shell/lookups.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

using testing::ScriptedDialogs;
using testing::ShownBox;

class Button : public EditTarget {
public:
    bool isTextBox() const override { return false; }
    std::string selectedText() const override { return {}; }
    void replaceSelection(const std::string&) override { touched = true; }
    bool touched = false;
};

TEST(EditMenuState, CutAndCopyNeedASelectionInATextBox) {
    TextBoxTarget none("12 Main St", 3, 0);
    EditMenuState s = editMenuState(&none);
    EXPECT_FALSE(s.cut);
    EXPECT_FALSE(s.copy);
    EXPECT_TRUE(s.paste);

    TextBoxTarget some("12 Main St", 3, 4);
    s = editMenuState(&some);
    EXPECT_TRUE(s.cut && s.copy && s.paste);

    Button button;
    s = editMenuState(&button);
    EXPECT_TRUE(s.cut && s.copy && s.paste);
    s = editMenuState(nullptr);
    EXPECT_TRUE(s.cut && s.copy && s.paste);
}

TEST(EditCommands, CutOfMainLeavesTwoSpaces) {
    ScriptedDialogs dialogs;
    dialogs.clipboard = "old";
    TextBoxTarget box("12 Main St", 3, 4);
    editCut(&box, dialogs);
    EXPECT_EQ(box.text(), "12  St");
    EXPECT_EQ(dialogs.clipboard, "Main");
    EXPECT_EQ(box.selStart(), 3u);
    // The clipboard is cleared first, then filled.
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[0].kind, ShownBox::ClipboardSet);
    EXPECT_EQ(dialogs.log[0].text, "");
    EXPECT_EQ(dialogs.log[1].text, "Main");
}

TEST(EditCommands, CopyKeepsTheTextAndPasteReplacesTheSelection) {
    ScriptedDialogs dialogs;
    TextBoxTarget box("Ann Lee", 0, 3);
    editCopy(&box, dialogs);
    EXPECT_EQ(box.text(), "Ann Lee");
    EXPECT_EQ(dialogs.clipboard, "Ann");
    TextBoxTarget target("Dear Sir", 5, 3);
    editPaste(&target, dialogs);
    EXPECT_EQ(target.text(), "Dear Ann");
    TextBoxTarget caret("AB", 1, 0);
    editPaste(&caret, dialogs);
    EXPECT_EQ(caret.text(), "AAnnB");
}

TEST(EditCommands, AControlWithoutTextIsLeftAlone) {
    ScriptedDialogs dialogs;
    dialogs.clipboard = "keep";
    Button button;
    editCut(&button, dialogs);
    editCopy(&button, dialogs);
    editPaste(&button, dialogs);
    editPaste(nullptr, dialogs);
    EXPECT_FALSE(button.touched);
    EXPECT_EQ(dialogs.clipboard, "keep");
    EXPECT_TRUE(dialogs.log.empty());
}

TEST(Lookups, DocumentsLieInTheProgramFolderAndTheVersionComesFromTheBuild) {
    EXPECT_EQ(userManualPath("/opt/varnel"), std::filesystem::path("/opt/varnel/vrnUman.pdf"));
    EXPECT_EQ(stateListPath("/opt/varnel"),
              std::filesystem::path("/opt/varnel/vrn_state_abbreviations.pdf"));
    EXPECT_EQ(kZipLookupAddress.rfind("https://tools.usps.com/", 0), 0u);
    EXPECT_EQ(kPeopleSearchAddress.rfind("https://", 0), 0u);
    EXPECT_EQ(versionCaption("1.0.0"), "Version 1.0.0");
    EXPECT_EQ(versionCaption("2.07.010"), "Version 2.7.10");
    EXPECT_EQ(versionCaption("3.1"), "Version 3.1.0");
    EXPECT_EQ(versionCaption(VARNEL_VERSION).rfind("Version ", 0), 0u);
}

TEST(Lookups, DocumentsInstalledBesideTheProgramAreFoundWhenTheFolderHasNone) {
    testing::TempDir data, install;
    testing::writeFileBytes(install / "vrnUman.pdf", "%PDF");
    EXPECT_EQ(userManualPath(data.path(), install.path()), install / "vrnUman.pdf");
    // Neither folder has the list: the program folder's name is opened (and fails quietly).
    EXPECT_EQ(stateListPath(data.path(), install.path()), data / "vrn_state_abbreviations.pdf");
    testing::writeFileBytes(data / "vrnUman.pdf", "%PDF");
    EXPECT_EQ(userManualPath(data.path(), install.path()), data / "vrnUman.pdf");
}

}  // namespace
}  // namespace varnel
