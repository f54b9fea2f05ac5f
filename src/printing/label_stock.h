#pragma once
// The physical stock the program prints on: the two label sheets and the six
// envelopes, in points from the paper's corner.
#include "ports/document.h"

namespace varnel {

struct LabelSheet {
    const char* name;
    int columns;
    int rows;
    double left, top;       // the first label's corner
    double width, height;   // one label
    double pitchX, pitchY;  // from one label to the next
    int count() const { return columns * rows; }
};

// Avery 5160/8160: 30 labels of 2 5/8 x 1 in, 3 across, 10 down.
extern const LabelSheet kAvery5160;
// Avery 5167/8167/18167: 80 labels of 1 3/4 x 1/2 in, 4 across, 20 down.
extern const LabelSheet kAvery5167;

// Label `position` (1-based, left to right, then down).
RectPt labelRect(const LabelSheet& sheet, int position);
// A Letter sheet of these labels.
Stock sheetStock(const LabelSheet& sheet);

// Envelope size 1 to 6 of the composer's list, as it lies on the page the
// layout is made on. Landscape: fed leading edge first against the page's
// left edge, with its lower edge along the page's lower edge, so that the
// origin of each size lands the address where a post office reads it.
// Portrait: in the page's corner. `lift` raises it (the HP family puts it
// two rows higher than other printers).
RectPt envelopeRect(int size, Orientation orientation, double lift);
Stock envelopeStock(int size, Orientation orientation, double lift);

}  // namespace varnel
