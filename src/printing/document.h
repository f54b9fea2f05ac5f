#pragma once
// A finished printout: its page set-up and every text placed on it.
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
    int page = 0;      // 0-based
    double x = 0.0;    // points from the printable area's left edge
    double y = 0.0;    // points from the printable area's top edge (top of the row)
    int row = 0;       // 0-based text row of the page
    int column = 1;    // 1-based character column of the current font
    FontSpec font;
    std::string text;  // Windows-1252
    // The text's box by the reference metrics: its advance and the row height.
    double width = 0.0;
    double height = 0.0;
};

struct Document {
    Orientation orientation = Orientation::Portrait;
    PaperSize paper = PaperSize::Letter;
    // False when the layout never chose a paper size: the printer keeps its own.
    bool paperSet = false;
    int pageCount = 1;
    std::vector<Placement> placements;
};

}  // namespace varnel
