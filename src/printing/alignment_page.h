#pragma once
// Margins > "Print Alignment Page": a sheet's label outlines, a cross at every
// label corner and rulers in inches and millimetres, over the lines the
// program prints on those labels. Held against a label sheet, it shows how
// far this printer puts the print from where the labels are.
#include <filesystem>
#include <string_view>

#include "ports/dialogs.h"
#include "ports/document.h"
#include "ports/printer.h"
#include "printing/label_stock.h"
#include "printing/margin_file.h"
#include "printing/print_flow.h"

namespace varnel {

// The page for Avery 5160 (every position's five lines through the print
// grid, with the "ONTHEFLY" shifts) or Avery 5167 (the return-address page,
// with the "RETURNAD" shifts).
Document alignmentPage(const LabelSheet& sheet, const MarginShifts& shifts,
                       std::string_view deviceName);

// The menu command: the print dialog, then the page. Printing failures show
// the "Printer error" box.
void printAlignmentPage(const LabelSheet& sheet, Dialogs& dialogs, Printer& printer,
                        const std::filesystem::path& programFolder,
                        PrintMode mode = PrintMode::Print);

}  // namespace varnel
