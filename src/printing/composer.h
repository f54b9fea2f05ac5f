#pragma once
// The label composer's controls and form-level state as plain values, so that
// every handler is a core function the main window calls and mirrors.
#include <array>
#include <cstdint>
#include <string>

namespace varnel {

struct ComposerState {
    // txtVRLine1, txtVRLine2, txtVRline3, txtVRLine4, txtVRLine5
    std::array<std::string, 5> lines;

    bool optVRLabel = false;
    bool optVREnvelope = false;
    bool optVRLabelEnabled = true;
    bool optVREnvelopeEnabled = true;

    int cboVREnvelopeIndex = -1;  // -1: no size picked ("Select Envelope Size")
    bool cboVREnvelopeVisible = false;

    bool optVRLeftjust = false;
    bool optVRCenter = false;
    bool optPortrait = false;
    bool optLandscape = false;
    bool linesCentered = false;  // the on-screen alignment of the five line boxes

    bool chkBold = false;
    bool chkBoldVisible = false;
    bool chkLargeFont = false;
    bool chkLargeFontVisible = false;
    bool frFeaturesVisible = true;
    bool chkLblBold = false;
    bool chkLblItalic = false;
    bool chkLblBoldEnabled = true;
    bool chkLblItalicEnabled = true;

    std::string txtVRLeftPad;  // print origin column
    std::string txtVRToppad;   // print origin row

    std::string lblVRPosition;
    bool lblVRPositionVisible = true;
    std::string lblVREnvSize;
    bool lblVREnvSizeVisible = false;
    std::string lblVRInstruct;

    bool cmdVRStartVisible = true;
    bool cmdRetAddressVisible = false;

    // Form-level state.
    std::string EnvelopeSize;
    std::string PositionEntry;
    std::string StartPosition;
    std::string EndPosition;
    std::int16_t LabelCount = 0;

    // The control a handler moves the focus to ("txtVRLine1", "cmdVRStart",
    // "txtVRLine4"); empty when it leaves the focus alone. The window applies
    // it and clears it.
    std::string focus;
};

struct EnvelopeSizeEntry {
    const char* text;
    const char* leftPad;
    const char* topPad;
};

// The six envelope sizes in list order (EnvelopeSize 1 to 6).
extern const std::array<EnvelopeSizeEntry, 6> kEnvelopeSizes;

}  // namespace varnel

namespace varnel {

// The default print origin: column 2, row 3.
void setDefaultOrigin(ComposerState& s);

// The composer's state as the main window's load sets it.
void composerStart(ComposerState& s);

// The composer part of the "Label stock" click; the label-position prompt follows it.
void composerLabelClick(ComposerState& s);
void composerEnvelopeClick(ComposerState& s);
// A size picked in the envelope list (index 0 to 5).
void composerEnvelopeSizeClick(ComposerState& s, int index);
void composerLeftJustClick(ComposerState& s);
void composerCenterClick(ComposerState& s);
void composerPortraitClick(ComposerState& s);
void composerLandscapeClick(ComposerState& s);
// "Bold" / "Large Font" of envelopes.
void composerEnvelopeOptionClick(ComposerState& s);
// "Bold" / "Italic" of labels.
void composerLabelOptionClick(ComposerState& s);
void composerClear(ComposerState& s);

}  // namespace varnel
