#include <tarvex/platform/Canvas.h>

#include <QImage>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <memory>

namespace Tarvex {
namespace {

// GCC and clang have a 128-bit integer; standard C++ has none.
__extension__ typedef __int128 Int128;

// Rounds Numerator / Denominator to the nearest whole number, halves upwards; Denominator > 0.
// A step times the span of a line across the whole int range needs more than 64 bits.
long long RoundedQuotient(Int128 Numerator, long long Denominator)
{
    const Int128 twice = 2 * Numerator + Denominator;
    Int128 quotient = twice / (2 * Int128(Denominator));
    if (twice % (2 * Int128(Denominator)) < 0)
        --quotient;
    return (long long)quotient;
}

int Channel(quint32 Rgb, int Shift) { return int((Rgb >> Shift) & 0xFF); }

// A coordinate brought to just outside an image Extent pixels long, where drawing it shows nothing.
int Fitted(long long Value, int Extent) { return int(std::clamp(Value, -1LL, (long long)Extent)); }

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

namespace {

Rect Intersection(const Rect& A, const Rect& B)
{
    return Rect { std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom) };
}

} // namespace

Rect Canvas::Visible() const
{
    Rect visible { 0, 0, m_Image.width(), m_Image.height() };
    if (m_Confined)
        visible = Intersection(visible, m_Bound);
    return m_HasClip ? Intersection(visible, m_Clip) : visible;
}

Rect Canvas::VisiblePart(const Rect& Bounds) const
{
    return Intersection(Visible(), Bounds);
}

void Canvas::SetClip(const Rect& Bounds)
{
    m_Clip = Bounds;
    m_HasClip = true;
}

void Canvas::ClearClip() { m_HasClip = false; }

void Canvas::Confine(const Rect& Bounds)
{
    m_Bound = Bounds;
    m_Confined = true;
}

void Canvas::Clear(OleColor Color)
{
    if (m_Image.isNull())
        return;
    if (m_Confined)
        Fill(m_Bound, Rgb(Color));
    else
        m_Image.fill(0xFF000000u | Rgb(Color));
}

void Canvas::Plot(int X, int Y, quint32 Rgb, DrawModes Mode)
{
    const Rect visible = Visible();
    if (X < visible.Left || Y < visible.Top || X >= visible.Right || Y >= visible.Bottom)
        return;
    auto* pixel = reinterpret_cast<quint32*>(m_Image.scanLine(Y)) + X;
    *pixel = Mode == DrawModes::XorPen ? (*pixel ^ Rgb) | 0xFF000000u : 0xFF000000u | Rgb;
}

void Canvas::Fill(const Rect& Bounds, quint32 Rgb)
{
    const Rect part = VisiblePart(Bounds);
    if (part.IsEmpty())
        return;
    // wmemset writes 32-bit units with the C library's widest stores; the pixels of an RGB32 image
    // are such units.
    static_assert(sizeof(wchar_t) == sizeof(quint32));
    const auto pixel = static_cast<wchar_t>(0xFF000000u | Rgb);
    const qsizetype line = m_Image.bytesPerLine();
    uchar* first = m_Image.bits() + qsizetype(part.Top) * line + qsizetype(part.Left) * 4;
    const auto count = size_t(part.Right - part.Left);
    for (int y = part.Top; y < part.Bottom; ++y, first += line)
        std::wmemset(reinterpret_cast<wchar_t*>(first), pixel, count);
}

// Steps along the longer axis from the start point up to, not including, the end point; the other
// coordinate is the nearest whole pixel of the ideal line. Only the steps that lie on the image are
// taken, so a line to a far-away point costs no more than one across it.
void Canvas::ThinLine(long long X1, long long Y1, long long X2, long long Y2, const std::function<void(int, int)>& Pixel)
{
    const long long dx = X2 - X1;
    const long long dy = Y2 - Y1;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const long long steps = alongX ? std::llabs(dx) : std::llabs(dy);
    if (steps == 0)
        return;
    const long long major1 = alongX ? X1 : Y1;
    const int direction = (alongX ? dx : dy) > 0 ? 1 : -1;
    const long long minorDelta = alongX ? dy : dx;
    const long long minor1 = alongX ? Y1 : X1;
    const long long high = (alongX ? m_Image.width() : m_Image.height()) - 1;
    const long long limit = alongX ? m_Image.height() : m_Image.width();

    // The steps k for which major1 + direction * k lies in 0 .. high.
    long long first = direction > 0 ? -major1 : major1 - high;
    long long last = direction > 0 ? high - major1 : major1;
    first = std::max(first, 0LL);
    last = std::min(last, steps - 1);
    for (long long k = first; k <= last; ++k) {
        const long long major = major1 + direction * k;
        const long long minor = minor1 + RoundedQuotient(Int128(k) * minorDelta, steps);
        if (minor < 0 || minor >= limit)
            continue;
        if (alongX)
            Pixel(int(major), int(minor));
        else
            Pixel(int(minor), int(major));
    }
}

// The pen's square blocks, one centred on every pixel of the thin line and its end point, seen a row
// of the picture at a time: the centres whose blocks reach a row are a run of neighbouring steps, so
// the row is covered from the block of the run's first centre to that of its last. The work is
// bounded by the rows that show, whatever the pen's width or the line's length.
void Canvas::WideLine(int X1, int Y1, int X2, int Y2, int Width, quint32 Rgb)
{
    const long long dx = (long long)X2 - X1;
    const long long dy = (long long)Y2 - Y1;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    const auto centre = [&](long long K, bool X) {
        const bool major = X == alongX;
        const long long start = X ? X1 : Y1;
        const long long delta = X ? dx : dy;
        return major ? start + (delta > 0 ? K : -K) : start + RoundedQuotient(Int128(K) * delta, steps);
    };
    // The first step at or after which Past holds; Past must hold for all later steps once it does.
    const auto firstStep = [&](auto&& Past) {
        long long low = 0;
        long long high = steps + 1;
        while (low < high) {
            const long long middle = low + (high - low) / 2;
            if (Past(middle))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    };
    const long long before = Width / 2;
    const bool down = dy > 0;
    const Rect visible = Visible();
    const long long top = std::max<long long>(visible.Top, std::min(Y1, Y2) - before);
    const long long bottom = std::min<long long>(visible.Bottom, std::max(Y1, Y2) - before + Width);
    for (long long y = top; y < bottom; ++y) {
        // The centres whose blocks reach row y lie on rows low .. high.
        const long long low = y + before - Width + 1;
        const long long high = y + before;
        const long long first = firstStep([&](long long K) { return down ? centre(K, false) >= low : centre(K, false) <= high; });
        const long long last = firstStep([&](long long K) { return down ? centre(K, false) > high : centre(K, false) < low; }) - 1;
        if (first > last)
            continue;
        const long long left = std::min(centre(first, true), centre(last, true)) - before;
        const long long right = std::max(centre(first, true), centre(last, true)) - before + Width;
        Fill(Rect { Fitted(left, m_Image.width()), int(y), Fitted(right, m_Image.width()), int(y + 1) }, Rgb);
    }
}

void Canvas::Line(int X1, int Y1, int X2, int Y2, OleColor Color, DrawModes Mode)
{
    const quint32 rgb = Rgb(Color);
    // Grid lines are all axis-parallel; they are filled as a one-pixel rectangle, end point left out.
    if (Mode == DrawModes::CopyPen && (X1 == X2) != (Y1 == Y2)) {
        const long long step = X1 == X2 ? (Y2 > Y1 ? 1 : -1) : (X2 > X1 ? 1 : -1);
        const long long endX = X1 == X2 ? X1 : (long long)X2 - step;
        const long long endY = Y1 == Y2 ? Y1 : (long long)Y2 - step;
        Fill(Rect { Fitted(std::min<long long>(X1, endX), m_Image.width()), Fitted(std::min<long long>(Y1, endY), m_Image.height()),
                 Fitted(std::max<long long>(X1, endX) + 1, m_Image.width()), Fitted(std::max<long long>(Y1, endY) + 1, m_Image.height()) }, rgb);
        return;
    }
    ThinLine(X1, Y1, X2, Y2, [&](int X, int Y) { Plot(X, Y, rgb, Mode); });
}

void Canvas::Line(int X1, int Y1, int X2, int Y2, OleColor Color, int Width)
{
    if (Width <= 1) {
        Line(X1, Y1, X2, Y2, Color);
        return;
    }
    const quint32 rgb = Rgb(Color);
    const long long before = Width / 2;
    // The pixels from (Left, Top) to (Right, Bottom) inclusive, each widened to the pen.
    auto span = [&](long long Left, long long Top, long long Right, long long Bottom) {
        Fill(Rect { Fitted(Left - before, m_Image.width()), Fitted(Top - before, m_Image.height()),
                 Fitted(Right - before + Width, m_Image.width()), Fitted(Bottom - before + Width, m_Image.height()) }, rgb);
    };
    // An axis-parallel line, the common case, is one block from end to end.
    if (X1 == X2 || Y1 == Y2) {
        span(std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2));
        return;
    }
    WideLine(X1, Y1, X2, Y2, Width, rgb);
}

void Canvas::FillRect(const Rect& Bounds, OleColor Color) { Fill(Bounds, Rgb(Color)); }

void Canvas::FrameRect(const Rect& Bounds, OleColor Color, int Width)
{
    if (Bounds.IsEmpty() || Width < 1)
        return;
    const quint32 rgb = Rgb(Color);
    const long long thickness = std::min<long long>({ Width, (long long)Bounds.Right - Bounds.Left,
        (long long)Bounds.Bottom - Bounds.Top });
    Fill(Rect { Bounds.Left, Bounds.Top, Bounds.Right, int(Bounds.Top + thickness) }, rgb);
    Fill(Rect { Bounds.Left, int(Bounds.Bottom - thickness), Bounds.Right, Bounds.Bottom }, rgb);
    Fill(Rect { Bounds.Left, Bounds.Top, int(Bounds.Left + thickness), Bounds.Bottom }, rgb);
    Fill(Rect { int(Bounds.Right - thickness), Bounds.Top, Bounds.Right, Bounds.Bottom }, rgb);
}

// As the platform fills: the first colour at the left (top) edge and the second at the right
// (bottom) edge, which lies just outside, in 16-bit channels cut to 8 bits.
void Canvas::GradientFill(const Rect& Bounds, OleColor From, OleColor To, bool Vertical)
{
    if (Bounds.IsEmpty())
        return;
    const quint32 from = Rgb(From);
    const quint32 to = Rgb(To);
    const long long start = Vertical ? Bounds.Top : Bounds.Left;
    const long long span = Vertical ? (long long)Bounds.Bottom - Bounds.Top : (long long)Bounds.Right - Bounds.Left;
    const Rect part = VisiblePart(Bounds);
    const int first = Vertical ? part.Top : part.Left;
    const int last = Vertical ? part.Bottom : part.Right;
    for (int i = first; i < last; ++i) {
        quint32 rgb = 0;
        for (int shift : { 0, 8, 16 }) {
            const long long a = Channel(from, shift) * 256LL;
            const long long b = Channel(to, shift) * 256LL;
            rgb |= quint32((a + (b - a) * (i - start) / span) >> 8) << shift;
        }
        if (Vertical)
            Fill(Rect { part.Left, i, part.Right, i + 1 }, rgb);
        else
            Fill(Rect { i, part.Top, i + 1, part.Bottom }, rgb);
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
    // twice. Every edge is brought to just outside the image first, so nothing below can overflow
    // however far out the rectangle reaches, and an edge outside stays outside.
    const int left = std::clamp(Bounds.Left, -1, m_Image.width());
    const int right = std::clamp(Bounds.Right, -1, m_Image.width() + 1);
    const int top = std::clamp(Bounds.Top, -1, m_Image.height());
    const int bottom = std::clamp(Bounds.Bottom, -1, m_Image.height() + 1);
    for (int x = std::max(left, 0); x < std::min(right, m_Image.width()); ++x) {
        InvertDotted(x, top);
        if (bottom - 1 > top)
            InvertDotted(x, bottom - 1);
    }
    for (int y = std::max(top + 1, 0); y < std::min(bottom - 1, m_Image.height()); ++y) {
        InvertDotted(left, y);
        if (right - 1 > left)
            InvertDotted(right - 1, y);
    }
}

namespace {

struct KeptState {
    const QImage* Image { nullptr };
    std::unique_ptr<QPainter> Painter;
    quint64 Keeping { 0 };
};

KeptState& Kept()
{
    thread_local KeptState kept;
    return kept;
}

} // namespace

KeptPainter::KeptPainter(const Canvas& On)
{
    KeptState& kept = Kept();
    if (kept.Image || On.m_Image.isNull())
        return;
    kept.Painter = std::make_unique<QPainter>(&On.m_Image);
    if (!kept.Painter->isActive()) {
        kept.Painter.reset();
        return;
    }
    kept.Image = &On.m_Image;
    m_Keeping = ++kept.Keeping;
}

void KeptPainter::End()
{
    const KeptState& kept = Kept();
    if (m_Keeping != 0 && kept.Keeping == m_Keeping && kept.Image)
        Canvas::LetGo(*kept.Image);
    m_Keeping = 0;
}

void Canvas::LetGo(const QImage& Image)
{
    KeptState& kept = Kept();
    if (kept.Image != &Image)
        return;
    kept.Painter.reset();
    kept.Image = nullptr;
}

void Canvas::Paint(const Rect& Bounds, const std::function<void(QPainter&)>& Draw)
{
    const Rect part = VisiblePart(Bounds);
    if (m_Image.isNull() || part.IsEmpty())
        return;
    KeptState& kept = Kept();
    if (kept.Image == &m_Image) {
        QPainter& painter = *kept.Painter;
        painter.save();
        painter.setClipRect(part.Left, part.Top, part.Width(), part.Height());
        Draw(painter);
        painter.restore();
        return;
    }
    QPainter painter(&m_Image);
    painter.setClipRect(part.Left, part.Top, part.Width(), part.Height());
    Draw(painter);
}

OleColor Canvas::Pixel(const QImage& Image, int X, int Y)
{
    if (X < 0 || Y < 0 || X >= Image.width() || Y >= Image.height())
        return NoPixel;
    return ToOleColor(QColor::fromRgb(Image.pixel(X, Y)));
}

} // namespace Tarvex
