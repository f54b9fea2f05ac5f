#pragma once
// What the printing tests share: a program folder, the scripted ports and
// composers ready to print.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ports/document.h"
#include "printing/composer.h"
#include "printing/font_metrics.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/temp_dir.h"

namespace varnel::testing {

// A composer after "Label stock" and a position prompt answered with `entry`.
inline ComposerModel labelComposer(const std::string& entry, int originColumn, int originRow) {
    ComposerModel s;
    s.lines = {"Ann Smith", "12 Main St", "Springfield, IL  62704", "", ""};
    s.media = Media::Label;
    s.labelPosition = entry;
    s.origin = {originColumn, originRow};
    return s;
}

// A composer after "Envelope" and a size from the list (1 to 6).
inline ComposerModel envelopeComposer(int size, int leftPad, int topPad) {
    ComposerModel s;
    s.lines = {"Ann Smith", "12 Main St", "Springfield, IL  62704", "", ""};
    s.media = Media::Envelope;
    s.orientation = Orientation::Landscape;
    s.envelopeSize = size;
    s.origin = {leftPad, topPad};
    return s;
}

// The placements of one document that carry text, in order.
inline std::vector<Placement> texts(const Document& doc) {
    std::vector<Placement> out;
    for (const Placement& p : doc.placements) {
        if (!p.text.empty()) out.push_back(p);
    }
    return out;
}

// x of Tab(column) in the placement's font.
inline double tabX(const Placement& p, int column) {
    return (std::max(column, 1) - 1) * columnWidth(p.font);
}

}  // namespace varnel::testing
