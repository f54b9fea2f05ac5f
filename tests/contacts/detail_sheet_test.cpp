#include "contacts/detail_sheet.h"

#include <gtest/gtest.h>

#include "listing/placements.h"
#include "printing/font_metrics.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::Items;
using testing::PrintedRow;
using testing::printedRows;

DetailValues sample() {
    DetailValues v;
    v.first = " John ";
    v.mi = "J";
    v.last = "Smith";
    v.street1 = "12 Elm St";
    v.street2 = "Apt 4";
    v.city = "Springfield";
    v.state = "IL";
    v.zip = "62701";
    v.country = "USA";
    v.birthdate = "04/23/1965";
    v.home = "555-1234";
    v.cell = "555-9876";
    v.work = "555-0000";
    v.email = "john@example.com";
    v.category = "Family";
    v.notes = "Likes golf";
    v.company = "Acme";
    return v;
}

std::map<int, Items> byRow(const Document& doc) {
    std::map<int, Items> rows;
    for (const PrintedRow& r : printedRows(doc)) rows[r.row] = r.items;
    return rows;
}

TEST(DetailSheet, ThirtyTwoStepsInPlace) {
    Document doc = detailSheetDocument(sample(), "5/5/2026");
    EXPECT_EQ(doc.orientation, Orientation::Portrait);
    EXPECT_EQ(doc.pageCount, 1);
    const std::string rule(70, '_');
    std::map<int, Items> expected = {
        {3, {{22, "Varnel"}}},
        {5, {{27, "Contact Details"}}},
        {9, {{35, "Date of report:"}, {51, "5/5/2026"}}},
        {11, {{8, rule}}},
        {14, {{8, "John J Smith"}}},
        {16, {{8, "12 Elm St  Apt 4"}}},
        {18, {{8, "Springfield, IL  62701"}}},
        {21, {{8, "Company Name:"}, {24, "Acme"}}},
        {24, {{8, "Country:"}, {18, "USA"}, {40, "Birthdate:"}, {52, "04/23/1965"}}},
        {27,
         {{8, "Home Phone:"},
          {21, "555-1234"},
          {37, "Cell:"},
          {44, "555-9876"},
          {60, "Work:"},
          {67, "555-0000"}}},
        {30, {{8, "Email Address:"}, {24, "john@example.com"}}},
        {33, {{8, "Category:"}, {19, "Family"}}},
        {37, {{8, "Notes:"}, {16, "Likes golf"}}},
        {42, {{8, rule}}},
    };
    EXPECT_EQ(byRow(doc), expected);
}

TEST(DetailSheet, SizesAndRowHeights) {
    Document doc = detailSheetDocument(sample(), "d");
    auto sizeOf = [&](const std::string& text) {
        for (const Placement& p : doc.placements) {
            if (p.text == text) return p;
        }
        return Placement{};
    };
    EXPECT_EQ(sizeOf("Varnel").font, (FontSpec{"Courier New", 16, false, false}));
    EXPECT_EQ(sizeOf("Contact Details").font.size, 14);
    EXPECT_EQ(sizeOf("Date of report:").font.size, 10);
    EXPECT_EQ(sizeOf("Acme").font.size, 12);
    const double r12 = rowHeight(FontSpec{"Courier New", 12});
    const double r16 = rowHeight(FontSpec{"Courier New", 16});
    const double r14 = rowHeight(FontSpec{"Courier New", 14});
    EXPECT_NEAR(sizeOf("Varnel").y, 3 * r12, 1e-9);
    EXPECT_NEAR(sizeOf("Contact Details").y, 3 * r12 + 2 * r16, 1e-9);
    EXPECT_NEAR(sizeOf("Date of report:").y, 3 * r12 + 2 * r16 + 4 * r14, 1e-9);
    // Courier columns are 7.2 pt at 12 pt.
    EXPECT_NEAR(sizeOf("Acme").x, 23 * 7.2, 1e-9);
}

TEST(DetailSheet, NameWithoutInitialHasTwoBlanks) {
    DetailValues v = sample();
    v.mi = "";
    EXPECT_EQ(byRow(detailSheetDocument(v, "d"))[14], (Items{{8, "John  Smith"}}));
}

TEST(DetailSheet, NotesAndCategorySlices) {
    DetailValues v = sample();
    std::string notes;
    for (int i = 0; i < 160; ++i) notes += static_cast<char>('a' + i % 26);
    std::string category;
    for (int i = 0; i < 80; ++i) category += static_cast<char>('A' + i % 26);
    v.notes = notes;
    v.category = category;
    std::map<int, Items> rows = byRow(detailSheetDocument(v, "d"));
    EXPECT_EQ(rows[33], (Items{{8, "Category:"}, {19, category.substr(0, 61)}}));
    EXPECT_EQ(rows[34], (Items{{19, category.substr(61, 19)}}));
    EXPECT_EQ(rows[37], (Items{{8, "Notes:"}, {16, notes.substr(0, 61)}}));
    EXPECT_EQ(rows[38], (Items{{15, notes.substr(61, 53)}}));
    EXPECT_EQ(rows[39], (Items{{15, notes.substr(114, 46)}}));
    // Short fields still take their continuation rows: the rule stays on row 42.
    EXPECT_EQ(rows[42].front().first, 8);
}

TEST(DetailSheet, CommandCopiesSelectionAndFailures) {
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
    DetailSheetRequest request{sample(), "5/5/2026", false, "", "", PrintMode::Print};
    request.values.last = "Smythe";  // an edit not yet saved
    printer.answerCopies(2);
    EXPECT_EQ(printDetailSheet(request, dialogs, printer), PrintOutcome::Printed);
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(byRow(printer.documents[1])[14], (Items{{8, "John J Smythe"}}));

    printer.answerCopies(2, true);
    EXPECT_EQ(printDetailSheet(request, dialogs, printer), PrintOutcome::Refused);
    EXPECT_EQ(printer.documents.size(), 2u);
    request.focusOnTextBox = true;
    request.selectedText = "golf";
    printer.answerCopies(2, true);
    printDetailSheet(request, dialogs, printer);
    ASSERT_EQ(printer.documents.size(), 3u);
    EXPECT_EQ(byRow(printer.documents[2]), (std::map<int, Items>{{1, {{1, "golf"}}}}));
    EXPECT_EQ(printer.documents[2].placements[0].font, (FontSpec{"Courier New", 12, false, false}));

    printer.answerCancel();
    EXPECT_EQ(printDetailSheet(request, dialogs, printer), PrintOutcome::Cancelled);
    EXPECT_TRUE(dialogs.log.empty());
    printer.failWith = RunError::PrinterError;
    request.focusOnTextBox = false;
    EXPECT_EQ(printDetailSheet(request, dialogs, printer), PrintOutcome::Failed);
    EXPECT_EQ(
        dialogs.messages(),
        (std::vector<std::string>{"Printer error.|A printer problem exists.  Check printer."}));
    EXPECT_EQ(printer.aborts, 1);
}

}  // namespace
}  // namespace varnel
