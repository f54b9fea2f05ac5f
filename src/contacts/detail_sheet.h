#pragma once
// The contact browser's File > "Print": one page with every detail of the
// contact on screen, edits included.
#include <string>

#include "printing/print_flow.h"
#include "printing/print_outcome.h"
#include "printing/text_page.h"

namespace varnel {

// The browser's text boxes as they stand (trimmed when laid out).
struct DetailValues {
    std::string first, mi, last;
    std::string street1, street2, city, state, zip, country;
    std::string birthdate;  // as shown, MM/DD/YYYY
    std::string home, cell, work, email;
    std::string category, notes, company;
};

inline constexpr const char* kDetailPrinterErrorTitle = "Printer error.";

// The sheet in Courier New, portrait; `dateText` is today's date in the
// system's short date format.
Document detailSheetDocument(const DetailValues& values, const std::string& dateText);
// "Selection": an empty line and the focused text box's selected text.
Document detailSelectionDocument(const std::string& selectedText);

struct DetailSheetRequest {
    DetailValues values;
    std::string dateText;
    bool focusOnTextBox = false;  // a text box of the browser has the focus
    std::string selectedText;     // its selected text
    std::string fileTitle;        // the open contact file, for the document's title
    PrintMode mode = PrintMode::Print;
};

PrintOutcome printDetailSheet(const DetailSheetRequest& request, Dialogs& dialogs,
                              Printer& printer);

}  // namespace varnel
