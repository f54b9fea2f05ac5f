#include "printing/composer.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

ComposerModel started() {
    ComposerModel s;
    composerStart(s);
    return s;
}

TEST(Composer, EnvelopeBeforeAnySizeKeepsTheOrigin) {
    ComposerModel s = started();
    s.origin = {35, 10};
    composerEnvelopeClick(s);
    EXPECT_EQ(s.envelopeSize, 0);
    EXPECT_EQ(s.origin.column, 35);
    EXPECT_EQ(s.origin.row, 10);
    EXPECT_EQ(s.orientation, Orientation::Landscape);
    EXPECT_EQ(s.focus, ComposerField::Line1);
}

TEST(Composer, EverySizeSetsItsOrigin) {
    const int expected[6][2] = {{50, 31}, {33, 32}, {28, 30}, {38, 28}, {40, 28}, {45, 27}};
    for (int i = 0; i < 6; ++i) {
        ComposerModel s = started();
        composerEnvelopeClick(s);
        composerEnvelopeSizeClick(s, i);
        EXPECT_EQ(s.envelopeSize, i + 1);
        EXPECT_EQ(s.origin.column, expected[i][0]);
        EXPECT_EQ(s.origin.row, expected[i][1]);
        EXPECT_EQ(composerView(s).envelopeSizeCaption,
                  kEnvelopeSizes[static_cast<std::size_t>(i)].text);
        EXPECT_EQ(s.focus, ComposerField::Print);
    }
    EXPECT_STREQ(kEnvelopeSizes[0].text, "#10 Standard Business envelope (4 1/8 in x 9 1/2 in)");
    EXPECT_STREQ(kEnvelopeSizes[4].text, "#A8 Std Greeting Card envelope (5.5 in x 8 1/8 in)");
}

TEST(Composer, EnvelopeAfterAPickedSizeRestoresThatSizesOrigin) {
    ComposerModel s = started();
    composerEnvelopeClick(s);
    composerEnvelopeSizeClick(s, 3);
    composerLabelClick(s);  // a label position would now set its own origin
    s.origin.column = 68;
    composerEnvelopeClick(s);
    EXPECT_EQ(s.envelopeSize, 4);
    EXPECT_EQ(s.origin.column, 38);
    EXPECT_EQ(s.origin.row, 28);
}

TEST(Composer, PortraitResetsTheOriginEvenForAnEnvelope) {
    ComposerModel s = started();
    composerEnvelopeClick(s);
    composerEnvelopeSizeClick(s, 0);
    composerPortraitClick(s);
    EXPECT_EQ(s.origin.column, 2);
    EXPECT_EQ(s.origin.row, 3);
    EXPECT_EQ(s.envelopeSize, 1);
    composerLandscapeClick(s);
    EXPECT_EQ(s.origin.column, 2);
}

TEST(Composer, LabelStockClearsTheEnvelopeStylesAndThePosition) {
    ComposerModel s = started();
    composerEnvelopeClick(s);
    composerEnvelopeSizeClick(s, 0);
    s.envelopeBold = true;
    s.envelopeLarge = true;
    s.labelPosition = "5";
    composerLabelClick(s);
    EXPECT_EQ(s.media, Media::Label);
    EXPECT_EQ(s.orientation, Orientation::Portrait);
    EXPECT_FALSE(s.envelopeBold);
    EXPECT_FALSE(s.envelopeLarge);
    EXPECT_EQ(s.labelPosition, "");
}

TEST(Composer, LabelOptionsMoveFocusOnlyInLabelMode) {
    ComposerModel s = started();
    s.focus = ComposerField::None;
    composerLabelOptionClick(s);
    EXPECT_EQ(s.focus, ComposerField::None);
    composerLabelClick(s);
    composerLabelOptionClick(s);
    EXPECT_EQ(s.focus, ComposerField::Print);
}

TEST(Composer, AlignmentShowsOnTheLineBoxes) {
    ComposerModel s = started();
    composerCenterClick(s);
    EXPECT_EQ(s.alignment, Alignment::Centred);
    EXPECT_TRUE(composerView(s).linesCentred);
    composerLeftJustClick(s);
    EXPECT_FALSE(composerView(s).linesCentred);
}

