#include "platform/PictureBox.h"

#include <QMouseEvent>

#include <algorithm>

namespace Tarvex {
namespace {

int ButtonCode(Qt::MouseButton Button)
{
    switch (Button) {
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

int ShiftCode(Qt::KeyboardModifiers Modifiers)
{
    return (Modifiers & Qt::ShiftModifier ? ShiftKey::Shift : 0) | (Modifiers & Qt::ControlModifier ? ShiftKey::Ctrl : 0)
        | (Modifiers & Qt::AltModifier ? ShiftKey::Alt : 0);
}

} // namespace

PictureBox::PictureBox(QWidget* Parent)
    : Surface(Parent)
{
}

void PictureBox::Move(int Left, int Top, int Width, int Height)
{
    setGeometry(Left, Top, std::max(Width, 0), std::max(Height, 0));
}

void PictureBox::mousePressEvent(QMouseEvent* Event)
{
    const Tarvex::Scale scale { ScaleMode() };
    emit MouseDown(ButtonCode(Event->button()), ShiftCode(Event->modifiers()), scale.FromPixels(Event->position().x()),
        scale.FromPixels(Event->position().y()));
}

} // namespace Tarvex
