#include "printing/margin_file.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "text/run_error.h"

namespace varnel {
namespace {

using testing::readFileBytes;
using testing::ScriptedDialogs;
using testing::ShownBox;
using testing::TempDir;
using testing::writeFileBytes;

std::string record(const std::string& key, const std::string& left, const std::string& top) {
    auto pad = [](std::string s, std::size_t n) {
        s.resize(n, ' ');
        return s;
    };
    return pad(key, 8) + "|" + pad(left, 3) + "|" + pad(top, 3) + "\r\n";
}

const std::string kInstalled = record("ONTHEFLY", "0", "0") + record("ENVELOPE", "0", "0") +
                               record("RETURNAD", "0", "0") + record("BULKLIST", "0", "0");

// Every box as "kind:title", so the order of boxes and inputs is checked.
std::vector<std::string> sequence(const ScriptedDialogs& d) {
    std::vector<std::string> out;
    for (const ShownBox& b : d.log) {
        out.push_back((b.kind == ShownBox::Input ? "input:" : "box:") + b.title);
    }
    return out;
}

class MarginFile : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path file() const { return dir / "VRNPARAM.TXT"; }
};

TEST_F(MarginFile, AMissingFileIsCreatedAsInstalledAndReadsZero) {
    const MarginShifts s = readMarginShifts(dir.path(), "ONTHEFLY");
    EXPECT_EQ(s.left, 0);
    EXPECT_EQ(s.top, 0);
    EXPECT_EQ(readFileBytes(file()), kInstalled);
}

TEST_F(MarginFile, ReadingTakesTheLastRecordWithTheExactKey) {
    writeFileBytes(file(), record("ONTHEFLY", "3", "-2") + record("onthefly", "9", "9") +
                               record("ENVELOPE", "-1", "4") + record("ONTHEFLY", "5", "1"));
    EXPECT_EQ(readMarginShifts(dir.path(), "ONTHEFLY").left, 5);
    EXPECT_EQ(readMarginShifts(dir.path(), "ONTHEFLY").top, 1);
    EXPECT_EQ(readMarginShifts(dir.path(), "ENVELOPE").left, -1);
    EXPECT_EQ(readMarginShifts(dir.path(), "ENVELOPE").top, 4);
    const MarginShifts none = readMarginShifts(dir.path(), "BULKLIST");
    EXPECT_EQ(none.left, 0);
    EXPECT_EQ(none.top, 0);
}

TEST_F(MarginFile, StoredHalvesRoundToEven) {
    writeFileBytes(file(), record("RETURNAD", "1.5", "2.5"));
    EXPECT_EQ(readMarginShifts(dir.path(), "RETURNAD").left, 2);
    EXPECT_EQ(readMarginShifts(dir.path(), "RETURNAD").top, 2);
}

TEST_F(MarginFile, ANonNumericOrTruncatedShiftIsARunTimeError) {
    writeFileBytes(file(), record("ONTHEFLY", "ab", "0"));
    EXPECT_THROW(readMarginShifts(dir.path(), "ONTHEFLY"), RunError);
    EXPECT_NO_THROW(readMarginShifts(dir.path(), "ENVELOPE"));
    // 27 bytes are 1.5 records, rounded to 2; the second has no shift fields.
    writeFileBytes(file(), record("ENVELOPE", "1", "1") + "ONTHEFLY|");
    try {
        readMarginShifts(dir.path(), "ONTHEFLY");
        FAIL() << "a blank shift is not a number";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), RunError::TypeMismatch);
    }
    // A last line without its line end still counts as a record.
    writeFileBytes(file(), record("ENVELOPE", "1", "1") + "ONTHEFLY|7  |-3 ");
    EXPECT_EQ(readMarginShifts(dir.path(), "ONTHEFLY").left, 7);
    EXPECT_EQ(readMarginShifts(dir.path(), "ONTHEFLY").top, -3);
}

TEST_F(MarginFile, AnUnusableFolderIsARunTimeError) {
    writeFileBytes(dir / "plain", "x");
    EXPECT_THROW(readMarginShifts(dir / "plain", "ONTHEFLY"), RunError);
    std::filesystem::create_directory(file());  // a folder where the file belongs
    EXPECT_THROW(readMarginShifts(dir.path(), "ONTHEFLY"), RunError);
}

