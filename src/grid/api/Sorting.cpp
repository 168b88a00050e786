#include "grid/RuzuZiriPrivate.h"

#include "grid/model/SortingEngine.h"

#include <algorithm>

namespace Tarvex {

namespace {

// Steps the header click's cycle: unsorted -> smallest first -> greatest first -> unsorted.
qint32 NextSortOrder(qint32 Order)
{
    switch (Order) {
    case 0: return 2;
    case 2: return 1;
    case 1: return 0;
    default: return Order;
    }
}

// Every order other than 1 (greatest first) sorts smallest first; folding it here keeps large
// values from wrapping into 1 on their way to the 16-bit order argument.
qint16 SortDirection(qint32 SortOrder)
{
    return SortOrder == 1 ? 1 : 2;
}

} // namespace

// Stores and normalises the sort columns; false when they name no column, and the sort is ignored.
// -1 keeps the column sorted last: both hold column numbers, whatever order the columns are shown in.
bool RuzuZiriPrivate::TakeSortColumns(int vCol1, int vCol2)
{
    if ((vCol1 != -1 && !m_Model.IsColumn(vCol1)) || (vCol2 != -1 && !m_Model.IsColumn(vCol2)))
        return false;
    if (vCol1 != -1)
        m_Sort.m_SortCol = vCol1;
    if (vCol2 != -1)
        m_Sort.m_SortSubCol = vCol2;
    if (m_Sort.m_SortCol == -1 && m_Sort.m_SortSubCol != -1)
        std::swap(m_Sort.m_SortCol, m_Sort.m_SortSubCol);
    if (m_Sort.m_SortCol == m_Sort.m_SortSubCol)
        m_Sort.m_SortSubCol = -1;
    return m_Sort.m_SortCol != -1;
}

void RuzuZiri::Sort(int vCol1, int vCol1SortType, int vCol2, int vCol2SortType)
{
    if (d->m_Model.LastRow() == -1 || d->m_Sort.m_Sorting)
        return;
    // An open edit is committed first; one the host keeps open keeps the rows where they are.
    const Lifeline self(this);
    if (!UpdateCell(false) && (!self.Alive() || d->m_Edit.EditOpen())) {
        if (self.Alive())
            DoEvents();
        return;
    }
    if (d->m_Model.LastRow() == -1)
        return;
    if (!d->TakeSortColumns(vCol1, vCol2))
        return;

    const qint32 lastOrder = d->m_Model.Columns()[d->m_Sort.m_SortCol].SortOrder;
    const qint32 sortOrder = vCol1SortType == -1 ? NextSortOrder(lastOrder) : vCol1SortType;
    d->m_Model.SetColumnField(d->m_Sort.m_SortCol, &udtColumn::SortOrder, sortOrder);
    if (d->m_Sort.m_SortSubCol != -1)
        d->m_Model.SetColumnField(
            d->m_Sort.m_SortSubCol, &udtColumn::SortOrder, vCol2SortType == -1 ? sortOrder : vCol2SortType);

    const int currentRecord = d->m_Current.m_Row != -1 && d->m_Model.IsRowPosition(d->m_Current.m_Row)
        ? d->m_Model.RowOrder()[d->m_Current.m_Row]
        : 0;
    if (sortOrder != 0) {
        d->m_Sort.m_Sorting = true;
        const bool finished
            = d->SortRows(0, d->m_Model.LastRow(), d->m_Sort.m_SortCol, SortDirection(sortOrder)) && d->SortSubRanges();
        if (!self.Alive())
            return;
        d->m_Sort.m_SortKeys.clear();
        d->m_Sort.m_Sorting = false;
        // A CustomSort handler changed the rows: what it did stands, and no sort completed.
        if (!finished)
            return;
    } else {
        d->m_Model.ResetRowOrder();
        d->m_Sort.m_SortCol = -1;
        d->m_Sort.m_SortSubCol = -1;
    }

    // Hidden rows count in the last page, so where it starts moves with them.
    if (d->m_Painter.m_Paint)
        d->UpdateScrollRanges();
    else
        d->m_Painter.m_PendingScroll = true;
    // The current row follows its record, which paints the sorted rows; a record a filter hides
    // cannot be current, and they are painted as they are.
    const auto& order = d->m_Model.RowOrder();
    const auto current = std::find(order.begin(), order.end(), currentRecord);
    const int position = int(current - order.begin());
    if (current != order.end() && d->m_Model.RowAt(position).Visible)
        RowColSet(position, -1);
    else
        d->DrawGrid(d->m_Painter.m_Paint);
    if (!self.Alive())
        return;
    if (d->Raise(&RuzuZiri::SortComplete))
        DoEvents();
}

// False when a CustomSort handler changed the rows under the sort, which then gave up.
bool RuzuZiriPrivate::SortRows(int First, int Last, int Col, qint16 Order)
{
    if (Last <= First || !m_Model.IsColumn(Col))
        return true;
    switch (m_Model.Columns()[Col].ColType) {
    case ColTypeCheckBox: SortRowsType3(First, Last, Col, Order); break;
    case ColTypeDate: SortRowsDate(First, Last, Col, Order); break;
    case ColTypeNumber: SortRowsNumeric(First, Last, Col, Order); break;
    case ColTypeCustomSort: return SortRowsCustom(First, Last, Col, Order);
    default: SortRowsText(First, Last, Col, Order); break;
    }
    return true;
}

// The keys of a column are computed once per sort, for every record, and serve the primary sort
// and all runs of the secondary one.
const std::vector<double>& RuzuZiriPrivate::SortKeys(int Col, const std::function<std::vector<double>()>& Build)
{
    auto& keys = m_Sort.m_SortKeys[Col];
    if (keys.size() != size_t(m_Model.ItemCount()))
        keys = Build();
    return keys;
}

void RuzuZiriPrivate::SortRowsByKeys(int First, int Last, qint16 Order, const std::vector<double>& Keys)
{
    m_Model.SortRowStretch(First, Last, Keys, Order == 1);
}

SortingEngine::TextOfRecord RuzuZiriPrivate::SortTexts(int Col) const
{
    return [this, Col](int record) { return m_Model.Rows()[size_t(record)].Cells.View(size_t(Col)); };
}

// A checked cell counts -1 and an unchecked one 0, so greatest first lists unchecked rows first.
void RuzuZiriPrivate::SortRowsType3(int First, int Last, int Col, qint16 Order)
{
    SortRowsByKeys(First, Last, Order, SortKeys(Col, [this, Col] {
        std::vector<double> keys(size_t(m_Model.ItemCount()));
        for (size_t record = 0; record < keys.size(); ++record)
            keys[record] = IsFlagSet(m_Model.Rows()[record].Cells[size_t(Col)].Flags, CellFlagChecked) ? -1.0 : 0.0;
        return keys;
    }));
}

// Texts that are no dates sort below every date, in both directions.
void RuzuZiriPrivate::SortRowsDate(int First, int Last, int Col, qint16 Order)
{
    SortRowsByKeys(First, Last, Order,
        SortKeys(Col, [this, Col] { return SortingEngine::DateKeys(m_Model.ItemCount(), SortTexts(Col)); }));
}

void RuzuZiriPrivate::SortRowsNumeric(int First, int Last, int Col, qint16 Order)
{
    SortRowsByKeys(First, Last, Order,
        SortKeys(Col, [this, Col] { return SortingEngine::NumberKeys(m_Model.ItemCount(), SortTexts(Col)); }));
}

void RuzuZiriPrivate::SortRowsText(int First, int Last, int Col, qint16 Order)
{
    SortRowsByKeys(First, Last, Order,
        SortKeys(Col, [this, Col] { return SortingEngine::TextKeys(m_Model.ItemCount(), SortTexts(Col)); }));
}

// The host decides each comparison. Value1 and Value2 are the cells' texts: what the handler leaves
// in them is stored back into the cells. The handler may also switch the column for the comparisons
// that follow. Whatever it answers the sort ends with a permutation; if it adds, removes or reorders
// rows or columns, the sort gives up and leaves the order as the handler left it; if it deletes the
// grid, the sort ends without touching it.
bool RuzuZiriPrivate::SortRowsCustom(int First, int Last, int Col, qint16 Order)
{
    const Lifeline self(q);
    std::vector<int> records = m_Model.RowStretch(First, Last);
    const std::vector<int> before = records;
    const quint64 revision = m_Model.Revision();
    int column = Col;
    bool changed = false;

    const auto storeIfChanged = [this](int record, int col, const QString& text) {
        if (m_Model.Rows()[size_t(record)].Cells.View(size_t(col)) != text)
            m_Model.StoreText(record, col, text);
    };
    SortingEngine::Judge judge;
    judge.GoesBefore = [&](int r, int p) {
        QString value1 = m_Model.Rows()[r].Cells.Text(size_t(column));
        QString value2 = m_Model.Rows()[p].Cells.Text(size_t(column));
        int col = column;
        bool swap = false;
        emit q->CustomSort(Order == 1, col, value1, value2, swap);
        if (!self.Alive() || m_Model.Revision() != revision) {
            changed = true;
            return false;
        }
        storeIfChanged(r, column, value1);
        storeIfChanged(p, column, value2);
        if (m_Model.IsColumn(col))
            column = col;
        return swap;
    };
    judge.Stop = [&] { return changed; };

    return SortingEngine::SortByJudge(records, judge) && m_Model.ReorderRowStretch(First, before, records);
}

// Runs of equal primary text (compared exactly, whatever the primary column's kind) are ordered by
// the secondary column. False when a CustomSort handler changed the rows under it.
bool RuzuZiriPrivate::SortSubRanges()
{
    if (m_Sort.m_SortSubCol == -1 || !m_Model.IsColumn(m_Sort.m_SortSubCol) || !m_Model.IsColumn(m_Sort.m_SortCol))
        return true;
    const qint16 order = SortDirection(m_Model.Columns()[m_Sort.m_SortSubCol].SortOrder);
    const int rowCount = m_Model.ItemCount();
    const size_t col = size_t(m_Sort.m_SortCol);
    int start = 0;
    for (int p = 1; p <= rowCount; ++p) {
        if (p < rowCount && m_Model.RowAt(p).Cells.View(col) == m_Model.RowAt(start).Cells.View(col))
            continue;
        if (!SortRows(start, p - 1, m_Sort.m_SortSubCol, order))
            return false;
        start = p;
    }
    return true;
}

} // namespace Tarvex
