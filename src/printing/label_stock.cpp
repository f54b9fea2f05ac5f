#include "printing/label_stock.h"

#include <array>

#include "printing/page_geometry.h"

namespace varnel {

namespace {

constexpr double kInch = kPointsPerInch;

struct EnvelopeInches {
    const char* name;
    double length, height;
};

constexpr std::array<EnvelopeInches, 6> kEnvelopes = {{
    {"#10 envelope", 9.5, 4.125},
    {"#6 3/4 envelope", 6.5, 3.625},
    {"#A2 envelope", 5.75, 4.375},
    {"#A7 envelope", 7.25, 5.25},
    {"#A8 envelope", 8.125, 5.5},
    {"#A10 envelope", 9.5, 6.0},
}};

const EnvelopeInches& envelope(int size) {
    return kEnvelopes[static_cast<std::size_t>(size >= 1 && size <= 6 ? size - 1 : 0)];
}

}  // namespace

const LabelSheet kAvery5160{"Avery 5160",  3,           10,           3.0 / 16 * kInch, 0.5 * kInch,
                            2.625 * kInch, 1.0 * kInch, 2.75 * kInch, 1.0 * kInch};
const LabelSheet kAvery5167{
    "Avery 5167",   4,          20, 9.0 / 32 * kInch, 0.5 * kInch, 1.75 * kInch, 0.5 * kInch,
    2.0625 * kInch, 0.5 * kInch};

RectPt labelRect(const LabelSheet& sheet, int position) {
    const int index = position < 1 ? 0 : (position - 1) % sheet.count();
    const int column = index % sheet.columns;
    const int row = index / sheet.columns;
    return {sheet.left + column * sheet.pitchX, sheet.top + row * sheet.pitchY, sheet.width,
            sheet.height};
}

Stock sheetStock(const LabelSheet& sheet) {
    Stock stock;
    stock.name = sheet.name;
    const SizePt letter = paperSize(PaperSize::Letter, Orientation::Portrait);
    stock.medium = {0, 0, letter.width, letter.height};
    stock.labels.reserve(static_cast<std::size_t>(sheet.count()));
    for (int p = 1; p <= sheet.count(); ++p) stock.labels.push_back(labelRect(sheet, p));
    return stock;
}

RectPt envelopeRect(int size, Orientation orientation, double lift) {
    const EnvelopeInches& e = envelope(size);
    if (orientation == Orientation::Portrait) {
        return {0, -lift, e.height * kInch, e.length * kInch};
    }
    const double pageHeight = paperSize(PaperSize::Letter, Orientation::Landscape).height;
    return {0, pageHeight - e.height * kInch - lift, e.length * kInch, e.height * kInch};
}

Stock envelopeStock(int size, Orientation orientation, double lift) {
    Stock stock;
    stock.name = envelope(size).name;
    stock.medium = envelopeRect(size, orientation, lift);
    stock.envelope = true;
    return stock;
}

}  // namespace varnel
