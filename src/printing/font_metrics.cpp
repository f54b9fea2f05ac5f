#include "printing/font_metrics.h"

#include "printing/font_metrics_tables.h"
#include "text/strings.h"

namespace varnel {

namespace {

enum class Family { Verdana, Trebuchet, Courier, SansSerif };

struct FaceInfo {
    Family family;
    double lineHeightEm;
};

// GDI line heights: (usWinAscent + usWinDescent) / unitsPerEm.
constexpr double kVerdanaLine = (2059.0 + 430.0) / 2048.0;
constexpr double kTrebuchetLine = (1923.0 + 455.0) / 2048.0;
constexpr double kCourierLine = (1705.0 + 615.0) / 2048.0;
constexpr double kSansSerifLine = 2318.0 / 2048.0;
constexpr double kCourierWidth = 600.0;

FaceInfo faceInfo(std::string_view face) {
    const std::string f = toLowerCp1252(trimSpaces(face));
    if (f == "trebuchet ms" || f == "trebuchet") return {Family::Trebuchet, kTrebuchetLine};
    if (f == "courier new" || f == "courier") return {Family::Courier, kCourierLine};
    if (f == "microsoft sans serif" || f == "ms sans serif" || f == "arial" || f == "helvetica")
        return {Family::SansSerif, kSansSerifLine};
    return {Family::Verdana, kVerdanaLine};
}

const metrics::WidthTable* table(Family family, bool bold, bool italic) {
    using namespace metrics;
    switch (family) {
        case Family::Verdana:
            if (bold) return italic ? &kVerdanaBoldItalic : &kVerdanaBold;
            return italic ? &kVerdanaItalic : &kVerdanaRegular;
        case Family::Trebuchet:
            if (bold) return italic ? &kTrebuchetBoldItalic : &kTrebuchetBold;
            return italic ? &kTrebuchetItalic : &kTrebuchetRegular;
        case Family::SansSerif:
            // No italic tables: the upright widths are the nearest.
            return bold ? &kHelveticaBold : &kHelveticaRegular;
        case Family::Courier:
            return nullptr;
    }
    return nullptr;
}

double widthEm(const metrics::WidthTable* t, unsigned char code) {
    if (t == nullptr) return kCourierWidth;
    if (code < 32) return t->spaceWidth;
    return t->widths[code - 32];
}

}  // namespace

double rowHeight(const FontSpec& font) { return faceInfo(font.face).lineHeightEm * font.size; }

double columnWidth(const FontSpec& font) {
    const auto* t = table(faceInfo(font.face).family, font.bold, font.italic);
    return (t == nullptr ? kCourierWidth : t->averageWidth) * font.size / 1000.0;
}

double spaceWidth(const FontSpec& font) {
    const auto* t = table(faceInfo(font.face).family, font.bold, font.italic);
    return (t == nullptr ? kCourierWidth : t->spaceWidth) * font.size / 1000.0;
}

double charWidth(const FontSpec& font, unsigned char code) {
    return widthEm(table(faceInfo(font.face).family, font.bold, font.italic), code) * font.size /
           1000.0;
}

double textWidth(const FontSpec& font, std::string_view text) {
    const auto* t = table(faceInfo(font.face).family, font.bold, font.italic);
    double em = 0.0;
    for (char c : text) em += widthEm(t, static_cast<unsigned char>(c));
    return em * font.size / 1000.0;
}

}  // namespace varnel
