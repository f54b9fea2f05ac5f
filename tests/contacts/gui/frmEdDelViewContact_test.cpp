#include "contacts/gui/frmEdDelViewContact.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <functional>

#include "contact_window_fixture.h"
#include "contacts/one_contact_label.h"

namespace varnel::testing {
namespace {

using B = ContactBox;

class ContactBrowser : public ContactWindowTest {
protected:
    static void pick(frmEdDelViewContact* b, int row) {
        auto* find = child<QComboBox>(b, "cboFindContact");
        find->setCurrentIndex(row);
        emit find->activated(row);
    }

    static std::vector<std::string> entries(frmEdDelViewContact* b) {
        std::vector<std::string> out;
        auto* find = child<QComboBox>(b, "cboFindContact");
        for (int i = 0; i < find->count(); ++i) {
            out.push_back(find->itemText(i).toStdString() + "#" +
                          std::to_string(find->itemData(i).toInt()));
        }
        return out;
    }

    static bool editing(frmEdDelViewContact* b) {
        bool all = tick(b, "chkCompanyInclude")->isEnabled() && button(b, "cmdSave")->isEnabled() &&
                   button(b, "cmdDelete")->isEnabled() && button(b, "cmdPrintLabel")->isEnabled();
        bool none = !tick(b, "chkCompanyInclude")->isEnabled() &&
                    !button(b, "cmdSave")->isEnabled() && !button(b, "cmdDelete")->isEnabled() &&
                    !button(b, "cmdPrintLabel")->isEnabled();
        for (QLineEdit* e : b->findChildren<QLineEdit*>()) {
            all = all && e->isEnabled();
            none = none && !e->isEnabled();
        }
        EXPECT_TRUE(all || none) << "controls partly enabled";
        return all;
    }
};

TEST_F(ContactBrowser, OpensWithTheFindListAndNothingShown) {
    frmEdDelViewContact* b = openBrowser(three());
    ASSERT_TRUE(b);
    EXPECT_EQ(b->windowTitle(), "Contact Information  [VRN_Contacts]");
    EXPECT_EQ(host.calls, std::vector<std::string>{"hideMain"});
    EXPECT_EQ(entries(b),
              (std::vector<std::string>{"ann Q Able#2", "Bob  Baker#3", "Zed  Zulu#1"}));
    EXPECT_EQ(child<QComboBox>(b, "cboFindContact")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(b, "cboFindContact")->placeholderText(), "Select Contact");
    EXPECT_EQ(b->focusWidget(), child<QComboBox>(b, "cboFindContact"));
    EXPECT_FALSE(editing(b));
    EXPECT_FALSE(child<QLabel>(b, "lblACCompOnLabel")->isVisible());
    EXPECT_FALSE(tick(b, "chkCompanyInclude")->isVisible());
    EXPECT_EQ(ctx->CurrentRecord, 0);

    EXPECT_EQ(button(b, "cmdFirst")->text(), "|<");
    EXPECT_EQ(button(b, "cmdPrevious")->text(), "<");
    EXPECT_EQ(button(b, "cmdNext")->text(), ">");
    EXPECT_EQ(button(b, "cmdLast")->text(), ">|");
    EXPECT_EQ(button(b, "cmdFirst")->toolTip(), "Jump to first contact in file");
    EXPECT_EQ(button(b, "cmdPrevious")->toolTip(), "Previous contact");
    EXPECT_EQ(button(b, "cmdNext")->toolTip(), "Next contact");
    EXPECT_EQ(button(b, "cmdLast")->toolTip(), "Jump to last contact in file");
    EXPECT_EQ(button(b, "cmdSave")->text(), "Save changes");
    EXPECT_EQ(button(b, "cmdDelete")->text(), "Delete contact");
    EXPECT_EQ(button(b, "cmdPrintLabel")->text(), "Print Label");
    EXPECT_EQ(button(b, "cmdCancel")->text(), "Close");
    EXPECT_EQ(button(b, "cmdCancel")->toolTip(), "Return to main screen");
    EXPECT_EQ(button(b, "cmdZipFinder")->toolTip(), "Look up Zip Code");
    EXPECT_EQ(child<QLabel>(b, "lblACCompOnLabel")->text(), "Include Company Name in Address");
    EXPECT_EQ(menuItem(b, "mnuEDVPrint")->text(), "Print");
    EXPECT_EQ(menuItem(b, "mnuEDVManual")->text(), "User Manual");
    EXPECT_EQ(menuItem(b, "mnuEDVAbout")->text(), "About Varnel");
    // Only four boxes carry hover tips here.
    EXPECT_EQ(edit(b, "txtACFName")->toolTip(), "");
    EXPECT_EQ(edit(b, "txtACBirthdate")->toolTip(), "");
    EXPECT_EQ(edit(b, "txtACZip")->toolTip(),
              "For help in finding Zip Code, click 'Zip Code Finder'");
    EXPECT_EQ(edit(b, "txtACNotes")->toolTip(), "Notes may contain up to 160 characters");

    menuItem(b, "mnuEDVManual")->trigger();
    menuItem(b, "mnuEDVAbout")->trigger();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "openManual", "openAbout"}));
}

