#pragma once
// How a text is made to fit the room its label leaves: narrower letters on
// the same row as far as they stay readable, and past that a shorter text.
#include <cstddef>
#include <string_view>

#include "ports/document.h"

namespace varnel {

// The narrowest letters a line is condensed to: Verdana at 65 % is about as
// narrow as a condensed sans serif, still easy to read on a mailing label.
inline constexpr double kMinStretch = 0.65;

struct FittedText {
    std::size_t length = 0;  // characters kept from the start of the text
    double stretch = 1.0;    // horizontal scale of the letters
    double width = 0.0;      // advance of the kept characters at that scale
    bool cut = false;        // characters other than trailing blanks were left out
};

// `text` in `room` points: whole and unchanged when it fits; else without
// its trailing blanks; else condensed, down to kMinStretch; else cut to the
// longest head that fits condensed, with blanks at the cut dropped. No room
// keeps nothing.
FittedText fitText(const FontSpec& font, std::string_view text, double room);

}  // namespace varnel
