#pragma once
// The label composer as a model: the user's choices as plain values. What the
// window shows and enables follows from them through composerView(); the
// handlers are core functions the main window calls.
#include <array>
#include <cstdint>
#include <string>

#include "ports/document.h"
#include "printing/label_grid.h"

namespace varnel {

enum class Media { None, Label, Envelope };
enum class Alignment { Left, Centred };

// The return-address command's hold on the composer: its own Print button
// while the user types the lines, and the media and label styles locked until
// the user says no more pages.
enum class ReturnAddressStep { Off, EnterLines, Printed };

// The composer's fields a handler can move the focus to.
enum class ComposerField { None, Line1, Line2, Line3, Line4, Line5, Print };

// The labels one print run covers: `count` positions from `start` to `end`.
struct LabelRun {
    int start = 0;
    int end = 0;
    std::int16_t count = 0;
};

struct ComposerModel {
    std::array<std::string, 5> lines;
    Media media = Media::None;
    // 1 to 6 in the list's order; 0 while the list has no selection. The list
    // keeps its selection when the composer is cleared.
    int envelopeSize = 0;
    Alignment alignment = Alignment::Left;
    Orientation orientation = Orientation::Portrait;
    // The print origin: column in character cells, row in text rows.
    GridOrigin origin{2, 3};
    bool envelopeBold = false;
    bool envelopeLarge = false;
    bool labelBold = false;
    bool labelItalic = false;
    ReturnAddressStep returnAddress = ReturnAddressStep::Off;
    // The accepted label-position entry ("7", "4-9"); empty while none is chosen.
    std::string labelPosition;
    LabelRun run;
    // Where a handler asks the window to put the focus; the window clears it.
    ComposerField focus = ComposerField::None;
};

// What the window shows for a model.
struct ComposerView {
    bool mediaEnabled = true;            // "Label stock", "Envelope"
    bool envelopeListVisible = false;    // the size list
    bool orientationEnabled = true;      // "Portrait", "Landscape"
    bool envelopeStylesVisible = false;  // envelope "Bold", "Large Font"
    bool labelStylesVisible = true;      // label "Bold", "Italic"
    bool labelStylesEnabled = true;
    bool linesCentred = false;
    std::string positionCaption;
    bool positionVisible = false;
    std::string envelopeSizeCaption;  // kept in a hidden label
    std::string instruction;
    bool printVisible = true;
    bool returnAddressPrintVisible = false;
};

ComposerView composerView(const ComposerModel& m);

struct EnvelopeSizeEntry {
    const char* text;
    int leftPad;
    int topPad;
};

// The six envelope sizes in list order (envelopeSize 1 to 6).
extern const std::array<EnvelopeSizeEntry, 6> kEnvelopeSizes;

// The composer as the main window's load sets it.
void composerStart(ComposerModel& m);

// The composer part of the "Label stock" click; the label-position prompt follows it.
void composerLabelClick(ComposerModel& m);
void composerEnvelopeClick(ComposerModel& m);
// A size picked in the envelope list (index 0 to 5).
void composerEnvelopeSizeClick(ComposerModel& m, int index);
void composerLeftJustClick(ComposerModel& m);
void composerCenterClick(ComposerModel& m);
void composerPortraitClick(ComposerModel& m);
void composerLandscapeClick(ComposerModel& m);
// "Bold" / "Large Font" of envelopes.
void composerEnvelopeOptionClick(ComposerModel& m);
// "Bold" / "Italic" of labels.
void composerLabelOptionClick(ComposerModel& m);
void composerClear(ComposerModel& m);

}  // namespace varnel
