// The input box as the platform shows it.
#include "ports/gui/input_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "ports/gui/qt_text.h"
#include "printing/label_position.h"
#include "support/gui/find_control.h"
#include "support/scripted_dialogs.h"

namespace varnel {
namespace {

using testing::ScriptedDialogs;
using testing::ShownBox;

// The label-position prompt is one long sentence: it wraps onto several lines
// of a box no wider than 640 px, and every line of it shows.
TEST(InputBox, ALongPromptWrapsInABoxAtMost640Wide) {
    ScriptedDialogs asked;
    ComposerModel state;
    labelPositionPrompt(state, asked);  // answered with Cancel
    ASSERT_FALSE(asked.log.empty());
    const ShownBox& prompt = asked.log.front();
    ASSERT_EQ(prompt.kind, ShownBox::Input);
    ASSERT_GT(prompt.text.size(), 200u);

    std::unique_ptr<QInputDialog> box =
        makeInputBox(nullptr, fromCp(prompt.title), fromCp(prompt.text), fromCp(prompt.preset));
    box->show();
    QApplication::processEvents();
    EXPECT_LE(box->width(), 640);
    EXPECT_GE(box->width(), 300);
    auto* label = testing::find<QLabel>(box.get(), "lblPrompt");
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->text(), fromCp(prompt.text));
    const int lineHeight = label->fontMetrics().lineSpacing();
    EXPECT_GE(label->height(), 3 * lineHeight);
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    EXPECT_EQ(box->textValue(), "1");
    EXPECT_EQ(box->windowTitle(), "Label position reading L to R");
}

// A short prompt keeps a box of its own size.
TEST(InputBox, AShortPromptKeepsASmallBox) {
    std::unique_ptr<QInputDialog> box = makeInputBox(nullptr, "Month", "Month (1-12):", "5");
    box->show();
    QApplication::processEvents();
    EXPECT_LT(box->width(), 640);
    EXPECT_EQ(testing::find<QLabel>(box.get(), "lblPrompt")->text(), "Month (1-12):");
}

}  // namespace
}  // namespace varnel
