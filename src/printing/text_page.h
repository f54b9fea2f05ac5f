#pragma once
// The text page every printout is laid out on: rows and character columns of
// the current font, as the classic printer object prints them. It records a
// Placement for each text and hands over a finished Document.
//
//   TextPage page;                        // Verdana 9, portrait, page 1, top-left
//   page.setSize(11);
//   page.newLine();                       // an empty line: one row down
//   page.printLine({Tab(5), "Name"});     // Tab(5); "Name", then the next row
//   page.printLine({Tab(2), Spc(3), "x"});
//   printer.submit(page.finish());
//
// Rules:
// - Positions are points from the printable area's top-left corner. Column n
//   starts at (n - 1) x columnWidth(current font); the row height is the
//   rowHeight() of the font current when the row ends, so rows printed at
//   different sizes have different heights (font_metrics.h).
// - Tab(n) moves to column n of the current row (n below 1 means 1); when the
//   position is already past column n, it moves to column n of the next row.
// - Spc(n) moves right by n blanks of the current font (n below 0 means 0).
// - A text is placed at the current position and moves it by its advance; an
//   empty text places nothing.
// - newLine() ends a printed line, or prints an empty line when nothing is on
//   the row yet: back to the left edge, one row down.
// - resetPosition() goes back to the top-left corner of the same page;
//   newPage() to the top-left corner of the next page.
// - By default nothing moves to another page by itself: layouts that place
//   everything from the top of one page keep it there. With
//   setFlowToNextPage(true) a text whose row would pass the bottom of the
//   printable area starts a new page first (for printouts that flow, like a
//   report).
// - Orientation, paper and font stay until changed. A page left empty at the
//   end (a new page started just before the document ends) is not counted.
// - setRoom() fences texts into a label: a text that would start left of the
//   room starts at its left edge, one that would end past its right edge is
//   condensed or cut (text_fit.h) and noted in the document's cut lines. So a
//   text never reaches the next label, and a Tab to the next label's column
//   never has to wrap.
#include <initializer_list>
#include <string>
#include <string_view>

#include "ports/document.h"

namespace varnel {

// One item of a printed line: Tab(n), Spc(n) or a text.
struct LineItem {
    enum class Kind { Tab, Spc, Text };
    Kind kind = Kind::Text;
    int count = 0;
    std::string text;

    LineItem(Kind k, int n) : kind(k), count(n) {}
    LineItem(std::string t) : text(std::move(t)) {}  // NOLINT: a text is an item
    LineItem(std::string_view t) : text(t) {}        // NOLINT
    LineItem(const char* t) : text(t) {}             // NOLINT
};

inline LineItem Tab(int n) { return LineItem(LineItem::Kind::Tab, n); }
inline LineItem Spc(int n) { return LineItem(LineItem::Kind::Spc, n); }

class TextPage {
public:
    explicit TextPage(FontSpec font = {});

    // Page set-up of the document.
    void setOrientation(Orientation orientation);
    void setPaper(PaperSize paper);
    Orientation orientation() const { return doc_.orientation; }

    // The current font.
    void setFont(const FontSpec& font) { font_ = font; }
    void setFace(std::string face) { font_.face = std::move(face); }
    void setSize(double points) { font_.size = points; }
    void setBold(bool bold) { font_.bold = bold; }
    void setItalic(bool italic) { font_.italic = italic; }
    const FontSpec& font() const { return font_; }

    // Items of the line being printed.
    void tab(int column);
    void spc(int count);
    void text(std::string_view cp1252);
    // End of the printed line, or an empty line.
    void newLine();
    // Down by a distance rather than a row, for stock whose pitch is no whole
    // number of rows; the row count stays.
    void moveDown(double points) { y_ += points; }
    // The items in order, then newLine().
    void printLine(std::initializer_list<LineItem> items);

    // The room texts keep to, in points from the printable area's left edge;
    // `label` names the label in the cut lines.
    void setRoom(double left, double right, int label = 0);
    // The inside of a physical label (paper coordinates) less kLabelInset.
    void setLabelRoom(const RectPt& label, int number);
    void clearRoom() { hasRoom_ = false; }
    // Centred lines: one too long for the room from where it starts moves
    // left, as far as the room's left edge, before it is condensed or cut.
    void setCentring(bool centring) { centring_ = centring; }

    void resetPosition();
    void newPage();
    void setFlowToNextPage(bool flow) { flow_ = flow; }

    // Where the next item goes.
    int page() const { return page_; }  // 0-based
    int row() const { return row_; }    // 0-based row of the page
    double x() const { return x_; }
    double y() const { return y_; }
    // Width and height of the printable area for the current set-up.
    double printableWidth() const;
    double printableHeight() const;

    const Document& document() const { return doc_; }
    // The finished document. The page then starts an empty document with the
    // same set-up and font, as a printer does after the end of a document.
    Document finish();

private:
    void nextRow();

    Document doc_;
    FontSpec font_;
    int page_ = 0;
    int row_ = 0;
    double x_ = 0.0;
    double y_ = 0.0;
    bool flow_ = false;
    bool hasRoom_ = false;
    bool centring_ = false;
    double roomLeft_ = 0.0;
    double roomRight_ = 0.0;
    int roomLabel_ = 0;
};

}  // namespace varnel
