#include "InvoiceTableModel.h"
#include "ProxySide.h"

#include <QCollator>
#include <QHash>

namespace GridBench {

namespace {

// Compares keys made once per sort instead of values per comparison: numbers and dates as numbers,
// texts by a collation key made once per distinct text.
class KeyedProxy final : public QSortFilterProxyModel {
public:
    void sort(int Column, Qt::SortOrder Order) override
    {
        BuildKeys(Column);
        QSortFilterProxyModel::sort(Column, Order);
    }

protected:
    bool lessThan(const QModelIndex& Left, const QModelIndex& Right) const override
    {
        const size_t l = size_t(Left.row());
        const size_t r = size_t(Right.row());
        if (!m_Numbers.empty())
            return m_Numbers[l] < m_Numbers[r];
        return m_TextKeys[size_t(m_KeyOf[l])].compare(m_TextKeys[size_t(m_KeyOf[r])]) < 0;
    }

private:
    void BuildKeys(int Column)
    {
        m_Numbers.clear();
        m_KeyOf.clear();
        m_TextKeys.clear();
        const QAbstractItemModel* source = sourceModel();
        const int rows = source->rowCount();
        if (IsNumberColumn(Column) || Column == Date) {
            m_Numbers.resize(size_t(rows));
            for (int r = 0; r < rows; ++r) {
                const QVariant value = source->index(r, Column).data();
                m_Numbers[size_t(r)] = Column == Date ? double(value.toDate().toJulianDay()) : value.toDouble();
            }
            return;
        }
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        QHash<QString, int> distinct;
        m_KeyOf.resize(size_t(rows));
        for (int r = 0; r < rows; ++r) {
            const QString text = source->index(r, Column).data().toString();
            auto found = distinct.constFind(text);
            if (found == distinct.cend()) {
                found = distinct.insert(text, int(m_TextKeys.size()));
                m_TextKeys.push_back(collator.sortKey(text));
            }
            m_KeyOf[size_t(r)] = *found;
        }
    }

    std::vector<double> m_Numbers;            // source row -> key, for number and date columns
    std::vector<int> m_KeyOf;                 // source row -> index into m_TextKeys, for text columns
    std::vector<QCollatorSortKey> m_TextKeys; // one per distinct text
};

class ExpertSide final : public ProxySide {
public:
    ExpertSide()
        : ProxySide(std::make_unique<KeyedProxy>())
    {
        Attach(&m_Model);
    }

    void Append(const std::vector<InvoiceRow>& Rows) override { m_Model.Append(Rows); }

    void DeleteSelected() override
    {
        m_Model.RemoveMany(std::move(m_Selected));
        m_Selected.clear();
    }

    void Clear() override { m_Model.Clear(); }

private:
    InvoiceTableModel m_Model;
};

} // namespace

std::unique_ptr<BenchSide> MakeExpertSide()
{
    return std::make_unique<ExpertSide>();
}

} // namespace GridBench
