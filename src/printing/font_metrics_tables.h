#pragma once
// The reference advance widths behind font_metrics.h. Widths are in 1/1000 em.
#include <array>
#include <cstdint>

namespace varnel::metrics {

struct WidthTable {
    double spaceWidth;    // the space glyph
    double averageWidth;  // xAvgCharWidth of OS/2 version 0 (English letter weights)
    std::array<std::uint16_t, 224> widths;  // Windows-1252 codes 32 to 255
};

extern const WidthTable kVerdanaRegular;
extern const WidthTable kVerdanaBold;
extern const WidthTable kVerdanaItalic;
extern const WidthTable kVerdanaBoldItalic;
extern const WidthTable kTrebuchetRegular;
extern const WidthTable kTrebuchetBold;
extern const WidthTable kTrebuchetItalic;
extern const WidthTable kTrebuchetBoldItalic;
extern const WidthTable kHelveticaRegular;
extern const WidthTable kHelveticaBold;

}  // namespace varnel::metrics
