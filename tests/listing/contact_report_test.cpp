#include "listing/contact_report.h"

#include <gtest/gtest.h>

#include "listing/contact_builder.h"
#include "listing/placements.h"
#include "printing/font_metrics.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::Items;
using testing::makeContact;
using testing::PrintedRow;
using testing::printedRows;

std::string streetLine(const std::string& first, const std::string& home = "555-1234") {
    ListQuery q;
    return listLineText(makeContact({.first = first,
                                     .last = "Smith",
                                     .street1 = "12 Elm St",
                                     .city = "Springfield",
                                     .state = "IL",
                                     .zip = "62701",
                                     .home = home,
                                     .cell = "(217) 555"}),
                        q);
}

TEST(ContactReport, PageEstimateRoundsHalvesToEven) {
    EXPECT_EQ(reportPageEstimate(0), 1);
    EXPECT_EQ(reportPageEstimate(26), 1);
    EXPECT_EQ(reportPageEstimate(27), 2);
    EXPECT_EQ(reportPageEstimate(81), 2);
    EXPECT_EQ(reportPageEstimate(82), 3);
    EXPECT_EQ(reportPageEstimate(135), 4);
}

TEST(ContactReport, EmptyListPrintsTitleFileAndHeadings) {
    Document doc = reportDocument({}, ListDisplay::Street, "VRN_Contacts");
    EXPECT_EQ(doc.orientation, Orientation::Landscape);
    EXPECT_EQ(doc.pageCount, 1);
    std::vector<PrintedRow> rows = printedRows(doc);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].row, 1);
    EXPECT_EQ(rows[0].items, (Items{{32, "Varnel"}}));
    EXPECT_EQ(doc.placements[0].font, (FontSpec{"Verdana", 18, false, false}));
    EXPECT_EQ(rows[1].row, 3);
    EXPECT_EQ(rows[1].items, (Items{{60, "File: VRN_Contacts"}}));
    EXPECT_EQ(rows[2].row, 5);
    EXPECT_EQ(rows[2].items, (Items{{2, "Name"},
                                    {30, "Street"},
                                    {66, "City"},
                                    {88, "ST"},
                                    {94, "Zip"},
                                    {109, "Home"},
                                    {127, "Cell"}}));
    EXPECT_EQ(doc.placements.back().font, (FontSpec{"Verdana", 10, false, false}));
    const double r10 = rowHeight(FontSpec{"Verdana", 10});
    EXPECT_NEAR(rows[1].y, r10 + rowHeight(FontSpec{"Verdana", 18}) + r10, 1e-9);
}

TEST(ContactReport, EmailHeadings) {
    std::vector<PrintedRow> rows = printedRows(reportDocument({}, ListDisplay::Email, "x"));
    EXPECT_EQ(rows[2].items, (Items{{2, "Name"},
                                    {40, "City"},
                                    {58, "ST"},
                                    {62, "Zip"},
                                    {76, "Home"},
                                    {92, "Cell"},
                                    {110, "Email Address"}}));
}

TEST(ContactReport, RowsSplitAtTabsWithTrimmedPieces) {
    std::vector<PrintedRow> rows =
        printedRows(reportDocument({streetLine("John")}, ListDisplay::Street, "f"));
    ASSERT_EQ(rows.size(), 4u);
    // The ZIP piece loses its six blanks, the blank cell piece prints nothing.
    EXPECT_EQ(rows[3].items, (Items{{2, "John Smith"},
                                    {30, "12 Elm St"},
                                    {66, "Springfield"},
                                    {88, "IL"},
                                    {94, "62701"},
                                    {109, "555-1234"}}));
}

TEST(ContactReport, BlankPhonePiecesKeepLaterColumns) {
    ListQuery q;
    q.display = ListDisplay::Email;
    std::string line = listLineText(makeContact({.first = "Ann",
                                                 .city = "Austin",
                                                 .state = "TX",
                                                 .zip = "78701",
                                                 .email = "ann@example.com"}),
                                    q);
    std::vector<PrintedRow> rows = printedRows(reportDocument({line}, ListDisplay::Email, "f"));
    EXPECT_EQ(
        rows[3].items,
        (Items{{2, "Ann"}, {40, "Austin"}, {58, "TX"}, {62, "78701"}, {110, "ann@example.com"}}));
}

TEST(ContactReport, EmptyPieceEndsTheRowAndLongPiecesWrap) {
    std::string longName(60, 'M');
    std::vector<PrintedRow> rows = printedRows(
        reportDocument({"A\tB\t\tD", "", longName + "\tNext"}, ListDisplay::Street, "f"));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[3].items, (Items{{2, "A"}, {30, "B"}}));
    // The empty pasted line is an empty row: the next line is two rows down.
    EXPECT_EQ(rows[4].row, rows[3].row + 2);
    EXPECT_EQ(rows[4].items, (Items{{2, longName}}));
    EXPECT_EQ(rows[5].row, rows[4].row + 1);
    EXPECT_EQ(rows[5].items, (Items{{30, "Next"}}));
}

