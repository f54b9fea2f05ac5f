#pragma once
// A finished printout: its page set-up, every text placed on it, and the
// physical stock it is meant for.
#include <string>
#include <vector>

namespace varnel {

enum class Orientation { Portrait, Landscape };
enum class PaperSize { Letter, Envelope10 };

struct FontSpec {
    std::string face = "Verdana";
    double size = 9.0;  // points
    bool bold = false;
    bool italic = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct Placement {
    int page = 0;    // 0-based
    double x = 0.0;  // points from the printable area's left edge
    double y = 0.0;  // points from the printable area's top edge (top of the row)
    int row = 0;     // 0-based text row of the page
    int column = 1;  // 1-based character column of the current font
    FontSpec font;
    std::string text;  // Windows-1252
    // The text's box by the reference metrics: its advance and the row height.
    double width = 0.0;
    double height = 0.0;
    // Horizontal scale of the letters: below 1 when the text was condensed to
    // stay inside its label. `width` is the condensed advance.
    double stretch = 1.0;
    friend bool operator==(const Placement&, const Placement&) = default;
};

// A rectangle in points from the paper's top-left corner.
struct RectPt {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    double right() const { return x + width; }
    double bottom() const { return y + height; }
    RectPt moved(double dx, double dy) const { return {x + dx, y + dy, width, height}; }
    friend bool operator==(const RectPt&, const RectPt&) = default;
};

// A straight line in points from the paper's top-left corner.
struct Stroke {
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    friend bool operator==(const Stroke&, const Stroke&) = default;
};

// The stock the layout was made for, on the page as the layout sees it
// (paper coordinates): a label sheet with its labels, or an envelope lying
// where the printer feeds it.
struct Stock {
    std::string name;  // empty: plain paper
    RectPt medium;     // the sheet or the envelope
    // An envelope: a PDF gets a page of the envelope's own size, and so does
    // #10 paper, with the medium's corner as the page's corner.
    bool envelope = false;
    std::vector<RectPt> labels;
};

// A line that did not fit its label even condensed, and was cut.
struct CutLine {
    int page = 0;      // 0-based
    int label = 0;     // position on the sheet, 1-based; 0 for an envelope or every label
    std::string text;  // the whole line
    std::string printed;
    friend bool operator==(const CutLine&, const CutLine&) = default;
};

struct Document {
    Orientation orientation = Orientation::Portrait;
    PaperSize paper = PaperSize::Letter;
    // False when the layout never chose a paper size: the printer keeps its own.
    bool paperSet = false;
    int pageCount = 1;
    std::vector<Placement> placements;
    // Printed lines on the first page (outlines, crosses and rulers of the
    // alignment page).
    std::vector<Stroke> strokes;
    Stock stock;
    std::vector<CutLine> cuts;
    // What the printout is and which contact file it comes from; a PDF's title.
    std::string title;
    // The printer's calibration, in points, moving everything printed.
    double shiftX = 0.0;
    double shiftY = 0.0;
};

}  // namespace varnel
