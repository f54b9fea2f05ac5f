#pragma once
// Draws a finished Document with QPainter: each placement at its point
// position inside the printable area, in the installed font closest to the
// face it names, squeezed into the box the layout gave it. It decides nothing
// about layout.
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QPrinter>
#include <functional>

#include "ports/document.h"

namespace varnel {

// The installed family that stands in for a face the program names:
// "Verdana" -> DejaVu Sans, "Trebuchet MS" and "Microsoft Sans Serif" ->
// Liberation Sans, "Courier New" -> Liberation Mono; their advances are within
// about 1 % of the reference metrics.
QString substituteFamily(const std::string& face);
QFont substituteFont(const FontSpec& wanted);

// Where a document lands on a device, in points from the device's origin.
struct RenderFrame {
    double dotsPerPoint = 1.0;
    QPointF text;   // where a placement's (0, 0) goes
    QPointF paper;  // where the corner of the paper the layout was made on goes
    // The stock's labels or envelope in light grey: a preview's, never printed.
    bool outlines = false;
};

// True when the document is drawn on a page of its envelope's own size: on a
// PDF, and on #10 paper.
bool onEnvelopePage(const Document& document, bool pdf);

// Orientation and page size as the document asks; an envelope page has no
// margins.
void applyPageSetup(QPrinter& printer, const Document& document, bool pdf);

// The frame on a printer whose page setup applyPageSetup made.
RenderFrame printerFrame(const QPrinter& printer, const Document& document, bool pdf);

// Draws every page, calling `newPage` before each page after the first
// (false stops the drawing and gives false). The document's calibration
// moves everything printed.
bool renderDocument(QPainter& painter, const Document& document, const RenderFrame& frame,
                    const std::function<bool()>& newPage);

// The same with the painter's origin at the printable area's corner, as a
// PDF page of Letter paper places it, `dotsPerPoint` device units per point.
bool renderDocument(QPainter& painter, const Document& document, double dotsPerPoint,
                    const std::function<bool()>& newPage);

// One page as the PDF destination prints it, white, at `dpi`.
QImage renderPage(const Document& document, int page, double dpi, bool outlines = false);

}  // namespace varnel
