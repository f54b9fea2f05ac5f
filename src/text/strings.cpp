#include "text/strings.h"

namespace varnel {

std::string_view trimLeadingSpaces(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    return text.substr(i);
}

std::string_view trimTrailingSpaces(std::string_view text) {
    std::size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ') --n;
    return text.substr(0, n);
}

std::string_view trimSpaces(std::string_view text) {
    return trimTrailingSpaces(trimLeadingSpaces(text));
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

namespace {
unsigned char upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0x9A || c == 0x9C || c == 0x9E) return c - 16;  // š œ ž
    if (c == 0xFF) return 0x9F;                              // ÿ
    return c;
}
unsigned char lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 16;
    if (c == 0x9F) return 0xFF;
    return c;
}
}  // namespace

std::string toUpperCp1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(upper(static_cast<unsigned char>(c)));
    return out;
}

std::string toLowerCp1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(lower(static_cast<unsigned char>(c)));
    return out;
}

std::size_t instr(std::string_view text, std::string_view needle, std::size_t start) {
    if (start < 1) start = 1;
    if (start > text.size() + 1) return 0;
    std::size_t hit = text.find(needle, start - 1);
    return hit == std::string_view::npos ? 0 : hit + 1;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string padRight(std::string_view text, std::size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

}  // namespace varnel
