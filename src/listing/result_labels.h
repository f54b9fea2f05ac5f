#pragma once
// "Print labels": one label per list line on 30-up sheets, three labels side
// by side in bands that flow down the page.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "listing/contact_list.h"
#include "ports/dialogs.h"
#include "ports/printer.h"
#include "printing/print_flow.h"
#include "printing/print_outcome.h"
#include "printing/text_page.h"
#include "store/contact_file.h"

namespace varnel {

struct ResultLabel {
    std::string name;     // NameLine
    std::string company;  // CompanyLine, printed only when hasCompany
    std::string street;   // StreetLine
    std::string city;     // CityLine
    bool hasCompany = false;
};

// A company is printed when the flag is "1"; any other flag (also one that
// is neither "0" nor "1") prints none.
ResultLabel resultLabelOf(const ContactRecord& record);

struct ResultLabelColumns {
    int first = 2;
    int second = 46;
    int third = 89;
};

// x = 2, or 4 on an "Officejet", "ENVY" or "Photosmart" printer, plus
// BulkLeft; the second and third columns move left by 5 and 11 in bold.
ResultLabelColumns resultLabelColumns(const std::string& deviceName, std::int16_t bulkLeft,
                                      bool bold);

struct ResultLabelRun {
    ResultLabelColumns columns;
    std::int16_t bulkTop = 0;
    bool bold = false;
    bool italic = false;
};

// Lays the labels out on `page` (portrait, Verdana 9), from its current
// position, starting a new page after every 30th label.
void layoutResultLabels(TextPage& page, const std::vector<ResultLabel>& labels,
                        const ResultLabelRun& run);
Document resultLabelDocument(const std::vector<ResultLabel>& labels, const ResultLabelRun& run);

struct ResultLabelRequest {
    const ContactList& list;
    const ContactFile& contacts;
    std::filesystem::path programFolder;  // where the margin file lives
    bool bold = false;                    // the main window's "Bold"
    bool italic = false;                  // the main window's "Italic"
    PrintMode mode = PrintMode::Print;
    std::string fileTitle;  // the open contact file, for the document's title
};

// The label of every list line with a contact behind it, in list order. Only
// the listed records are read: one by one in file order when they are few,
// in one pass of large buffers when they are most of the file.
std::vector<ResultLabel> listedLabels(const ContactList& list, const ContactFile& contacts);

// The whole command: shifts, the empty-list box, the print dialog, one
// document per copy. Lines with no contact behind them (pasted lines, or a
// record the file no longer has) are skipped. Lines cut to fit their label
// are named before anything prints.
PrintOutcome printSearchResultLabels(const ResultLabelRequest& request, Dialogs& dialogs,
                                     Printer& printer);

}  // namespace varnel
