#pragma once
// Reference font metrics: the widths and line heights that the target platform's
// printer driver reports for the faces the program names. Rows and columns are
// computed from these, never from the installed fonts, so a layout is the same
// on every machine and lands where the sheet grids expect it.
//
// Faces: "Verdana", "Trebuchet MS", "Courier New" (600/1000 em monospaced) and
// "Microsoft Sans Serif" (the Helvetica widths with its own line height). A
// style without a table uses the nearest one (bold italic -> bold, italic ->
// regular); an unknown face uses Verdana. Face names match without regard to case.
#include <string_view>

#include "ports/document.h"

namespace varnel {

// Height of one text row: the face's GDI line height (win ascent + win descent) x size.
double rowHeight(const FontSpec& font);
// Width of one character column: the weighted average character width x size.
double columnWidth(const FontSpec& font);
// Width of one blank, the unit of Spc(n).
double spaceWidth(const FontSpec& font);
// Advance of a Windows-1252 text: the sum of its characters' widths. Control
// codes below 32 count as blanks.
double textWidth(const FontSpec& font, std::string_view text);
// Advance of one Windows-1252 character.
double charWidth(const FontSpec& font, unsigned char code);

}  // namespace varnel
