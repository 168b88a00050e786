#include "grid/RuzuZiri.h"

namespace Tarvex {

bool RuzuZiri::RowFlagBit(int vRow, qint32 Mask) const
{
    int col = -1;
    return FixRef(vRow, col) && IsFlagSet(m_Model.RowAt(vRow).Flags, Mask);
}

void RuzuZiri::RowFlagBit(int vRow, qint32 Mask, bool On)
{
    int col = -1;
    if (!FixRef(vRow, col))
        return;
    m_Model.SetRowFlag(vRow, Mask, On);
    DrawGrid(m_Paint);
}

bool RuzuZiri::RowChecked(int vRow) const { return RowFlagBit(vRow, RowFlagChecked); }
void RuzuZiri::RowChecked(int vRow, bool New_RowChecked) { RowFlagBit(vRow, RowFlagChecked, New_RowChecked); }
bool RuzuZiri::RowSelected(int vRow) const { return RowFlagBit(vRow, RowFlagSelected); }
void RuzuZiri::RowSelected(int vRow, bool New_RowSelected) { RowFlagBit(vRow, RowFlagSelected, New_RowSelected); }

void RuzuZiri::MultiSelect(int New_MultiSelect)
{
    m_MultiSelect = New_MultiSelect;
    emit PropertyChanged(QStringLiteral("MultiSelect"));
    if (New_MultiSelect == 0) {
        m_Model.ClearSelection();
        RowColSet(-1, -1);
    }
    RefreshIfRedraw();
}

// vCol is a column number; the current cell keeps display positions, so it is translated once here.
// A handler of the events raised on the way may clear, remove, sort or move the current cell itself;
// what it did stands and this call ends there.
void RuzuZiri::RowColSet(int vRow, int vCol)
{
    int position = m_Col;
    if (vCol != -1) {
        if (!m_Model.IsColumn(vCol) || !m_Model.Columns()[vCol].Visible)
            return;
        position = static_cast<int>(std::find(m_Model.ColOrder().begin(), m_Model.ColOrder().end(), vCol)
                                    - m_Model.ColOrder().begin());
        m_Col = position;
    }
    if (!FixRef(vRow, vCol) || !m_Model.RowAt(vRow).Visible)
        return;

    if (vRow != m_Row)
        m_Model.ClearSelection();
    if (!MoveCurrentCell(vRow, position, false))
        return;
    if (!IsFlagSet(m_Model.RowAt(vRow).Flags, RowFlagSelected)) {
        m_Model.SetRowFlag(vRow, RowFlagSelected, true);
        const quint64 seen = Changes();
        emit SelectionChanged();
        if (Changes() != seen)
            return;
    }
    if (!MoveCurrentCell(vRow, position, true))
        return;
    m_Row = vRow;
    DrawGrid(m_Paint);
}

// SetCurrentCell, then whether the RowColChanged handler left the grid as the move made it.
bool RuzuZiri::MoveCurrentCell(int Row, int Col, bool DoScroll)
{
    const quint64 seen = Changes();
    const bool moved = SetCurrentCell(Row, Col, DoScroll, true);
    return Changes() == seen + (moved ? 1 : 0);
}

} // namespace Tarvex
