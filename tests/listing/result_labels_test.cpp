#include "listing/result_labels.h"

#include <gtest/gtest.h>

#include "listing/contact_builder.h"
#include "listing/placements.h"
#include "printing/font_metrics.h"
#include "printing/page_geometry.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::ContactSpec;
using testing::Items;
using testing::makeContact;
using testing::PrintedRow;
using testing::printedRows;

const double r9 = rowHeight(FontSpec{"Verdana", 9});
const double r8 = rowHeight(FontSpec{"Verdana", 8});
const double r7 = rowHeight(FontSpec{"Verdana", 7});
const double r11 = rowHeight(FontSpec{"Verdana", 11});

ResultLabel label(const std::string& n, const std::string& company = "") {
    return ResultLabel{"Name " + n, company, "Street " + n, "City " + n, !company.empty()};
}

std::vector<ResultLabel> labels(int count) {
    std::vector<ResultLabel> out;
    for (int i = 1; i <= count; ++i) out.push_back(label(std::to_string(i)));
    return out;
}

ResultLabelRun plainRun() { return ResultLabelRun{}; }

TEST(ResultLabelContent, LinesFromTheRecord) {
    ResultLabel l = resultLabelOf(makeContact({.first = " John ",
                                               .mi = "J",
                                               .last = "Smith",
                                               .street1 = "12 Elm St",
                                               .city = "Springfield",
                                               .state = "IL",
                                               .zip = "62701",
                                               .company = "Acme",
                                               .includeCompany = "1"}));
    EXPECT_EQ(l.name, "John J Smith");
    EXPECT_EQ(l.street, "12 Elm St ");
    EXPECT_EQ(l.city, "Springfield, IL  62701");
    EXPECT_EQ(l.company, "Acme");
    EXPECT_TRUE(l.hasCompany);

    ResultLabel noMi = resultLabelOf(
        makeContact({.first = "Ann", .last = "Lee", .street1 = "1 Main", .street2 = "Apt 2"}));
    EXPECT_EQ(noMi.name, "Ann Lee");
    EXPECT_EQ(noMi.street, "1 Main Apt 2");
    EXPECT_FALSE(noMi.hasCompany);
}

TEST(ResultLabelContent, CompanyOnlyWithFlagOne) {
    EXPECT_FALSE(resultLabelOf(makeContact({.company = "Acme", .includeCompany = "0"})).hasCompany);
    EXPECT_FALSE(resultLabelOf(makeContact({.company = "", .includeCompany = "1"})).hasCompany);
    // Neither "0" nor "1": treated as no company line.
    EXPECT_FALSE(resultLabelOf(makeContact({.company = "Acme", .includeCompany = "Y"})).hasCompany);
    EXPECT_FALSE(resultLabelOf(makeContact({.company = "Acme", .includeCompany = ""})).hasCompany);
}

TEST(ResultLabelColumns, PrinterFamilyBoldAndShift) {
    auto cols = [](const std::string& device, std::int16_t left, bool bold) {
        ResultLabelColumns c = resultLabelColumns(device, left, bold);
        return std::vector<int>{c.first, c.second, c.third};
    };
    EXPECT_EQ(cols("Generic PDF", 0, false), (std::vector<int>{2, 46, 89}));
    EXPECT_EQ(cols("Generic PDF", 0, true), (std::vector<int>{2, 41, 78}));
    EXPECT_EQ(cols("HP Officejet Pro 8600", 0, false), (std::vector<int>{4, 48, 91}));
    EXPECT_EQ(cols("HP ENVY 5000", 0, true), (std::vector<int>{4, 43, 80}));
    EXPECT_EQ(cols("HP Photosmart C4280", 0, false), (std::vector<int>{4, 48, 91}));
    // The DeskJet names and other cases are not this printout's family.
    EXPECT_EQ(cols("HP DeskJet 640C/642C/648C", 0, false), (std::vector<int>{2, 46, 89}));
    EXPECT_EQ(cols("hp officejet", 0, false), (std::vector<int>{2, 46, 89}));
    EXPECT_EQ(cols("Generic", 3, false), (std::vector<int>{5, 49, 92}));
    EXPECT_EQ(cols("Generic", -2, true), (std::vector<int>{0, 39, 76}));
}

