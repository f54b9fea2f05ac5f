#include "printing/print_flow.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <vector>

#include "printing/page_geometry.h"
#include "text/numbers.h"

namespace varnel {

namespace {

constexpr const char* kApplication = "Varnel";
constexpr const char* kCalibrationSection = "Printer Calibration";
constexpr const char* kCalibrationTitle = "Printer Calibration";
constexpr int kCalibrationLimit = 100;  // one inch either way
constexpr std::size_t kCutLinesShown = 12;

// One cut text and the labels of a page it is cut on.
struct CutGroup {
    int page = 0;
    std::string text;
    std::vector<int> labels;
};

// Labels 1 to 30 cut alike are one entry: "Labels 1-30".
std::string labelsCaption(const std::vector<int>& labels) {
    if (labels.size() == 1) return "Label " + std::to_string(labels[0]);
    const bool run = labels.back() - labels.front() + 1 == static_cast<int>(labels.size());
    if (run)
        return "Labels " + std::to_string(labels.front()) + "-" + std::to_string(labels.back());
    std::string caption = "Labels ";
    for (std::size_t i = 0; i < labels.size(); ++i) {
        caption += (i == 0 ? "" : ", ") + std::to_string(labels[i]);
    }
    return caption;
}

std::string cutCaption(const Document& document, const CutGroup& group) {
    if (document.stock.envelope) return "Envelope: ";
    if (group.labels.front() == 0) return "Every label: ";
    std::string caption = labelsCaption(group.labels);
    if (document.pageCount > 1) {
        caption = "Page " + std::to_string(group.page + 1) + ", " + char(std::tolower(caption[0])) +
                  caption.substr(1);
    }
    return caption + ": ";
}

std::vector<CutGroup> cutGroups(const std::vector<CutLine>& cuts) {
    std::vector<CutGroup> groups;
    for (const CutLine& cut : cuts) {
        auto same = std::find_if(groups.begin(), groups.end(), [&](const CutGroup& g) {
            return g.page == cut.page && g.text == cut.text;
        });
        if (same == groups.end()) {
            groups.push_back({cut.page, cut.text, {cut.label}});
        } else if (std::find(same->labels.begin(), same->labels.end(), cut.label) ==
                   same->labels.end()) {
            same->labels.push_back(cut.label);
        }
    }
    return groups;
}

// One answer of the calibration dialogue: a whole number within the limit,
// or nothing after Cancel.
std::optional<int> askOffset(Dialogs& dialogs, const std::string& prompt, int current) {
    for (;;) {
        const std::string answer =
            dialogs.inputBox(kCalibrationTitle, prompt, std::to_string(current));
        if (answer.empty()) return std::nullopt;
        const double value = leadingNumber(answer);
        if (isNumericText(answer) && value == roundHalfEven(value) &&
            std::abs(value) <= kCalibrationLimit) {
            return static_cast<int>(value);
        }
        dialogs.beep();
        dialogs.message(kCalibrationTitle,
                        "Enter a whole number of hundredths of an inch from -100 to 100.",
                        Icon::Exclamation);
    }
}

}  // namespace

std::string documentTitle(std::string_view printout, std::string_view fileTitle) {
    std::string title(printout);
    if (!fileTitle.empty()) title += " - " + std::string(fileTitle);
    return title;
}

Calibration readCalibration(Dialogs& dialogs, const std::string& printer) {
    const std::string stored = dialogs.getSetting(kApplication, kCalibrationSection, printer);
    Calibration c;
    const std::size_t blank = stored.find(' ');
    if (blank == std::string::npos) return c;
    c.right = static_cast<int>(leadingNumber(stored.substr(0, blank)));
    c.down = static_cast<int>(leadingNumber(stored.substr(blank + 1)));
    return c;
}

void saveCalibration(Dialogs& dialogs, const std::string& printer, const Calibration& c) {
    dialogs.saveSetting(kApplication, kCalibrationSection, printer,
                        std::to_string(c.right) + " " + std::to_string(c.down));
}

void calibratePrinter(Dialogs& dialogs, const std::string& printer) {
    const Calibration now = readCalibration(dialogs, printer);
    const std::string intro = "Printer: " + printer + "\r\n\r\n";
    const auto right = askOffset(
        dialogs,
        intro +
            "Move everything this printer prints right by how many hundredths of an inch? "
            "(negative moves left)",
        now.right);
    if (!right) return;
    const auto down =
        askOffset(dialogs,
                  intro +
                      "Move everything this printer prints down by how many hundredths of an inch? "
                      "(negative moves up)",
                  now.down);
    if (!down) return;
    saveCalibration(dialogs, printer, {*right, *down});
    dialogs.message(kCalibrationTitle,
                    "Saved for " + printer + ": " + std::to_string(*right) + "/100 in right, " +
                        std::to_string(*down) + "/100 in down.",
                    Icon::Information);
}

Document calibrated(Document document, Dialogs& dialogs, const std::string& printer) {
    const Calibration c = readCalibration(dialogs, printer);
    document.shiftX = c.right * kPointsPerInch / 100.0;
    document.shiftY = c.down * kPointsPerInch / 100.0;
    return document;
}

bool cutLinesAccepted(const Document& document, Dialogs& dialogs) {
    if (document.cuts.empty()) return true;
    const std::vector<CutGroup> groups = cutGroups(document.cuts);
    std::string list;
    for (std::size_t i = 0; i < groups.size() && i < kCutLinesShown; ++i) {
        list += cutCaption(document, groups[i]) + groups[i].text + "\r\n";
    }
    if (groups.size() > kCutLinesShown) {
        list += "... and " + std::to_string(groups.size() - kCutLinesShown) + " more\r\n";
    }
    const Answer answer = dialogs.messageBox(
        "Lines too long",
        "These lines are too long for their label even in narrower letters, and will be "
        "printed cut short:\r\n\r\n" +
            list + "\r\nClick OK to print them cut, or Cancel to go back.",
        Icon::Exclamation, Buttons::OkCancel);
    return answer == Answer::Ok;
}

bool previewAccepted(Document document, Dialogs& dialogs, Printer& printer) {
    return printer.preview(calibrated(std::move(document), dialogs, printer.deviceName()));
}

void submitCalibrated(Document document, Dialogs& dialogs, Printer& printer) {
    printer.submit(calibrated(std::move(document), dialogs, printer.deviceName()));
}

}  // namespace varnel
