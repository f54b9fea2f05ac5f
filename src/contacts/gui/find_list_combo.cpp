#include "contacts/gui/find_list_combo.h"

#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace varnel {

namespace {

// First name (14), initial (1) and last name (18) with their two blanks.
constexpr int kLongestEntry = 35;

}  // namespace

FindListCombo::FindListCombo(QWidget* parent)
    : QComboBox(parent), popup_(new QFrame(this, Qt::Popup)), list_(new QListView(popup_)) {
    popup_->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(popup_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->installEventFilter(this);
    connect(list_, &QListView::clicked, this, &FindListCombo::choose);
}

void FindListCombo::showPopup() {
    if (list_->model() != model()) list_->setModel(model());
    const QFontMetrics metrics(list_->font());
    const int rowHeight = metrics.height() + 4;
    const int rows = std::clamp(count(), 1, maxVisibleItems());
    const int scrollBar = list_->verticalScrollBar()->sizeHint().width();
    // Wide enough for the longest entry of average letters; no entry is measured.
    const int width = std::max(
        this->width(), metrics.horizontalAdvance(QString(kLongestEntry, 'n')) + scrollBar + 8);
    QPoint at = mapToGlobal(QPoint(0, height()));
    QSize size(width, rows * rowHeight + 2);
    if (const QScreen* s = screen()) {
        // Above the box when there is no room below it.
        const QRect room = s->availableGeometry();
        if (at.y() + size.height() > room.bottom() &&
            at.y() - height() - size.height() >= room.top())
            at.setY(at.y() - height() - size.height());
    }
    popup_->setGeometry(QRect(at, size));
    const int row = std::max(currentIndex(), 0);
    if (count() > 0) {
        list_->setCurrentIndex(model()->index(row, 0));
        list_->scrollTo(list_->currentIndex(), QAbstractItemView::PositionAtCenter);
    }
    popup_->show();
    list_->setFocus();
}

void FindListCombo::hidePopup() {
    popup_->hide();
    QComboBox::hidePopup();
}

void FindListCombo::choose(const QModelIndex& index) {
    hidePopup();
    if (!index.isValid()) return;
    setCurrentIndex(index.row());
    emit activated(index.row());
}

bool FindListCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            hidePopup();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(list_->currentIndex());
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

}  // namespace varnel
