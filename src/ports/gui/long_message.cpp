#include "ports/gui/long_message.h"

#include <QStringList>

namespace varnel {

MessageParts fitMessage(const QString& text, const QString& details) {
    QString plain = text;
    plain.replace("\r\n", "\n");
    const QStringList lines = plain.split('\n');
    if (lines.size() <= kShownMessageLines) return {text, details};
    const qsizetype more = lines.size() - kShownMessageLines;
    MessageParts parts;
    parts.text = lines.first(kShownMessageLines).join('\n') +
                 QString("\n\n... and %1 more lines: Show Details lists them all.").arg(more);
    parts.details = details.isEmpty() ? plain : plain + "\n\n" + details;
    return parts;
}

}  // namespace varnel
