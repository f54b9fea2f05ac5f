#include "printing/margin_file.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <system_error>

#include "store/durable_file.h"
#include "text/numbers.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace varnel {

namespace {

constexpr std::size_t kRecordLength = 18;
constexpr std::size_t kKeyAt = 0, kKeyWidth = 8;
constexpr std::size_t kLeftAt = 9, kTopAt = 13, kShiftWidth = 3;
// Everything but the line end, which the program never writes.
constexpr std::size_t kWrittenLength = 16;

struct KindTexts {
    const char* key;
    const char* leftIntro;
    const char* topIntro;
    const char* topTitle;
    const char* topPrompt;
    // The top answer's leading number may not exceed this (0: no such check).
    double maxRows;
    std::size_t maxTopLength;
    const char* notANumber;
    const char* done;
};

constexpr const char* kRowsTitle = "How many rows down or up?";
constexpr const char* kRowsPrompt =
    "Enter number of rows, positive or negative, to move down or up, respectively:";

const KindTexts& texts(MarginKind kind) {
    static const KindTexts onTheFly{
        "ONTHEFLY",
        "In the next box, enter a positive or negative number indicating how many characters to "
        "the right or left you want to move the print for an On-The-Fly label.  Example: 1 to "
        "move printing one character to right, 2 to move printing two characters to right, -1 "
        "to move printing one character to left, etc.",
        "In the next box, enter a positive or negative number indicating how many rows down or "
        "up you want to move the print for an On-The-Fly label.  Example: 1 to move printing "
        "one row lower, 2 to move printing two rows lower, -1 to move printing one row higher, "
        "etc.",
        kRowsTitle,
        kRowsPrompt,
        0,
        3,
        "Enter no. of rows, positive or negative, to move down or up.",
        "D O N E !  Margin(s) for On-The-Fly labels adjusted successfully."};
    static const KindTexts envelope{
        "ENVELOPE",
        "In the next box, enter a positive or negative number indicating how many characters to "
        "the right or left you want to move the print for an Envelope.  Example: 1 to move "
        "printing one character to right, 2 to move printing two characters to right, -1 to "
        "move printing one character to left, etc. Note: some printers print envelopes "
        "sideways, which may cause left and top margins to be reversed.  If that is the case, "
        "simply reverse them here accordingly.",
        "In the next box, enter a positive or negative number indicating how many rows down or "
        "up you want to move the print for an Envelope.  Example: 1 to move printing one row "
        "lower, 2 to move printing two rows lower, -1 to move printing one row higher, etc.",
        kRowsTitle,
        kRowsPrompt,
        0,
        3,
        "Enter no. of rows to move down or up.",
        "D O N E !  Margin(s) for Envelopes adjusted successfully."};
    static const KindTexts returnAddress{
        "RETURNAD",
        "In the next box, enter a positive or negative number indicating how many characters to "
        "the right or left you want to move the print for a Return Address label.  Example: 1 "
        "to move printing one character to right, 2 to move printing two characters to right, "
        "-1 to move printing one character to left, etc.",
        "In the next box, enter a positive or negative number indicating how many rows down or "
        "up you want to move the print for a Return Address label.  Example: Enter 1 to move "
        "printing one row lower, -1 to move printing one row higher.",
        "Enter 1 to move printing down, -1 to move up",
        "Enter 1 or -1 to move rows down or up, respectively:",
        1,
        2,
        "Enter 1 or -1 to adjust printing down or up, respectively.",
        "D O N E !  Margin(s) for Return Address labels adjusted successfully."};
    static const KindTexts searchResult{
        "BULKLIST",
        "In the next box, enter a positive or negative number indicating how many characters to "
        "the right or left you want to move the print for Search-result labels (labels found "
        "via 'Search Contacts').  Example: 1 to move printing one character to right, 2 to move "
        "printing two characters to right, -1 to move printing one character to left, etc.",
        "In the next box, enter a positive or negative number indicating how many rows down or "
        "up you want to move the print for Search-result labels.  Example: 1 to move printing "
        "one row lower, 2 to move printing two rows lower, -1 to move printing one row higher, "
        "etc.",
        kRowsTitle,
        kRowsPrompt,
        2,
        3,
        "Enter no. of rows, positive or negative, to move down or up.",
        "D O N E !  Margin(s) for Search-result labels adjusted successfully."};
    switch (kind) {
        case MarginKind::OnTheFly:
            return onTheFly;
        case MarginKind::Envelope:
            return envelope;
        case MarginKind::ReturnAddress:
            return returnAddress;
        case MarginKind::SearchResult:
            return searchResult;
    }
    return onTheFly;
}

constexpr const char* kNonValid = "Non-valid entry";
constexpr const char* kTooHigh = "Number too high.";

std::filesystem::path marginPath(const std::filesystem::path& folder) {
    return folder / kMarginFileName;
}

std::string installedFile() {
    std::string bytes;
    for (const char* key : {"ONTHEFLY", "ENVELOPE", "RETURNAD", "BULKLIST"}) {
        bytes += padRight(key, kKeyWidth) + "|" + padRight("0", kShiftWidth) + "|" +
                 padRight("0", kShiftWidth) + "\r\n";
    }
    return bytes;
}

// The whole margin file, created as installed when it is missing.
std::string openMarginFile(const std::filesystem::path& folder) {
    const std::filesystem::path path = marginPath(folder);
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        if (!std::filesystem::is_directory(folder, ec)) throw RunError(RunError::PathNotFound);
        std::string bytes = installedFile();
        replaceFileContents(path, bytes);
        return bytes;
    }
    if (status.type() != std::filesystem::file_type::regular) {
        throw RunError(RunError::PathFileAccessError);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RunError(RunError::PathFileAccessError);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw RunError(RunError::DeviceIoError);
    return bytes;
}

std::size_t recordCount(const std::string& bytes) {
    return static_cast<std::size_t>(
        roundHalfEven(static_cast<double>(bytes.size()) / static_cast<double>(kRecordLength)));
}

// A field of record k (0-based); bytes past the end of a truncated file read as blanks.
std::string field(const std::string& bytes, std::size_t k, std::size_t at, std::size_t width) {
    std::string out(width, ' ');
    const std::size_t start = k * kRecordLength + at;
    for (std::size_t i = 0; i < width && start + i < bytes.size(); ++i) out[i] = bytes[start + i];
    return out;
}

bool keyMatches(const std::string& bytes, std::size_t k, std::string_view key) {
    return trimTrailingSpaces(field(bytes, k, kKeyAt, kKeyWidth)) == key;
}

// The shortest plain decimal text of a sum: 3, -2, 1.5.
std::string plainNumber(double value) {
    if (value == 0.0) return "0";  // also -0
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

bool tooLong(std::string_view answer, std::size_t maxLength) { return answer.size() > maxLength; }

// Asks the left shift until it is empty or valid; nullopt when no change.
std::optional<std::string> askLeft(Dialogs& dialogs) {
    for (;;) {
        std::string answer = dialogs.inputBox(
            "How many characters right or left?",
            "Enter number of characters, positive or negative, to move right or left, "
            "respectively:",
            "");
        if (answer.empty()) return std::nullopt;
        if (tooLong(answer, 3)) {
            dialogs.message(kNonValid, kTooHigh);
            continue;
        }
        if (!isNumericText(answer)) {
            dialogs.message(kNonValid, "Enter no. of characters to move right or left.");
            continue;
        }
        return answer;
    }
}

std::optional<std::string> askTop(Dialogs& dialogs, const KindTexts& t) {
    for (;;) {
        std::string answer = dialogs.inputBox(t.topTitle, t.topPrompt, "");
        if (answer.empty()) return std::nullopt;
        if (t.maxRows > 0 && std::fabs(leadingNumber(answer)) > t.maxRows) {
            dialogs.message(kNonValid, t.maxRows == 1
                                           ? "Cannot adjust by more than 1 row down or up."
                                           : "Cannot adjust by more than 2 rows down or up.");
            continue;
        }
        if (tooLong(answer, t.maxTopLength)) {
            dialogs.message(kNonValid, kTooHigh);
            continue;
        }
        if (!isNumericText(answer)) {
            dialogs.message(kNonValid, t.notANumber);
            continue;
        }
        return answer;
    }
}

// New text of a shift field, or nullopt when the sum does not fit its 3 characters.
std::optional<std::string> addedField(const std::string& old, const std::string& delta) {
    const double sum = leadingNumber(old) + leadingNumber(trimLeadingSpaces(delta));
    std::string text = plainNumber(sum);
    if (text.size() > kShiftWidth) return std::nullopt;
    return padRight(text, kShiftWidth);
}

void putField(std::string& bytes, std::size_t k, std::size_t at, const std::string& text) {
    const std::size_t start = k * kRecordLength + at;
    // A truncated last record is completed with blanks up to its line end.
    const std::size_t needed = k * kRecordLength + kWrittenLength;
    if (bytes.size() < needed) bytes.resize(needed, ' ');
    bytes.replace(start, text.size(), text);
}

}  // namespace

const char* marginKey(MarginKind kind) { return texts(kind).key; }

MarginShifts readMarginShifts(const std::filesystem::path& programFolder, std::string_view key) {
    const std::string bytes = openMarginFile(programFolder);
    MarginShifts shifts;
    const std::size_t count = recordCount(bytes);
    for (std::size_t k = 0; k < count; ++k) {
        if (!keyMatches(bytes, k, key)) continue;
        shifts.left = textToInt16(field(bytes, k, kLeftAt, kShiftWidth));
        shifts.top = textToInt16(field(bytes, k, kTopAt, kShiftWidth));
    }
    return shifts;
}

void adjustMargins(const std::filesystem::path& programFolder, MarginKind kind, Dialogs& dialogs) {
    const KindTexts& t = texts(kind);
    dialogs.message("Left margin adjustment", t.leftIntro);
    const std::optional<std::string> left = askLeft(dialogs);
    if (left) dialogs.message("Top margin adjustment", t.topIntro);
    const std::optional<std::string> top = askTop(dialogs, t);

    std::string bytes = openMarginFile(programFolder);
    const std::string before = bytes;
    const std::size_t count = recordCount(bytes);
    for (std::size_t k = 0; k < count; ++k) {
        if (!keyMatches(bytes, k, t.key)) continue;
        for (const auto& [delta, at] : {std::pair{left, kLeftAt}, std::pair{top, kTopAt}}) {
            if (!delta) continue;
            const std::optional<std::string> sum =
                addedField(field(bytes, k, at, kShiftWidth), *delta);
            if (!sum) {
                // The field holds 3 characters: refuse rather than store a wrong shift.
                dialogs.message(kNonValid, kTooHigh);
                return;
            }
            putField(bytes, k, at, *sum);
        }
    }
    if (bytes != before) replaceFileContents(marginPath(programFolder), bytes);

    if (!left && !top) {
        dialogs.message("Margins not adjusted", "No margin adjustment made.");
    } else {
        dialogs.message("Margin adjustment completed", t.done);
    }
}

}  // namespace varnel
