// Print command, margins and return-address labels of the main window.
#include "app/gui/frmVarnel.h"
#include "printing/margin_file.h"
#include "printing/print_command.h"
#include "printing/return_address.h"
#include "store/run_error.h"

namespace varnel {

void frmVarnel::cmdVRStart_Click() {
    ComposerState state = readComposer();
    printComposer(state, ctx_.dialogs, ctx_.printer, ctx_.programFolder);
    writeComposer(state);
}

void frmVarnel::mnuFilePrint_Click() { cmdVRStart_Click(); }

void frmVarnel::mnuAdjustOTF_Click() {
    try {
        adjustMargins(ctx_.programFolder, MarginKind::OnTheFly, ctx_.dialogs);
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::mnuAdjustSR_Click() {
    try {
        adjustMargins(ctx_.programFolder, MarginKind::SearchResult, ctx_.dialogs);
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::mnuAdjustENV_Click() {
    try {
        adjustMargins(ctx_.programFolder, MarginKind::Envelope, ctx_.dialogs);
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::mnuAdjustRA_Click() {
    try {
        adjustMargins(ctx_.programFolder, MarginKind::ReturnAddress, ctx_.dialogs);
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::mnuRetAddress_Click() { cmdRetAddress_Click(); }

void frmVarnel::cmdRetAddress_Click() {
    ComposerState state = readComposer();
    printReturnAddressLabels(state, ctx_.dialogs, ctx_.printer, ctx_.programFolder);
    writeComposer(state);
}

}  // namespace varnel
