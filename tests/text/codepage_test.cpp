#include "text/codepage.h"

#include <gtest/gtest.h>

#include "text/strings.h"

namespace varnel {
namespace {

TEST(Codepage, UnicodeTextIsStoredInWindows1252) {
    EXPECT_EQ(utf8ToCp1252("Zoë Müller"), "Zo\xEB M\xFCller");
    EXPECT_EQ(utf8ToCp1252("\u20AC5 \u2013 \u201Cok\u201D"),
              "\x80"
              "5 \x96 \x93ok\x94");
    EXPECT_EQ(utf8ToCp1252("plain ASCII |"), "plain ASCII |");
}

TEST(Codepage, OtherScriptsAreWrittenInLatinLettersAndOnlyTheRestBecomesQuestionMarks) {
    struct Case {
        const char* utf8;
        const char* cp1252;
        bool transliterated;
    };
    const Case cases[] = {
        {"\u0141ukasz Dvo\u0159\u00E1k",
         "Lukasz Dvo"
         "r\xE1k",
         true},
        {"\u0418\u0432\u0430\u043D", "Ivan", true},
        {"\u0398\u03B5\u03CC\u03B4\u03C9\u03C1\u03BF\u03C2", "Theodoros", true},
        {"\u4E2D\u6587", "zhong wen", true},
        {"Stra\u00DFe \u0160koda",
         "Stra\xDF"
         "e \x8Akoda",
         false},                        // both in the code page
        {"a\U0001F600b", "a?b", true},  // no Latin form
        {"bad \xC3", "bad ?", false},   // malformed
        {"\xFF\xFE", "??", false},
        {"plain ?", "plain ?", false},
    };
    for (const Case& c : cases) {
        bool rewritten = !c.transliterated;
        EXPECT_EQ(utf8ToCp1252(c.utf8, &rewritten), c.cp1252) << c.utf8;
        EXPECT_EQ(rewritten, c.transliterated) << c.utf8;
    }
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
