#pragma once
// A started main window on a temporary program folder, for the windows that
// it opens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <vector>

#include "app/gui/frmVarnel.h"
#include "support/gui/find_control.h"
#include "support/scripted_program.h"

namespace varnel::testing {

class MainWindowFixture : public ::testing::Test, protected ScriptedProgram {
protected:
    MainWindowFixture() {
        main = std::make_unique<frmVarnel>(ctx);
        main->Form_Load();
        dialogs.log.clear();
    }
    ~MainWindowFixture() override {
        // Windows closed during the test are deleted first, then those still open.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Menus are top-level widgets too, owned by their windows: guard every pointer.
        std::vector<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != main.get() && !w->parentWidget() && w->testAttribute(Qt::WA_DeleteOnClose)) {
                windows.emplace_back(w);
            }
        }
        for (QPointer<QWidget>& w : windows) delete w.data();
    }

    // The top-level window of type T that is showing, if any.
    template <typename T>
    T* shown() const {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) return t;
        }
        return nullptr;
    }

    std::unique_ptr<frmVarnel> main;
};

}  // namespace varnel::testing
