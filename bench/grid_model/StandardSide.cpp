#include "ProxySide.h"

#include <QStandardItemModel>

#include <algorithm>

namespace GridBench {

namespace {

// The everyday Qt way: a QStandardItemModel holding numbers and dates as typed display data,
// sorted and filtered by a proxy.
class StandardSide final : public ProxySide {
public:
    StandardSide()
    {
        m_Model.setColumnCount(ColumnCount);
        Attach(&m_Model);
    }

    void Append(const std::vector<InvoiceRow>& Rows) override
    {
        for (const InvoiceRow& row : Rows) {
            QList<QStandardItem*> items;
            items.reserve(ColumnCount);
            for (int c = 0; c < ColumnCount; ++c) {
                auto* item = new QStandardItem;
                if (IsNumberColumn(c))
                    item->setData(ParseNumber(row.Cells[size_t(c)]), Qt::DisplayRole);
                else if (c == Date)
                    item->setData(ParseDate(row.Cells[size_t(c)]), Qt::DisplayRole);
                else
                    item->setData(row.Cells[size_t(c)], Qt::DisplayRole);
                items.append(item);
            }
            m_Model.appendRow(items);
        }
    }

    void DeleteSelected() override
    {
        // Highest first, each stretch of neighbours in one call.
        std::sort(m_Selected.begin(), m_Selected.end(), std::greater<>());
        for (size_t i = 0; i < m_Selected.size();) {
            size_t j = i + 1;
            while (j < m_Selected.size() && m_Selected[j] == m_Selected[j - 1] - 1)
                ++j;
            m_Model.removeRows(m_Selected[j - 1], int(j - i));
            i = j;
        }
        m_Selected.clear();
    }

    void Clear() override
    {
        m_Model.clear();
        m_Model.setColumnCount(ColumnCount);
    }

private:
    QStandardItemModel m_Model;
};

} // namespace

std::unique_ptr<BenchSide> MakeStandardSide()
{
    return std::make_unique<StandardSide>();
}

} // namespace GridBench
