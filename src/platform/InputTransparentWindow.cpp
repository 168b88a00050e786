#include "platform/InputTransparentWindow.h"

#include <QWidget>
#include <QWindow>

namespace Tarvex {

namespace {

// Beyond every screen: a window mapped there is under no pointer.
constexpr int Away = -30000;

} // namespace

// Under X a window's input region does not hold from its creation: mapped, the window takes the
// pointer like any other, until its transparency is asked for again. So it is mapped away from the
// pointer, made transparent there, and only then put in its place.
void ShowTransparentForInput(QWidget& Window)
{
    const QRect place = Window.geometry();
    if (!Window.isVisible()) {
        Window.move(Away, Away);
        Window.show();
    }
    if (QWindow* handle = Window.windowHandle()) {
        handle->setFlag(Qt::WindowTransparentForInput, false);
        handle->setFlag(Qt::WindowTransparentForInput, true);
    }
    Window.setGeometry(place);
}

} // namespace Tarvex
