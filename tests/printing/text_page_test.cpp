#include "printing/text_page.h"

#include <gtest/gtest.h>

#include "printing/font_metrics.h"
#include "printing/page_geometry.h"

namespace varnel {
namespace {

FontSpec verdana(double size, bool bold = false, bool italic = false) {
    return FontSpec{"Verdana", size, bold, italic};
}

TEST(FontMetrics, RowsAndColumnsComeFromTheReferenceTables) {
    EXPECT_NEAR(rowHeight(verdana(9)), 9 * 2489.0 / 2048.0, 1e-9);
    EXPECT_NEAR(rowHeight(FontSpec{"Trebuchet MS", 14, false, true}), 14 * 2378.0 / 2048.0, 1e-9);
    EXPECT_NEAR(rowHeight(FontSpec{"Courier New", 8}), 8 * 2320.0 / 2048.0, 1e-9);
    EXPECT_NEAR(rowHeight(FontSpec{"Microsoft Sans Serif", 8}), 8 * 2318.0 / 2048.0, 1e-9);

    EXPECT_NEAR(columnWidth(verdana(9)), 9 * 0.508, 1e-9);
    EXPECT_NEAR(columnWidth(verdana(9, true)), 9 * 0.5677, 1e-9);
    EXPECT_NEAR(columnWidth(FontSpec{"Trebuchet MS", 14, true, true}), 14 * 0.4813, 1e-9);
    EXPECT_NEAR(columnWidth(FontSpec{"Microsoft Sans Serif", 8}), 8 * 0.4416, 1e-9);
    EXPECT_NEAR(columnWidth(FontSpec{"Courier New", 12, true}), 12 * 0.6, 1e-9);

    EXPECT_NEAR(spaceWidth(verdana(9)), 9 * 0.351, 1e-9);
    EXPECT_NEAR(spaceWidth(verdana(9, true)), 9 * 0.341, 1e-9);
    EXPECT_NEAR(spaceWidth(FontSpec{"Microsoft Sans Serif", 8}), 8 * 0.278, 1e-9);
}

TEST(FontMetrics, TextAdvanceIsTheSumOfItsCharacters) {
    // Verdana regular: "J" 454, "o" 606; bold "W" 1174 per the table.
    EXPECT_NEAR(textWidth(verdana(10), "Jo"), 10 * (0.454 + 0.606), 1e-9);
    EXPECT_NEAR(textWidth(verdana(10), ""), 0.0, 1e-12);
    EXPECT_NEAR(charWidth(verdana(10), 0x80), 10 * 0.635, 1e-9);  // Euro sign
    EXPECT_NEAR(textWidth(FontSpec{"Courier New", 10}, "abc\xe9"), 4 * 6.0, 1e-9);
    // A tab character inside a text counts as a blank.
    EXPECT_NEAR(textWidth(verdana(10), "\t"), spaceWidth(verdana(10)), 1e-9);
}

TEST(FontMetrics, StylesWithoutTablesUseTheNearestOne) {
    const FontSpec sans{"Microsoft Sans Serif", 8, false, false};
    const FontSpec sansItalic{"Microsoft Sans Serif", 8, false, true};
    const FontSpec sansBoldItalic{"Microsoft Sans Serif", 8, true, true};
    const FontSpec sansBold{"Microsoft Sans Serif", 8, true, false};
    EXPECT_DOUBLE_EQ(textWidth(sans, "Main Street"), textWidth(sansItalic, "Main Street"));
    EXPECT_DOUBLE_EQ(textWidth(sansBold, "Main Street"), textWidth(sansBoldItalic, "Main Street"));
    EXPECT_GT(textWidth(sansBold, "Main Street"), textWidth(sans, "Main Street"));
    // An unknown face is laid out as Verdana; names match without regard to case.
    EXPECT_DOUBLE_EQ(textWidth(FontSpec{"Comic Sans", 9}, "abc"), textWidth(verdana(9), "abc"));
    EXPECT_DOUBLE_EQ(rowHeight(FontSpec{"courier new", 9}), rowHeight(FontSpec{"Courier New", 9}));
}

TEST(TextPage, TabSpcAndTextPlaceAtColumnsOfTheCurrentFont) {
    TextPage page(verdana(9));
    const double col = columnWidth(verdana(9));
    const double row = rowHeight(verdana(9));
    page.newLine();
    page.printLine({Tab(5), "Name"});
    page.printLine({Tab(2), Spc(3), "x"});
    const Document doc = page.finish();
    ASSERT_EQ(doc.placements.size(), 2u);
    const Placement& a = doc.placements[0];
    EXPECT_EQ(a.row, 1);
    EXPECT_EQ(a.column, 5);
    EXPECT_NEAR(a.x, 4 * col, 1e-9);
    EXPECT_NEAR(a.y, row, 1e-9);
    EXPECT_EQ(a.text, "Name");
    EXPECT_NEAR(a.width, textWidth(verdana(9), "Name"), 1e-9);
    EXPECT_NEAR(a.height, row, 1e-9);
    const Placement& b = doc.placements[1];
    EXPECT_EQ(b.row, 2);
    EXPECT_NEAR(b.x, col + 3 * spaceWidth(verdana(9)), 1e-9);
    EXPECT_NEAR(b.y, 2 * row, 1e-9);
    EXPECT_EQ(b.column, 4);  // the column the text starts in: 14.05 pt / 4.572 pt
    EXPECT_EQ(doc.pageCount, 1);
}

TEST(TextPage, TabBelowOneIsColumnOneAndNegativeSpcIsNothing) {
    TextPage page(verdana(9));
    page.printLine({Tab(-1), "a"});
    page.printLine({Tab(0), Spc(-4), "b"});
    const Document doc = page.finish();
    EXPECT_NEAR(doc.placements[0].x, 0.0, 1e-12);
    EXPECT_EQ(doc.placements[0].column, 1);
    EXPECT_NEAR(doc.placements[1].x, 0.0, 1e-12);
}

TEST(TextPage, TabPastItsColumnWrapsToTheNextRow) {
    TextPage page(verdana(9));
    const double col = columnWidth(verdana(9));
    // 45 characters end past column 40.
    page.printLine({std::string(45, 'n'), Tab(30), "next"});
    // Exactly at the column is not past it.
    page.tab(10);
    page.tab(10);
    page.text("same");
    page.newLine();
    const Document doc = page.finish();
    ASSERT_EQ(doc.placements.size(), 3u);
    EXPECT_GT(doc.placements[0].width, 40 * col);
    EXPECT_EQ(doc.placements[1].row, 1);
    EXPECT_EQ(doc.placements[1].column, 30);
    EXPECT_NEAR(doc.placements[1].x, 29 * col, 1e-9);
    // The wrapped row then ends: the next line is row 2.
    EXPECT_EQ(doc.placements[2].row, 2);
    EXPECT_EQ(doc.placements[2].column, 10);
}

TEST(TextPage, EachRowTakesTheHeightOfItsOwnFont) {
    TextPage page(verdana(9));
    page.printLine({"nine"});
    page.printLine({"nine"});
    page.setSize(7);
    page.printLine({"seven"});
    page.printLine({"seven"});
    const Document doc = page.finish();
    const double r9 = rowHeight(verdana(9));
    const double r7 = rowHeight(verdana(7));
    EXPECT_NEAR(doc.placements[1].y, r9, 1e-9);
    EXPECT_NEAR(doc.placements[2].y, 2 * r9, 1e-9);
    EXPECT_NEAR(doc.placements[3].y, 2 * r9 + r7, 1e-9);
    EXPECT_NEAR(doc.placements[3].height, r7, 1e-9);
    EXPECT_EQ(doc.placements[3].font.size, 7);
}

TEST(TextPage, ResetAndNewPageGoBackToTheTopLeftCorner) {
    TextPage page(verdana(9));
    page.newLine();
    page.newLine();
    page.printLine({Tab(20), "a"});
    page.resetPosition();
    page.printLine({Tab(3), "b"});
    page.newPage();
    page.printLine({"c"});
    const Document doc = page.finish();
    EXPECT_EQ(doc.placements[0].row, 2);
    EXPECT_EQ(doc.placements[1].page, 0);
    EXPECT_EQ(doc.placements[1].row, 0);
    EXPECT_NEAR(doc.placements[1].y, 0.0, 1e-12);
    EXPECT_EQ(doc.placements[2].page, 1);
    EXPECT_NEAR(doc.placements[2].x, 0.0, 1e-12);
    EXPECT_NEAR(doc.placements[2].y, 0.0, 1e-12);
    EXPECT_EQ(doc.pageCount, 2);
}

TEST(TextPage, ATrailingEmptyPageIsNotCounted) {
    TextPage page(verdana(10));
    page.printLine({"last row"});
    page.newLine();
    page.newPage();
    EXPECT_EQ(page.finish().pageCount, 1);
}

TEST(TextPage, FinishStartsAFreshDocumentWithTheSameSetUp) {
    TextPage page(verdana(9));
    page.setOrientation(Orientation::Landscape);
    page.setPaper(PaperSize::Envelope10);
    page.setBold(true);
    page.printLine({"one"});
    const Document first = page.finish();
    EXPECT_TRUE(first.paperSet);
    EXPECT_EQ(first.paper, PaperSize::Envelope10);
    EXPECT_EQ(first.orientation, Orientation::Landscape);
    page.printLine({"two"});
    const Document second = page.finish();
    ASSERT_EQ(second.placements.size(), 1u);
    EXPECT_EQ(second.placements[0].row, 0);
    EXPECT_TRUE(second.placements[0].font.bold);
    EXPECT_EQ(second.orientation, Orientation::Landscape);
}

TEST(TextPage, FlowingPrintoutsContinueOnTheNextPage) {
    TextPage fixed(verdana(10));
    TextPage flowing(verdana(10));
    flowing.setFlowToNextPage(true);
    const double limit = flowing.printableHeight();
    const int rows = static_cast<int>(limit / rowHeight(verdana(10)));
    for (int i = 0; i <= rows; ++i) {
        fixed.printLine({Tab(4), "row " + std::to_string(i)});
        flowing.printLine({Tab(4), "row " + std::to_string(i)});
    }
    const Document a = fixed.finish();
    const Document b = flowing.finish();
    EXPECT_EQ(a.pageCount, 1);
    EXPECT_EQ(a.placements.back().page, 0);
    ASSERT_EQ(b.pageCount, 2);
    EXPECT_EQ(b.placements[rows - 1].page, 0);
    EXPECT_LE(b.placements[rows - 1].y + b.placements[rows - 1].height, limit + 1e-6);
    EXPECT_EQ(b.placements[rows].page, 1);
    EXPECT_NEAR(b.placements[rows].y, 0.0, 1e-12);
    EXPECT_NEAR(b.placements[rows].x, 3 * columnWidth(verdana(10)), 1e-9);
}

TEST(PageGeometry, PaperTurnsWithTheOrientation) {
    EXPECT_DOUBLE_EQ(paperSize(PaperSize::Letter, Orientation::Portrait).width, 612);
    EXPECT_DOUBLE_EQ(paperSize(PaperSize::Letter, Orientation::Landscape).width, 792);
    EXPECT_DOUBLE_EQ(paperSize(PaperSize::Envelope10, Orientation::Landscape).height, 297);
    EXPECT_DOUBLE_EQ(printableSize(PaperSize::Letter, Orientation::Portrait).height,
                     792 - 2 * kPrintableOffsetY);
}

}  // namespace
}  // namespace varnel
