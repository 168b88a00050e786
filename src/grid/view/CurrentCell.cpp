#include "grid/RuzuZiri.h"

namespace Tarvex {

// Row and Col are display positions. Hidden rows, hidden or locked columns keep the current cell;
// a locked row refuses the move altogether.
bool RuzuZiri::SetCurrentCell(int Row, int Col, bool DoScroll, bool Apply)
{
    if (Row != -1 && !m_Model.IsRowPosition(Row))
        return false;
    if (Row != -1 && (m_RowHold || IsFlagSet(m_Model.RowAt(Row).Flags, RowFlagLocked)))
        return false;
    if (Col == m_Col && Row == m_Row)
        return false;
    if (Col != -1) {
        const bool usable = Col >= 0 && Col < m_Model.Cols() && m_Model.Columns()[m_Model.ColOrder()[Col]].Visible
            && !m_Model.Columns()[m_Model.ColOrder()[Col]].Locked;
        if (!usable) {
            Col = m_Col;
            m_ColHold = true;
        }
    }
    if (Row != -1 && !m_Model.RowAt(Row).Visible) {
        Row = m_Row;
        m_RowHold = true;
    }
    if (Apply) {
        m_Col = Col;
        m_Row = Row;
        ++m_CellMoves;
        emit RowColChanged();
    }
    if (DoScroll)
        emit Scroll();
    return true;
}

} // namespace Tarvex
