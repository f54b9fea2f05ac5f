#pragma once
// The input box of every prompt: a long prompt wraps instead of making the
// box wider than a screen, and the box stays at most kInputBoxMaxWidth wide.
#include <QInputDialog>
#include <memory>

namespace varnel {

inline constexpr int kInputBoxMaxWidth = 640;

std::unique_ptr<QInputDialog> makeInputBox(QWidget* parent, const QString& title,
                                           const QString& prompt, const QString& preset);

}  // namespace varnel
