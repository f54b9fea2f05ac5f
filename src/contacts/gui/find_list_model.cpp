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

void FindListModel::setEntries(const std::vector<FindEntry>& entries) {
    QStringList texts;
    std::vector<std::int32_t> records;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    records.reserve(entries.size());
    for (const FindEntry& e : entries) {
        texts.push_back(fromCpFast(e.text));
        records.push_back(e.record);
    }
    beginResetModel();
    texts_ = std::move(texts);
    records_ = std::move(records);
    endResetModel();
}

std::int32_t FindListModel::recordAt(int row) const {
    if (row < 0 || row >= texts_.size()) return 0;
    return records_[static_cast<std::size_t>(row)];
}

void FindListModel::removeEntry(int row) {
    if (row < 0 || row >= texts_.size()) return;
    beginRemoveRows(QModelIndex(), row, row);
    texts_.removeAt(row);
    records_.erase(records_.begin() + row);
    endRemoveRows();
}

int FindListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

QVariant FindListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= texts_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return texts_[index.row()];
    if (role == RecordRole) return records_[static_cast<std::size_t>(index.row())];
    return {};
}

}  // namespace varnel
