#include "contacts/gui/frmNewContact.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>

#include "contact_window_fixture.h"
#include "shell/lookups.h"

namespace varnel::testing {
namespace {

using B = ContactBox;

class NewContactForm : public ContactWindowTest {
protected:
    // The record the form writes for these boxes, put together by hand.
    static std::string expectedRecord(const std::vector<std::pair<std::size_t, std::string>>& at,
                                      char includeCompany, char reminder) {
        std::string r(518, ' ');
        for (std::size_t sep :
             {14, 16, 35, 66, 82, 99, 102, 113, 133, 149, 165, 179, 230, 239, 320, 481, 512, 514}) {
            r[sep] = '|';
        }
        for (const auto& [offset, text] : at) r.replace(offset, text.size(), text);
        r[513] = includeCompany;
        r[515] = reminder;
        r[516] = '\r';
        r[517] = '\n';
        return r;
    }
};

TEST_F(NewContactForm, OpensWithItsCaptionsTipsAndHiddenCompanyTick) {
    frmNewContact* f = openForm();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->windowTitle(), "Add Contact  [VRN_Contacts]");
    EXPECT_EQ(host.calls, std::vector<std::string>{"hideMain"});
    EXPECT_EQ(f->focusWidget(), edit(f, "txtACFName"));
    EXPECT_FALSE(child<QLabel>(f, "lblIncCompName")->isVisible());
    EXPECT_FALSE(tick(f, "chkIncComp")->isVisible());
    EXPECT_TRUE(tick(f, "chkIncComp")->isChecked());
    EXPECT_EQ(child<QLabel>(f, "lblIncCompName")->text(), "Include Company Name in Address");
    EXPECT_EQ(tick(f, "chkIncComp")->toolTip(),
              "If checked, Company Name will be included when printing address");

    struct Tip {
        const char* box;
        const char* caption;
        const char* tip;
    };
    const Tip tips[] = {
        {"txtACFName", "First Name:", "14 characters maximum"},
        {"txtACMiddleInit", "Middle Initial:", ""},
        {"txtACLName", "Last Name:", "18 characters maximum"},
        {"txtACFStreet", "Street Address:", "For help in finding address, click 'People Finder'"},
        {"txtACSStreet", "Additional Street Info/Apt:", ""},
        {"txtACZip", "Zip Code:", "For help in finding Zip Code, click 'Zip Code Finder'"},
        {"txtACBirthdate", "Birthdate (MM/DD/YYYY):", "Use approximate year if necessary"},
        {"txtACCategory", "Category:",
         "Enter one or more categories, separated by a semicolon, to include this contact in "
         "subset(s).  Example: Christmas;Golf;Customers"},
        {"txtACNotes", "Notes:", "Notes may contain up to 160 characters"},
    };
    for (const Tip& t : tips) {
        auto* edit = f->findChild<QLineEdit*>(t.box);
        ASSERT_TRUE(edit) << t.box;
        EXPECT_EQ(edit->toolTip(), t.tip) << t.box;
        EXPECT_EQ(edit->maxLength(), 32767) << t.box;  // no limit of its own
        bool captioned = false;
        for (QLabel* l : f->findChildren<QLabel*>()) {
            if (l->buddy() == edit) captioned = l->text() == t.caption;
        }
        EXPECT_TRUE(captioned) << t.box;
    }

    struct Button {
        const char* name;
        const char* caption;
        const char* tip;
    };
    const Button buttons[] = {
        {"cmdSave", "Save", "Saves contact to file"},
        {"cmdCancel", "Close", "Return to main screen"},
        {"cmdStateAbb", "?", "Look up State abbreviations"},
        {"cmdZipFinder", "Zip Code Finder", ""},
        {"cmdPeopleFind", "People Finder", ""},
    };
    for (const Button& b : buttons) {
        auto* button = f->findChild<QPushButton*>(b.name);
        ASSERT_TRUE(button) << b.name;
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_EQ(button->toolTip(), b.tip);
    }
    EXPECT_EQ(child<QMenu>(f, "mnuNewEdit")->title(), "&Edit");
    EXPECT_EQ(menuItem(f, "mnuNewCut")->text(), "Cut");
    EXPECT_EQ(menuItem(f, "mnuNewCopy")->text(), "Copy");
    EXPECT_EQ(menuItem(f, "mnuNewPaste")->text(), "Paste");
    EXPECT_EQ(menuItem(f, "mnuNewManual")->text(), "User Manual");
    EXPECT_EQ(menuItem(f, "mnuNewAbout")->text(), "About Varnel");
}

TEST_F(NewContactForm, EnterWalksTheSeventeenBoxesInTabOrder) {
    frmNewContact* f = openForm();
    const char* order[] = {"txtACFName",   "txtACMiddleInit", "txtACLName",     "txtACFStreet",
                           "txtACSStreet", "txtACCity",       "txtACState",     "txtACZip",
                           "txtACCountry", "txtACCompany",    "txtACBirthdate", "txtACHPhone",
                           "txtACCPhone",  "txtACWPhone",     "txtACEmail",     "txtACCategory",
                           "txtACNotes"};
    edit(f, "txtACFName")->setFocus();
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        ASSERT_EQ(f->focusWidget()->objectName(), order[i]);
        pressKey(f->focusWidget(), Qt::Key_Return);
        EXPECT_EQ(f->focusWidget()->objectName(), order[i + 1]);
    }
    // Enter in the notes adds no line break and moves on (the company tick is hidden).
    typeKeys(edit(f, "txtACNotes"), "first");
    pressKey(edit(f, "txtACNotes"), Qt::Key_Enter);
    EXPECT_EQ(edit(f, "txtACNotes")->text(), "first");
    EXPECT_EQ(f->focusWidget(), button(f, "cmdSave"));
}

