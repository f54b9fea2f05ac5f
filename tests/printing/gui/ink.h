#pragma once
// Ink measured the way a sheet of labels sees it: the renderer draws a
// document at 300 dpi with Qt, and the dark pixels of every label's texts are
// boxed in paper coordinates.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ports/document.h"
#include "printing/gui/document_renderer.h"
#include "printing/page_geometry.h"

namespace varnel::testing {

inline constexpr double kInkDpi = 300.0;
inline constexpr double kInkMargin = 0.05 * 72;  // 0.05 in of bare stock
// A pixel this dark or darker is ink (anti-aliased edges included).
inline constexpr int kInkGray = 200;

struct InkBox {
    bool any = false;
    double left = 0, top = 0, right = 0, bottom = 0;  // paper points
};

// The dark pixels of an image whose pixel (0, 0) lies at `corner` (paper points).
inline InkBox inkBounds(const QImage& image, QPointF corner, double dpi = kInkDpi) {
    int minX = image.width(), minY = image.height(), maxX = -1, maxY = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] > kInkGray) continue;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    if (maxX < 0) return {};
    const double pt = 72.0 / dpi;
    return {true, corner.x() + minX * pt, corner.y() + minY * pt, corner.x() + (maxX + 1) * pt,
            corner.y() + (maxY + 1) * pt};
}

// The texts of `doc` on a region of the paper (as the PDF destination prints
// a Letter page), rendered alone.
inline InkBox inkOf(const std::vector<Placement>& texts, const RectPt& region) {
    Document one;
    one.placements = texts;
    for (Placement& p : one.placements) p.page = 0;
    const double dpp = kInkDpi / 72.0;
    QImage image(static_cast<int>(std::ceil(region.width * dpp)),
                 static_cast<int>(std::ceil(region.height * dpp)), QImage::Format_Grayscale8);
    image.fill(Qt::white);
    RenderFrame frame;
    frame.dotsPerPoint = dpp;
    frame.paper = QPointF(-region.x * dpp, -region.y * dpp);
    frame.text =
        QPointF((kPrintableOffsetX - region.x) * dpp, (kPrintableOffsetY - region.y) * dpp);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderDocument(painter, one, frame, [] { return true; });
    painter.end();
    return inkBounds(image, QPointF(region.x, region.y));
}

// The least distance from the ink to the box's edges (negative: outside).
inline double marginInside(const InkBox& ink, const RectPt& box) {
    return std::min(
        {ink.left - box.x, box.right() - ink.right, ink.top - box.y, box.bottom() - ink.bottom});
}

// Per stock: how many labels were checked, how many had ink closer than
// 0.05 in to an edge or outside, and the least margin seen.
struct InkTally {
    explicit InkTally(std::string name) : stock(std::move(name)) {}
    InkTally(const InkTally&) = delete;
    InkTally& operator=(const InkTally&) = delete;

    std::string stock;
    int labels = 0;
    int overflows = 0;
    double worst = std::numeric_limits<double>::max();
    std::string worstAt;

    void add(double margin, const std::string& where) {
        ++labels;
        if (margin < kInkMargin) ++overflows;
        if (margin < worst) {
            worst = margin;
            worstAt = where;
        }
    }
    ~InkTally() {
        if (labels == 0) return;
        std::cout << "[ ink ] " << stock << ": " << labels << " labels, " << overflows
                  << " overflows, worst margin " << worst / 72.0 << " in (" << worstAt << ")\n";
    }
};

// Each text goes to the label whose cell (the label and half the gaps
// around it) holds the start of its row; the ink of every label's texts,
// drawn alone, must stay 0.05 in inside that label.
inline void checkLabelInk(const Document& doc, const std::vector<RectPt>& labels, double pitchX,
                          double pitchY, InkTally& tally, const std::string& what) {
    std::map<std::pair<int, std::size_t>, std::vector<Placement>> byLabel;
    for (const Placement& p : doc.placements) {
        if (p.text.empty()) continue;
        const double x = p.x + kPrintableOffsetX;
        const double y = p.y + kPrintableOffsetY + p.height / 2;
        std::size_t found = labels.size();
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const RectPt& l = labels[i];
            const double gapX = (pitchX - l.width) / 2;
            const double gapY = (pitchY - l.height) / 2;
            if (x >= l.x - gapX && x < l.right() + gapX && y >= l.y - gapY && y < l.bottom() + gapY)
                found = i;
        }
        if (found == labels.size()) {
            ADD_FAILURE() << what << ": \"" << p.text << "\" starts outside every label";
            tally.add(-1, what);
            continue;
        }
        byLabel[{p.page, found}].push_back(p);
    }
    for (const auto& [key, texts] : byLabel) {
        const RectPt& label = labels[key.second];
        const RectPt region{label.x - 72, label.y - 72, label.width + 144, label.height + 144};
        const InkBox ink = inkOf(texts, region);
        std::ostringstream where;
        where << what << ", page " << key.first + 1 << " label " << key.second + 1;
        ASSERT_TRUE(ink.any) << where.str();
        const double margin = marginInside(ink, label);
        tally.add(margin, where.str());
        EXPECT_GE(margin, kInkMargin) << where.str() << ": ink " << ink.left << "," << ink.top
                                      << " - " << ink.right << "," << ink.bottom;
    }
}

}  // namespace varnel::testing
