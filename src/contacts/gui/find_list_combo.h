#pragma once
// The browser's drop-down. QComboBox measures the width of every entry each
// time its list opens; this one opens its own list view, of uniform rows and
// a width set from the longest entry a record can give, so a list of a
// million contacts opens at once.
#include <QComboBox>
#include <QFrame>
#include <QListView>

namespace varnel {

class FindListCombo : public QComboBox {
    Q_OBJECT
public:
    explicit FindListCombo(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

    QListView* popupList() const { return list_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(const QModelIndex& index);

    QFrame* popup_;
    QListView* list_;
};

}  // namespace varnel
