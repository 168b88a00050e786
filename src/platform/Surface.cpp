#include <tarvex/platform/Surface.h>

#include <tarvex/platform/DoEvents.h>

#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <qdrawutil.h>

namespace Tarvex {

Surface::Surface(QWidget* Parent)
    : QWidget(Parent)
    , m_Image(QSize(0, 0), QImage::Format_RGB32)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Canvas Surface::Drawing()
{
    FitImageToSize();
    return Canvas(m_Image, palette());
}

// A hidden widget gets its resize event only when it is shown, but it may be drawn on before that;
// so the picture follows the widget's size at every use, not only on resize events.
void Surface::FitImageToSize() const
{
    const QSize size = ClientSize();
    if (m_Image.size() == size)
        return;
    QImage grown(size, QImage::Format_RGB32);
    Canvas(grown, palette()).Clear(m_BackColor);
    if (!grown.isNull() && !m_Image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, m_Image);
    }
    Canvas::LetGo(m_Image);
    m_Image = std::move(grown);
}

void Surface::Cls()
{
    Drawing().Clear(m_BackColor);
    m_CurrentX = 0;
    m_CurrentY = 0;
    update();
}

void Surface::Line(double X1, double Y1, double X2, double Y2)
{
    Line(X1, Y1, X2, Y2, m_ForeColor);
}

void Surface::Line(double X1, double Y1, double X2, double Y2, OleColor Color)
{
    Drawing().Line(m_Scale.ToPixelIndex(X1), m_Scale.ToPixelIndex(Y1), m_Scale.ToPixelIndex(X2),
        m_Scale.ToPixelIndex(Y2), Color, m_DrawMode);
    m_CurrentX = X2;
    m_CurrentY = Y2;
    update();
}

void Surface::LineTo(double X2, double Y2) { Line(m_CurrentX, m_CurrentY, X2, Y2, m_ForeColor); }

void Surface::LineTo(double X2, double Y2, OleColor Color) { Line(m_CurrentX, m_CurrentY, X2, Y2, Color); }

void Surface::Print(const QString& Text)
{
    Drawing().DrawText(m_Scale.ToPixelIndex(m_CurrentX), m_Scale.ToPixelIndex(m_CurrentY), Text, font(), m_ForeColor);
    m_CurrentX = 0;
    m_CurrentY += TextHeight(Text);
    update();
}

void Surface::DrawFocusRect(const Rect& Bounds)
{
    Drawing().DrawFocusRect(Bounds);
    update();
}

// The border around the picture stays on the screen as it was drawn when the widget was shown.
void Surface::Refresh()
{
    if (isVisible())
        repaint(contentsRect());
}

void Surface::Refresh(std::span<const Rect> Changed)
{
    if (!isVisible())
        return;
    QRegion changed;
    for (const Rect& part : Changed)
        changed += QRect(part.Left, part.Top, part.Width(), part.Height());
    repaint(changed.translated(contentsRect().topLeft()));
}

void Surface::ScrollPicture(const Rect& Band, int Dx, int Dy)
{
    FitImageToSize();
    const QRect band = QRect(Band.Left, Band.Top, Band.Width(), Band.Height()) & m_Image.rect();
    if (band.isEmpty() || (Dx == 0) == (Dy == 0) || std::abs(Dx) >= band.width() || std::abs(Dy) >= band.height())
        return;
    const qsizetype line = m_Image.bytesPerLine();
    uchar* bits = m_Image.bits();
    if (Dx != 0) {
        // Each line's pixels move along it; the strip they leave keeps its old pixels.
        const qsizetype from = qsizetype(Dx < 0 ? band.left() - Dx : band.left()) * 4;
        const qsizetype to = qsizetype(Dx < 0 ? band.left() : band.left() + Dx) * 4;
        const auto bytes = size_t(band.width() - std::abs(Dx)) * 4;
        for (int y = band.top(); y <= band.bottom(); ++y)
            std::memmove(bits + qsizetype(y) * line + to, bits + qsizetype(y) * line + from, bytes);
    } else {
        const qsizetype offset = qsizetype(band.left()) * 4;
        const qsizetype bytes = qsizetype(band.width()) * 4;
        const int kept = band.height() - std::abs(Dy);
        const int from = Dy < 0 ? band.top() - Dy : band.top();
        const int to = Dy < 0 ? band.top() : band.top() + Dy;
        if (band.width() == m_Image.width()) {
            std::memmove(bits + qsizetype(to) * line, bits + qsizetype(from) * line, qsizetype(kept) * line);
        } else if (Dy < 0) {
            for (int y = 0; y < kept; ++y)
                std::memmove(bits + qsizetype(to + y) * line + offset, bits + qsizetype(from + y) * line + offset, bytes);
        } else {
            for (int y = kept - 1; y >= 0; --y)
                std::memmove(bits + qsizetype(to + y) * line + offset, bits + qsizetype(from + y) * line + offset, bytes);
        }
    }
    if (isVisible())
        scroll(Dx, Dy, band.translated(contentsRect().topLeft()));
}

