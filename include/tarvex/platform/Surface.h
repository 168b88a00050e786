#pragma once

#include <tarvex/platform/Canvas.h>
#include <tarvex/platform/OleColor.h>
#include <tarvex/platform/Rect.h>
#include <tarvex/platform/Scale.h>

#include <QImage>
#include <QWidget>

#include <span>

namespace Tarvex {

// A widget that keeps what is drawn on it in its own image and shows that image when it paints,
// so drawing may happen at any time, not only inside a paint event. Coordinates are in the
// surface's scale (pixels unless switched to twips), from the top left of the client area. A resize
// keeps the picture and fills new area with the back colour.
class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* Parent = nullptr);

    // Clears the picture to the back colour and puts the drawing position at the top left.
    void Cls();
    // Leaves out the end point and moves the drawing position there; without a colour, the fore
    // colour is used.
    void Line(double X1, double Y1, double X2, double Y2);
    void Line(double X1, double Y1, double X2, double Y2, OleColor Color);
    // A line from the drawing position.
    void LineTo(double X2, double Y2);
    void LineTo(double X2, double Y2, OleColor Color);
    // Prints at the drawing position in the fore colour, then moves to the start of the next line.
    void Print(const QString& Text);
    // Inverts a dotted outline, always by exclusive-or; in pixels.
    void DrawFocusRect(const Rect& Bounds);
    // Shows the picture now: all of it, or the part a partial drawing changed.
    void Refresh();
    void Refresh(std::span<const Rect> Changed);

    double TextWidth(const QString& Text) const;
    double TextHeight(const QString& Text) const;

    double CurrentX() const;
    void CurrentX(double New_CurrentX);
    double CurrentY() const;
    void CurrentY(double New_CurrentY);

    OleColor ForeColor() const;
    void ForeColor(OleColor New_ForeColor);
    OleColor BackColor() const;
    // Like the platform's, setting the back colour clears the picture.
    void BackColor(OleColor New_BackColor);
    DrawModes DrawMode() const;
    void DrawMode(DrawModes New_DrawMode);

    ScaleModes ScaleMode() const;
    void ScaleMode(ScaleModes New_ScaleMode);
    double ScaleWidth() const;
    double ScaleHeight() const;

    // The plain OLE colour of the picture at a point, or Canvas::NoPixel outside it.
    OleColor Point(double X, double Y) const;

    // The window's own border, drawn around the client area the way a frame draws its shape: none,
    // a flat line of one pixel in the window text colour, or a sunken 3-D edge of two pixels. The
    // client area, and with it the picture and the scale sizes, lies inside it.
    enum class BorderLook { None, Flat, Sunken };
    BorderLook WindowBorder() const { return m_Border; }
    void WindowBorder(BorderLook New_Border);
    // Pixels the border takes on each side.
    int WindowBorderWidth() const;

protected:
    // A canvas on the picture, fitted to the client area; valid until the widget is resized.
    Canvas Drawing();
    // Moves the picture's pixels inside Band by Dx or Dy pixels (left or up when negative), in the
    // picture and on the screen alike, the way a scrolled view moves what stays in view; the strip
    // they leave keeps its old pixels for the caller to draw anew. A full-width band moves as one
    // block of lines.
    void ScrollPicture(const Rect& Band, int Dx, int Dy);
    // Keeps a strip at the right and the bottom edge out of the client area, for child widgets such
    // as scroll bars: the picture, the scale sizes and the drawing cover only the rest.
    void ReserveEdges(int Right, int Bottom);
    QSize ClientSize() const;

    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    void FitImageToSize() const;

    mutable QImage m_Image;                            // the retained picture, the size of the widget
    Tarvex::Scale m_Scale;                       // unit of all coordinates above
    double m_CurrentX { 0 };                     // drawing position, in the scale
    double m_CurrentY { 0 };
    OleColor m_ForeColor { SystemColor::ButtonText }; // lines and text
    OleColor m_BackColor { SystemColor::ButtonFace }; // what Cls and new area are filled with
    DrawModes m_DrawMode { DrawModes::CopyPen };      // how lines meet the picture
    int m_ReservedRight { 0 };                   // pixels at the right edge outside the client area
    int m_ReservedBottom { 0 };                  // pixels at the bottom edge outside the client area
    BorderLook m_Border { BorderLook::None };    // the window's own border around the client area
};

} // namespace Tarvex
