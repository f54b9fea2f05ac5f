#include "listing/result_labels.h"

#include <array>

#include "printing/margin_file.h"
#include "store/run_error.h"
#include "text/strings.h"

namespace varnel {

namespace {

constexpr int kLabelsPerSheet = 30;

int topMarginLines(std::int16_t bulkTop) { return bulkTop >= -2 && bulkTop <= 2 ? bulkTop + 4 : 4; }

void topMargin(TextPage& page, std::int16_t bulkTop) {
    for (int i = 0; i < topMarginLines(bulkTop); ++i) page.newLine();
}

// One printed row of a band: Tab(column); text for each label in it.
void bandRow(TextPage& page, const ResultLabelColumns& c, const std::array<std::string, 3>& texts,
             int labels) {
    const std::array<int, 3> columns = {c.first, c.second, c.third};
    for (int i = 0; i < labels; ++i) {
        page.tab(columns[static_cast<std::size_t>(i)]);
        if (!texts[static_cast<std::size_t>(i)].empty())
            page.text(texts[static_cast<std::size_t>(i)]);
    }
    page.newLine();
}

// The label's lines in band order; `companyFirst` puts the company line
// above the name (partial bands), otherwise the name is left out (full bands
// print it on their own first row).
std::vector<std::string> linesOf(const ResultLabel& label, bool partial) {
    std::vector<std::string> lines;
    if (partial) {
        if (label.hasCompany) lines.push_back(label.company);
        lines.push_back(label.name);
    } else if (label.hasCompany) {
        lines.push_back(label.company);
    }
    lines.push_back(label.street);
    lines.push_back(label.city);
    return lines;
}

void rowsOfLines(TextPage& page, const ResultLabelColumns& columns,
                 const std::array<std::vector<std::string>, 3>& lines, int labels,
                 std::size_t rows) {
    for (std::size_t k = 0; k < rows; ++k) {
        std::array<std::string, 3> texts;
        for (std::size_t j = 0; j < static_cast<std::size_t>(labels); ++j) {
            if (k < lines[j].size()) texts[j] = lines[j][k];
        }
        bandRow(page, columns, texts, labels);
    }
}

void fullBand(TextPage& page, const ResultLabelColumns& columns,
              const std::array<const ResultLabel*, 3>& band) {
    page.setSize(9);
    bandRow(page, columns, {band[0]->name, band[1]->name, band[2]->name}, 3);
    std::array<std::vector<std::string>, 3> rest;
    bool anyCompany = false;
    for (std::size_t j = 0; j < 3; ++j) {
        rest[j] = linesOf(*band[j], false);
        anyCompany = anyCompany || band[j]->hasCompany;
    }
    if (anyCompany) {
        rowsOfLines(page, columns, rest, 3, 3);
        page.setSize(8);
        for (int i = 0; i < 3; ++i) page.newLine();
    } else {
        rowsOfLines(page, columns, rest, 3, 2);
        page.setSize(11);
        page.newLine();
        page.setSize(7);
        for (int i = 0; i < 3; ++i) page.newLine();
    }
    page.setSize(9);
}

void partialBand(TextPage& page, const ResultLabelColumns& columns,
                 const std::array<const ResultLabel*, 3>& band, int labels) {
    page.setSize(9);
    std::array<std::vector<std::string>, 3> lines;
    std::size_t rows = 0;
    for (std::size_t j = 0; j < static_cast<std::size_t>(labels); ++j) {
        lines[j] = linesOf(*band[j], true);
        rows = std::max(rows, lines[j].size());
    }
    rowsOfLines(page, columns, lines, labels, rows);
}

bool containsAny(const std::string& text, std::initializer_list<const char*> names) {
    for (const char* n : names) {
        if (text.find(n) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

ResultLabel resultLabelOf(const ContactRecord& record) {
    ResultLabel label;
    const std::string mi = record.get(Field::MI);
    label.name = record.get(Field::FirstName) + (mi.empty() ? " " : " " + mi + " ") +
                 record.get(Field::LastName);
    label.company = record.get(Field::Company);
    label.street = record.get(Field::Street1) + " " + record.get(Field::Street2);
    label.city =
        record.get(Field::City) + ", " + record.get(Field::State) + "  " + record.get(Field::Zip);
    label.hasCompany = !label.company.empty() && record.get(Field::IncludeCompany) == "1";
    return label;
}

ResultLabelColumns resultLabelColumns(const std::string& deviceName, std::int16_t bulkLeft,
                                      bool bold) {
    int x = containsAny(deviceName, {"Officejet", "ENVY", "Photosmart"}) ? 4 : 2;
    x += bulkLeft;
    const int d2 = bold ? -5 : 0;
    const int d3 = bold ? -11 : 0;
    return {x, x + 44 + d2, x + 87 + d3};
}

void layoutResultLabels(TextPage& page, const std::vector<ResultLabel>& labels,
                        const ResultLabelRun& run) {
    topMargin(page, run.bulkTop);
    page.setFont(FontSpec{"Verdana", 9, run.bold, run.italic});
    std::array<const ResultLabel*, 3> band{};
    int slot = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        band[static_cast<std::size_t>(slot++)] = &labels[i];
        if (slot == 3) {
            fullBand(page, run.columns, band);
            slot = 0;
        }
        if (i + 1 == labels.size() && slot != 0) partialBand(page, run.columns, band, slot);
        if ((i + 1) % kLabelsPerSheet == 0) {
            page.newPage();
            topMargin(page, run.bulkTop);
        }
    }
}

Document resultLabelDocument(const std::vector<ResultLabel>& labels, const ResultLabelRun& run) {
    TextPage page(FontSpec{"Verdana", 9, false, false});
    page.setOrientation(Orientation::Portrait);
    layoutResultLabels(page, labels, run);
    return page.finish();
}

PrintOutcome printSearchResultLabels(const ResultLabelRequest& request, Dialogs& dialogs,
                                     Printer& printer) {
    try {
        const MarginShifts shifts =
            readMarginShifts(request.programFolder, marginKey(MarginKind::SearchResult));
        bool anyContact = false;
        for (const ListLine& line : request.list.lines())
            anyContact = anyContact || line.record > 0;
        std::vector<ResultLabel> labels;
        if (anyContact) {
            // One pass over the file, however long the list.
            const std::vector<ContactRecord> records = request.contacts.readAll();
            labels.reserve(request.list.size());
            for (const ListLine& line : request.list.lines()) {
                if (line.record < 1 || static_cast<std::size_t>(line.record) > records.size())
                    continue;
                labels.push_back(resultLabelOf(records[static_cast<std::size_t>(line.record - 1)]));
            }
        }
        if (labels.empty()) {
            dialogs.message("No contacts found", "Empty list, no labels to print.");
            return PrintOutcome::Refused;
        }
        PrintDialogOptions options;
        options.printToFileDisabled = true;
        const PrintDialogResult chosen = printer.showPrintDialog(options);
        if (chosen.cancelled) return PrintOutcome::Cancelled;

        ResultLabelRun run;
        run.columns = resultLabelColumns(printer.deviceName(), shifts.left, request.bold);
        run.bulkTop = shifts.top;
        run.bold = request.bold;
        run.italic = request.italic;
        for (int copy = 0; copy < copiesOf(chosen); ++copy) {
            printer.submit(resultLabelDocument(labels, run));
        }
        return PrintOutcome::Printed;
    } catch (const RunError&) {
        return printerProblem(dialogs, printer);
    }
}

}  // namespace varnel
