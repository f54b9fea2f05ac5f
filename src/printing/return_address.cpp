#include "printing/return_address.h"

#include "printing/font_metrics.h"
#include "printing/label_grid.h"
#include "printing/label_stock.h"
#include "printing/page_geometry.h"
#include "printing/print_flow.h"
#include "printing/printer_error.h"
#include "printing/text_page.h"
#include "text/run_error.h"

namespace varnel {

namespace {

constexpr const char* kLabelFace = "Microsoft Sans Serif";
constexpr int kLabelRows = 20;
constexpr std::array<int, 4> kColumns = {7, 49, 91, 133};

FontSpec labelFont(bool italic) { return FontSpec{kLabelFace, 8, false, italic}; }

// The spacer row below each row of labels, sized so that a row of labels
// takes exactly the sheet's pitch: three rows of 8-point text leave it 7.8
// points of Courier New. At 8 points every row would end 0.23 point lower
// than the last, and the bottom rows would creep off their labels.
double spacerSize();

double blockInset() {
    const double rows = 3 * rowHeight(labelFont(false));
    const double middle = kAvery5167.top + (kAvery5167.height - rows) / 2;
    return middle - kPrintableOffsetY - 4 * rowHeight(labelFont(false));
}

double spacerSize() {
    const double left = kAvery5167.pitchY - 3 * rowHeight(labelFont(false));
    return left / rowHeight(FontSpec{"Courier New", 1, false, false});
}

}  // namespace

void enterReturnAddressMode(ComposerModel& m) {
    m.returnAddress = ReturnAddressStep::EnterLines;
    m.labelBold = false;
    m.labelItalic = false;
}

void leaveReturnAddressMode(ComposerModel& m) {
    m.returnAddress = ReturnAddressStep::Off;
    m.labelBold = false;
    m.labelItalic = false;
    m.alignment = Alignment::Left;
}

Document returnAddressPage(const ComposerModel& model, const MarginShifts& shifts) {
    TextPage page(labelFont(model.labelItalic));
    page.setOrientation(Orientation::Portrait);
    const int topRows = shifts.top > 0 ? 5 : shifts.top == 0 ? 4 : 3;
    for (int i = 0; i < topRows; ++i) page.newLine();
    // Four rows end just below the first labels' top edge: the three lines
    // go down to the middle of the label, so that neither a capital's accent
    // nor a descender comes near its edges.
    page.moveDown(blockInset());

    page.setFace(kLabelFace);
    page.setSize(8);
    page.setBold(false);

    const bool left = model.alignment == Alignment::Left;
    page.setCentring(!left);
    for (int row = 0; row < kLabelRows; ++row) {
        page.setFace(kLabelFace);
        page.setSize(8);
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string& line = model.lines[i];
            // Lines longer than 24 characters give no blanks rather than fewer.
            const int blanks = left ? 0 : centringBlanks(line.size(), 12);
            for (std::size_t c = 0; c < kColumns.size(); ++c) {
                page.tab(shifts.left + kColumns[c]);
                // Every label carries the same lines: a cut line is cut on all.
                // The left shift says where this printer puts the labels.
                const RectPt label = labelRect(kAvery5167, row * 4 + static_cast<int>(c) + 1);
                page.setLabelRoom(label.moved(shifts.left * columnWidth(page.font()), 0), 0);
                if (!left) page.spc(blanks);
                page.text(line);
            }
            page.newLine();
        }
        page.clearRoom();
        page.setFace("Courier New");
        page.setSize(spacerSize());
        page.newLine();
        page.setFace(kLabelFace);
        page.setSize(8);
    }
    Document doc = page.finish();
    doc.stock = sheetStock(kAvery5167);
    return doc;
}

void printReturnAddressLabels(ComposerModel& model, Dialogs& dialogs, Printer& printer,
                              const std::filesystem::path& programFolder, PrintMode mode,
                              std::string_view fileTitle) {
    try {
        const MarginShifts shifts =
            readMarginShifts(programFolder, marginKey(MarginKind::ReturnAddress));
        for (;;) {
            dialogs.message("Load printer with Avery 5167, 8167, or 18167 label stock",
                            "Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 "
                            "inch] labels",
                            Icon::Information);
            const auto& l = model.lines;
            if (l[0].empty() && l[1].empty() && l[2].empty()) {
                dialogs.beep();
                dialogs.message("Instructions", "Fill in Lines 1, 2, and 3, then press Print.",
                                Icon::Exclamation);
                enterReturnAddressMode(model);
                return;
            }
            if (!l[3].empty() || !l[4].empty()) {
                dialogs.beep();
                dialogs.message("Small label can fit only 3 lines", "Leave Lines 4 and 5 blank",
                                Icon::Exclamation);
                model.focus = ComposerField::Line4;
                return;
            }

            const std::string title = documentTitle("Return address labels", fileTitle);
            if (mode == PrintMode::Preview) {
                Document doc = returnAddressPage(model, shifts);
                doc.title = title;
                if (!previewAccepted(std::move(doc), dialogs, printer)) return;
            }
            PrintDialogOptions options;
            options.printToFileDisabled = true;
            const PrintDialogResult answer = printer.showPrintDialog(options);
            if (answer.cancelled) return;
            // A printed sheet takes the envelope's Bold away.
            model.envelopeBold = false;
            Document doc = returnAddressPage(model, shifts);
            doc.title = title;
            if (answer.copies >= 1 && !cutLinesAccepted(doc, dialogs)) return;
            for (int copy = 0; copy < answer.copies; ++copy) {
                submitCalibrated(doc, dialogs, printer);
            }

            // The composer's own Print button comes back; the styles stay
            // locked until the user is done.
            if (model.returnAddress == ReturnAddressStep::EnterLines) {
                model.returnAddress = ReturnAddressStep::Printed;
            }
            const Answer again = dialogs.messageBox(
                "Completed", "Done!  Do you want to print another page of Return Address Labels?",
                Icon::None, Buttons::YesNoCancel);
            if (again != Answer::Yes) {
                leaveReturnAddressMode(model);
                return;
            }
        }
    } catch (const RunError&) {
        reportPrinterError(printer, dialogs, Icon::Exclamation);
    }
}

}  // namespace varnel
