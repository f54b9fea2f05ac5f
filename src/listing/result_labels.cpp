#include "listing/result_labels.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "contacts/address_lines.h"
#include "printing/font_metrics.h"
#include "printing/label_stock.h"
#include "printing/margin_file.h"
#include "printing/page_geometry.h"
#include "printing/print_flow.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace varnel {

namespace {

constexpr int kLabelsPerSheet = 30;

int topMarginLines(std::int16_t bulkTop) { return bulkTop >= -2 && bulkTop <= 2 ? bulkTop + 4 : 4; }

void topMargin(TextPage& page, std::int16_t bulkTop) {
    for (int i = 0; i < topMarginLines(bulkTop); ++i) page.newLine();
}

// The first column on a printer outside the HP family, with no shift.
constexpr int kPlainFirstColumn = 2;

// Where a band's labels stand: the position on the sheet of its first label.
struct Band {
    std::array<const ResultLabel*, 3> labels{};
    int firstPosition = 1;  // 1, 4, ..., 28
};

// A label's text keeps inside its own label and ends before the next
// label's column, so the next Tab never has to wrap to another row.
void fenceIntoLabel(TextPage& page, const std::array<int, 3>& columns, std::size_t i,
                    int position) {
    // The first column's move from 2 (the HP family's and BulkLeft) is where
    // this printer puts the labels.
    const RectPt label = labelRect(kAvery5160, position)
                             .moved((columns[0] - kPlainFirstColumn) * columnWidth(page.font()), 0);
    double right = label.right() - kLabelInset - kPrintableOffsetX;
    if (i + 1 < columns.size()) {
        const double nextTab = (std::max(columns[i + 1], 1) - 1) * columnWidth(page.font());
        right = std::min(right, nextTab);
    }
    page.setRoom(label.x + kLabelInset - kPrintableOffsetX, right, position);
}

// One printed row of a band: Tab(column); text for each label in it.
void bandRow(TextPage& page, const ResultLabelColumns& c, const std::array<std::string, 3>& texts,
             int labels, int firstPosition) {
    const std::array<int, 3> columns = {c.first, c.second, c.third};
    for (std::size_t i = 0; i < static_cast<std::size_t>(labels); ++i) {
        page.tab(columns[i]);
        fenceIntoLabel(page, columns, i, firstPosition + static_cast<int>(i));
        if (!texts[i].empty()) page.text(texts[i]);
    }
    page.clearRoom();
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
                 const std::array<std::vector<std::string>, 3>& lines, int labels, std::size_t rows,
                 int firstPosition) {
    for (std::size_t k = 0; k < rows; ++k) {
        std::array<std::string, 3> texts;
        for (std::size_t j = 0; j < static_cast<std::size_t>(labels); ++j) {
            if (k < lines[j].size()) texts[j] = lines[j][k];
        }
        bandRow(page, columns, texts, labels, firstPosition);
    }
}

void fullBand(TextPage& page, const ResultLabelColumns& columns, const Band& b) {
    const auto& band = b.labels;
    page.setSize(9);
    bandRow(page, columns, {band[0]->name, band[1]->name, band[2]->name}, 3, b.firstPosition);
    std::array<std::vector<std::string>, 3> rest;
    bool anyCompany = false;
    for (std::size_t j = 0; j < 3; ++j) {
        rest[j] = linesOf(*band[j], false);
        anyCompany = anyCompany || band[j]->hasCompany;
    }
    if (anyCompany) {
        rowsOfLines(page, columns, rest, 3, 3, b.firstPosition);
        page.setSize(8);
        for (int i = 0; i < 3; ++i) page.newLine();
    } else {
        rowsOfLines(page, columns, rest, 3, 2, b.firstPosition);
        page.setSize(11);
        page.newLine();
        page.setSize(7);
        for (int i = 0; i < 3; ++i) page.newLine();
    }
    page.setSize(9);
}

void partialBand(TextPage& page, const ResultLabelColumns& columns, const Band& b, int labels) {
    page.setSize(9);
    std::array<std::vector<std::string>, 3> lines;
    std::size_t rows = 0;
    for (std::size_t j = 0; j < static_cast<std::size_t>(labels); ++j) {
        lines[j] = linesOf(*b.labels[j], true);
        rows = std::max(rows, lines[j].size());
    }
    rowsOfLines(page, columns, lines, labels, rows, b.firstPosition);
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
    label.name = nameLine(record.get(Field::FirstName), record.get(Field::MI),
                          record.get(Field::LastName), MissingInitial::OneBlank);
    label.company = record.get(Field::Company);
    label.street = record.get(Field::Street1) + " " + record.get(Field::Street2);
    label.city =
        cityLine(record.get(Field::City), record.get(Field::State), record.get(Field::Zip));
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
    Band band;
    int slot = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (slot == 0) band.firstPosition = static_cast<int>(i % kLabelsPerSheet) + 1;
        band.labels[static_cast<std::size_t>(slot++)] = &labels[i];
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
    Document doc = page.finish();
    doc.stock = sheetStock(kAvery5160);
    return doc;
}

std::vector<ResultLabel> listedLabels(const ContactList& list, const ContactFile& contacts) {
    // The listed records in file order, each with its place in the list.
    std::vector<std::pair<std::int32_t, std::size_t>> wanted;
    wanted.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].record > 0) wanted.emplace_back(list[i].record, i);
    }
    if (wanted.empty()) return {};
    std::sort(wanted.begin(), wanted.end());
    const std::int32_t count = contacts.recordCount();
    std::vector<std::optional<ResultLabel>> byLine(list.size());
    auto fill = [&](std::size_t& next, std::int32_t k, const ContactRecord& record) {
        const ResultLabel label = resultLabelOf(record);
        for (; next < wanted.size() && wanted[next].first == k; ++next)
            byLine[wanted[next].second] = label;
    };
    std::size_t next = 0;
    if (wanted.size() * 8 >= static_cast<std::size_t>(count)) {
        // Most of the file: one pass in large buffers.
        contacts.forEach([&](std::int32_t k, const ContactRecord& record) {
            if (next < wanted.size() && wanted[next].first == k) fill(next, k, record);
        });
    } else {
        // A few records of a large file: only those, in file order.
        while (next < wanted.size() && wanted[next].first <= count) {
            const std::int32_t k = wanted[next].first;
            fill(next, k, contacts.readRecord(k));
        }
    }
    std::vector<ResultLabel> labels;
    labels.reserve(wanted.size());
    for (std::optional<ResultLabel>& label : byLine) {
        if (label) labels.push_back(std::move(*label));
    }
    return labels;
}

