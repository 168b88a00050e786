#include "platform/Canvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cstdlib>

namespace Tarvex {
namespace {

QStringList TextLines(const QString& Text)
{
    QString unified = Text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

// Rounds Numerator / Denominator to the nearest whole number, halves upwards; Denominator > 0.
long long RoundedQuotient(long long Numerator, long long Denominator)
{
    long long twice = 2 * Numerator + Denominator;
    long long quotient = twice / (2 * Denominator);
    if (twice % (2 * Denominator) < 0)
        --quotient;
    return quotient;
}

} // namespace

Canvas::Canvas(QImage& Image, const QPalette& Palette)
    : m_Image(Image)
    , m_Palette(Palette)
{
    if (!m_Image.isNull() && m_Image.format() != QImage::Format_RGB32)
        m_Image = m_Image.convertToFormat(QImage::Format_RGB32);
}

int Canvas::Width() const { return m_Image.width(); }

int Canvas::Height() const { return m_Image.height(); }

quint32 Canvas::Rgb(OleColor Color) const
{
    return TranslateOleColor(Color, m_Palette).rgb() & 0xFFFFFFu;
}

void Canvas::Clear(OleColor Color)
{
    if (!m_Image.isNull())
        m_Image.fill(0xFF000000u | Rgb(Color));
}

void Canvas::Plot(int X, int Y, quint32 Rgb, DrawModes Mode)
{
    if (X < 0 || Y < 0 || X >= m_Image.width() || Y >= m_Image.height())
        return;
    auto* pixel = reinterpret_cast<quint32*>(m_Image.scanLine(Y)) + X;
    *pixel = Mode == DrawModes::XorPen ? (*pixel ^ Rgb) | 0xFF000000u : 0xFF000000u | Rgb;
}

// Steps along the longer axis from the start point up to, not including, the end point; the other
// coordinate is the nearest whole pixel of the ideal line. Only the steps that can land on the
// image are taken, so a line to a far-away point costs no more than one across the image.
void Canvas::Line(int X1, int Y1, int X2, int Y2, OleColor Color, DrawModes Mode)
{
    const quint32 rgb = Rgb(Color);
    const long long dx = (long long)X2 - X1;
    const long long dy = (long long)Y2 - Y1;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const long long steps = alongX ? std::llabs(dx) : std::llabs(dy);
    if (steps == 0)
        return;
    const long long major1 = alongX ? X1 : Y1;
    const int direction = (alongX ? dx : dy) > 0 ? 1 : -1;
    const long long minorDelta = alongX ? dy : dx;
    const long long minor1 = alongX ? Y1 : X1;
    const long long extent = alongX ? m_Image.width() : m_Image.height();

    // The steps k for which major1 + direction * k lies in 0 .. extent - 1.
    long long first = direction > 0 ? -major1 : major1 - (extent - 1);
    long long last = direction > 0 ? extent - 1 - major1 : major1;
    first = std::max(first, 0LL);
    last = std::min(last, steps - 1);
    for (long long k = first; k <= last; ++k) {
        const long long major = major1 + direction * k;
        const long long minor = minor1 + RoundedQuotient(k * minorDelta, steps);
        if (alongX)
            Plot(int(major), int(minor), rgb, Mode);
        else
            Plot(int(minor), int(major), rgb, Mode);
    }
}

void Canvas::InvertDotted(int X, int Y)
{
    // Every other pixel along the outline, by the parity of the position, as a 50% brush would.
    if (((X + Y) & 1) == 0)
        Plot(X, Y, 0xFFFFFFu, DrawModes::XorPen);
}

void Canvas::DrawFocusRect(const Rect& Bounds)
{
    if (Bounds.IsEmpty())
        return;
    // Top and bottom rows take the corners and the sides fill in between, so no pixel is inverted
    // twice; the loops keep to the image, whatever the rectangle.
    const int left = std::max(Bounds.Left, 0);
    const int right = std::min(Bounds.Right, m_Image.width());
    for (int x = left; x < right; ++x) {
        InvertDotted(x, Bounds.Top);
        if (Bounds.Bottom - 1 > Bounds.Top)
            InvertDotted(x, Bounds.Bottom - 1);
    }
    const int top = std::max(Bounds.Top + 1, 0);
    const int bottom = std::min(Bounds.Bottom - 1, m_Image.height());
    for (int y = top; y < bottom; ++y) {
        InvertDotted(Bounds.Left, y);
        if (Bounds.Right - 1 > Bounds.Left)
            InvertDotted(Bounds.Right - 1, y);
    }
}

void Canvas::DrawText(int X, int Y, const QString& Text, const QFont& Font, OleColor Color)
{
    if (m_Image.isNull() || Text.isEmpty())
        return;
    QPainter painter(&m_Image);
    painter.setFont(Font);
    painter.setPen(TranslateOleColor(Color, m_Palette));
    const QFontMetricsF metrics(Font);
    qreal baseline = Y + metrics.ascent();
    for (const QString& line : TextLines(Text)) {
        painter.drawText(QPointF(X, baseline), line);
        baseline += metrics.height();
    }
}

OleColor Canvas::Pixel(const QImage& Image, int X, int Y)
{
    if (X < 0 || Y < 0 || X >= Image.width() || Y >= Image.height())
        return NoPixel;
    return ToOleColor(QColor::fromRgb(Image.pixel(X, Y)));
}

double Canvas::TextWidth(const QFont& Font, const QString& Text)
{
    const QFontMetricsF metrics(Font);
    double widest = 0;
    for (const QString& line : TextLines(Text))
        widest = std::max(widest, double(metrics.horizontalAdvance(line)));
    return widest;
}

double Canvas::TextHeight(const QFont& Font, const QString& Text)
{
    return QFontMetricsF(Font).height() * TextLines(Text).size();
}

} // namespace Tarvex
