#pragma once
// Reads an import file one line at a time. A line ends at CR LF, LF or a lone
// CR, except inside a double-quoted value, where the line break belongs to the
// value (address books put multi-line notes in quotes). Lines written in UTF-8
// are turned into Windows-1252 so that accented names survive.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace varnel {

class CsvLineReader {
  public:
    // Raises RunError when the file cannot be opened for reading.
    explicit CsvLineReader(const std::filesystem::path& path);
    ~CsvLineReader();
    CsvLineReader(const CsvLineReader&) = delete;
    CsvLineReader& operator=(const CsvLineReader&) = delete;

    // The next line without its line break; false at the end of the file.
    bool next(std::string& line);
    void close();

    // A quoted value may hold a few line breaks (multi-line notes); one that
    // runs on past these limits was never closed.
    static constexpr std::size_t kMaxQuotedBreaks = 50;
    static constexpr std::size_t kMaxQuotedBytes = 64 * 1024;

  private:
    bool fill();
    std::int64_t offset() const;

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool first_ = true;
    bool skipLf_ = false;
};

// True when `text` holds bytes above 127 and all of them form valid UTF-8.
bool looksLikeUtf8(std::string_view text);

}  // namespace varnel