TEST_F(ContactBrowser, APickShowsTheContactAndEnablesEditing) {
    frmEdDelViewContact* b = openBrowser(three());
    pick(b, 0);
    EXPECT_EQ(ctx->CurrentRecord, 2);
    EXPECT_EQ(edit(b, "txtACFName")->text(), "ann");
    EXPECT_EQ(edit(b, "txtACMiddleInit")->text(), "Q");
    EXPECT_EQ(edit(b, "txtACLName")->text(), "Able");
    EXPECT_EQ(edit(b, "txtACBirthdate")->text(), "04/10/1980");
    EXPECT_EQ(edit(b, "txtACCompany")->text(), "Acme");
    EXPECT_TRUE(tick(b, "chkCompanyInclude")->isVisible());
    EXPECT_TRUE(tick(b, "chkCompanyInclude")->isChecked());
    EXPECT_TRUE(editing(b));

    pick(b, 1);  // Bob: no company, no birthdate
    EXPECT_EQ(ctx->CurrentRecord, 3);
    EXPECT_EQ(edit(b, "txtACBirthdate")->text(), "");
    EXPECT_EQ(edit(b, "txtACCompany")->text(), "");
    EXPECT_FALSE(tick(b, "chkCompanyInclude")->isVisible());
    EXPECT_FALSE(child<QLabel>(b, "lblACCompOnLabel")->isVisible());
    type(edit(b, "txtACCompany"), "Baker & Sons");
    EXPECT_TRUE(tick(b, "chkCompanyInclude")->isVisible());
    EXPECT_TRUE(tick(b, "chkCompanyInclude")->isChecked());
    type(edit(b, "txtACCompany"), "");
    EXPECT_FALSE(tick(b, "chkCompanyInclude")->isChecked());
}

