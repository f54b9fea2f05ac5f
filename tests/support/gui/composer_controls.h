#pragma once
// The main window's composer lines by their object names.
#include <QLineEdit>
#include <array>
#include <cstddef>

#include "support/gui/find_control.h"

namespace varnel::testing {

// Line 1 to 5 as index 0 to 4 (line 3 is spelled "txtVRline3").
inline QLineEdit* composerLine(const QObject& window, std::size_t index) {
    static constexpr std::array<const char*, 5> kNames = {"txtVRLine1", "txtVRLine2", "txtVRline3",
                                                          "txtVRLine4", "txtVRLine5"};
    return findControl<QLineEdit>(window, kNames.at(index));
}

}  // namespace varnel::testing
