#include <tarvex/grid/model/GridModel.h>

#include "grid/model/NumberParsing.h"
#include "grid/model/SortingEngine.h"

#include <QVarLengthArray>

#include <algorithm>
#include <numeric>

namespace Tarvex {

GridModel::GridModel()
{
    ResetFormats();
}

int GridModel::AddColumn(const udtColumn& Column, int Index, const CellLook& Look)
{
    const int n = Cols();
    ++m_Revision;
    ++m_Edits;
    m_Columns.push_back(Column);
    m_Totals.emplace_back();
    m_TotalsValue.push_back(0.0);
    m_TotalsSums.emplace_back();

    if (m_LastRow >= 0) {
        const int look = FindOrAddFormat(Look);
        udtCell cell;
        cell.Alignment = static_cast<qint16>(Column.Alignment);
        cell.FormatIndex = look;
        for (int r = 0; r <= m_LastRow; ++r)
            m_Rows[r].Cells.AddCell(cell);
        RetainFormat(look, m_LastRow + 1);
    }

    if (Index <= 0 || Index >= n) {
        m_ColOrder.push_back(n);
        return n;
    }
    m_ColOrder.insert(m_ColOrder.begin() + Index, n);
    return Index;
}

int GridModel::AddRow(QStringView Item, int Position, const CellLook& Look)
{
    GrowRowsIfFull();
    ++m_Revision;
    ++m_Edits;
    const int record = ++m_LastRow;
    udtRow& row = m_Rows.emplace_back();

    // The texts are read in place from Item and copied once, into the row's block.
    const int look = FindOrAddFormat(Look);
    QVarLengthArray<udtCell, 32> cells(Cols());
    QVarLengthArray<QAnyStringView, 32> texts;
    qsizetype start = 0;
    for (int c = 0; c < Cols(); ++c) {
        udtCell& cell = cells[c];
        cell.Alignment = static_cast<qint16>(m_Columns[c].Alignment);
        cell.Flags = static_cast<quint8>(m_Columns[c].Flags);
        cell.FormatIndex = look;
        if (start > Item.size())
            continue;
        qsizetype end = Item.indexOf(u'\t', start);
        if (end < 0)
            end = Item.size();
        const QStringView text = Item.sliced(start, end - start);
        texts.push_back(text);
        const double value = rVal(text);
        AddToTotal(c, value);
        if (m_Columns[c].ColType == ColTypeCheckBox)
            SetFlagBit(cell.Flags, CellFlagChecked, value != 0.0);
        start = end + 1;
    }
    row.Cells = RowCells(cells, texts);
    RetainFormat(look, Cols());
    SettleTotals();

    if (Position >= 0 && Position < record) {
        m_RowOrder.insert(m_RowOrder.begin() + Position, record);
        m_ShownIndexStale = true;
        return Position;
    }
    m_RowOrder.push_back(record);
    if (!m_ShownIndexStale) {
        m_ShownPositions.Append(row.Visible);
        m_HiddenHeaders.Append(IsHiddenHeader(row));
    }
    return record;
}

void GridModel::RemoveRow(int Position)
{
    if (!IsRowPosition(Position))
        return;
    ++m_Revision;
    ++m_Edits;
    m_ShownIndexStale = true;
    const int record = m_RowOrder[Position];
    ForgetRow(m_Rows[record]);
    NoteRowShown(m_Rows[record], -1);
    RenumberSelectedAfterRemoval(record);
    RenumberFollowed([record](int r) { return r == record ? -1 : r - (r > record ? 1 : 0); });
    m_Rows.erase(m_Rows.begin() + record);
    // Without a branch per entry the renumbering runs at memory speed over a million positions.
    m_RowOrder.erase(m_RowOrder.begin() + Position);
    for (int& r : m_RowOrder)
        r -= r > record ? 1 : 0;
    --m_LastRow;
    SettleTotals();
    ShrinkRowsIfSparse();
}

int GridModel::RemoveRows(const std::function<bool(const udtRow&)>& Doomed)
{
    std::vector<int> newRecord(m_Rows.size(), -1);
    int kept = 0;
    for (int r = 0; r <= m_LastRow; ++r) {
        if (Doomed(m_Rows[r])) {
            ForgetRow(m_Rows[r]);
            NoteRowShown(m_Rows[r], -1);
            continue;
        }
        if (kept != r)
            m_Rows[kept] = std::move(m_Rows[r]);
        newRecord[r] = kept++;
    }
    const int removed = ItemCount() - kept;
    if (removed == 0)
        return 0;
    ++m_Revision;
    ++m_Edits;
    m_ShownIndexStale = true;

    m_Rows.resize(kept);
    RenumberFollowed([&newRecord](int r) { return newRecord[size_t(r)]; });
    m_SelectedRecords.clear();
    for (int r = 0; r < kept; ++r)
        if (IsFlagSet(m_Rows[size_t(r)].Flags, RowFlagSelected))
            m_SelectedRecords.insert(r);
    int position = 0;
    for (const int r : m_RowOrder)
        if (newRecord[r] >= 0)
            m_RowOrder[position++] = newRecord[r];
    m_RowOrder.resize(kept);
    m_LastRow = kept - 1;
    SettleTotals();
    ShrinkRowsIfSparse();
    return removed;
}

void GridModel::Clear()
{
    ++m_Revision;
    ++m_Edits;
    std::vector<udtRow>().swap(m_Rows);
    std::vector<int>().swap(m_RowOrder);
    m_LastRow = -1;
    m_VisibleRowsHeight = 0;
    m_ShownPositions.Assign({});
    m_HiddenHeaders.Assign({});
    m_ShownIndexStale = false;
    m_SelectedRecords.clear();
    RenumberFollowed([](int) { return -1; });
    ResetTotals();
    ResetFormats();
}

void GridModel::ClearAll()
{
    m_Columns.clear();
    m_ColOrder.clear();
    m_Totals.clear();
    Clear();
}

// Records above the removed one move down by one, and so do their numbers in the selection.
void GridModel::RenumberSelectedAfterRemoval(int Record)
{
    if (m_SelectedRecords.empty())
        return;
    std::unordered_set<int> renumbered;
    renumbered.reserve(m_SelectedRecords.size());
    for (const int r : m_SelectedRecords)
        if (r != Record)
            renumbered.insert(r > Record ? r - 1 : r);
    m_SelectedRecords.swap(renumbered);
}

void GridModel::ResetRowOrder()
{
    ++m_Revision;
    ++m_Edits;
    m_ShownIndexStale = true;
    std::iota(m_RowOrder.begin(), m_RowOrder.end(), 0);
}

void GridModel::SortRowStretch(int First, int Last, const std::vector<double>& Keys, bool GreatestFirst)
{
    if (!IsRowPosition(First) || !IsRowPosition(Last) || Last < First || Keys.size() != m_Rows.size())
        return;
    ++m_Revision;
    ++m_Edits;
    m_ShownIndexStale = true;
    SortingEngine::SortByKeys(std::span(m_RowOrder.data() + First, size_t(Last - First + 1)), Keys, GreatestFirst);
}

std::vector<int> GridModel::RowStretch(int First, int Last) const
{
    if (!IsRowPosition(First) || !IsRowPosition(Last) || Last < First)
        return {};
    return { m_RowOrder.begin() + First, m_RowOrder.begin() + Last + 1 };
}

bool GridModel::ReorderRowStretch(int First, const std::vector<int>& Before, const std::vector<int>& Records)
{
    if (Before.size() != Records.size() || RowStretch(First, First + int(Before.size()) - 1) != Before)
        return false;
    std::vector<int> sortedBefore = Before;
    std::vector<int> sortedRecords = Records;
    std::sort(sortedBefore.begin(), sortedBefore.end());
    std::sort(sortedRecords.begin(), sortedRecords.end());
    if (sortedBefore != sortedRecords)
        return false;
    ++m_Revision;
    ++m_Edits;
    m_ShownIndexStale = true;
    std::copy(Records.begin(), Records.end(), m_RowOrder.begin() + First);
    return true;
}

void GridModel::StoreText(int Record, int Col, QStringView Text)
{
    if (Record < 0 || Record > m_LastRow || !IsColumn(Col))
        return;
    ++m_Edits;
    udtRow& Row = m_Rows[size_t(Record)];
    TextScratch scratch;
    const QStringView old = Utf16Of(Row.Cells.View(size_t(Col)), scratch);
    const double value = rVal(Text);
    if (!old.isEmpty())
        AddToTotal(Col, -rVal(old));
    AddToTotal(Col, value);
    Row.Cells.SetText(size_t(Col), Text);
    SettleTotals();
    if (m_Columns[Col].ColType == ColTypeCheckBox)
        SetFlagBit(Row.Cells[size_t(Col)].Flags, CellFlagChecked, value != 0.0);
}

// Growth is geometric so that adding a million rows one by one copies each record a few times at
// most; the cache increment only sets the least step. However large a host sets it, one growth
// reserves a few megabytes of spare records at most, beyond that the doubling keeps growth cheap.
void GridModel::GrowRowsIfFull()
{
    if (m_Rows.size() < m_Rows.capacity())
        return;
    const size_t step = std::max<size_t>({ SpareRecordsWanted(), 1, m_Rows.size() });
    m_Rows.reserve(m_Rows.size() + step);
    m_RowOrder.reserve(m_Rows.capacity());
}

size_t GridModel::SpareRecordsWanted() const
{
    constexpr size_t MostSpareRecords = 1 << 16;
    return std::min(size_t(std::max(m_CacheIncrement, 0)), MostSpareRecords);
}

void GridModel::ShrinkRowsIfSparse()
{
    const size_t live = m_Rows.size();
    const size_t spare = m_Rows.capacity() - live;
    if (spare <= SpareRecordsWanted() || spare < 3 * live)
        return;
    m_Rows.shrink_to_fit();
    m_RowOrder.shrink_to_fit();
}

void GridModel::ForgetRow(const udtRow& Row)
{
    TextScratch scratch;
    for (int c = 0; c < Cols(); ++c) {
        const udtCell& cell = Row.Cells[size_t(c)];
        if (cell.FormatIndex >= 0)
            ReleaseFormat(cell.FormatIndex);
        const QAnyStringView text = Row.Cells.View(size_t(c));
        if (!text.isEmpty())
            AddToTotal(c, -rVal(Utf16Of(text, scratch)));
    }
}

} // namespace Tarvex
