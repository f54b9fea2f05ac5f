#include "listing/gui/tab_stop_delegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "listing/tab_layout.h"

namespace varnel {

void TabStopDelegate::setTabStops(const std::array<int, 7>& dialogUnits) {
    stops_.assign(dialogUnits.begin(), dialogUnits.end());
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QStringList pieces = text.split('\t');
    const QFontMetricsF metrics(opt.font);
    std::vector<double> widths;
    widths.reserve(static_cast<std::size_t>(pieces.size()));
    for (const QString& p : pieces) widths.push_back(metrics.horizontalAdvance(p));
    const std::vector<double> starts =
        tabbedPieceStarts(widths, stops_, metrics.averageCharWidth());

    painter->save();
    painter->setFont(opt.font);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(
        opt.palette.color(QPalette::Normal, selected ? QPalette::HighlightedText : QPalette::Text));
    const QRectF area = QRectF(opt.rect).adjusted(2, 0, 0, 0);
    painter->setClipRect(opt.rect);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QRectF r(area.left() + starts[static_cast<std::size_t>(i)], area.top(),
                 widths[static_cast<std::size_t>(i)] + 1, area.height());
        painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, pieces[i]);
    }
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    // Every line has the same height; the width reaches past the last stop by
    // an e-mail address, so the view can scroll to it.
    const QFontMetricsF metrics(option.font);
    const int last = stops_.empty() ? 0 : *std::max_element(stops_.begin(), stops_.end());
    const double width = last * metrics.averageCharWidth() / 4.0 + 60 * metrics.averageCharWidth();
    return QSize(static_cast<int>(std::ceil(width)),
                 static_cast<int>(std::ceil(metrics.height())) + 2);
}

}  // namespace varnel
