#include "printing/sheet_labels.h"

#include <cmath>

#include "printing/font_metrics.h"
#include "printing/label_grid.h"
#include "printing/label_stock.h"
#include "printing/page_geometry.h"
#include "text/numbers.h"

namespace varnel {

namespace {

void emptyLines(TextPage& page, int count) {
    for (int i = 0; i < count; ++i) page.newLine();
}

// Texts stay inside the label of the position being printed, and its first
// line starts no nearer to the label's top than the inset (rows 2, 7 and 9 of
// the grid would put a capital's accent within 0.05 in of it). The margin
// shifts and the HP family's two columns say where this printer puts the
// labels, so the label moves with them. A position off the sheet keeps the
// last room.
void fenceIntoPosition(TextPage& page, int p, const MarginShifts& shifts, bool hpFamily) {
    if (p < 1 || p > 30) return;
    const RectPt label =
        labelRect(kAvery5160, p)
            .moved((shifts.left + (hpFamily ? kHpColumns : 0)) * columnWidth(page.font()),
                   shifts.top * rowHeight(page.font()));
    page.setLabelRoom(label, p);
    const double top = label.y + kLabelInset - kPrintableOffsetY;
    if (page.y() < top) page.moveDown(top - page.y());
}

void printLabelLines(TextPage& page, const ComposerModel& model, int x) {
    for (const std::string& line : model.lines) {
        if (model.alignment == Alignment::Centred) {
            // Bold columns are wider, so the bold grid needs no step back.
            const int tab = model.labelBold ? x : x - 3;
            page.printLine({Tab(tab), Spc(centringBlanks(line.size(), 18)), line});
        } else {
            page.printLine({Tab(x), line});
        }
    }
}

}  // namespace

int originColumn(GridOrigin origin, const MarginShifts& shifts) {
    return toInt16(static_cast<double>(origin.column) + shifts.left);
}

int originRow(GridOrigin origin, const MarginShifts& shifts) {
    return toInt16(static_cast<double>(origin.row) + shifts.top);
}

void layOutSheetLabels(TextPage& page, const ComposerModel& model, const MarginShifts& onTheFly,
                       std::string_view deviceName) {
    const bool hp = isHpFamily(deviceName);
    page.setBold(false);
    if (model.labelBold) page.setBold(true);
    if (model.labelItalic) page.setItalic(true);

    page.setCentring(model.alignment == Alignment::Centred);
    GridOrigin origin = model.origin;
    int position = model.run.start;
    int x = originColumn(origin, onTheFly);
    emptyLines(page, originRow(origin, onTheFly));
    for (int i = 0; i < model.run.count; ++i) {
        fenceIntoPosition(page, position, onTheFly, hp);
        printLabelLines(page, model, x);
        ++position;
        page.resetPosition();
        page.newLine();
        if (position >= 1 && position <= 30)
            origin = printGridOrigin(position, model.labelBold, hp);
        x = originColumn(origin, onTheFly);
        emptyLines(page, originRow(origin, onTheFly));
    }
}

}  // namespace varnel