TEST_F(NewContactForm, TypingACompanyShowsTheTickedBoxWhichStays) {
    frmNewContact* f = openForm();
    type(edit(f, "txtACCompany"), "Acme");
    EXPECT_TRUE(child<QLabel>(f, "lblIncCompName")->isVisible());
    EXPECT_TRUE(tick(f, "chkIncComp")->isVisible());
    EXPECT_TRUE(tick(f, "chkIncComp")->isChecked());
    tick(f, "chkIncComp")->setChecked(false);
    type(edit(f, "txtACCompany"), "Acme Two");
    EXPECT_FALSE(tick(f, "chkIncComp")->isChecked());  // the tick is not changed by typing
    type(edit(f, "txtACCompany"), "");
    EXPECT_TRUE(tick(f, "chkIncComp")->isVisible());
}

TEST_F(NewContactForm, IncludeCompanyCases) {
    struct Case {
        const char* company;
        bool untick;
        bool clearAfter;
        char stored;
    };
    const Case cases[] = {
        {"Acme", false, false, '1'},   // ticked as it appears
        {"Acme", true, false, '0'},    // unticked first
        {"Acme", false, true, '0'},    // typed, then deleted again
        {nullptr, false, false, '0'},  // never typed: the hidden ticked box is cleared
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.company ? c.company : "(none)");
        frmNewContact* f = openForm();
        type(edit(f, "txtACFName"), "Ann");
        type(edit(f, "txtACLName"), "Able");
        if (c.company) type(edit(f, "txtACCompany"), c.company);
        if (c.untick) tick(f, "chkIncComp")->click();
        if (c.clearAfter) type(edit(f, "txtACCompany"), "");
        button(f, "cmdSave")->click();
        const std::string bytes = fileBytes();
        ASSERT_EQ(bytes.size(), 518u);
        EXPECT_EQ(bytes[513], c.stored);
        TearDown();
    }
}

TEST_F(NewContactForm, SaveAppendsTheTidiedRecordAndCloses) {
    frmNewContact* f = openForm({person("Old", "", "Timer")});
    type(edit(f, "txtACFName"), "Jo,hn");
    type(edit(f, "txtACMiddleInit"), "q.");
    type(edit(f, "txtACLName"), "Smith");
    type(edit(f, "txtACFStreet"), "12 Main St");
    type(edit(f, "txtACCity"), "Spring,field");
    type(edit(f, "txtACState"), "il");
    type(edit(f, "txtACZip"), "62704");
    type(edit(f, "txtACCountry"), "usa");
    type(edit(f, "txtACBirthdate"), "04/10/1980");
    type(edit(f, "txtACHPhone"), "+1 (555) 123-4567");
    type(edit(f, "txtACEmail"), "john@example.com");
    type(edit(f, "txtACCategory"), "Golf, Tennis");
    type(edit(f, "txtACNotes"), "Tea | cake");
    button(f, "cmdSave")->click();

    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Contact saved to file|S A V E D"});
    const std::string expected = expectedRecord({{0, "John"},
                                                 {15, "Q"},
                                                 {17, "Smith"},
                                                 {36, "12 Main St"},
                                                 {83, "Springfield"},
                                                 {100, "IL"},
                                                 {103, "62704"},
                                                 {114, "USA"},
                                                 {134, "1555-123-4567"},
                                                 {180, "john@example.com"},
                                                 {231, "19800410"},
                                                 {240, "Golf  Tennis"},
                                                 {321, "Tea | cake"}},
                                                '0', '1');
    const std::string bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 2 * 518u);
    EXPECT_EQ(bytes.substr(518), expected);
    EXPECT_EQ(bytes.substr(0, 518), bytesOf({person("Old", "", "Timer")}));
    EXPECT_EQ(newContactForm(), nullptr);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "stateChanged", "showMain"}));
}

