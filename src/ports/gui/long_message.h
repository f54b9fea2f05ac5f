#pragma once
// A message box taller than the screen can be neither read nor closed. Past
// kShownMessageLines the box shows the first lines and a note, and its
// details (a scrolling field behind "Show Details...") hold the whole text.
#include <QString>

namespace varnel {

inline constexpr qsizetype kShownMessageLines = 20;

struct MessageParts {
    QString text;
    QString details;
};

MessageParts fitMessage(const QString& text, const QString& details);

}  // namespace varnel
