#pragma once
// The program's WindowHost: opens every window, registers it with the main
// window for shutdown and speaks to the main window for the others.
#include <QWidget>

#include "ports/app_state.h"
#include "ports/window_host.h"

namespace varnel {

class frmVarnel;

class MainWindowHost : public WindowHost {
public:
    MainWindowHost(AppState& state, frmVarnel& main) : state_(state), main_(main) {}

    void showMain() override;
    void hideMain() override;
    bool ending() const override;
    void endProgram() override;
    void openManual() override;
    void openAbout() override;
    void openWindow(WindowKind kind) override;
    void openNewContact(const LabelLineContact& from) override;
    void stateChanged() override;
    void sendToComposer(const OneContactFields& fields) override;

private:
    void showInsteadOfMain(QWidget* window);

    AppState& state_;
    frmVarnel& main_;
};

}  // namespace varnel