TEST_F(MarginFile, LeftOnlyChangesOnlyTheLeftFieldAndSaysDone) {
    writeFileBytes(file(), kInstalled);
    ScriptedDialogs d;
    d.queueInput("-1");
    d.queueInput("");
    adjustMargins(dir.path(), MarginKind::OnTheFly, d);
    EXPECT_EQ(readFileBytes(file()), record("ONTHEFLY", "-1", "0") + record("ENVELOPE", "0", "0") +
                                         record("RETURNAD", "0", "0") +
                                         record("BULKLIST", "0", "0"));
    EXPECT_EQ(sequence(d),
              (std::vector<std::string>{
                  "box:Left margin adjustment", "input:How many characters right or left?",
                  "box:Top margin adjustment", "input:How many rows down or up?",
                  "box:Margin adjustment completed"}));
    EXPECT_EQ(d.log[0].text,
              "In the next box, enter a positive or negative number indicating how many "
              "characters to the right or left you want to move the print for an On-The-Fly "
              "label.  Example: 1 to move printing one character to right, 2 to move printing "
              "two characters to right, -1 to move printing one character to left, etc.");
    EXPECT_EQ(d.log[2].text,
              "In the next box, enter a positive or negative number indicating how many rows "
              "down or up you want to move the print for an On-The-Fly label.  Example: 1 to "
              "move printing one row lower, 2 to move printing two rows lower, -1 to move "
              "printing one row higher, etc.");
    EXPECT_EQ(d.log[1].text,
              "Enter number of characters, positive or negative, to move right or left, "
              "respectively:");
    EXPECT_EQ(d.log[1].preset, "");
    EXPECT_EQ(d.log[3].text,
              "Enter number of rows, positive or negative, to move down or up, respectively:");
    EXPECT_EQ(d.log[4].text, "D O N E !  Margin(s) for On-The-Fly labels adjusted successfully.");
    EXPECT_EQ(d.log[4].icon, Icon::None);
    EXPECT_EQ(d.log[4].buttons, Buttons::Ok);
}

TEST_F(MarginFile, CancellingBothSkipsTheTopIntroductionAndChangesNothing) {
    writeFileBytes(file(), kInstalled);
    ScriptedDialogs d;
    adjustMargins(dir.path(), MarginKind::Envelope, d);
    EXPECT_EQ(readFileBytes(file()), kInstalled);
    EXPECT_EQ(sequence(d),
              (std::vector<std::string>{
                  "box:Left margin adjustment", "input:How many characters right or left?",
                  "input:How many rows down or up?", "box:Margins not adjusted"}));
    EXPECT_EQ(d.messages().back(), "Margins not adjusted|No margin adjustment made.");
}

TEST_F(MarginFile, ShiftsAccumulateAndTooLongAnswersAreAskedAgain) {
    writeFileBytes(file(), record("ENVELOPE", "10", "2"));
    ScriptedDialogs d;
    d.queueInput("1000");
    d.queueInput("1-");
    d.queueInput("-25");
    d.queueInput("abc");
    d.queueInput(" 3");
    adjustMargins(dir.path(), MarginKind::Envelope, d);
    EXPECT_EQ(readFileBytes(file()), record("ENVELOPE", "-15", "5"));
    EXPECT_EQ(d.messages(),
              (std::vector<std::string>{
                  d.messages()[0], "Non-valid entry|Number too high.",
                  "Non-valid entry|Enter no. of characters to move right or left.", d.messages()[3],
                  "Non-valid entry|Enter no. of rows to move down or up.",
                  "Margin adjustment completed|D O N E !  Margin(s) for Envelopes adjusted "
                  "successfully."}));
    EXPECT_NE(d.messages()[0].find("Note: some printers print envelopes sideways"),
              std::string::npos);
    EXPECT_EQ(d.beeps(), 0u);
}

TEST_F(MarginFile, ReturnAddressRowsMoveByOneAtMost) {
    writeFileBytes(file(), kInstalled);
    ScriptedDialogs d;
    d.queueInput("");
    d.queueInput("2");
    d.queueInput("1.0");
    d.queueInput("x");
    d.queueInput("-1");
    adjustMargins(dir.path(), MarginKind::ReturnAddress, d);
    const auto m = d.messages();
    ASSERT_EQ(m.size(), 5u);
    EXPECT_EQ(m[1], "Non-valid entry|Cannot adjust by more than 1 row down or up.");
    EXPECT_EQ(m[2], "Non-valid entry|Number too high.");
    EXPECT_EQ(m[3], "Non-valid entry|Enter 1 or -1 to adjust printing down or up, respectively.");
    EXPECT_EQ(m[4],
              "Margin adjustment completed|D O N E !  Margin(s) for Return Address labels "
              "adjusted successfully.");
    EXPECT_EQ(d.log[2].title, "Enter 1 to move printing down, -1 to move up");
    EXPECT_EQ(d.log[2].text, "Enter 1 or -1 to move rows down or up, respectively:");
    EXPECT_EQ(readFileBytes(file()), record("ONTHEFLY", "0", "0") + record("ENVELOPE", "0", "0") +
                                         record("RETURNAD", "0", "-1") +
                                         record("BULKLIST", "0", "0"));
}

