#include "grid/RuzuZiriPrivate.h"

#include <QLineEdit>

#include <algorithm>

namespace Tarvex {

// The column's running total follows the cell, and the cell and its row count as changed.
bool RuzuZiriPrivate::StoreEdit(QString Value)
{
    if (!FindEditedCell())
        return false;
    if (IsBlank(Value))
        Value.clear();
    m_Model.StoreText(*m_Edit.m_EditRecord, m_Edit.m_EditColumn, Value);
    CalcRowHeight(m_Edit.m_EditRow);
    SetCellChanged(m_Edit.m_EditRow, m_Edit.m_EditColumn, true);
    RefreshIfRedraw();
    return true;
}

// The selection shrinks to the current row, which then moves by EditMove: 1 to the next navigable
// column (wrapping), 2 to the next navigable row. The move goes through RowColSet, so a host hears
// of it (RowColChanged, SelectionChanged) as of any other.
bool RuzuZiriPrivate::MoveAfterEdit()
{
    int row = m_Current.m_Row;
    int col = m_Current.m_Col;
    if (m_Settings.m_EditMove == 1 && m_Model.Cols() > 0)
        col = NextNavigableCol(false);
    else if (m_Settings.m_EditMove == 2 && m_Model.LastRow() >= 0)
        row = NextNavigableRow(1, 0);
    int from = 0;
    int to = -1;
    SelectRowRange(false, from, to);
    const Lifeline self(q);
    q->RowColSet(row, m_Model.IsColumn(col) ? m_Model.ColOrder()[size_t(col)] : -1);
    return self.Alive();
}

// The pointer over the grid keeps an edit only when the grid's own window loses the focus
// (LoseFocus), which a bound editor may be taking; txtEdit's focus gone elsewhere ends the edit.
void RuzuZiriPrivate::CommitOnFocusLoss()
{
    const Lifeline self(q);
    q->UpdateCell(false);
    if (self.Alive())
        FocusRepaint(true);
}

bool RuzuZiriPrivate::EditorHasFocus() const
{
    const QWidget* editor = m_Edit.EditBound() ? m_Edit.m_EditControl.data() : m_Edit.txtEdit;
    const QWidget* focus = q->window()->focusWidget();
    return editor && focus && (focus == editor || editor->isAncestorOf(focus));
}

// A row removed under an open edit takes the edit with it, unwritten: its text has no cell left to
// go to, and the editor must not stay over the row that took the removed one's place. An edit of
// another row stays over its cell wherever that moved.
bool RuzuZiriPrivate::FollowEditAfterRemoval()
{
    if (!m_Edit.EditOpen())
        return true;
    if (!FindEditedCell())
        return CloseCellEditor();
    PositionEditor();
    return true;
}

// The focus goes back to the grid before the editor hides, or Qt would pass it to the next widget
// of the window.
bool RuzuZiriPrivate::CloseCellEditor()
{
    const bool hadFocus = EditorHasFocus();
    m_Edit.m_EditStage = m_Edit.InEditor(EditStage::Closed, EditStage::HidingBound);
    const Lifeline self(q);
    if (hadFocus)
        q->setFocus();
    if (!self.Alive())
        return false;
    m_Edit.txtEdit->hide();
    if (m_Edit.EditBound())
        HideBoundEditor();
    return true;
}

} // namespace Tarvex
