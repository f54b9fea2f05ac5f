#pragma once
// File > "Print" of the list window: the list as a landscape report with a
// title, the file name, column headings and one row per line.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "listing/contact_list.h"
#include "printing/print_flow.h"
#include "printing/print_outcome.h"
#include "printing/text_page.h"

namespace varnel {

struct ReportColumns {
    std::array<const char*, 7> headings;
    std::array<int, 7> columns;
};
const ReportColumns& reportColumns(ListDisplay display);

// (lines / 54 + 1) rounded, halves to even: only the dialog's page range.
int reportPageEstimate(std::size_t lines);

// Title, file name, headings and every line split at its tabs. A line with
// more than seven pieces raises RunError 9 (no column for the eighth).
Document reportDocument(const std::vector<std::string>& lines, ListDisplay display,
                        const std::string& fileTitle);
// The "Selection" printout: an empty line, then each text as one row.
Document reportSelectionDocument(const std::vector<std::string>& texts);

struct ReportRequest {
    const ContactList& list;
    std::vector<std::size_t> selectedLines;  // positions in the list
    ListDisplay display = ListDisplay::Street;
    std::string headerSelectedText;  // selected text of txtViewAllHeader
    bool focusOnTextBox = false;     // the heading box has the focus
    std::string fileTitle;           // the main window's txtFileTitle
    PrintMode mode = PrintMode::Print;
};

PrintOutcome printContactReport(const ReportRequest& request, Dialogs& dialogs, Printer& printer);

}  // namespace varnel
