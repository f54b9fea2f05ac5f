#include "exchange/import_rules.h"

#include "text/numbers.h"
#include "text/strings.h"

namespace varnel {

std::string_view leftOf(std::string_view text, std::size_t count) {
    return text.substr(0, std::min(count, text.size()));
}

std::string_view rightOf(std::string_view text, std::size_t count) {
    return count >= text.size() ? text : text.substr(text.size() - count);
}

std::string_view midOf(std::string_view text, std::size_t start, std::size_t count) {
    if (start == 0 || start > text.size()) return {};
    return text.substr(start - 1, count);
}

bool contains(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool hasDigit(std::string_view text) {
    for (char c : text)
        if (isDigit(c)) return true;
    return false;
}

// Classic Like with "#" for one digit; every other pattern character is literal.
bool likeDigits(std::string_view text, std::string_view pattern) {
    if (text.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (pattern[i] == '#' ? !isDigit(text[i]) : text[i] != pattern[i]) return false;
    }
    return true;
}

std::string padDate(std::string_view value, char sep, bool checkRange) {
    std::string d(value);
    const std::string p1 = std::string("#") + sep + "#" + sep + "####";
    const std::string p2 = std::string("#") + sep + "##" + sep + "####";
    const std::string p3 = std::string("##") + sep + "#" + sep + "####";
    if (likeDigits(d, p1)) {
        d = "0" + std::string(leftOf(d, 2)) + "0" + std::string(midOf(d, 3, 2)) +
            std::string(rightOf(d, 4));
    }
    if (likeDigits(d, p2)) d = "0" + d;
    if (likeDigits(d, p3)) d = std::string(leftOf(d, 3)) + "0" + std::string(rightOf(d, 6));
    if (checkRange && (leadingNumber(leftOf(d, 2)) > 12 || leadingNumber(midOf(d, 4, 2)) > 31)) {
        d.clear();
    }
    return std::string(rightOf(d, 4)) + std::string(leftOf(d, 2)) + std::string(midOf(d, 4, 2));
}

}  // namespace

std::string slashDateRule(std::string_view value) { return padDate(value, '/', true); }
std::string dashDateRule(std::string_view value) { return padDate(value, '-', false); }

std::string centuryTest(std::string_view value) {
    std::string_view head = leftOf(value, 2);
    if (head != "19" && head != "20") return {};
    return std::string(value);
}

std::string phoneRule(std::string_view value, bool dashTest) {
    if (!isNumericText(rightOf(value, 4))) return {};
    if (dashTest && !contains(value, "-")) return {};
    return std::string(value);
}

std::string cleanCity(std::string_view value) {
    return hasDigit(value) ? std::string() : std::string(value);
}

std::string cleanState(std::string_view value) {
    if (contains(value, "#") || hasDigit(value) || value.size() > 2) return {};
    return std::string(value);
}

std::string cleanZip(std::string_view value) {
    return isNumericText(leftOf(value, 5)) ? std::string(value) : std::string();
}

std::string cleanCountry(std::string_view value) {
    return contains(value, "#") || hasDigit(value) ? std::string() : std::string(value);
}

}  // namespace varnel
