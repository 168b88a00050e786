#include "grid/RuzuZiriPrivate.h"

#include "grid/input/KeyMove.h"
#include "platform/KeyEvents.h"

#include <tarvex/platform/MouseEvents.h>

#include <QLineEdit>

#include <algorithm>

// The keys that move the current cell or scroll: the arrows, the page keys, Home and End. Each
// chooses a target; the key-down handling then selects it and moves there (input/Keyboard.cpp).
// A key never aims at a hidden row or column: the current cell would stay, and the hold that keeps
// it would make every row read as locked until the next key.

namespace Tarvex {

// Shift extends the selection where MultiSelect has the bit of On. A row off the page is scrolled to
// the top of the page when the vertical bar can scroll, and not moved to otherwise.
bool RuzuZiriPrivate::KeyUpDown(KeyCode& Key, qint16 Shift, KeyMove& Move)
{
    const bool up = Key == KeyCode::Up;
    RememberKey(Key);
    if ((Shift & ShiftKey::Shift) && IsFlagSet(m_Settings.m_MultiSelect, MultiSelectMode::On))
        Move.SingleSelect = false;
    const Lifeline self(q);
    if (!CommitForKey())
        return self.Alive();
    int target = FindUnlockedRow(up);
    if (!IsNavigableRow(target, 0))
        target = m_Current.m_Row;
    if (target >= 0 && (target < m_Painter.m_RowFirstVisible || target > m_Painter.m_RowLastVisible)) {
        if (SBVisible(1))
            SBSetPos(1, target);
        else
            target = m_Current.m_Row;
    }
    Move.Row = target;
    Key = KeyCode::None;
    return true;
}

// Without an edit the arrows move to the next navigable column, wrapping. In an edit opened by typing
// or Enter they commit once the caret stands at the text's end they point to; in one opened by F2
// they move the caret.
bool RuzuZiriPrivate::KeyLeftRight(KeyCode& Key, KeyMove& Move)
{
    const bool left = Key == KeyCode::Left;
    if (!m_Edit.EditOpen()) {
        const int target = left ? PrevNavigableCol(false) : NextNavigableCol(false);
        Move.Col = IsNavigableCol(target) ? target : m_Current.m_Col;
        RememberKey(KeyCode::None);
        Key = KeyCode::None;
        return true;
    }
    if (m_Edit.m_EditKey == KeyCode::F2 || m_Edit.EditBound())
        return true;
    const bool atEnd = left ? m_Edit.txtEdit->cursorPosition() == 0
                            : m_Edit.txtEdit->cursorPosition() == m_Edit.txtEdit->text().size();
    if (!atEnd)
        return true;
    RememberKey(Key);
    return EditForKey(Key, false);
}

// The page moves by what shows; the current row stays where it is. A commit the host refused leaves
// the key unconsumed, as it leaves the other moving keys.
bool RuzuZiriPrivate::KeyPage(KeyCode& Key, KeyMove& Move)
{
    const bool up = Key == KeyCode::PageUp;
    RememberKey(Key);
    Move.ScrollOnly = true;
    const Lifeline self(q);
    if (!CommitForKey())
        return self.Alive();
    Key = KeyCode::None;
    if (up && m_Current.m_Row >= 0) {
        SBSetPos(1, std::max(PageTopRow(m_Painter.m_RowFirstVisible), 0));
        Move.Repaint = true;
    } else if (!up && m_Current.m_Row < m_Model.LastRow()) {
        SBSetPos(1, std::min(m_Painter.m_RowLastVisible, m_Model.LastRow()));
        Move.Repaint = true;
    }
    return true;
}

// Shift or Ctrl: to the first or last row, Shift selecting the rows on the way where MultiSelect
// allows it. Alone and without an edit: to the first or last navigable column; in an edit they move
// the caret.
bool RuzuZiriPrivate::KeyHomeEnd(KeyCode& Key, qint16 Shift, KeyMove& Move)
{
    const bool home = Key == KeyCode::Home;
    if (!(Shift & (ShiftKey::Shift | ShiftKey::Ctrl))) {
        if (m_Edit.EditOpen())
            return true;
        RememberKey(Key);
        const int target = home ? NextNavigableCol(true) : PrevNavigableCol(true);
        Move.Col = IsNavigableCol(target) ? target : m_Current.m_Col;
        SBSetPos(0, home ? SBGetMin(0) : SBGetMax(0));
        Key = KeyCode::None;
        return true;
    }
    RememberKey(Key);
    const Lifeline self(q);
    if (!CommitForKey())
        return self.Alive();
    if ((Shift & ShiftKey::Shift) && m_Settings.m_MultiSelect != MultiSelectMode::Off) {
        Move.SingleSelect = false;
        if (!KeySelectToEdge(home))
            return false;
    }
    const int last = m_Model.LastRow();
    const int target = home ? m_Model.NextShownRow(0) : m_Model.PrevShownRow(last);
    Move.Row = m_Model.IsRowPosition(target) ? target : m_Current.m_Row;
    SBSetPos(1, home ? SBGetMin(1) : SBGetMax(1));
    Key = KeyCode::None;
    return true;
}

// The rows from the current one to the edge become the selection. Home leaves the first row to the
// move that follows, which selects it with a second SelectionChanged.
bool RuzuZiriPrivate::KeySelectToEdge(bool Home)
{
    int from = 0;
    int to = -1;
    SelectRowRange(false, from, to);
    const int current = std::max(m_Current.m_Row, 0);
    if (Home && current >= 1) {
        from = 1;
        to = current;
        SelectRowRange(true, from, to);
    } else if (!Home && m_Model.LastRow() >= 0) {
        from = current;
        to = m_Model.LastRow();
        SelectRowRange(true, from, to);
    }
    return Raise(&RuzuZiri::SelectionChanged);
}

} // namespace Tarvex