TEST_F(ContactBrowser, TheDropDownListsEveryContactAndEnterPicksOne) {
    frmEdDelViewContact* b = openBrowser(three());
    auto* find = child<QComboBox>(b, "cboFindContact");
    find->showPopup();
    auto* list = find->findChild<QListView*>();
    ASSERT_TRUE(list);
    ASSERT_TRUE(list->isVisible());
    EXPECT_GE(list->window()->width(), find->width());
    std::vector<std::string> shown;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        shown.push_back(list->model()->index(row, 0).data().toString().toStdString());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"ann Q Able", "Bob  Baker", "Zed  Zulu"}));

    pressKey(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(ctx->CurrentRecord, 0);

    find->showPopup();
    pressKey(list, Qt::Key_Down);  // from the first entry to Bob
    pressKey(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(find->currentIndex(), 1);
    EXPECT_EQ(ctx->CurrentRecord, 3);
    EXPECT_EQ(textOf(b, "txtACLName"), "Baker");
    EXPECT_TRUE(editing(b));
}

TEST_F(ContactBrowser, StepButtonsAndTheirMessages) {
    frmEdDelViewContact* b = openBrowser(three());
    button(b, "cmdPrevious")->click();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Start of file reached|Beginning of file."});
    EXPECT_EQ(ctx->CurrentRecord, 0);

    button(b, "cmdNext")->click();  // from nothing shown: record 1
    EXPECT_EQ(ctx->CurrentRecord, 1);
    EXPECT_EQ(edit(b, "txtACFName")->text(), "Zed");
    EXPECT_FALSE(editing(b));  // stepping never enables the fields

    button(b, "cmdLast")->click();
    EXPECT_EQ(ctx->CurrentRecord, 3);
    EXPECT_EQ(edit(b, "txtACLName")->text(), "Baker");
    dialogs.log.clear();
    button(b, "cmdNext")->click();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No more contacts|End of file."});
    EXPECT_EQ(ctx->CurrentRecord, 3);
    EXPECT_EQ(edit(b, "txtACLName")->text(), "Baker");

    button(b, "cmdPrevious")->click();
    EXPECT_EQ(ctx->CurrentRecord, 2);
    EXPECT_EQ(edit(b, "txtACLName")->text(), "Able");
    button(b, "cmdFirst")->click();
    EXPECT_EQ(ctx->CurrentRecord, 1);
    dialogs.log.clear();
    button(b, "cmdPrevious")->click();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Start of file reached|Beginning of file."});
    EXPECT_EQ(ctx->CurrentRecord, 1);
    EXPECT_FALSE(editing(b));
}

TEST_F(ContactBrowser, LastOnAnEmptyFileSaysEndOfFileAndChangesNothing) {
    frmEdDelViewContact* b = openBrowser({});
    button(b, "cmdLast")->click();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No more contacts|End of file."});
    EXPECT_EQ(ctx->CurrentRecord, 0);
    EXPECT_EQ(child<QComboBox>(b, "cboFindContact")->count(), 0);
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(fileBytes(), "");
}

TEST_F(ContactBrowser, SaveChangesRewritesTheRecordAndLeavesTheListStale) {
    frmEdDelViewContact* b = openBrowser(three());
    pick(b, 1);  // Bob, record 3
    type(edit(b, "txtACLName"), "Brown");
    type(edit(b, "txtACCountry"), "u,s,a");
    button(b, "cmdSave")->click();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Changes saved|S A V E D"});
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(ctx->CurrentRecord, 3);
    EXPECT_EQ(edit(b, "txtACCountry")->text(), "usa");

    ContactRecord expected = person("Bob", "", "Brown");
    expected.set(Field::Country, "USA");
    const std::string bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 3 * 518u);
    EXPECT_EQ(bytes.substr(2 * 518), bytesOf({expected}));
    EXPECT_EQ(bytes.substr(0, 2 * 518), bytesOf({three()[0], three()[1]}));

    EXPECT_EQ(child<QComboBox>(b, "cboFindContact")->itemText(1), "Bob  Baker");
    button(b, "cmdFirst")->click();
    EXPECT_EQ(entries(b),
              (std::vector<std::string>{"ann Q Able#2", "Bob  Brown#3", "Zed  Zulu#1"}));
}

TEST_F(ContactBrowser, TidyingTheCompanyKeepsTheUsersTick) {
    frmEdDelViewContact* b = openBrowser(three());
    pick(b, 0);  // ann: Acme, ticked
    type(edit(b, "txtACCompany"), "Acme, Inc");
    tick(b, "chkCompanyInclude")->click();
    ASSERT_FALSE(tick(b, "chkCompanyInclude")->isChecked());
    button(b, "cmdSave")->click();
    EXPECT_EQ(edit(b, "txtACCompany")->text(), "Acme Inc");
    EXPECT_FALSE(tick(b, "chkCompanyInclude")->isChecked());
    const std::string bytes = fileBytes();
    EXPECT_EQ(bytes.substr(518 + 482, 8), "Acme Inc");
    EXPECT_EQ(bytes[518 + 513], '0');
}

