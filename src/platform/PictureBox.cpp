#include <tarvex/platform/PictureBox.h>

#include <QMouseEvent>

#include <algorithm>

namespace Tarvex {

PictureBox::PictureBox(QWidget* Parent)
    : Surface(Parent)
    , m_Clicks(*this, 1, SignalsOf(this))
{
}

void PictureBox::Move(int Left, int Top, int Width, int Height)
{
    setGeometry(Left, Top, std::max(Width, 0), std::max(Height, 0));
}

void PictureBox::mousePressEvent(QMouseEvent* Event)
{
    m_Clicks.PixelsToScale(Tarvex::Scale { ScaleMode() }.FromPixels(1));
    m_Clicks.Press(*Event);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* Event) { m_Clicks.DoublePress(*Event); }

void PictureBox::mouseReleaseEvent(QMouseEvent* Event)
{
    m_Clicks.PixelsToScale(Tarvex::Scale { ScaleMode() }.FromPixels(1));
    m_Clicks.Release(*Event);
}

} // namespace Tarvex