TEST_F(MarginFile, SearchResultRowsMoveByTwoAtMost) {
    writeFileBytes(file(), kInstalled);
    ScriptedDialogs d;
    d.queueInput("");
    d.queueInput("3");
    d.queueInput("-2");
    adjustMargins(dir.path(), MarginKind::SearchResult, d);
    EXPECT_EQ(d.messages()[1], "Non-valid entry|Cannot adjust by more than 2 rows down or up.");
    EXPECT_EQ(d.messages()[2],
              "Margin adjustment completed|D O N E !  Margin(s) for Search-result labels adjusted "
              "successfully.");
    EXPECT_NE(d.messages()[0].find("(labels found via 'Search Contacts')"), std::string::npos);
    EXPECT_EQ(readFileBytes(file()).substr(54), record("BULKLIST", "0", "-2"));
}

TEST_F(MarginFile, OnlyExactKeysChangeAndDuplicatesAllChange) {
    const std::string other = "onthefly|4  |4  \r\n";
    writeFileBytes(file(), record("ONTHEFLY", "1", "1") + other + record("ONTHEFLY", "ab", ""));
    ScriptedDialogs d;
    d.queueInput("2");
    d.queueInput("-1");
    adjustMargins(dir.path(), MarginKind::OnTheFly, d);
    // Blank or non-numeric old values count as 0.
    EXPECT_EQ(readFileBytes(file()),
              record("ONTHEFLY", "3", "0") + other + record("ONTHEFLY", "2", "-1"));
}

TEST_F(MarginFile, ASumThatDoesNotFitIsRefusedAndNothingChanges) {
    writeFileBytes(file(), record("ONTHEFLY", "99", "0") + record("ONTHEFLY", "1", "0"));
    const std::string before = readFileBytes(file());
    ScriptedDialogs d;
    d.queueInput("999");
    d.queueInput("");
    adjustMargins(dir.path(), MarginKind::OnTheFly, d);
    EXPECT_EQ(readFileBytes(file()), before);
    EXPECT_EQ(d.messages().back(), "Non-valid entry|Number too high.");

    ScriptedDialogs fraction;
    fraction.queueInput(".5");
    fraction.queueInput("");
    adjustMargins(dir.path(), MarginKind::OnTheFly, fraction);
    EXPECT_EQ(readFileBytes(file()), before) << "99.5 does not fit, so neither record changes";

    writeFileBytes(file(), record("ONTHEFLY", "1", "0"));
    ScriptedDialogs fits;
    fits.queueInput(".5");
    fits.queueInput("");
    adjustMargins(dir.path(), MarginKind::OnTheFly, fits);
    EXPECT_EQ(readFileBytes(file()), record("ONTHEFLY", "1.5", "0"));
}

TEST_F(MarginFile, AdjustingWithoutAFileCreatesItAndAppliesTheChange) {
    ScriptedDialogs d;
    d.queueInput("");
    d.queueInput("2");
    adjustMargins(dir.path(), MarginKind::OnTheFly, d);
    EXPECT_EQ(readFileBytes(file()).substr(0, 18), record("ONTHEFLY", "0", "2"));
    EXPECT_EQ(readMarginShifts(dir.path(), "ONTHEFLY").top, 2);
}

TEST_F(MarginFile, AnAdjustmentInAnUnusableFolderRaisesAfterTheQuestions) {
    writeFileBytes(dir / "plain", "x");
    ScriptedDialogs d;
    d.queueInput("1");
    d.queueInput("1");
    EXPECT_THROW(adjustMargins(dir / "plain", MarginKind::OnTheFly, d), RunError);
    EXPECT_EQ(d.messages().size(), 2u);  // the two introductions, no done message
}

}  // namespace
}  // namespace varnel
