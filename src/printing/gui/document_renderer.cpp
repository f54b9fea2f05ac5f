#include "printing/gui/document_renderer.h"

#include <QGlyphRun>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QRawFont>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ports/gui/qt_text.h"
#include "printing/page_geometry.h"

namespace varnel {

QString substituteFamily(const std::string& face) {
    const QString f = QString::fromStdString(face).trimmed().toLower();
    if (f == "courier new" || f == "courier") return QStringLiteral("Liberation Mono");
    if (f == "trebuchet ms" || f == "microsoft sans serif" || f == "arial")
        return QStringLiteral("Liberation Sans");
    return QStringLiteral("DejaVu Sans");
}

QFont substituteFont(const FontSpec& wanted) {
    QFont font;
    font.setFamilies({substituteFamily(wanted.face), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSizeF(wanted.size);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    // Kerning would make the drawn advance differ from the reference sum.
    font.setKerning(false);
    // Printed positions come from the outlines, not from a screen's grid.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool onEnvelopePage(const Document& document, bool pdf) {
    if (!document.stock.envelope) return false;
    return pdf || (document.paperSet && document.paper == PaperSize::Envelope10);
}

namespace {

QPageSize envelopePageSize(const RectPt& medium) {
    const QSizeF upright(std::min(medium.width, medium.height),
                         std::max(medium.width, medium.height));
    const QPageSize ten(QPageSize::Comm10E);
    if (ten.size(QPageSize::Point) == upright.toSize()) return ten;
    return QPageSize(upright, QPageSize::Point, QString(), QPageSize::ExactMatch);
}

// Every face, size and style of a document, made once: the raw font at the
// device's size, and where its baseline splits a row.
struct DeviceFont {
    FontSpec face;
    QRawFont raw;
    double ascentShare = 0.8;
};

class FontCache {
public:
    explicit FontCache(double dotsPerPoint) : dotsPerPoint_(dotsPerPoint) {}

    const DeviceFont& get(const FontSpec& face) {
        if (last_ != nullptr && last_->face == face) return *last_;
        for (const DeviceFont& f : fonts_) {
            if (f.face == face) return *(last_ = &f);
        }
        DeviceFont f;
        f.face = face;
        f.raw = QRawFont::fromFont(substituteFont(face));
        f.raw.setPixelSize(face.size * dotsPerPoint_);
        const double ascent = f.raw.ascent();
        const double descent = f.raw.descent();
        if (ascent + descent > 0) f.ascentShare = ascent / (ascent + descent);
        fonts_.push_back(std::move(f));
        last_ = nullptr;
        return fonts_.back();
    }

private:
    double dotsPerPoint_;
    std::vector<DeviceFont> fonts_;
    const DeviceFont* last_ = nullptr;
};

QString printable(const std::string& cp1252) {
    QString text = fromCp(cp1252);
    // Control codes (a tab inside a selection) print as blanks, as they are measured.
    for (QChar& c : text) {
        if (c.unicode() < 32) c = QLatin1Char(' ');
    }
    return text;
}

// One text as a run of glyphs, each character its own glyph: no shaping, so
// no ligature, and the advances are the font's own.
void drawPlacement(QPainter& painter, const QTransform& start, const Placement& p,
                   const DeviceFont& font, const QPointF& origin, double dotsPerPoint) {
    const QString text = printable(p.text);
    const QList<quint32> glyphs = font.raw.glyphIndexesForString(text);
    if (glyphs.isEmpty()) return;
    const QList<QPointF> advances =
        font.raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    double natural = 0.0;
    for (const QPointF& a : advances) natural += a.x();

    // The baseline splits the row as the substitute splits ascent and descent,
    // so the glyphs stay inside the row the layout gave them.
    const double height = p.height * dotsPerPoint;
    const double left = origin.x() + p.x * dotsPerPoint;
    const double baseline = origin.y() + p.y * dotsPerPoint + height * font.ascentShare;
    // The box is the layout's: a condensed text, or a substitute a little wider
    // than the reference, is narrowed into it.
    const double room = p.width * dotsPerPoint;
    const bool squeeze = room > 0 && natural > room;
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    double x = squeeze ? 0.0 : left;
    const double y = squeeze ? 0.0 : baseline;
    for (const QPointF& a : advances) {
        positions.push_back(QPointF(x, y));
        x += a.x();
    }
    QGlyphRun run;
    run.setRawFont(font.raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    if (!squeeze) {
        painter.drawGlyphRun(QPointF(0, 0), run);
        return;
    }
    painter.setTransform(QTransform(room / natural, 0, 0, 1, left, baseline) * start);
    painter.drawGlyphRun(QPointF(0, 0), run);
    painter.setTransform(start);
}

void drawOutlines(QPainter& painter, const Stock& stock, const QPointF& paper,
                  double dotsPerPoint) {
    QPen pen(QColor(190, 190, 190));
    pen.setCosmetic(true);
    pen.setWidthF(1.0);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    auto rect = [&](const RectPt& r) {
        return QRectF(paper.x() + r.x * dotsPerPoint, paper.y() + r.y * dotsPerPoint,
                      r.width * dotsPerPoint, r.height * dotsPerPoint);
    };
    if (stock.envelope) painter.drawRect(rect(stock.medium));
    for (const RectPt& label : stock.labels) painter.drawRect(rect(label));
}

void drawStrokes(QPainter& painter, const Document& document, int page, const QPointF& paper,
                 double dotsPerPoint) {
    if (page != 0 || document.strokes.empty()) return;
    painter.setPen(QPen(Qt::black, 0.5 * dotsPerPoint));
    for (const Stroke& s : document.strokes) {
        painter.drawLine(QPointF(paper.x() + s.x1 * dotsPerPoint, paper.y() + s.y1 * dotsPerPoint),
                         QPointF(paper.x() + s.x2 * dotsPerPoint, paper.y() + s.y2 * dotsPerPoint));
    }
}

RenderFrame pdfFrame(const Document& document, double dotsPerPoint) {
    RenderFrame frame;
    frame.dotsPerPoint = dotsPerPoint;
    const QPointF offset(kPrintableOffsetX * dotsPerPoint, kPrintableOffsetY * dotsPerPoint);
    if (onEnvelopePage(document, true)) {
        const QPointF corner(document.stock.medium.x * dotsPerPoint,
                             document.stock.medium.y * dotsPerPoint);
        frame.paper = -corner;
        frame.text = offset - corner;
    } else {
        frame.text = offset;
    }
    return frame;
}

SizePt pdfPageSize(const Document& document) {
    if (onEnvelopePage(document, true)) {
        return {document.stock.medium.width, document.stock.medium.height};
    }
    return paperSize(document.paperSet ? document.paper : PaperSize::Letter, document.orientation);
}

}  // namespace

void applyPageSetup(QPrinter& printer, const Document& document, bool pdf) {
    if (onEnvelopePage(document, pdf)) {
        const RectPt& medium = document.stock.medium;
        printer.setFullPage(true);
        printer.setPageSize(envelopePageSize(medium));
        printer.setPageOrientation(medium.width > medium.height ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        return;
    }
    printer.setFullPage(false);
    printer.setPageOrientation(document.orientation == Orientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    if (document.paperSet) {
        printer.setPageSize(QPageSize(document.paper == PaperSize::Envelope10 ? QPageSize::Comm10E
                                                                              : QPageSize::Letter));
    }
    if (pdf) {
        const QMarginsF m(kPrintableOffsetX, kPrintableOffsetY, kPrintableOffsetX,
                          kPrintableOffsetY);
        printer.setPageMargins(m, QPageLayout::Point);
    } else {
        // A real printer starts where its driver says it can print.
        printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
    }
}

RenderFrame printerFrame(const QPrinter& printer, const Document& document, bool pdf) {
    const double dotsPerPoint = printer.resolution() / 72.0;
    if (onEnvelopePage(document, pdf)) return pdfFrame(document, dotsPerPoint);
    RenderFrame frame;
    frame.dotsPerPoint = dotsPerPoint;
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Point);
    frame.paper = QPointF(-margins.left() * dotsPerPoint, -margins.top() * dotsPerPoint);
    return frame;
}

bool renderDocument(QPainter& painter, const Document& document, const RenderFrame& frame,
                    const std::function<bool()>& newPage) {
    const double dpp = frame.dotsPerPoint;
    const QPointF shift(document.shiftX * dpp, document.shiftY * dpp);
    const QTransform start = painter.transform();
    FontCache fonts(dpp);
    std::size_t next = 0;
    const auto& placements = document.placements;
    for (int page = 0; page < document.pageCount; ++page) {
        if (page > 0 && !newPage()) return false;
        painter.setTransform(start);
        if (frame.outlines) drawOutlines(painter, document.stock, frame.paper, dpp);
        drawStrokes(painter, document, page, frame.paper + shift, dpp);
        painter.setPen(Qt::black);
        const QPointF origin = frame.text + shift;
        for (; next < placements.size() && placements[next].page <= page; ++next) {
            const Placement& p = placements[next];
            if (p.page < page || p.text.empty()) continue;
            drawPlacement(painter, start, p, fonts.get(p.font), origin, dpp);
        }
    }
    painter.setTransform(start);
    return true;
}

bool renderDocument(QPainter& painter, const Document& document, double dotsPerPoint,
                    const std::function<bool()>& newPage) {
    RenderFrame frame;
    frame.dotsPerPoint = dotsPerPoint;
    frame.paper = QPointF(-kPrintableOffsetX * dotsPerPoint, -kPrintableOffsetY * dotsPerPoint);
    return renderDocument(painter, document, frame, newPage);
}

QImage renderPage(const Document& document, int page, double dpi, bool outlines) {
    const double dpp = dpi / 72.0;
    const SizePt size = pdfPageSize(document);
    QImage image(static_cast<int>(std::lround(size.width * dpp)),
                 static_cast<int>(std::lround(size.height * dpp)), QImage::Format_Grayscale8);
    image.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    Document one = document;
    std::erase_if(one.placements, [page](const Placement& p) { return p.page != page; });
    for (Placement& p : one.placements) p.page = 0;
    if (page != 0) one.strokes.clear();
    one.pageCount = 1;
    RenderFrame frame = pdfFrame(one, dpp);
    frame.outlines = outlines;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderDocument(painter, one, frame, [] { return true; });
    painter.end();
    return image;
}

}  // namespace varnel
