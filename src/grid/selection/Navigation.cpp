#include "grid/RuzuZiriPrivate.h"

#include <algorithm>

namespace Tarvex {

// Rows are searched from the current row by Step and never wrap; when none is found the search
// ends on the edge it ran into, navigable or not. Bit 512 of IgnoreMask lets locked rows count.
bool RuzuZiriPrivate::IsNavigableRow(int Position, qint16 IgnoreMask) const
{
    if (!m_Model.IsRowPosition(Position))
        return false;
    const udtRow& row = m_Model.RowAt(Position);
    return row.Visible && (IsFlagSet(IgnoreMask, RowFlagLocked) || !IsFlagSet(row.Flags, RowFlagLocked));
}

// Only positions a whole number of steps away are tried. Hidden rows are passed through the index
// of shown rows: from the next shown row the walk goes on at the first step that reaches it.
int RuzuZiriPrivate::NextNavigableRow(int Step, qint16 IgnoreMask) const
{
    const int last = m_Model.LastRow();
    const int stride = std::max(Step, 1);
    for (int p = m_Current.m_Row < last ? m_Current.m_Row + Step : m_Current.m_Row; p <= last;) {
        const int shown = m_Model.NextShownRow(p);
        if (shown > last)
            break;
        p += (shown - p + stride - 1) / stride * stride;
        if (p != shown)
            continue;
        if (IsNavigableRow(p, IgnoreMask))
            return p;
        p += stride;
    }
    return last;
}

int RuzuZiriPrivate::PrevNavigableRow(int Step, qint16 IgnoreMask) const
{
    const int stride = std::max(Step, 1);
    for (int p = m_Current.m_Row > 0 ? std::max(m_Current.m_Row - Step, 0) : m_Current.m_Row; p >= 0;) {
        const int shown = m_Model.PrevShownRow(p);
        if (shown < 0)
            break;
        p -= (p - shown + stride - 1) / stride * stride;
        if (p != shown)
            continue;
        if (IsNavigableRow(p, IgnoreMask))
            return p;
        p -= stride;
    }
    return 0;
}

bool RuzuZiriPrivate::IsNavigableCol(int Position) const
{
    if (!m_Model.IsColumn(Position))
        return false;
    const udtColumn& column = m_Model.Columns()[size_t(m_Model.ColOrder()[size_t(Position)])];
    return column.Visible && !column.Locked;
}

// Columns are searched one display position at a time and wrap around; with no navigable column
// the search ends where it started.
int RuzuZiriPrivate::NextNavigableCol(bool FromStart) const
{
    const int last = m_Model.Cols() - 1;
    if (last < 0)
        return 0;
    const int start = FromStart || m_Current.m_Col >= last ? 0 : m_Current.m_Col + 1;
    for (int i = 0, p = start; i <= last; ++i, p = p == last ? 0 : p + 1) {
        if (IsNavigableCol(p))
            return p;
    }
    return start;
}

int RuzuZiriPrivate::PrevNavigableCol(bool FromEnd) const
{
    const int last = m_Model.Cols() - 1;
    if (last < 0)
        return 0;
    const int start = FromEnd || m_Current.m_Col <= 0 ? last : m_Current.m_Col - 1;
    for (int i = 0, p = start; i <= last; ++i, p = p == 0 ? last : p - 1) {
        if (IsNavigableCol(p))
            return p;
    }
    return start;
}

} // namespace Tarvex