TEST_F(NewContactForm, AFailedCheckShowsItsBoxFocusesAndWritesNothing) {
    frmNewContact* f = openForm();
    type(edit(f, "txtACFName"), "Jo,hn");
    type(edit(f, "txtACLName"), "Smith");
    type(edit(f, "txtACEmail"), "john@example");
    button(f, "cmdSave")->click();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Incorrect entry|Email address must contain the '.' "
                                       "character."});
    EXPECT_EQ(dialogs.log[0].icon, Icon::None);
    EXPECT_EQ(dialogs.log[0].buttons, Buttons::Ok);
    EXPECT_EQ(f->focusWidget(), edit(f, "txtACEmail"));
    EXPECT_EQ(edit(f, "txtACFName")->text(), "John");  // tidying already done stays
    EXPECT_EQ(fileBytes(), "");
    EXPECT_TRUE(f->isVisible());
}

TEST_F(NewContactForm, BadBirthdatesStopTheSaveWithTheirMessage) {
    struct Case {
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"99/99/9999", "Month must be a number no greater than 12.  Example: 07"},
        {" 4/10/1980", "Month must be a 2-digit month, no spaces.  Example: 03"},
        {"04/10/198 ", "Year must be a 4-digit year, no spaces.  Example: 1988"},
    };
    frmNewContact* f = openForm();
    type(edit(f, "txtACLName"), "Smith");
    for (const Case& c : cases) {
        dialogs.log.clear();
        type(edit(f, "txtACBirthdate"), c.typed);
        button(f, "cmdSave")->click();
        EXPECT_EQ(dialogs.messages(),
                  std::vector<std::string>{std::string("Date error|") + c.message});
        EXPECT_EQ(f->focusWidget(), edit(f, "txtACBirthdate"));
    }
    EXPECT_EQ(fileBytes(), "");
}

TEST_F(NewContactForm, HostileTextGivesAMessageOrAStoredRecordNeverACrash) {
    frmNewContact* f = openForm();
    const QString huge = QString(1000, QChar('x')) + "\t|\u03A9";
    for (QLineEdit* e : f->findChildren<QLineEdit*>()) e->setText(huge);
    button(f, "cmdSave")->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(fileBytes(), "");

    // Characters the code page cannot hold are stored in Latin letters; tabs and "|" as typed.
    for (QLineEdit* e : f->findChildren<QLineEdit*>()) e->clear();
    edit(f, "txtACFName")->setText(QString::fromUtf8("\u03A9mega\tZo\u00EB"));
    edit(f, "txtACLName")->setText("a|b");
    dialogs.log.clear();
    button(f, "cmdSave")->click();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Contact saved to file|S A V E D"});
    const std::string bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 518u);
    EXPECT_EQ(bytes.substr(0, 14), std::string("Omega\tZo\xEB     "));
    EXPECT_EQ(bytes.substr(17, 3), "a|b");
}

// The reminder setting goes into the saved record; a record saved with a
// reminder tells the main window, which then offers to turn reminders off.
TEST_F(NewContactForm, TheReminderSettingDecidesBdayReminder) {
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on);
        frmNewContact* f = openForm({person("A", "", "B", on ? "1" : "0")});
        ctx->remindersOn = on;
        host.calls.clear();
        type(edit(f, "txtACLName"), "Next");
        button(f, "cmdSave")->click();
        EXPECT_EQ(fileBytes()[518 + 515], on ? '1' : '0');
        EXPECT_EQ(ctx->remindersOn, on);
        const std::vector<std::string> calls =
            on ? std::vector<std::string>{"stateChanged", "showMain"}
               : std::vector<std::string>{"showMain"};
        EXPECT_EQ(host.calls, calls);
        TearDown();
    }
}

