#include "KeyedSortProxy.h"

#include <QCollator>
#include <QHash>

namespace GridBench {

KeyedSortProxy::KeyedSortProxy(InvoiceTableModel& Model)
    : m_Model(Model)
{
    setSourceModel(&Model);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    // Before the proxy hears of a change, so that it never sorts new rows by stale keys.
    connect(&Model, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] { ForgetKeys(); });
    connect(&Model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { ForgetKeys(); });
    connect(&Model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { ForgetKeys(); });
    connect(&Model, &QAbstractItemModel::dataChanged, this, [this] { ForgetKeys(); });
}

bool KeyedSortProxy::lessThan(const QModelIndex& Left, const QModelIndex& Right) const
{
    const int column = Left.column();
    const int left = Left.row();
    const int right = Right.row();
    if (column == Date)
        return m_Model.DateAt(left) < m_Model.DateAt(right);
    if (IsNumberColumn(column))
        return m_Model.NumberAt(left, column) < m_Model.NumberAt(right, column);
    if (m_KeyColumn != column)
        PrepareTextKeys(column);
    const int leftKey = m_KeyOf[size_t(left)];
    const int rightKey = m_KeyOf[size_t(right)];
    return leftKey != rightKey && m_Keys[size_t(leftKey)].compare(m_Keys[size_t(rightKey)]) < 0;
}

void KeyedSortProxy::PrepareTextKeys(int Column) const
{
    QCollator collator;
    collator.setCaseSensitivity(sortCaseSensitivity());
    const int rows = m_Model.rowCount();
    QHash<QString, int> entryOf;
    m_Keys.clear();
    m_KeyOf.assign(size_t(rows), 0);
    for (int row = 0; row < rows; ++row) {
        const QString& text = m_Model.TextAt(row, Column);
        auto found = entryOf.constFind(text);
        if (found == entryOf.constEnd()) {
            found = entryOf.insert(text, int(m_Keys.size()));
            m_Keys.push_back(collator.sortKey(text));
        }
        m_KeyOf[size_t(row)] = found.value();
    }
    m_KeyColumn = Column;
}

} // namespace GridBench
