// Print command, margins and return-address labels of the main window.
#include "app/gui/frmVarnel.h"
#include "ports/gui/qt_text.h"
#include "printing/alignment_page.h"
#include "printing/margin_file.h"
#include "printing/print_command.h"
#include "printing/return_address.h"
#include "text/run_error.h"

namespace varnel {

void frmVarnel::cmdVRStart_Click() {
    ComposerModel state = readComposer();
    printComposer(state, ctx_.dialogs, ctx_.printer, ctx_.programFolder, PrintMode::Print,
                  ctx_.contactTitle);
    writeComposer(state);
}

void frmVarnel::mnuFilePrint_Click() { cmdVRStart_Click(); }

// Previews what the visible Print button prints: the return-address sheet
// in return-address mode, the composer's labels or envelope otherwise.
void frmVarnel::cmdVRPreview_Click() {
    ComposerModel state = readComposer();
    if (composerView(state).returnAddressPrintVisible) {
        printReturnAddressLabels(state, ctx_.dialogs, ctx_.printer, ctx_.programFolder,
                                 PrintMode::Preview, ctx_.contactTitle);
    } else {
        printComposer(state, ctx_.dialogs, ctx_.printer, ctx_.programFolder, PrintMode::Preview,
                      ctx_.contactTitle);
    }
    writeComposer(state);
}

void frmVarnel::mnuFilePreview_Click() { cmdVRPreview_Click(); }

void frmVarnel::mnuAlign5160_Click() {
    printAlignmentPage(kAvery5160, ctx_.dialogs, ctx_.printer, ctx_.programFolder);
}

void frmVarnel::mnuAlign5167_Click() {
    printAlignmentPage(kAvery5167, ctx_.dialogs, ctx_.printer, ctx_.programFolder);
}

void frmVarnel::mnuCalibrate_Click() { calibratePrinter(ctx_.dialogs, ctx_.printer.deviceName()); }

void frmVarnel::adjustMarginsOf(MarginKind kind) {
    try {
        adjustMargins(ctx_.programFolder, kind, ctx_.dialogs);
    } catch (const RunError& e) {
        commonError(e);
    }
}

void frmVarnel::mnuAdjustOTF_Click() { adjustMarginsOf(MarginKind::OnTheFly); }

void frmVarnel::mnuAdjustSR_Click() { adjustMarginsOf(MarginKind::SearchResult); }

void frmVarnel::mnuAdjustENV_Click() { adjustMarginsOf(MarginKind::Envelope); }

void frmVarnel::mnuAdjustRA_Click() { adjustMarginsOf(MarginKind::ReturnAddress); }

void frmVarnel::mnuRetAddress_Click() { cmdRetAddress_Click(); }

void frmVarnel::cmdRetAddress_Click() {
    ComposerModel state = readComposer();
    printReturnAddressLabels(state, ctx_.dialogs, ctx_.printer, ctx_.programFolder,
                             PrintMode::Print, ctx_.contactTitle);
    writeComposer(state);
}

}  // namespace varnel
