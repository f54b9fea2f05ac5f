#include "printing/print_command.h"

#include "printing/envelope_layout.h"
#include "printing/label_grid.h"
#include "printing/label_position.h"
#include "printing/label_stock.h"
#include "printing/print_flow.h"
#include "printing/printer_error.h"
#include "printing/sheet_labels.h"
#include "printing/text_page.h"
#include "text/numbers.h"
#include "text/run_error.h"

namespace varnel {

namespace {

// The printer font set before the dialog; every document starts from it, so a
// label printed after a large-font envelope is neither bold nor italic.
const FontSpec kStartFont{"Verdana", 9, false, false};

bool refused(Dialogs& dialogs, const char* title, const char* text) {
    dialogs.beep();
    dialogs.message(title, text, Icon::Warning);
    return true;
}

bool checksFail(const ComposerState& s, Dialogs& dialogs) {
    bool anyLine = false;
    for (const std::string& line : s.lines) anyLine = anyLine || !line.empty();
    if (!anyLine) return refused(dialogs, "Missing Data", "No information entered");
    if (!s.optVRLabel && !s.optVREnvelope) {
        return refused(dialogs, "Media Selection", "Select Label stock or Envelope");
    }
    if (s.optVREnvelope && leadingNumber(s.EnvelopeSize) == 0) {
        return refused(dialogs, "Envelope Size", "Select Envelope size");
    }
    if (!s.optVRLeftjust && !s.optVRCenter) {
        return refused(dialogs, "Text Alignment", "Select Left-Justified or Centered");
    }
    return false;
}

// The start of a label run: StartPosition from the entry and its print-grid origin.
bool startLabelRun(ComposerState& s, Dialogs& dialogs, std::string_view device) {
    s.StartPosition = s.PositionEntry;
    if (!parseLabelRange(s, dialogs)) return false;
    const double start = leadingNumber(s.StartPosition);
    if (start >= 1 && start <= 30) setPrintGridOrigin(s, static_cast<int>(start), device);
    return true;
}

}  // namespace

Document printOne(ComposerState& state, const MarginShifts& onTheFly, const MarginShifts& envelope,
                  std::string_view deviceName) {
    TextPage page(kStartFont);
    if (state.optVREnvelope) state.LabelCount = 1;
    // The 30-up sheet only fits the page upright; the orientation choice is
    // the envelope's.
    if (state.optPortrait || state.optVRLabel) {
        page.setOrientation(Orientation::Portrait);
        page.setSize(9);
    } else {
        page.setOrientation(Orientation::Landscape);
        page.setSize(11);
    }
    if (takesHpPaperSize(deviceName)) {
        if (state.optVREnvelope) page.setPaper(PaperSize::Envelope10);
        if (state.optVRLabel) page.setPaper(PaperSize::Letter);
    }
    page.newLine();
    page.setFace("Verdana");
    Stock stock;
    if (state.optVREnvelope) {
        stock = layOutEnvelope(page, state, envelope, deviceName);
    } else {
        layOutSheetLabels(page, state, onTheFly, deviceName);
        stock = sheetStock(kAvery5160);
    }
    Document doc = page.finish();
    doc.stock = std::move(stock);
    return doc;
}

void printComposer(ComposerState& state, Dialogs& dialogs, Printer& printer,
                   const std::filesystem::path& programFolder, PrintMode mode,
                   std::string_view fileTitle) {
    try {
        const MarginShifts onTheFly =
            readMarginShifts(programFolder, marginKey(MarginKind::OnTheFly));
        const MarginShifts envelope =
            readMarginShifts(programFolder, marginKey(MarginKind::Envelope));
        if (checksFail(state, dialogs)) return;

        if (state.optVRLabel && state.lblVRPosition.empty()) {
            // No position chosen yet: ask for it rather than print somewhere.
            labelPositionPrompt(state, dialogs);
            if (!state.optVRLabel || state.lblVRPosition.empty()) return;
        }
        const bool labelMode = state.optVRLabel && !state.lblVRPosition.empty();
        if (labelMode && !startLabelRun(state, dialogs, printer.deviceName())) return;
        const std::string title =
            documentTitle(state.optVREnvelope ? "Envelope" : "Mailing labels", fileTitle);

        if (mode == PrintMode::Preview) {
            // The preview prints nothing, so the composer is left as it was.
            ComposerState shown = state;
            Document doc = printOne(shown, onTheFly, envelope, printer.deviceName());
            doc.title = title;
            if (!previewAccepted(std::move(doc), dialogs, printer)) return;
        }

        PrintDialogOptions options;
        options.printToFileDisabled = true;
        const PrintDialogResult answer = printer.showPrintDialog(options);
        if (answer.cancelled) return;

        for (int copy = 0; copy < answer.copies; ++copy) {
            // Each copy restarts at the entered position, on the printer chosen
            // in the dialog.
            if (labelMode && !startLabelRun(state, dialogs, printer.deviceName())) return;
            const ComposerState before = state;
            Document doc = printOne(state, onTheFly, envelope, printer.deviceName());
            doc.title = title;
            if (copy == 0 && !cutLinesAccepted(doc, dialogs)) {
                state = before;
                return;
            }
            submitCalibrated(std::move(doc), dialogs, printer);
        }
    } catch (const RunError&) {
        reportPrinterError(printer, dialogs);
    }
}

}  // namespace varnel
