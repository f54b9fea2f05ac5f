#pragma once
// The browser's find list as a model that is refilled in one reset, so a
// file of 100,000 contacts fills the drop-down at once.
#include <QAbstractListModel>
#include <cstdint>
#include <vector>

#include "contacts/find_list.h"

namespace varnel {

class FindListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    static constexpr int RecordRole = Qt::UserRole;

    // Replaces every entry; the entries come sorted.
    void setEntries(std::vector<FindEntry> entries);
    std::int32_t recordAt(int row) const;
    void removeEntry(int row);
    // A saved contact's entry takes its new text and place.
    void replaceEntry(FindEntry entry);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<FindEntry> entries_;
};

}  // namespace varnel
