#include "contacts/gui/find_list_model.h"

#include <array>
#include <string>

#include "ports/gui/qt_text.h"

namespace varnel {

namespace {

// Windows-1252 is one byte per character, so a table converts long lists fast.
const std::array<QChar, 256>& cp1252Chars() {
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const QString one = fromCp(std::string(1, static_cast<char>(b)));
            t[static_cast<std::size_t>(b)] = one.isEmpty() ? QChar('?') : one.front();
        }
        return t;
    }();
    return table;
}

QString fromCpFast(const std::string& text) {
    const auto& table = cp1252Chars();
    QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* data = out.data();
    for (unsigned char c : text) *data++ = table[c];
    return out;
}

}  // namespace

void FindListModel::setEntries(std::vector<FindEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

std::int32_t FindListModel::recordAt(int row) const {
    if (row < 0 || row >= rowCount()) return 0;
    return entries_[static_cast<std::size_t>(row)].record;
}

void FindListModel::removeEntry(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    entries_.erase(entries_.begin() + row);
    endRemoveRows();
}

void FindListModel::replaceEntry(FindEntry entry) {
    beginResetModel();
    replaceFindEntry(entries_, std::move(entry));
    endResetModel();
}

int FindListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant FindListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const FindEntry& e = entries_[static_cast<std::size_t>(index.row())];
    // Converted only when shown, so a long list costs nothing until it is opened.
    if (role == Qt::DisplayRole || role == Qt::EditRole) return fromCpFast(e.text);
    if (role == RecordRole) return e.record;
    return {};
}

}  // namespace varnel
