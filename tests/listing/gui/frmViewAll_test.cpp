// The list window as a user drives it: searches, the built list, the Edit
// menu's working set, printing from it, opening a contact and closing.
#include "listing/gui/frmViewAll.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPointer>

#include "app/gui/frmVarnel.h"
#include "contacts/gui/frmEdDelViewContact.h"
#include "listing/contact_builder.h"
#include "listing/gui/contact_list_model.h"
#include "listing/placements.h"
#include "support/fixed_clock.h"
#include "support/gui/find_control.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::ContactSpec;
using testing::Items;
using testing::makeContact;
using testing::printedRows;
using testing::ShownBox;

class ListWindow : public ::testing::Test {
protected:
    ListWindow() : ctx(dialogs, printer, clock, dir.path()) {
        main = std::make_unique<frmVarnel>(ctx);
        main->Form_Load();
        dialogs.log.clear();
    }

    template <typename T>
    T* mainControl(const char* name) {
        return testing::find<T>(main.get(), name);
    }
    ~ListWindow() override {
        if (window) delete window.data();
        main.reset();
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
             .email = "zoe@x.org"});
        add({.first = "al",
             .last = "Young",
             .street1 = "2 Oak",
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
        window = frmViewAll::open(ctx, *main);
        return *window;
    }
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        for (const ListLine& l : window->model().list().lines()) out.push_back(l.text);
        return out;
    }
    std::vector<std::string> firstWords() {
        std::vector<std::string> out;
        for (const std::string& l : lines()) out.push_back(l.substr(0, l.find(' ')));
        return out;
    }
    void select(std::initializer_list<int> rows) {
        for (int r : rows) {
            window->lstAllContacts->selectionModel()->select(window->model().index(r),
                                                             QItemSelectionModel::Select);
        }
    }
    void focusList() { window->lstAllContacts->setFocus(); }
    void closeWindow() {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
    testing::FixedClock clock;
    AppState ctx;
    std::unique_ptr<frmVarnel> main;
    QPointer<frmViewAll> window;
};

TEST_F(ListWindow, BothMenuItemsOpenTheWindowInItsStartingState) {
    for (QAction* item :
         {mainControl<QAction>("mnuViewAll"), mainControl<QAction>("mnuSrchContacts")}) {
        main->show();
        item->trigger();
        frmViewAll* found = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* v = qobject_cast<frmViewAll*>(w); v && v->isVisible()) found = v;
        }
        ASSERT_NE(found, nullptr);
        window = found;
        EXPECT_FALSE(main->isVisible());
        EXPECT_EQ(found->windowTitle(), "All Contacts  [VRN_Contacts]");
        EXPECT_TRUE(found->optSearchAll->isChecked());
        EXPECT_TRUE(found->optFnameSort->isChecked());
        EXPECT_TRUE(found->optStreetAdd->isChecked());
        EXPECT_TRUE(found->frSearch->isVisible());
        EXPECT_TRUE(found->lblSearchDisplay->isHidden());
        EXPECT_FALSE(found->cmdPrintLabels->isEnabled());
        EXPECT_EQ(found->cmdPrintLabels->toolTip(), "Print a label for each contact in list");
        EXPECT_FALSE(found->mnuPrint->isEnabled());
        EXPECT_TRUE(found->cmdACGetReport->isEnabled());
        EXPECT_EQ(found->focusWidget(), found->cmdACGetReport);
        EXPECT_EQ(found->SearchKind, 7);
        EXPECT_TRUE(dialogs.log.empty());
        closeWindow();
        EXPECT_TRUE(window.isNull());
        EXPECT_TRUE(main->isVisible());
    }
}

