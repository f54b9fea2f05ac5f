#include "printing/sheet_labels.h"

#include <cmath>

#include "printing/label_grid.h"
#include "printing/label_stock.h"
#include "text/numbers.h"

namespace varnel {

namespace {

void emptyLines(TextPage& page, int count) {
    for (int i = 0; i < count; ++i) page.newLine();
}

// Texts stay inside the label of the position being printed; a position off
// the sheet keeps the last room.
void fenceIntoPosition(TextPage& page, const ComposerState& state) {
    const double position = leadingNumber(state.StartPosition);
    if (position >= 1 && position <= 30) {
        const int p = static_cast<int>(position);
        page.setLabelRoom(labelRect(kAvery5160, p), p);
    }
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

    int x = originColumn(state, onTheFly);
    emptyLines(page, originRow(state, onTheFly));
    for (int i = 0; i < state.LabelCount; ++i) {
        fenceIntoPosition(page, state);
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
