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
bool ActsFromEditor(qint16 Code)
{
    switch (Code) {
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

bool RuzuZiriPrivate::EditorKeyDown(QKeyEvent& Key, qint16& KeyAscii)
{
    qint16 keyCode = KeyCodeOf(Key);
    // An Alt chord types nothing into the cell either, and so never passes the column's filter.
    if (!ActsFromEditor(keyCode))
        return IsAltChord(Key);
    qint16 shift = qint16(ShiftCode(Key));
    if (!UserControl_KeyDown(keyCode, shift))
        return true;
    bool consumed = keyCode == 0;
    // Enter and Escape end the edit in the key-press handling when typing opens the editor.
    if (KeyAscii == KeyCode::Return || KeyAscii == KeyCode::Escape) {
        if (!UserControl_KeyPress(KeyAscii))
            return true;
        consumed = consumed || KeyAscii == 0;
    }
    return consumed || !m_Edit.m_EditOpen;
}

// The host hears the release of each key whose key-down it heard from the editor.
void RuzuZiriPrivate::EditorKeyUp(QKeyEvent& Key)
{
    qint16 keyCode = KeyCodeOf(Key);
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
    if (m_Destroying || !m_Edit.m_EditOpen || m_Edit.m_EditBound || Reason == Qt::PopupFocusReason
        || Reason == Qt::ActiveWindowFocusReason)
        return;
    if (QApplication::focusWidget() == q)
        return;
    CommitOnFocusLoss();
}

// The key acts with painting suspended; the selection and the current cell follow it once painting
// is on again, so a key repaints once. The host's KeyDown hears the key code as it came, and swallows
// the key by clearing it, as KeyPress swallows a character; what the grid did with the key stands.
bool RuzuZiriPrivate::UserControl_KeyDown(qint16& KeyCode, qint16& Shift)
{
    const qint16 incoming = KeyCode;
    HideTip();
    m_Current.m_RowHold = false;
    m_Current.m_ColHold = false;
    m_Input.m_MouseShift = Shift;
    EnablePaint(false);
    KeyMove move;
    if (!ActOnKey(KeyCode, Shift, move))
        return false;
    ResumePaint(move);
    if (!FollowKey(KeyCode == 0, move))
        return false;
    qint16 heard = incoming;
    if (!Raise(&RuzuZiri::KeyDown, heard, Shift))
        return false;
    if (heard == 0)
        KeyCode = 0;
    return true;
}

bool RuzuZiriPrivate::ActOnKey(qint16& KeyCode, qint16 Shift, KeyMove& Move)
{
    switch (KeyCode) {
    case KeyCode::Return:
    case KeyCode::Escape: return KeyEnterEscape(KeyCode, Move);
    case KeyCode::Insert: return KeyInsert(KeyCode, Move);
    case KeyCode::Delete: return KeyDelete(KeyCode, Move);
    case KeyCode::F2: return KeyF2(KeyCode);
    case KeyCode::Space: return KeySpace(KeyCode, Move);
    case KeyCode::A:
    case KeyCode::C:
    case KeyCode::V: return KeyCtrlCombo(KeyCode, Shift, Move);
    case KeyCode::Up:
    case KeyCode::Down: return KeyUpDown(KeyCode, Shift, Move);
    case KeyCode::Left:
    case KeyCode::Right: return KeyLeftRight(KeyCode, Move);
    case KeyCode::PageUp:
    case KeyCode::PageDown: return KeyPage(KeyCode, Move);
    case KeyCode::Home:
    case KeyCode::End: return KeyHomeEnd(KeyCode, Shift, Move);
    default: return true;
    }
}

// The current row the Down key reached may sit below rows taller than the default; the paints keep
// it in view until another key, a press or a scroll is remembered in its place.
void RuzuZiriPrivate::RememberKey(qint16 Key)
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
    const Lifeline self(q);
    const bool moved = SetCurrentCell(row, col, true, true);
    if (!self.Alive())
        return false;
    // A key aims at shown rows and columns only; staying on a current row a filter hid holds nothing.
    m_Current.m_RowHold = false;
    m_Current.m_ColHold = false;
    return !(moved || Move.Repaint) || DrawGrid(m_Painter.m_Paint);
}

// Where a key commits the open edit; false ends the key: the host refused the value (the key stays
// unconsumed) or deleted the grid.
bool RuzuZiriPrivate::CommitForKey()
{
    return !m_Edit.m_EditOpen || q->UpdateCell(false);
}

bool RuzuZiriPrivate::UserControl_KeyUp(qint16& KeyCode, qint16& Shift)
{
    m_Input.m_CtrlCombo = false;
    if (!Raise(&RuzuZiri::KeyUp, KeyCode, Shift))
        return false;
    m_Input.m_MouseShift = Shift;
    return true;
}

} // namespace Tarvex
