#pragma once

#include <tarvex/platform/OleColor.h>
#include <tarvex/platform/Rect.h>

#include <QString>

#include <functional>

class QFont;
class QImage;
class QPainter;
class QPalette;

namespace Tarvex {

// How a line's colour meets the pixels under it; the numbers are the platform's own.
enum class DrawModes { XorPen = 7, CopyPen = 13 };

// Flags of DrawText; the numbers are the platform's, so stored alignment codes pass unchanged.
namespace TextFlags {
constexpr int Left = 0;
constexpr int Center = 1;
constexpr int Right = 2;
constexpr int Top = 0;
constexpr int VCenter = 4;         // with SingleLine only, as on the platform
constexpr int Bottom = 8;          // with SingleLine only
constexpr int WordBreak = 16;
constexpr int SingleLine = 32;
constexpr int CalcRect = 1024;     // measure only: nothing is drawn, the rectangle is fitted to the text
constexpr int NoPrefix = 2048;     // an ampersand is drawn as it stands
constexpr int WordEllipsis = 262144;
} // namespace TextFlags

// Kinds and states of DrawFrameControl, as the platform numbers them.
namespace FrameControl {
constexpr int Button = 4;        // the one kind drawn here
constexpr int ButtonCheck = 0x0;
constexpr int ButtonPush = 0x10;
constexpr int Inactive = 0x100;
constexpr int Pushed = 0x200;
constexpr int Checked = 0x400;
constexpr int Hot = 0x1000;
constexpr int Flat = 0x4000;
} // namespace FrameControl

// Draws on a retained image with the platform's rules, in whole pixels:
// - a line covers its start point and leaves out its end point, so lines joined end to start draw
//   every pixel once (which is what makes exclusive-or outlines come out whole);
// - a rectangle covers Left..Right-1 and Top..Bottom-1;
// - a focus rectangle is a dotted outline inverted by exclusive-or, so drawing it twice removes it.
// Anything outside the image, or outside the clip rectangle while one is set, is left out. Colours
// are OLE colours, system colours taken from the palette given. Coordinates may be anywhere in the
// int range; work is bounded by the visible part.
class Canvas {
public:
    Canvas(QImage& Image, const QPalette& Palette);

    int Width() const;
    int Height() const;
    const QPalette& Palette() const { return m_Palette; }

    void Clear(OleColor Color);

    // Lines. A pen wider than one pixel is square-ended: every pixel of the thin line, its end point
    // included, is covered by a Width x Width block centred on it (the extra pixel of an even width
    // lies to the left and above).
    void Line(int X1, int Y1, int X2, int Y2, OleColor Color, DrawModes Mode = DrawModes::CopyPen);
    void Line(int X1, int Y1, int X2, int Y2, OleColor Color, int Width);

    // Rectangles, right and bottom excluded.
    void FillRect(const Rect& Bounds, OleColor Color);
    // An outline Width pixels thick, inside the rectangle.
    void FrameRect(const Rect& Bounds, OleColor Color, int Width = 1);
    // From From at the left (top when Vertical) towards To at the right (bottom) edge, which is left out.
    void GradientFill(const Rect& Bounds, OleColor From, OleColor To, bool Vertical);

    // The one clip rectangle; it stays until replaced or cleared and limits every drawing call.
    void SetClip(const Rect& Bounds);
    void ClearClip();
    bool HasClip() const { return m_HasClip; }
    // An outer limit that every clip rectangle stays inside, for redrawing one part of the picture.
    void Confine(const Rect& Bounds);

    void DrawFocusRect(const Rect& Bounds);
    // Kind FrameControl::Button with a state of FrameControl bits; false for a kind it cannot draw.
    bool DrawFrameControl(const Rect& Bounds, int Kind, int State);

    // The text's top left corner at (X, Y); lines split at line breaks, one line height apart.
    void DrawText(int X, int Y, const QString& Text, const QFont& Font, OleColor Color);
    // The text laid out in the rectangle by TextFlags and clipped to it; the result is the text's
    // height (with VCenter or Bottom, the distance from the rectangle's top to the text's bottom).
    // With CalcRect nothing is drawn and Right and Bottom are set to fit the laid-out text.
    int DrawText(const QString& Text, Rect& Bounds, int Flags, const QFont& Font, OleColor Color);

    // Hands a painter limited to the rectangle (and the clip) for drawing the platform layer cannot
    // do pixel by pixel, such as a style's themed parts. What Draw sets on it stays inside the call.
    void Paint(const Rect& Bounds, const std::function<void(QPainter&)>& Draw);

    // The image's kept painter ends (see KeptPainter), as it must before the image is replaced.
    static void LetGo(const QImage& Image);

    // The plain OLE colour of a pixel of an image, or NoPixel outside it.
    static constexpr OleColor NoPixel = 0xFFFFFFFFu;
    static OleColor Pixel(const QImage& Image, int X, int Y);

    // Measures in pixels, the way DrawText lays the text out.
    static double TextWidth(const QFont& Font, const QString& Text);
    static double TextHeight(const QFont& Font, const QString& Text);

private:
    friend class KeptPainter;
    Rect Visible() const;
    Rect VisiblePart(const Rect& Bounds) const;
    void Plot(int X, int Y, quint32 Rgb, DrawModes Mode);
    void Fill(const Rect& Bounds, quint32 Rgb);
    void InvertDotted(int X, int Y);
    void ThinLine(long long X1, long long Y1, long long X2, long long Y2, const std::function<void(int, int)>& Pixel);
    void WideLine(int X1, int Y1, int X2, int Y2, int Width, quint32 Rgb);
    quint32 Rgb(OleColor Color) const;
    void DrawCheckBox(const Rect& Bounds, int State);
    void DrawPushButton(const Rect& Bounds, int State);

    QImage& m_Image;           // the surface's retained picture, 32-bit RGB
    const QPalette& m_Palette; // where system colours come from
    Rect m_Clip;               // limits drawing while m_HasClip
    bool m_HasClip { false };
    Rect m_Bound;              // limits drawing, clip or not, while m_Confined
    bool m_Confined { false };
};

// While one lives, every canvas on its image draws with one painter, begun once, instead of a painter
// begun and ended for each drawing call: a paint of many texts keeps one for its length. One image
// keeps a painter at a time; a canvas on another draws as before.
class KeptPainter {
public:
    explicit KeptPainter(const Canvas& On);
    ~KeptPainter() { End(); }
    KeptPainter(const KeptPainter&) = delete;
    KeptPainter& operator=(const KeptPainter&) = delete;
    void End();

private:
    quint64 m_Keeping { 0 }; // which keeping is this one's; 0 when it keeps none
};

} // namespace Tarvex
