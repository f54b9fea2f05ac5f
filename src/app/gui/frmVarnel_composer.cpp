// The label composer's handlers on the main window.
#include "app/gui/frmVarnel.h"
#include "printing/label_position.h"

namespace varnel {

namespace {
template <typename Handler>
void run(frmVarnel& w, Handler handler) {
    ComposerModel s = w.readComposer();
    handler(s);
    w.writeComposer(s);
}
}  // namespace

void frmVarnel::optVRLabel_Click() {
    run(*this, [this](ComposerModel& s) {
        composerLabelClick(s);
        labelPositionPrompt(s, ctx_.dialogs);
    });
}
void frmVarnel::optVREnvelope_Click() { run(*this, composerEnvelopeClick); }
void frmVarnel::cboVREnvelope_Click() {
    const int index = cboVREnvelope->currentIndex();
    run(*this, [index](ComposerModel& s) { composerEnvelopeSizeClick(s, index); });
}
void frmVarnel::optVRLeftjust_Click() { run(*this, composerLeftJustClick); }
void frmVarnel::optVRCenter_Click() { run(*this, composerCenterClick); }
void frmVarnel::optPortrait_Click() { run(*this, composerPortraitClick); }
void frmVarnel::optLandscape_Click() { run(*this, composerLandscapeClick); }
void frmVarnel::chkBold_Click() { run(*this, composerEnvelopeOptionClick); }
void frmVarnel::chkLargeFont_Click() { run(*this, composerEnvelopeOptionClick); }
void frmVarnel::chkLblBold_Click() { run(*this, composerLabelOptionClick); }
void frmVarnel::chkLblItalic_Click() { run(*this, composerLabelOptionClick); }
void frmVarnel::cmdVRClear_Click() { run(*this, composerClear); }

}  // namespace varnel
