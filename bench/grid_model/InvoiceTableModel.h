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
    int rowCount(const QModelIndex& Parent = {}) const override { return Parent.isValid() ? 0 : int(m_Invoice.size() - m_GapSize); }
    int columnCount(const QModelIndex& Parent = {}) const override { return Parent.isValid() ? 0 : ColumnCount; }

    QVariant data(const QModelIndex& Index, int Role) const override
    {
        if (Role != Qt::DisplayRole || !Index.isValid())
            return {};
        const int row = Index.row();
        switch (Index.column()) {
        case Date: return DateAt(row);
        case Net:
        case Vat:
        case Gross: return NumberAt(row, Index.column());
        default: return TextAt(row, Index.column());
        }
    }

    // The typed cells, for a proxy that compares without going through QVariant.
    const QString& TextAt(int Row, int Column) const
    {
        static const QString none;
        const size_t r = Physical(Row);
        switch (Column) {
        case Invoice: return m_Invoice[r];
        case Customer: return m_Customer[r];
        case City: return m_City[r];
        case Status: return m_Status[r];
        default: return none;
        }
    }

    double NumberAt(int Row, int Column) const
    {
        const size_t r = Physical(Row);
        return Column == Net ? m_Net[r] : Column == Vat ? m_Vat[r] : Column == Gross ? m_Gross[r] : 0.0;
    }

    QDate DateAt(int Row) const { return m_Date[Physical(Row)]; }

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

    // Removes these rows (any order) as contiguous ranges, lowest first, each announced by its own
    // beginRemoveRows so that views and proxies keep their state. Erasing range by range would move
    // the tail once per range; instead the rows before the next range move to the front once and the
    // rows not yet reached wait behind a gap that data() reads across, so the model is whole at every
    // signal and the storage moves once in all.
    void RemoveRanges(std::vector<int> Rows)
    {
        std::sort(Rows.begin(), Rows.end());
        Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
        const size_t stored = m_Invoice.size();
        size_t write = 0; // rows before it are in place
        size_t read = 0;  // next stored row not yet reached
        for (size_t i = 0; i < Rows.size();) {
            size_t j = i + 1;
            while (j < Rows.size() && Rows[j] == Rows[j - 1] + 1)
                ++j;
            const size_t first = size_t(Rows[i]);
            const size_t count = j - i;
            MoveDown(read, first, write);
            write += first - read;
            read = first;
            m_GapAt = write;
            m_GapSize = read - write;
            beginRemoveRows({}, int(write), int(write + count) - 1);
            read += count;
            m_GapSize = read - write;
            endRemoveRows();
            i = j;
        }
        MoveDown(read, stored, write);
        write += stored - read;
        ForEachColumn([&](auto& column) { column.resize(write); });
        m_GapAt = m_GapSize = 0;
    }

    // The text a cell shows, straight from the column vectors.
    QString Text(int Row, int Column) const
    {
        const size_t r = size_t(Row);
        switch (Column) {
        case Invoice: return m_Invoice[r];
        case Customer: return m_Customer[r];
        case City: return m_City[r];
        case Date: return ShownDate(m_Date[r]);
        case Net: return ShownNumber(m_Net[r]);
        case Vat: return ShownNumber(m_Vat[r]);
        case Gross: return ShownNumber(m_Gross[r]);
        case Status: return m_Status[r];
        default: return {};
        }
    }

    void Clear()
    {
        beginResetModel();
        ForEachColumn([](auto& column) { std::remove_reference_t<decltype(column)>().swap(column); });
        endResetModel();
    }

private:
    size_t Physical(int Row) const { return size_t(Row) < m_GapAt ? size_t(Row) : size_t(Row) + m_GapSize; }

    // Stored rows From..To-1 move to Target.. (Target <= From).
    void MoveDown(size_t From, size_t To, size_t Target)
    {
        if (Target == From)
            return;
        ForEachColumn([&](auto& column) { std::move(column.begin() + From, column.begin() + To, column.begin() + Target); });
    }

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
    size_t m_GapAt = 0;   // first stored row behind the gap while RemoveRanges runs
    size_t m_GapSize = 0; // stored rows already removed but not yet closed up
};

} // namespace GridBench
