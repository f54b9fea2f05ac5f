#include "text/codepage.h"

#include <array>
#include <cstdint>

#include "text/transliterate.h"

namespace varnel {
namespace {

// Unicode code points of bytes 0x80..0x9F; 0 marks the undefined codes.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t toUnicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        char32_t u = kHigh[b - 0x80];
        return u ? u : b;
    }
    return b;
}

char fromUnicode(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    }
    // The undefined codes travel as C1 controls (see cp1252ToUtf8).
    if (cp == 0x81 || cp == 0x8D || cp == 0x8F || cp == 0x90 || cp == 0x9D) {
        return static_cast<char>(cp);
    }
    return '?';
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (char c : cp1252) appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    return out;
}

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

namespace {

constexpr char kNoCode = 0;  // fromUnicode's "?" told apart from a real "?"

char toCp1252(char32_t cp) {
    if (cp == '?') return '?';
    char c = fromUnicode(cp);
    return c == '?' ? kNoCode : c;
}

// One decoded character: its code point, or -1 for a malformed byte.
struct Decoded {
    std::int32_t cp;
    std::size_t length;
};

Decoded decodeAt(std::string_view utf8, std::size_t i) {
    auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) return {b, 1};
    int extra = 0;
    std::int32_t cp = 0;
    if ((b & 0xE0) == 0xC0) {
        extra = 1;
        cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2;
        cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3;
        cp = b & 0x07;
    } else {
        return {-1, 1};
    }
    for (int k = 1; k <= extra; ++k) {
        if (i + k >= utf8.size()) return {-1, 1};
        auto c = static_cast<unsigned char>(utf8[i + k]);
        if ((c & 0xC0) != 0x80) return {-1, 1};
        cp = (cp << 6) | (c & 0x3F);
    }
    return {cp, static_cast<std::size_t>(extra) + 1};
}

// A run of characters the code page cannot hold, in the closest Latin
// letters; what still does not fit becomes "?".
void appendTransliterated(std::string& out, std::string_view run) {
    const std::string latin = transliterateToLatin(run);
    for (std::size_t i = 0; i < latin.size();) {
        Decoded d = decodeAt(latin, i);
        char c = d.cp < 0 ? kNoCode : toCp1252(static_cast<char32_t>(d.cp));
        out += c == kNoCode ? '?' : c;
        i += d.length;
    }
}

}  // namespace

std::string utf8ToCp1252(std::string_view utf8, bool* transliterated) {
    if (transliterated) *transliterated = false;
    if (isAscii(utf8)) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        Decoded d = decodeAt(utf8, i);
        if (d.cp < 0) {
            out += '?';
            ++i;
            continue;
        }
        char c = toCp1252(static_cast<char32_t>(d.cp));
        if (c != kNoCode) {
            out += c;
            i += d.length;
            continue;
        }
        // Transliterate the whole run, so that a script's letters keep their context.
        std::size_t end = i + d.length;
        while (end < n) {
            Decoded next = decodeAt(utf8, end);
            if (next.cp < 0 || toCp1252(static_cast<char32_t>(next.cp)) != kNoCode) break;
            end += next.length;
        }
        appendTransliterated(out, utf8.substr(i, end - i));
        if (transliterated) *transliterated = true;
        i = end;
    }
    return out;
}

}  // namespace varnel
