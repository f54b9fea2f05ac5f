#include "printing/envelope_layout.h"

#include "printing/font_metrics.h"
#include "printing/label_grid.h"
#include "printing/label_stock.h"
#include "printing/page_geometry.h"
#include "printing/sheet_labels.h"

namespace varnel {

namespace {

// A post office reads an address no nearer than 1/2 in to the envelope's sides.
constexpr double kEnvelopeSide = 0.5 * kPointsPerInch;

// Rows the HP family's envelope sits higher than other printers put it.
constexpr int kHpRows = 2;

int envelopeSize(const ComposerModel& model) {
    return model.envelopeSize >= 1 && model.envelopeSize <= 6 ? model.envelopeSize : 1;
}

}  // namespace

Stock layOutEnvelope(TextPage& page, const ComposerModel& model, const MarginShifts& envelope,
                     std::string_view deviceName) {
    if (model.envelopeBold) page.setBold(true);
    if (model.envelopeLarge) {
        page.setFace("Trebuchet MS");
        page.setSize(14);
        page.setItalic(true);
    } else {
        page.setFace("Verdana");
        page.setItalic(false);
    }
    if (!model.envelopeBold) page.setBold(false);

    int x = originColumn(model.origin, envelope);
    int y = originRow(model.origin, envelope);
    // Larger and bolder rows would push the block down and right; these
    // corrections keep it where the plain font puts it. Five rows of the large
    // font keep its top (bold's row included) inside the area a post office
    // reads on a #10 envelope.
    if (model.envelopeBold) y -= 1;
    if (model.envelopeLarge) {
        x -= 6;
        y -= 5;
    }
    const bool hp = takesHpPaperSize(deviceName);
    if (hp) y -= kHpRows;

    const double lift = hp ? kHpRows * rowHeight(page.font()) : 0.0;
    Stock stock = envelopeStock(envelopeSize(model), page.orientation(), lift);
    // The ENVELOPE left shift says where this printer puts the envelope.
    const double side = kEnvelopeSide + kGlyphOverhang;
    const double shift = envelope.left * columnWidth(page.font());
    page.setRoom(stock.medium.x + shift + side - kPrintableOffsetX,
                 stock.medium.right() + shift - side - kPrintableOffsetX, 0);

    const bool centred = model.alignment == Alignment::Centred;
    page.setCentring(centred);
    for (int i = 0; i < y; ++i) page.newLine();
    for (const std::string& line : model.lines) {
        if (centred) {
            page.printLine({Tab(x - 6), Spc(centringBlanks(line.size(), 18)), line});
        } else {
            page.printLine({Tab(x), line});
        }
    }
    page.clearRoom();
    page.setCentring(false);
    return stock;
}

}  // namespace varnel
