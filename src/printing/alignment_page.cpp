#include "printing/alignment_page.h"

#include <algorithm>
#include <cmath>

#include "printing/composer.h"
#include "printing/font_metrics.h"
#include "printing/label_grid.h"
#include "printing/page_geometry.h"
#include "printing/print_command.h"
#include "printing/printer_error.h"
#include "printing/return_address.h"
#include "text/run_error.h"

namespace varnel {

namespace {

constexpr double kInch = kPointsPerInch;
constexpr double kMillimetre = kInch / 25.4;
constexpr double kCrossArm = 0.1 * kInch;
const FontSpec kRulerFont{"Verdana", 6, false, false};

std::string inches(int n) {
    std::string text = std::to_string(n);
    text.append(" in");
    return text;
}

// A text at a point of the paper (the top of its row).
void place(Document& doc, double x, double y, const std::string& text, const FontSpec& font) {
    Placement p;
    p.x = x - kPrintableOffsetX;
    p.y = y - kPrintableOffsetY;
    p.row = 0;
    p.column = 1;
    p.font = font;
    p.text = text;
    p.width = textWidth(font, text);
    p.height = rowHeight(font);
    doc.placements.push_back(std::move(p));
}

void outlineAndCrosses(Document& doc, const RectPt& r) {
    auto& s = doc.strokes;
    s.push_back({r.x, r.y, r.right(), r.y});
    s.push_back({r.right(), r.y, r.right(), r.bottom()});
    s.push_back({r.right(), r.bottom(), r.x, r.bottom()});
    s.push_back({r.x, r.bottom(), r.x, r.y});
    for (double x : {r.x, r.right()}) {
        for (double y : {r.y, r.bottom()}) {
            s.push_back({x - kCrossArm, y, x + kCrossArm, y});
            s.push_back({x, y - kCrossArm, x, y + kCrossArm});
        }
    }
}

// Tick length of an inch mark: 1, 1/2, 1/4, 1/8 in.
double inchTick(int eighths) {
    if (eighths % 8 == 0) return 0.15 * kInch;
    if (eighths % 4 == 0) return 0.1 * kInch;
    if (eighths % 2 == 0) return 0.07 * kInch;
    return 0.04 * kInch;
}

double millimetreTick(int mm) {
    if (mm % 10 == 0) return 0.08 * kInch;
    if (mm % 5 == 0) return 0.05 * kInch;
    return 0.03 * kInch;
}

// Along the paper's top, in the sheet's top margin: inches above the line,
// millimetres below it, measured from the paper's left edge.
void horizontalRuler(Document& doc, double y, double length) {
    doc.strokes.push_back({0, y, length, y});
    for (int e = 1; e * kInch / 8 <= length; ++e) {
        const double x = e * kInch / 8;
        doc.strokes.push_back({x, y, x, y - inchTick(e)});
        if (e % 8 == 0) place(doc, x + 1, y - inchTick(e) - 1, inches(e / 8), kRulerFont);
    }
    for (int mm = 1; mm * kMillimetre <= length; ++mm) {
        const double x = mm * kMillimetre;
        doc.strokes.push_back({x, y, x, y + millimetreTick(mm)});
    }
}

// Down a gutter between two columns of labels: inches to the left, millimetres
// to the right, measured from the paper's top edge.
void verticalRuler(Document& doc, double x, double length) {
    doc.strokes.push_back({x, 0, x, length});
    for (int e = 1; e * kInch / 8 <= length; ++e) {
        const double y = e * kInch / 8;
        const double tick = std::min(inchTick(e), 0.06 * kInch);
        doc.strokes.push_back({x, y, x - tick, y});
        if (e % 8 == 0) {
            // The gutter is narrow: the number alone, the top ruler says "in".
            const std::string text = std::to_string(e / 8);
            place(doc, x - 0.07 * kInch - textWidth(kRulerFont, text),
                  y - rowHeight(kRulerFont) / 2, text, kRulerFont);
        }
    }
    for (int mm = 1; mm * kMillimetre <= length; ++mm) {
        const double y = mm * kMillimetre;
        doc.strokes.push_back({x, y, x + std::min(millimetreTick(mm), 0.05 * kInch), y});
    }
}

Document samplePrint(const LabelSheet& sheet, const MarginShifts& shifts,
                     std::string_view deviceName) {
    ComposerModel s;
    if (sheet.count() == kAvery5167.count()) {
        s.lines = {"Line 1 of 3", "Line 2 of 3", "Line 3 of 3", "", ""};
        return returnAddressPage(s, shifts);
    }
    s.lines = {"Line 1 of 5", "Line 2 of 5", "Line 3 of 5", "Line 4 of 5", "Line 5 of 5"};
    s.media = Media::Label;
    s.run = LabelRun{1, 30, 30};
    s.origin = printGridOrigin(1, false, isHpFamily(deviceName));
    return printOne(s, shifts, {}, deviceName);
}

}  // namespace

Document alignmentPage(const LabelSheet& sheet, const MarginShifts& shifts,
                       std::string_view deviceName) {
    Document doc = samplePrint(sheet, shifts, deviceName);
    doc.cuts.clear();
    doc.stock = sheetStock(sheet);
    doc.title = std::string("Alignment page - ") + sheet.name;
    for (const RectPt& label : doc.stock.labels) outlineAndCrosses(doc, label);

    const RectPt first = labelRect(sheet, 1);
    const RectPt second = labelRect(sheet, 2);
    const double paperWidth = doc.stock.medium.width;
    horizontalRuler(doc, first.y - 0.12 * kInch, paperWidth);
    const RectPt last = labelRect(sheet, sheet.count());
    verticalRuler(doc, (first.right() + second.x) / 2, last.bottom() + 0.08 * kInch);
    const FontSpec titleFont{"Verdana", 8, true, false};
    place(doc, first.x, last.bottom() + 0.12 * kInch,
          std::string("Varnel alignment page for ") + sheet.name +
              " labels: hold it against a label sheet. Rulers measure from the paper's top-left "
              "corner.",
          titleFont);
    return doc;
}

void printAlignmentPage(const LabelSheet& sheet, Dialogs& dialogs, Printer& printer,
                        const std::filesystem::path& programFolder, PrintMode mode) {
    try {
        const bool small = sheet.count() == kAvery5167.count();
        const MarginShifts shifts = readMarginShifts(
            programFolder, marginKey(small ? MarginKind::ReturnAddress : MarginKind::OnTheFly));
        if (mode == PrintMode::Preview &&
            !previewAccepted(alignmentPage(sheet, shifts, printer.deviceName()), dialogs, printer))
            return;
        PrintDialogOptions options;
        options.printToFileDisabled = true;
        const PrintDialogResult answer = printer.showPrintDialog(options);
        if (answer.cancelled) return;
        const Document doc = alignmentPage(sheet, shifts, printer.deviceName());
        for (int copy = 0; copy < answer.copies; ++copy) submitCalibrated(doc, dialogs, printer);
    } catch (const RunError&) {
        reportPrinterError(printer, dialogs);
    }
}

}  // namespace varnel
