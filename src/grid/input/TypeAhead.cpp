#include "grid/RuzuZiriPrivate.h"

#include "grid/input/KeyMove.h"
#include "grid/model/RowSearch.h"
#include "platform/KeyEvents.h"

#include <tarvex/platform/Clock.h>

#include <QLineEdit>

// The characters typed on the grid: where typing opens the editor (EditTrigger 32) the first one
// becomes the editor's text; otherwise letters and digits search the SearchColumn as they are typed.

namespace Tarvex {

namespace {

// A pause this long starts a new search text.
constexpr quint32 SearchRestartMs = 1000;

// Kind 4 of the row search: at or after the text, with the same first character.
constexpr int SearchMode = 4;

// Letters and digits of any script search; punctuation and symbols do not.
bool IsAlphaNumeric(TypedChar Typed)
{
    return Typed.Character().isLetterOrNumber();
}

} // namespace

bool RuzuZiriPrivate::UserControl_KeyPress(TypedChar& Typed)
{
    if (!q->isEnabled())
        return true;
    const bool endKey = Typed == TypedChar::Escape || Typed == TypedChar::Return;
    if (IsFlagSet(m_Settings.m_EditTrigger, EditTriggerBit::Typing)) {
        if (m_Edit.EditOpen() && Typed == TypedChar::Escape) {
            Typed = TypedChar::None;
            return CloseCellEditor();
        }
        if (m_Edit.EditOpen() && Typed == TypedChar::Return) {
            const Lifeline self(q);
            const bool allowed = BeginOrCommitEdit(true);
            if (!self.Alive())
                return false;
            if (allowed) {
                Typed = TypedChar::None;
                return true;
            }
        } else if (!m_Edit.EditOpen() && !TypeToEdit(Typed)) {
            return false;
        }
    }
    if (endKey && IsFlagSet(m_Settings.m_EditTrigger, EditTriggerBit::SwallowEnterEscape)) {
        Typed = TypedChar::None;
        return true;
    }
    if (!m_Input.m_CtrlCombo && !m_Edit.EditOpen() && !Typed.IsNone() && IsAlphaNumeric(Typed) && !TypeAhead(Typed))
        return false;
    return RaiseTyped(&RuzuZiri::KeyPress, Typed);
}

// The editor opens on the current cell with the typed character in place of the cell's text, after the
// column's filter and the host's EditKeyPress had their say. Backspace opens it empty.
bool RuzuZiriPrivate::TypeToEdit(TypedChar& Typed)
{
    const Lifeline self(q);
    const bool allowed = BeginOrCommitEdit(true);
    if (!self.Alive())
        return false;
    if (!allowed || !m_Edit.EditOpen() || m_Edit.EditBound())
        return true;
    if (!txtEdit_KeyPress(Typed))
        return false;
    if (m_Edit.EditOpen() && !Typed.IsNone() && Typed != TypedChar::Return) {
        m_Edit.txtEdit->selectAll();
        TypeInEditor(Typed);
    }
    return true;
}

// The search restarts after a second without a key, by the tick count, and always starts at the first
// row. The row found becomes the current and only selected row; rows a filter hid are passed over.
bool RuzuZiriPrivate::TypeAhead(TypedChar Typed)
{
    const quint32 now = TickCount();
    const QChar typed = Typed.Character();
    if (now - m_Input.m_SearchTime >= SearchRestartMs)
        m_Input.m_SearchText = typed;
    else
        m_Input.m_SearchText += typed;
    m_Input.m_SearchTime = now;
    if (m_Model.LastRow() < 0 || m_Settings.m_SearchColumn < 0)
        return true;
    TextMatch match(m_Input.m_SearchText, SearchMode, false);
    const int found = FindPosition(m_Model, match, m_Settings.m_SearchColumn, 0, true);
    if (found < 0)
        return true;
    SBSetPos(1, std::min(found, SBGetMax(1)));
    KeyMove move;
    move.Row = found;
    move.Col = m_Current.m_Col;
    move.Repaint = true;
    return FollowKey(true, move);
}

} // namespace Tarvex
