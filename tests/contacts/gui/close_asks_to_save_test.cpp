// Closing either contact window with unsaved changes asks to save them: Yes
// saves as the Save button would, No closes without saving, Cancel stays
// with the typed values kept.
#include <functional>

#include "contact_window_fixture.h"

namespace varnel::testing {
namespace {

enum class Window { Browser, NewContact };

struct Case {
    const char* name;
    Window window;
    Answer answer;
    std::function<void(QWidget*)> change;  // what the user typed
    std::vector<std::string> boxes;        // "title|text" in order
    std::function<std::string()> file;     // the contact file's bytes after
    bool stillOpen;
};

class CloseAsksToSave : public ContactWindowTest {
protected:
    static ContactRecord bob() { return person("Bob", "", "Baker"); }
    static ContactRecord ann() { return person("Ann", "Q", "Able"); }

    static std::vector<std::string> boxTexts(const QWidget* w) {
        std::vector<std::string> texts;
        for (const QLineEdit* e : w->findChildren<QLineEdit*>())
            texts.push_back(e->text().toStdString());
        return texts;
    }

    QWidget* openWith(Window window) {
        if (window == Window::NewContact) return openForm({bob()});
        frmEdDelViewContact* b = openBrowser({ann(), bob()});
        auto* find = child<QComboBox>(b, "cboFindContact");
        find->setCurrentIndex(1);  // Bob, record 2
        emit find->activated(1);
        return b;
    }
};

const std::string kBrowserQuestion = "Contact Information|Save the changes to Bob Baker?";
const std::string kNewQuestion = "Add Contact|Save the new contact Ann Lee?";

TEST_F(CloseAsksToSave, YesSavesNoDiscardsCancelStays) {
    const auto brown = [](QWidget* w) { CloseAsksToSave::type(w, "txtACLName", "Brown"); };
    const auto annLee = [](QWidget* w) {
        CloseAsksToSave::type(w, "txtACFName", "Ann");
        CloseAsksToSave::type(w, "txtACLName", "Lee");
    };
    const auto unchanged = [] { return bytesOf({ann(), bob()}); };
    const auto onlyBob = [] { return bytesOf({bob()}); };
    const Case cases[] = {
        {"browser Yes",
         Window::Browser,
         Answer::Yes,
         brown,
         {kBrowserQuestion, "Changes saved|S A V E D"},
         [] {
             return bytesOf({ann(), person("Bob", "", "Brown")});
         },
         false},
        {"browser No", Window::Browser, Answer::No, brown, {kBrowserQuestion}, unchanged, false},
        {"browser Cancel",
         Window::Browser,
         Answer::Cancel,
         brown,
         {kBrowserQuestion},
         unchanged,
         true},
        {"browser Yes, refused by a check",
         Window::Browser,
         Answer::Yes,
         [](QWidget* w) { CloseAsksToSave::type(w, "txtACCountry", QString(20, 'X')); },
         {kBrowserQuestion,
          "Incorrect entry|Country must be 19 characters or less. For example, USA."},
         unchanged,
         true},
        {"browser, nothing changed",
         Window::Browser,
         Answer::Yes,
         [](QWidget*) {},
         {},
         unchanged,
         false},
        {"new Yes",
         Window::NewContact,
         Answer::Yes,
         annLee,
         {kNewQuestion, "Contact saved to file|S A V E D"},
         [] {
             return bytesOf({bob(), person("Ann", "", "Lee")});
         },
         false},
        {"new No", Window::NewContact, Answer::No, annLee, {kNewQuestion}, onlyBob, false},
        {"new Cancel", Window::NewContact, Answer::Cancel, annLee, {kNewQuestion}, onlyBob, true},
        {"new, no name typed",
         Window::NewContact,
         Answer::No,
         [](QWidget* w) { CloseAsksToSave::type(w, "txtACCity", "Boston"); },
         {"Add Contact|Save the new contact?"},
         onlyBob,
         false},
        {"new, nothing typed",
         Window::NewContact,
         Answer::Yes,
         [](QWidget*) {},
         {},
         onlyBob,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* w = openWith(c.window);
        c.change(w);
        dialogs.log.clear();
        host.calls.clear();
        dialogs.queueAnswer(c.answer);
        const std::vector<std::string> typed = boxTexts(w);
        button(w, "cmdCancel")->click();

        EXPECT_EQ(dialogs.messages(), c.boxes);
        if (!c.boxes.empty()) {
            EXPECT_EQ(dialogs.log[0].icon, Icon::Question);
            EXPECT_EQ(dialogs.log[0].buttons, Buttons::YesNoCancel);
        }
        EXPECT_EQ(fileBytes(), c.file());
        if (c.stillOpen) {
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(host.calls.empty());
            EXPECT_EQ(boxTexts(w), typed);  // what was typed stays
        } else {
            EXPECT_EQ(browser(), nullptr);
            EXPECT_EQ(newContactForm(), nullptr);
            EXPECT_EQ(host.calls.back(), "showMain");
        }
        TearDown();
    }
}

// The close box asks as the Close button does; once a step shows another
// contact (the edit given up, as stepping always did), there is nothing to ask.
TEST_F(CloseAsksToSave, TheCloseBoxAsksToo) {
    QWidget* w = openWith(Window::Browser);
    type(w, "txtACLName", "Brown");
    dialogs.log.clear();
    dialogs.queueAnswer(Answer::Cancel);
    w->close();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{kBrowserQuestion});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(textOf(w, "txtACLName"), "Brown");

    button(w, "cmdNext")->click();  // record 2 is the last
    button(w, "cmdPrevious")->click();
    EXPECT_EQ(textOf(w, "txtACLName"), "Able");
    dialogs.log.clear();
    w->close();
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(browser(), nullptr);
}

}  // namespace
}  // namespace varnel::testing
