#include "text/numbers.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "text/run_error.h"
#include "text/strings.h"

namespace varnel {

namespace {

// Decimal exponent of the leading significant digit of `mantissa` ("-0.0012"
// gives -3), or 0 when every digit is 0.
long leadingExponent(std::string_view mantissa) {
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::size_t firstWhole = whole.find_first_not_of("-0");
    if (firstWhole != std::string_view::npos)
        return static_cast<long>(whole.size() - firstWhole) - 1;
    if (point == std::string_view::npos) return 0;
    const std::size_t firstFraction = mantissa.find_first_not_of('0', point + 1);
    if (firstFraction == std::string_view::npos) return 0;
    return -static_cast<long>(firstFraction - point);
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    skipBlanks();
    std::string digits;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') digits += '-';
        ++i;
        skipBlanks();
    }
    bool any = false;
    bool point = false;
    for (; i < n; ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            digits += c;
            any = true;
        } else if (c == '.' && !point) {
            digits += c;
            point = true;
        } else {
            break;
        }
    }
    if (!any) return 0.0;
    const std::size_t mantissaLength = digits.size();
    // The exponent, capped so that its value stays countable; far past the
    // range of a double either way.
    long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
        bool expDigits = false;
        for (; j < n && text[j] >= '0' && text[j] <= '9'; ++j) {
            if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
            expDigits = true;
        }
        if (expDigits) {
            if (negative) exponent = -exponent;
            digits += 'e';
            digits += std::to_string(exponent);
        }
    }
    // from_chars ignores the locale and never throws: a value past the range
    // of a double is reported, and becomes an infinity or a signed zero.
    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const bool negative = digits.front() == '-';
        const long magnitude =
            leadingExponent(std::string_view(digits).substr(0, mantissaLength)) + exponent;
        if (magnitude > 0) return negative ? -HUGE_VAL : HUGE_VAL;
        return negative ? -0.0 : 0.0;
    }
    if (ec != std::errc()) return 0.0;
    return value;
}

bool isNumericText(std::string_view text) {
    std::string_view t = trimSpaces(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool any = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            any = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return any;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff > 0.5) return floor + 1.0;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int16_t toInt16(double value) {
    double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) throw RunError(RunError::Overflow);
    return static_cast<std::int16_t>(r);
}

std::int32_t toInt32(double value) {
    double r = roundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw RunError(RunError::Overflow);
    return static_cast<std::int32_t>(r);
}

std::int16_t textToInt16(std::string_view text) {
    if (!isNumericText(text)) throw RunError(RunError::TypeMismatch);
    return toInt16(leadingNumber(text));
}

}  // namespace varnel
