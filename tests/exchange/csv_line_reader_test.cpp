// Reading an import file line by line.
#include "exchange/csv_line_reader.h"

#include <gtest/gtest.h>

#include "store/run_error.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

using testing::TempDir;
using testing::writeFileBytes;

std::vector<std::string> linesOf(const std::string& bytes) {
    TempDir dir;
    writeFileBytes(dir / "in.csv", bytes);
    CsvLineReader reader(dir / "in.csv");
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line)) lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(CsvLineReader, LinesEndAtCrLfLfOrALoneCr) {
    EXPECT_EQ(linesOf("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(linesOf("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(linesOf(""), Lines{});
    EXPECT_EQ(linesOf("\n"), Lines{""});
}

TEST(CsvLineReader, LineBreaksInsideQuotesBelongToTheValue) {
    EXPECT_EQ(linesOf("Ann,\"first line\r\nsecond line\",x\r\nBob,y\r\n"),
              (Lines{"Ann,\"first line\r\nsecond line\",x", "Bob,y"}));
    EXPECT_EQ(linesOf("\"a\nb\"\nc"), (Lines{"\"a\nb\"", "c"}));
    // A doubled quote stays inside the value.
    EXPECT_EQ(linesOf("\"say \"\"hi\"\"\nthere\",z\nnext"),
              (Lines{"\"say \"\"hi\"\"\nthere\",z", "next"}));
}

TEST(CsvLineReader, AQuoteThatNeverClosesEndsAtItsFirstLineBreak) {
    std::string rest;
    std::vector<std::string> expected = {"Ann,\"Lee,a@x.com"};
    for (int i = 0; i < 60; ++i) {
        rest += "P" + std::to_string(i) + ",Q,p@x.com\r\n";
        expected.push_back("P" + std::to_string(i) + ",Q,p@x.com");
    }
    EXPECT_EQ(linesOf("Ann,\"Lee,a@x.com\r\n" + rest), expected);
    // The same with lone CRs and one long line after the quote.
    std::string longLine(70 * 1024, 'z');
    EXPECT_EQ(linesOf("\"open\rnext\r" + longLine + "\r\nlast"),
              (Lines{"\"open", "next", longLine, "last"}));
    // A closed quote with a few breaks stays one line.
    EXPECT_EQ(linesOf("\"a\r\nb\r\nc\",d\r\ne"), (Lines{"\"a\r\nb\r\nc\",d", "e"}));
}

TEST(CsvLineReader, AQuoteInsideAValueOpensNothing) {
    EXPECT_EQ(linesOf("Ann,Bob \"Bobby\" Lee\nnext\n"), (Lines{"Ann,Bob \"Bobby\" Lee", "next"}));
    EXPECT_EQ(linesOf("5\" floppy,x\ny"), (Lines{"5\" floppy,x", "y"}));
}

TEST(CsvLineReader, LinesLongerThanTheBufferStayWhole) {
    std::string big(200000, 'q');
    EXPECT_EQ(linesOf(big + "\r\n" + big), (Lines{big, big}));
}

TEST(CsvLineReader, Utf8LinesBecomeWindows1252AndTheMarkIsDropped) {
    EXPECT_EQ(linesOf("\xEF\xBB\xBF"
                      "First Name\nJos\xC3\xA9,M\xC3\xBCller\n"),
              (Lines{"First Name", "Jos\xE9,M\xFCller"}));
    // Windows-1252 text is not valid UTF-8 and stays as it is.
    EXPECT_EQ(linesOf("Jos\xE9,M\xFCller\n"), (Lines{"Jos\xE9,M\xFCller"}));
}

TEST(CsvLineReader, AMissingFileOrAFolderIsAnError) {
    TempDir dir;
    EXPECT_THROW(CsvLineReader(dir / "missing.csv"), RunError);
    EXPECT_THROW(CsvLineReader(dir.path()), RunError);
    try {
        CsvLineReader reader(dir / "missing.csv");
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 53);
    }
}

TEST(LooksLikeUtf8, OnlyValidSequencesWithHighBytes) {
    EXPECT_FALSE(looksLikeUtf8("plain"));
    EXPECT_TRUE(looksLikeUtf8("\xC3\xA9"));
    EXPECT_TRUE(looksLikeUtf8("\xE2\x82\xAC"));
    EXPECT_FALSE(looksLikeUtf8("\xC3"));
    EXPECT_FALSE(looksLikeUtf8("\xE9t\xE9"));
    EXPECT_FALSE(looksLikeUtf8("\xC0\x80"));
    EXPECT_FALSE(looksLikeUtf8("\xED\xA0\x80"));
}

}  // namespace
}  // namespace varnel
