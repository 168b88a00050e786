#include "grid/RuzuZiriPrivate.h"

#include <algorithm>

namespace Tarvex {

int RuzuZiri::AddRow(const QString& vstrItem, int vRow, bool vbRowChecked, bool vbMarkAsNew, bool vbRowLocked,
                     bool vbRowVisible, int vRowData)
{
    if (d->m_Model.Cols() == 0) {
        const Lifeline self(this);
        AddColumn(QString(), static_cast<float>(VisibleWidth()), 4, 0, QString(), QString(), 4, false, 0, true, false);
        if (!self.Alive())
            return -1;
    }

    const int position = d->m_Model.AddRow(vstrItem, vRow, d->ControlLook());
    d->m_Model.SetRowHeight(position, d->m_Geometry.m_RowHeightDef);
    d->m_Model.SetRowData(position, vRowData);
    d->m_Model.SetRowFlag(position, RowFlagChecked, vbRowChecked);
    d->m_Model.SetRowFlag(position, RowFlagLocked, vbRowLocked);
    d->m_Model.SetRowFlag(position, RowFlagNew, vbMarkAsNew);
    d->m_Model.SetRowVisible(position, vbRowVisible);
    if (d->m_Settings.m_AllowWordWrap)
        d->CalcRowHeight(position);

    if (d->RefreshIfRedraw())
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
    const int position = vRow == -1 ? d->m_Current.m_Row : vRow;
    if (!d->m_Model.IsRowPosition(position))
        return;
    const bool wasSelected = IsFlagSet(d->m_Model.RowAt(position).Flags, RowFlagSelected);
    d->m_Model.RemoveRow(position);

    const Lifeline self(this);
    if (!d->FollowEditAfterRemoval())
        return;
    if (d->m_Model.LastRow() < 0) {
        Clear();
    } else {
        if (wasSelected) {
            if (d->m_Settings.m_MultiSelect == MultiSelectMode::Off)
                d->m_Model.SetRowFlag(std::min(position, d->m_Model.LastRow()), RowFlagSelected, true);
            else if (!d->Raise(&RuzuZiri::SelectionChanged))
                return;
        }
        // The current row may have been the one past the new end; it steps back onto the last row.
        // A hidden last row keeps it there without holding every row locked afterwards.
        if (d->m_Current.m_Row > d->m_Model.LastRow()) {
            const bool held = d->m_Current.m_RowHold;
            d->SetCurrentCell(d->m_Model.LastRow(), d->m_Current.m_Col, true, true);
            if (!self.Alive())
                return;
            d->m_Current.m_RowHold = held;
        }
    }
    if (!self.Alive())
        return;
    // A locked or hidden last row refuses the move, but the current row must still exist.
    d->m_Current.m_Row = std::min(d->m_Current.m_Row, d->m_Model.LastRow());
    // Painting stays as the caller has it: the Delete key repaints once, when its action is done.
    if (d->RefreshIfRedraw())
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
    if (d->m_Settings.m_MultiSelect == MultiSelectMode::Off) {
        RemoveItem(-1);
        return;
    }
    d->EnablePaint(false);
    const int removed = d->m_Model.RemoveRows([](const udtRow& row) { return IsFlagSet(row.Flags, RowFlagSelected); });
    if (removed > 0) {
        const Lifeline self(this);
        if (!d->FollowEditAfterRemoval())
            return;
        if (d->m_Model.LastRow() < 0) {
            Clear();
        } else {
            d->m_Current.m_Row = std::min(d->m_Current.m_Row, d->m_Model.LastRow());
            const quint64 seen = d->Changes();
            if (!d->Raise(&RuzuZiri::SelectionChanged))
                return;
            // A handler that changed the grid chose the current cell itself.
            if (d->Changes() == seen)
                RowColSet(0, d->m_Model.IsColumn(d->m_Current.m_Col) ? d->m_Model.ColOrder()[d->m_Current.m_Col] : -1);
        }
        if (!self.Alive() || !d->Raise(&RuzuZiri::RowCountChanged))
            return;
    }
    d->EnablePaint(true);
    d->RefreshIfRedraw();
}

void RuzuZiri::Clear()
{
    d->m_Model.Clear();
    d->m_Current.m_Row = d->m_Current.m_Col = -1;
    d->m_Input.m_MouseRow = d->m_Input.m_MouseCol = -1;
    d->m_Input.m_DownRow = -1;
    d->LoseMouseAction();
    d->m_Sort.m_SortCol = d->m_Sort.m_SortSubCol = -1;
    d->m_Edit.m_EditRow = d->m_Edit.m_EditCol = -1;
    d->m_CellsChanged = false;
    if (!d->CloseCellEditor())
        return;
    d->HideTip();
    d->m_Current.m_RowHold = d->m_Current.m_ColHold = false;
    d->m_Painter.m_RowFirstVisible = d->m_Painter.m_RowLastVisible = -1;
    d->m_Painter.m_Redraw = d->m_Painter.m_Paint = false;
    d->DrawGrid(true);
}

void RuzuZiri::ClearAll()
{
    d->m_Model.ClearAll();
    Clear();
}

} // namespace Tarvex
