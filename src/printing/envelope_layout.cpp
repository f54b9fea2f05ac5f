#include "printing/envelope_layout.h"

#include "printing/label_grid.h"
#include "printing/sheet_labels.h"

namespace varnel {

void layOutEnvelope(TextPage& page, const ComposerState& state, const MarginShifts& envelope,
                    std::string_view deviceName) {
    if (state.chkBold) page.setBold(true);
    if (state.chkLargeFont) {
        page.setFace("Trebuchet MS");
        page.setSize(14);
        page.setItalic(true);
    } else {
        page.setFace("Verdana");
        page.setItalic(false);
    }
    if (!state.chkBold) page.setBold(false);

    int x = originColumn(state, envelope);
    int y = originRow(state, envelope);
    // Larger and bolder rows would push the block down and right; these
    // corrections keep it where the plain font puts it.
    if (state.chkBold) y -= 1;
    if (state.chkLargeFont) {
        x -= 6;
        y -= 7;
    }
    if (takesHpPaperSize(deviceName)) y -= 2;

    for (int i = 0; i < y; ++i) page.newLine();
    for (const std::string& line : state.lines) {
        if (state.optVRCenter) {
            page.printLine({Tab(x - 6), Spc(centringBlanks(line.size(), 18)), line});
        } else {
            page.printLine({Tab(x), line});
        }
    }
}

}  // namespace varnel
