#pragma once
// A main window on a contact file in a fresh folder, with scripted dialogs,
// for driving the contact windows through their controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/gui/frmVarnel.h"
#include "contacts/gui/frmEdDelViewContact.h"
#include "contacts/gui/frmNewContact.h"
#include "store/contact_record.h"
#include "support/fixed_clock.h"
#include "support/gui/find_control.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
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

inline std::string bytesOf(const std::vector<ContactRecord>& records) {
    std::string all;
    for (const ContactRecord& r : records) all.append(r.data(), ContactRecord::Size);
    return all;
}

class ContactWindowTest : public ::testing::Test {
protected:
    // Writes the contact file, then starts the main window on it.
    void start(const std::vector<ContactRecord>& records = {}) {
        writeFileBytes(filePath(), bytesOf(records));
        ctx = std::make_unique<AppState>(dialogs, printer, clock, dir.path());
        main = std::make_unique<frmVarnel>(*ctx);
        main->Form_Load();
        dialogs.log.clear();
    }

    template <typename T>
    T* mainControl(const char* name) {
        return testing::find<T>(main.get(), name);
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
    static void type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty()) {
            edit->del();
        } else {
            typeKeys(edit, text);
        }
    }

    void TearDown() override {
        std::vector<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmNewContact*>(w) || qobject_cast<frmEdDelViewContact*>(w)) {
                windows.emplace_back(w);
            }
        }
        for (const QPointer<QWidget>& w : windows) delete w.data();
        main.reset();
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    ScriptedPrinter printer;
    FixedClock clock{Date{2026, 5, 5}};
    std::unique_ptr<AppState> ctx;
    std::unique_ptr<frmVarnel> main;
};

}  // namespace varnel::testing
