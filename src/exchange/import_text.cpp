#include "exchange/import_text.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "text/codepage.h"
#include "text/run_error.h"

namespace varnel {

namespace {

std::string fromUtf16(std::string_view bytes, bool littleEndian) {
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 8);
    auto unit = [&](std::size_t i) -> char32_t {
        auto a = static_cast<unsigned char>(bytes[i]);
        auto b = static_cast<unsigned char>(bytes[i + 1]);
        return littleEndian ? (b << 8 | a) : (a << 8 | b);
    };
    const std::size_t n = bytes.size() & ~std::size_t{1};
    for (std::size_t i = 0; i < n; i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 2 < n) {
            char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        // A lone surrogate has no character: the replacement mark stands in.
        appendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
    }
    return out;
}

// Text in UTF-16 without a mark: ASCII letters leave a zero byte on one side
// of nearly every pair, and on the other side of hardly any.
int utf16Side(std::string_view bytes) {
    const std::size_t n = std::min<std::size_t>(bytes.size(), 4096) & ~std::size_t{1};
    if (n < 4) return 0;
    std::size_t evenZeros = 0, oddZeros = 0;
    for (std::size_t i = 0; i < n; i += 2) {
        evenZeros += bytes[i] == '\0';
        oddZeros += bytes[i + 1] == '\0';
    }
    const std::size_t pairs = n / 2;
    if (oddZeros * 10 >= pairs * 4 && evenZeros * 20 <= pairs) return 1;   // little-endian
    if (evenZeros * 10 >= pairs * 4 && oddZeros * 20 <= pairs) return -1;  // big-endian
    return 0;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra;
        char32_t min;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            min = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            min = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= n) return false;
        char32_t cp = c & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k) {
            auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

std::string readWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw RunError(RunError::PathFileAccessError);
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.string().c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        if (errno == ENOENT) throw RunError(RunError::FileNotFound);
        if (errno == ENOTDIR) throw RunError(RunError::PathNotFound);
        if (errno == EACCES) throw RunError(RunError::PermissionDenied);
        throw RunError(RunError::PathFileAccessError);
    }
    std::string bytes;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) bytes.reserve(static_cast<std::size_t>(size));
    char chunk[1 << 16];
    for (;;) {
        std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        bytes.append(chunk, got);
        if (got < sizeof chunk) break;
    }
    if (std::ferror(file.get())) throw RunError(RunError::DeviceIoError);
    return bytes;
}

ImportText decodeImportText(const std::string& bytes) {
    ImportText text;
    std::string_view b(bytes);
    if (b.starts_with("\xFF\xFE") || b.starts_with("\xFE\xFF")) {
        const bool little = b[0] == '\xFF';
        text.encoding = little ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
        text.utf8 = fromUtf16(b.substr(2), little);
        return text;
    }
    if (b.starts_with("\xEF\xBB\xBF")) b.remove_prefix(3);
    if (b.find('\0') != std::string_view::npos) {
        if (int side = utf16Side(b); side != 0) {
            text.encoding = side > 0 ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
            text.utf8 = fromUtf16(b, side > 0);
            if (text.utf8.find('\0') == std::string::npos) return text;
            text.utf8.clear();
        }
        text.binary = true;
        return text;
    }
    if (isValidUtf8(b)) {
        text.utf8.assign(b);
        return text;
    }
    text.encoding = TextEncoding::Windows1252;
    text.utf8.reserve(b.size() + b.size() / 8);
    std::size_t start = 0;
    while (start < b.size()) {
        std::size_t end = b.find('\n', start);
        end = end == std::string_view::npos ? b.size() : end + 1;
        std::string_view line = b.substr(start, end - start);
        if (isValidUtf8(line)) {
            text.utf8.append(line);
        } else {
            text.utf8 += cp1252ToUtf8(line);
        }
        start = end;
    }
    return text;
}

}  // namespace varnel
