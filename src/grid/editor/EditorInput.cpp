#include "grid/RuzuZiriPrivate.h"

#include "grid/editor/LetterCase.h"
#include "platform/KeyEvents.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <limits>

namespace Tarvex {

namespace {

constexpr TypedChar Period { u'.' };

// The keys typed into txtEdit reach the grid before the text box sees them; a double click reaches
// it after the text box selected the word under the pointer, and a loss of focus after the text box
// let it go. Text that arrives otherwise is typed through the column's filter (editor/EditorPaste.cpp).
// A handler may delete the grid, and the text box and this filter with it: the event then goes no
// further, and nothing of either is touched again.
class EditorInput : public QObject {
public:
    EditorInput(RuzuZiriPrivate& Grid, QObject* Parent)
        : QObject(Parent)
        , d(Grid)
    {
    }

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        const Lifeline grid(d.q);
        switch (Event->type()) {
        case QEvent::KeyPress:
            d.EditorKey(*static_cast<QKeyEvent*>(Event));
            // The grid has had the key, so it goes no further, even where the text box left it.
            Event->accept();
            return true;
        case QEvent::KeyRelease:
            d.EditorKeyUp(*static_cast<QKeyEvent*>(Event));
            return !grid.Alive();
        case QEvent::MouseButtonDblClick:
            Watched->event(Event);
            if (grid.Alive())
                d.txtEdit_DblClick();
            return true;
        case QEvent::MouseButtonRelease: return d.MiddleClickPaste(*static_cast<QMouseEvent*>(Event)) || !grid.Alive();
        case QEvent::InputMethod: return d.ComposeInEditor(*static_cast<QInputMethodEvent*>(Event)) || !grid.Alive();
        case QEvent::Drop: return d.DropInEditor(*static_cast<QDropEvent*>(Event)) || !grid.Alive();
        case QEvent::ContextMenu:
            d.EditorMenu(*static_cast<QContextMenuEvent*>(Event));
            return true;
        // The text box lets the focus go first; the commit may then hide it.
        case QEvent::FocusOut:
            Watched->event(Event);
            if (grid.Alive())
                d.EditorFocusOut(static_cast<QFocusEvent*>(Event)->reason());
            return true;
        default: return false;
        }
    }

private:
    RuzuZiriPrivate& d; // the grid that owns the text box, and with it this filter
};

} // namespace

void RuzuZiriPrivate::CreateCellEditor()
{
    m_Edit.txtEdit = new QLineEdit(q);
    m_Edit.txtEdit->setObjectName(QStringLiteral("txtEdit"));
    m_Edit.txtEdit->setFrame(false);
    // A cell holds texts of any length; the text box would cut them at 32,767 characters.
    m_Edit.txtEdit->setMaxLength(std::numeric_limits<int>::max());
    m_Edit.txtEdit->hide();
    m_Edit.m_EditCase = new LetterCase(m_Edit.txtEdit);
    m_Edit.txtEdit->setValidator(m_Edit.m_EditCase);
    m_Edit.txtEdit->installEventFilter(new EditorInput(*this, m_Edit.txtEdit));
}

// What the grid and the filter leave of a key goes to the text box.
void RuzuZiriPrivate::EditorKey(QKeyEvent& Key)
{
    const Lifeline self(q);
    const TypedChar typed = TypedCharOf(Key);
    TypedChar kept = typed;
    if (EditorKeyDown(Key, kept) || !self.Alive() || !m_Edit.EditOpen() || PasteKey(Key))
        return;
    if (typed.IsNone() && TypeKeyText(Key))
        return;
    if (!typed.IsNone()) {
        if (kept.IsNone() || !txtEdit_KeyPress(kept) || !m_Edit.EditOpen() || kept.IsNone())
            return;
        if (kept != typed) {
            TypeInEditor(kept);
            return;
        }
    }
    static_cast<QObject*>(m_Edit.txtEdit)->event(&Key);
}

// A character the filter or a host put in place of the one typed.
void RuzuZiriPrivate::TypeInEditor(TypedChar Typed)
{
    if (Typed == TypedChar::Backspace)
        m_Edit.txtEdit->backspace();
    else if (Typed != TypedChar::Return && Typed != TypedChar::Escape)
        m_Edit.txtEdit->insert(QString(Typed.Character()));
}

// With a character filter, only its characters are typed, and Backspace and "." always; "<" and ">"
// only force the case (LetterCase). The host has the last word in EditKeyPress.
bool RuzuZiriPrivate::txtEdit_KeyPress(TypedChar& Typed)
{
    const int col = EditColumn();
    if (col < 0)
        return true;
    const QString& filter = m_Model.Columns()[size_t(col)].InputFilter;
    const bool filters = !filter.isEmpty() && filter != QLatin1String("<") && filter != QLatin1String(">");
    if (filters && Typed != TypedChar::Backspace && Typed != Period && !filter.contains(Typed.Character()))
        Typed = TypedChar::None;
    return RaiseTyped(&RuzuZiri::EditKeyPress, Typed, col);
}

// A double click in the editor is one on the grid.
void RuzuZiriPrivate::txtEdit_DblClick()
{
    UserControl_DblClick();
}

} // namespace Tarvex
