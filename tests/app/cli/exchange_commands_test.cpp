// The command line's import, export and list: exit codes, stdout and stderr.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/command_line.h"
#include "store/contact_file.h"
#include "support/temp_dir.h"

namespace varnel::cli {
namespace {

using varnel::testing::readFileBytes;
using varnel::testing::TempDir;
using varnel::testing::writeFileBytes;

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

class ExchangeCommands : public ::testing::Test {
protected:
    Outcome run(const Args& args) {
        std::ostringstream out, err;
        CommandEnv env{out, err, dir.path(), nullptr};
        int code = runCommandLine(args, env);
        return {code, out.str(), err.str()};
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    TempDir dir;
};

const char* const kPeople =
    "First Name,Last Name,Email,Notes\r\n"
    "\xC5\x81ukasz,Dvo\xC5\x99\xC3\xA1k,lukasz@example.com,\"Likes tea, not coffee\"\r\n"
    "Ann,Lee,ann@x.com,\r\n"
    "ANN,lee,,\r\n"
    ",,,just a note\r\n";

const char* const kTableHeader =
    "Record\tFirstName\tMI\tLastName\tStreet1\tStreet2\tCity\tState\tZip\tCountry\tHomePhone\t"
    "CellPhone\tWorkPhone\tEmail\tBirthdate\tCategory\tNotes\tCompany\tIncludeCompany\t"
    "BdayReminder\n";

TEST_F(ExchangeCommands, ImportPrintsWhatItDidNotAddThenTheCounts) {
    writeFileBytes(dir / "people.csv", kPeople);
    Outcome dry = run({"import", path("people.csv"), path("c.DAT"), "--dry-run"});
    EXPECT_EQ(dry.code, Success);
    EXPECT_EQ(dry.out,
              "Line 4: ANN lee: duplicate of record 2 (Ann Lee <ann@x.com>)\n"
              "Line 5: no name and no e-mail\n"
              "imported 2, duplicates 1, skipped 1\n");
    EXPECT_EQ(dry.err, "");
    EXPECT_EQ(std::filesystem::file_size(dir / "c.DAT"), 0u);  // a dry run adds nothing

    Outcome real = run({"import", path("people.csv"), path("c.DAT")});
    EXPECT_EQ(real.code, Success);
    EXPECT_EQ(real.out, dry.out);
    EXPECT_EQ(std::filesystem::file_size(dir / "c.DAT"), 2u * 518);

    Outcome again = run({"import", path("people.csv"), path("c.DAT")});
    EXPECT_EQ(again.out.substr(again.out.rfind("imported")),
              "imported 0, duplicates 3, skipped 1\n");
}

TEST_F(ExchangeCommands, ImportFailuresAndWrongUsage) {
    writeFileBytes(dir / "odd.csv", "Title,Phone\r\nDr,555\r\n");
    writeFileBytes(dir / "bin.csv", std::string("\x89PNG\0\0\0\r", 8));
    struct Case {
        Args args;
        int code;
        std::string err;
    };
    const Case cases[] = {
        {{"import", path("missing.csv"), path("c.DAT")},
         Failure,
         "varnel: " + path("missing.csv") + ": File not found\n"},
        {{"import", path("odd.csv"), path("c.DAT")},
         Failure,
         "varnel: " + path("odd.csv") + ": CSV file not compatible with import function.\n"},
        {{"import", path("bin.csv"), path("c.DAT")},
         Failure,
         "varnel: " + path("bin.csv") + ": not a CSV or vCard text file\n"},
        {{"import", path("odd.csv")},
         Usage,
         "varnel import: missing argument\nTry 'varnel --help'.\n"},
        {{"import", "a", "b", "--dryrun"},
         Usage,
         "varnel import: unknown option --dryrun\nTry 'varnel --help'.\n"},
    };
    for (const Case& c : cases) {
        Outcome o = run(c.args);
        EXPECT_EQ(o.code, c.code) << c.err;
        EXPECT_EQ(o.err, c.err);
        EXPECT_EQ(o.out, "");
    }
}

TEST_F(ExchangeCommands, ListPrintsTheTableInUtf8) {
    writeFileBytes(dir / "people.csv", kPeople);
    run({"import", path("people.csv"), path("c.DAT")});
    Outcome all = run({"list", path("c.DAT")});
    EXPECT_EQ(all.code, Success);
    EXPECT_EQ(all.out, std::string(kTableHeader) +
                           "1\tLukasz\t\tDvor\xC3\xA1k\t\t\t\t\t\t\t\t\t\tlukasz@example.com\t\t\t"
                           "Likes tea, not coffee\t\t0\t1\n"
                           "2\tAnn\t\tLee\t\t\t\t\t\t\t\t\t\tann@x.com\t\t\t\t\t0\t1\n");
    Outcome sorted = run({"list", path("c.DAT"), "--sort", "first"});
    EXPECT_EQ(sorted.out.substr(std::string(kTableHeader).size(), 2), "2\t");
    Outcome found = run({"list", path("c.DAT"), "--search", "lastname=dvo"});
    EXPECT_EQ(found.out.substr(std::string(kTableHeader).size(), 2), "1\t");
    EXPECT_EQ(std::count(found.out.begin(), found.out.end(), '\n'), 2);

    Outcome missing = run({"list", path("none.DAT")});
    EXPECT_EQ(missing.code, Failure);
    EXPECT_EQ(missing.err, "varnel: " + path("none.DAT") + ": File not found\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "none.DAT"));
    EXPECT_EQ(run({"list", path("c.DAT"), "--search", "Shoe=9"}).code, Usage);
    EXPECT_EQ(run({"list", path("c.DAT"), "--sort", "age"}).code, Usage);
}

TEST_F(ExchangeCommands, ExportWritesTheChosenFormatAndEncoding) {
    writeFileBytes(dir / "people.csv", kPeople);
    run({"import", path("people.csv"), path("c.DAT")});
    // Without -o: the window's file in the program folder.
    Outcome csv = run({"export", path("c.DAT"), "--format", "csv"});
    EXPECT_EQ(csv.code, Success);
    EXPECT_EQ(csv.out, path("VRNC_c.csv") + "\n");
    const std::string windows = readFileBytes(dir / "VRNC_c.csv");
    EXPECT_NE(windows.find("Lukasz,,Dvor\xE1k,"), std::string::npos);

    Outcome bom = run({"export", path("c.DAT"), "--format=csv", "--encoding", "utf-8-bom", "-o",
                       path("out.csv")});
    EXPECT_EQ(bom.code, Success);
    const std::string utf8 = readFileBytes(dir / "out.csv");
    EXPECT_EQ(utf8.substr(0, 13),
              "\xEF\xBB\xBF"
              "First Name");
    EXPECT_NE(utf8.find("Lukasz,,Dvor\xC3\xA1k,"), std::string::npos);

    EXPECT_EQ(run({"export", path("c.DAT"), "--format", "vcard", "-o", path("c.vcf")}).code,
              Success);
    EXPECT_EQ(readFileBytes(dir / "c.vcf").substr(0, 26), "BEGIN:VCARD\r\nVERSION:3.0\r\n");
    EXPECT_EQ(run({"export", path("c.DAT"), "--format", "text"}).out, path("VRNT_c.txt") + "\n");

    struct Case {
        Args args;
        int code;
        std::string err;
    };
    ContactFile empty;
    empty.open(dir / "empty.DAT");
    empty.close();
    const Case cases[] = {
        {{"export", path("c.DAT")},
         Usage,
         "varnel export: --format takes csv, text or vcard\nTry 'varnel --help'.\n"},
        {{"export", path("c.DAT"), "--format", "vcard", "--encoding", "windows-1252"},
         Usage,
         "varnel export: a vCard file is always utf-8\nTry 'varnel --help'.\n"},
        {{"export", path("c.DAT"), "--format", "csv", "--encoding", "latin1"},
         Usage,
         "varnel export: --encoding takes utf-8, utf-8-bom or windows-1252\nTry 'varnel "
         "--help'.\n"},
        {{"export", path("none.DAT"), "--format", "csv"},
         Failure,
         "varnel: " + path("none.DAT") + ": File not found\n"},
        {{"export", path("empty.DAT"), "--format", "csv"},
         Failure,
         "varnel: " + path("empty.DAT") + ": There were no contacts on file.\n"},
        {{"export", path("c.DAT"), "--format", "csv", "-o", path("no/such/dir/x.csv")},
         Failure,
         "varnel: " + path("no/such/dir/x.csv") + ": Path not found\n"},
    };
    for (const Case& c : cases) {
        Outcome o = run(c.args);
        EXPECT_EQ(o.code, c.code) << c.err;
        EXPECT_EQ(o.err, c.err);
    }
}

}  // namespace
}  // namespace varnel::cli
