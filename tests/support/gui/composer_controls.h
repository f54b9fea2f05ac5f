#pragma once
// The main window's composer lines by their object names.
#include <QLineEdit>
#include <cstddef>

#include "support/gui/find_control.h"

namespace varnel::testing {

// Line 1 to 5 as index 0 to 4 (line 3 is spelled "txtVRline3").
inline QLineEdit* composerLine(const QObject& window, std::size_t index) {
    return find<QLineEdit>(&window, composerLineName(index));
}

}  // namespace varnel::testing
