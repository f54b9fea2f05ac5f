#pragma once
// The label-position entry: the prompt shown when "Label stock" is chosen and
// the range syntax ("7", "4-9", "15-18", "1-30") that the Print command reads
// again.
#include <string>

#include "ports/dialogs.h"
#include "printing/composer.h"

namespace varnel {

// The prompt, asked again after every refusal. Sets PositionEntry,
// StartPosition, EndPosition, LabelCount, the composer-grid origin and
// lblVRPosition; an entry naming no position (0, empty, Cancel) deselects both
// media options, hides lblVRPosition and restores the origin 2/3.
// The main window calls it at the end of the "Label stock" click.
void labelPositionPrompt(ComposerState& state, Dialogs& dialogs);

// Splits StartPosition by its length into StartPosition, EndPosition and
// LabelCount. A refused entry beeps, shows its message and returns false,
// leaving the state as it was.
bool parseLabelRange(ComposerState& state, Dialogs& dialogs);

// The answer with every blank and full stop removed.
std::string cleanPositionEntry(const std::string& answer);

}  // namespace varnel
