#include "text/numbers.h"

#include <cmath>
#include <string>

#include "store/run_error.h"
#include "text/strings.h"

namespace varnel {

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
    double value = std::stod(digits);
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        int sign = 1;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            if (text[j] == '-') sign = -1;
            ++j;
        }
        int exponent = 0;
        bool expDigits = false;
        while (j < n && text[j] >= '0' && text[j] <= '9' && exponent < 400) {
            exponent = exponent * 10 + (text[j] - '0');
            expDigits = true;
            ++j;
        }
        if (expDigits) value *= std::pow(10.0, sign * exponent);
    }
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
