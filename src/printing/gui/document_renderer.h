#pragma once
// Draws a finished Document with QPainter: each placement at its point
// position inside the printable area, in the installed font closest to the
// face it names. It decides nothing about layout.
#include <QFont>
#include <QPrinter>
#include <functional>

#include "printing/document.h"

namespace varnel {

// The installed family that stands in for a face the program names:
// "Verdana" -> DejaVu Sans, "Trebuchet MS" and "Microsoft Sans Serif" ->
// Liberation Sans, "Courier New" -> Liberation Mono; their advances are within
// about 1 % of the reference metrics.
QString substituteFamily(const std::string& face);
QFont substituteFont(const FontSpec& wanted);

// Orientation and, when the layout chose one, the paper size.
void applyPageSetup(QPrinter& printer, const Document& document);

// Draws every page of the document on a painter already begun on `printer`
// (origin at the printable area's corner), starting new pages as needed.
// Returns false when the printer refuses a page.
bool renderDocument(QPainter& painter, QPrinter& printer, const Document& document);

// The same on any device: `dotsPerPoint` device units per point, `newPage`
// called before each page after the first (false stops the drawing).
bool renderDocument(QPainter& painter, const Document& document, double dotsPerPoint,
                    const std::function<bool()>& newPage);

}  // namespace varnel
