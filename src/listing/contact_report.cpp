#include "listing/contact_report.h"

#include <algorithm>

#include "printing/print_flow.h"
#include "text/numbers.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace varnel {

namespace {

const ReportColumns kEmailColumns = {{"Name", "City", "ST", "Zip", "Home", "Cell", "Email Address"},
                                     {2, 40, 58, 62, 76, 92, 110}};
const ReportColumns kStreetColumns = {{"Name", "Street", "City", "ST", "Zip", "Home", "Cell"},
                                      {2, 30, 66, 88, 94, 109, 127}};

FontSpec verdana(double size) { return FontSpec{"Verdana", size, false, false}; }

void reportRow(TextPage& page, const ReportColumns& columns, const std::string& line) {
    std::size_t start = 0;
    for (std::size_t piece = 0;; ++piece) {
        const std::size_t tab = line.find('\t', start);
        const std::string_view text = std::string_view(line).substr(
            start, tab == std::string::npos ? std::string::npos : tab - start);
        // An empty piece ends the row; a piece of blanks still keeps its column.
        if (text.empty()) break;
        if (piece >= columns.columns.size()) throw RunError(RunError::SubscriptOutOfRange);
        page.tab(columns.columns[piece]);
        const std::string_view trimmed = trimSpaces(text);
        if (!trimmed.empty()) page.text(trimmed);
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    page.newLine();
}

}  // namespace

const ReportColumns& reportColumns(ListDisplay display) {
    return display == ListDisplay::Email ? kEmailColumns : kStreetColumns;
}

int reportPageEstimate(std::size_t lines) {
    return static_cast<int>(roundHalfEven(static_cast<double>(lines) / 54.0 + 1.0));
}

Document reportDocument(const std::vector<std::string>& lines, ListDisplay display,
                        const std::string& fileTitle) {
    const ReportColumns& columns = reportColumns(display);
    TextPage page(verdana(10));
    page.setOrientation(Orientation::Landscape);
    // No page breaks of its own: rows that pass the bottom go on the next page.
    page.setFlowToNextPage(true);
    page.newLine();
    page.setSize(18);
    page.printLine({Tab(32), "Varnel"});
    page.setSize(10);
    page.newLine();
    page.printLine({Tab(60), "File: " + fileTitle});
    page.newLine();
    for (std::size_t i = 0; i < columns.columns.size(); ++i) {
        page.tab(columns.columns[i]);
        page.text(columns.headings[i]);
    }
    page.newLine();
    for (const std::string& line : lines) reportRow(page, columns, line);
    page.newLine();
    page.newPage();
    return page.finish();
}

Document reportSelectionDocument(const std::vector<std::string>& texts) {
    TextPage page(verdana(10));
    page.setOrientation(Orientation::Landscape);
    page.setFlowToNextPage(true);
    page.newLine();
    for (const std::string& text : texts) {
        if (!text.empty()) page.text(text);
        page.newLine();
    }
    page.newPage();
    return page.finish();
}

PrintOutcome printContactReport(const ReportRequest& request, Dialogs& dialogs, Printer& printer) {
    try {
        std::vector<std::size_t> selected = request.selectedLines;
        std::sort(selected.begin(), selected.end());
        selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
        std::erase_if(selected, [&](std::size_t p) { return p >= request.list.size(); });

        std::vector<std::string> lines;
        lines.reserve(request.list.size());
        for (const ListLine& line : request.list.lines()) lines.push_back(line.text);
        const auto report = [&] {
            Document doc = reportDocument(lines, request.display, request.fileTitle);
            doc.title = documentTitle("Contact report", request.fileTitle);
            return doc;
        };
        if (request.mode == PrintMode::Preview && !previewAccepted(report(), dialogs, printer))
            return PrintOutcome::Cancelled;

        const int pages = reportPageEstimate(request.list.size());
        PrintDialogOptions options;
        options.minPage = 1;
        options.maxPage = pages;
        options.fromPage = 1;
        options.toPage = pages;
        const bool anySelection = !request.headerSelectedText.empty() || !selected.empty();
        options.selectionOffered = anySelection;
        options.printToFileDisabled = anySelection;
        const PrintDialogResult chosen = printer.showPrintDialog(options);
        if (chosen.cancelled) return PrintOutcome::Cancelled;

        if (chosen.selection) {
            std::vector<std::string> texts;
            if (request.focusOnTextBox) {
                texts.push_back(request.headerSelectedText);
            } else {
                for (std::size_t p : selected) texts.push_back(request.list[p].text);
            }
            Document doc = reportSelectionDocument(texts);
            doc.title = documentTitle("Contact report", request.fileTitle);
            submitCalibrated(std::move(doc), dialogs, printer);
            return PrintOutcome::Printed;
        }

        const Document doc = report();
        for (int copy = 0; copy < copiesOf(chosen); ++copy) submitCalibrated(doc, dialogs, printer);
        return PrintOutcome::Printed;
    } catch (const RunError&) {
        return printerProblem(dialogs, printer);
    }
}

}  // namespace varnel
