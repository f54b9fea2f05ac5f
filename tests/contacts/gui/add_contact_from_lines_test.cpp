// "Add Contact" on the main window: the composer's lines become a pre-filled
// new-contact form, and what that form saves lands in the contact file.
#include <QCheckBox>

#include "main_window_fixture.h"

namespace varnel::testing {
namespace {

class AddContactFromLines : public MainWindowTest {
protected:
    void typeLines(const std::array<QString, 5>& lines) {
        for (std::size_t i = 0; i < 5; ++i)
            type(mainControl<QLineEdit>(testing::composerLineName(i)), lines[i]);
    }
};

TEST_F(AddContactFromLines, TypedAddressIsSavedByteExact) {
    startMain({person("Old", "", "Timer")});
    ctx->remindersOn = true;  // as record 1 leaves the setting
    typeLines({"Mrs. Jane Q. Doe", "123 Main Street Apt 4", "Springfield, IL 62704", "", ""});
    mainControl<QPushButton>("cmdAddContact")->click();
    frmNewContact* f = newContactForm();
    ASSERT_TRUE(f);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(f->focusWidget(), edit(f, "txtACFName"));
    EXPECT_EQ(edit(f, "txtACFName")->text(), "Jane");
    EXPECT_EQ(edit(f, "txtACMiddleInit")->text(), "Q");
    EXPECT_EQ(edit(f, "txtACLName")->text(), "Doe");
    EXPECT_EQ(edit(f, "txtACFStreet")->text(), "123 Main Street");
    EXPECT_EQ(edit(f, "txtACSStreet")->text(), "Apt 4");
    EXPECT_EQ(edit(f, "txtACCity")->text(), "Springfield");
    EXPECT_EQ(edit(f, "txtACState")->text(), "IL");
    EXPECT_EQ(edit(f, "txtACZip")->text(), "62704");
    EXPECT_EQ(edit(f, "txtACCountry")->text(), "");

    type(edit(f, "txtACCountry"), "usa");
    button(f, "cmdSave")->click();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Contact saved to file|S A V E D"});

    // Record 2, written out field by field.
    std::string expected;
    auto field = [&](const std::string& text, std::size_t width, bool separator = true) {
        std::string v = text;
        v.resize(width, ' ');
        expected += v;
        if (separator) expected += '|';
    };
    field("Jane", 14);
    field("Q", 1);
    field("Doe", 18);
    field("123 Main Street", 30);
    field("Apt 4", 15);
    field("Springfield", 16);
    field("IL", 2);
    field("62704", 10);
    field("USA", 19);
    field("", 15);
    field("", 15);
    field("", 13);
    field("", 50);
    field("", 8);
    field("", 80);
    field("", 160);
    field("", 30);
    field("0", 1);
    field("1", 1, false);
    expected += "\r\n";
    ASSERT_EQ(expected.size(), 518u);
    const std::string bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 2 * 518u);
    EXPECT_EQ(bytes.substr(0, 518), bytesOf({person("Old", "", "Timer")}));
    EXPECT_EQ(bytes.substr(518), expected);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(AddContactFromLines, LineOneWithoutASpaceBeepsAndOpensNothing) {
    startMain();
    typeLines({"Cher", "12 Main St", "", "", ""});
    mainControl<QAction>("mnuAdd")->trigger();
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[0].kind, ShownBox::Beep);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Incorrect entry|Line 1 must contain a space."});
    EXPECT_EQ(newContactForm(), nullptr);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(AddContactFromLines, EmptyLinesOpenAnEmptyForm) {
    startMain();
    mainControl<QPushButton>("cmdAddContact")->click();
    frmNewContact* f = newContactForm();
    ASSERT_TRUE(f);
    for (QLineEdit* e : f->findChildren<QLineEdit*>())
        EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(AddContactFromLines, PositionsThatFindNothingFillWhatTheyCanWithoutAnErrorBox) {
    startMain();
    typeLines({"Mr. Smith", "12, Main", "Minneapolis-MN55401", "", ""});
    mainControl<QPushButton>("cmdAddContact")->click();
    frmNewContact* f = newContactForm();
    ASSERT_TRUE(f);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(edit(f, "txtACFName")->text(), "");
    EXPECT_EQ(edit(f, "txtACLName")->text(), "Smith");
    EXPECT_EQ(edit(f, "txtACFStreet")->text(), "12, Main");
    EXPECT_EQ(edit(f, "txtACCity")->text(), "Minneapolis-MN55");
    EXPECT_TRUE(ctx->contactFile.isOpen());
}

TEST_F(AddContactFromLines, OnlyTheNameWhenLineTwoIsNoStreet) {
    startMain();
    typeLines({"John Smith", "Acme Corporation", "Boston MA 02115", "", ""});
    mainControl<QPushButton>("cmdAddContact")->click();
    frmNewContact* f = newContactForm();
    ASSERT_TRUE(f);
    EXPECT_EQ(edit(f, "txtACFName")->text(), "John");
    EXPECT_EQ(edit(f, "txtACLName")->text(), "Smith");
    EXPECT_EQ(edit(f, "txtACFStreet")->text(), "");
    EXPECT_EQ(edit(f, "txtACCity")->text(), "");
    EXPECT_EQ(edit(f, "txtACZip")->text(), "");
}

}  // namespace
}  // namespace varnel::testing