TEST(ResultLabelRun, OneContactIsAPartialBandWithoutEmptyLines) {
    Document doc = resultLabelDocument(labels(1), plainRun());
    std::vector<PrintedRow> rows = printedRows(doc);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].row, 4);
    EXPECT_NEAR(rows[0].y, 4 * r9, 1e-9);
    EXPECT_EQ(rows[0].items, (Items{{2, "Name 1"}}));
    EXPECT_EQ(rows[1].items, (Items{{2, "Street 1"}}));
    EXPECT_EQ(rows[2].items, (Items{{2, "City 1"}}));
    EXPECT_EQ(doc.pageCount, 1);
    EXPECT_EQ(doc.orientation, Orientation::Portrait);
    for (const Placement& p : doc.placements) {
        EXPECT_EQ(p.font, (FontSpec{"Verdana", 9, false, false}));
    }
}

TEST(ResultLabelRun, FourContactsAreAFullBandThenOneLabel) {
    std::vector<PrintedRow> rows = printedRows(resultLabelDocument(labels(4), plainRun()));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].items, (Items{{2, "Name 1"}, {46, "Name 2"}, {89, "Name 3"}}));
    EXPECT_EQ(rows[1].items, (Items{{2, "Street 1"}, {46, "Street 2"}, {89, "Street 3"}}));
    EXPECT_EQ(rows[2].items, (Items{{2, "City 1"}, {46, "City 2"}, {89, "City 3"}}));
    // Without a company: 3 rows of 9 pt, 1 of 11 pt, 3 of 7 pt.
    EXPECT_NEAR(rows[3].y, 4 * r9 + 3 * r9 + r11 + 3 * r7, 1e-9);
    EXPECT_EQ(rows[3].items, (Items{{2, "Name 4"}}));
    EXPECT_EQ(rows[4].items, (Items{{2, "Street 4"}}));
    EXPECT_EQ(rows[5].items, (Items{{2, "City 4"}}));
}

TEST(ResultLabelRun, TwoLeftOverLabelsShareThePartialBand) {
    std::vector<PrintedRow> rows = printedRows(resultLabelDocument(labels(5), plainRun()));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[3].items, (Items{{2, "Name 4"}, {46, "Name 5"}}));
    EXPECT_EQ(rows[5].items, (Items{{2, "City 4"}, {46, "City 5"}}));
}

TEST(ResultLabelRun, MiddleCompanyBand) {
    std::vector<ResultLabel> run = {label("1"), label("2", "Acme"), label("3"), label("4")};
    std::vector<PrintedRow> rows = printedRows(resultLabelDocument(run, plainRun()));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].items, (Items{{2, "Name 1"}, {46, "Name 2"}, {89, "Name 3"}}));
    EXPECT_EQ(rows[1].items, (Items{{2, "Street 1"}, {46, "Acme"}, {89, "Street 3"}}));
    EXPECT_EQ(rows[2].items, (Items{{2, "City 1"}, {46, "Street 2"}, {89, "City 3"}}));
    EXPECT_EQ(rows[3].items, (Items{{46, "City 2"}}));
    // With a company: 4 rows of 9 pt then 3 of 8 pt.
    EXPECT_NEAR(rows[4].y, 4 * r9 + 4 * r9 + 3 * r8, 1e-9);
    EXPECT_EQ(rows[4].items, (Items{{2, "Name 4"}}));
}

TEST(ResultLabelRun, PartialBandPutsTheCompanyAboveTheName) {
    std::vector<ResultLabel> run = {label("1", "Acme"), label("2")};
    std::vector<PrintedRow> rows = printedRows(resultLabelDocument(run, plainRun()));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].items, (Items{{2, "Acme"}, {46, "Name 2"}}));
    EXPECT_EQ(rows[1].items, (Items{{2, "Name 1"}, {46, "Street 2"}}));
    EXPECT_EQ(rows[2].items, (Items{{2, "Street 1"}, {46, "City 2"}}));
    EXPECT_EQ(rows[3].items, (Items{{2, "City 1"}}));
}

