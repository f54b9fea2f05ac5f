#include "printing/gui/document_renderer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include "ports/gui/qt_text.h"

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
    return font;
}

void applyPageSetup(QPrinter& printer, const Document& document) {
    printer.setPageOrientation(document.orientation == Orientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    if (document.paperSet) {
        printer.setPageSize(QPageSize(document.paper == PaperSize::Envelope10 ? QPageSize::Comm10E
                                                                               : QPageSize::Letter));
    }
}

namespace {

QString printable(const std::string& cp1252) {
    QString text = fromCp(cp1252);
    // Control codes (a tab inside a selection) print as blanks, as they are measured.
    for (QChar& c : text) {
        if (c.unicode() < 32) c = QLatin1Char(' ');
    }
    return text;
}

void drawPlacement(QPainter& painter, const Placement& p, double dotsPerPoint) {
    const QFont font = substituteFont(p.font);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QString text = printable(p.text);
    // The baseline splits the row as the substitute splits ascent and descent,
    // so the glyphs stay inside the row the layout gave them.
    const double height = p.height > 0 ? p.height * dotsPerPoint : metrics.height();
    const double ascentShare = metrics.ascent() / (metrics.ascent() + metrics.descent());
    const QPointF origin(p.x * dotsPerPoint, p.y * dotsPerPoint + height * ascentShare);
    const double drawn = metrics.horizontalAdvance(text);
    const double room = p.width * dotsPerPoint;
    if (room > 0 && drawn > room) {
        // A substitute a little wider than the reference is narrowed to its box.
        painter.save();
        painter.translate(origin);
        painter.scale(room / drawn, 1.0);
        painter.drawText(QPointF(0, 0), text);
        painter.restore();
    } else {
        painter.drawText(origin, text);
    }
}

}  // namespace

bool renderDocument(QPainter& painter, const Document& document, double dotsPerPoint,
                    const std::function<bool()>& newPage) {
    painter.setPen(Qt::black);
    int page = 0;
    for (const Placement& p : document.placements) {
        while (page < p.page) {
            if (!newPage()) return false;
            ++page;
        }
        drawPlacement(painter, p, dotsPerPoint);
    }
    while (page + 1 < document.pageCount) {
        if (!newPage()) return false;
        ++page;
    }
    return true;
}

bool renderDocument(QPainter& painter, QPrinter& printer, const Document& document) {
    return renderDocument(painter, document, printer.resolution() / 72.0,
                          [&printer] { return printer.newPage(); });
}

}  // namespace varnel
