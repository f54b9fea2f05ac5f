#include "listing/gui/contact_list_model.h"

#include "listing/contact_report.h"
#include "ports/gui/qt_text.h"

namespace varnel {

int ContactListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

int ContactListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kListColumns;
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 ||
        static_cast<std::size_t>(index.row()) >= list_.size()) {
        return {};
    }
    const ListLine& line = list_[static_cast<std::size_t>(index.row())];
    // On screen the padding blanks inside a piece go: "12 Main St Apt 3".
    if (role == Qt::DisplayRole) {
        return fromCp(std::string(listColumn(line.text, index.column()))).simplified();
    }
    if (role == RecordRole) return line.record;
    return {};
}

QVariant ContactListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kListColumns) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QString::fromLatin1(reportColumns(display_).headings[static_cast<std::size_t>(section)]);
}

void ContactListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kListColumns) return;
    beginResetModel();
    list_.sortBy({column, order == Qt::DescendingOrder});
    endResetModel();
}

void ContactListModel::setDisplay(ListDisplay display) {
    if (display == display_) return;
    display_ = display;
    emit headerDataChanged(Qt::Horizontal, 0, kListColumns - 1);
}

void ContactListModel::clear() {
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
