#include "grid/paint/DrawingHelpers.h"

#include <tarvex/platform/VisualStyle.h>

namespace Tarvex {
namespace {

constexpr qint32 DarkShadow3D = qint32(0x80000015);

} // namespace

void DrawLine(Canvas& Drawing, int X1, int Y1, int X2, int Y2, qint32 Color, int Width)
{
    Drawing.Line(X1, Y1, X2, Y2, OleColor(Color), Width);
}

void DrawRect(Canvas& Drawing, const Rect& Bounds, qint32 Color, bool Fill)
{
    if (Fill)
        Drawing.FillRect(Bounds, OleColor(Color));
    else
        Drawing.FrameRect(Bounds, OleColor(Color));
}

void DrawSortArrow(Canvas& Drawing, int X, int Y, int Width, int Height, int Direction)
{
    if (Direction == 0)
        return;
    qint32 color = 0;
    TranslateOleColor(DarkShadow3D, Drawing.Palette(), color);
    for (int k = 0; k < Height; ++k) {
        const int row = Direction == 2 ? Y + Height - 1 - k : Y + k;
        Drawing.Line(X + k, row, X + Width - k, row, OleColor(color));
    }
}

int DrawString(Canvas& Drawing, const QString& Text, int Length, Rect& Bounds, int Flags, int DrawTextFlags,
               const QFont& Font, qint32 Color)
{
    const QString shown = Length < 0 ? Text : Text.left(Length);
    return Drawing.DrawText(shown, Bounds, Flags | DrawTextFlags | TextFlags::NoPrefix, Font, OleColor(Color));
}

void DrawGradient(Canvas& Drawing, const Rect& Bounds, qint32 Color1, qint32 Color2, bool Vertical)
{
    Drawing.GradientFill(Bounds, OleColor(Color1), OleColor(Color2), Vertical);
}

bool AppThemed() { return VisualStyle::AppThemed(); }

bool DrawThemePart(Canvas& Drawing, const QString& ClassName, int Part, int State, const Rect& Bounds)
{
    return VisualStyle::HasThemeData(ClassName)
        && VisualStyle::DrawThemeBackground(Drawing, ClassName, Part, State, Bounds);
}

void DrawThemedButton(Canvas& Drawing, Rect& Bounds, int State,
                      const std::function<void(Rect& Bounds, int State)>& DrawHeaderStyle)
{
    ++Bounds.Right;
    ++Bounds.Bottom;
    if (!DrawThemePart(Drawing, QStringLiteral("Button"), 1, State, Bounds) && DrawHeaderStyle)
        DrawHeaderStyle(Bounds, State);
}

} // namespace Tarvex
