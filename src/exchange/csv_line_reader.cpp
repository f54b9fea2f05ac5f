#include "exchange/csv_line_reader.h"

#include <cerrno>
#include <system_error>

#include "store/run_error.h"
#include "text/codepage.h"

namespace varnel {

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}

CsvLineReader::CsvLineReader(const std::filesystem::path& path) : buffer_(kBufferSize) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw RunError(RunError::PathFileAccessError);
    errno = 0;
    file_ = std::fopen(path.string().c_str(), "rb");
    if (!file_) {
        if (errno == ENOENT) throw RunError(RunError::FileNotFound);
        if (errno == ENOTDIR) throw RunError(RunError::PathNotFound);
        throw RunError(RunError::PathFileAccessError);
    }
}

CsvLineReader::~CsvLineReader() { close(); }

void CsvLineReader::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

bool CsvLineReader::fill() {
    if (!file_) return false;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    pos_ = 0;
    if (end_ == 0 && std::ferror(file_)) throw RunError(RunError::DeviceIoError);
    return end_ > 0;
}

std::int64_t CsvLineReader::offset() const {
    return static_cast<std::int64_t>(std::ftell(file_)) - static_cast<std::int64_t>(end_ - pos_);
}

bool CsvLineReader::next(std::string& line) {
    line.clear();
    if (skipLf_) {
        skipLf_ = false;
        if (pos_ < end_ || fill()) {
            if (buffer_[pos_] == '\n') ++pos_;
        }
    }
    bool any = false;
    bool quoted = false;
    bool fieldStart = true;
    // The first line break inside quotes, to come back to when the quote never closes.
    std::size_t breaks = 0;
    std::size_t lengthAtBreak = 0;
    std::int64_t offsetAfterBreak = 0;
    bool breakWasCr = false;
    // An unclosed quote: the line ends at its first break after all, so the
    // lines that follow are not swallowed.
    auto backToFirstBreak = [&] {
        line.resize(lengthAtBreak);
        if (std::fseek(file_, static_cast<long>(offsetAfterBreak), SEEK_SET) != 0) {
            throw RunError(RunError::DeviceIoError);
        }
        pos_ = end_ = 0;
        skipLf_ = breakWasCr;
    };
    for (;;) {
        if (pos_ >= end_ && !fill()) {
            if (quoted && breaks > 0) backToFirstBreak();
            break;
        }
        char c = buffer_[pos_++];
        any = true;
        if (quoted) {
            if (c == '\r' || c == '\n') {
                if (breaks++ == 0) {
                    lengthAtBreak = line.size();
                    offsetAfterBreak = offset();
                    breakWasCr = c == '\r';
                }
                if (breaks > kMaxQuotedBreaks || line.size() - lengthAtBreak > kMaxQuotedBytes) {
                    backToFirstBreak();
                    break;
                }
            }
            line.push_back(c);
            if (c == '"') {
                // A doubled quote stays inside the value; a single one ends it.
                if (pos_ >= end_) fill();
                if (pos_ < end_ && buffer_[pos_] == '"') {
                    line.push_back('"');
                    ++pos_;
                } else {
                    quoted = false;
                }
            }
            continue;
        }
        if (c == '\n') break;
        if (c == '\r') {
            if (pos_ >= end_) fill();
            if (pos_ < end_ && buffer_[pos_] == '\n') ++pos_;
            break;
        }
        if (c == '"' && fieldStart) quoted = true;
        fieldStart = c == ',';
        line.push_back(c);
    }
    if (!any) return false;
    if (first_) {
        first_ = false;
        if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    }
    if (looksLikeUtf8(line)) line = utf8ToCp1252(line);
    return true;
}

bool looksLikeUtf8(std::string_view text) {
    bool high = false;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        high = true;
        std::size_t extra;
        unsigned int min;
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
        unsigned int cp = c & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k) {
            unsigned char d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return high;
}

}  // namespace varnel
