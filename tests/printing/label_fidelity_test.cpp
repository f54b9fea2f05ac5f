// Physical fidelity: every text box, by the reference metrics and the PDF
// destination's printable-area offset, lies inside its physical label.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "printing/label_grid.h"
#include "printing/page_geometry.h"
#include "printing/print_command.h"
#include "printing/return_address.h"

namespace varnel {
namespace {

constexpr double kInch = 72.0;

struct Box {
    double left, top, right, bottom;
};

// How far a placement pokes out of its label (0 when inside), in points.
double overflow(const Placement& p, const Box& label) {
    const double x = p.x + kPrintableOffsetX;
    const double y = p.y + kPrintableOffsetY;
    return std::max({label.left - x, x + p.width - label.right, label.top - y,
                     y + p.height - label.bottom, 0.0});
}

// Avery 5160: 2 5/8 x 1 in labels, left margin 3/16 in, pitch 2 3/4 in; top 1/2 in, pitch 1 in.
Box avery5160(int position) {
    const int col = (position - 1) % 3;
    const int row = (position - 1) / 3;
    const double left = 3.0 / 16 * kInch + col * 2.75 * kInch;
    const double top = 0.5 * kInch + row * kInch;
    return {left, top, left + 2.625 * kInch, top + kInch};
}

// Avery 5167: 1 3/4 x 1/2 in labels, left margin 9/32 in, pitch 2 1/16 in; top 1/2 in, pitch 1/2
// in.
Box avery5167(int col, int row) {
    const double left = 9.0 / 32 * kInch + col * (2.0 + 1.0 / 16) * kInch;
    const double top = 0.5 * kInch + row * 0.5 * kInch;
    return {left, top, left + 1.75 * kInch, top + 0.5 * kInch};
}

ComposerModel labelComposer(int position, bool bold, bool centred) {
    ComposerModel s;
    s.lines = {"Christopher J. Montgomery-Ames", "4820 Northwest Deerfield Drive",
               "Building 7, Harbor Point Plaza", "West Saint Paul, MN 55118-2298", ""};
    s.media = Media::Label;
    s.alignment = centred ? Alignment::Centred : Alignment::Left;
    s.labelBold = bold;
    s.labelPosition = std::to_string(position);
    s.run = LabelRun{position, position, 1};
    return s;
}

TEST(LabelFidelity, EveryAddressOfEveryPositionLiesInsideItsAvery5160Label) {
    double worst = 0.0;
    std::ostringstream where;
    for (int position = 1; position <= 30; ++position) {
        for (bool bold : {false, true}) {
            for (bool centred : {false, true}) {
                ComposerModel s = labelComposer(position, bold, centred);
                // What the Print command writes for the position before PrintOne.
                s.origin = printGridOrigin(position, bold, false);
                const Document doc = printOne(s, {}, {}, "Print to File (PDF)");
                ASSERT_EQ(doc.placements.size(), 4u);
                for (const Placement& p : doc.placements) {
                    EXPECT_EQ(p.font.bold, bold);
                    EXPECT_EQ(p.page, 0);
                    if (p.text.empty()) continue;
                    const double out = overflow(p, avery5160(position));
                    if (out > worst) {
                        worst = out;
                        where.str("");
                        where << "position " << position << (bold ? " bold" : " regular")
                              << (centred ? " centred" : " left") << " \"" << p.text << "\"";
                    }
                }
            }
        }
    }
    EXPECT_EQ(worst, 0.0) << "overflow " << worst << " pt at " << where.str();
}

TEST(LabelFidelity, All80ReturnAddressLabelsLieInsideTheirAvery5167Labels) {
    for (bool centred : {false, true}) {
        for (bool italic : {false, true}) {
            ComposerModel s;
            s.lines = {"Margaret A. Whitfield", "1234 Maple Grove Avenue", "Springfield, IL  62704",
                       "", ""};
            s.alignment = centred ? Alignment::Centred : Alignment::Left;
            s.labelItalic = italic;
            const Document doc = returnAddressPage(s, {});
            ASSERT_EQ(doc.placements.size(), 20u * 3 * 4);
            double worst = 0.0;
            std::size_t worstIndex = 0;
            for (std::size_t i = 0; i < doc.placements.size(); ++i) {
                const int row = static_cast<int>(i / 12);
                const int col = static_cast<int>(i % 4);
                const double out = overflow(doc.placements[i], avery5167(col, row));
                if (out > worst) {
                    worst = out;
                    worstIndex = i;
                }
            }
            EXPECT_EQ(worst, 0.0) << "overflow " << worst << " pt at label row " << worstIndex / 12
                                  << " column " << worstIndex % 4
                                  << (centred ? " centred" : " left");
        }
    }
}

}  // namespace
}  // namespace varnel
