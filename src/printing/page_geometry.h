#pragma once
// Paper sizes and the reference printable area that layouts are computed on.
#include "ports/document.h"

namespace varnel {

struct SizePt {
    double width = 0.0;
    double height = 0.0;
};

// The paper in points as it lies for the orientation.
SizePt paperSize(PaperSize paper, Orientation orientation);

// Where the printable area starts from the paper's corner on the reference
// printer; the PDF destination uses the same offset so that a PDF shows each
// text where a printer with these margins puts it.
inline constexpr double kPrintableOffsetX = 16.0;  // 2/9 in
inline constexpr double kPrintableOffsetY = 2.0;   // 1/36 in

inline constexpr double kPointsPerInch = 72.0;

// How far a glyph may reach past its advance (an italic's overhang), so that
// what is kept clear of an edge is kept clear by the ink, not just the box.
inline constexpr double kGlyphOverhang = 0.9;
// What a text keeps clear of its label's edges: 0.05 in of bare stock and
// the overhang, 1/16 in in all.
inline constexpr double kLabelInset = 0.05 * kPointsPerInch + kGlyphOverhang;

// The printable area: the paper less the offset on each side.
SizePt printableSize(PaperSize paper, Orientation orientation);

}  // namespace varnel
