#include <tarvex/platform/Shape.h>

#include "platform/TwipsGeometry.h"

#include <QPainter>

#include <algorithm>

namespace Tarvex {

Shape::Shape(QWidget* Parent)
    : QWidget(Parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

OleColor Shape::BorderColor() const { return m_BorderColor; }

void Shape::BorderColor(OleColor New_BorderColor)
{
    m_BorderColor = New_BorderColor;
    update();
}

int Shape::BorderWidth() const { return m_BorderWidth; }

void Shape::BorderWidth(int New_BorderWidth)
{
    m_BorderWidth = std::max(New_BorderWidth, 0);
    update();
}

OleColor Shape::FillColor() const { return m_FillColor; }

void Shape::FillColor(OleColor New_FillColor)
{
    m_FillColor = New_FillColor;
    update();
}

FillStyles Shape::FillStyle() const { return m_FillStyle; }

void Shape::FillStyle(FillStyles New_FillStyle)
{
    m_FillStyle = New_FillStyle;
    update();
}

OleColor Shape::BackColor() const { return m_BackColor; }

void Shape::BackColor(OleColor New_BackColor)
{
    m_BackColor = New_BackColor;
    update();
}

BackStyles Shape::BackStyle() const { return m_BackStyle; }

void Shape::BackStyle(BackStyles New_BackStyle)
{
    m_BackStyle = New_BackStyle;
    update();
}

bool Shape::Visible() const { return !isHidden(); }

void Shape::Visible(bool New_Visible) { setVisible(New_Visible); }

void Shape::Move(double Left, double Top, double Width, double Height) { MoveInTwips(*this, Left, Top, Width, Height); }

void Shape::ZOrder(int Position)
{
    if (Position == 0)
        raise();
    else
        lower();
}

void Shape::paintEvent(QPaintEvent* Event)
{
    Q_UNUSED(Event);
    QPainter painter(this);
    if (m_FillStyle == FillStyles::Solid)
        painter.fillRect(rect(), TranslateOleColor(m_FillColor, palette()));
    else if (m_BackStyle == BackStyles::Opaque)
        painter.fillRect(rect(), TranslateOleColor(m_BackColor, palette()));
    const QColor border = TranslateOleColor(m_BorderColor, palette());
    const int edge = std::min({ m_BorderWidth, (width() + 1) / 2, (height() + 1) / 2 });
    if (edge <= 0)
        return;
    painter.fillRect(0, 0, width(), edge, border);
    painter.fillRect(0, height() - edge, width(), edge, border);
    painter.fillRect(0, 0, edge, height(), border);
    painter.fillRect(width() - edge, 0, edge, height(), border);
}

} // namespace Tarvex
