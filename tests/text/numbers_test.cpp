#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "text/run_error.h"

namespace varnel {
namespace {

TEST(LeadingNumber, ReadsTheNumberTheTextBeginsWith) {
    EXPECT_DOUBLE_EQ(leadingNumber("12abc"), 12);
    EXPECT_DOUBLE_EQ(leadingNumber("  -3.5 rows"), -3.5);
    EXPECT_DOUBLE_EQ(leadingNumber(" 5"), 5);
    EXPECT_DOUBLE_EQ(leadingNumber("05"), 5);
    EXPECT_DOUBLE_EQ(leadingNumber("5."), 5);
    EXPECT_DOUBLE_EQ(leadingNumber("1e3"), 1000);
    EXPECT_DOUBLE_EQ(leadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("4-9"), 4);
}

TEST(LeadingNumber, TextWithoutANumberIsZero) {
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("."), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("   "), 0);
}

TEST(LeadingNumber, NumbersPastTheRangeOfADoubleNeverThrow) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    struct Case {
        std::string text;
        double expected;
    };
    const Case cases[] = {
        {std::string(309, '9'), HUGE_VAL},
        {"-" + std::string(309, '9') + "abc", -HUGE_VAL},
        {std::string(308, '9'), 1e308},
        {tiny, 0.0},
        {"-" + tiny, 0.0},
        {"1e999999999999", HUGE_VAL},
        {"1e-999999999999", 0.0},
        {"0e999999", 0.0},
        {"000000000000000000000000000000000000000001e-5", 1e-5},
        {"0.000000000000000000000000000000000000000001e45", 1000.0},
        {"12.5e", 12.5},
        {"2e+", 2.0},
        {"-.5e1x", -5.0},
    };
    for (const Case& c : cases) {
        double value = 0;
        EXPECT_NO_THROW(value = leadingNumber(c.text)) << c.text;
        if (std::isinf(c.expected)) {
            EXPECT_EQ(value, c.expected) << c.text;
        } else {
            EXPECT_DOUBLE_EQ(value, c.expected) << c.text;
        }
    }
    // Whole-number conversions of such a value are the classic overflow.
    EXPECT_THROW(toInt16(leadingNumber(std::string(309, '9'))), RunError);
}

TEST(NumericText, AcceptsSignDigitsOnePointAndSurroundingSpaces) {
    for (const char* yes : {"1", "-1", "+2", " 10 ", "1.0", ".5", "5.", "-0.25"}) {
        EXPECT_TRUE(isNumericText(yes)) << yes;
    }
    for (const char* no : {"", " ", "-", ".", "1.2.3", "1a", "a1", "1 2", "--1", "1e3", "\t1"}) {
        EXPECT_FALSE(isNumericText(no)) << no;
    }
}

TEST(RoundHalfEven, TiesGoToTheEvenNumber) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(16.5), 16);
    EXPECT_EQ(roundHalfEven(15.5), 16);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
}

TEST(IntegerConversion, OutOfRangeIsOverflow) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
    try {
        toInt16(32768);
        FAIL() << "no overflow";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.description(), "Overflow");
    }
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_THROW(toInt32(2147483648.0), RunError);
}

TEST(IntegerConversion, StoredTextThatIsNoNumberIsATypeMismatch) {
    EXPECT_EQ(textToInt16("-2 "), -2);
    EXPECT_EQ(textToInt16("1.5"), 2);
    try {
        textToInt16("x1");
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 13);
    }
}

}  // namespace
}  // namespace varnel
