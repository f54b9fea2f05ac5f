#pragma once
// An import or export window on a temporary program folder with its contact
// file open, and a scripted host in place of the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "support/contact_bytes.h"
#include "support/gui/find_control.h"
#include "support/scripted_program.h"
#include "support/scripted_window_host.h"

namespace varnel::testing {

template <typename Window>
class ExchangeWindowFixture : public ::testing::Test, protected ScriptedProgram {
protected:
    ExchangeWindowFixture() {
        ctx.contactPath = dir / "VRN_Contacts.DAT";
        ctx.contactTitle = "VRN_Contacts";
        ctx.remindersOn = true;
        ctx.contactFile.open(ctx.contactPath);
    }
    ~ExchangeWindowFixture() override {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete window.data();
    }

    Window* open() {
        window = new Window(ctx, host);
        window->show();
        return window;
    }
    template <typename T>
    T* control(const char* name) {
        return find<T>(window.data(), name);
    }
    // Gone once closed: the window deletes itself.
    bool closed() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

    void addContact(const std::string& first, const std::string& last, const std::string& email) {
        ctx.contactFile.appendRecord(testContact(first, last, email));
    }

    ScriptedWindowHost host;
    QPointer<Window> window;
};

}  // namespace varnel::testing
