#include "grid/RuzuZiriPrivate.h"

#include "platform/KeyEvents.h"

#include <tarvex/platform/MouseEvents.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QWheelEvent>

// The widget's own events from Qt: keys, the wheel, the mouse, drops, resizing and the pointer's
// coming and going, each handed to the part that answers it.

namespace Tarvex {

namespace {

// The buttons held during a move, as the platform's MouseMove reports them.
qint16 ButtonsHeld(const QMouseEvent& Event)
{
    const Qt::MouseButtons buttons = Event.buttons();
    return qint16((buttons & Qt::LeftButton ? MouseButton::Left : 0) | (buttons & Qt::RightButton ? MouseButton::Right : 0)
                  | (buttons & Qt::MiddleButton ? MouseButton::Middle : 0));
}

} // namespace

// A key the grid neither consumed nor took as a character goes on to the host's window, so that its
// default button and its own keys still work.
void RuzuZiri::keyPressEvent(QKeyEvent* Event)
{
    const KeyCode incoming = KeyCodeOf(*Event);
    KeyCode keyCode = incoming;
    qint16 shift = qint16(ShiftCode(*Event));
    const TypedChar typed = TypedCharOf(*Event);
    Event->accept();
    if (Event->key() == Qt::Key_Escape && d->EscapeHeaderDrag())
        return;
    if (!d->UserControl_KeyDown(keyCode, shift))
        return;
    // The key-down handling or the host's KeyDown consumed it: it types nothing on the grid. A key
    // without a code (an umlaut, a Cyrillic letter, a hyphen) came as none and is only a character.
    if (incoming != KeyCode::None && keyCode == KeyCode::None)
        return;
    if (typed.IsNone()) {
        Event->ignore();
        return;
    }
    TypedChar kept = typed;
    if (!d->UserControl_KeyPress(kept))
        return;
    Event->setAccepted(kept.IsNone() || typed.Character() >= u' ');
}

// Repeats of a held key bring key-downs only, as the platform reports them.
void RuzuZiri::keyReleaseEvent(QKeyEvent* Event)
{
    Event->ignore();
    if (Event->isAutoRepeat())
        return;
    qint16 shift = qint16(ShiftCode(*Event));
    d->UserControl_KeyUp(KeyCodeOf(*Event), shift);
}

// The wheel is the grid's: its hook scrolls by it, so no parent scrolls as well.
void RuzuZiri::wheelEvent(QWheelEvent* Event)
{
    Event->accept();
}

// Each handler may delete the grid: nothing of it is touched after the call.
void RuzuZiri::mousePressEvent(QMouseEvent* Event)
{
    Event->accept();
    d->Clicks().Press(*Event);
}

void RuzuZiri::mouseReleaseEvent(QMouseEvent* Event)
{
    Event->accept();
    d->Clicks().Release(*Event);
}

void RuzuZiri::mouseDoubleClickEvent(QMouseEvent* Event)
{
    Event->accept();
    const QPointF at = Event->position() - QPointF(d->ClientOrigin());
    const QPointer<RuzuZiri> self(this);
    d->UserControl_SecondPress(qint16(ButtonCode(*Event)), qint16(ShiftCode(*Event)), float(at.x()), float(at.y()));
    if (self)
        d->Clicks().DoublePress(*Event);
}

void RuzuZiri::mouseMoveEvent(QMouseEvent* Event)
{
    Event->accept();
    const QPointF at = Event->position() - QPointF(d->ClientOrigin());
    d->UserControl_MouseMove(ButtonsHeld(*Event), qint16(ShiftCode(*Event)), float(at.x()), float(at.y()));
}

// A press whose release goes elsewhere: the grid hidden, its window blocked by a modal one, the grab
// taken by a popup, the window no longer active.
bool RuzuZiri::event(QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::Hide:
    case QEvent::WindowBlocked:
    case QEvent::UngrabMouse:
        d->LoseMouseAction();
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(Event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            d->LoseMouseAction();
        break;
    }
    default: break;
    }
    return UserControl::event(Event);
}

void RuzuZiri::dragEnterEvent(QDragEnterEvent* Event)
{
    if (d->m_Settings.m_AllowEdit && Event->mimeData()->hasUrls())
        Event->acceptProposedAction();
}

void RuzuZiri::dropEvent(QDropEvent* Event)
{
    Event->acceptProposedAction();
    const QPointF at = Event->position() - QPointF(d->ClientOrigin());
    d->UserControl_OLEDragDrop(*Event->mimeData(), float(at.x()), float(at.y()));
}

void RuzuZiri::resizeEvent(QResizeEvent* Event)
{
    d->LayoutScrollBars();
    UserControl::resizeEvent(Event);
}

// Once the bars exist, a new size keeps the current row on top and lays the grid out anew.
void RuzuZiri::Resize()
{
    if (!d->m_Bars.m_hWndScroll)
        return;
    if (d->m_Current.m_Row != -1)
        d->SBSetPos(1, d->m_Current.m_Row);
    else if (d->m_Model.LastRow() != -1)
        d->SBSetPos(1, 0);
    Refresh();
}

} // namespace Tarvex
