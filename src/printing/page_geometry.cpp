#include "printing/page_geometry.h"

namespace varnel {

SizePt paperSize(PaperSize paper, Orientation orientation) {
    SizePt s = paper == PaperSize::Envelope10 ? SizePt{297.0, 684.0} : SizePt{612.0, 792.0};
    if (orientation == Orientation::Landscape) return {s.height, s.width};
    return s;
}

SizePt printableSize(PaperSize paper, Orientation orientation) {
    SizePt s = paperSize(paper, orientation);
    return {s.width - 2 * kPrintableOffsetX, s.height - 2 * kPrintableOffsetY};
}

}  // namespace varnel
