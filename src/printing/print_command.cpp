#include "printing/print_command.h"

#include "printing/envelope_layout.h"
#include "printing/label_grid.h"
#include "printing/label_position.h"
#include "printing/label_stock.h"
#include "printing/print_flow.h"
#include "printing/printer_error.h"
#include "printing/sheet_labels.h"
#include "printing/text_page.h"
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

bool checksFail(const ComposerModel& m, Dialogs& dialogs) {
    bool anyLine = false;
    for (const std::string& line : m.lines) anyLine = anyLine || !line.empty();
    if (!anyLine) return refused(dialogs, "Missing Data", "No information entered");
    if (m.media == Media::None) {
        return refused(dialogs, "Media Selection", "Select Label stock or Envelope");
    }
    if (m.media == Media::Envelope && m.envelopeSize == 0) {
        return refused(dialogs, "Envelope Size", "Select Envelope size");
    }
    return false;
}

// The start of a label run: the run from the entry and its print-grid origin.
bool startLabelRun(ComposerModel& printed, const std::string& entry, Dialogs& dialogs,
                   std::string_view device) {
    if (!parseLabelRange(entry, printed.run, dialogs)) return false;
    const int start = printed.run.start;
    if (start >= 1 && start <= 30) {
        printed.origin = printGridOrigin(start, printed.labelBold, isHpFamily(device));
    }
    return true;
}

}  // namespace

Document printOne(const ComposerModel& m, const MarginShifts& onTheFly,
                  const MarginShifts& envelope, std::string_view deviceName) {
    TextPage page(kStartFont);
    // The 30-up sheet only fits the page upright; the orientation choice is
    // the envelope's.
    if (m.orientation == Orientation::Portrait || m.media == Media::Label) {
        page.setOrientation(Orientation::Portrait);
        page.setSize(9);
    } else {
        page.setOrientation(Orientation::Landscape);
        page.setSize(11);
    }
    if (takesHpPaperSize(deviceName)) {
        if (m.media == Media::Envelope) page.setPaper(PaperSize::Envelope10);
        if (m.media == Media::Label) page.setPaper(PaperSize::Letter);
    }
    page.newLine();
    page.setFace("Verdana");
    Stock stock;
    if (m.media == Media::Envelope) {
        stock = layOutEnvelope(page, m, envelope, deviceName);
    } else {
        layOutSheetLabels(page, m, onTheFly, deviceName);
        stock = sheetStock(kAvery5160);
    }
    Document doc = page.finish();
    doc.stock = std::move(stock);
    return doc;
}

void printComposer(ComposerModel& model, Dialogs& dialogs, Printer& printer,
                   const std::filesystem::path& programFolder, PrintMode mode,
                   std::string_view fileTitle) {
    try {
        const MarginShifts onTheFly =
            readMarginShifts(programFolder, marginKey(MarginKind::OnTheFly));
        const MarginShifts envelope =
            readMarginShifts(programFolder, marginKey(MarginKind::Envelope));
        if (checksFail(model, dialogs)) return;

        if (model.media == Media::Label && model.labelPosition.empty()) {
            // No position chosen yet: ask for it rather than print somewhere.
            labelPositionPrompt(model, dialogs);
            if (model.media != Media::Label || model.labelPosition.empty()) return;
        }
        const bool labelMode = model.media == Media::Label;
        // What is printed: the composer with the run's origin; the composer
        // itself keeps its choices.
        ComposerModel printed = model;
        if (labelMode &&
            !startLabelRun(printed, model.labelPosition, dialogs, printer.deviceName())) {
            return;
        }
        const std::string title =
            documentTitle(labelMode ? "Mailing labels" : "Envelope", fileTitle);

        if (mode == PrintMode::Preview) {
            Document doc = printOne(printed, onTheFly, envelope, printer.deviceName());
            doc.title = title;
            if (!previewAccepted(std::move(doc), dialogs, printer)) return;
        }

        PrintDialogOptions options;
        options.printToFileDisabled = true;
        const PrintDialogResult answer = printer.showPrintDialog(options);
        if (answer.cancelled || answer.copies < 1) return;

        // The printer chosen in the dialog decides the print grid; every copy
        // is the same document.
        if (labelMode &&
            !startLabelRun(printed, model.labelPosition, dialogs, printer.deviceName())) {
            return;
        }
        Document doc = printOne(printed, onTheFly, envelope, printer.deviceName());
        doc.title = title;
        if (!cutLinesAccepted(doc, dialogs)) return;
        // A printed label run takes the envelope's Bold away.
        if (labelMode) model.envelopeBold = false;
        for (int copy = 0; copy < answer.copies; ++copy) submitCalibrated(doc, dialogs, printer);
    } catch (const RunError&) {
        reportPrinterError(printer, dialogs);
    }
}

}  // namespace varnel
