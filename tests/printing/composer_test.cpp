#include "printing/composer.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

ComposerState started() {
    ComposerState s;
    composerStart(s);
    return s;
}

TEST(Composer, EnvelopeBeforeAnySizeKeepsTheOrigin) {
    ComposerState s = started();
    s.txtVRLeftPad = "35";
    s.txtVRToppad = "10";
    composerEnvelopeClick(s);
    EXPECT_EQ(s.EnvelopeSize, "0");
    EXPECT_EQ(s.txtVRLeftPad, "35");
    EXPECT_EQ(s.txtVRToppad, "10");
    EXPECT_TRUE(s.optLandscape);
    EXPECT_FALSE(s.optPortrait);
    EXPECT_TRUE(s.cboVREnvelopeVisible);
    EXPECT_TRUE(s.chkBoldVisible);
    EXPECT_TRUE(s.chkLargeFontVisible);
    EXPECT_FALSE(s.frFeaturesVisible);
    EXPECT_EQ(s.focus, "txtVRLine1");
}

TEST(Composer, EverySizeSetsItsOrigin) {
    const char* expected[6][2] = {{"50", "31"}, {"33", "32"}, {"28", "30"},
                                  {"38", "28"}, {"40", "28"}, {"45", "27"}};
    for (int i = 0; i < 6; ++i) {
        ComposerState s = started();
        composerEnvelopeClick(s);
        composerEnvelopeSizeClick(s, i);
        EXPECT_EQ(s.EnvelopeSize, std::to_string(i + 1));
        EXPECT_EQ(s.txtVRLeftPad, expected[i][0]);
        EXPECT_EQ(s.txtVRToppad, expected[i][1]);
        EXPECT_EQ(s.lblVREnvSize, kEnvelopeSizes[static_cast<std::size_t>(i)].text);
        EXPECT_EQ(s.focus, "cmdVRStart");
    }
    EXPECT_STREQ(kEnvelopeSizes[0].text, "#10 Standard Business envelope (4 1/8 in x 9 1/2 in)");
    EXPECT_STREQ(kEnvelopeSizes[4].text, "#A8 Std Greeting Card envelope (5.5 in x 8 1/8 in)");
}

TEST(Composer, EnvelopeAfterAPickedSizeRestoresThatSizesOrigin) {
    ComposerState s = started();
    composerEnvelopeClick(s);
    composerEnvelopeSizeClick(s, 3);
    composerLabelClick(s);  // a label position would now set its own origin
    s.txtVRLeftPad = "68";
    composerEnvelopeClick(s);
    EXPECT_EQ(s.EnvelopeSize, "4");
    EXPECT_EQ(s.txtVRLeftPad, "38");
    EXPECT_EQ(s.txtVRToppad, "28");
}

TEST(Composer, PortraitResetsTheOriginEvenForAnEnvelope) {
    ComposerState s = started();
    composerEnvelopeClick(s);
    composerEnvelopeSizeClick(s, 0);
    composerPortraitClick(s);
    EXPECT_EQ(s.txtVRLeftPad, "2");
    EXPECT_EQ(s.txtVRToppad, "3");
    EXPECT_EQ(s.EnvelopeSize, "1");
    composerLandscapeClick(s);
    EXPECT_EQ(s.txtVRLeftPad, "2");
}

TEST(Composer, LabelStockHidesTheEnvelopeOptions) {
    ComposerState s = started();
    composerEnvelopeClick(s);
    composerEnvelopeSizeClick(s, 0);
    s.chkBold = true;
    s.chkLargeFont = true;
    s.lblVRPosition = "Label Position 5";
    composerLabelClick(s);
    EXPECT_TRUE(s.optVRLabel);
    EXPECT_FALSE(s.optVREnvelope);
    EXPECT_TRUE(s.optPortrait);
    EXPECT_FALSE(s.chkBold);
    EXPECT_FALSE(s.chkBoldVisible);
    EXPECT_FALSE(s.chkLargeFont);
    EXPECT_FALSE(s.chkLargeFontVisible);
    EXPECT_TRUE(s.frFeaturesVisible);
    EXPECT_FALSE(s.cboVREnvelopeVisible);
    EXPECT_EQ(s.lblVREnvSize, "");
    EXPECT_EQ(s.lblVRPosition, "");
}

TEST(Composer, LabelOptionsMoveFocusOnlyInLabelMode) {
    ComposerState s = started();
    s.focus.clear();
    composerLabelOptionClick(s);
    EXPECT_EQ(s.focus, "");
    composerLabelClick(s);
    composerLabelOptionClick(s);
    EXPECT_EQ(s.focus, "cmdVRStart");
}

TEST(Composer, AlignmentShowsOnTheLineBoxes) {
    ComposerState s = started();
    composerCenterClick(s);
    EXPECT_TRUE(s.linesCentered);
    EXPECT_TRUE(s.optVRCenter);
    EXPECT_FALSE(s.optVRLeftjust);
    composerLeftJustClick(s);
    EXPECT_FALSE(s.linesCentered);
}

TEST(Composer, ClearBringsBackTheStartingChoices) {
    ComposerState s = started();
    s.lines = {"a", "b", "c", "d", "e"};
    composerEnvelopeClick(s);
    composerEnvelopeSizeClick(s, 2);
    composerCenterClick(s);
    s.chkBold = true;
    s.cmdVRStartVisible = false;
    s.cmdRetAddressVisible = true;
    s.optVRLabelEnabled = false;
    s.chkLblBoldEnabled = false;
    s.chkLblItalic = true;
    s.lblVRPosition = "Label Position 7";
    s.StartPosition = "8";
    composerClear(s);
    for (const std::string& line : s.lines) EXPECT_EQ(line, "");
    EXPECT_FALSE(s.optVRLabel);
    EXPECT_FALSE(s.optVREnvelope);
    EXPECT_TRUE(s.optVRLabelEnabled);
    EXPECT_TRUE(s.optVREnvelopeEnabled);
    EXPECT_TRUE(s.optVRLeftjust);
    EXPECT_FALSE(s.optVRCenter);
    EXPECT_FALSE(s.linesCentered);
    EXPECT_FALSE(s.chkBold);
    EXPECT_FALSE(s.chkBoldVisible);
    EXPECT_TRUE(s.cmdVRStartVisible);
    EXPECT_FALSE(s.cmdRetAddressVisible);
    EXPECT_TRUE(s.chkLblBoldEnabled);
    EXPECT_FALSE(s.chkLblItalic);
    EXPECT_FALSE(s.lblVRPositionVisible);
    EXPECT_EQ(s.lblVRPosition, "");
    EXPECT_FALSE(s.cboVREnvelopeVisible);
    EXPECT_EQ(s.StartPosition, "0");
    EXPECT_EQ(s.EnvelopeSize, "0");
    EXPECT_EQ(s.txtVRLeftPad, "2");
    EXPECT_EQ(s.txtVRToppad, "3");
    EXPECT_EQ(s.focus, "txtVRLine1");
}

}  // namespace
}  // namespace varnel
