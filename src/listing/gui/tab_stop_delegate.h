#pragma once
// Draws a list line split into columns at its tab characters, with tab stops
// given in dialog units: a quarter of the font's average character width.
#include <QStyledItemDelegate>
#include <array>
#include <vector>

namespace varnel {

class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void clearTabStops() { stops_.clear(); }
    void setTabStops(const std::array<int, 7>& dialogUnits);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::vector<int> stops_;
};

}  // namespace varnel
