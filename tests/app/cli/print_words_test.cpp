// The printing words: each gives the document the window gives for the same
// choices, on the printer the destination names, without a box.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/batch_ports.h"
#include "app/cli/command_line.h"
#include "listing/contact_list.h"
#include "listing/list_lines.h"
#include "listing/result_labels.h"
#include "printing/alignment_page.h"
#include "printing/composer.h"
#include "printing/label_position.h"
#include "printing/print_command.h"
#include "printing/return_address.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/temp_dir.h"

namespace varnel::cli {
namespace {

using varnel::testing::ScriptedDialogs;
using varnel::testing::ScriptedPrinter;
using varnel::testing::TempDir;

class PrintWords : public ::testing::Test {
protected:
    struct Outcome {
        int code;
        std::string out;
        std::string err;
    };

    Outcome run(const Args& args) {
        std::ostringstream out, err;
        CommandEnv env{out, err, dir.path(), nullptr};
        env.makePrinter = [this](const PrintTarget& target) -> std::unique_ptr<Printer> {
            targets.push_back(target);
            if (!target.printerName.empty() && target.printerName != "Office Laser") return nullptr;
            return std::make_unique<CountingPrinter>(printer);
        };
        env.dialogs = &settings;
        const int code = runCommandLine(args, env);
        return {code, out.str(), err.str()};
    }

    // The one document the word printed.
    const Document& printed() {
        EXPECT_EQ(printer.documents.size(), 1u);
        return printer.documents.back();
    }

