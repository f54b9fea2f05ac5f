#pragma once
// The contact windows on a contact file in a fresh folder, with scripted
// dialogs and a scripted window host, driven through their controls' names.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "contacts/gui/frmEdDelViewContact.h"
#include "contacts/gui/frmNewContact.h"
#include "ports/app_state.h"
#include "store/contact_record.h"
#include "support/fixed_clock.h"
#include "support/gui/find_control.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/scripted_window_host.h"
#include "support/temp_dir.h"

namespace varnel::testing {

// Key presses delivered to a widget as the keyboard would deliver them.
inline void pressKey(QWidget* widget, int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

inline void typeKeys(QWidget* widget, const QString& text) {
    for (QChar c : text) pressKey(widget, c.unicode() < 0x80 ? c.toUpper().unicode() : 0, c);
}

inline ContactRecord person(const std::string& first, const std::string& mi,
                            const std::string& last, const std::string& reminder = "1") {
    ContactRecord r;
    r.set(Field::FirstName, first);
    r.set(Field::MI, mi);
    r.set(Field::LastName, last);
    r.set(Field::IncludeCompany, "0");
    r.set(Field::BdayReminder, reminder);
    return r;
}

// Zed (record 1), ann with a company and an address (2), Bob (3).
inline std::vector<ContactRecord> three() {
    ContactRecord ann = person("ann", "Q", "Able");
    ann.set(Field::Birthdate, "19800410");
    ann.set(Field::Company, "Acme");
    ann.set(Field::IncludeCompany, "1");
    ann.set(Field::Street1, "12 Main St");
    ann.set(Field::City, "Springfield");
    ann.set(Field::State, "IL");
    ann.set(Field::Zip, "62704");
    return {person("Zed", "", "Zulu"), ann, person("Bob", "", "Baker")};
}

inline std::string bytesOf(const std::vector<ContactRecord>& records) {
    std::string all;
    for (const ContactRecord& r : records) all.append(r.data(), ContactRecord::Size);
    return all;
}

// A control of a window, found by its name.
template <typename T>
T* child(const QWidget* window, const char* name) {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}
inline QLineEdit* edit(const QWidget* w, const char* name) { return child<QLineEdit>(w, name); }
inline QPushButton* button(const QWidget* w, const char* name) {
    return child<QPushButton>(w, name);
}
inline QCheckBox* tick(const QWidget* w, const char* name) { return child<QCheckBox>(w, name); }
inline QAction* menuItem(const QWidget* w, const char* name) { return child<QAction>(w, name); }
inline std::string textOf(const QWidget* w, const char* name) {
    return edit(w, name)->text().toStdString();
}

class ContactWindowTest : public ::testing::Test {
protected:
    // Writes the contact file and opens it as the main window would.
    void start(const std::vector<ContactRecord>& records = {}) {
        writeFileBytes(filePath(), bytesOf(records));
        ctx = std::make_unique<AppState>(dialogs, printer, clock, dir.path());
        ctx->contactFile.open(filePath());
        ctx->contactPath = filePath();
        ctx->contactTitle = "VRN_Contacts";
        ctx->remindersOn = true;
    }

    frmEdDelViewContact* openBrowser(const std::vector<ContactRecord>& records) {
        start(records);
        auto* b = new frmEdDelViewContact(*ctx, host);
        b->Form_Load();
        return b;
    }

    frmNewContact* openForm(const std::vector<ContactRecord>& records = {}) {
        start(records);
        auto* f = new frmNewContact(*ctx, host);
        f->Form_Load();
        return f;
    }

    std::filesystem::path filePath() const { return dir / "VRN_Contacts.DAT"; }
    std::string fileBytes() const { return readFileBytes(filePath()); }

    template <typename W>
    W* openWindow() const {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* found = qobject_cast<W*>(w);
            if (found && found->isVisible()) return found;
        }
        return nullptr;
    }

    frmNewContact* newContactForm() const { return openWindow<frmNewContact>(); }
    frmEdDelViewContact* browser() const { return openWindow<frmEdDelViewContact>(); }

    // Replaces a box's text as the user would: select all, type.
    static void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty()) {
            box->del();
        } else {
            typeKeys(box, text);
        }
    }
    static void type(const QWidget* window, const char* box, const QString& text) {
        type(edit(window, box), text);
    }

    void TearDown() override {
        std::vector<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmNewContact*>(w) || qobject_cast<frmEdDelViewContact*>(w)) {
                windows.emplace_back(w);
            }
        }
        for (const QPointer<QWidget>& w : windows) delete w.data();
        host.calls.clear();
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    ScriptedPrinter printer;
    ScriptedWindowHost host;
    FixedClock clock{Date{2026, 5, 5}};
    std::unique_ptr<AppState> ctx;
};

}  // namespace varnel::testing
