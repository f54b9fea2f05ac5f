#include "store/contact_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store/file_io.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::readFileBytes;
using testing::TempDir;
using testing::writeFileBytes;

ContactRecord contact(const std::string& first, const std::string& last) {
    ContactRecord r;
    r.set(Field::FirstName, first);
    r.set(Field::LastName, last);
    r.set(Field::IncludeCompany, "0");
    r.set(Field::BdayReminder, "1");
    return r;
}

TEST(ContactRecordLayout, EveryFieldSitsAtItsOffset) {
    ContactRecord r;
    r.set(Field::FirstName, "Maximilianusxx");  // exactly 14 characters
    r.set(Field::MI, "Q");
    r.set(Field::LastName, "Lastname");
    r.set(Field::Street1, "12 Main St");
    r.set(Field::Street2, "Apt 4");
    r.set(Field::City, "Springfield");
    r.set(Field::State, "IL");
    r.set(Field::Zip, "62704");
    r.set(Field::Country, "USA");
    r.set(Field::HomePhone, "555-123-4567");
    r.set(Field::CellPhone, "555-765-4321");
    r.set(Field::WorkPhone, "555-000-1111");
    r.set(Field::Email, "max@example.com");
    r.set(Field::Birthdate, "19800410");
    r.set(Field::Category, "Family;Golf");
    r.set(Field::Notes, "Likes | pipes");
    r.set(Field::Company, "Acme");
    r.set(Field::IncludeCompany, "1");
    r.set(Field::BdayReminder, "1");

    std::string expected;
    auto put = [&](std::string value, std::size_t width) {
        value.resize(width, ' ');
        expected += value;
    };
    put("Maximilianusxx", 14);
    expected += '|';
    put("Q", 1);
    expected += '|';
    put("Lastname", 18);
    expected += '|';
    put("12 Main St", 30);
    expected += '|';
    put("Apt 4", 15);
    expected += '|';
    put("Springfield", 16);
    expected += '|';
    put("IL", 2);
    expected += '|';
    put("62704", 10);
    expected += '|';
    put("USA", 19);
    expected += '|';
    put("555-123-4567", 15);
    expected += '|';
    put("555-765-4321", 15);
    expected += '|';
    put("555-000-1111", 13);
    expected += '|';
    put("max@example.com", 50);
    expected += '|';
    put("19800410", 8);
    expected += '|';
    put("Family;Golf", 80);
    expected += '|';
    put("Likes | pipes", 160);
    expected += '|';
    put("Acme", 30);
    expected += '|';
    put("1", 1);
    expected += '|';
    put("1", 1);
    expected += "\r\n";
    ASSERT_EQ(expected.size(), 518u);
    EXPECT_EQ(std::string(r.data(), 518), expected);
    EXPECT_EQ(r.raw(Field::FirstName), "Maximilianusxx");
    EXPECT_EQ(r.data()[14], '|');
}

TEST(ContactRecordLayout, ValuesLoseLeadingSpacesAndAreCutToWidth) {
    ContactRecord r;
    r.set(Field::FirstName, "   Ann");
    r.set(Field::LastName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    r.set(Field::Birthdate, "");
    EXPECT_EQ(r.raw(Field::FirstName), "Ann           ");
    EXPECT_EQ(r.raw(Field::LastName), "ABCDEFGHIJKLMNOPQR");
    EXPECT_EQ(r.raw(Field::Birthdate), "        ");
    EXPECT_EQ(r.get(Field::FirstName), "Ann");
    EXPECT_EQ(r.data()[35], '|');
}

TEST(ContactFileTest, OpeningAMissingFileCreatesItEmpty) {
    TempDir dir;
    ContactFile f;
    f.open(dir / "VRN_Contacts.DAT");
    EXPECT_TRUE(std::filesystem::exists(dir / "VRN_Contacts.DAT"));
    EXPECT_EQ(f.recordCount(), 0);
    f.appendRecord(contact("Ann", "Lee"));
    EXPECT_EQ(f.recordCount(), 1);
    EXPECT_EQ(f.readRecord(1).get(Field::FirstName), "Ann");
}

TEST(ContactFileTest, MissingFolderIsPathNotFound) {
    TempDir dir;
    ContactFile f;
    try {
        f.open(dir / "no-such-folder" / "x.DAT");
        FAIL() << "opened";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 76);
    }
    EXPECT_FALSE(f.isOpen());
    EXPECT_THROW(f.recordCount(), RunError);
}

