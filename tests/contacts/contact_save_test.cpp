#include "contacts/contact_save.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using B = ContactBox;
using testing::readFileBytes;
using testing::TempDir;

ContactForm form(const std::string& first, const std::string& last) {
    ContactForm f;
    f[B::FName] = first;
    f[B::LName] = last;
    return f;
}

TEST(ContactSave, NewContactIsAppendedWithTheSavedMessage) {
    TempDir dir;
    ContactFile file;
    file.open(dir / "c.DAT");
    ContactForm a = form("Ann", "Able");
    SaveOutcome first = saveContact(file, a, SaveKind::NewContact, true, 0);
    ASSERT_FALSE(first.failure);
    EXPECT_EQ(first.recordNumber, 1);
    EXPECT_EQ(first.savedTitle, "Contact saved to file");
    EXPECT_EQ(first.savedText, "S A V E D");

    ContactForm b = form("Bob", "Baker");
    b[B::Birthdate] = "04/10/1980";
    SaveOutcome second = saveContact(file, b, SaveKind::NewContact, false, 7);
    EXPECT_EQ(second.recordNumber, 2);  // appended, whatever record is shown elsewhere

    const std::string bytes = readFileBytes(dir / "c.DAT");
    ASSERT_EQ(bytes.size(), 2 * ContactRecord::Size);
    EXPECT_EQ(bytes.substr(0, 518), std::string(first.record.data(), 518));
    EXPECT_EQ(bytes.substr(518), std::string(second.record.data(), 518));
    EXPECT_EQ(bytes.substr(518 + 231, 8), "19800410");
    EXPECT_EQ(bytes[515], '1');
    EXPECT_EQ(bytes[518 + 515], '0');
}

TEST(ContactSave, ChangesAreWrittenOverTheCurrentRecord) {
    TempDir dir;
    ContactFile file;
    file.open(dir / "c.DAT");
    for (const char* name : {"One", "Two", "Three"}) {
        ContactForm f = form(name, "X");
        saveContact(file, f, SaveKind::NewContact, true, 0);
    }
    ContactForm changed = form("Deux", "Y");
    SaveOutcome out = saveContact(file, changed, SaveKind::ChangeContact, true, 2);
    ASSERT_FALSE(out.failure);
    EXPECT_EQ(out.savedTitle, "Changes saved");
    EXPECT_EQ(file.recordCount(), 3);
    EXPECT_EQ(file.readRecord(2).get(Field::FirstName), "Deux");
    EXPECT_EQ(file.readRecord(3).get(Field::FirstName), "Three");
}

TEST(ContactSave, AFailedCheckWritesNothing) {
    TempDir dir;
    ContactFile file;
    file.open(dir / "c.DAT");
    ContactForm badDate = form("Ann", "Able");
    badDate[B::Birthdate] = "99/99/9999";
    badDate[B::FName] = "A,nn";
    SaveOutcome out = saveContact(file, badDate, SaveKind::NewContact, true, 0);
    ASSERT_TRUE(out.failure);
    EXPECT_EQ(out.failure->title, "Date error");
    EXPECT_EQ(badDate[B::FName], "A,nn");  // the birthdate stops the save before any tidying

    ContactForm badMail = form("A,nn", "Able");
    badMail[B::Email] = "x";
    out = saveContact(file, badMail, SaveKind::NewContact, true, 0);
    ASSERT_TRUE(out.failure);
    EXPECT_EQ(badMail[B::FName], "Ann");
    EXPECT_EQ(readFileBytes(dir / "c.DAT"), "");
}

TEST(ContactSave, AClosedFileRaisesTheRunErrorAndKeepsTheBoxes) {
    ContactFile closed;
    ContactForm f = form("Ann", "Able");
    f[B::Birthdate] = "04/10/1980";
    EXPECT_THROW(saveContact(closed, f, SaveKind::NewContact, true, 0), RunError);
    EXPECT_EQ(f[B::FName], "Ann");

    TempDir dir;
    ContactFile file;
    file.open(dir / "c.DAT");
    ContactForm g = form("Ann", "Able");
    try {
        saveContact(file, g, SaveKind::ChangeContact, true, 0);
        FAIL() << "record 0 must not be written";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), RunError::BadRecordNumber);
    }
    EXPECT_EQ(readFileBytes(dir / "c.DAT"), "");
}

}  // namespace
}  // namespace varnel
