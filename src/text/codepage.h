#pragma once
// Windows-1252 is the code page of every file the program reads or writes.
// Core strings hold Windows-1252 bytes; the gui converts at the edge.
#include <string>
#include <string_view>

namespace varnel {

// Converts Windows-1252 bytes to UTF-8. The five undefined codes map to the
// C1 control of the same number, so the round trip is lossless.
std::string cp1252ToUtf8(std::string_view cp1252);

// Converts UTF-8 to Windows-1252. A character the code page cannot hold is
// written in the closest Latin letters ("Łukasz" -> "Lukasz"); "?" stands only
// where nothing fits (a pictograph) and for a malformed sequence.
// `transliterated`, when given, tells whether any character was rewritten.
std::string utf8ToCp1252(std::string_view utf8, bool* transliterated = nullptr);

// Appends one code point to `out` in UTF-8.
void appendUtf8(std::string& out, char32_t cp);

// True when every byte is ASCII, so the text reads the same in both encodings.
bool isAscii(std::string_view text);

}  // namespace varnel
