#pragma once

#include <tarvex/platform/MouseEvents.h>
#include <tarvex/platform/Surface.h>

namespace Tarvex {

// A constituent picture box: a drawing surface placed on a user control, reporting the mouse.
class PictureBox : public Surface {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* Parent = nullptr);

    // Position and size in pixels of the container.
    void Move(int Left, int Top, int Width, int Height);
    // The picture's device context: what is drawn on it shows when the box paints next. Valid until
    // the box is resized.
    Canvas hDC() { return Drawing(); }

signals:
    // X and Y in the picture box's scale.
    void MouseDown(int Button, int Shift, double X, double Y);
    void MouseUp(int Button, int Shift, double X, double Y);
    void Click();
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    ClickSequence m_Clicks; // presses and releases to the events above
};

} // namespace Tarvex
