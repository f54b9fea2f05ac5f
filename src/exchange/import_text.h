#pragma once
// An import file as text: read whole, its encoding recognised, decoded to UTF-8.
#include <filesystem>
#include <string>

namespace varnel {

enum class TextEncoding { Utf8, Utf16Le, Utf16Be, Windows1252 };

struct ImportText {
    std::string utf8;
    TextEncoding encoding = TextEncoding::Utf8;
    bool binary = false;  // not text at all: nothing was decoded
};

// The whole file. Raises RunError (53 when it is missing, 75 for a folder).
std::string readWholeFile(const std::filesystem::path& path);

// UTF-8 with or without a byte-order mark, UTF-16 with one (or, without one,
// when its zero bytes show it plainly), Windows-1252 otherwise. A file that is
// not valid UTF-8 as a whole is decided line by line, so that a file pieced
// together from both keeps its accents. Zero bytes anywhere else mean binary.
ImportText decodeImportText(const std::string& bytes);

// Every byte sequence valid UTF-8 (ASCII included).
bool isValidUtf8(std::string_view text);

}  // namespace varnel
