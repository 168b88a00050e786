#pragma once

#include "InvoiceData.h"

#include <QAbstractTableModel>

#include <algorithm>
#include <vector>

namespace GridBench {

// What an experienced Qt developer writes: one plain vector per column, numbers as double and
// dates as QDate, so the proxy compares typed values.
class InvoiceTableModel final : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& Parent = {}) const override { return Parent.isValid() ? 0 : int(m_Invoice.size()); }
    int columnCount(const QModelIndex& Parent = {}) const override { return Parent.isValid() ? 0 : ColumnCount; }

    QVariant data(const QModelIndex& Index, int Role) const override
    {
        if (Role != Qt::DisplayRole || !Index.isValid())
            return {};
        const size_t r = size_t(Index.row());
        switch (Index.column()) {
        case Invoice: return m_Invoice[r];
        case Customer: return m_Customer[r];
        case City: return m_City[r];
        case Date: return m_Date[r];
        case Net: return m_Net[r];
        case Vat: return m_Vat[r];
        case Gross: return m_Gross[r];
        case Status: return m_Status[r];
        default: return {};
        }
    }

    void Append(const std::vector<InvoiceRow>& Rows)
    {
        const int first = rowCount();
        beginInsertRows({}, first, first + int(Rows.size()) - 1);
        for (const InvoiceRow& row : Rows) {
            m_Invoice.push_back(row.Cells[Invoice]);
            m_Customer.push_back(row.Cells[Customer]);
            m_City.push_back(row.Cells[City]);
            m_Date.push_back(ParseDate(row.Cells[Date]));
            m_Net.push_back(ParseNumber(row.Cells[Net]));
            m_Vat.push_back(ParseNumber(row.Cells[Vat]));
            m_Gross.push_back(ParseNumber(row.Cells[Gross]));
            m_Status.push_back(row.Cells[Status]);
        }
        endInsertRows();
    }

    bool removeRows(int Row, int Count, const QModelIndex& Parent = {}) override
    {
        if (Parent.isValid() || Row < 0 || Count <= 0 || Row + Count > rowCount())
            return false;
        beginRemoveRows({}, Row, Row + Count - 1);
        ForEachColumn([&](auto& column) { column.erase(column.begin() + Row, column.begin() + Row + Count); });
        endRemoveRows();
        return true;
    }

    // Many scattered rows go in one pass; the views are told by a reset rather than row by row.
    void RemoveMany(std::vector<int> Rows)
    {
        std::vector<char> doomed(m_Invoice.size(), 0);
        for (const int row : Rows)
            doomed[size_t(row)] = 1;
        beginResetModel();
        ForEachColumn([&](auto& column) {
            size_t out = 0;
            for (size_t r = 0; r < column.size(); ++r) {
                if (!doomed[r])
                    column[out++] = std::move(column[r]);
            }
            column.resize(out);
        });
        endResetModel();
    }

    void Clear()
    {
        beginResetModel();
        ForEachColumn([](auto& column) { std::remove_reference_t<decltype(column)>().swap(column); });
        endResetModel();
    }

private:
    template <class F>
    void ForEachColumn(F&& Action)
    {
        Action(m_Invoice);
        Action(m_Customer);
        Action(m_City);
        Action(m_Date);
        Action(m_Net);
        Action(m_Vat);
        Action(m_Gross);
        Action(m_Status);
    }

    std::vector<QString> m_Invoice, m_Customer, m_City, m_Status;
    std::vector<QDate> m_Date;
    std::vector<double> m_Net, m_Vat, m_Gross;
};

} // namespace GridBench
