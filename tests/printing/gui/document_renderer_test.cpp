#include "printing/gui/document_renderer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "../gui/ink.h"
#include "printing/font_metrics.h"
#include "printing/gui/qt_printer.h"
#include "printing/label_stock.h"
#include "printing/page_geometry.h"
#include "printing/print_command.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

using testing::readFileBytes;
using testing::TempDir;

constexpr double kDots = 2.0;  // 144 dpi

Document fullSheet(bool bold) {
    ComposerModel s;
    s.lines = {"Christopher J. Montgomery-Ames", "4820 Northwest Deerfield Drive",
               "Building 7, Harbor Point Plaza", "West Saint Paul, MN 55118-2298", ""};
    s.media = Media::Label;
    s.alignment = Alignment::Centred;
    s.labelBold = bold;
    s.labelPosition = "1-30";
    s.run = LabelRun{1, 30, 30};
    s.origin = {2, 3};
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

namespace varnel {
namespace {

using testing::readFileBytes;
using testing::TempDir;

Placement textAt(double x, double y, const std::string& text, const FontSpec& font) {
    Placement p;
    p.x = x;
    p.y = y;
    p.font = font;
    p.text = text;
    p.width = textWidth(font, text);
    p.height = rowHeight(font);
    return p;
}

// Letters drawn one by one equal the word drawn whole: no ligature takes
// "fi" or "fl" into one glyph, so the PDF's text is the printed text.
TEST(DocumentRenderer, EveryCharacterIsItsOwnGlyph) {
    const FontSpec font{"Verdana", 48, false, false};
    for (const std::string word : {"fi", "fl", "ffi", "Deerfield"}) {
        Document whole;
        whole.placements.push_back(textAt(10, 10, word, font));
        whole.placements.back().width = 1000;  // no squeezing
        Document apart;
        const QRawFont raw = QRawFont::fromFont(substituteFont(font));
        double x = 10;
        for (char c : word) {
            Placement p = textAt(x, 10, std::string(1, c), font);
            p.width = 1000;
            apart.placements.push_back(p);
            const auto glyph = raw.glyphIndexesForString(QString(QChar(c)));
            x += raw.advancesForGlyphIndexes(glyph, QRawFont::UseDesignMetrics)[0].x() *
                 (font.size / raw.pixelSize());
        }
        const QImage a = renderPage(whole, 0, 144);
        const QImage b = renderPage(apart, 0, 144);
        int differ = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                differ += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 100 ? 1 : 0;
            }
        }
        // A ligature's shape differs in dozens of strong pixels at this size.
        EXPECT_LT(differ, 5) << word;
    }
}

TEST(DocumentRenderer, CondensedTextKeepsToItsBox) {
    const FontSpec font{"Verdana", 9, false, false};
    Placement p = textAt(100, 100, "12345 North Martin Luther King Jr Boulevard Apt 1204", font);
    for (double stretch : {1.0, 0.8, 0.65}) {
        Document doc;
        Placement q = p;
        q.stretch = stretch;
        q.width = p.width * stretch;
        doc.placements.push_back(q);
        const QImage page = renderPage(doc, 0, 300);
        const testing::InkBox ink = testing::inkBounds(page, QPointF(0, 0));
        const double left = 100 + kPrintableOffsetX;
        EXPECT_GE(ink.left, left - 0.5) << stretch;
        EXPECT_LE(ink.right, left + q.width + 0.5) << stretch;
        EXPECT_GE(ink.right, left + q.width - 6) << stretch << ": the text fills its box";
    }
}

TEST(DocumentRenderer, CalibrationMovesTheInkAndOutlinesShowOnlyInAPreview) {
    Document doc;
    doc.stock = sheetStock(kAvery5160);
    doc.placements.push_back(textAt(100, 100, "Ann Smith", FontSpec{"Verdana", 9, false, false}));
    const testing::InkBox plain = testing::inkBounds(renderPage(doc, 0, 300), QPointF(0, 0));
    doc.shiftX = 0.72 * 25;  // 1/4 in right
    doc.shiftY = -0.72 * 10;
    const testing::InkBox moved = testing::inkBounds(renderPage(doc, 0, 300), QPointF(0, 0));
    EXPECT_NEAR(moved.left - plain.left, 18, 0.3);
    EXPECT_NEAR(moved.top - plain.top, -7.2, 0.3);
    // The outlines of the 30 labels appear only when asked for.
    const QImage outlined = renderPage(doc, 0, 300, true);
    const int y = static_cast<int>(std::lround(doc.stock.labels[0].y * 300 / 72));
    int grey = 0;
    for (int x = 0; x < outlined.width(); ++x) {
        bool seen = false;
        for (int dy = -1; dy <= 1; ++dy) {
            const int g = qGray(outlined.pixel(x, y + dy));
            seen = seen || (g > 120 && g < 240);
        }
        grey += seen ? 1 : 0;
    }
    EXPECT_GT(grey, 1500) << "the top edge of the first row of labels";
    EXPECT_EQ(testing::inkBounds(renderPage(doc, 0, 300), QPointF(0, 0)).left, moved.left);
}

// The PDF's title in its information dictionary (UTF-16 with a byte order mark).
std::string pdfTitle(const std::string& pdf) {
    const std::size_t at = pdf.find("/Title (");
    if (at == std::string::npos) return {};
    std::string title;
    for (std::size_t i = at + 8 + 2; i + 1 < pdf.size() && pdf[i] != ')'; i += 2) {
        if (pdf[i] == '\\') ++i;
        title += pdf[i + 1];
    }
    return title;
}

TEST(QtPrinterPdf, EachEnvelopeGetsAPageOfItsSizeAndThePdfItsTitle) {
    TempDir dir;
    QtPrinter printer;
    struct Case {
        int size;
        double width, height;
    };
    for (const Case c :
         {Case{1, 684, 297}, Case{2, 468, 261}, Case{4, 522, 378}, Case{6, 684, 432}}) {
        const std::string name = "envelope" + std::to_string(c.size) + ".pdf";
        printer.printToPdf(QString::fromStdString((dir / name).string()));
        Document doc;
        doc.orientation = Orientation::Landscape;
        doc.stock = envelopeStock(c.size, Orientation::Landscape, 0);
        doc.title = "Envelope - VRN_Contacts";
        doc.placements.push_back(textAt(300, 400, "Ann Smith", FontSpec{"Verdana", 11}));
        printer.submit(doc);
        const std::string pdf = readFileBytes(dir / name);
        EXPECT_EQ(mediaBox(pdf), (std::pair<double, double>{c.width, c.height})) << c.size;
        EXPECT_EQ(pdfTitle(pdf), "Envelope - VRN_Contacts");
    }
    // The next document finds the Letter page again.
    printer.printToPdf(QString::fromStdString((dir / "after.pdf").string()));
    printer.submit(fullSheet(false));
    EXPECT_EQ(mediaBox(readFileBytes(dir / "after.pdf")), (std::pair<double, double>{612, 792}));
}

TEST(QtPrinterPreview, PrintAndCloseAnswerThePreview) {
    QtPrinter printer;
    printer.printToPdf(QString::fromStdString(
        (std::filesystem::temp_directory_path() / "varnel-preview-unused.pdf").string()));
    for (const char* button : {"cmdPreviewPrint", "cmdPreviewClose"}) {
        QTimer::singleShot(0, [button] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() != "frmPrintPreview" || !top->isVisible()) continue;
                if (auto* b = top->findChild<QPushButton*>(button)) b->click();
            }
        });
        const bool print = printer.preview(fullSheet(false));
        EXPECT_EQ(print, std::string(button) == "cmdPreviewPrint");
    }
}

}  // namespace
}  // namespace varnel