TEST(ContactReport, LongReportsFlowOntoMorePages) {
    std::vector<std::string> lines(200, streetLine("Jo"));
    Document doc = reportDocument(lines, ListDisplay::Street, "f");
    EXPECT_GE(doc.pageCount, 4);
    const double r10 = rowHeight(FontSpec{"Verdana", 10});
    for (const Placement& p : doc.placements) {
        EXPECT_LE(p.y + r10, 612.0 - 4.0 + 1e-6);
    }
    // Headings only once.
    int headings = 0;
    for (const Placement& p : doc.placements) headings += p.text == "Street";
    EXPECT_EQ(headings, 1);
}

TEST(ContactReport, MoreThanSevenPiecesIsARunError) {
    EXPECT_THROW(reportDocument({"1\t2\t3\t4\t5\t6\t7\t8"}, ListDisplay::Street, "f"), RunError);
    // A trailing tab gives an empty eighth piece, which ends the row cleanly.
    EXPECT_NO_THROW(reportDocument({"1\t2\t3\t4\t5\t6\t7\t"}, ListDisplay::Street, "f"));
}

class ReportCommand : public ::testing::Test {
protected:
    ReportCommand() {
        list.add({{streetLine("Cy"), 3}, {streetLine("Al"), 1}, {streetLine("Bo"), 2}});
    }
    PrintOutcome print() {
        ReportRequest r{list,          selected, ListDisplay::Street, headerSelection,
                        focusOnHeader, "Book"};
        return printContactReport(r, dialogs, printer);
    }
    ContactList list;
    std::vector<std::size_t> selected;
    std::string headerSelection;
    bool focusOnHeader = false;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
};

TEST_F(ReportCommand, DialogRangeAndSelectionChoice) {
    print();
    ASSERT_EQ(printer.dialogs.size(), 1u);
    EXPECT_EQ(printer.dialogs[0].minPage, 1);
    EXPECT_EQ(printer.dialogs[0].maxPage, 1);
    EXPECT_EQ(printer.dialogs[0].toPage, 1);
    EXPECT_FALSE(printer.dialogs[0].selectionOffered);
    EXPECT_FALSE(printer.dialogs[0].printToFileDisabled);
    selected = {1};
    print();
    EXPECT_TRUE(printer.dialogs[1].selectionOffered);
    EXPECT_TRUE(printer.dialogs[1].printToFileDisabled);
    selected.clear();
    headerSelection = "Street";
    print();
    EXPECT_TRUE(printer.dialogs[2].selectionOffered);
}

TEST_F(ReportCommand, TwoCopiesAreTwoWholeDocuments) {
    printer.answerCopies(2);
    EXPECT_EQ(print(), PrintOutcome::Printed);
    ASSERT_EQ(printer.documents.size(), 2u);
    for (const Document& doc : printer.documents) {
        std::vector<PrintedRow> rows = printedRows(doc);
        ASSERT_EQ(rows.size(), 6u);
        EXPECT_EQ(rows[0].items, (Items{{32, "Varnel"}}));
        EXPECT_EQ(rows[1].items, (Items{{60, "File: Book"}}));
        EXPECT_EQ(rows[3].items.front().second, "Al Smith");
        EXPECT_EQ(rows[5].items.front().second, "Cy Smith");
    }
}

TEST_F(ReportCommand, SelectionPrintsChosenLinesWhole) {
    selected = {2, 0};
    printer.answerCopies(3, true);
    EXPECT_EQ(print(), PrintOutcome::Printed);
    ASSERT_EQ(printer.documents.size(), 1u);
    std::vector<PrintedRow> rows = printedRows(printer.documents[0]);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].row, 1);
    EXPECT_EQ(rows[0].items, (Items{{1, list[0].text}}));
    EXPECT_EQ(rows[1].items, (Items{{1, list[2].text}}));
    EXPECT_NE(rows[0].items[0].second.find('\t'), std::string::npos);
    EXPECT_EQ(printer.documents[0].orientation, Orientation::Landscape);
}

TEST_F(ReportCommand, SelectionFromTheHeadingBox) {
    selected = {0};
    headerSelection = "Street";
    focusOnHeader = true;
    printer.answerCopies(1, true);
    print();
    std::vector<PrintedRow> rows = printedRows(printer.documents.at(0));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].items, (Items{{1, "Street"}}));
}

TEST_F(ReportCommand, CancelAndFailures) {
    printer.answerCancel();
    EXPECT_EQ(print(), PrintOutcome::Cancelled);
    EXPECT_TRUE(dialogs.log.empty());
    list.add(ListLine{"1\t2\t3\t4\t5\t6\t7\t8\t9", 0});
    EXPECT_EQ(print(), PrintOutcome::Failed);
    EXPECT_EQ(printer.aborts, 1);
    EXPECT_EQ(
        dialogs.messages(),
        (std::vector<std::string>{"Printer error|A printer problem exists.  Check printer."}));
    EXPECT_TRUE(printer.documents.empty());
}

}  // namespace
}  // namespace varnel
