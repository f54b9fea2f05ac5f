// The list window as a user drives it: searches typed on the window, the
// built list under its column headings, sorting by a heading, the Edit
// menu's working set, printing from it, opening a contact and closing.
#include "listing/gui/frmViewAll.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>

#include "listing/contact_builder.h"
#include "listing/gui/contact_list_model.h"
#include "listing/placements.h"
#include "support/fixed_clock.h"
#include "support/gui/find_control.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/scripted_window_host.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::ContactSpec;
using testing::Items;
using testing::makeContact;
using testing::printedRows;

std::string blanks(std::size_t n) { return std::string(n, ' '); }

// The three sample contacts' lines in the street display, first name first:
// what Copy puts on the clipboard, byte for byte.
const std::string kAlLine = "al Young\t2 Oak" + blanks(13) + "Apt 3\tCold Springs    \tCO\t29021" +
                            blanks(11) + "\t" + blanks(22) + "\t" + blanks(22);
const std::string kBeaLine = "Bea Moss\t3 Ash" + blanks(13) + "\tBoston          \tMA\t02108" +
                             blanks(11) + "\t" + blanks(22) + "\t" + blanks(22);
const std::string kZoeLine = "Zoe Q. Adams\t1 Elm" + blanks(13) + "\tSpringfield     \tCA\t90210" +
                             blanks(11) + "\t555-0100       \t" + blanks(22);

class ListWindow : public ::testing::Test {
protected:
    ListWindow() : ctx(dialogs, printer, clock, dir.path()) {
        ctx.contactPath = dir / "VRN_Contacts.DAT";
        ctx.contactTitle = "VRN_Contacts";
        ctx.contactFile.open(ctx.contactPath);
    }
    ~ListWindow() override {
        if (window) delete window.data();
    }

