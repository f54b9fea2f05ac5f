#include "printing/text_fit.h"

#include <algorithm>

#include "printing/font_metrics.h"

namespace varnel {

FittedText fitText(const FontSpec& font, std::string_view text, double room) {
    const double whole = textWidth(font, text);
    if (whole <= room) return {text.size(), 1.0, whole, false};
    // Trailing blanks print nothing: they may go without anything being cut.
    std::string_view inked = text;
    while (!inked.empty() && inked.back() == ' ') inked.remove_suffix(1);
    const double natural = textWidth(font, inked);
    if (room <= 0.0 || inked.empty()) return {0, 1.0, 0.0, !inked.empty()};
    if (natural <= room) return {inked.size(), 1.0, natural, false};
    if (natural * kMinStretch <= room) return {inked.size(), room / natural, room, false};

    // The longest head whose condensed advance still fits.
    std::size_t length = 0;
    double width = 0.0;
    for (char c : inked) {
        const double next = width + charWidth(font, static_cast<unsigned char>(c));
        if (next * kMinStretch > room) break;
        width = next;
        ++length;
    }
    while (length > 0 && inked[length - 1] == ' ') {
        width -= charWidth(font, ' ');
        --length;
    }
    if (length == 0) return {0, 1.0, 0.0, true};
    const double stretch = std::min(1.0, room / width);
    return {length, stretch, width * stretch, true};
}

}  // namespace varnel
