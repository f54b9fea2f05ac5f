#pragma once
// A WindowHost that records what windows ask of it, in order, as short texts
// ("showMain", "openWindow ContactBrowser", "sendToComposer Ann Lee", ...).
#include <string>
#include <vector>

#include "contacts/one_contact_label.h"
#include "ports/window_host.h"

namespace varnel::testing {

class ScriptedWindowHost : public WindowHost {
public:
    void showMain() override { calls.push_back("showMain"); }
    void hideMain() override { calls.push_back("hideMain"); }
    bool ending() const override { return endingNow; }
    void endProgram() override {
        calls.push_back("endProgram");
        endingNow = true;
    }
    void openManual() override { calls.push_back("openManual"); }
    void openAbout() override { calls.push_back("openAbout"); }
    void openWindow(WindowKind kind) override;
    void openNewContact(const LabelLineContact& from) override;
    void stateChanged() override { calls.push_back("stateChanged"); }
    void sendToComposer(const OneContactFields& fields) override;

    std::vector<std::string> calls;
    std::vector<OneContactFields> composerFields;  // every sendToComposer's fields
    bool endingNow = false;
};

}  // namespace varnel::testing
