#pragma once
// Records of comma-separated text as RFC 4180 writes them: a value in double
// quotes holds commas, doubled quotes and line breaks. Records end at CR LF,
// LF or a lone CR outside quotes.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

struct CsvRecord {
    std::vector<std::string> fields;
    std::size_t line = 0;        // where the record starts, from 1
    bool unclosedQuote = false;  // a quote never closed: read as a plain character
};

class CsvReader {
public:
    explicit CsvReader(std::string_view text) : text_(text) {}

    // The next record; false at the end of the text.
    bool next(CsvRecord& record);

    // A quoted value may hold a few line breaks (multi-line notes); one that
    // runs on past these limits, or to the end of the text, was never closed
    // and the record ends at its first line break instead.
    static constexpr std::size_t kMaxQuotedBreaks = 50;
    static constexpr std::size_t kMaxQuotedBytes = std::size_t{64} * 1024;

private:
    // Parses one record from pos_; false when a quote does not close.
    bool parse(CsvRecord& record, bool quotesAreLiteral);

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

}  // namespace varnel
