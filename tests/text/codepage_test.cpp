#include "text/codepage.h"

#include <gtest/gtest.h>

#include "text/strings.h"

namespace varnel {
namespace {

TEST(Codepage, UnicodeTextIsStoredInWindows1252) {
    EXPECT_EQ(utf8ToCp1252("Zoë Müller"), "Zo\xEB M\xFCller");
    EXPECT_EQ(utf8ToCp1252("\u20AC5 \u2013 \u201Cok\u201D"), "\x80" "5 \x96 \x93ok\x94");
    EXPECT_EQ(utf8ToCp1252("plain ASCII |"), "plain ASCII |");
}

TEST(Codepage, CharactersTheCodePageCannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("\u4E2D\u6587"), "??");
    EXPECT_EQ(utf8ToCp1252("a\U0001F600b"), "a?b");
    EXPECT_EQ(utf8ToCp1252("bad \xC3"), "bad ?");
    EXPECT_EQ(utf8ToCp1252("\xFF\xFE"), "??");
}

TEST(Codepage, RoundTripIsLosslessForEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\xE9"), "\u00E9");
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\u20AC");
}

TEST(Strings, OnlySpacesAreTrimmed) {
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(trimSpaces("    "), "");
    EXPECT_EQ(replaceAll("Golf, Tennis", ",", " "), "Golf  Tennis");
    EXPECT_EQ(instr("12 Main St", "Main"), 4u);
    EXPECT_EQ(instr("abc", "x"), 0u);
    EXPECT_EQ(toUpperCp1252("m\xFCller"), "M\xDCLLER");
    EXPECT_EQ(toLowerCp1252("\xC9T\xC9"), "\xE9t\xE9");
}

}  // namespace
}  // namespace varnel
