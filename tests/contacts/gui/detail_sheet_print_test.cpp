// The detail sheet as the browser starts it: today's date from the clock in
// the system's short format, "Selection" from the focused text box only.
#include "contacts/gui/detail_sheet_print.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "listing/placements.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"

namespace varnel {
namespace {

using testing::Items;
using testing::printedRows;

class DetailSheetPrint : public ::testing::Test {
protected:
    DetailSheetPrint() : ctx(dialogs, printer, clock, ".") {
        values.first = "Ann";
        values.last = "Lee";
    }
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
    testing::FixedClock clock{Date{2026, 12, 7}};
    AppState ctx;
    DetailValues values;
};

TEST_F(DetailSheetPrint, DatedTodayInTheShortFormat) {
    const std::string expected =
        QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat).toStdString();
    EXPECT_EQ(systemShortDate(clock.today()), expected);
    EXPECT_EQ(printDetailSheetOf(values, nullptr, {}, ctx), PrintOutcome::Printed);
    ASSERT_EQ(printer.documents.size(), 1u);
    bool found = false;
    for (const auto& row : printedRows(printer.documents[0])) {
        if (row.items == Items{{35, "Date of report:"}, {51, expected}}) found = true;
    }
    EXPECT_TRUE(found);
}

TEST_F(DetailSheetPrint, SelectionComesFromTheFocusedTextBox) {
    QLineEdit notes;
    notes.setText("plays golf on Sundays");
    notes.setSelection(6, 4);
    QPushButton button;
    printer.answerCopies(1, true);
    EXPECT_EQ(printDetailSheetOf(values, &button, {&notes}, ctx), PrintOutcome::Refused);
    EXPECT_TRUE(printer.documents.empty());
    printer.answerCopies(1, true);
    EXPECT_EQ(printDetailSheetOf(values, &notes, {&notes}, ctx), PrintOutcome::Printed);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printedRows(printer.documents[0]).at(0).items, (Items{{1, "golf"}}));
    // A line edit that is not one of the text boxes does not count.
    QLineEdit other;
    printer.answerCopies(1, true);
    EXPECT_EQ(printDetailSheetOf(values, &other, {&notes}, ctx), PrintOutcome::Refused);
}

}  // namespace
}  // namespace varnel
