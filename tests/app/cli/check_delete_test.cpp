// The words `check` and `delete`.
#include <gtest/gtest.h>

#include "app/cli/cli_outcome.h"
#include "app/cli/command_line.h"
#include "store/contact_file.h"
#include "support/contact_bytes.h"
#include "support/temp_dir.h"

namespace varnel::cli {
namespace {

using testing::readFileBytes;
using testing::recordBytes;
using testing::TempDir;
using testing::writeFileBytes;

std::string threeRecords() {
    return recordBytes("Ann", "Lee") + recordBytes("Bo", "Lee") + recordBytes("Cy", "Lee");
}

TEST(CheckCommand, ReportsRecordByRecordAndSumsUp) {
    TempDir dir;
    const std::string f = (dir / "Family.DAT").string();
    std::string torn = threeRecords();
    torn[518 + 99] = ' ';
    struct Case {
        const char* name;
        std::string bytes;
        int code;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"sound", threeRecords(), Success, f + ": 3 records, 0 damaged\n", ""},
        {"damaged", torn + recordBytes("Dee").substr(0, 400), Failure,
         "record 2: no \"|\" at byte 99\nrecord 4: cut off after 400 of 518 bytes\n" + f +
             ": 4 records, 2 damaged\n",
         "varnel: " + f + ": 2 damaged records\n"},
        {"no contact file", std::string(518, 'z'), Failure,
         "record 1: no \"|\" at byte 14, 16, 35, 66, 82, 99, 102, 113, 133, 149, 165, 179, 230, "
         "239, 320, 481, 512, 514; no CR LF at byte 516\n" +
             f + ": not a Varnel contact file (1 records, 1 damaged)\n",
         "varnel: " + f + ": not a Varnel contact file\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFileBytes(f, c.bytes);
        const Outcome o = run({"check", f});
        EXPECT_EQ(o.code, c.code);
        EXPECT_EQ(o.out, c.out);
        EXPECT_EQ(o.err, c.err);
        EXPECT_EQ(readFileBytes(f), c.bytes);
    }
}

TEST(CheckCommand, NeitherCreatesAFileNorChecksOneInUse) {
    TempDir dir;
    const std::string missing = (dir / "Missing.DAT").string();
    Outcome o = run({"check", missing});
    EXPECT_EQ(o.code, Failure);
    EXPECT_EQ(o.err, "varnel: " + missing + ": File not found\n");
    EXPECT_FALSE(std::filesystem::exists(missing));

    const std::string f = (dir / "Family.DAT").string();
    ContactFile open;
    open.open(f);
    for (const Args& args : {Args{"check", f}, Args{"delete", f, "1"}}) {
        o = run(args);
        EXPECT_EQ(o.code, Failure);
        EXPECT_EQ(o.err, "varnel: " + f + ": already open in another Varnel\n");
    }
    EXPECT_EQ(run({"check"}).code, Usage);
}

TEST(DeleteCommand, DeletesAsTheBrowserDoesAndRefusesWhatItCannot) {
    TempDir dir;
    const std::string f = (dir / "Family.DAT").string();
    struct Case {
        std::string record;
        std::string bytes;  // before
        int code;
        std::string after;
        std::string out;
        std::string err;
    };
    const std::string three = threeRecords();
    const Case cases[] = {
        {"2", three, Success, recordBytes("Ann", "Lee") + recordBytes("Cy", "Lee"),
         "deleted record 2 (Bo Lee), 2 records left\n", ""},
        {"4", three, Failure, three, "",
         "varnel: " + f + ": no record 4 (the file has 3 records)\n"},
        {"0", three, Failure, three, "",
         "varnel: " + f + ": no record 0 (the file has 3 records)\n"},
        {"two", three, Usage, three, "",
         "varnel delete: RECORD must be a record number\nTry 'varnel --help'.\n"},
        {"1", std::string(600, 'q'), Failure, std::string(600, 'q'), "",
         "varnel: " + f + ": not a Varnel contact file\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        writeFileBytes(f, c.bytes);
        const Outcome o = run({"delete", f, c.record});
        EXPECT_EQ(o.code, c.code);
        EXPECT_EQ(o.out, c.out);
        EXPECT_EQ(o.err, c.err);
        EXPECT_EQ(readFileBytes(f), c.after);
    }
}

}  // namespace
}  // namespace varnel::cli
