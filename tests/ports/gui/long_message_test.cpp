// Message boxes that would not fit on a screen.
#include "ports/gui/long_message.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace varnel {
namespace {

TEST(LongMessage, PastTwentyLinesTheRestGoesIntoTheDetails) {
    QStringList lines;
    for (int i = 1; i <= 1000; ++i)
        lines << QString("Person %1 has a birthday coming up on 05/08").arg(i);
    const QString text = lines.join("\r\n");

    const MessageParts fitted = fitMessage(text, "");
    EXPECT_EQ(fitted.text, QStringList(lines.first(20)).join('\n') +
                               "\n\n... and 980 more lines: Show Details lists them all.");
    EXPECT_EQ(fitted.details, lines.join('\n'));
    EXPECT_EQ(fitMessage(text, "Not added (1)").details, lines.join('\n') + "\n\nNot added (1)");

    // Twenty lines still fit as they are.
    const QString twenty = QStringList(lines.first(20)).join("\r\n");
    EXPECT_EQ(fitMessage(twenty, "more").text, twenty);
    EXPECT_EQ(fitMessage(twenty, "more").details, "more");
}

}  // namespace
}  // namespace varnel
