#pragma once

#include "platform/Surface.h"

namespace Tarvex {

// Mouse buttons and shift keys as the mouse events report them.
namespace MouseButton {
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 4;
} // namespace MouseButton
namespace ShiftKey {
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace ShiftKey

// A constituent picture box: a drawing surface placed on a user control, reporting presses.
class PictureBox : public Surface {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* Parent = nullptr);

    // Position and size in pixels of the container.
    void Move(int Left, int Top, int Width, int Height);

signals:
    // X and Y in the picture box's scale.
    void MouseDown(int Button, int Shift, double X, double Y);

protected:
    void mousePressEvent(QMouseEvent* Event) override;
};

} // namespace Tarvex
