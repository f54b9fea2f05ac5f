#include "contacts/detail_sheet.h"

#include <initializer_list>
#include <utility>

#include "contacts/address_lines.h"
#include "printing/print_flow.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace varnel {

namespace {

const std::string kRule(70, '_');

FontSpec courier(double size) { return FontSpec{"Courier New", size, false, false}; }

std::string t(const std::string& value) { return std::string(trimSpaces(value)); }

// Characters `from` to `to` (1-based) of `text`; a shorter text gives less.
std::string slice(const std::string& text, std::size_t from, std::size_t to) {
    if (text.size() < from) return "";
    return text.substr(from - 1, to - from + 1);
}

void emptyLines(TextPage& page, int n) {
    for (int i = 0; i < n; ++i) page.newLine();
}

// One printed row of Tab(column); text items. An empty text places nothing
// but its Tab still counts.
void row(TextPage& page, std::initializer_list<std::pair<int, std::string>> items) {
    for (const auto& [column, text] : items) {
        page.tab(column);
        if (!text.empty()) page.text(text);
    }
    page.newLine();
}

}  // namespace

Document detailSheetDocument(const DetailValues& v, const std::string& dateText) {
    TextPage page(courier(12));
    page.setOrientation(Orientation::Portrait);
    const std::string category = t(v.category);
    const std::string notes = t(v.notes);

    page.setSize(12);
    emptyLines(page, 3);
    page.setSize(16);
    row(page, {{22, "Varnel"}});
    page.newLine();
    page.setSize(14);
    page.setItalic(false);
    row(page, {{27, "Contact Details"}});
    emptyLines(page, 3);
    page.setSize(10);
    row(page, {{35, "Date of report:"}, {51, dateText}});
    page.setSize(12);
    page.newLine();
    row(page, {{8, kRule}});
    emptyLines(page, 2);
    row(page, {{8, nameLine(t(v.first), t(v.mi), t(v.last))}});
    page.newLine();
    row(page, {{8, t(v.street1) + "  " + t(v.street2)}});
    page.newLine();
    row(page, {{8, cityLine(t(v.city), t(v.state), t(v.zip))}});
    emptyLines(page, 2);
    row(page, {{8, "Company Name:"}, {24, t(v.company)}});
    emptyLines(page, 2);
    row(page, {{8, "Country:"}, {18, t(v.country)}, {40, "Birthdate:"}, {52, t(v.birthdate)}});
    emptyLines(page, 2);
    row(page, {{8, "Home Phone:"},
               {21, t(v.home)},
               {37, "Cell:"},
               {44, t(v.cell)},
               {60, "Work:"},
               {67, t(v.work)}});
    emptyLines(page, 2);
    row(page, {{8, "Email Address:"}, {24, t(v.email)}});
    emptyLines(page, 2);
    row(page, {{8, "Category:"}, {19, slice(category, 1, 61)}});
    row(page, {{19, slice(category, 62, 80)}});
    emptyLines(page, 2);
    row(page, {{8, "Notes:"}, {16, slice(notes, 1, 61)}});
    row(page, {{15, slice(notes, 62, 114)}});
    row(page, {{15, slice(notes, 115, 160)}});
    emptyLines(page, 2);
    row(page, {{8, kRule}});
    page.newPage();
    return page.finish();
}

Document detailSelectionDocument(const std::string& selectedText) {
    TextPage page(courier(12));
    page.setOrientation(Orientation::Portrait);
    page.newLine();
    if (!selectedText.empty()) page.text(selectedText);
    page.newLine();
    page.newPage();
    return page.finish();
}

PrintOutcome printDetailSheet(const DetailSheetRequest& request, Dialogs& dialogs,
                              Printer& printer) {
    try {
        const std::string title = documentTitle("Contact detail sheet", request.fileTitle);
        Document sheet = detailSheetDocument(request.values, request.dateText);
        sheet.title = title;
        if (request.mode == PrintMode::Preview && !previewAccepted(sheet, dialogs, printer))
            return PrintOutcome::Cancelled;
        const PrintDialogResult chosen = printer.showPrintDialog(
            PrintDialogOptions{.printToFileDisabled = false, .selectionOffered = true});
        if (chosen.cancelled) return PrintOutcome::Cancelled;
        if (chosen.selection) {
            if (!request.focusOnTextBox) return PrintOutcome::Refused;
            Document selection = detailSelectionDocument(request.selectedText);
            selection.title = title;
            submitCalibrated(std::move(selection), dialogs, printer);
            return PrintOutcome::Printed;
        }
        for (int copy = 0; copy < copiesOf(chosen); ++copy)
            submitCalibrated(sheet, dialogs, printer);
        return PrintOutcome::Printed;
    } catch (const RunError&) {
        return printerProblem(dialogs, printer, kDetailPrinterErrorTitle);
    }
}

}  // namespace varnel
