#pragma once
// The list window's lines for a QListView: the core working set behind a
// model, so 100,000 lines cost no widget items.
#include <QAbstractListModel>
#include <vector>

#include "listing/contact_list.h"

namespace varnel {

class ContactListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The record number of a line's contact (0 for a pasted line).
    static constexpr int RecordRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const ContactList& list() const { return list_; }
    void clear();
    // Sorts the lines in; returns where each line held before now stands.
    std::vector<std::size_t> add(std::vector<ListLine> lines);
    void removeAt(std::vector<std::size_t> rows);

private:
    ContactList list_;
};

}  // namespace varnel
