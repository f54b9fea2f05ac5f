#include "printing/gui/document_renderer.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <utility>

#include "ports/gui/qt_printer.h"
#include "printing/page_geometry.h"
#include "printing/print_command.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

using testing::readFileBytes;
using testing::TempDir;

constexpr double kDots = 2.0;  // 144 dpi

Document fullSheet(bool bold) {
    ComposerState s;
    s.lines = {"Christopher J. Montgomery-Ames", "4820 Northwest Deerfield Drive",
               "Building 7, Harbor Point Plaza", "West Saint Paul, MN 55118-2298", ""};
    s.optVRLabel = true;
    s.optPortrait = true;
    s.optVRCenter = true;
    s.chkLblBold = bold;
    s.PositionEntry = "1-30";
    s.StartPosition = "1";
    s.LabelCount = 30;
    s.lblVRPosition = "Label Position 1-30";
    s.txtVRLeftPad = "2";
    s.txtVRToppad = "3";
    return printOne(s, {}, {}, "Print to File (PDF)");
}

QImage render(const Document& doc, int* pagesSeen = nullptr) {
    QImage image(612 * kDots, 792 * kDots, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(kDots * 72 / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(kDots * 72 / 0.0254));
    QPainter painter(&image);
    int pages = 1;
    renderDocument(painter, doc, kDots, [&] {
        ++pages;
        return true;
    });
    painter.end();
    if (pagesSeen) *pagesSeen = pages;
    return image;
}

// Width and height of the first page's MediaBox, in points.
std::pair<double, double> mediaBox(const std::string& pdf) {
    const std::size_t at = pdf.find("/MediaBox [");
    if (at == std::string::npos) return {0, 0};
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::sscanf(pdf.c_str() + at + 11, "%lf %lf %lf %lf", &x0, &y0, &x1, &y1);
    return {x1 - x0, y1 - y0};
}

bool inAnyBox(const Document& doc, int px, int py) {
    const double x = px / kDots;
    const double y = py / kDots;
    for (const Placement& p : doc.placements) {
        // Half a point of anti-aliasing around the box.
        if (x >= p.x - 0.5 && x <= p.x + p.width + 0.5 && y >= p.y - 0.5 &&
            y <= p.y + p.height + 0.5)
            return true;
    }
    return false;
}

TEST(DocumentRenderer, FacesMapToTheInstalledSubstitutes) {
    EXPECT_EQ(substituteFamily("Verdana"), "DejaVu Sans");
    EXPECT_EQ(substituteFamily("Trebuchet MS"), "Liberation Sans");
    EXPECT_EQ(substituteFamily("Microsoft Sans Serif"), "Liberation Sans");
    EXPECT_EQ(substituteFamily("Courier New"), "Liberation Mono");
    const QFont f = substituteFont(FontSpec{"Courier New", 12, true, true});
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 12);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.italic());
    EXPECT_TRUE(QFontInfo(f).fixedPitch());
}

TEST(DocumentRenderer, EveryInkDotLiesInsideAPlacementBox) {
    for (bool bold : {false, true}) {
        const Document doc = fullSheet(bold);
        const QImage image = render(doc);
        int ink = 0;
        int stray = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(line[x]) > 160) continue;
                ++ink;
                if (!inAnyBox(doc, x, y)) ++stray;
            }
        }
        EXPECT_GT(ink, 10000) << "the sheet was drawn";
        EXPECT_EQ(stray, 0) << (bold ? "bold" : "regular");
    }
}

TEST(DocumentRenderer, EachPlacementIsDrawnWhereItsBoxIs) {
    const Document doc = fullSheet(false);
    const QImage image = render(doc);
    for (const Placement& p : doc.placements) {
        int ink = 0;
        for (int y = static_cast<int>(p.y * kDots); y < (p.y + p.height) * kDots; ++y) {
            for (int x = static_cast<int>(p.x * kDots); x < (p.x + p.width) * kDots; ++x) {
                ink += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
            }
        }
        EXPECT_GT(ink, 50) << p.text << " at " << p.x << "," << p.y;
    }
}

TEST(DocumentRenderer, PagesFollowThePlacements) {
    Document doc;
    doc.pageCount = 3;
    doc.placements.push_back(Placement{0, 0, 0, 0, 1, {}, "one", 20, 11});
    doc.placements.push_back(Placement{2, 0, 0, 0, 1, {}, "three", 30, 11});
    int pages = 0;
    render(doc, &pages);
    EXPECT_EQ(pages, 3);
}

TEST(QtPrinterPdf, EachCopyIsItsOwnLetterSizedPdf) {
    TempDir dir;
    QtPrinter printer;
    const QString file = QString::fromStdString((dir / "labels.pdf").string());
    printer.printToPdf(file);
    EXPECT_EQ(printer.deviceName(), "Print to File (PDF)");
    const Document doc = fullSheet(false);
    printer.submit(doc);
    printer.submit(doc);
    const std::string first = readFileBytes(dir / "labels.pdf");
    const std::string second = readFileBytes(dir / "labels-2.pdf");
    EXPECT_EQ(first.rfind("%PDF", 0), 0u);
    EXPECT_EQ(second.rfind("%PDF", 0), 0u);
    EXPECT_EQ(mediaBox(first), (std::pair<double, double>{612, 792}));
    // The printable area of the PDF destination starts at the fixed offset.
    applyPageSetup(printer.qprinter(), doc, true);
    const QRectF area = printer.qprinter().pageLayout().paintRect(QPageLayout::Point);
    EXPECT_NEAR(area.left(), kPrintableOffsetX, 0.01);
    EXPECT_NEAR(area.top(), kPrintableOffsetY, 0.01);
}

TEST(QtPrinterPdf, AnEnvelopeOnHpPaperIsLandscapeNumberTen) {
    TempDir dir;
    QtPrinter printer;
    printer.printToPdf(QString::fromStdString((dir / "envelope.pdf").string()));
    Document doc;
    doc.orientation = Orientation::Landscape;
    doc.paper = PaperSize::Envelope10;
    doc.paperSet = true;
    doc.placements.push_back(Placement{0, 100, 100, 0, 1, {}, "Ann Smith", 50, 13});
    printer.submit(doc);
    const std::string pdf = readFileBytes(dir / "envelope.pdf");
    EXPECT_EQ(mediaBox(pdf), (std::pair<double, double>{684, 297}));
}

}  // namespace
}  // namespace varnel