TEST(ResultLabelRun, ThirtyOneContactsStartPageTwoAtTheTopMargin) {
    Document doc = resultLabelDocument(labels(31), plainRun());
    std::vector<PrintedRow> rows = printedRows(doc);
    int bandsOnFirst = 0;
    for (const PrintedRow& r : rows) {
        if (r.page == 0 && r.items.size() == 3 && r.items[0].second.starts_with("Name"))
            ++bandsOnFirst;
    }
    EXPECT_EQ(bandsOnFirst, 10);
    EXPECT_EQ(doc.pageCount, 2);
    const PrintedRow& last = rows[rows.size() - 3];
    EXPECT_EQ(last.page, 1);
    EXPECT_EQ(last.row, 4);
    EXPECT_NEAR(last.y, 4 * r9, 1e-9);
    EXPECT_EQ(last.items, (Items{{2, "Name 31"}}));
}

TEST(ResultLabelRun, ThirtyContactsLeaveNoEmptyPageCounted) {
    Document doc = resultLabelDocument(labels(30), plainRun());
    EXPECT_EQ(doc.pageCount, 1);
    EXPECT_EQ(printedRows(doc).size(), 30u);
}

TEST(ResultLabelRun, BulkTopShiftsTheFirstBand) {
    auto firstY = [](std::int16_t top) {
        ResultLabelRun run;
        run.bulkTop = top;
        return printedRows(resultLabelDocument(labels(1), run)).front().row;
    };
    EXPECT_EQ(firstY(0), 4);
    EXPECT_EQ(firstY(3), 4);
    EXPECT_EQ(firstY(-2), 2);
    EXPECT_EQ(firstY(2), 6);
    EXPECT_EQ(firstY(-3), 4);
    EXPECT_EQ(firstY(-1), 3);
}

TEST(ResultLabelRun, BoldAndItalicFontsWithBoldColumns) {
    ResultLabelRun run;
    run.bold = true;
    run.italic = true;
    run.columns = resultLabelColumns("Generic", 0, true);
    Document doc = resultLabelDocument(labels(3), run);
    std::vector<PrintedRow> rows = printedRows(doc);
    EXPECT_EQ(rows[0].items, (Items{{2, "Name 1"}, {41, "Name 2"}, {78, "Name 3"}}));
    const double col = columnWidth(FontSpec{"Verdana", 9, true, true});
    // Tab 78 of the bold font falls just left of the third label: its texts
    // start 1/16 in inside that label instead.
    const double thirdLabel = 3.0 / 16 * 72 + 2 * 2.75 * 72 + kLabelInset - kPrintableOffsetX;
    for (const Placement& p : doc.placements) {
        EXPECT_TRUE(p.font.bold && p.font.italic);
        const double tab = (p.column - 1) * col;
        EXPECT_NEAR(p.x, p.column == 78 ? thirdLabel : tab, 1e-9) << p.text;
    }
}

TEST(ResultLabelRun, ALongStreetIsCondensedAndTheNextLabelKeepsItsRow) {
    ResultLabel longStreet = label("1");
    longStreet.street = std::string(30, 'W') + " " + "Suite 1234567890";
    const Document doc = resultLabelDocument({longStreet, label("2"), label("3")}, plainRun());
    std::vector<PrintedRow> rows = printedRows(doc);
    ASSERT_EQ(rows.size(), 3u);
    // Condensed as far as it stays readable, then cut; the next label's
    // street stays on the same row.
    ASSERT_EQ(rows[1].items.size(), 3u);
    EXPECT_TRUE(longStreet.street.starts_with(rows[1].items[0].second));
    EXPECT_LT(rows[1].items[0].second.size(), longStreet.street.size());
    EXPECT_EQ(rows[1].items[1], (std::pair<int, std::string>{46, "Street 2"}));
    EXPECT_EQ(rows[1].items[2], (std::pair<int, std::string>{89, "Street 3"}));
    EXPECT_EQ(rows[2].items, (Items{{2, "City 1"}, {46, "City 2"}, {89, "City 3"}}));
    ASSERT_EQ(doc.cuts.size(), 1u);
    EXPECT_EQ(doc.cuts[0].label, 1);
    EXPECT_EQ(doc.cuts[0].text, longStreet.street);
}