    TempDir dir;
    ScriptedPrinter printer;
    ScriptedDialogs settings;
    std::vector<PrintTarget> targets;
};

// What the window prints for the same choices.
Document windowPrints(const std::function<void(Dialogs&, Printer&)>& command) {
    ScriptedDialogs dialogs;
    ScriptedPrinter printer;
    command(dialogs, printer);
    EXPECT_EQ(printer.documents.size(), 1u);
    return printer.documents.empty() ? Document{} : printer.documents[0];
}

void expectSameDocument(const Document& word, const Document& window) {
    EXPECT_EQ(word.placements, window.placements);
    EXPECT_EQ(word.strokes, window.strokes);
    EXPECT_EQ(word.stock.name, window.stock.name);
    EXPECT_EQ(word.orientation, window.orientation);
    EXPECT_EQ(word.pageCount, window.pageCount);
}

TEST_F(PrintWords, LabelPrintsTheComposersLabels) {
    const Outcome o = run({"label", "--line", "Ann Smith", "12 Main St", "Springfield, IL  62704",
                           "--position", "4-9", "--centered", "--bold", "-o", "out.pdf"});
    ASSERT_EQ(o.code, Success) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(targets.at(0).pdfPath, "out.pdf");
    const Document window = windowPrints([&](Dialogs& d, Printer& p) {
        ComposerModel s;
        composerStart(s);
        s.lines = {"Ann Smith", "12 Main St", "Springfield, IL  62704", "", ""};
        composerCenterClick(s);
        s.labelBold = true;
        composerLabelClick(s);
        static_cast<ScriptedDialogs&>(d).queueInput("4-9");
        labelPositionPrompt(s, d);
        printComposer(s, d, p, dir.path());
    });
    expectSameDocument(printed(), window);
    EXPECT_EQ(printed().placements.size(), 18u);
}

TEST_F(PrintWords, EnvelopeAndReturnLabelsAndTestPage) {
    struct Case {
        Args args;
        std::function<void(Dialogs&, Printer&)> window;
    };
    const std::filesystem::path folder = dir.path();
    const Case cases[] = {
        {{"envelope", "--line", "Ann Smith", "12 Main St", "--size", "A7", "--large", "--printer",
          "Office Laser"},
         [folder](Dialogs& d, Printer& p) {
             ComposerModel s;
             composerStart(s);
             s.lines = {"Ann Smith", "12 Main St", "", "", ""};
             composerEnvelopeClick(s);
             composerEnvelopeSizeClick(s, 3);
             s.envelopeLarge = true;
             printComposer(s, d, p, folder);
         }},
        {{"return-labels", "--line", "Margaret A. Whitfield", "1234 Maple Grove Avenue",
          "Springfield, IL  62704", "-o", "r.pdf"},
         [folder](Dialogs& d, Printer& p) {
             ComposerModel s;
             composerStart(s);
             s.lines = {"Margaret A. Whitfield", "1234 Maple Grove Avenue",
                        "Springfield, IL  62704", "", ""};
             // "Load printer ..." OK, then No to another page.
             static_cast<ScriptedDialogs&>(d).queueAnswer(Answer::Ok);
             static_cast<ScriptedDialogs&>(d).queueAnswer(Answer::No);
             printReturnAddressLabels(s, d, p, folder);
         }},
        {{"test-page", "--stock", "5167", "-o", "t.pdf"},
         [folder](Dialogs& d, Printer& p) { printAlignmentPage(kAvery5167, d, p, folder); }},
        {{"test-page", "--stock", "5160", "-o", "t.pdf"},
         [folder](Dialogs& d, Printer& p) { printAlignmentPage(kAvery5160, d, p, folder); }},
    };
    for (const Case& c : cases) {
        printer.documents.clear();
        const Outcome o = run(c.args);
        ASSERT_EQ(o.code, Success) << c.args[0] << ": " << o.err;
        expectSameDocument(printed(), windowPrints(c.window));
    }
    EXPECT_EQ(targets.at(0).printerName, "Office Laser");
}

TEST_F(PrintWords, LabelsPrintTheListedContactsInTheListsOrder) {
    ContactFile file;
    file.open(dir / "c.DAT");
    const char* people[][3] = {{"Zoe", "Adams", "Springfield"},
                               {"Al", "Young", "Cold Springs"},
                               {"Bea", "Moss", "Springfield"},
                               {"Cy", "Lee", "Austin"}};
    for (const auto& person : people) {
        ContactRecord r;
        r.set(Field::FirstName, person[0]);
        r.set(Field::LastName, person[1]);
        r.set(Field::Street1, "1 Main St");
        r.set(Field::City, person[2]);
        r.set(Field::State, "IL");
        r.set(Field::Zip, "62704");
        file.appendRecord(r);
    }
    file.close();  // one Varnel at a time on a contact file
    const Outcome o = run({"labels", (dir / "c.DAT").string(), "--search", "city=spring", "--sort",
                           "last", "--italic", "-o", "l.pdf"});
    ASSERT_EQ(o.code, Success) << o.err;
    file.open(dir / "c.DAT");
    const Document window = windowPrints([&](Dialogs& d, Printer& p) {
        ContactList list;
        list.add(buildListLines(file, ListQuery{2, "spring", 1, ListDisplay::Street}));
        printSearchResultLabels({list, file, dir.path(), false, true, PrintMode::Print, "c"}, d, p);
    });
    expectSameDocument(printed(), window);
    ASSERT_EQ(printed().placements.size(), 9u);
    EXPECT_EQ(printed().placements[0].text, "Zoe Adams");  // Adams before Moss and Young
    EXPECT_EQ(printed().title, "Search-result labels - c");

    // While the window has the file open, the word is refused.
    const Outcome busy = run({"labels", (dir / "c.DAT").string(), "-o", "l.pdf"});
    EXPECT_EQ(busy.code, Failure);
    EXPECT_EQ(busy.err.rfind("varnel: " + (dir / "c.DAT").string() + ": ", 0), 0u) << busy.err;
}

TEST_F(PrintWords, CalibrationAndCutLines) {
    settings.saveSetting("Varnel", "Printer Calibration", printer.device, "10 20");
    const Outcome o =
        run({"label", "--line", std::string(60, 'W'), "--position", "2", "-o", "o.pdf"});
    ASSERT_EQ(o.code, Success) << o.err;
    EXPECT_DOUBLE_EQ(printed().shiftX, 7.2);
    EXPECT_DOUBLE_EQ(printed().shiftY, 14.4);
    EXPECT_EQ(o.err,
              "varnel: o.pdf: warning: some lines do not fit their label and are cut:\n"
              "  Label 2: " +
                  std::string(60, 'W') + "\n");
}

TEST_F(PrintWords, RefusalsAndFailures) {
    ContactFile file;
    file.open(dir / "empty.DAT");
    file.close();
    struct Case {
        Args args;
        int code;
        std::string err;
    };
    const std::string missing = (dir / "none.DAT").string();
    const std::string empty = (dir / "empty.DAT").string();
    const Case cases[] = {
        {{"label", "--line", "Ann", "--position", "3"},
         Usage,
         "varnel label: give either -o OUT.pdf or --printer NAME\nTry 'varnel --help'.\n"},
        {{"label", "--line", "Ann", "--position", "3", "-o", "a.pdf", "--printer", "P"},
         Usage,
         "varnel label: give either -o OUT.pdf or --printer NAME\nTry 'varnel --help'.\n"},
        {{"label", "--line", "Ann", "--position", "31", "-o", "a.pdf"},
         Usage,
         "varnel label: Label position cannot exceed 30\nTry 'varnel --help'.\n"},
        {{"label", "--line", "Ann", "--position", "9-4", "-o", "a.pdf"},
         Usage,
         "varnel label: Label starting position cannot exceed ending position.\nTry 'varnel "
         "--help'.\n"},
        {{"label", "--line", "1", "2", "3", "4", "5", "6", "--position", "1", "-o", "a.pdf"},
         Usage,
         "varnel label: at most 5 lines\nTry 'varnel --help'.\n"},
        {{"return-labels", "--line", "1", "2", "3", "4", "-o", "a.pdf"},
         Usage,
         "varnel return-labels: at most 3 lines\nTry 'varnel --help'.\n"},
        {{"envelope", "--line", "Ann", "--size", "11", "-o", "a.pdf"},
         Usage,
         "varnel envelope: --size takes 10, 6-3/4, A2, A7, A8 or A10\nTry 'varnel --help'.\n"},
        {{"test-page", "--stock", "5161", "-o", "a.pdf"},
         Usage,
         "varnel test-page: --stock takes 5160 or 5167\nTry 'varnel --help'.\n"},
        {{"labels", empty, "--search", "colour=red", "-o", "a.pdf"},
         Usage,
         "varnel labels: --search takes FIELD=TEXT, FIELD one of FirstName, LastName, City, "
         "State, Zip, Email, Category, Company\nTry 'varnel --help'.\n"},
        {{"labels", missing, "-o", "a.pdf"}, Failure, "varnel: " + missing + ": File not found\n"},
        {{"labels", empty, "-o", "a.pdf"},
         Failure,
         "varnel: a.pdf: Empty list, no labels to print.\n"},
        {{"envelope", "--line", "", "--size", "10", "-o", "a.pdf"},
         Failure,
         "varnel: a.pdf: No information entered\n"},
        {{"test-page", "--stock", "5160", "--printer", "Nowhere"},
         Failure,
         "varnel: Nowhere: no such printer\n"},
    };
    for (const Case& c : cases) {
        const Outcome o = run(c.args);
        EXPECT_EQ(o.code, c.code) << c.args[0] << " " << o.err;
        EXPECT_EQ(o.err, c.err);
    }
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_FALSE(std::filesystem::exists(missing)) << "a missing file is not created";
}

}  // namespace
}  // namespace varnel::cli
