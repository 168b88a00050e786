#include "grid/RuzuZiriPrivate.h"

#include <algorithm>

namespace Tarvex {

// Row and Col are display positions. Hidden rows, hidden or locked columns keep the current cell
// and set a hold flag; a locked row (or any row while the row hold is set) refuses the move.
// A RowColChanged handler may change anything, so the scrolling after it re-reads what it uses; one
// that deleted the grid ends the move, with false.
bool RuzuZiriPrivate::SetCurrentCell(int Row, int Col, bool DoScroll, bool Apply)
{
    if (Row != -1 && !m_Model.IsRowPosition(Row))
        return false;
    if (q->RowLocked(Row))
        return false;
    if (Col == m_Current.m_Col && Row == m_Current.m_Row)
        return false;
    if (Col != -1 && !IsNavigableCol(Col)) {
        Col = m_Current.m_Col;
        m_Current.m_ColHold = true;
    }
    if (Row != -1 && !m_Model.RowAt(Row).Visible) {
        Row = m_Current.m_Row;
        m_Current.m_RowHold = true;
    }
    if (Apply) {
        m_Current.m_Col = Col;
        m_Current.m_Row = Row;
        ++m_Current.m_CellMoves;
        if (!Raise(&RuzuZiri::RowColChanged))
            return false;
    }
    if (!DoScroll)
        return true;
    ScrollColumnIntoView(Col);
    ScrollRowIntoView(Row);
    emit q->Scroll();
    return true;
}

// The column is brought in one column at a time. Scrolling left stops only once the column starts
// right of the row numbers, so without frozen columns it ends second from the left.
void RuzuZiriPrivate::ScrollColumnIntoView(int Col)
{
    if (!m_Model.IsColumn(Col))
        return;
    const int width = m_Model.Columns()[size_t(m_Model.ColOrder()[size_t(Col)])].WidthPx;
    Rect e;
    GetColumnExtent(Col, e);
    if (e.Left - RowNumberWidth() >= 0) {
        for (int i = SBGetPos(0); i <= SBGetMax(0); ++i) {
            if (e.Left + width < q->ScaleWidth())
                break;
            SBSetPos(0, SBGetPos(0) + 1);
            GetColumnExtent(Col, e);
        }
    } else {
        for (int i = SBGetPos(0); i >= SBGetMin(0); --i) {
            if (e.Left - RowNumberWidth() > 0)
                break;
            SBSetPos(0, SBGetPos(0) - 1);
            GetColumnExtent(Col, e);
        }
    }
    if (SBGetPos(0) == SBGetMin(0))
        UpdateScrollRanges();
}

// One step at most: moving on from the page's edge scrolls by one row however far the row lies.
void RuzuZiriPrivate::ScrollRowIntoView(int Row)
{
    if (Row < 0)
        return;
    const int top = SBGetPos(1);
    if (Row < top)
        SBSetPos(1, top - 1);
    else if (Row > top + VisibleRowCount() - 1)
        SBSetPos(1, top + 1);
}

// Negative ends stand for the first and the last row; no event is raised. Clearing over all rows
// visits only the selected ones; any other range costs its length.
bool RuzuZiriPrivate::SelectRowRange(bool Select, int& From, int& To)
{
    const int last = m_Model.LastRow();
    if (From < 0)
        From = 0;
    if (To < 0)
        To = last;
    if (last < 0)
        return false;
    const int first = std::min(From, To);
    const int end = std::min(std::max(From, To), last);
    if (!Select && first == 0 && end == last)
        return m_Model.ClearSelection();
    bool changed = false;
    for (int p = first; p <= end; ++p) {
        if (IsFlagSet(m_Model.RowAt(p).Flags, RowFlagSelected) != Select) {
            m_Model.SetRowFlag(p, RowFlagSelected, Select);
            changed = true;
        }
    }
    return changed;
}

// Makes the selection exactly the rows From..To, either way round, less the locked ones; true when
// the set changed. A set that is already so is only read: the pointer moving within a row costs no
// write and raises nothing.
bool RuzuZiriPrivate::SelectOnlyUnlocked(int From, int To)
{
    const int first = std::max(std::min(From, To), 0);
    const int end = std::min(std::max(From, To), m_Model.LastRow());
    int wanted = 0;
    int already = 0;
    for (int p = first; p <= end; ++p) {
        const qint32 flags = m_Model.RowAt(p).Flags;
        if (IsFlagSet(flags, RowFlagLocked))
            continue;
        ++wanted;
        already += IsFlagSet(flags, RowFlagSelected) ? 1 : 0;
    }
    if (already == wanted && m_Model.SelectedCount() == wanted)
        return false;
    m_Model.ClearSelection();
    for (int p = first; p <= end; ++p) {
        if (!IsFlagSet(m_Model.RowAt(p).Flags, RowFlagLocked))
            m_Model.SetRowFlag(p, RowFlagSelected, true);
    }
    return true;
}

// The first and last rows on the page that look selected or hold the current cell; both past the
// page when none. Rows that take no line are passed over through the index.
std::pair<int, int> RuzuZiriPrivate::ShownSelection() const
{
    const int end = std::min(m_Painter.m_RowLastVisible, m_Model.LastRow());
    int first = end + 1;
    int last = -1;
    for (int p = m_Model.NextLinedRow(m_Painter.m_RowFirstVisible); p <= end; p = m_Model.NextLinedRow(p + 1)) {
        if (p != m_Current.m_Row && !IsFlagSet(m_Model.RowAt(p).Flags, RowFlagSelected))
            continue;
        first = std::min(first, p);
        last = p;
    }
    return { first, last };
}

// SetCurrentCell, then whether its handlers left the grid as the move made it. A refused move
// counts as undisturbed: the caller goes on as if it had been made. A deleted grid is disturbed.
bool RuzuZiriPrivate::MoveCurrentCell(int Row, int Col, bool DoScroll)
{
    const Lifeline self(q);
    const quint64 seen = Changes();
    const bool moved = SetCurrentCell(Row, Col, DoScroll, true);
    return self.Alive() && Changes() == seen + (moved ? 1 : 0);
}

} // namespace Tarvex
