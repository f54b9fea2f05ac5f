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
    ComposerState state;
    try {
        labelPositionPrompt(state, dialogs);
        // An accepted entry names positions 1 to 30 and at most the rest of the sheet.
        if (state.lblVRPositionVisible) {
            const double start = leadingNumber(state.StartPosition);
            fuzz::require(start >= 1 && start <= 30);
            fuzz::require(state.LabelCount >= 1 && start + state.LabelCount - 1 <= 30);
        }
    } catch (const RunError&) {
        // A run-time error is the program's way to refuse; anything else is a fault.
    }

    ComposerState direct;
    direct.StartPosition = cleanPositionEntry(std::string(text));
    try {
        parseLabelRange(direct, dialogs);
    } catch (const RunError&) {
    }
    return 0;
}
