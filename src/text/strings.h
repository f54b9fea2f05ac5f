#pragma once
// Text helpers with the program's own rules: only spaces are trimmed, never
// tabs or line breaks.
#include <string>
#include <string_view>

namespace varnel {

std::string_view trimSpaces(std::string_view text);
std::string_view trimLeadingSpaces(std::string_view text);
std::string_view trimTrailingSpaces(std::string_view text);

// Every occurrence of `from` replaced by `to` (nothing happens for an empty `from`).
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// Windows-1252 aware case folding for comparisons without regard to case.
std::string toUpperCp1252(std::string_view text);
std::string toLowerCp1252(std::string_view text);

// 1-based position of `needle` in `text` at or after `start`, 0 when absent,
// matching the classic InStr that the layouts are written in.
std::size_t instr(std::string_view text, std::string_view needle, std::size_t start = 1);

bool startsWith(std::string_view text, std::string_view prefix);

// Space-filled to `width` and cut at `width`.
std::string padRight(std::string_view text, std::size_t width);

}  // namespace varnel
