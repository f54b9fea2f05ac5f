#pragma once
// The list window's lines for a table view: the core working set behind a
// model, each tab-separated piece under its column heading, so 1,000,000
// lines cost no widget items.
#include <QAbstractTableModel>
#include <vector>

#include "listing/contact_list.h"

namespace varnel {

class ContactListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The record number of a line's contact (0 for a pasted line).
    static constexpr int RecordRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // A click on a heading: the whole list takes that column's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    const ContactList& list() const { return list_; }
    // The headings, and the report's columns, follow the display the list
    // was built with, whatever the display option shows by now.
    ListDisplay display() const { return display_; }
    void setDisplay(ListDisplay display);
    void clear();
    // Sorts the lines in; returns where each line held before now stands.
    std::vector<std::size_t> add(std::vector<ListLine> lines);
    void removeAt(std::vector<std::size_t> rows);

private:
    ContactList list_;
    ListDisplay display_ = ListDisplay::Street;
};

}  // namespace varnel
