#include "store/contact_file_check.h"

#include <gtest/gtest.h>

#include <random>

#include "support/contact_bytes.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::numberedRecords;
using testing::recordBytes;
using testing::TempDir;
using testing::writeFileBytes;

std::string randomBytes(std::size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::string bytes(n, '\0');
    for (char& c : bytes) c = static_cast<char>(gen() & 0xFF);
    return bytes;
}

// A PNG renamed to .DAT: its signature, an IHDR chunk and picture bytes.
std::string pngFile() {
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0", 29);
    return png + randomBytes(33000, 7);
}

std::string tornAt(std::string bytes, std::size_t at, char with = 'x') {
    bytes.replace(at, 1, 1, with);
    return bytes;
}

TEST(ContactFileCheckTest, TellsContactFilesFromOthersAndNamesDamagedRecords) {
    struct Case {
        const char* name;
        std::string bytes;
        bool contactFile;
        std::int64_t records;
        std::vector<std::string> damage;  // describeDamage of each damaged record
    };
    const Case cases[] = {
        {"empty", "", true, 0, {}},
        {"sound", numberedRecords(3), true, 3, {}},
        {"PNG renamed", pngFile(), false, 64, {}},
        {"518 random bytes", randomBytes(518, 1), false, 1, {}},
        {"short text", "Dear Ann, thanks\r\n", false, 1, {}},
        {"partial last record",
         numberedRecords(3) + recordBytes("Cut").substr(0, 300),
         true,
         4,
         {"record 4: cut off after 300 of 518 bytes"}},
        {"torn record in the middle",
         numberedRecords(2) + tornAt(tornAt(recordBytes("T"), 35), 517) + numberedRecords(2),
         true,
         5,
         {"record 3: no \"|\" at byte 35; no CR LF at byte 516"}},
        {"only a partial record",
         recordBytes("Solo").substr(0, 200),
         true,
         1,
         {"record 1: cut off after 200 of 518 bytes"}},
        {"first record torn",
         tornAt(numberedRecords(4), 14),
         false,
         4,
         {"record 1: no \"|\" at byte 14"}},
        {"most records torn",
         numberedRecords(1) + tornAt(recordBytes("A"), 99) + tornAt(recordBytes("B"), 99) +
             tornAt(recordBytes("C"), 99),
         false,
         4,
         {}},
        {"NUL bytes behind a cut-off append",
         numberedRecords(10) + std::string(228, '\0') + recordBytes("Z"),
         true,
         12,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ContactFileCheck check = checkContactBytes(c.bytes);
        EXPECT_EQ(check.contactFile, c.contactFile);
        EXPECT_EQ(check.records, c.records);
        EXPECT_EQ(check.length, c.bytes.size());
        if (c.damage.empty()) continue;
        std::vector<std::string> described;
        for (const RecordDamage& d : check.damaged) described.push_back(describeDamage(d));
        EXPECT_EQ(described, c.damage);
    }
}

TEST(ContactFileCheckTest, PiecesOfAnySizeGiveTheSameAnswer) {
    const std::string bytes =
        numberedRecords(5) + tornAt(recordBytes("T"), 230) + numberedRecords(3) + "tail";
    const ContactFileCheck whole = checkContactBytes(bytes);
    for (std::size_t piece : {1u, 7u, 517u, 518u, 519u, 2000u}) {
        ContactFileChecker checker;
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            checker.feed(std::string_view(bytes).substr(at, piece));
        }
        const ContactFileCheck pieces = checker.finish();
        EXPECT_EQ(pieces.records, whole.records) << piece;
        ASSERT_EQ(pieces.damaged.size(), 2u) << piece;
        EXPECT_EQ(describeDamage(pieces.damaged[0]), "record 6: no \"|\" at byte 230");
        EXPECT_EQ(describeDamage(pieces.damaged[1]), "record 10: cut off after 4 of 518 bytes");
    }
}

TEST(ContactFileCheckTest, ReadsTheOpenFileAsItLiesOnDisk) {
    TempDir dir;
    // More than one read buffer, with a damaged record in the second.
    std::string bytes = numberedRecords(5000);
    bytes[4500 * 518 + 14] = ' ';
    writeFileBytes(dir / "big.DAT", bytes);
    ContactFile file;
    file.open(dir / "big.DAT");
    const ContactFileCheck check = checkContactFile(file);
    EXPECT_TRUE(check.contactFile);
    EXPECT_EQ(check.records, 5000);
    ASSERT_EQ(check.damaged.size(), 1u);
    EXPECT_EQ(check.damaged[0].record, 4501);
}

}  // namespace
}  // namespace varnel