    void add(const ContactSpec& contact) { ctx.contactFile.appendRecord(makeContact(contact)); }
    void addSample() {
        add({.first = "Zoe",
             .mi = "Q",
             .last = "Adams",
             .street1 = "1 Elm",
             .city = "Springfield",
             .state = "CA",
             .zip = "90210",
             .home = "555-0100",
             .email = "zoe@x.org"});
        add({.first = "al",
             .last = "Young",
             .street1 = "2 Oak",
             .street2 = "Apt 3",
             .city = "Cold Springs",
             .state = "CO",
             .zip = "29021"});
        add({.first = "Bea",
             .last = "Moss",
             .street1 = "3 Ash",
             .city = "Boston",
             .state = "MA",
             .zip = "02108",
             .email = "bea@x.org"});
    }
    frmViewAll& open() {
        window = frmViewAll::open(ctx, host);
        return *window;
    }
    template <typename T>
    T* child(const char* name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QRadioButton* option(const char* name) { return child<QRadioButton>(name); }
    QLabel* label(const char* name) { return child<QLabel>(name); }
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    QAction* item(const char* name) { return child<QAction>(name); }
    QTableView* table() { return child<QTableView>("lstAllContacts"); }
    QAbstractItemModel* model() { return table()->model(); }

    // The rows as the table shows them: each cell's text.
    std::vector<std::vector<std::string>> cells() {
        std::vector<std::vector<std::string>> out;
        for (int r = 0; r < model()->rowCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < model()->columnCount(); ++c) {
                row.push_back(model()->index(r, c).data().toString().toStdString());
            }
            out.push_back(row);
        }
        return out;
    }
    std::vector<std::string> column(int c) {
        std::vector<std::string> out;
        for (const auto& row : cells()) out.push_back(row[static_cast<std::size_t>(c)]);
        return out;
    }
    std::vector<std::string> headings() {
        std::vector<std::string> out;
        for (int c = 0; c < model()->columnCount(); ++c) {
            out.push_back(model()->headerData(c, Qt::Horizontal).toString().toStdString());
        }
        return out;
    }
    int recordAt(int row) {
        return model()->index(row, 0).data(ContactListModel::RecordRole).toInt();
    }
    void select(std::initializer_list<int> rows) {
        for (int r : rows) {
            table()->selectionModel()->select(
                model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    void copyAll() {
        table()->setFocus();
        item("mnuVASelectAll")->trigger();
        item("mnuVACopy")->trigger();
    }
    void clickHeading(int section) {
        QHeaderView* h = table()->horizontalHeader();
        const QPoint at(h->sectionViewportPosition(section) + h->sectionSize(section) / 2,
                        h->height() / 2);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, h->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(h->viewport(), &e);
        }
    }
    void closeWindow() {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
    testing::FixedClock clock;
    testing::ScriptedWindowHost host;
    AppState ctx;
    QPointer<frmViewAll> window;
};

TEST_F(ListWindow, ControlsCarryTheirCaptions) {
    open();
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"optSearchFName", "First name"},
        {"optSearchLName", "Last name"},
        {"optSearchCity", "City"},
        {"optSearchState", "State"},
        {"optSearchZip", "Zip code"},
        {"optSearchEmail", "Email address"},
        {"optSearchCat", "Category"},
        {"optSearchAll", "View all contacts without searching"},
        {"optSearchCompany", "Company name"},
        {"optFnameSort", "Sort by first name"},
        {"optLnameSort", "Sort by last name"},
        {"optStreetAdd", "Show street address"},
        {"optEmailAdd", "Show email address"},
        {"cmdACGetReport", "Get report"},
        {"cmdPrintLabels", "Print labels"},
        {"cmdViewAllClose", "Close"},
        {"lblSearchFor", "Search For: "},
    };
    for (const auto& [name, caption] : captions) {
        auto* control = window->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        const QVariant text = control->property("text");
        EXPECT_EQ(text.toString().toStdString(), caption) << name;
    }
    EXPECT_EQ(child<QGroupBox>("frSearch")->title(), "Search");
    for (const char* name : {"mnuPrint", "mnuVACut", "mnuVACopy", "mnuVAPaste", "mnuVASelectAll",
                             "mnuVAManual", "mnuVAAbout"}) {
        EXPECT_NE(window->findChild<QAction*>(name), nullptr) << name;
    }
    EXPECT_EQ(button("cmdPrintLabels")->toolTip(), "Print a label for each contact in list");
    EXPECT_EQ(table()->toolTip(), "Double-click contact to view or edit details");
}

TEST_F(ListWindow, OpensInItsStartingState) {
    open();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain"}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "All Contacts  [VRN_Contacts]");
    EXPECT_TRUE(option("optSearchAll")->isChecked());
    EXPECT_TRUE(option("optFnameSort")->isChecked());
    EXPECT_TRUE(option("optStreetAdd")->isChecked());
    EXPECT_TRUE(child<QGroupBox>("frSearch")->isVisible());
    EXPECT_FALSE(box("txtSearchText")->isEnabled());
    EXPECT_TRUE(label("lblSearchDisplay")->isHidden());
    EXPECT_FALSE(button("cmdPrintLabels")->isEnabled());
    EXPECT_FALSE(item("mnuPrint")->isEnabled());
    EXPECT_TRUE(button("cmdACGetReport")->isEnabled());
    EXPECT_EQ(window->focusWidget(), button("cmdACGetReport"));
    EXPECT_EQ(headings(),
              (std::vector<std::string>{"Name", "Street", "City", "ST", "Zip", "Home", "Cell"}));
    EXPECT_TRUE(dialogs.log.empty());
    closeWindow();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "showMain"}));
}

TEST_F(ListWindow, CitySearchTypedOnTheWindowBuildsTheColumns) {
    addSample();
    open();
    option("optSearchCity")->click();
    // No prompt box: the search text is typed on the window.
    EXPECT_TRUE(dialogs.log.empty());
    QLineEdit* text = box("txtSearchText");
    EXPECT_TRUE(text->isEnabled());
    EXPECT_EQ(text->placeholderText(), "City Search");
    EXPECT_EQ(window->focusWidget(), text);
    text->setText("spr");
    EXPECT_EQ(label("lblSearchDisplay")->text(), "spr");
    EXPECT_FALSE(label("lblSearchDisplay")->isHidden());

    button("cmdACGetReport")->click();
    EXPECT_EQ(cells(), (std::vector<std::vector<std::string>>{
                           {"al Young", "2 Oak Apt 3", "Cold Springs", "CO", "29021", "", ""},
                           {"Zoe Q. Adams", "1 Elm", "Springfield", "CA", "90210", "555-0100", ""},
                       }));
    EXPECT_EQ(recordAt(0), 2);
    EXPECT_EQ(recordAt(1), 1);
    EXPECT_EQ(label("lblSearchDisplay")->text(), "City = spr");
    EXPECT_EQ(label("lblTotContacts")->text(), "Contacts Found = 2");
    EXPECT_TRUE(button("cmdPrintLabels")->isEnabled());
    EXPECT_TRUE(item("mnuPrint")->isEnabled());
    // The choices stay for the next search.
    EXPECT_TRUE(button("cmdACGetReport")->isEnabled());
    EXPECT_TRUE(child<QGroupBox>("frSearch")->isVisible());
    EXPECT_TRUE(child<QGroupBox>("frSortOrder")->isVisible());
    EXPECT_TRUE(child<QGroupBox>("frShowStreet")->isVisible());
    QLineEdit* header = box("txtViewAllHeader");
    EXPECT_EQ(header->text().toStdString(), listHeading(ListDisplay::Street));
    EXPECT_EQ(header->font().pointSize(), 12);
    EXPECT_TRUE(header->font().bold());
    EXPECT_EQ(window->focusWidget(), button("cmdViewAllClose"));
    EXPECT_TRUE(dialogs.log.empty());
}

