#include "exchange/csv_reader.h"

namespace varnel {

namespace {

bool isBreak(char c) { return c == '\r' || c == '\n'; }

// The first of `from` onwards that ends a plain stretch: a line break, or `a`
// or `b`. A plain loop, as find_first_of searches its set once per character.
std::size_t findStop(std::string_view text, std::size_t from, char a, char b) {
    const std::size_t n = text.size();
    while (from < n) {
        const char c = text[from];
        if (c == a || c == b || c == '\r' || c == '\n') return from;
        ++from;
    }
    return n;
}

}  // namespace

bool CsvReader::next(CsvRecord& record) {
    if (pos_ >= text_.size()) return false;
    const std::size_t start = pos_;
    const std::size_t startLine = line_;
    record.line = line_;
    record.unclosedQuote = false;
    if (!parse(record, false)) {
        pos_ = start;
        line_ = startLine;
        record.unclosedQuote = true;
        parse(record, true);
    }
    return true;
}

bool CsvReader::parse(CsvRecord& record, bool quotesAreLiteral) {
    record.fields.clear();
    std::string field;
    const std::size_t n = text_.size();
    std::size_t i = pos_;
    for (;;) {
        field.clear();
        if (!quotesAreLiteral && i < n && text_[i] == '"') {
            ++i;
            std::size_t breaks = 0;
            std::size_t firstBreak = 0;
            bool closed = false;
            while (i < n) {
                // Copy the plain stretch up to the next quote or line break at once.
                std::size_t stop = findStop(text_, i, '"', '"');
                field.append(text_.substr(i, stop - i));
                i = stop;
                if (i >= n) break;
                char c = text_[i];
                if (c == '"') {
                    if (i + 1 < n && text_[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                if (breaks++ == 0) firstBreak = field.size();
                if (breaks > kMaxQuotedBreaks || field.size() - firstBreak > kMaxQuotedBytes) {
                    return false;
                }
                field += c;
                ++i;
            }
            if (!closed) return false;
            // Text between the closing quote and the next comma stays with the value.
            std::size_t stop = findStop(text_, i, ',', ',');
            field.append(text_.substr(i, stop - i));
            i = stop;
        } else {
            std::size_t stop = findStop(text_, i, ',', ',');
            field.append(text_.substr(i, stop - i));
            i = stop;
        }
        record.fields.push_back(field);
        if (i < n && text_[i] == ',') {
            ++i;
            continue;
        }
        break;
    }
    // Count the line breaks the record spans, then step over its end.
    for (std::size_t k = pos_; k < i; ++k) {
        if (text_[k] == '\n' || (text_[k] == '\r' && (k + 1 >= n || text_[k + 1] != '\n'))) ++line_;
    }
    if (i < n && isBreak(text_[i])) {
        if (text_[i] == '\r' && i + 1 < n && text_[i + 1] == '\n') ++i;
        ++i;
        ++line_;
    }
    pos_ = i;
    return true;
}

}  // namespace varnel
