#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/PictureBox.h>

#include <algorithm>

// A button going down on the grid: what it presses decides what follows until its release.

namespace Tarvex {

namespace {

// The strip at the left edge where a row's check box is pressed, beyond the row numbers.
constexpr int RowCheckStrip = 15;

} // namespace

// A locked row takes no left press at all, not even the MouseDown event.
void RuzuZiriPrivate::UserControl_MouseDown(qint16 Button, qint16 Shift, float X, float Y)
{
    // A press that follows one whose release never came starts from nothing.
    LoseMouseAction();
    HideTip();
    CancelTip();
    m_Current.m_RowHold = m_Current.m_ColHold = false;
    m_Input.m_MouseShift = Shift;
    m_Input.m_DownRow = -1;
    const Lifeline self(q);
    // The header works with no rows as with many.
    if (Button != 0 && m_Model.Cols() > 0 && !PressOnRows(Button, Shift, X, Y))
        return;
    if (self.Alive())
        RaiseMouseEvent(&RuzuZiri::MouseDown, Button, Shift, X, Y);
}

// False when the press ends here without MouseDown: on a locked row, or with the grid deleted.
bool RuzuZiriPrivate::PressOnRows(qint16 Button, qint16 Shift, float X, float Y)
{
    RememberKey(KeyCode::None);
    StopAutoScroll();
    const auto [col, row] = PointerCell(X, Y);
    m_Input.m_MouseCol = col;
    m_Input.m_MouseRow = row;
    m_Input.m_DownX = int(X);
    m_Input.m_DragAnchor = -1;
    m_Input.m_DownY = int(Y);
    if (Button != MouseButton::Left) {
        m_Input.m_DownRow = row;
        return !m_Model.IsRowPosition(row) || OtherButtonOnRow(row, col);
    }
    if (IsRowLockedAt(row)) {
        m_Current.m_RowHold = m_Current.m_ColHold = true;
        return false;
    }
    m_Input.m_DownRow = row;
    m_Input.m_DragSelect = true;
    if (m_Input.m_SizeRow != -1)
        SetMouseState(MouseState::ResizingRow);
    else if (m_Input.m_SizeCol != -1)
        SetMouseState(MouseState::ResizingColumn);
    if (Y < m_Geometry.m_Metrics.HeaderHeight) {
        if (InHeaderRow(Y))
            PressHeader(HeaderColFromX(X));
        return true;
    }
    if (!m_Model.IsRowPosition(row))
        return true;
    if (m_Input.m_MouseState == MouseState::None)
        SetMouseState(MouseState::Selecting);
    return LeftPressOnRow(row, col, Shift, X, Y);
}

// Sorting, swapping or dragging need the header cell pressed; a press on a column border sizes instead.
void RuzuZiriPrivate::PressHeader(int Col)
{
    if (!(m_Settings.m_AllowColumnSort || m_Settings.m_AllowColumnSwap || m_Settings.m_AllowColumnDrag))
        return;
    if (MousePointer() == MousePointerShape::SizeWE || !m_Model.IsColumn(Col))
        return;
    m_Input.m_DownCol = Col;
    if (m_Painter.m_Paint)
        DrawHeaderCell(Col, 3, false, false);
}

// A right or middle press on one of several selected rows leaves them for a context menu; otherwise
// it makes its row the current and only selected one.
bool RuzuZiriPrivate::OtherButtonOnRow(int Row, int Col)
{
    if (IsRowLockedAt(Row))
        return true;
    if (m_Settings.m_MultiSelect != MultiSelectMode::Off && IsFlagSet(m_Model.RowAt(Row).Flags, RowFlagSelected))
        return true;
    const Lifeline self(q);
    const quint64 seen = Changes();
    if (!q->UpdateCell(false) || Changes() != seen)
        return self.Alive();
    const int before[2] = { m_Current.m_Row, m_Current.m_Col };
    if (!MoveCurrentCell(Row, ColOrCurrent(Col), false))
        return self.Alive();
    const bool moved = before[0] != m_Current.m_Row || before[1] != m_Current.m_Col;
    const bool selected = SelectOnly(Row);
    if ((moved || selected) && !DrawGrid(m_Painter.m_Paint))
        return false;
    return !selected || Raise(&RuzuZiri::SelectionChanged);
}

bool RuzuZiriPrivate::SelectOnly(int Row)
{
    int from = -1;
    int to = -1;
    const bool cleared = SelectRowRange(false, from, to);
    from = to = Row;
    return SelectRowRange(true, from, to) || cleared;
}

// An open edit is committed first; one that stays open keeps the press from changing anything.
bool RuzuZiriPrivate::LeftPressOnRow(int Row, int Col, qint16 Shift, float X, float Y)
{
    const Lifeline self(q);
    quint64 seen = Changes();
    if (!q->UpdateCell(false) || Changes() != seen)
        return self.Alive();

    if (m_Settings.m_RowCheckBoxes && X <= RowNumberWidth() + RowCheckStrip) {
        m_Input.m_DragSelect = false;
        SetMouseState(MouseState::None);
        m_Model.SetRowFlag(Row, RowFlagChecked, !IsFlagSet(m_Model.RowAt(Row).Flags, RowFlagChecked));
        return Raise(&RuzuZiri::RowCheckChanged, Row) && DrawGrid(m_Painter.m_Paint);
    }

    if (!ToggleCheckCell(Row, Col, X, Y))
        return self.Alive();
    ArmDragSelect(Row, Shift);
    const bool selectionChanged = SelectOnPress(Row, Shift);
    const int before[2] = { m_Current.m_Row, m_Current.m_Col };
    if (!MoveCurrentCell(Row, ColOrCurrent(Col), false))
        return self.Alive();
    const bool moved = before[0] != m_Current.m_Row || before[1] != m_Current.m_Col;
    seen = Changes();
    if (selectionChanged && (!Raise(&RuzuZiri::SelectionChanged) || Changes() != seen))
        return self.Alive();
    // A selection changed without a move of the current cell shows too; a pressed button cell looks pressed.
    const int col = ColumnAt(Col);
    const bool button = col >= 0 && m_Model.Columns()[size_t(col)].ColType == ColTypeButton;
    if (moved || selectionChanged || button)
        return DrawGrid(m_Painter.m_Paint);
    return true;
}

// A check-box cell pressed in its box toggles through BeforeEdit and AfterEdit, either of which may
// cancel; the value AfterEdit hands back is not taken. The toggle repaints. False when a handler
// changed the grid.
bool RuzuZiriPrivate::ToggleCheckCell(int Row, int Col, float X, float Y)
{
    const int col = ColumnAt(Col);
    if (col < 0 || m_Model.Columns()[size_t(col)].ColType != ColTypeCheckBox || !CanEdit())
        return true;
    const int side = m_Geometry.m_Metrics.CheckBoxSize;
    if (!InsideBox(Row, Col, CellRectCheckBox, side, side, X, Y))
        return true;
    const auto unchanged = UnchangedSince();
    const HostAnswer before = AskHost(unchanged, &RuzuZiri::BeforeEdit, Row, col);
    if (before != HostAnswer::Proceed)
        return before == HostAnswer::Refused;
    const bool checked = !IsFlagSet(m_Model.CellAt(Row, col).Flags, CellFlagChecked);
    QString value = checked ? QStringLiteral("True") : QStringLiteral("False");
    const HostAnswer after = AskHost(unchanged, &RuzuZiri::AfterEdit, Row, col, value);
    if (after != HostAnswer::Proceed)
        return after == HostAnswer::Refused;
    const Lifeline self(q);
    q->CellChecked(Row, col, checked);
    return self.Alive() && unchanged();
}

// A press that toggles its row keeps the rows toggled before it, so a drag from it selects nothing.
// A Shift press selects from the current row, the first row when there is none, and a drag from it
// goes on from there.
void RuzuZiriPrivate::ArmDragSelect(int Row, qint16 Shift)
{
    const bool multiSelect = m_Settings.m_MultiSelect != MultiSelectMode::Off;
    if (m_Settings.m_MultiSelect == MultiSelectMode::ToggleEveryClick || (multiSelect && (Shift & ShiftKey::Ctrl))) {
        m_Input.m_DragAnchor = -1;
        return;
    }
    m_Input.m_DragAnchor = multiSelect && (Shift & ShiftKey::Shift) ? std::max(m_Current.m_Row, 0) : Row;
}

// The selection rules of a press; true when a row's Selected bit changed (an inverted or a single
// selected row always counts as a change).
bool RuzuZiriPrivate::SelectOnPress(int Row, qint16 Shift)
{
    bool changed = false;
    const bool ctrl = Shift & ShiftKey::Ctrl;
    const bool shift = Shift & ShiftKey::Shift;
    const bool wasSelected = IsFlagSet(m_Model.RowAt(Row).Flags, RowFlagSelected);
    int from = -1;
    int to = -1;
    const bool multiSelect = m_Settings.m_MultiSelect != MultiSelectMode::Off;
    if (m_Settings.m_MultiSelect == MultiSelectMode::ToggleEveryClick || (multiSelect && ctrl)) {
        m_Model.SetRowFlag(Row, RowFlagSelected, !wasSelected);
        changed = true;
    } else if (multiSelect && shift) {
        changed = SelectOnlyUnlocked(m_Input.m_DragAnchor, Row);
    } else if (multiSelect) {
        SelectOnly(Row);
        changed = true;
    } else if (ctrl) {
        SelectRowRange(false, from, to);
        m_Model.SetRowFlag(Row, RowFlagSelected, !wasSelected);
        changed = true;
    } else if (!wasSelected) {
        SelectOnly(Row);
        changed = true;
    }
    return changed;
}

} // namespace Tarvex
