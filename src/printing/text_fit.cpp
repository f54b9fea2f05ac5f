#include "printing/text_fit.h"

#include <algorithm>

#include "printing/font_metrics.h"

namespace varnel {

FittedText fitText(const FontSpec& font, std::string_view text, double room) {
    const double natural = textWidth(font, text);
    if (natural <= room) return {text.size(), 1.0, natural};
    if (room <= 0.0) return {0, 1.0, 0.0};
    if (natural * kMinStretch <= room) return {text.size(), room / natural, room};

    // The longest head whose condensed advance still fits.
    std::size_t length = 0;
    double width = 0.0;
    for (char c : text) {
        const double next = width + charWidth(font, static_cast<unsigned char>(c));
        if (next * kMinStretch > room) break;
        width = next;
        ++length;
    }
    while (length > 0 && text[length - 1] == ' ') {
        width -= charWidth(font, ' ');
        --length;
    }
    if (length == 0) return {0, 1.0, 0.0};
    const double stretch = std::min(1.0, room / width);
    return {length, stretch, width * stretch};
}

}  // namespace varnel
