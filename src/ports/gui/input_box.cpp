#include "ports/gui/input_box.h"

#include <QLabel>
#include <QLayout>

namespace varnel {

std::unique_ptr<QInputDialog> makeInputBox(QWidget* parent, const QString& title,
                                           const QString& prompt, const QString& preset) {
    auto box = std::make_unique<QInputDialog>(parent);
    box->setWindowTitle(title);
    box->setInputMode(QInputDialog::TextInput);
    box->setLabelText(prompt);
    box->setTextValue(preset);
    if (auto* label = box->findChild<QLabel*>()) {
        label->setObjectName("lblPrompt");
        label->setWordWrap(true);
        // Without a width hint a wrapping label is laid out as narrow as it can be.
        label->setMinimumWidth(qMin(label->sizeHint().width(), kInputBoxMaxWidth - 40));
    }
    box->setMaximumWidth(kInputBoxMaxWidth);
    box->adjustSize();
    return box;
}

}  // namespace varnel
