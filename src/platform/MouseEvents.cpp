#include <tarvex/platform/MouseEvents.h>

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace Tarvex {

int ButtonCode(const QMouseEvent& Event)
{
    switch (Event.button()) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return 0;
    }
}

int ShiftCode(const QInputEvent& Event)
{
    const Qt::KeyboardModifiers modifiers = Event.modifiers();
    return (modifiers & Qt::ShiftModifier ? ShiftKey::Shift : 0) | (modifiers & Qt::ControlModifier ? ShiftKey::Ctrl : 0)
        | (modifiers & Qt::AltModifier ? ShiftKey::Alt : 0);
}

ClickSequence::ClickSequence(QWidget& Widget, double PixelsToScale, Events Handlers)
    : m_Widget(Widget)
    , m_PixelsToScale(PixelsToScale)
    , m_Handlers(std::move(Handlers))
{
}

void ClickSequence::Report(const std::function<void(int, int, double, double)>& Handler, const QMouseEvent& Event) const
{
    if (Handler)
        Handler(ButtonCode(Event), ShiftCode(Event), Event.position().x() * m_PixelsToScale, Event.position().y() * m_PixelsToScale);
}

void ClickSequence::Press(const QMouseEvent& Event)
{
    m_EndsDoubleClick = false;
    Report(m_Handlers.MouseDown, Event);
}

void ClickSequence::DoublePress(const QMouseEvent& Event)
{
    m_EndsDoubleClick = true;
    if (Event.button() == Qt::LeftButton && m_Handlers.DblClick)
        m_Handlers.DblClick();
}

// A handler may hide or move the widget, so whether the pointer is over it is decided first. One that
// deleted the widget, and with it this sequence, gets no Click.
void ClickSequence::Release(const QMouseEvent& Event)
{
    const bool click = !m_EndsDoubleClick && Event.button() == Qt::LeftButton && m_Widget.rect().contains(Event.position().toPoint());
    m_EndsDoubleClick = false;
    const QPointer<QWidget> widget(&m_Widget);
    Report(m_Handlers.MouseUp, Event);
    if (widget && click && m_Handlers.Click)
        m_Handlers.Click();
}

} // namespace Tarvex