TEST_F(NewContactForm, AFileErrorOffersRetryAndCancel) {
    frmNewContact* f = openForm();
    type(edit(f, "txtACLName"), "Smith");
    ctx->contactFile.close();
    dialogs.queueAnswer(Answer::Retry);
    button(f, "cmdSave")->click();
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].title, "Error");
    EXPECT_EQ(dialogs.log[0].text,
              "An error has occurred. Error number 52 -- Bad file name or number.  Try again, "
              "or notify author.");
    EXPECT_EQ(dialogs.log[0].buttons, Buttons::RetryCancel);
    EXPECT_EQ(dialogs.log[0].icon, Icon::Critical);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(edit(f, "txtACLName")->text(), "Smith");

    dialogs.queueAnswer(Answer::Cancel);
    button(f, "cmdSave")->click();
    EXPECT_EQ(dialogs.log.size(), 2u);  // no question about saving after the error box
    EXPECT_EQ(newContactForm(), nullptr);
    EXPECT_EQ(host.calls.back(), "showMain");
}

TEST_F(NewContactForm, CloseWithNothingTypedBringsTheMainWindowBackWithoutAsking) {
    frmNewContact* f = openForm();
    button(f, "cmdCancel")->click();
    EXPECT_EQ(newContactForm(), nullptr);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "showMain"}));

    // Filled from the label lines and left as it was: nothing of the user's is lost.
    frmNewContact* g = new frmNewContact(*ctx, host);
    LabelLineContact lines;
    lines.firstName = "Ann";
    lines.lastName = "Lee";
    g->fillFromLabelLines(lines);
    g->Form_Load();
    g->close();
    EXPECT_EQ(newContactForm(), nullptr);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(fileBytes(), "");
}

TEST_F(NewContactForm, LookUpsOpenThroughTheShell) {
    frmNewContact* f = openForm();
    button(f, "cmdStateAbb")->click();
    EXPECT_EQ(f->focusWidget(), edit(f, "txtACState"));
    button(f, "cmdZipFinder")->click();
    button(f, "cmdPeopleFind")->click();
    menuItem(f, "mnuNewManual")->trigger();
    menuItem(f, "mnuNewAbout")->trigger();
    EXPECT_EQ(dialogs.opened,
              (std::vector<std::string>{(dir / "vrn_state_abbreviations.pdf").string(),
                                        std::string(kZipLookupAddress),
                                        std::string(kPeopleSearchAddress)}));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "openManual", "openAbout"}));
}

TEST_F(NewContactForm, EditMenuFollowsTheSelection) {
    frmNewContact* f = openForm();
    type(edit(f, "txtACFStreet"), "12 Main St");
    edit(f, "txtACFStreet")->setFocus();
    edit(f, "txtACFStreet")->deselect();
    emit child<QMenu>(f, "mnuNewEdit")->aboutToShow();
    EXPECT_FALSE(menuItem(f, "mnuNewCut")->isEnabled());
    EXPECT_FALSE(menuItem(f, "mnuNewCopy")->isEnabled());
    EXPECT_TRUE(menuItem(f, "mnuNewPaste")->isEnabled());

    edit(f, "txtACFStreet")->setSelection(3, 4);
    emit child<QMenu>(f, "mnuNewEdit")->aboutToShow();
    EXPECT_TRUE(menuItem(f, "mnuNewCut")->isEnabled());
    EXPECT_TRUE(menuItem(f, "mnuNewCopy")->isEnabled());
    menuItem(f, "mnuNewCut")->trigger();
    EXPECT_EQ(edit(f, "txtACFStreet")->text(), "12  St");
    EXPECT_EQ(dialogs.clipboard, "Main");

    edit(f, "txtACCity")->setFocus();
    menuItem(f, "mnuNewPaste")->trigger();
    EXPECT_EQ(edit(f, "txtACCity")->text(), "Main");
    edit(f, "txtACCity")->selectAll();
    menuItem(f, "mnuNewCopy")->trigger();
    EXPECT_EQ(dialogs.clipboard, "Main");
    EXPECT_EQ(edit(f, "txtACCity")->text(), "Main");
}

TEST_F(NewContactForm, PastedLineBreaksBecomeSpacesSoTheRecordStaysOneLine) {
    frmNewContact* f = openForm();
    type(edit(f, "txtACLName"), "Smith");
    dialogs.clipboard = "Call after 5\r\nnot on Sundays\nthanks";
    edit(f, "txtACNotes")->setFocus();
    menuItem(f, "mnuNewPaste")->trigger();
    EXPECT_EQ(edit(f, "txtACNotes")->text(), "Call after 5 not on Sundays thanks");
    button(f, "cmdSave")->click();
    const std::string bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 518u);
    EXPECT_EQ(bytes.find_first_of("\r\n"), 516u);
    EXPECT_EQ(bytes.substr(321, 34), "Call after 5 not on Sundays thanks");
}

}  // namespace
}  // namespace varnel::testing
