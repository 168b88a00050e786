#include <tarvex/grid/model/GridModel.h>

#include <algorithm>

namespace Tarvex {

// A shown row at Position answers at once: runs of shown rows, the common case, never reach the
// index, whose tree over a million rows lies far apart in memory.
int GridModel::NextShownRow(int Position) const
{
    if (IsRowPosition(Position) && RowAt(Position).Visible)
        return Position;
    EnsureShownIndex();
    return m_ShownPositions.NextFrom(Position);
}

int GridModel::PrevShownRow(int Position) const
{
    if (IsRowPosition(Position) && RowAt(Position).Visible)
        return Position;
    EnsureShownIndex();
    return m_ShownPositions.PrevFrom(Position);
}

int GridModel::ShownRowsBefore(int Position) const
{
    EnsureShownIndex();
    return m_ShownPositions.CountBefore(Position);
}

int GridModel::NextLinedRow(int Position) const
{
    if (IsRowPosition(Position) && (RowAt(Position).Visible || RowAt(Position).GroupHeader))
        return Position;
    EnsureShownIndex();
    const int shown = m_ShownPositions.NextFrom(Position);
    if (m_HiddenHeaders.Count() == 0)
        return shown;
    return std::min(shown, m_HiddenHeaders.NextFrom(Position));
}

// Changes that move many rows at once (inserting, removing, sorting, filtering by record) cost a
// pass over the rows already; they leave the index stale and the next search rebuilds it in one more.
void GridModel::EnsureShownIndex() const
{
    if (!m_ShownIndexStale)
        return;
    std::vector<char> shown(static_cast<size_t>(ItemCount()));
    std::vector<char> hiddenHeaders(static_cast<size_t>(ItemCount()));
    for (int p = 0; p <= m_LastRow; ++p) {
        const udtRow& row = RowAt(p);
        shown[size_t(p)] = row.Visible;
        hiddenHeaders[size_t(p)] = IsHiddenHeader(row);
    }
    m_ShownPositions.Assign(shown);
    m_HiddenHeaders.Assign(hiddenHeaders);
    m_ShownIndexStale = false;
}

void GridModel::ReindexRow(int Position, bool WasShown, bool WasHiddenHeader)
{
    if (m_ShownIndexStale)
        return;
    const udtRow& row = RowAt(Position);
    if (row.Visible != WasShown)
        m_ShownPositions.Change(Position, row.Visible ? 1 : -1);
    if (IsHiddenHeader(row) != WasHiddenHeader)
        m_HiddenHeaders.Change(Position, WasHiddenHeader ? -1 : 1);
}

} // namespace Tarvex
