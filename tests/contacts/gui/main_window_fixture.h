#pragma once
// The running program's main window on the test's contact file: the contact
// windows open through its own window host.
#include "app/gui/frmVarnel.h"
#include "contact_window_fixture.h"

namespace varnel::testing {

class MainWindowTest : public ContactWindowTest {
protected:
    void startMain(const std::vector<ContactRecord>& records = {}) {
        writeFileBytes(filePath(), bytesOf(records));
        ctx = std::make_unique<AppState>(dialogs, printer, clock, dir.path());
        main = std::make_unique<frmVarnel>(*ctx);
        main->Form_Load();
        dialogs.log.clear();
    }

    template <typename T>
    T* mainControl(const char* name) const {
        return child<T>(main.get(), name);
    }

    void TearDown() override {
        ContactWindowTest::TearDown();
        main.reset();
    }

    std::unique_ptr<frmVarnel> main;
};

}  // namespace varnel::testing