TEST(ContactFileTest, RecordCountRoundsHalvesToEven) {
    TempDir dir;
    writeFileBytes(dir / "a.DAT", std::string(518 * 3 + 300, 'x'));
    writeFileBytes(dir / "b.DAT", std::string(518 * 2 + 259, 'x'));
    writeFileBytes(dir / "c.DAT", std::string(518 * 3 + 259, 'x'));
    ContactFile f;
    f.open(dir / "a.DAT");
    EXPECT_EQ(f.recordCount(), 4);
    f.open(dir / "b.DAT");
    EXPECT_EQ(f.recordCount(), 2);
    f.open(dir / "c.DAT");
    EXPECT_EQ(f.recordCount(), 4);
}

TEST(ContactFileTest, RecordNumbersBelowOneAreBadRecordNumber) {
    TempDir dir;
    ContactFile f;
    f.open(dir / "x.DAT");
    for (int k : {0, -1}) {
        try {
            f.readRecord(k);
            FAIL();
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), 63);
            EXPECT_EQ(e.description(), "Bad record number");
        }
        EXPECT_THROW(f.writeRecord(k, ContactRecord()), RunError);
    }
}

TEST(ContactFileTest, ReadingPastTheEndGivesBlanks) {
    TempDir dir;
    ContactFile f;
    f.open(dir / "x.DAT");
    ContactRecord r = f.readRecord(1);
    EXPECT_EQ(std::string(r.data(), 518), std::string(518, ' '));
    EXPECT_EQ(r.get(Field::FirstName), "");
    EXPECT_EQ(readFileBytes(dir / "x.DAT").size(), 0u);
}

TEST(ContactFileTest, WritePastTheEndExtendsTheFile) {
    TempDir dir;
    ContactFile f;
    f.open(dir / "x.DAT");
    f.writeRecord(2, contact("Bo", "Ng"));
    EXPECT_EQ(readFileBytes(dir / "x.DAT").size(), 1036u);
    EXPECT_EQ(f.readRecord(2).get(Field::LastName), "Ng");
}

TEST(ContactFileTest, AppendingBehindACutOffRecordFillsItWithTheBlanksItReadAs) {
    TempDir dir;
    const ContactRecord ann = contact("Ann", "Lee");
    const std::string cut(ann.data(), 300);
    writeFileBytes(dir / "x.DAT", std::string(ann.data(), 518) + cut);
    ContactFile f;
    f.open(dir / "x.DAT");
    ASSERT_EQ(f.recordCount(), 2);
    const ContactRecord shown = f.readRecord(2);
    f.appendRecord(contact("Bo", "Ng"));
    EXPECT_EQ(readFileBytes(dir / "x.DAT"), std::string(ann.data(), 518) +
                                                std::string(shown.data(), 518) +
                                                std::string(contact("Bo", "Ng").data(), 518));
}

TEST(ContactFileTest, AWholeFileRewriteCompletesACountedPieceAndKeepsAnUncountedOne) {
    const std::string ann(contact("Ann", "Lee").data(), 518);
    struct Case {
        std::size_t piece;  // bytes of a third record
        std::string after;
    };
    auto switched = [](std::string bytes) {
        for (std::size_t at = 515; at < bytes.size(); at += 518) bytes[at] = '0';
        return bytes;
    };
    const Case cases[] = {
        // 2.58 records count as 3: the third is read blank-filled and written whole.
        {300, switched(ann + ann + ann.substr(0, 300) + std::string(218, ' '))},
        // 2.39 records count as 2: the piece is no record and stays as it was.
        {200, switched(ann + ann) + ann.substr(0, 200)},
    };
    for (const Case& c : cases) {
        TempDir dir;
        writeFileBytes(dir / "x.DAT", ann + ann + ann.substr(0, c.piece));
        ContactFile f;
        f.open(dir / "x.DAT");
        f.rewriteAll([](ContactRecord& r) { r.set(Field::BdayReminder, "0"); });
        EXPECT_EQ(readFileBytes(dir / "x.DAT"), c.after) << c.piece;
    }
}

TEST(ContactFileTest, WholeFileVisitsMatchRecordReads) {
    TempDir dir;
    ContactFile f;
    f.open(dir / "x.DAT");
    for (int i = 0; i < 5000; ++i) f.appendRecord(contact("N" + std::to_string(i), "L"));
    auto all = f.readAll();
    ASSERT_EQ(all.size(), 5000u);
    EXPECT_EQ(all[4999], f.readRecord(5000));
    f.rewriteAll([](ContactRecord& r) { r.set(Field::BdayReminder, "0"); });
    EXPECT_EQ(f.readRecord(4321).get(Field::BdayReminder), "0");
    EXPECT_EQ(f.readRecord(4321).get(Field::FirstName), "N4320");
    EXPECT_EQ(f.recordCount(), 5000);
}

