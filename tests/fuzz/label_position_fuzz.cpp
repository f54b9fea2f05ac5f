// The label-position entry: the prompt with its refusals, the range split and
// the lenient number parse under it.
#include <cmath>

#include "fuzz_input.h"
#include "printing/label_position.h"
#include "text/numbers.h"
#include "text/run_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    const std::string_view text = fuzz::asText(data, size);
    const double value = leadingNumber(text);
    fuzz::require(!std::isnan(value));
    if (isNumericText(text)) fuzz::require(std::isfinite(value) || text.size() > 300);

    fuzz::FuzzDialogs dialogs(fuzz::pieces(text, '\n', 8));
    ComposerModel state;
    try {
        labelPositionPrompt(state, dialogs);
        // An accepted entry names positions 1 to 30 and at most the rest of the sheet.
        if (composerView(state).positionVisible) {
            const int start = state.run.start;
            fuzz::require(start >= 1 && start <= 30);
            fuzz::require(state.run.count >= 1 && start + state.run.count - 1 <= 30);
        }
    } catch (const RunError&) {
        // A run-time error is the program's way to refuse; anything else is a fault.
    }

    LabelRun direct;
    try {
        parseLabelRange(cleanPositionEntry(std::string(text)), direct, dialogs);
    } catch (const RunError&) {
    }
    return 0;
}
