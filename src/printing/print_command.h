#pragma once
// The composer's Print command (the "Print" button and File > Print): margin
// reading, the input checks, the print dialog and one document per copy.
#include <filesystem>
#include <string_view>

#include "ports/dialogs.h"
#include "ports/document.h"
#include "ports/printer.h"
#include "printing/composer.h"
#include "printing/margin_file.h"
#include "printing/print_flow.h"

namespace varnel {

// The whole command. Ends silently on success and on a cancelled dialog; a
// printing failure aborts the document and shows "Printer error". Lines cut
// to fit their label are named before anything prints. `fileTitle` (the open
// contact file) goes into the document's title.
void printComposer(ComposerModel& model, Dialogs& dialogs, Printer& printer,
                   const std::filesystem::path& programFolder, PrintMode mode = PrintMode::Print,
                   std::string_view fileTitle = {});

// One printed document of labels or of one envelope, from the composer as it
// stands (origin, label run).
Document printOne(const ComposerModel& model, const MarginShifts& onTheFly,
                  const MarginShifts& envelope, std::string_view deviceName);

}  // namespace varnel