class Deletion : public ::testing::Test {
protected:
    void SetUp() override {
        file.open(dir / "VRN_Contacts.DAT");
        for (const char* n : {"One", "Two", "Three"}) file.appendRecord(contact(n, "X"));
        original = readFileBytes(dir / "VRN_Contacts.DAT");
    }
    TempDir dir;
    ContactFile file;
    std::string original;
};

TEST_F(Deletion, MiddleRecordMovesTheFollowingOneDown) {
    deleteRecord(file, 2);
    std::string after = readFileBytes(dir / "VRN_Contacts.DAT");
    EXPECT_EQ(after, original.substr(0, 518) + original.substr(1036, 518));
    EXPECT_EQ(file.recordCount(), 2);
    EXPECT_TRUE(file.isOpen());
    EXPECT_EQ(dir.names(), std::vector<std::string>{"VRN_Contacts.DAT"});
}

TEST_F(Deletion, LastRecord) {
    deleteRecord(file, 3);
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), original.substr(0, 1036));
}

TEST_F(Deletion, OnlyRecordLeavesAnEmptyFile) {
    deleteRecord(file, 3);
    deleteRecord(file, 2);
    deleteRecord(file, 1);
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT").size(), 0u);
    EXPECT_EQ(file.recordCount(), 0);
}

TEST_F(Deletion, LeftoverTemporaryFilesAreNeverReadAndOnlyTheFilesOwnAreRemoved) {
    // What killed deletions of this and older versions may have left behind.
    const std::string leftovers[] = {"Tempf", "VRN_Contacts.DAT.new-AbC123", "Other.DAT.new-AbC123",
                                     "VRN_Contacts.DAT.new-mine"};
    for (const std::string& leftover : leftovers)
        writeFileBytes(dir / leftover, original + original);
    file.open(dir / "VRN_Contacts.DAT");
    deleteRecord(file, 1);
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), original.substr(518));
    EXPECT_EQ(dir.names(),
              (std::vector<std::string>{"Other.DAT.new-AbC123", "Tempf", "VRN_Contacts.DAT",
                                        "VRN_Contacts.DAT.new-mine"}));
    EXPECT_EQ(readFileBytes(dir / "Tempf"), original + original);
}

TEST_F(Deletion, FailureLeavesTheOldFileWholeAndReportsIt) {
    for (unsigned call : {fileio::Write, fileio::Sync, fileio::Rename}) {
        fileio::setFault({call, 1, fileio::Fault::Fail, EIO});
        EXPECT_THROW(deleteRecord(file, 2), RunError);
        fileio::clearFault();
        EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), original);
        EXPECT_TRUE(file.isOpen());
        EXPECT_EQ(file.recordCount(), 3);
        EXPECT_EQ(dir.names(), std::vector<std::string>{"VRN_Contacts.DAT"});
    }
}

TEST_F(Deletion, KeepsTheModeAndReplacesTheTargetOfALink) {
    ::chmod((dir / "VRN_Contacts.DAT").c_str(), 0640);
    std::filesystem::create_symlink("VRN_Contacts.DAT", dir / "Link.DAT");
    file.open(dir / "Link.DAT");
    deleteRecord(file, 1);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Link.DAT"));
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), original.substr(518));
    EXPECT_EQ(std::filesystem::status(dir / "VRN_Contacts.DAT").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    EXPECT_EQ(file.recordCount(), 2);
}

TEST_F(Deletion, AReadOnlyContactFileIsRefusedAndLeftAlone) {
    file.close();
    ::chmod((dir / "VRN_Contacts.DAT").c_str(), 0444);
    try {
        file.open(dir / "VRN_Contacts.DAT");
        ADD_FAILURE() << "opened";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 75);
    }
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), original);
}

TEST_F(Deletion, FileRemovedBehindTheProgramIsFileNotFoundAndNotRecreated) {
    std::filesystem::remove(dir / "VRN_Contacts.DAT");
    try {
        deleteRecord(file, 2);
        FAIL() << "deleted";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 53);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "VRN_Contacts.DAT"));
    EXPECT_TRUE(dir.names().empty());
}

TEST_F(Deletion, TheLiveFileNeverCarriesTheMarker) {
    // The one write of a deletion is the new file's, and it holds only the survivors.
    fileio::setFault({fileio::Write, 0, fileio::Fault::Fail, 0});
    deleteRecord(file, 2);
    EXPECT_EQ(fileio::countedCalls(), 1);
    fileio::clearFault();
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT").find("*DELETED*"), std::string::npos);
}

TEST_F(Deletion, CompactionDropsEveryMarkedRecord) {
    ContactRecord r = file.readRecord(1);
    r.set(Field::FirstName, "*DELETED*");
    file.writeRecord(1, r);
    file.writeRecord(3, r);
    CompactContactFile(file, 3);
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), original.substr(518, 518));
}

}  // namespace
}  // namespace varnel
