#pragma once

#include "platform/OleColor.h"
#include "platform/Rect.h"

#include <QString>

class QFont;
class QImage;
class QPalette;

namespace Tarvex {

// How a line's colour meets the pixels under it; the numbers are the platform's own.
enum class DrawModes { XorPen = 7, CopyPen = 13 };

// Draws on a retained image with the platform's rules, in whole pixels:
// - a line covers its start point and leaves out its end point, so lines joined end to start draw
//   every pixel once (which is what makes exclusive-or outlines come out whole);
// - a rectangle covers Left..Right-1 and Top..Bottom-1;
// - a focus rectangle is a dotted outline inverted by exclusive-or, so drawing it twice removes it.
// Anything outside the image is left out. Colours are OLE colours, system colours taken from the
// palette given.
class Canvas {
public:
    Canvas(QImage& Image, const QPalette& Palette);

    int Width() const;
    int Height() const;

    void Clear(OleColor Color);
    void Line(int X1, int Y1, int X2, int Y2, OleColor Color, DrawModes Mode = DrawModes::CopyPen);
    void DrawFocusRect(const Rect& Bounds);
    // The text's top left corner at (X, Y); lines split at line breaks, one line height apart.
    void DrawText(int X, int Y, const QString& Text, const QFont& Font, OleColor Color);

    // The plain OLE colour of a pixel of an image, or NoPixel outside it.
    static constexpr OleColor NoPixel = 0xFFFFFFFFu;
    static OleColor Pixel(const QImage& Image, int X, int Y);

    // Measures in pixels, the way DrawText lays the text out.
    static double TextWidth(const QFont& Font, const QString& Text);
    static double TextHeight(const QFont& Font, const QString& Text);

private:
    void Plot(int X, int Y, quint32 Rgb, DrawModes Mode);
    void InvertDotted(int X, int Y);
    quint32 Rgb(OleColor Color) const;

    QImage& m_Image;           // the surface's retained picture, 32-bit RGB
    const QPalette& m_Palette; // where system colours come from
};

} // namespace Tarvex