TEST_F(ListWindow, CitySearchBuildsSortedLinesWithRecordNumbers) {
    addSample();
    frmViewAll& w = open();
    dialogs.queueInput("spr");
    w.optSearch[2]->click();
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].kind, ShownBox::Input);
    EXPECT_EQ(dialogs.log[0].title, "City Search");
    EXPECT_EQ(dialogs.log[0].text, "Search For: ");
    EXPECT_EQ(dialogs.log[0].preset, "");
    EXPECT_EQ(w.lblSearchDisplay->text(), "spr");
    EXPECT_FALSE(w.lblSearchDisplay->isHidden());
    EXPECT_EQ(w.SearchKind, 2);

    w.cmdACGetReport->click();
    EXPECT_EQ(firstWords(), (std::vector<std::string>{"al", "Zoe"}));
    EXPECT_EQ(w.model().data(w.model().index(0), ContactListModel::RecordRole).toInt(), 2);
    EXPECT_EQ(w.model().data(w.model().index(1), ContactListModel::RecordRole).toInt(), 1);
    EXPECT_EQ(lines()[1].substr(0, 15), "Zoe Q. Adams\t1 ");
    EXPECT_EQ(w.lblSearchDisplay->text(), "City = spr");
    EXPECT_EQ(w.lblTotContacts->text(), "Contacts Found = 2");
    EXPECT_FALSE(w.cmdACGetReport->isEnabled());
    EXPECT_TRUE(w.cmdPrintLabels->isEnabled());
    EXPECT_TRUE(w.mnuPrint->isEnabled());
    EXPECT_TRUE(w.frSearch->isHidden());
    EXPECT_TRUE(w.frSortOrder->isHidden());
    EXPECT_TRUE(w.frShowStreet->isHidden());
    EXPECT_EQ(w.txtViewAllHeader->text().toStdString(), listHeading(ListDisplay::Street));
    EXPECT_EQ(w.txtViewAllHeader->font().pointSize(), 12);
    EXPECT_TRUE(w.txtViewAllHeader->font().bold());
    EXPECT_EQ(w.focusWidget(), w.cmdViewAllClose);
    EXPECT_EQ(dialogs.messages().size(), 0u);
}

TEST_F(ListWindow, CancelledPromptAndLastNameOrderWithEmailDisplay) {
    addSample();
    frmViewAll& w = open();
    w.optSearch[5]->click();  // Email, prompt cancelled
    EXPECT_EQ(w.SearchText, "");
    w.optLnameSort->click();
    EXPECT_EQ(w.NameOrder, 1);
    w.optEmailAdd->setChecked(true);
    w.cmdACGetReport->click();
    EXPECT_EQ(firstWords(), (std::vector<std::string>{"Adams,", "Moss,"}));
    EXPECT_EQ(w.lblSearchDisplay->text(), "Email = ");
    EXPECT_EQ(w.txtViewAllHeader->text().toStdString(), listHeading(ListDisplay::Email));
    EXPECT_NE(lines()[0].find("\tzoe@x.org"), std::string::npos);
}

TEST_F(ListWindow, ViewAllThenChoosingAgainHidesTheSearchText) {
    addSample();
    frmViewAll& w = open();
    dialogs.queueInput("Bea");
    w.optSearch[0]->click();
    w.optSearchAll->click();
    EXPECT_TRUE(w.lblSearchDisplay->isHidden());
    w.cmdACGetReport->click();
    EXPECT_EQ(w.model().rowCount(), 3);
    EXPECT_TRUE(w.lblSearchDisplay->isHidden());
    EXPECT_EQ(w.lblTotContacts->text(), "Contacts Found = 3");
}