double Surface::TextWidth(const QString& Text) const { return m_Scale.FromPixels(Canvas::TextWidth(font(), Text)); }

double Surface::TextHeight(const QString& Text) const { return m_Scale.FromPixels(Canvas::TextHeight(font(), Text)); }

double Surface::CurrentX() const { return m_CurrentX; }

void Surface::CurrentX(double New_CurrentX) { m_CurrentX = New_CurrentX; }

double Surface::CurrentY() const { return m_CurrentY; }

void Surface::CurrentY(double New_CurrentY) { m_CurrentY = New_CurrentY; }

OleColor Surface::ForeColor() const { return m_ForeColor; }

void Surface::ForeColor(OleColor New_ForeColor) { m_ForeColor = New_ForeColor; }

OleColor Surface::BackColor() const { return m_BackColor; }

void Surface::BackColor(OleColor New_BackColor)
{
    m_BackColor = New_BackColor;
    Cls();
}

DrawModes Surface::DrawMode() const { return m_DrawMode; }

void Surface::DrawMode(DrawModes New_DrawMode) { m_DrawMode = New_DrawMode; }

ScaleModes Surface::ScaleMode() const { return m_Scale.Mode; }

void Surface::ScaleMode(ScaleModes New_ScaleMode) { m_Scale.Mode = New_ScaleMode; }

double Surface::ScaleWidth() const { return m_Scale.FromPixels(ClientSize().width()); }

double Surface::ScaleHeight() const { return m_Scale.FromPixels(ClientSize().height()); }

void Surface::ReserveEdges(int Right, int Bottom)
{
    Right = std::max(Right, 0);
    Bottom = std::max(Bottom, 0);
    if (Right == m_ReservedRight && Bottom == m_ReservedBottom)
        return;
    // Only the strip given back to the client area shows something new; what the widgets on the
    // edges now cover they paint themselves.
    const QRegion before(QRect(contentsRect().topLeft(), ClientSize()));
    m_ReservedRight = Right;
    m_ReservedBottom = Bottom;
    FitImageToSize();
    const QRegion uncovered = QRegion(QRect(contentsRect().topLeft(), ClientSize())) - before;
    if (!uncovered.isEmpty())
        update(uncovered);
}

QSize Surface::ClientSize() const
{
    const QSize inside = contentsRect().size();
    return QSize(inside.width() - m_ReservedRight, inside.height() - m_ReservedBottom).expandedTo(QSize(0, 0));
}

// The border lies in the widget's contents margins, so child widgets placed in the contents rect
// (such as scroll bars on the reserved edges) stay inside it.
void Surface::WindowBorder(BorderLook New_Border)
{
    if (New_Border == m_Border)
        return;
    m_Border = New_Border;
    const int width = WindowBorderWidth();
    setContentsMargins(width, width, width, width);
    FitImageToSize();
    update();
}

int Surface::WindowBorderWidth() const
{
    switch (m_Border) {
    case BorderLook::Flat: return 1;
    case BorderLook::Sunken: return 2;
    case BorderLook::None: break;
    }
    return 0;
}

OleColor Surface::Point(double X, double Y) const
{
    FitImageToSize();
    return Canvas::Pixel(m_Image, m_Scale.ToPixelIndex(X), m_Scale.ToPixelIndex(Y));
}

void Surface::paintEvent(QPaintEvent* Event)
{
    const PaintEventScope inPaintEvent;
    FitImageToSize();
    QPainter painter(this);
    const QRect client(contentsRect().topLeft(), m_Image.size());
    const QRect picture = Event->rect() & client;
    painter.drawImage(picture, m_Image, picture.translated(-client.topLeft()));
    // What the reserved edges' widgets leave uncovered, such as the corner between two scroll bars.
    const QRegion rest = QRegion(Event->rect()) - QRegion(client);
    for (const QRect& r : rest)
        painter.fillRect(r, palette().window());
    // A repaint of the picture alone, as every paint of the picture is, leaves the border as it stands.
    if (contentsRect().contains(Event->rect()))
        return;
    if (m_Border == BorderLook::Flat)
        qDrawPlainRect(&painter, rect(), palette().color(QPalette::WindowText), 1);
    else if (m_Border == BorderLook::Sunken)
        qDrawWinPanel(&painter, rect(), palette(), true);
}

void Surface::resizeEvent(QResizeEvent* Event)
{
    FitImageToSize();
    QWidget::resizeEvent(Event);
}

} // namespace Tarvex