TEST_F(ContactBrowser, SaveChangesUsesTheBrowsersMessagesAndFocus) {
    frmEdDelViewContact* b = openBrowser(three());
    pick(b, 0);
    type(edit(b, "txtACCountry"), QString(20, QChar('X')));
    button(b, "cmdSave")->click();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{
                  "Incorrect entry|Country must be 19 characters or less. For example, USA."});
    EXPECT_EQ(b->focusWidget(), edit(b, "txtACCountry"));
    EXPECT_EQ(fileBytes(), bytesOf(three()));
}

TEST_F(ContactBrowser, DeleteWithYesCompactsTheFileAndCloses) {
    frmEdDelViewContact* b = openBrowser(three());
    pick(b, 0);  // ann, record 2
    dialogs.queueAnswer(Answer::Yes);
    button(b, "cmdDelete")->click();
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{
                  "Confirm deletion.|WARNING!  This will delete entire contact from your "
                  "file.\r\nDo you REALLY want to delete this contact?",
                  "Contact deleted.|Contact deleted!"}));
    EXPECT_EQ(dialogs.log[0].buttons, Buttons::YesNo);
    EXPECT_EQ(fileBytes(), bytesOf({three()[0], three()[2]}));
    EXPECT_EQ(browser(), nullptr);
    EXPECT_EQ(host.calls.back(), "showMain");
    EXPECT_EQ(ctx->CurrentRecord, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "Tempf"));
}

TEST_F(ContactBrowser, DeleteWithNoTouchesNothing) {
    frmEdDelViewContact* b = openBrowser(three());
    pick(b, 2);
    dialogs.queueAnswer(Answer::No);
    button(b, "cmdDelete")->click();
    EXPECT_EQ(dialogs.messages().back(), "Deletion not performed.|Nothing deleted...");
    EXPECT_EQ(fileBytes(), bytesOf(three()));
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(b->focusWidget(), button(b, "cmdCancel"));
    EXPECT_EQ(ctx->CurrentRecord, 1);
}

TEST_F(ContactBrowser, DeletingAVanishedFileEndsInTheErrorBoxAndCreatesNothing) {
    frmEdDelViewContact* b = openBrowser(three());
    pick(b, 0);
    std::filesystem::remove(filePath());
    dialogs.queueAnswer(Answer::Yes);
    dialogs.queueAnswer(Answer::Retry);
    button(b, "cmdDelete")->click();
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[1].title, "Error");
    EXPECT_EQ(dialogs.log[1].text,
              "An error has occurred. Error number 53 -- File not found.  Try again, or notify "
              "author.");
    EXPECT_FALSE(std::filesystem::exists(filePath()));
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(edit(b, "txtACFName")->text(), "ann");

    dialogs.queueAnswer(Answer::Yes);
    dialogs.queueAnswer(Answer::Cancel);
    button(b, "cmdDelete")->click();
    EXPECT_EQ(browser(), nullptr);
    EXPECT_EQ(host.calls.back(), "showMain");
}

TEST_F(ContactBrowser, StepErrorsOfferRetryAndCancel) {
    frmEdDelViewContact* b = openBrowser(three());
    button(b, "cmdFirst")->click();
    ctx->contactFile.close();
    dialogs.log.clear();
    dialogs.queueAnswer(Answer::Retry);
    button(b, "cmdLast")->click();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Error|An error has occurred. Error number 52 -- Bad "
                                       "file name or number.  Try again, or notify author."});
    EXPECT_EQ(ctx->CurrentRecord, 1);
    EXPECT_EQ(edit(b, "txtACFName")->text(), "Zed");
    EXPECT_TRUE(b->isVisible());

    dialogs.queueAnswer(Answer::Cancel);
    button(b, "cmdNext")->click();
    EXPECT_EQ(browser(), nullptr);
    EXPECT_EQ(host.calls.back(), "showMain");
    EXPECT_EQ(ctx->CurrentRecord, 0);
}

