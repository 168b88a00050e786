#include "grid/RuzuZiriPrivate.h"

#include "grid/input/KeyMove.h"
#include "platform/KeyEvents.h"

#include <tarvex/platform/MouseEvents.h>

#include <QApplication>
#include <QKeyEvent>

#include <utility>

// The grid's keys. keyPressEvent runs the key-down handling (one action per key, input/KeyNavigation.cpp
// and input/KeyEdits.cpp), then for a key that types a character the key-press handling
// (input/TypeAhead.cpp). The open editor sends its moving and ending keys the same way.

namespace Tarvex {

namespace {

// The keys of the open text editor that act on the grid rather than on the text.
bool ActsFromEditor(KeyCode Key)
{
    switch (Key) {
    case KeyCode::Return:
    case KeyCode::Escape:
    case KeyCode::PageUp:
    case KeyCode::PageDown:
    case KeyCode::End:
    case KeyCode::Home:
    case KeyCode::Left:
    case KeyCode::Up:
    case KeyCode::Right:
    case KeyCode::Down:
    case KeyCode::F2: return true;
    default: return false;
    }
}

} // namespace

bool RuzuZiriPrivate::EditorKeyDown(QKeyEvent& Key, TypedChar& Typed)
{
    KeyCode keyCode = KeyCodeOf(Key);
    // An Alt chord types nothing into the cell either, and so never passes the column's filter.
    if (!ActsFromEditor(keyCode))
        return IsAltChord(Key);
    qint16 shift = qint16(ShiftCode(Key));
    if (!UserControl_KeyDown(keyCode, shift))
        return true;
    bool consumed = keyCode == KeyCode::None;
    // Enter and Escape end the edit in the key-press handling when typing opens the editor.
    if (Typed == TypedChar::Return || Typed == TypedChar::Escape) {
        if (!UserControl_KeyPress(Typed))
            return true;
        consumed = consumed || Typed.IsNone();
    }
    return consumed || !m_Edit.EditOpen();
}

// The host hears the release of each key whose key-down it heard from the editor.
void RuzuZiriPrivate::EditorKeyUp(QKeyEvent& Key)
{
    const KeyCode keyCode = KeyCodeOf(Key);
    if (Key.isAutoRepeat() || !ActsFromEditor(keyCode))
        return;
    qint16 shift = qint16(ShiftCode(Key));
    UserControl_KeyUp(keyCode, shift);
}

// The focus leaving the text editor for another widget of the host (Tab, a click elsewhere) reaches
// the grid as its own loss of focus would, and commits the edit wherever the pointer rests.
// The focus coming back to the grid (Escape, a commit) or going to the editor's own menu is no loss.
void RuzuZiriPrivate::EditorFocusOut(Qt::FocusReason Reason)
{
    if (m_Destroying || !m_Edit.EditOpen() || m_Edit.EditBound() || Reason == Qt::PopupFocusReason
        || Reason == Qt::ActiveWindowFocusReason)
        return;
    if (QApplication::focusWidget() == q)
        return;
    CommitOnFocusLoss();
}

// The key acts with painting suspended; the selection and the current cell follow it once painting
// is on again, so a key repaints once. The host's KeyDown hears the key code as it came, and swallows
// the key by clearing it, as KeyPress swallows a character; what the grid did with the key stands.
bool RuzuZiriPrivate::UserControl_KeyDown(KeyCode& Key, qint16& Shift)
{
    const KeyCode incoming = Key;
    HideTip();
    m_Current.m_RowHold = false;
    m_Current.m_ColHold = false;
    m_Input.m_MouseShift = Shift;
    EnablePaint(false);
    KeyMove move;
    if (!ActOnKey(Key, Shift, move))
        return false;
    ResumePaint(move);
    if (!FollowKey(Key == KeyCode::None, move))
        return false;
    qint16 heard = qint16(incoming);
    if (!Raise(&RuzuZiri::KeyDown, heard, Shift))
        return false;
    if (heard == 0)
        Key = KeyCode::None;
    return true;
}

bool RuzuZiriPrivate::ActOnKey(KeyCode& Key, qint16 Shift, KeyMove& Move)
{
    switch (Key) {
    case KeyCode::Return:
    case KeyCode::Escape: return KeyEnterEscape(Key, Move);
    case KeyCode::Insert: return KeyInsert(Key, Move);
    case KeyCode::Delete: return KeyDelete(Key, Move);
    case KeyCode::F2: return KeyF2(Key);
    case KeyCode::Space: return KeySpace(Key, Move);
    case KeyCode::A:
    case KeyCode::C:
    case KeyCode::V: return KeyCtrlCombo(Key, Shift, Move);
    case KeyCode::Up:
    case KeyCode::Down: return KeyUpDown(Key, Shift, Move);
    case KeyCode::Left:
    case KeyCode::Right: return KeyLeftRight(Key, Move);
    case KeyCode::PageUp:
    case KeyCode::PageDown: return KeyPage(Key, Move);
    case KeyCode::Home:
    case KeyCode::End: return KeyHomeEnd(Key, Shift, Move);
    default: return true;
    }
}

// The current row the Down key reached may sit below rows taller than the default; the paints keep
// it in view until another key, a press or a scroll is remembered in its place.
void RuzuZiriPrivate::RememberKey(KeyCode Key)
{
    m_Edit.m_EditKey = Key;
    m_Painter.m_KeepCurrentRowInView = Key == KeyCode::Down;
}

// Rows a key inserted or removed owed their scroll range and metrics while painting was suspended;
// they are paid here, and shown by the key's one repaint.
void RuzuZiriPrivate::ResumePaint(KeyMove& Move)
{
    EnablePaint(true);
    if (!m_Painter.m_Paint)
        return;
    if (std::exchange(m_Painter.m_PendingScroll, false)) {
        UpdateScrollRanges();
        Move.Repaint = true;
    }
    if (m_Painter.m_PendingMetrics) {
        CalcMetrics();
        Move.Repaint = true;
    }
}

// The target row becomes selected (the only one, unless the key extends the selection) and the
// current cell moves there. The page keys scroll without moving anything.
bool RuzuZiriPrivate::FollowKey(bool Consumed, KeyMove& Move)
{
    if (!Consumed || Move.ScrollOnly || Move.Settled)
        return !Move.Repaint || DrawGrid(m_Painter.m_Paint);
    const int row = Move.Row.value_or(m_Current.m_Row);
    const int col = Move.Col.value_or(m_Current.m_Col);
    // The rows whose look the key changes: those selected now, the current one and the target; the
    // key's own writes are told apart from those of the handlers it calls.
    const PaintStamp start = StampNow();
    const auto [changedFirst, changedLast] = ShownSelection();
    const quint64 editsBefore = m_Model.Edits();
    if (m_Model.IsRowPosition(row)) {
        if (Move.SingleSelect && row != m_Current.m_Row) {
            int from = 0;
            int to = -1;
            Move.Repaint = SelectRowRange(false, from, to) || Move.Repaint;
        }
        if (!IsFlagSet(m_Model.RowAt(row).Flags, RowFlagSelected)) {
            m_Model.SetRowFlag(row, RowFlagSelected, true);
            Move.Repaint = true;
            const quint64 seen = Changes();
            if (!Raise(&RuzuZiri::SelectionChanged))
                return false;
            if (Changes() != seen)
                return DrawGrid(m_Painter.m_Paint);
        }
    }
    const quint64 ownEdits = m_Model.Edits() - editsBefore;
    const Lifeline self(q);
    const bool moved = SetCurrentCell(row, col, true, true);
    if (!self.Alive())
        return false;
    // A key aims at shown rows and columns only; staying on a current row a filter hid holds nothing.
    m_Current.m_RowHold = false;
    m_Current.m_ColHold = false;
    if (!(moved || Move.Repaint))
        return true;
    if (m_Model.IsRowPosition(row))
        OfferChangedRows(start, ownEdits, std::min(changedFirst, row), std::max(changedLast, row));
    return DrawGrid(m_Painter.m_Paint);
}

// Where a key commits the open edit; false ends the key: the host refused the value (the key stays
// unconsumed) or deleted the grid.
bool RuzuZiriPrivate::CommitForKey()
{
    return !m_Edit.EditOpen() || q->UpdateCell(false);
}

bool RuzuZiriPrivate::UserControl_KeyUp(KeyCode Key, qint16& Shift)
{
    m_Input.m_CtrlCombo = false;
    qint16 heard = qint16(Key);
    if (!Raise(&RuzuZiri::KeyUp, heard, Shift))
        return false;
    m_Input.m_MouseShift = Shift;
    return true;
}

} // namespace Tarvex
