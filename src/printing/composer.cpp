#include "printing/composer.h"

namespace varnel {

const std::array<EnvelopeSizeEntry, 6> kEnvelopeSizes = {{
    {"#10 Standard Business envelope (4 1/8 in x 9 1/2 in)", 50, 31},
    {"#6 3/4 Small envelope (3 5/8 in x 6 1/2 in)", 33, 32},
    {"#A2 Invitation envelope (4 3/8 in x 5 3/4 in)", 28, 30},
    {"#A7 Announcement envelope (5 1/4 in x 7 1/4 in)", 38, 28},
    {"#A8 Std Greeting Card envelope (5.5 in x 8 1/8 in)", 40, 28},
    {"#A10 Lrg Greeting Card envelope (6 in x 9 1/2 in)", 45, 27},
}};

namespace {

constexpr const char* kInstruction =
    "Varnel prints mailing labels (use Avery 5160 or 8160 labels) and envelopes.\r\n"
    "Power tip: click 'Search Contacts' to print labels for a specific subset of your contacts.";

constexpr GridOrigin kDefaultOrigin{2, 3};

const EnvelopeSizeEntry* sizeEntry(int size) {
    return size >= 1 && size <= 6 ? &kEnvelopeSizes[static_cast<std::size_t>(size - 1)] : nullptr;
}

void originFromSize(ComposerModel& m) {
    if (const EnvelopeSizeEntry* e = sizeEntry(m.envelopeSize)) m.origin = {e->leftPad, e->topPad};
}

}  // namespace

ComposerView composerView(const ComposerModel& m) {
    ComposerView v;
    const bool envelope = m.media == Media::Envelope;
    const bool locked = m.returnAddress != ReturnAddressStep::Off;
    v.mediaEnabled = !locked;
    v.envelopeListVisible = envelope;
    // Label sheets print upright: the orientation is the envelope's choice.
    v.orientationEnabled = m.media != Media::Label;
    v.envelopeStylesVisible = envelope;
    v.labelStylesVisible = !envelope;
    v.labelStylesEnabled = !locked;
    v.linesCentred = m.alignment == Alignment::Centred;
    if (m.media == Media::Label && !m.labelPosition.empty()) {
        v.positionCaption = "Label Position " + m.labelPosition;
        v.positionVisible = true;
    }
    if (const EnvelopeSizeEntry* e = sizeEntry(m.envelopeSize); e && envelope) {
        v.envelopeSizeCaption = e->text;
    }
    v.instruction = kInstruction;
    v.returnAddressPrintVisible = m.returnAddress == ReturnAddressStep::EnterLines;
    v.printVisible = !v.returnAddressPrintVisible;
    return v;
}

void composerStart(ComposerModel& m) {
    m.orientation = Orientation::Portrait;
    m.alignment = Alignment::Left;
    m.origin = kDefaultOrigin;
    m.focus = ComposerField::Line1;
    m.envelopeBold = false;
    m.labelBold = false;
    m.labelItalic = false;
    m.envelopeLarge = false;
}

void composerLabelClick(ComposerModel& m) {
    m.media = Media::Label;
    m.orientation = Orientation::Portrait;
    m.envelopeBold = false;
    m.envelopeLarge = false;
    m.labelPosition.clear();
}

void composerEnvelopeClick(ComposerModel& m) {
    m.media = Media::Envelope;
    m.orientation = Orientation::Landscape;
    m.labelPosition.clear();
    originFromSize(m);
    m.focus = ComposerField::Line1;
}

void composerEnvelopeSizeClick(ComposerModel& m, int index) {
    m.envelopeSize = index >= 0 && index < 6 ? index + 1 : 0;
    originFromSize(m);
    m.focus = ComposerField::Print;
}

void composerLeftJustClick(ComposerModel& m) {
    m.alignment = Alignment::Left;
    m.focus = ComposerField::Line1;
}

void composerCenterClick(ComposerModel& m) {
    m.alignment = Alignment::Centred;
    m.focus = ComposerField::Line1;
}

void composerPortraitClick(ComposerModel& m) {
    m.orientation = Orientation::Portrait;
    m.origin = kDefaultOrigin;
}

void composerLandscapeClick(ComposerModel& m) {
    m.orientation = Orientation::Landscape;
    m.focus = ComposerField::Line1;
}

void composerEnvelopeOptionClick(ComposerModel& m) { m.focus = ComposerField::Print; }

void composerLabelOptionClick(ComposerModel& m) {
    if (m.media == Media::Label) m.focus = ComposerField::Print;
}

void composerClear(ComposerModel& m) {
    m.envelopeBold = false;
    m.envelopeLarge = false;
    m.returnAddress = ReturnAddressStep::Off;
    m.labelBold = false;
    m.labelItalic = false;
    m.alignment = Alignment::Left;
    for (std::string& line : m.lines) line.clear();
    m.media = Media::None;
    m.labelPosition.clear();
    m.run.start = 0;
    m.origin = kDefaultOrigin;
    m.focus = ComposerField::Line1;
}

}  // namespace varnel
