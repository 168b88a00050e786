#include "grid/RuzuZiriPrivate.h"

#include "grid/input/KeyMove.h"
#include "platform/KeyEvents.h"

#include <tarvex/platform/MouseEvents.h>

// The keys that edit: Enter, Escape and F2 open, commit or drop the in-place edit; Insert and Delete
// add and remove rows (or empty a cell where the focus marks cells); Space toggles check boxes or
// presses a cell's button; Ctrl+A selects every row. Every event raised here may be answered by a
// host that changes the grid: a key whose rows changed under it stops there, and a key whose grid a
// handler deleted returns false at once.

namespace Tarvex {

namespace {

// A cell's and its row's Changed bits and the grid's record of them, to put back an edit the host
// refused in AfterEdit.
struct CellBefore {
    QString Text;
    bool CellChanged { false };
    bool RowChanged { false };
    bool CellsChanged { false };
};

} // namespace

// Where typing opens the editor, both keys end the edit in the key-press handling.
bool RuzuZiriPrivate::KeyEnterEscape(KeyCode& Key, KeyMove& Move)
{
    const bool enter = Key == KeyCode::Return;
    RememberKey(Key);
    Move.SingleSelect = false;
    if (IsFlagSet(m_Settings.m_EditTrigger, EditTriggerBit::Typing)) {
        Key = KeyCode::None;
        return true;
    }
    if (!enter) {
        Key = KeyCode::None;
        return !m_Edit.EditOpen() || CloseCellEditor();
    }
    return EditForKey(Key, true);
}

bool RuzuZiriPrivate::KeyF2(KeyCode& Key)
{
    if (!IsFlagSet(m_Settings.m_EditTrigger, EditTriggerBit::F2))
        return true;
    RememberKey(Key);
    return EditForKey(Key, true);
}

// Opens the editor or commits the open edit; the key is consumed where editing is possible at all.
bool RuzuZiriPrivate::EditForKey(KeyCode& Key, bool bAllowMove)
{
    const Lifeline self(q);
    const bool allowed = BeginOrCommitEdit(bAllowMove);
    if (!self.Alive())
        return false;
    if (allowed)
        Key = KeyCode::None;
    return true;
}

// An empty row above the current one becomes current. The key is the grid's whenever inserting is
// allowed, also when the host refuses.
bool RuzuZiriPrivate::KeyInsert(KeyCode& Key, KeyMove& Move)
{
    if (!m_Settings.m_AllowInsert || m_Edit.EditOpen())
        return true;
    RememberKey(Key);
    Key = KeyCode::None;
    const HostAnswer answer = AskHost(UnchangedSince(), &RuzuZiri::BeforeInsert, m_Current.m_Row);
    if (answer != HostAnswer::Proceed)
        return answer != HostAnswer::Gone;
    const int current = m_Current.m_Row;
    const int at = std::max(current, 0);
    const Lifeline self(q);
    const int inserted = q->AddItem(QString(), at);
    if (!self.Alive())
        return false;
    Move.Repaint = true;
    if (inserted != at || m_Current.m_Row != current) {
        Move.Settled = true;
        return true;
    }
    // The row that was current moved down with the insert; RowColSet moves from there.
    if (m_Model.IsRowPosition(current + 1))
        m_Current.m_Row = current + 1;
    q->RowColSet(at, -1);
    if (!self.Alive())
        return false;
    return Raise(&RuzuZiri::AfterInsert, m_Current.m_Row);
}

bool RuzuZiriPrivate::KeyDelete(KeyCode& Key, KeyMove& Move)
{
    if (!m_Settings.m_AllowDelete || m_Edit.EditOpen())
        return true;
    Key = KeyCode::None;
    if (!m_Model.IsRowPosition(m_Current.m_Row))
        return true;
    return m_Settings.m_FocusRectMode == FocusRectKind::Cell ? DeleteCellText(Move) : DeleteCurrentRow(Move);
}

bool RuzuZiriPrivate::DeleteCurrentRow(KeyMove& Move)
{
    const HostAnswer answer = AskHost(UnchangedSince(), &RuzuZiri::BeforeDelete, m_Current.m_Row);
    if (answer != HostAnswer::Proceed)
        return answer != HostAnswer::Gone;
    const Lifeline self(q);
    q->RemoveItem(m_Current.m_Row);
    if (!self.Alive())
        return false;
    Move.Repaint = true;
    return Raise(&RuzuZiri::AfterDelete);
}

// Where the focus marks cells, Delete empties the current cell (not a check box, not a locked column)
// and keeps the row. The cell counts as changed, as an edit that emptied it would. A host that cancels
// BeforeEdit keeps the cell as a cancelled BeforeDelete does; one that cancels AfterEdit gets the cell
// back as it was, and no AfterDelete.
bool RuzuZiriPrivate::DeleteCellText(KeyMove& Move)
{
    if (!m_Model.IsColumn(m_Current.m_Col))
        return true;
    const int col = m_Model.ColOrder()[size_t(m_Current.m_Col)];
    const udtColumn& column = m_Model.Columns()[size_t(col)];
    if (column.ColType == ColTypeCheckBox || column.Locked)
        return true;
    const int row = m_Current.m_Row;
    const auto unchanged = UnchangedSince();
    HostAnswer answer = AskHost(unchanged, &RuzuZiri::BeforeEdit, row, col);
    if (answer == HostAnswer::Proceed)
        answer = AskHost(unchanged, &RuzuZiri::BeforeDelete, row);
    if (answer != HostAnswer::Proceed)
        return answer != HostAnswer::Gone;
    const udtRow& record = m_Model.RowAt(row);
    const CellBefore before { record.Cells.Text(size_t(col)), IsFlagSet(record.Cells[size_t(col)].Flags, CellFlagChanged),
                              IsFlagSet(record.Flags, RowFlagChanged), m_CellsChanged };
    m_Model.StoreText(m_Model.RowOrder()[size_t(row)], col, QString());
    CalcRowHeight(row);
    SetCellChanged(row, col, true);
    Move.Repaint = true;
    QString value;
    answer = AskHost(unchanged, &RuzuZiri::AfterEdit, row, col, value);
    if (answer == HostAnswer::Proceed)
        return Raise(&RuzuZiri::AfterDelete);
    if (answer == HostAnswer::Refused) {
        m_Model.StoreText(m_Model.RowOrder()[size_t(row)], col, before.Text);
        CalcRowHeight(row);
        m_Model.SetCellFlag(row, col, CellFlagChanged, before.CellChanged);
        m_Model.SetRowFlag(row, RowFlagChanged, before.RowChanged);
        m_CellsChanged = before.CellsChanged;
    }
    return answer != HostAnswer::Gone;
}

// In this order: the row's check box; a cell under a hand pointer; a cell button; a check-box cell.
bool RuzuZiriPrivate::KeySpace(KeyCode& Key, KeyMove& Move)
{
    Move.SingleSelect = false;
    const int col = m_Model.IsColumn(m_Current.m_Col) ? m_Model.ColOrder()[size_t(m_Current.m_Col)] : -1;
    if (m_Settings.m_RowCheckBoxes) {
        m_Input.m_CtrlCombo = true;
        Key = KeyCode::None;
        if (!m_Model.IsRowPosition(m_Current.m_Row))
            return true;
        Move.Repaint = true;
        m_Model.SetRowFlag(
            m_Current.m_Row, RowFlagChecked, !IsFlagSet(m_Model.RowAt(m_Current.m_Row).Flags, RowFlagChecked));
        return Raise(&RuzuZiri::RowCheckChanged, m_Current.m_Row);
    }
    if (UCMousePointer())
        return Raise(&RuzuZiri::CellHandClick, m_Input.m_MouseRow, col, m_Input.m_MouseShift);
    if (col < 0)
        return true;
    // The key presses the button of the current cell, so the event names the current row.
    if (m_Model.Columns()[size_t(col)].ColType == ColTypeButton)
        return Raise(&RuzuZiri::CellButtonClick, m_Current.m_Row, col);
    if (m_Model.Columns()[size_t(col)].ColType == ColTypeCheckBox && CanEdit())
        return ToggleCheckCell(Key, Move);
    return true;
}

// The cell is toggled before AfterEdit hears of it; a host that cancels gets it back as it was. A
// cancelled BeforeEdit leaves the key unconsumed.
bool RuzuZiriPrivate::ToggleCheckCell(KeyCode& Key, KeyMove& Move)
{
    const int row = m_Current.m_Row;
    const int col = m_Model.ColOrder()[size_t(m_Current.m_Col)];
    if (!m_Model.IsRowPosition(row))
        return true;
    const auto unchanged = UnchangedSince();
    const HostAnswer asked = AskHost(unchanged, &RuzuZiri::BeforeEdit, row, col);
    if (asked != HostAnswer::Proceed)
        return asked != HostAnswer::Gone;
    Key = KeyCode::None;
    const udtRow& record = m_Model.RowAt(row);
    const udtCell& cell = record.Cells[size_t(col)];
    const CellBefore before { record.Cells.Text(size_t(col)), IsFlagSet(cell.Flags, CellFlagChanged),
                              IsFlagSet(record.Flags, RowFlagChanged), m_CellsChanged };
    const bool checked = !IsFlagSet(cell.Flags, CellFlagChecked);
    StoreCellChecked(row, col, checked);
    Move.Repaint = true;
    QString value = m_Model.RowAt(row).Cells.Text(size_t(col));
    const HostAnswer told = AskHost(unchanged, &RuzuZiri::AfterEdit, row, col, value);
    if (told != HostAnswer::Refused)
        return told != HostAnswer::Gone;
    m_Model.StoreText(m_Model.RowOrder()[size_t(row)], col, before.Text);
    m_Model.SetCellFlag(row, col, CellFlagChecked, !checked);
    m_Model.SetCellFlag(row, col, CellFlagChanged, before.CellChanged);
    m_Model.SetRowFlag(row, RowFlagChanged, before.RowChanged);
    m_CellsChanged = before.CellsChanged;
    return true;
}

// Ctrl+A selects every row where MultiSelect has the bit of ToggleEveryClick; Ctrl+C and Ctrl+V are
// left to the host. Each keeps a letter typed with Ctrl from starting a type-ahead search.
bool RuzuZiriPrivate::KeyCtrlCombo(KeyCode& Key, qint16 Shift, KeyMove& Move)
{
    if (Key == KeyCode::A) {
        Move.SingleSelect = false;
        if (!(Shift & ShiftKey::Ctrl) || !IsFlagSet(m_Settings.m_MultiSelect, MultiSelectMode::ToggleEveryClick))
            return true;
        m_Input.m_CtrlCombo = true;
        int from = -1;
        int to = -1;
        SelectRowRange(true, from, to);
        Move.Repaint = true;
        Key = KeyCode::None;
        return Raise(&RuzuZiri::SelectionChanged);
    }
    if (Shift & ShiftKey::Ctrl)
        m_Input.m_CtrlCombo = true;
    return true;
}

void RuzuZiriPrivate::StoreCellChecked(int vRow, int vCol, bool Checked)
{
    m_Model.SetCellFlag(vRow, vCol, CellFlagChecked, Checked);
    if (m_Model.Columns()[size_t(vCol)].ColType == ColTypeCheckBox)
        m_Model.StoreText(m_Model.RowOrder()[size_t(vRow)], vCol, Checked ? u"True" : u"False");
    CalcRowHeight(vRow);
    SetCellChanged(vRow, vCol, true);
}

} // namespace Tarvex