// Avery 5160 on Letter: 2 5/8 x 1 in labels, 3/16 in left and 1/2 in top
// margin, 2 3/4 in across, 1 in down. Placements are in points from the
// printable area, which starts at the reference offset on the paper.
// The bold third column (Tab 78) starts 0.08 pt before the third label's left
// edge at the PDF offset: allow half a point there, far below the die-cut
// tolerance of a sheet. Every other edge is strict.
constexpr double kEdgeSlack = 0.5;

struct LabelBox {
    double left, top, right, bottom;
};
LabelBox avery5160(int position) {
    const int row = (position - 1) / 3;
    const int col = (position - 1) % 3;
    const double left = 13.5 + col * 198.0;
    const double top = 36.0 + row * 72.0;
    return {left, top, left + 189.0, top + 72.0};
}

void expectInsideLabels(const Document& doc, const std::vector<ResultLabel>& run,
                        const std::string& what) {
    // Every text of the run is unique: find its label by the text.
    for (const Placement& p : doc.placements) {
        int index = -1;
        for (std::size_t i = 0; i < run.size(); ++i) {
            const ResultLabel& l = run[i];
            if (p.text == l.name || p.text == l.street || p.text == l.city ||
                (l.hasCompany && p.text == l.company)) {
                index = static_cast<int>(i);
            }
        }
        ASSERT_GE(index, 0) << p.text;
        const int position = index % 30 + 1;
        EXPECT_EQ(p.page, index / 30) << what << " " << p.text;
        const LabelBox box = avery5160(position);
        const double left = p.x + kPrintableOffsetX;
        const double top = p.y + kPrintableOffsetY;
        EXPECT_GE(left, box.left - kEdgeSlack) << what << " label " << position << " " << p.text;
        EXPECT_LE(left + p.width, box.right) << what << " label " << position << " " << p.text;
        EXPECT_GE(top, box.top) << what << " label " << position << " " << p.text;
        EXPECT_LE(top + p.height, box.bottom) << what << " label " << position << " " << p.text;
    }
}

std::vector<ResultLabel> realisticRun(int count, bool companies) {
    std::vector<ResultLabel> run;
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        ResultLabel l{
            "Margaret Q Richardson" + n, "Northwind Traders " + n, n + " Sycamore Ridge Rd Apt 4",
            "Springfield, IL  627" + std::string(i < 10 ? "0" : "") + n, companies && i % 2 == 1};
        run.push_back(l);
    }
    return run;
}

TEST(ResultLabelFidelity, EveryBandOfASheetLiesInsideItsAvery5160Label) {
    for (bool bold : {false, true}) {
        for (bool companies : {false, true}) {
            ResultLabelRun run;
            run.bold = bold;
            run.columns = resultLabelColumns("Generic PDF", 0, bold);
            std::vector<ResultLabel> sheet = realisticRun(30, companies);
            if (companies) {
                for (ResultLabel& l : sheet) l.hasCompany = true;  // the tallest bands
            }
            expectInsideLabels(resultLabelDocument(sheet, run), sheet,
                               std::string(bold ? "bold" : "regular") +
                                   (companies ? " with companies" : " without companies"));
            std::vector<ResultLabel> mixed = realisticRun(30, true);
            expectInsideLabels(resultLabelDocument(mixed, run), mixed, "mixed");
        }
    }
}

TEST(ResultLabelFidelity, ThirtyFirstLabelStartsTheSecondSheetAtLabelOne) {
    std::vector<ResultLabel> run = realisticRun(31, true);
    Document doc = resultLabelDocument(run, ResultLabelRun{});
    expectInsideLabels(doc, run, "31 labels");
    EXPECT_EQ(doc.placements.back().page, 1);
}

class ResultLabelCommand : public ::testing::Test {
protected:
    ResultLabelCommand() { file.open(dir / "c.DAT"); }

