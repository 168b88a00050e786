#include <tarvex/platform/UserControl.h>

#include <QApplication>
#include <QFocusEvent>

namespace Tarvex {

UserControl::UserControl(QWidget* Parent)
    : Surface(Parent)
{
}

QFont UserControl::AmbientFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

bool UserControl::UserMode() const { return m_UserMode; }

void UserControl::UserMode(bool New_UserMode) { m_UserMode = New_UserMode; }

void UserControl::resizeEvent(QResizeEvent* Event)
{
    Surface::resizeEvent(Event);
    Resize();
}

void UserControl::focusInEvent(QFocusEvent* Event)
{
    Surface::focusInEvent(Event);
    if (m_HasFocus)
        return;
    m_HasFocus = true;
    GotFocus();
}

void UserControl::focusOutEvent(QFocusEvent* Event)
{
    Surface::focusOutEvent(Event);
    if (!m_HasFocus)
        return;
    m_HasFocus = false;
    LostFocus();
}

} // namespace Tarvex
