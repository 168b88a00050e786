#pragma once

#include <tarvex/platform/Canvas.h>
#include <tarvex/platform/Rect.h>

#include <QString>
#include <QtGlobal>

#include <functional>

class QFont;
class QPalette;

namespace Tarvex {

// The grid's own drawing helpers: colour arithmetic on 32-bit OLE colours (&H00BBGGRR, or a system
// colour with the top bit set) and thin wrappers of the canvas that the painters share.

// The plain colour of Color (system colours from the palette, the application's when none is
// given); false and Result -1 when Color names no colour.
bool TranslateOleColor(qint32 Color, const QPalette& Palette, qint32& Result);
bool TranslateOleColor(qint32 Color, qint32& Result);

// C1 weighted by Alpha / 255 and C2 by the rest, channel by channel, rounded half to even.
qint32 BlendColor(qint32 C1, qint32 C2, qint32 Alpha);
// The translated colour with Delta added to every channel, each held to 0..255.
qint32 ShiftColor(qint32 Color, qint16 Delta);
qint32 ShiftColor(qint32 Color, qint16 Delta, const QPalette& Palette);
// Delta added to every channel of the colour as it stands (a system colour is not translated and
// gives channels of zero or below); a channel is held at 255 only when Delta raises it and at 0 only
// when Delta lowers it.
qint32 AdjustColor(qint32 Color, qint32 Delta);

// A solid line of the pen width; the end point is left out for a one-pixel pen.
void DrawLine(Canvas& Drawing, int X1, int Y1, int X2, int Y2, qint32 Color, int Width = 1);
// Filled, or a one-pixel frame; right and bottom excluded.
void DrawRect(Canvas& Drawing, const Rect& Bounds, qint32 Color, bool Fill);
// A triangle of Height rows, the widest Width pixels at (X, Y) for Direction 1 (pointing down) and at
// the bottom row for Direction 2 (pointing up); nothing for 0.
void DrawSortArrow(Canvas& Drawing, int X, int Y, int Width, int Height, int Direction);
// Text drawing with Flags plus the grid's ellipsis flags (DrawTextFlags) and no-prefix; Length -1
// draws the whole text. The result is that of Canvas::DrawText.
int DrawString(Canvas& Drawing, const QString& Text, int Length, Rect& Bounds, int Flags, int DrawTextFlags,
               const QFont& Font, qint32 Color);
// Gradient fill from Color1 at the left (top when Vertical) towards Color2 at the right (bottom) edge.
void DrawGradient(Canvas& Drawing, const Rect& Bounds, qint32 Color1, qint32 Color2, bool Vertical);

// Whether the application is drawn with visual styles.
bool AppThemed();
// The themed part of the class drawn into the rectangle; false when the style cannot draw it.
bool DrawThemePart(Canvas& Drawing, const QString& ClassName, int Part, int State, const Rect& Bounds);
// Grows Bounds by one pixel to the right and bottom, then draws a themed push button in State
// (1 normal, 2 hot, 3 pressed), or, where the style cannot, the classic header background.
void DrawThemedButton(Canvas& Drawing, Rect& Bounds, int State,
                      const std::function<void(Rect& Bounds, int State)>& DrawHeaderStyle);

// Text broken into CRLF-separated lines no wider than Width, breaking only after a character that
// is not an ASCII letter or "_"; with MaxLines >= 0 cut with "..." at that many breaks. A line is
// measured only a few times, not once for every character, so TextWidth must never give a line
// less than it gave the line's start.
QString FitCellText(const QString& Text, double Width, qint16 MaxLines,
                    const std::function<double(const QString&)>& TextWidth);
QString FitCellText(const QString& Text, double Width, qint16 MaxLines, const QFont& Font);

} // namespace Tarvex
