#pragma once
// The label-position entry: the prompt shown when "Label stock" is chosen and
// the range syntax ("7", "4-9", "15-18", "1-30") that the Print command reads
// again.
#include <string>

#include "ports/dialogs.h"
#include "printing/composer.h"

namespace varnel {

// The prompt, asked again after every refusal. Sets the label position, its
// run and the composer-grid origin; an entry naming no position (0, empty,
// Cancel) deselects both media options and restores the origin 2/3.
// The main window calls it at the end of the "Label stock" click.
void labelPositionPrompt(ComposerModel& model, Dialogs& dialogs);

// Splits a cleaned entry by its length into the run's start, end and count.
// A refused entry beeps, shows its message and returns false, leaving the
// run as it was.
bool parseLabelRange(const std::string& entry, LabelRun& run, Dialogs& dialogs);

// The answer with every blank and full stop removed.
std::string cleanPositionEntry(const std::string& answer);

}  // namespace varnel
