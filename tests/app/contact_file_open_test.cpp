#include "app/contact_file_open.h"

#include <gtest/gtest.h>

#include "support/contact_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

using testing::numberedRecords;
using testing::readFileBytes;
using testing::ScriptedDialogs;
using testing::TempDir;
using testing::writeFileBytes;

std::string tornRecords(std::string bytes, std::initializer_list<int> numbers) {
    for (int k : numbers) bytes[static_cast<std::size_t>(k - 1) * 518 + 14] = 'x';
    return bytes;
}

TEST(OpenCheckedContactFile, RefusesOrWarnsWithOneBoxNamingTheFile) {
    struct Case {
        const char* name;
        std::string bytes;
        bool opens;
        std::vector<std::string> boxes;  // "title|text"
    };
    const Case cases[] = {
        {"new file", "", true, {}},
        {"sound", numberedRecords(3), true, {}},
        {"picture",
         "\x89PNG\r\n\x1a\n" + std::string(2000, 'p'),
         false,
         {"Open|Family.DAT is not a Varnel contact file."}},
        {"cut-off last record",
         numberedRecords(3) + numberedRecords(1).substr(0, 100),
         true,
         {"Open|Family.DAT has a damaged record: 4.\r\nFind it in the contact browser to mend or "
          "delete it."}},
        {"many torn records",
         tornRecords(numberedRecords(40), {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24}),
         true,
         {"Open|Family.DAT has damaged records: 2, 4, 6, 8, 10, 12, 14, 16, 18, 20 and 2 more.\r\n"
          "Find them in the contact browser to mend or delete them."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (!std::string(c.name).starts_with("new")) writeFileBytes(dir / "Family.DAT", c.bytes);
        ScriptedDialogs dialogs;
        ContactFile file;
        EXPECT_EQ(openCheckedContactFile(file, dir / "Family.DAT", dialogs), c.opens);
        EXPECT_EQ(file.isOpen(), c.opens);
        EXPECT_EQ(dialogs.messages(), c.boxes);
        EXPECT_EQ(readFileBytes(dir / "Family.DAT"), c.bytes);
    }
}

TEST(OpenCheckedContactFile, AFileOpenElsewhereIsRefusedByName) {
    TempDir dir;
    ContactFile elsewhere;
    elsewhere.open(dir / "My List.DAT");
    ScriptedDialogs dialogs;
    ContactFile file;
    EXPECT_FALSE(openCheckedContactFile(file, dir / "My List.DAT", dialogs));
    EXPECT_FALSE(file.isOpen());
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].title, "Open");
    EXPECT_EQ(dialogs.log[0].text, "My List.DAT is already open in another Varnel.");
    EXPECT_EQ(dialogs.log[0].icon, Icon::Exclamation);
}

}  // namespace
}  // namespace varnel
