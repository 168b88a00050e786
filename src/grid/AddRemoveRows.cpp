#include "grid/RuzuZiri.h"

#include <algorithm>

namespace Tarvex {

int RuzuZiri::AddRow(const QString& vstrItem, int vRow, bool vbRowChecked, bool vbMarkAsNew, bool vbRowLocked,
                     bool vbRowVisible, int vRowData)
{
    if (m_Model.Cols() == 0) {
        const Lifeline self(this);
        AddColumn(QString(), static_cast<float>(VisibleWidth()), 4, 0, QString(), QString(), 4, false, 0, true, false);
        if (!self.Alive())
            return -1;
    }

    const int position = m_Model.AddRow(vstrItem, vRow, ControlLook());
    m_Model.SetRowHeight(position, m_RowHeightDef);
    m_Model.SetRowData(position, vRowData);
    m_Model.SetRowFlag(position, RowFlagChecked, vbRowChecked);
    m_Model.SetRowFlag(position, RowFlagLocked, vbRowLocked);
    m_Model.SetRowFlag(position, RowFlagNew, vbMarkAsNew);
    m_Model.SetRowVisible(position, vbRowVisible);
    if (m_AllowWordWrap)
        CalcRowHeight(position);

    if (RefreshIfRedraw())
        emit RowCountChanged();
    return position;
}

int RuzuZiri::AddItem(const QString& vstrItem, int vRow, bool vbRowChecked, bool vbMarkAsNew, bool vbRowLocked,
                      bool vbRowVisible, int vRowData)
{
    return AddRow(vstrItem, vRow, vbRowChecked, vbMarkAsNew, vbRowLocked, vbRowVisible, vRowData);
}

void RuzuZiri::RemoveRow(int vRow)
{
    const int position = vRow == -1 ? m_Row : vRow;
    if (!m_Model.IsRowPosition(position))
        return;
    const bool wasSelected = IsFlagSet(m_Model.RowAt(position).Flags, RowFlagSelected);
    m_Model.RemoveRow(position);

    const Lifeline self(this);
    if (m_Model.LastRow() < 0) {
        Clear();
    } else {
        if (wasSelected) {
            if (m_MultiSelect == 0)
                m_Model.SetRowFlag(std::min(position, m_Model.LastRow()), RowFlagSelected, true);
            else if (!Raise(&RuzuZiri::SelectionChanged))
                return;
        }
        // The current row may have been the one past the new end; it steps back onto the last row.
        if (m_Row > m_Model.LastRow())
            SetCurrentCell(m_Model.LastRow(), m_Col, true, true);
    }
    if (!self.Alive())
        return;
    // A locked or hidden last row refuses the move, but the current row must still exist.
    m_Row = std::min(m_Row, m_Model.LastRow());
    EnablePaint(true);
    if (RefreshIfRedraw())
        emit RowCountChanged();
}

void RuzuZiri::RemoveItem(int vRow)
{
    RemoveRow(vRow);
}

// Removing the selected rows one by one would cost rows x selected; one compacting pass does the
// same work once, and the host hears one RowCountChanged and one SelectionChanged for the lot.
void RuzuZiri::DeleteSelected()
{
    if (m_MultiSelect == 0) {
        RemoveItem(-1);
        return;
    }
    EnablePaint(false);
    const int removed = m_Model.RemoveRows([](const udtRow& row) { return IsFlagSet(row.Flags, RowFlagSelected); });
    if (removed > 0) {
        const Lifeline self(this);
        if (m_Model.LastRow() < 0) {
            Clear();
        } else {
            m_Row = std::min(m_Row, m_Model.LastRow());
            const quint64 seen = Changes();
            if (!Raise(&RuzuZiri::SelectionChanged))
                return;
            // A handler that changed the grid chose the current cell itself.
            if (Changes() == seen)
                RowColSet(0, m_Model.IsColumn(m_Col) ? m_Model.ColOrder()[m_Col] : -1);
        }
        if (!self.Alive() || !Raise(&RuzuZiri::RowCountChanged))
            return;
    }
    EnablePaint(true);
    RefreshIfRedraw();
}

void RuzuZiri::Clear()
{
    m_Model.Clear();
    m_Row = m_Col = -1;
    m_MouseRow = m_MouseCol = -1;
    m_MouseDownRow = m_MouseDownCol = -1;
    m_SortCol = m_SortSubCol = -1;
    m_EditRow = m_EditCol = -1;
    m_CellsChanged = false;
    m_EditOpen = false;
    m_RowHold = m_ColHold = false;
    m_RowFirstVisible = m_RowLastVisible = -1;
    m_Redraw = m_Paint = false;
    DrawGrid(true);
}

void RuzuZiri::ClearAll()
{
    m_Model.ClearAll();
    Clear();
}

} // namespace Tarvex
