#include "app/gui/frmVarnel.h"

#include <QCloseEvent>

#include "store/run_error.h"

namespace varnel {

frmVarnel::frmVarnel(AppContext& context, QWidget* parent) : QMainWindow(parent), ctx_(context) {
    setWindowTitle("Varnel");
}

frmVarnel::~frmVarnel() = default;

void frmVarnel::Form_Load() { show(); }
ComposerState frmVarnel::readComposer() const { return formState_; }
void frmVarnel::writeComposer(const ComposerState& state) { formState_ = state; }
void frmVarnel::showAgain() { show(); }
void frmVarnel::registerWindow(QWidget* window) { windows_.push_back(window); }
void frmVarnel::mnuFileNew_Click() {}
void frmVarnel::mnuFileOpen_Click() {}
void frmVarnel::mnuFileClose_Click() {}
void frmVarnel::mnuFileExit_Click() {}
void frmVarnel::cmdVRExit_Click() {}
void frmVarnel::closeEvent(QCloseEvent* event) { event->accept(); }
bool frmVarnel::eventFilter(QObject* watched, QEvent* event) {
    return QMainWindow::eventFilter(watched, event);
}
void frmVarnel::buildMenus() {}
void frmVarnel::buildControls() {}
void frmVarnel::connectHandlers() {}
void frmVarnel::setContactCommandsEnabled(bool, bool) {}
void frmVarnel::hideUninstallerFile() {}
void frmVarnel::restoreUninstallerFile() {}
void frmVarnel::commonError(const RunError&) {}
void frmVarnel::openChosenFile(const QString&, bool) {}
void frmVarnel::shutdown() {}
void frmVarnel::closeFiles() {}

}  // namespace varnel
