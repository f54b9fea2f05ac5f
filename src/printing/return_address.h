#pragma once
// Return-address labels: a full sheet of 80 identical labels (Avery 5167,
// 8167 or 18167: 4 across, 20 down) carrying composer lines 1 to 3.
#include <filesystem>

#include "ports/dialogs.h"
#include "ports/document.h"
#include "ports/printer.h"
#include "printing/composer.h"
#include "printing/margin_file.h"
#include "printing/print_flow.h"

namespace varnel {

// The command of cmdRetAddress and File > Return Address Labels, with its
// "print another page" loop and the switch into and out of return-address mode.
void printReturnAddressLabels(ComposerModel& model, Dialogs& dialogs, Printer& printer,
                              const std::filesystem::path& programFolder,
                              PrintMode mode = PrintMode::Print, std::string_view fileTitle = {});

// One page of 80 labels with the "RETURNAD" shifts.
Document returnAddressPage(const ComposerModel& model, const MarginShifts& shifts);

// The return-address Print button instead of the composer's, the media options
// and label styles locked, the label styles cleared.
void enterReturnAddressMode(ComposerModel& model);
// The media options and label styles free and cleared, "Left-Justified" selected.
void leaveReturnAddressMode(ComposerModel& model);

}  // namespace varnel