TEST_F(ContactBrowser, ALoadErrorCancelledShowsTheMainWindowAndKeepsTheBrowser) {
    start(three());
    ctx->contactFile.close();
    dialogs.queueAnswer(Answer::Cancel);
    auto* b = new frmEdDelViewContact(*ctx, host);
    b->Form_Load();
    EXPECT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "showMain"}));
    EXPECT_EQ(browser(), b);
    EXPECT_FALSE(editing(b));

    // The next browser takes its place.
    ctx->contactFile.open(filePath());
    auto* next = new frmEdDelViewContact(*ctx, host);
    next->Form_Load();
    EXPECT_EQ(browser(), next);
    EXPECT_FALSE(b->isVisible());
}

TEST_F(ContactBrowser, CloseAndTheCloseBoxForgetTheCurrentRecord) {
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox);
        frmEdDelViewContact* b = openBrowser(three());
        pick(b, 0);
        if (closeBox) {
            b->close();
        } else {
            button(b, "cmdCancel")->click();
        }
        EXPECT_EQ(browser(), nullptr);
        EXPECT_EQ(ctx->CurrentRecord, 0);
        EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "showMain"}));
        EXPECT_TRUE(dialogs.log.empty());
        TearDown();
    }
}

TEST_F(ContactBrowser, PrintLabelSendsTheFieldsAsShownToTheComposer) {
    frmEdDelViewContact* b = openBrowser(three());
    pick(b, 0);                              // ann, with Acme ticked
    type(edit(b, "txtACSStreet"), "Apt 4");  // not saved
    button(b, "cmdPrintLabel")->click();
    EXPECT_EQ(browser(), nullptr);
    EXPECT_TRUE(dialogs.log.empty());  // the unsaved street goes to the label, not the file
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "sendToComposer ann Q Able"}));
    ASSERT_EQ(host.composerFields.size(), 1u);
    ComposerModel c;
    fillOneContactLabel(c, host.composerFields[0]);
    EXPECT_EQ(c.lines, (std::array<std::string, 5>{"ann Q Able", "Acme", "12 Main St", "Apt 4",
                                                   "Springfield, IL  62704"}));
    EXPECT_EQ(fileBytes(), bytesOf(three()));
    EXPECT_EQ(ctx->CurrentRecord, 0);

    // A fresh browser starts with nothing shown; an unticked company stays off the label.
    frmEdDelViewContact* again = new frmEdDelViewContact(*ctx, host);
    again->Form_Load();
    EXPECT_EQ(again->focusWidget(), child<QComboBox>(again, "cboFindContact"));
    pick(again, 0);
    tick(again, "chkCompanyInclude")->setChecked(false);
    button(again, "cmdPrintLabel")->click();
    ASSERT_EQ(host.composerFields.size(), 2u);
    fillOneContactLabel(c, host.composerFields[1]);
    EXPECT_EQ(c.lines, (std::array<std::string, 5>{"ann Q Able", "12 Main St",
                                                   "Springfield, IL  62704", "", ""}));
}

TEST_F(ContactBrowser, TheContactListOpensItOnARecord) {
    frmEdDelViewContact* b = openBrowser(three());
    b->showRecord(3);
    EXPECT_EQ(ctx->CurrentRecord, 3);
    EXPECT_EQ(edit(b, "txtACFName")->text(), "Bob");
    EXPECT_TRUE(editing(b));
}

// Timings are in bench/; here what a large file shows.
TEST_F(ContactBrowser, AHundredThousandContactsFillTheListAndStep) {
    std::vector<ContactRecord> records;
    records.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
        records.push_back(
            person("First" + std::to_string((i * 7919) % 100000), "", "Last" + std::to_string(i)));
    }
    frmEdDelViewContact* b = openBrowser(records);
    auto* find = child<QComboBox>(b, "cboFindContact");
    EXPECT_EQ(find->count(), 100000);
    button(b, "cmdNext")->click();
    EXPECT_EQ(textOf(b, "txtACLName"), "Last0");
    EXPECT_EQ(find->itemText(0), "First0  Last0");
    EXPECT_EQ(find->itemText(99999), "First99999  Last82321");
}

}  // namespace
}  // namespace varnel::testing
