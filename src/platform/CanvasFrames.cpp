#include <tarvex/platform/Canvas.h>

#include <algorithm>

namespace Tarvex {
namespace {

// The classic three-dimensional look is built from these system colours.
constexpr OleColor Face = SystemColor::ButtonFace;
constexpr OleColor Shadow = SystemColor::ButtonShadow;
constexpr OleColor Highlight = SystemColorFlag | 20;
constexpr OleColor DarkShadow = SystemColorFlag | 21;
constexpr OleColor Light = SystemColorFlag | 22;
constexpr OleColor GrayText = SystemColorFlag | 17;

// Columns of the classic 7 x 7 check mark: the top row of a three-pixel stroke in each column.
constexpr int CheckMarkTop[7] = { 2, 3, 4, 3, 2, 1, 0 };

} // namespace

bool Canvas::DrawFrameControl(const Rect& Bounds, int Kind, int State)
{
    if (Kind != FrameControl::Button)
        return false;
    if (Bounds.IsEmpty())
        return true;
    if (State & FrameControl::ButtonPush)
        DrawPushButton(Bounds, State);
    else
        DrawCheckBox(Bounds, State);
    return true;
}

// Two outlines, outer and inner, each lit at the top and left and shaded at the bottom and right.
void Canvas::DrawPushButton(const Rect& Bounds, int State)
{
    FillRect(Bounds, Face);
    const Rect inner { Bounds.Left + 1, Bounds.Top + 1, Bounds.Right - 1, Bounds.Bottom - 1 };
    if (State & FrameControl::Flat) {
        FrameRect(Bounds, Shadow);
        return;
    }
    if (State & FrameControl::Pushed) {
        FrameRect(Bounds, DarkShadow);
        FrameRect(inner, Shadow);
        return;
    }
    auto edge = [this](const Rect& R, OleColor Lit, OleColor Shaded) {
        if (R.IsEmpty())
            return;
        FillRect(Rect { R.Left, R.Top, R.Right, R.Top + 1 }, Lit);
        FillRect(Rect { R.Left, R.Top, R.Left + 1, R.Bottom }, Lit);
        FillRect(Rect { R.Left, R.Bottom - 1, R.Right, R.Bottom }, Shaded);
        FillRect(Rect { R.Right - 1, R.Top, R.Right, R.Bottom }, Shaded);
    };
    edge(Bounds, Light, DarkShadow);
    edge(inner, Highlight, Shadow);
}

// A square box at the rectangle's left, as high as the rectangle (or as wide, if narrower),
// vertically centred; the flat one has a one-pixel frame, the plain one a sunken edge.
void Canvas::DrawCheckBox(const Rect& Bounds, int State)
{
    // A side may be wider than an int holds; every edge below lies inside Bounds, so it fits one.
    const long long side = std::min<long long>((long long)Bounds.Right - Bounds.Left, (long long)Bounds.Bottom - Bounds.Top);
    const int top = int(Bounds.Top + ((long long)Bounds.Bottom - Bounds.Top - side) / 2);
    const Rect box { Bounds.Left, top, int(Bounds.Left + side), int(top + side) };
    const bool dim = State & (FrameControl::Inactive | FrameControl::Pushed);
    FillRect(box, dim ? Face : SystemColor::Window);
    int border = 1;
    if (State & FrameControl::Flat) {
        FrameRect(box, Shadow);
    } else {
        border = 2;
        FillRect(Rect { box.Left, box.Top, box.Right, box.Top + 1 }, Shadow);
        FillRect(Rect { box.Left, box.Top, box.Left + 1, box.Bottom }, Shadow);
        FillRect(Rect { box.Left, box.Bottom - 1, box.Right, box.Bottom }, Highlight);
        FillRect(Rect { box.Right - 1, box.Top, box.Right, box.Bottom }, Highlight);
        const Rect inner { box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1 };
        FillRect(Rect { inner.Left, inner.Top, inner.Right, inner.Top + 1 }, DarkShadow);
        FillRect(Rect { inner.Left, inner.Top, inner.Left + 1, inner.Bottom }, DarkShadow);
        FillRect(Rect { inner.Left, inner.Bottom - 1, inner.Right, inner.Bottom }, Light);
        FillRect(Rect { inner.Right - 1, inner.Top, inner.Right, inner.Bottom }, Light);
    }
    if (!(State & FrameControl::Checked) || side - 2 * border < 7)
        return;
    const OleColor mark = (State & FrameControl::Inactive) ? GrayText : SystemColor::WindowText;
    const int left = int(box.Left + (side - 7) / 2);
    const int markTop = int(box.Top + (side - 7) / 2);
    for (int column = 0; column < 7; ++column)
        FillRect(Rect { left + column, markTop + CheckMarkTop[column], left + column + 1,
                     markTop + CheckMarkTop[column] + 3 }, mark);
}

} // namespace Tarvex
