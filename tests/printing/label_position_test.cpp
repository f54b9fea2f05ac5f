#include "printing/label_position.h"

#include <gtest/gtest.h>

#include "printing/label_grid.h"
#include "support/scripted_dialogs.h"

namespace varnel {
namespace {

using testing::ScriptedDialogs;
using testing::ShownBox;

constexpr const char* kDash =
    "Include dash for range of labels|Use a dash when specifying a range of labels to print.  "
    "Examples: 1-30, 5-8, 15-22.  Each number represents a label position on label sheet.";
constexpr const char* kMax30 = "Maximum is 30|Label position cannot exceed 30";
constexpr const char* kMaxCount =
    "Maximum is 30|No more than 30 labels may be printed.  To print an entire sheet, enter 1-30.";
constexpr const char* kStartAfterEnd =
    "Try again|Label starting position cannot exceed ending position.";

ComposerModel labelChosen() {
    ComposerModel s;
    s.media = Media::Label;
    return s;
}

ComposerModel prompt(ScriptedDialogs& d, std::initializer_list<const char*> answers) {
    for (const char* a : answers) d.queueInput(a);
    ComposerModel s = labelChosen();
    labelPositionPrompt(s, d);
    return s;
}

TEST(LabelPosition, TheGridsGiveEachPositionItsOrigin) {
    EXPECT_EQ(printGridOrigin(5, false, false).column, 45);
    EXPECT_EQ(printGridOrigin(5, true, false).column, 41);
    EXPECT_EQ(printGridOrigin(5, false, true).column, 47);
    EXPECT_EQ(printGridOrigin(5, true, true).column, 43);
    EXPECT_EQ(printGridOrigin(5, true, true).row, 9);
    EXPECT_EQ(printGridOrigin(30, false, false).column, 89);
    EXPECT_EQ(printGridOrigin(30, true, true).column, 81);
    EXPECT_EQ(printGridOrigin(30, false, false).row, 62);
    EXPECT_EQ(printGridOrigin(28, true, false).column, 2);
    EXPECT_EQ(printGridOrigin(16, false, false).row, 36);
    EXPECT_EQ(composerGridOrigin(5).column, 35);
    EXPECT_EQ(composerGridOrigin(5).row, 10);
    EXPECT_EQ(composerGridOrigin(30).column, 68);
    EXPECT_EQ(composerGridOrigin(30).row, 63);
    EXPECT_TRUE(isHpFamily("HP Photosmart C4280"));
    EXPECT_FALSE(takesHpPaperSize("HP Photosmart C4280"));
    EXPECT_TRUE(takesHpPaperSize("HP Officejet 6500"));
    EXPECT_TRUE(takesHpPaperSize("HP ENVY 4500"));
    EXPECT_TRUE(takesHpPaperSize("HP DeskJet 640C/642C/648C"));
    EXPECT_FALSE(isHpFamily("HP OfficeJet Pro"));  // case-sensitive
    EXPECT_FALSE(isHpFamily("HP DeskJet 640C"));
}

TEST(LabelPosition, CentringBlanksRoundHalvesToEven) {
    EXPECT_EQ(centringBlanks(1, 18), 18);  // 17.5 -> 18
    EXPECT_EQ(centringBlanks(3, 18), 16);  // 16.5 -> 16
    EXPECT_EQ(centringBlanks(4, 18), 16);
    EXPECT_EQ(centringBlanks(5, 18), 16);  // 15.5 -> 16
    EXPECT_EQ(centringBlanks(5, 12), 10);  // 9.5 -> 10
    EXPECT_EQ(centringBlanks(7, 12), 8);   // 8.5 -> 8
    EXPECT_EQ(centringBlanks(24, 12), 0);
    EXPECT_EQ(centringBlanks(500, 18), -232);
}

TEST(LabelPosition, OnePositionSetsTheComposerOriginAndCaption) {
    ScriptedDialogs d;
    const ComposerModel s = prompt(d, {"5"});
    ASSERT_EQ(d.log.size(), 1u);
    EXPECT_EQ(d.log[0].kind, ShownBox::Input);
    EXPECT_EQ(d.log[0].title, "Label position reading L to R");
    EXPECT_EQ(d.log[0].text,
              "Enter the label position [a number between 1 and 30] on which to print.  Example: "
              "label position 5 would be the middle label on the 2nd row of label sheet.  To "
              "print multiple labels, enter a range such as 4-9, 15-18, etc.  To print an "
              "entire sheet, enter 1-30.");
    EXPECT_EQ(d.log[0].preset, "1");
    EXPECT_EQ(s.labelPosition, "5");
    EXPECT_EQ(s.run.start, 5);
    EXPECT_EQ(s.run.count, 1);
    EXPECT_EQ(s.origin.column, 35);
    EXPECT_EQ(s.origin.row, 10);
    EXPECT_EQ(composerView(s).positionCaption, "Label Position 5");
    EXPECT_TRUE(composerView(s).positionVisible);
    EXPECT_EQ(s.media, Media::Label);
    EXPECT_EQ(s.focus, ComposerField::Print);
}

TEST(LabelPosition, ARangeIsCleanedOfBlanksAndFullStops) {
    ScriptedDialogs d;
    const ComposerModel s = prompt(d, {" 4 - 9."});
    EXPECT_EQ(s.labelPosition, "4-9");
    EXPECT_EQ(s.run.start, 4);
    EXPECT_EQ(s.run.end, 9);
    EXPECT_EQ(s.run.count, 6);
    EXPECT_EQ(s.origin.column, 2);
    EXPECT_EQ(s.origin.row, 10);
    EXPECT_EQ(composerView(s).positionCaption, "Label Position 4-9");
    EXPECT_EQ(d.beeps(), 0u);

    ScriptedDialogs whole;
    const ComposerModel sheet = prompt(whole, {"1-30"});
    EXPECT_EQ(sheet.run.start, 1);
    EXPECT_EQ(sheet.run.end, 30);
    EXPECT_EQ(sheet.run.count, 30);

    ScriptedDialogs two;
    const ComposerModel last = prompt(two, {"29-30"});
    EXPECT_EQ(last.run.start, 29);
    EXPECT_EQ(last.run.count, 2);
    EXPECT_EQ(last.origin.column, 35);
    EXPECT_EQ(last.origin.row, 63);
}

TEST(LabelPosition, RefusalsBeepExplainAndAskAgain) {
    ScriptedDialogs d;
    const ComposerModel s = prompt(d, {"1-31", "1-100", "10-5", "123", "7"});
    EXPECT_EQ(d.messages(), (std::vector<std::string>{kMax30, kMaxCount, kStartAfterEnd, kDash}));
    EXPECT_EQ(d.beeps(), 4u);
    // Each refusal beeps before its box, then the prompt comes back.
    ASSERT_EQ(d.log.size(), 13u);
    EXPECT_EQ(d.log[1].kind, ShownBox::Beep);
    EXPECT_EQ(d.log[2].icon, Icon::Information);
    EXPECT_EQ(d.log[3].kind, ShownBox::Input);
    EXPECT_EQ(s.labelPosition, "7");
    EXPECT_EQ(s.run.count, 1);
    EXPECT_EQ(s.origin.column, 2);
    EXPECT_EQ(s.origin.row, 16);
}

TEST(LabelPosition, ZeroEmptyAndCancelDeselectTheMedia) {
    for (const char* answer : {"0", "", "  ", "--", "-5", "0-5", " . "}) {
        ScriptedDialogs d;
        d.queueInput(answer);
        ComposerModel s = labelChosen();
        s.labelPosition = "9";
        s.origin = {68, 16};
        labelPositionPrompt(s, d);
        EXPECT_EQ(s.media, Media::None) << answer;
        EXPECT_FALSE(composerView(s).positionVisible) << answer;
        EXPECT_EQ(composerView(s).positionCaption, "") << answer;
        EXPECT_EQ(s.origin.column, 2) << answer;
        EXPECT_EQ(s.origin.row, 3) << answer;
        EXPECT_TRUE(d.messages().empty()) << answer;
    }
}

TEST(LabelPosition, NonsenseEntriesAreRefusedWithoutHarm) {
    ScriptedDialogs d;
    const ComposerModel s =
        prompt(d, {"----------", std::string(200, '7').c_str(), "10-300", "abc", ""});
    EXPECT_EQ(d.messages(), (std::vector<std::string>{kDash, kDash, kDash, kDash}));
    EXPECT_EQ(s.media, Media::None);  // the final Cancel

    ScriptedDialogs d2;
    const ComposerModel one = prompt(d2, {"1-"});
    EXPECT_EQ(one.run.count, 1);
    EXPECT_EQ(composerView(one).positionCaption, "Label Position 1-");
    EXPECT_EQ(one.origin.row, 3);
}

TEST(LabelPosition, TheRangeParseRefusesAStartAfterTheEnd) {
    ScriptedDialogs d;
    LabelRun run{1, 4, 4};
    EXPECT_FALSE(parseLabelRange("9-3", run, d));
    EXPECT_EQ(run.count, 4);
    EXPECT_EQ(d.messages(), (std::vector<std::string>{kStartAfterEnd}));
    EXPECT_TRUE(parseLabelRange("12-15", run, d));
    EXPECT_EQ(run.start, 12);
    EXPECT_EQ(run.end, 15);
    EXPECT_EQ(run.count, 4);
}

}  // namespace
}  // namespace varnel