TEST_F(ListWindow, NothingFoundShowsTheBoxAndKeepsGetReport) {
    addSample();
    frmViewAll& w = open();
    dialogs.queueInput("Nowhere");
    w.optSearch[2]->click();
    w.cmdACGetReport->click();
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Contact file empty.|No contacts found."}));
    EXPECT_EQ(w.lblTotContacts->text(), "Contacts Found = 0");
    EXPECT_TRUE(w.cmdACGetReport->isEnabled());
    EXPECT_TRUE(w.cmdPrintLabels->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.cmdViewAllClose);
    // Pressing it again repeats the same search.
    w.cmdACGetReport->click();
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

TEST_F(ListWindow, EditMenuCopyCutPasteAndSelectAll) {
    addSample();
    frmViewAll& w = open();
    w.cmdACGetReport->click();
    const std::vector<std::string> built = lines();
    focusList();
    select({0, 2});
    w.mnuVAEdit_Click();
    EXPECT_TRUE(w.mnuVACopy->isEnabled());
    w.mnuVACopy->trigger();
    EXPECT_EQ(dialogs.clipboard, "\r\n" + built[0] + "\r\n" + built[2]);
    EXPECT_EQ(w.model().rowCount(), 3);

    w.mnuVACut->trigger();
    EXPECT_EQ(dialogs.clipboard, "\r\n" + built[0] + "\r\n" + built[2]);
    EXPECT_EQ(lines(), (std::vector<std::string>{built[1]}));

    w.mnuVAPaste->trigger();
    EXPECT_EQ(lines(), (std::vector<std::string>{"", built[0], built[1], built[2]}));
    for (int row : {0, 1, 3}) {
        EXPECT_EQ(w.model().data(w.model().index(row), ContactListModel::RecordRole).toInt(), 0);
    }

    w.mnuVASelectAll->trigger();
    w.mnuVACopy->trigger();
    EXPECT_EQ(dialogs.clipboard, "\r\n\r\n" + built[0] + "\r\n" + built[1] + "\r\n" + built[2]);
    // Nothing selected copies the empty text.
    w.lstAllContacts->clearSelection();
    w.mnuVACopy->trigger();
    EXPECT_EQ(dialogs.clipboard, "");
}

TEST_F(ListWindow, EditMenuOnTheHeadingBox) {
    frmViewAll& w = open();
    w.cmdACGetReport->click();
    w.txtViewAllHeader->setFocus();
    w.txtViewAllHeader->deselect();
    w.mnuVAEdit_Click();
    EXPECT_FALSE(w.mnuVACut->isEnabled());
    EXPECT_FALSE(w.mnuVACopy->isEnabled());
    w.txtViewAllHeader->setSelection(0, 4);
    w.mnuVAEdit_Click();
    EXPECT_TRUE(w.mnuVACut->isEnabled());
    w.mnuVACopy->trigger();
    EXPECT_EQ(dialogs.clipboard, "Name");
    w.mnuVACut->trigger();
    EXPECT_EQ(w.txtViewAllHeader->text().left(3), "   ");
    dialogs.clipboard = "Title";
    w.mnuVAPaste->trigger();
    EXPECT_TRUE(w.txtViewAllHeader->text().startsWith("Title   "));
    EXPECT_EQ(w.model().rowCount(), 0);
    w.mnuVASelectAll->trigger();
    EXPECT_EQ(w.txtViewAllHeader->selectedText(), w.txtViewAllHeader->text());
}

TEST_F(ListWindow, CutOfAllLinesThenPrintLabels) {
    addSample();
    frmViewAll& w = open();
    w.cmdACGetReport->click();
    focusList();
    w.mnuVASelectAll->trigger();
    w.mnuVACut->trigger();
    EXPECT_EQ(w.model().rowCount(), 0);
    w.cmdPrintLabels->click();
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"No contacts found|Empty list, no labels to print."}));
    EXPECT_TRUE(printer.dialogs.empty());
    EXPECT_EQ(w.focusWidget(), w.cmdViewAllClose);
}

TEST_F(ListWindow, PasteOfAnyTextNeverBreaksTheList) {
    addSample();
    frmViewAll& w = open();
    w.cmdACGetReport->click();
    std::string clip;
    for (int i = 0; i < 10000; ++i) clip += "pasted " + std::to_string(i) + "\tA\t\tB\r\n";
    clip += std::string(100000, 'x');
    dialogs.clipboard = clip;
    focusList();
    w.mnuVAPaste->trigger();
    EXPECT_EQ(w.model().rowCount(), 3 + 10001);
    // The labels skip the pasted lines.
    w.cmdPrintLabels->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].placements.size(), 9u);
    // The report prints them all, row by row over many pages.
    w.mnuPrint->trigger();
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_GT(printer.documents[1].pageCount, 100);
    EXPECT_TRUE(dialogs.log.empty());
    // A line with eight pieces has no column for the last one.
    dialogs.clipboard = "1\t2\t3\t4\t5\t6\t7\t8";
    w.mnuVAPaste->trigger();
    w.mnuPrint->trigger();
    EXPECT_EQ(
        dialogs.messages(),
        (std::vector<std::string>{"Printer error|A printer problem exists.  Check printer."}));
    EXPECT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(printer.aborts, 1);
}

