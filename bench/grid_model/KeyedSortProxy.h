#pragma once

#include "InvoiceTableModel.h"

#include <QCollatorSortKey>
#include <QSortFilterProxyModel>

#include <vector>

namespace GridBench {

// The proxy an expert puts over the vector model: it orders by keys made once per sort instead of
// converting both cells to QVariant and collating them anew at every comparison. Texts compare by
// the collation key of each distinct text, numbers and dates by their values.
class KeyedSortProxy final : public QSortFilterProxyModel {
public:
    explicit KeyedSortProxy(InvoiceTableModel& Model);

protected:
    bool lessThan(const QModelIndex& Left, const QModelIndex& Right) const override;

private:
    void PrepareTextKeys(int Column) const;
    void ForgetKeys() { m_KeyColumn = -1; }

    const InvoiceTableModel& m_Model;
    mutable int m_KeyColumn = -1;                 // text column the keys below belong to; -1 none
    mutable std::vector<QCollatorSortKey> m_Keys; // one per distinct text of that column
    mutable std::vector<int> m_KeyOf;             // per source row, its text's entry in m_Keys
};

} // namespace GridBench