// One window, one search after another: each "Get report" (or Enter in the
// search text) gives the new list.
TEST_F(ListWindow, SuccessiveSearchesOnOneWindow) {
    addSample();
    open();
    struct Search {
        const char* option;
        const char* text;
        bool lastNameFirst;
        bool email;
        std::vector<std::string> names;
        const char* description;  // nullptr: hidden
        std::vector<std::string> headings;
    };
    const std::vector<std::string> street = {"Name", "Street", "City", "ST", "Zip", "Home", "Cell"};
    const std::vector<std::string> email = {"Name", "City", "ST",           "Zip",
                                            "Home", "Cell", "Email Address"};
    const std::vector<Search> searches = {
        {"optSearchState", "MA", false, false, {"Bea Moss"}, "State = MA", street},
        {"optSearchZip", "902", false, false, {"al Young", "Zoe Q. Adams"}, "Zip = 902", street},
        // An empty search text lists every contact with something in the field.
        {"optSearchEmail", "", true, true, {"Adams, Zoe Q.", "Moss, Bea"}, "Email = ", email},
        {"optSearchAll",
         "",
         false,
         false,
         {"al Young", "Bea Moss", "Zoe Q. Adams"},
         nullptr,
         street},
    };
    for (const Search& s : searches) {
        option(s.option)->click();
        if (box("txtSearchText")->isEnabled()) box("txtSearchText")->setText(s.text);
        option(s.lastNameFirst ? "optLnameSort" : "optFnameSort")->click();
        option(s.email ? "optEmailAdd" : "optStreetAdd")->click();
        if (box("txtSearchText")->isEnabled()) {
            emit box("txtSearchText")->returnPressed();
        } else {
            button("cmdACGetReport")->click();
        }
        EXPECT_EQ(column(0), s.names) << s.option;
        EXPECT_EQ(headings(), s.headings) << s.option;
        EXPECT_EQ(label("lblTotContacts")->text().toStdString(),
                  "Contacts Found = " + std::to_string(s.names.size()));
        EXPECT_EQ(label("lblSearchDisplay")->isHidden(), s.description == nullptr) << s.option;
        if (s.description) {
            EXPECT_EQ(label("lblSearchDisplay")->text(), s.description);
        }
    }
    EXPECT_EQ(column(6), (std::vector<std::string>{"", "", ""}));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(ListWindow, NothingFoundShowsTheBox) {
    addSample();
    open();
    option("optSearchCity")->click();
    box("txtSearchText")->setText("Nowhere");
    button("cmdACGetReport")->click();
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Contact file empty.|No contacts found."}));
    EXPECT_EQ(label("lblTotContacts")->text(), "Contacts Found = 0");
    EXPECT_TRUE(button("cmdPrintLabels")->isEnabled());
    EXPECT_EQ(window->focusWidget(), button("cmdViewAllClose"));
    button("cmdACGetReport")->click();
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

TEST_F(ListWindow, EditMenuCopyCutPasteAndSelectAll) {
    addSample();
    open();
    button("cmdACGetReport")->click();
    table()->setFocus();
    select({0, 2});
    emit child<QMenu>("mnuVAEdit")->aboutToShow();
    EXPECT_TRUE(item("mnuVACopy")->isEnabled());
    item("mnuVACopy")->trigger();
    EXPECT_EQ(dialogs.clipboard, "\r\n" + kAlLine + "\r\n" + kZoeLine);
    EXPECT_EQ(model()->rowCount(), 3);

    item("mnuVACut")->trigger();
    EXPECT_EQ(dialogs.clipboard, "\r\n" + kAlLine + "\r\n" + kZoeLine);
    EXPECT_EQ(column(0), (std::vector<std::string>{"Bea Moss"}));

    item("mnuVAPaste")->trigger();
    EXPECT_EQ(column(0), (std::vector<std::string>{"", "al Young", "Bea Moss", "Zoe Q. Adams"}));
    for (int row : {0, 1, 3}) EXPECT_EQ(recordAt(row), 0);

    copyAll();
    EXPECT_EQ(dialogs.clipboard, "\r\n\r\n" + kAlLine + "\r\n" + kBeaLine + "\r\n" + kZoeLine);
    // Nothing selected copies the empty text.
    table()->clearSelection();
    item("mnuVACopy")->trigger();
    EXPECT_EQ(dialogs.clipboard, "");
}

TEST_F(ListWindow, EditMenuOnTheHeadingBox) {
    open();
    button("cmdACGetReport")->click();
    QLineEdit* header = box("txtViewAllHeader");
    QMenu* edit = child<QMenu>("mnuVAEdit");
    header->setFocus();
    header->deselect();
    emit edit->aboutToShow();
    EXPECT_FALSE(item("mnuVACut")->isEnabled());
    EXPECT_FALSE(item("mnuVACopy")->isEnabled());
    header->setSelection(0, 4);
    emit edit->aboutToShow();
    EXPECT_TRUE(item("mnuVACut")->isEnabled());
    item("mnuVACopy")->trigger();
    EXPECT_EQ(dialogs.clipboard, "Name");
    item("mnuVACut")->trigger();
    EXPECT_EQ(header->text().left(3), "   ");
    dialogs.clipboard = "Title";
    item("mnuVAPaste")->trigger();
    EXPECT_TRUE(header->text().startsWith("Title   "));
    EXPECT_EQ(model()->rowCount(), 0);
    item("mnuVASelectAll")->trigger();
    EXPECT_EQ(header->selectedText(), header->text());
}

TEST_F(ListWindow, CutOfAllLinesThenPrintLabels) {
    addSample();
    open();
    button("cmdACGetReport")->click();
    table()->setFocus();
    item("mnuVASelectAll")->trigger();
    item("mnuVACut")->trigger();
    EXPECT_EQ(model()->rowCount(), 0);
    button("cmdPrintLabels")->click();
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"No contacts found|Empty list, no labels to print."}));
    EXPECT_TRUE(printer.dialogs.empty());
    EXPECT_EQ(window->focusWidget(), button("cmdViewAllClose"));
}

