#pragma once

#include "grid/paint/DrawingHelpers.h"

#include <tarvex/platform/Canvas.h>

#include <QFont>
#include <QVarLengthArray>
#include <QtGlobal>

namespace Tarvex {

// What one DrawGrid call works out in its early steps and hands to the later ones. It lives for one
// paint only; the fields the rest of the grid reads afterwards (RowNumberWidth(), m_RowFirstVisible,
// m_RowLastVisible) are the control's own.
struct PaintPass {
    explicit PaintPass(const Canvas& Drawing)
        : hDC(Drawing)
        , Painter(hDC)
    {
    }

    Canvas hDC;                 // the retained picture of the control surface
    KeptPainter Painter;        // draws every text of the paint; ended before the screen is shown the picture
    int ScrollCol { 0 };        // horizontal scroll position: first unfrozen display column shown
    qint32 GridColor { 0 };     // grid lines
    qint32 BaseColor { 0 };     // row-number column and separators, by ThemeStyle
    qint32 SeparatorColor { 0 }; // lines between row numbers
    int VisibleRows { 0 };      // rows of default height that fit below the header
    int First { 0 };            // first painted row position
    int Last { 0 };             // first + VisibleRows, at most m_LastRow
    int Y { 0 };                // top of the next row
    int Right { 0 };            // right edge of everything drawn in a row: after the last header cell
    bool Parity { false };      // flips before each painted row; true = a BackColor row
    int EndPosition { 0 };      // position at which the row loop ended; > m_LastRow when it ran out
    int LinesBottom { 0 };      // bottom of the last rectangle drawn, where vertical grid lines end
    bool Reached { false };     // the paint filled the surface or showed the last row
    qint32 TextColor { 0 };     // what text is drawn in now (the surface's fore colour)
    QFont Font;                 // what text is drawn with now (the surface's font)
    bool Partial { false };     // only rows touching Band are drawn, and only inside it
    Rect Band;                  // the part of the picture a partial paint redraws
    QVarLengthArray<Rect, 4> Shown; // what of the picture the screen is shown anew: every band so far
};

// The plain colour of an OLE colour, system colours from the canvas's palette; -1 when it names none.
inline qint32 PlainColor(const Canvas& hDC, qint32 Color)
{
    qint32 plain = -1;
    TranslateOleColor(Color, hDC.Palette(), plain);
    return plain;
}

// Where one cell of the row loop sits.
struct CellSpot {
    int Position { 0 };   // row display position
    int DisplayCol { 0 }; // column display position
    int Col { 0 };        // column number
    int X { 0 };          // left edge
    int Top { 0 };        // row top
};

} // namespace Tarvex