TEST_F(ListWindow, PrintLabelsReadsBoldFromTheMainWindow) {
    addSample();
    mainControl<QCheckBox>("chkLblBold")->setChecked(true);
    frmViewAll& w = open();
    w.cmdACGetReport->click();
    w.cmdPrintLabels->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    auto rows = printedRows(printer.documents[0]);
    EXPECT_EQ(rows[0].items, (Items{{2, "al Young"}, {41, "Bea Moss"}, {78, "Zoe Q Adams"}}));
    EXPECT_TRUE(printer.documents[0].placements[0].font.bold);
}

TEST_F(ListWindow, FilePrintReportsTheListAndItsSelection) {
    addSample();
    frmViewAll& w = open();
    w.cmdACGetReport->click();
    w.mnuPrint->trigger();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_FALSE(printer.dialogs[0].selectionOffered);
    auto rows = printedRows(printer.documents[0]);
    EXPECT_EQ(rows[1].items, (Items{{60, "File: VRN_Contacts"}}));
    EXPECT_EQ(rows[3].items.front(), (std::pair<int, std::string>{2, "al Young"}));

    focusList();
    select({1});
    printer.answerCopies(1, true);
    w.mnuPrint->trigger();
    EXPECT_TRUE(printer.dialogs[1].selectionOffered);
    ASSERT_EQ(printer.documents.size(), 2u);
    rows = printedRows(printer.documents[1]);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].items[0].second, lines()[1]);
}

frmEdDelViewContact* visibleBrowser() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* b = qobject_cast<frmEdDelViewContact*>(w); b && b->isVisible()) return b;
    }
    return nullptr;
}

TEST_F(ListWindow, DoubleClickOpensTheBrowserOnTheLineRecord) {
    addSample();
    frmViewAll& w = open();
    w.cmdACGetReport->click();
    const QModelIndex bea = w.model().index(1);  // "Bea Moss", record 3
    w.lstAllContacts_DblClick(bea);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ctx.CurrentRecord, 3);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(ctx.contactFile.isOpen());
    EXPECT_TRUE(dialogs.log.empty());
    // The browser shows the contact, ready to edit; the main window stays hidden.
    QPointer<frmEdDelViewContact> browser = visibleBrowser();
    ASSERT_FALSE(browser.isNull());
    auto* first = browser->findChild<QLineEdit*>("txtACFName");
    auto* last = browser->findChild<QLineEdit*>("txtACLName");
    EXPECT_EQ(first->text(), "Bea");
    EXPECT_EQ(last->text(), "Moss");
    EXPECT_TRUE(first->isEnabled());
    EXPECT_TRUE(browser->findChild<QPushButton*>("cmdSave")->isEnabled());
    EXPECT_FALSE(main->isVisible());

    // File > Print on the browser: the detail sheet of the boxes, unsaved edits included.
    last->setText("Mossman");
    browser->findChild<QAction*>("mnuEDVPrint")->trigger();
    ASSERT_EQ(printer.documents.size(), 1u);
    bool named = false;
    for (const auto& row : printedRows(printer.documents[0])) {
        if (row.items == Items{{8, "Bea  Mossman"}}) named = true;
    }
    EXPECT_TRUE(named);
    EXPECT_EQ(ctx.contactFile.readRecord(3).get(Field::LastName), "Moss");

    dialogs.queueAnswer(Answer::No);  // closing asks to save the edit
    browser->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(ctx.CurrentRecord, 0);
}