TEST_F(ListWindow, PasteOfAnyTextNeverBreaksTheList) {
    addSample();
    open();
    button("cmdACGetReport")->click();
    std::string clip;
    for (int i = 0; i < 10000; ++i) clip += "pasted " + std::to_string(i) + "\tA\t\tB\r\n";
    clip += std::string(100000, 'x');
    dialogs.clipboard = clip;
    table()->setFocus();
    item("mnuVAPaste")->trigger();
    EXPECT_EQ(model()->rowCount(), 3 + 10001);
    // The labels skip the pasted lines.
    button("cmdPrintLabels")->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].placements.size(), 9u);
    // The report prints them all, row by row over many pages.
    item("mnuPrint")->trigger();
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_GT(printer.documents[1].pageCount, 100);
    EXPECT_TRUE(dialogs.log.empty());
    // A line with eight pieces has no column for the last one; the table shows
    // the rest of the line in its last column.
    dialogs.clipboard = "1\t2\t3\t4\t5\t6\t7\t8";
    item("mnuVAPaste")->trigger();
    EXPECT_EQ(cells()[0], (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7 8"}));
    item("mnuPrint")->trigger();
    EXPECT_EQ(
        dialogs.messages(),
        (std::vector<std::string>{"Printer error|A printer problem exists.  Check printer."}));
    EXPECT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(printer.aborts, 1);
}

TEST_F(ListWindow, PrintLabelsReadsTheLabelStyle) {
    addSample();
    ctx.labelStyle.bold = true;
    open();
    button("cmdACGetReport")->click();
    button("cmdPrintLabels")->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    auto rows = printedRows(printer.documents[0]);
    EXPECT_EQ(rows[0].items, (Items{{2, "al Young"}, {41, "Bea Moss"}, {78, "Zoe Q Adams"}}));
    EXPECT_TRUE(printer.documents[0].placements[0].font.bold);
    EXPECT_FALSE(printer.documents[0].placements[0].font.italic);
}

TEST_F(ListWindow, FilePrintReportsTheListAndItsSelection) {
    addSample();
    open();
    button("cmdACGetReport")->click();
    item("mnuPrint")->trigger();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_FALSE(printer.dialogs[0].selectionOffered);
    auto rows = printedRows(printer.documents[0]);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].items, (Items{{32, "Varnel"}}));
    EXPECT_EQ(rows[1].items, (Items{{60, "File: VRN_Contacts"}}));
    EXPECT_EQ(rows[2].items.back(), (std::pair<int, std::string>{127, "Cell"}));
    EXPECT_EQ(rows[3].items, (Items{{2, "al Young"},
                                    {30, "2 Oak" + blanks(13) + "Apt 3"},
                                    {66, "Cold Springs"},
                                    {88, "CO"},
                                    {94, "29021"}}));
    EXPECT_EQ(rows[4].items,
              (Items{{2, "Bea Moss"}, {30, "3 Ash"}, {66, "Boston"}, {88, "MA"}, {94, "02108"}}));
    EXPECT_EQ(rows[5].items, (Items{{2, "Zoe Q. Adams"},
                                    {30, "1 Elm"},
                                    {66, "Springfield"},
                                    {88, "CA"},
                                    {94, "90210"},
                                    {109, "555-0100"}}));

    table()->setFocus();
    select({1});
    printer.answerCopies(1, true);
    item("mnuPrint")->trigger();
    EXPECT_TRUE(printer.dialogs[1].selectionOffered);
    ASSERT_EQ(printer.documents.size(), 2u);
    rows = printedRows(printer.documents[1]);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].items[0].second, kBeaLine);
}