PrintOutcome printSearchResultLabels(const ResultLabelRequest& request, Dialogs& dialogs,
                                     Printer& printer) {
    try {
        const MarginShifts shifts =
            readMarginShifts(request.programFolder, marginKey(MarginKind::SearchResult));
        const std::vector<ResultLabel> labels = listedLabels(request.list, request.contacts);
        if (labels.empty()) {
            dialogs.message("No contacts found", "Empty list, no labels to print.");
            return PrintOutcome::Refused;
        }
        const auto document = [&] {
            ResultLabelRun run;
            run.columns = resultLabelColumns(printer.deviceName(), shifts.left, request.bold);
            run.bulkTop = shifts.top;
            run.bold = request.bold;
            run.italic = request.italic;
            Document doc = resultLabelDocument(labels, run);
            doc.title = documentTitle("Search-result labels", request.fileTitle);
            return doc;
        };
        if (request.mode == PrintMode::Preview && !previewAccepted(document(), dialogs, printer))
            return PrintOutcome::Cancelled;

        PrintDialogOptions options;
        options.printToFileDisabled = true;
        const PrintDialogResult chosen = printer.showPrintDialog(options);
        if (chosen.cancelled) return PrintOutcome::Cancelled;

        // Every copy is the same document on the printer chosen in the dialog.
        const Document doc = document();
        if (!cutLinesAccepted(doc, dialogs)) return PrintOutcome::Cancelled;
        for (int copy = 0; copy < copiesOf(chosen); ++copy) submitCalibrated(doc, dialogs, printer);
        return PrintOutcome::Printed;
    } catch (const RunError&) {
        return printerProblem(dialogs, printer);
    }
}

}  // namespace varnel