TEST_F(ListWindow, DoubleClickIgnoresPastedLines) {
    frmViewAll& w = open();
    dialogs.clipboard = "Somebody";
    focusList();
    w.mnuVAPaste->trigger();
    w.lstAllContacts_DblClick(w.model().index(0));
    EXPECT_FALSE(window.isNull());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(ctx.CurrentRecord, 0);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(ListWindow, ContactFileShrunkBehindTheWindow) {
    addSample();
    frmViewAll& w = open();
    w.cmdACGetReport->click();
    ctx.contactFile.close();
    std::filesystem::resize_file(dir / "VRN_Contacts.DAT", 518);
    const QModelIndex bea = w.model().index(1);
    dialogs.queueAnswer(Answer::Retry);
    w.lstAllContacts_DblClick(bea);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{
                                      "Error|An error has occurred. Error number 63 -- Bad record "
                                      "number.  Try again, or notify author."}));
    EXPECT_EQ(dialogs.log[0].buttons, Buttons::RetryCancel);
    EXPECT_EQ(dialogs.log[0].icon, Icon::Critical);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.model().rowCount(), 3);
    EXPECT_EQ(ctx.CurrentRecord, 0);

    // Labels skip the record that is gone and print the one still there.
    w.cmdPrintLabels->click();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printedRows(printer.documents[0])[0].items, (Items{{2, "Zoe Q Adams"}}));

    dialogs.queueAnswer(Answer::Cancel);
    w.lstAllContacts_DblClick(bea);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(ListWindow, GetReportWithoutAnOpenFile) {
    main->mnuFileClose_Click();
    frmViewAll& w = open();
    dialogs.queueAnswer(Answer::Retry);
    w.cmdACGetReport->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(
        dialogs.messages()[0],
        "Error|An error has occurred. Error number 52 -- Bad file name or number.  Try again, "
        "or notify author.");
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.cmdPrintLabels->isEnabled());
    dialogs.queueAnswer(Answer::Cancel);
    w.cmdACGetReport->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(ListWindow, CloseShowsTheMainWindowAndClearsLabelStyles) {
    addSample();
    mainControl<QCheckBox>("chkLblBold")->setChecked(true);
    mainControl<QCheckBox>("chkLblItalic")->setChecked(true);
    frmViewAll& w = open();
    w.cmdACGetReport->click();
    w.cmdViewAllClose->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(mainControl<QCheckBox>("chkLblBold")->isChecked());
    EXPECT_FALSE(mainControl<QCheckBox>("chkLblItalic")->isChecked());
    EXPECT_EQ(main->focusWidget(), mainControl<QLineEdit>("txtVRLine1"));
}

TEST_F(ListWindow, CloseBoxKeepsLabelStyles) {
    mainControl<QCheckBox>("chkLblBold")->setChecked(true);
    open();
    closeWindow();
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(mainControl<QCheckBox>("chkLblBold")->isChecked());
}

// The columns on screen: pieces start at the tab stops, in dialog units of a
// quarter of the list font's average character width.
TEST_F(ListWindow, LinesAreDrawnAtTheirTabStops) {
    frmViewAll& w = open();
    w.optEmailAdd->setChecked(true);
    w.cmdACGetReport->click();
    dialogs.clipboard = "I\tI\tI";
    focusList();
    w.mnuVAPaste->trigger();
    w.resize(1000, 400);
    w.lstAllContacts->clearSelection();
    QApplication::processEvents();
    const QImage image = w.lstAllContacts->viewport()->grab().toImage();
    const QRect row = w.lstAllContacts->visualRect(w.model().index(0));
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
    const double unit = QFontMetricsF(w.lstAllContacts->font()).averageCharWidth() / 4.0;
    EXPECT_NEAR(starts[1] - starts[0], 100 * unit, 2.0);
    EXPECT_NEAR(starts[2] - starts[0], 110 * unit, 2.0);
}

TEST_F(ListWindow, HelpOpensTheMainWindowsManual) {
    frmViewAll& w = open();
    w.mnuVAManual->trigger();
    mainControl<QAction>("mnuManual")->trigger();
    ASSERT_EQ(dialogs.opened.size(), 2u);
    EXPECT_EQ(dialogs.opened[0], dialogs.opened[1]);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(ListWindow, ShuttingTheProgramDownClosesTheListWindow) {
    open();
    main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(main->isVisible());
}

}  // namespace
}  // namespace varnel
