// Reading comma-separated records as RFC 4180 writes them.
#include "exchange/csv_reader.h"

#include <gtest/gtest.h>

#include "exchange/import_text.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::TempDir;
using testing::writeFileBytes;

using Fields = std::vector<std::string>;
using Records = std::vector<Fields>;

Records recordsOf(std::string_view text, std::vector<std::size_t>* lines = nullptr,
                  std::vector<bool>* unclosed = nullptr) {
    CsvReader reader(text);
    CsvRecord record;
    Records all;
    while (reader.next(record)) {
        all.push_back(record.fields);
        if (lines) lines->push_back(record.line);
        if (unclosed) unclosed->push_back(record.unclosedQuote);
    }
    return all;
}

TEST(CsvReader, RecordsEndAtCrLfLfOrALoneCr) {
    EXPECT_EQ(recordsOf("a\r\nb\nc\rd"), (Records{{"a"}, {"b"}, {"c"}, {"d"}}));
    EXPECT_EQ(recordsOf("a\r\n\r\nb\r\n"), (Records{{"a"}, {""}, {"b"}}));
    EXPECT_EQ(recordsOf(""), Records{});
    EXPECT_EQ(recordsOf("\n"), Records{{""}});
}

TEST(CsvReader, QuotedValuesHoldCommasQuotesAndLineBreaks) {
    std::vector<std::size_t> lines;
    EXPECT_EQ(recordsOf("\"Ann\",\"Lee, Jr.\",\"ann.lee@example.net\"\r\n"
                        "Ann,\"first line\r\nsecond line\",x\r\nBob,y\r\n"
                        "\"say \"\"hi\"\"\",,\"\"\n",
                        &lines),
              (Records{{"Ann", "Lee, Jr.", "ann.lee@example.net"},
                       {"Ann", "first line\r\nsecond line", "x"},
                       {"Bob", "y"},
                       {"say \"hi\"", "", ""}}));
    // Line numbers count the breaks inside quotes.
    EXPECT_EQ(lines, (std::vector<std::size_t>{1, 2, 4, 5}));
}

TEST(CsvReader, AQuoteInsideAValueIsAPlainCharacter) {
    EXPECT_EQ(recordsOf("Ann,Bob \"Bobby\" Lee\nnext\n"),
              (Records{{"Ann", "Bob \"Bobby\" Lee"}, {"next"}}));
    EXPECT_EQ(recordsOf("5\" floppy,x\ny"), (Records{{"5\" floppy", "x"}, {"y"}}));
    // Text after a closing quote stays with its value.
    EXPECT_EQ(recordsOf("\"a\"b,c"), (Records{{"ab", "c"}}));
}

TEST(CsvReader, AQuoteThatNeverClosesEndsAtItsFirstLineBreak) {
    std::string rest;
    Records expected = {{"Ann", "\"Lee", "a@x.com"}};
    for (int i = 0; i < 60; ++i) {
        rest += "P" + std::to_string(i) + ",Q,p@x.com\r\n";
        expected.push_back({"P" + std::to_string(i), "Q", "p@x.com"});
    }
    std::vector<bool> unclosed;
    EXPECT_EQ(recordsOf("Ann,\"Lee,a@x.com\r\n" + rest, nullptr, &unclosed), expected);
    EXPECT_TRUE(unclosed[0]);
    EXPECT_FALSE(unclosed[1]);
    // The same with lone CRs and one long line after the quote.
    std::string longLine(70 * 1024, 'z');
    EXPECT_EQ(recordsOf("\"open\rnext\r" + longLine + "\r\nlast"),
              (Records{{"\"open"}, {"next"}, {longLine}, {"last"}}));
    // At the end of the text.
    EXPECT_EQ(recordsOf("a,\"b"), (Records{{"a", "\"b"}}));
    // A closed quote with a few breaks stays one record.
    EXPECT_EQ(recordsOf("\"a\r\nb\r\nc\",d\r\ne"), (Records{{"a\r\nb\r\nc", "d"}, {"e"}}));
}

TEST(CsvReader, ValuesLongerThanAnyBufferStayWhole) {
    std::string big(5u << 20, 'q');
    EXPECT_EQ(recordsOf(big + "\r\n\"" + big + "\""), (Records{{big}, {big}}));
}

TEST(ImportText, EncodingsAreRecognised) {
    struct Case {
        std::string bytes;
        std::string utf8;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"Jos\xC3\xA9", "Jos\xC3\xA9", TextEncoding::Utf8},
        {"\xEF\xBB\xBFJos\xC3\xA9", "Jos\xC3\xA9", TextEncoding::Utf8},
        {"Jos\xE9,M\xFCller", "Jos\xC3\xA9,M\xC3\xBCller", TextEncoding::Windows1252},
        {std::string("\xFF\xFEJ\0\xE9\0A\x01", 8), "J\xC3\xA9\xC5\x81", TextEncoding::Utf16Le},
        {std::string("\xFE\xFF\0J\0\xE9\xD8\x3D\xDE\x00", 10), "J\xC3\xA9\xF0\x9F\x98\x80",
         TextEncoding::Utf16Be},
        // Without a mark, the zero bytes of ASCII text tell UTF-16.
        {std::string("F\0i\0r\0s\0t\0,\0L\0a\0s\0t\0", 20), "First,Last", TextEncoding::Utf16Le},
        {std::string("\0F\0i\0r\0s\0t", 10), "First", TextEncoding::Utf16Be},
        // A file pieced together from both is decided line by line.
        {"\xEF\xBB\xBFJos\xC3\xA9\nRen\xE9\n", "Jos\xC3\xA9\nRen\xC3\xA9\n",
         TextEncoding::Windows1252},
    };
    for (const Case& c : cases) {
        ImportText text = decodeImportText(c.bytes);
        EXPECT_FALSE(text.binary);
        EXPECT_EQ(text.utf8, c.utf8);
        EXPECT_EQ(text.encoding, c.encoding);
    }
    EXPECT_TRUE(decodeImportText(std::string("PK\3\4\0\0\x08\0\0\0\x1F\x8B", 12)).binary);
}

TEST(ImportText, AMissingFileOrAFolderIsAnError) {
    TempDir dir;
    for (auto [path, number] : {std::pair{dir / "missing.csv", 53}, {dir.path(), 75}}) {
        try {
            readWholeFile(path);
            ADD_FAILURE() << path;
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), number);
        }
    }
    writeFileBytes(dir / "in.csv", "a,b\r\n");
    EXPECT_EQ(readWholeFile(dir / "in.csv"), "a,b\r\n");
}

TEST(IsValidUtf8, OnlyWellFormedSequences) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("\xC3\xA9"));
    EXPECT_TRUE(isValidUtf8("\xE2\x82\xAC"));
    EXPECT_FALSE(isValidUtf8("\xC3"));
    EXPECT_FALSE(isValidUtf8("\xE9t\xE9"));
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));
}

}  // namespace
}  // namespace varnel