TEST(Composer, ClearBringsBackTheStartingChoices) {
    ComposerModel s = started();
    s.lines = {"a", "b", "c", "d", "e"};
    composerEnvelopeClick(s);
    composerEnvelopeSizeClick(s, 2);
    composerCenterClick(s);
    s.envelopeBold = true;
    s.returnAddress = ReturnAddressStep::EnterLines;
    s.labelItalic = true;
    composerClear(s);
    for (const std::string& line : s.lines) EXPECT_EQ(line, "");
    EXPECT_EQ(s.media, Media::None);
    EXPECT_EQ(s.alignment, Alignment::Left);
    EXPECT_FALSE(s.envelopeBold);
    EXPECT_FALSE(s.labelItalic);
    EXPECT_EQ(s.returnAddress, ReturnAddressStep::Off);
    EXPECT_EQ(s.origin.column, 2);
    EXPECT_EQ(s.origin.row, 3);
    EXPECT_EQ(s.focus, ComposerField::Line1);
    const ComposerView v = composerView(s);
    EXPECT_TRUE(v.printVisible);
    EXPECT_FALSE(v.returnAddressPrintVisible);
    EXPECT_TRUE(v.mediaEnabled);
    EXPECT_TRUE(v.labelStylesEnabled);
    EXPECT_FALSE(v.positionVisible);
    EXPECT_FALSE(v.envelopeListVisible);
    EXPECT_FALSE(v.envelopeStylesVisible);
    // The list keeps its size: "Envelope" brings back that size's origin.
    composerEnvelopeClick(s);
    EXPECT_EQ(s.origin.column, 28);
}

// What the window shows follows from the media, orientation, envelope size,
// label position and return-address step alone.
TEST(ComposerView, EveryChoiceShowsItsControls) {
    struct Case {
        Media media;
        Orientation orientation;
        int size;
        const char* position;
        ReturnAddressStep step;
        // Expected:
        bool envelopeControls;  // size list, envelope Bold and Large Font
        bool labelStyles;       // label Bold and Italic shown
        bool orientationEnabled;
        bool choicesEnabled;  // media options and label styles
        bool returnPrint;     // the return-address Print instead of the composer's
        const char* positionCaption;
        const char* sizeCaption;
    };
    const char* a7 = "#A7 Announcement envelope (5 1/4 in x 7 1/4 in)";
    using enum Media;
    using enum ReturnAddressStep;
    constexpr Orientation P = Orientation::Portrait;
    constexpr Orientation L = Orientation::Landscape;
    const Case cases[] = {
        {None, P, 0, "", Off, false, true, true, true, false, "", ""},
        {None, L, 4, "7", Off, false, true, true, true, false, "", ""},
        {Label, P, 0, "", Off, false, true, false, true, false, "", ""},
        {Label, P, 4, "4-9", Off, false, true, false, true, false, "Label Position 4-9", ""},
        {Label, L, 0, "7", Off, false, true, false, true, false, "Label Position 7", ""},
        {Envelope, L, 0, "", Off, true, false, true, true, false, "", ""},
        {Envelope, L, 4, "", Off, true, false, true, true, false, "", a7},
        {Envelope, P, 4, "7", Off, true, false, true, true, false, "", a7},
        {Envelope, P, 7, "", Off, true, false, true, true, false, "", ""},
        {None, P, 0, "", EnterLines, false, true, true, false, true, "", ""},
        {Envelope, L, 4, "", EnterLines, true, false, true, false, true, "", a7},
        {Label, P, 0, "5", Printed, false, true, false, false, false, "Label Position 5", ""},
    };
    for (const Case& c : cases) {
        ComposerModel m;
        m.media = c.media;
        m.orientation = c.orientation;
        m.envelopeSize = c.size;
        m.labelPosition = c.position;
        m.returnAddress = c.step;
        const ComposerView v = composerView(m);
        const std::string where =
            "media " + std::to_string(static_cast<int>(c.media)) + " orientation " +
            std::to_string(static_cast<int>(c.orientation)) + " size " + std::to_string(c.size) +
            " step " + std::to_string(static_cast<int>(c.step));
        EXPECT_EQ(v.envelopeListVisible, c.envelopeControls) << where;
        EXPECT_EQ(v.envelopeStylesVisible, c.envelopeControls) << where;
        EXPECT_EQ(v.labelStylesVisible, c.labelStyles) << where;
        EXPECT_EQ(v.orientationEnabled, c.orientationEnabled) << where;
        EXPECT_EQ(v.mediaEnabled, c.choicesEnabled) << where;
        EXPECT_EQ(v.labelStylesEnabled, c.choicesEnabled) << where;
        EXPECT_EQ(v.returnAddressPrintVisible, c.returnPrint) << where;
        EXPECT_EQ(v.printVisible, !c.returnPrint) << where;
        EXPECT_EQ(v.positionCaption, c.positionCaption) << where;
        EXPECT_EQ(v.positionVisible, *c.positionCaption != '\0') << where;
        EXPECT_EQ(v.envelopeSizeCaption, c.sizeCaption) << where;
        EXPECT_EQ(v.instruction,
                  "Varnel prints mailing labels (use Avery 5160 or 8160 labels) and envelopes.\r\n"
                  "Power tip: click 'Search Contacts' to print labels for a specific subset of "
                  "your contacts.")
            << where;
    }
}

}  // namespace
}  // namespace varnel
