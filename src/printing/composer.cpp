#include "printing/composer.h"

namespace varnel {

const std::array<EnvelopeSizeEntry, 6> kEnvelopeSizes = {{
    {"#10 Standard Business envelope (4 1/8 in x 9 1/2 in)", "50", "31"},
    {"#6 3/4 Small envelope (3 5/8 in x 6 1/2 in)", "33", "32"},
    {"#A2 Invitation envelope (4 3/8 in x 5 3/4 in)", "28", "30"},
    {"#A7 Announcement envelope (5 1/4 in x 7 1/4 in)", "38", "28"},
    {"#A8 Std Greeting Card envelope (5.5 in x 8 1/8 in)", "40", "28"},
    {"#A10 Lrg Greeting Card envelope (6 in x 9 1/2 in)", "45", "27"},
}};

}  // namespace varnel

namespace varnel {

namespace {
constexpr const char* kInstruction =
    "Varnel prints mailing labels (use Avery 5160 or 8160 labels) and envelopes.\r\n"
    "Power tip: click 'Search Contacts' to print labels for a specific subset of your contacts.";

void originFromSize(ComposerState& s) {
    int size = s.cboVREnvelopeIndex + 1;
    s.EnvelopeSize = std::to_string(size);
    if (size >= 1 && size <= 6) {
        s.txtVRLeftPad = kEnvelopeSizes[static_cast<std::size_t>(size - 1)].leftPad;
        s.txtVRToppad = kEnvelopeSizes[static_cast<std::size_t>(size - 1)].topPad;
    }
}
}  // namespace

void setDefaultOrigin(ComposerState& s) {
    s.txtVRLeftPad = "2";
    s.txtVRToppad = "3";
}

void composerStart(ComposerState& s) {
    s.lblVRInstruct = kInstruction;
    s.optPortrait = true;
    s.optLandscape = false;
    s.optVRLeftjust = true;
    s.optVRCenter = false;
    s.linesCentered = false;
    setDefaultOrigin(s);
    s.cboVREnvelopeVisible = false;
    s.focus = "txtVRLine1";
    s.chkBold = false;
    s.chkBoldVisible = false;
    s.frFeaturesVisible = true;
    s.chkLblBold = false;
    s.chkLblItalic = false;
    s.chkLargeFont = false;
    s.chkLargeFontVisible = false;
}

void composerLabelClick(ComposerState& s) {
    s.optVRLabel = true;
    s.optVREnvelope = false;
    s.optPortrait = true;
    s.optLandscape = false;
    s.chkBold = false;
    s.chkBoldVisible = false;
    s.frFeaturesVisible = true;
    s.chkLargeFont = false;
    s.chkLargeFontVisible = false;
    s.cboVREnvelopeVisible = false;
    s.lblVREnvSize.clear();
    s.lblVRPosition.clear();
}

void composerEnvelopeClick(ComposerState& s) {
    s.optVREnvelope = true;
    s.optVRLabel = false;
    s.optLandscape = true;
    s.optPortrait = false;
    s.cboVREnvelopeVisible = true;
    s.lblVRPosition.clear();
    s.chkBoldVisible = true;
    s.chkLargeFontVisible = true;
    s.frFeaturesVisible = false;
    originFromSize(s);
    s.lblVREnvSizeVisible = false;
    s.focus = "txtVRLine1";
}

void composerEnvelopeSizeClick(ComposerState& s, int index) {
    s.cboVREnvelopeIndex = index;
    if (index >= 0 && index < 6) s.lblVREnvSize = kEnvelopeSizes[static_cast<std::size_t>(index)].text;
    originFromSize(s);
    s.chkBoldVisible = true;
    s.chkLargeFontVisible = true;
    s.focus = "cmdVRStart";
}

void composerLeftJustClick(ComposerState& s) {
    s.optVRLeftjust = true;
    s.optVRCenter = false;
    s.focus = "txtVRLine1";
    s.linesCentered = false;
}

void composerCenterClick(ComposerState& s) {
    s.optVRCenter = true;
    s.optVRLeftjust = false;
    s.focus = "txtVRLine1";
    s.linesCentered = true;
}

void composerPortraitClick(ComposerState& s) {
    s.optPortrait = true;
    s.optLandscape = false;
    setDefaultOrigin(s);
}

void composerLandscapeClick(ComposerState& s) {
    s.optLandscape = true;
    s.optPortrait = false;
    s.focus = "txtVRLine1";
}

void composerEnvelopeOptionClick(ComposerState& s) { s.focus = "cmdVRStart"; }

void composerLabelOptionClick(ComposerState& s) {
    if (s.optVRLabel) s.focus = "cmdVRStart";
}

void composerClear(ComposerState& s) {
    s.chkBold = false;
    s.chkBoldVisible = false;
    s.chkLargeFont = false;
    s.chkLargeFontVisible = false;
    s.cmdVRStartVisible = true;
    s.optVRLabelEnabled = true;
    s.optVREnvelopeEnabled = true;
    s.cmdRetAddressVisible = false;
    s.frFeaturesVisible = true;
    s.chkLblBoldEnabled = true;
    s.chkLblItalicEnabled = true;
    s.chkLblBold = false;
    s.chkLblItalic = false;
    s.optVRLeftjust = true;
    s.optVRCenter = false;
    s.linesCentered = false;
    for (std::string& line : s.lines) line.clear();
    s.optVRLabel = false;
    s.optVREnvelope = false;
    s.lblVRPositionVisible = false;
    s.cboVREnvelopeVisible = false;
    s.lblVRPosition.clear();
    s.StartPosition = "0";
    s.EnvelopeSize = "0";
    setDefaultOrigin(s);
    s.focus = "txtVRLine1";
}

}  // namespace varnel
