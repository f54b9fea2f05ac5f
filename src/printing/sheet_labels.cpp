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
void fenceIntoPosition(TextPage& page, const ComposerState& state, const MarginShifts& shifts,
                       bool hpFamily) {
    const double position = leadingNumber(state.StartPosition);
    if (position < 1 || position > 30) return;
    const int p = static_cast<int>(position);
    const RectPt label =
        labelRect(kAvery5160, p)
            .moved((shifts.left + (hpFamily ? kHpColumns : 0)) * columnWidth(page.font()),
                   shifts.top * rowHeight(page.font()));
    page.setLabelRoom(label, p);
    const double top = label.y + kLabelInset - kPrintableOffsetY;
    if (page.y() < top) page.moveDown(top - page.y());
}

void printLabelLines(TextPage& page, const ComposerState& state, int x) {
    for (const std::string& line : state.lines) {
        if (state.optVRCenter) {
            // Bold columns are wider, so the bold grid needs no step back.
            const int tab = state.chkLblBold ? x : x - 3;
            page.printLine({Tab(tab), Spc(centringBlanks(line.size(), 18)), line});
        } else {
            page.printLine({Tab(x), line});
        }
    }
}

}  // namespace

int originColumn(const ComposerState& state, const MarginShifts& shifts) {
    return toInt16(leadingNumber(state.txtVRLeftPad) + shifts.left);
}

int originRow(const ComposerState& state, const MarginShifts& shifts) {
    return toInt16(leadingNumber(state.txtVRToppad) + shifts.top);
}

void setPrintGridOrigin(ComposerState& state, int position, std::string_view deviceName) {
    if (position < 1 || position > 30) return;
    const GridOrigin o = printGridOrigin(position, state.chkLblBold, isHpFamily(deviceName));
    state.txtVRLeftPad = std::to_string(o.column);
    state.txtVRToppad = std::to_string(o.row);
}

void layOutSheetLabels(TextPage& page, ComposerState& state, const MarginShifts& onTheFly,
                       std::string_view deviceName) {
    page.setBold(false);
    state.chkBold = false;
    state.chkBoldVisible = false;
    if (state.chkLblBold) page.setBold(true);
    if (state.chkLblItalic) page.setItalic(true);

    page.setCentring(state.optVRCenter);
    int x = originColumn(state, onTheFly);
    emptyLines(page, originRow(state, onTheFly));
    for (int i = 0; i < state.LabelCount; ++i) {
        fenceIntoPosition(page, state, onTheFly, isHpFamily(deviceName));
        printLabelLines(page, state, x);
        const double next = leadingNumber(state.StartPosition) + 1;
        state.StartPosition = std::to_string(static_cast<long long>(next));
        page.resetPosition();
        page.newLine();
        if (next >= 1 && next <= 30) setPrintGridOrigin(state, static_cast<int>(next), deviceName);
        x = originColumn(state, onTheFly);
        emptyLines(page, originRow(state, onTheFly));
    }
}

}  // namespace varnel
