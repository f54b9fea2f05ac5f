// The birthday check, the reminder switch and the birthday list through the main window.
#include <gtest/gtest.h>

#include <memory>

#include "app/gui/frmVarnel.h"
#include "birthdays/birthday_file.h"
#include "support/fixed_clock.h"
#include "support/gui/find_control.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/scripted_program.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::FixedClock;
using testing::Person;
using testing::readFileBytes;
using testing::ScriptedDialogs;
using testing::ScriptedPrinter;
using testing::ShownBox;
using testing::TempDir;
using testing::writeFileBytes;
using Messages = std::vector<std::string>;

std::string peopleBytes(const std::vector<Person>& people) {
    std::string bytes;
    for (const Person& p : people)
        bytes.append(testing::personRecord(p).data(), ContactRecord::Size);
    return bytes;
}

class BirthdayWindow : public ::testing::Test, protected testing::ScriptedProgram {
protected:
    BirthdayWindow() : ScriptedProgram(Date{2026, 12, 20}) {}

    template <typename T>
    T* control(const char* name) {
        return testing::find<T>(window.get(), name);
    }
    frmVarnel& start(const std::vector<Person>& people) {
        writeFileBytes(dir / "VRN_Contacts.DAT", peopleBytes(people));
        window = std::make_unique<frmVarnel>(ctx);
        window->Form_Load();
        return *window;
    }

    std::unique_ptr<frmVarnel> window;
};

TEST_F(BirthdayWindow, StartUpShowsRemindersThenAlertsAndSetsTheMenus) {
    frmVarnel& w = start({{"Ann", "Lee", "19801220"},
                          {"Bob", "Ray", "19750110"},
                          {"Cy", "Dee", "19900120"},
                          {"Dot", "Oak", "19821224"}});
    EXPECT_EQ(dialogs.messages(),
              (Messages{"Birthday reminder|Bob Ray has a birthday coming up on 01/10",
                        "Birthday reminder|Dot Oak has a birthday coming up on 12/24",
                        "Birthday alert|Today is Ann Lee's Birthday! "}));
    for (const ShownBox& b : dialogs.log) EXPECT_EQ(b.icon, Icon::Information);
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuFileBdayOff")->isEnabled());
    EXPECT_FALSE(w.isClosed());
}

TEST_F(BirthdayWindow, SwitchingRemindersOffRewritesTheFileAndSilencesOpen) {
    start({{"Ann", "Lee", "19801220"}, {"Bob", "Ray", "19801221"}});
    const std::string before = readFileBytes(dir / "VRN_Contacts.DAT");
    dialogs.log.clear();

    control<QAction>("mnuFileBdayOff")->trigger();
    EXPECT_EQ(dialogs.messages(),
              Messages{"Birthday reminders disabled|Birthday Reminders have been turned off."});
    EXPECT_TRUE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOff")->isEnabled());
    std::string expected = before;
    expected[515] = '0';
    expected[518 + 515] = '0';
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), expected);

    // Opening the same file again reads the new setting and shows nothing.
    dialogs.log.clear();
    dialogs.queueFile((dir / "VRN_Contacts.DAT").string(), "VRN_Contacts.DAT");
    control<QAction>("mnuFileOpen")->trigger();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOff")->isEnabled());

    control<QAction>("mnuFileBdayOn")->trigger();
    EXPECT_EQ(dialogs.messages(),
              Messages{"Birthday reminders enabled|Birthday Reminders have been turned on."});
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuFileBdayOff")->isEnabled());
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), before);
}

TEST_F(BirthdayWindow, OpenRunsTheCheckOnTheChosenFile) {
    start({});
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOff")->isEnabled());

    writeFileBytes(dir / "Family.DAT",
                   peopleBytes({{"Off", "First", "", "0"}, {"Eve", "Ash", "19801222", "1"}}));
    dialogs.queueFile((dir / "Family.DAT").string(), "Family.DAT");
    control<QAction>("mnuFileOpen")->trigger();
    EXPECT_EQ(dialogs.messages(),
              Messages{"Birthday reminder|Eve Ash has a birthday coming up on 12/22"});
    // Record 1 has reminders off, so the menus offer to turn them on.
    EXPECT_TRUE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuFileBdayOff")->isEnabled());
}

TEST_F(BirthdayWindow, ViewBirthdaysListsTheMonthAndReturnsToLineOne) {
    frmVarnel& w = start({{"Bob", "Ray", "19750310"}, {"Ann", "Lee", "19800305"}});
    dialogs.log.clear();
    control<QLineEdit>("txtVRline3")->setFocus();
    dialogs.queueInput("13");
    dialogs.queueInput("3");
    control<QPushButton>("cmdBDlist")->click();
    ASSERT_EQ(dialogs.log.size(), 5u);
    EXPECT_EQ(dialogs.log[0].kind, ShownBox::Input);
    EXPECT_EQ(dialogs.log[0].preset, "12");
    EXPECT_EQ(dialogs.log[1].kind, ShownBox::Beep);
    EXPECT_EQ(
        dialogs.messages(),
        (Messages{"Enter a number between 1 and 12|Cannot be greater than 12",
                  "March Birthdays|Bob Ray                                    \t03/10/1975\r\n"
                  "Ann Lee                                    \t03/05/1980\r\n"}));
    EXPECT_EQ(w.focusWidget(), control<QLineEdit>("txtVRLine1"));

    control<QLineEdit>("txtVRline3")->setFocus();
    control<QPushButton>("cmdBDlist")->click();  // cancelled
    EXPECT_EQ(dialogs.log.back().kind, ShownBox::Input);
    EXPECT_EQ(w.focusWidget(), control<QLineEdit>("txtVRLine1"));
}

TEST_F(BirthdayWindow, ListErrorsShowTheCommonErrorBox) {
    frmVarnel& w = start({{"Bob", "Ray", "19750310"}});
    control<QAction>("mnuFileClose")->trigger();
    dialogs.log.clear();
    dialogs.queueInput("3");
    dialogs.queueAnswer(Answer::Retry);
    control<QPushButton>("cmdBDlist")->click();
    const std::string error = commonErrorText(RunError(RunError::BadFileNameOrNumber));
    EXPECT_EQ(dialogs.messages(), Messages{"Error|" + error});
    EXPECT_EQ(dialogs.log.back().icon, Icon::Critical);
    EXPECT_EQ(dialogs.log.back().buttons, Buttons::RetryCancel);
    EXPECT_FALSE(w.isClosed());

    dialogs.queueInput("3");
    dialogs.queueAnswer(Answer::Cancel);
    control<QPushButton>("cmdBDlist")->click();
    EXPECT_TRUE(w.isClosed());
}

TEST_F(BirthdayWindow, ASwitchThatCannotWriteShowsTheCommonErrorBox) {
    start({{"Bob", "Ray", "19750310"}});
    const std::string before = readFileBytes(dir / "VRN_Contacts.DAT");
    ctx.contactFile.close();
    dialogs.log.clear();
    control<QAction>("mnuFileBdayOff")->trigger();
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].title, "Error");
    EXPECT_EQ(dialogs.log[0].buttons, Buttons::RetryCancel);
    EXPECT_FALSE(control<QAction>("mnuFileBdayOn")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuFileBdayOff")->isEnabled());
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), before);
}

}  // namespace
}  // namespace varnel
