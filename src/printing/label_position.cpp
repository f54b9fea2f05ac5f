#include "printing/label_position.h"

#include <algorithm>

#include "printing/label_grid.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace varnel {

namespace {

constexpr const char* kPromptTitle = "Label position reading L to R";
constexpr const char* kPrompt =
    "Enter the label position [a number between 1 and 30] on which to print.  Example: label "
    "position 5 would be the middle label on the 2nd row of label sheet.  To print multiple "
    "labels, enter a range such as 4-9, 15-18, etc.  To print an entire sheet, enter 1-30.";

void refuse(Dialogs& dialogs, const char* title, const char* text, Icon icon = Icon::Information) {
    dialogs.beep();
    dialogs.message(title, text, icon);
}

double lastTwoValue(const std::string& e) {
    return leadingNumber(e.size() <= 2 ? std::string_view(e)
                                       : std::string_view(e).substr(e.size() - 2));
}

// A position piece of an entry as a whole number; the checks only need to
// know it lies beyond the sheet.
int positionNumber(std::string_view piece) {
    return static_cast<int>(std::clamp(leadingNumber(piece), -1000.0, 1000.0));
}

// The checks of the entry before it is split; false after a refusal.
bool entryAccepted(const std::string& e, Dialogs& dialogs) {
    // Anything longer than "dd-dd" cannot be a position or a range.
    if ((e.find('-') == std::string::npos && e.size() > 2) || e.size() > 5) {
        refuse(dialogs, "Include dash for range of labels",
               "Use a dash when specifying a range of labels to print.  Examples: 1-30, 5-8, "
               "15-22.  Each number represents a label position on label sheet.");
        return false;
    }
    if (lastTwoValue(e) > 30) {
        refuse(dialogs, "Maximum is 30", "Label position cannot exceed 30");
        return false;
    }
    if (e.size() == 5 && e[1] == '-') {
        refuse(dialogs, "Maximum is 30",
               "No more than 30 labels may be printed.  To print an entire sheet, enter 1-30.");
        return false;
    }
    return true;
}

}  // namespace

std::string cleanPositionEntry(const std::string& answer) {
    std::string out;
    for (char c : answer) {
        if (c != ' ' && c != '.') out += c;
    }
    return std::string(trimSpaces(out));
}

bool parseLabelRange(const std::string& e, LabelRun& run, Dialogs& dialogs) {
    if (e.size() <= 2 || e.size() > 5) {
        // The prompt refuses entries longer than 5; there is nothing to split.
        run.start = positionNumber(e);
        if (e.size() <= 2) run.count = 1;
        return true;
    }
    const std::string start = e.size() == 5 ? e.substr(0, 2) : e.substr(0, 1);
    const std::string end = e.size() == 3 ? e.substr(2, 1) : e.substr(e.size() - 2);
    const int first = positionNumber(start);
    const int last = positionNumber(end);
    if (last < first) {
        refuse(dialogs, "Try again", "Label starting position cannot exceed ending position.");
        return false;
    }
    run.start = first;
    run.end = last;
    run.count = toInt16(last - first + 1);
    return true;
}

void labelPositionPrompt(ComposerModel& model, Dialogs& dialogs) {
    for (;;) {
        const std::string e = cleanPositionEntry(dialogs.inputBox(kPromptTitle, kPrompt, "1"));
        LabelRun run = model.run;
        if (!entryAccepted(e, dialogs)) continue;
        if (!parseLabelRange(e, run, dialogs)) continue;

        const int s = run.start;
        if (s >= 1 && s <= 30) model.origin = composerGridOrigin(s);
        if (s > 30) {
            refuse(dialogs, "Enter a number between 1 and 30", "Cannot be greater than 30",
                   Icon::Warning);
            continue;
        }
        model.run = run;
        if (s >= 1) {
            model.labelPosition = e;
            model.focus = ComposerField::Print;
        } else {
            // 0, an empty answer, Cancel, or a start below 1: no label position.
            model.labelPosition.clear();
            model.media = Media::None;
            model.origin = GridOrigin{2, 3};
        }
        return;
    }
}

}  // namespace varnel