    void addContacts(int n) {
        for (int i = 1; i <= n; ++i) {
            file.appendRecord(makeContact({.first = "First" + std::to_string(i),
                                           .last = "Last",
                                           .street1 = "1 Main",
                                           .city = "Town",
                                           .state = "NY",
                                           .zip = "10001"}));
            list.add(ListLine{"line " + std::to_string(i), i});
        }
    }
    PrintOutcome print(bool bold = false, bool italic = false) {
        return printSearchResultLabels({list, file, dir.path(), bold, italic, PrintMode::Print, ""},
                                       dialogs, printer);
    }
    void writeMargins(const std::string& bytes) {
        testing::writeFileBytes(dir / "VRNPARAM.TXT", bytes);
    }

    testing::TempDir dir;
    ContactFile file;
    ContactList list;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
};

TEST_F(ResultLabelCommand, EmptyListShowsTheBoxAndNoDialog) {
    EXPECT_EQ(print(), PrintOutcome::Refused);
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"No contacts found|Empty list, no labels to print."}));
    EXPECT_TRUE(printer.dialogs.empty());
    // The margin file was read first, and created because it was missing.
    EXPECT_TRUE(std::filesystem::exists(dir / "VRNPARAM.TXT"));
    EXPECT_EQ(printer.aborts, 0);
}

TEST_F(ResultLabelCommand, PastedLinesAreSkipped) {
    list.add(pastedLines("\r\nSomebody\tPasted"));
    EXPECT_EQ(print(), PrintOutcome::Refused);
    addContacts(2);
    EXPECT_EQ(print(), PrintOutcome::Printed);
    ASSERT_EQ(printer.documents.size(), 1u);
    std::vector<PrintedRow> rows = printedRows(printer.documents[0]);
    EXPECT_EQ(rows[0].items, (Items{{2, "First1 Last"}, {46, "First2 Last"}}));
}

TEST_F(ResultLabelCommand, LinesInListOrderOneDocumentPerCopy) {
    addContacts(2);
    list.removeAt({0, 1});
    list.add({{"b", 1}, {"a", 2}});
    printer.answerCopies(2);
    EXPECT_EQ(print(), PrintOutcome::Printed);
    ASSERT_EQ(printer.documents.size(), 2u);
    for (const Document& doc : printer.documents) {
        EXPECT_EQ(printedRows(doc)[0].items, (Items{{2, "First2 Last"}, {46, "First1 Last"}}));
    }
    ASSERT_EQ(printer.dialogs.size(), 1u);
    EXPECT_TRUE(printer.dialogs[0].printToFileDisabled);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(ResultLabelCommand, CancelPrintsNothingSilently) {
    addContacts(1);
    printer.answerCancel();
    EXPECT_EQ(print(), PrintOutcome::Cancelled);
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(ResultLabelCommand, ShiftsComeFromTheLastBulkListRecord) {
    addContacts(1);
    writeMargins("ONTHEFLY|5  |1  \r\nBULKLIST|1  |1  \r\nBULKLIST|3  |-1 \r\n");
    printer.device = "HP ENVY 6000";
    EXPECT_EQ(print(true), PrintOutcome::Printed);
    std::vector<PrintedRow> rows = printedRows(printer.documents.at(0));
    EXPECT_EQ(rows[0].row, 3);
    EXPECT_EQ(rows[0].items, (Items{{7, "First1 Last"}}));
}

TEST_F(ResultLabelCommand, FailuresAbortAndShowThePrinterBox) {
    addContacts(1);
    writeMargins("BULKLIST|x  |0  \r\n");
    EXPECT_EQ(print(), PrintOutcome::Failed);
    writeMargins("BULKLIST|0  |0  \r\n");
    printer.failWith = RunError::PrinterError;
    EXPECT_EQ(print(), PrintOutcome::Failed);
    file.close();
    printer.failWith = 0;
    EXPECT_EQ(print(), PrintOutcome::Failed);
    EXPECT_EQ(printer.aborts, 3);
    std::vector<std::string> box(3, "Printer error|A printer problem exists.  Check printer.");
    EXPECT_EQ(dialogs.messages(), box);
    EXPECT_EQ(dialogs.log[0].icon, Icon::Warning);
    EXPECT_TRUE(printer.documents.empty());
}

}  // namespace
}  // namespace varnel