// The report follows the display the list was built with, not an option
// changed since.
TEST_F(ListWindow, ReportKeepsTheDisplayOfTheBuiltList) {
    addSample();
    open();
    button("cmdACGetReport")->click();
    option("optEmailAdd")->click();
    item("mnuPrint")->trigger();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printedRows(printer.documents[0])[2].items.back(),
              (std::pair<int, std::string>{127, "Cell"}));
    EXPECT_EQ(headings().back(), "Cell");
}

TEST_F(ListWindow, HeadingClicksSortTheListEverywhere) {
    addSample();
    open();
    window->resize(1000, 400);
    QApplication::processEvents();
    button("cmdACGetReport")->click();
    clickHeading(2);  // City
    EXPECT_EQ(column(2), (std::vector<std::string>{"Boston", "Cold Springs", "Springfield"}));
    clickHeading(2);
    EXPECT_EQ(column(2), (std::vector<std::string>{"Springfield", "Cold Springs", "Boston"}));
    EXPECT_EQ(recordAt(0), 1);
    // Copy, the report and the labels take the rows in the order shown.
    copyAll();
    EXPECT_EQ(dialogs.clipboard, "\r\n" + kZoeLine + "\r\n" + kAlLine + "\r\n" + kBeaLine);
    item("mnuPrint")->trigger();
    button("cmdPrintLabels")->click();
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(printedRows(printer.documents[0])[3].items.front().second, "Zoe Q. Adams");
    EXPECT_EQ(printedRows(printer.documents[1])[0].items,
              (Items{{2, "Zoe Q Adams"}, {46, "al Young"}, {89, "Bea Moss"}}));
    // A pasted line sorts in by the same column.
    dialogs.clipboard = "Cy\tx\tDenver";
    table()->setFocus();
    item("mnuVAPaste")->trigger();
    EXPECT_EQ(column(2),
              (std::vector<std::string>{"Springfield", "Denver", "Cold Springs", "Boston"}));
    // A new report starts again in the order of the whole lines.
    button("cmdACGetReport")->click();
    EXPECT_EQ(column(0), (std::vector<std::string>{"al Young", "Bea Moss", "Zoe Q. Adams"}));
    EXPECT_EQ(table()->horizontalHeader()->sortIndicatorSection(), -1);
}

TEST_F(ListWindow, DoubleClickOpensTheBrowserOnTheLineRecord) {
    addSample();
    open();
    button("cmdACGetReport")->click();
    emit table()->doubleClicked(model()->index(1, 3));  // "Bea Moss", record 3
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ctx.CurrentRecord, 3);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(ctx.contactFile.isOpen());
    EXPECT_TRUE(dialogs.log.empty());
    // The browser instead of the main window.
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "openWindow ContactBrowser"}));
}

