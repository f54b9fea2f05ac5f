#include "listing/gui/contact_list_model.h"

#include "ports/gui/qt_text.h"

namespace varnel {

int ContactListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 ||
        static_cast<std::size_t>(index.row()) >= list_.size()) {
        return {};
    }
    const ListLine& line = list_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return fromCp(line.text);
    if (role == RecordRole) return line.record;
    return {};
}

void ContactListModel::clear() {
    if (list_.empty()) return;
    beginResetModel();
    list_.clear();
    endResetModel();
}

std::vector<std::size_t> ContactListModel::add(std::vector<ListLine> lines) {
    if (lines.empty()) {
        std::vector<std::size_t> same(list_.size());
        for (std::size_t i = 0; i < same.size(); ++i) same[i] = i;
        return same;
    }
    beginResetModel();
    std::vector<std::size_t> moved = list_.add(std::move(lines));
    endResetModel();
    return moved;
}

void ContactListModel::removeAt(std::vector<std::size_t> rows) {
    if (rows.empty()) return;
    beginResetModel();
    list_.removeAt(std::move(rows));
    endResetModel();
}

}  // namespace varnel