TEST_F(ListWindow, DoubleClickIgnoresPastedLines) {
    open();
    dialogs.clipboard = "Somebody";
    table()->setFocus();
    item("mnuVAPaste")->trigger();
    emit table()->doubleClicked(model()->index(0, 0));
    EXPECT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ctx.CurrentRecord, 0);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain"}));
}

TEST_F(ListWindow, ContactFileShrunkBehindTheWindow) {
    addSample();
    open();
    button("cmdACGetReport")->click();
    ctx.contactFile.close();
    std::filesystem::resize_file(ctx.contactPath, 518);
    const QModelIndex bea = model()->index(1, 0);
    dialogs.queueAnswer(Answer::Retry);
    emit table()->doubleClicked(bea);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{
                                      "Error|An error has occurred. Error number 63 -- Bad record "
                                      "number.  Try again, or notify author."}));
    EXPECT_EQ(dialogs.log[0].buttons, Buttons::RetryCancel);
    EXPECT_EQ(dialogs.log[0].icon, Icon::Critical);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(model()->rowCount(), 3);
    EXPECT_EQ(ctx.CurrentRecord, 0);

    // Labels skip the record that is gone and print the one still there.
    button("cmdPrintLabels")->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printedRows(printer.documents[0])[0].items, (Items{{2, "Zoe Q Adams"}}));

    dialogs.queueAnswer(Answer::Cancel);
    emit table()->doubleClicked(bea);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "showMain"}));
}

TEST_F(ListWindow, GetReportWithoutAnOpenFile) {
    ctx.contactFile.close();
    open();
    dialogs.queueAnswer(Answer::Retry);
    button("cmdACGetReport")->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(
        dialogs.messages()[0],
        "Error|An error has occurred. Error number 52 -- Bad file name or number.  Try again, "
        "or notify author.");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(button("cmdPrintLabels")->isEnabled());
    dialogs.queueAnswer(Answer::Cancel);
    button("cmdACGetReport")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "showMain"}));
}

TEST_F(ListWindow, CloseShowsTheMainWindowAndClearsLabelStyles) {
    addSample();
    ctx.labelStyle = {true, true};
    open();
    button("cmdACGetReport")->click();
    button("cmdViewAllClose")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(ctx.labelStyle.bold);
    EXPECT_FALSE(ctx.labelStyle.italic);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "showMain", "stateChanged"}));
}

TEST_F(ListWindow, CloseBoxKeepsLabelStylesAndAnEndingProgramStaysHidden) {
    ctx.labelStyle.bold = true;
    open();
    closeWindow();
    EXPECT_TRUE(ctx.labelStyle.bold);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "showMain"}));

    host.calls.clear();
    open();
    host.endingNow = true;
    closeWindow();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain"}));
}

// On screen each piece starts at the left of its column, under its heading.
TEST_F(ListWindow, PiecesAreDrawnUnderTheirHeadings) {
    open();
    option("optEmailAdd")->click();
    button("cmdACGetReport")->click();
    dialogs.clipboard = "I\tI\tI";
    table()->setFocus();
    item("mnuVAPaste")->trigger();
    window->resize(1200, 400);
    table()->clearSelection();
    QApplication::processEvents();
    const QImage image = table()->viewport()->grab().toImage();
    const QRect row = table()->visualRect(model()->index(0, 0));
    // Left edges of the dark runs along the row.
    std::vector<int> starts;
    bool inInk = false;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = row.top(); y <= row.bottom() && y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) ink = true;
        }
        if (ink && !inInk) starts.push_back(x);
        inInk = ink;
    }
    ASSERT_EQ(starts.size(), 3u);
    QHeaderView* h = table()->horizontalHeader();
    for (int c = 0; c < 3; ++c) {
        const int left = h->sectionViewportPosition(c);
        EXPECT_GE(starts[static_cast<std::size_t>(c)], left) << c;
        EXPECT_LT(starts[static_cast<std::size_t>(c)], left + 12) << c;
    }
}

TEST_F(ListWindow, HelpAsksTheHost) {
    open();
    item("mnuVAManual")->trigger();
    item("mnuVAAbout")->trigger();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hideMain", "openManual", "openAbout"}));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace varnel
