#pragma once

#include <tarvex/platform/BackStyle.h>
#include <tarvex/platform/OleColor.h>

#include <QWidget>

namespace Tarvex {

// How a shape's inside is filled; the numbers are the platform's own.
enum class FillStyles { Solid = 0, Transparent = 1 };

// A constituent rectangle shape: a frame of BorderWidth pixels inside its bounds, its inside
// filled with FillColor when FillStyle is solid, else with BackColor when opaque, else left
// transparent. It takes no mouse input: presses reach whatever lies under it. Placed in twips.
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget* Parent = nullptr);

    OleColor BorderColor() const;
    void BorderColor(OleColor New_BorderColor);
    // 0 draws no frame.
    int BorderWidth() const;
    void BorderWidth(int New_BorderWidth);
    OleColor FillColor() const;
    void FillColor(OleColor New_FillColor);
    FillStyles FillStyle() const;
    void FillStyle(FillStyles New_FillStyle);
    OleColor BackColor() const;
    void BackColor(OleColor New_BackColor);
    BackStyles BackStyle() const;
    void BackStyle(BackStyles New_BackStyle);
    bool Visible() const;
    void Visible(bool New_Visible);

    // Twips of the container.
    void Move(double Left, double Top, double Width, double Height);
    // Position 0 brings the shape in front of its siblings, any other sends it behind them.
    void ZOrder(int Position = 0);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    OleColor m_BorderColor { SystemColor::WindowText }; // the frame
    int m_BorderWidth { 1 };                            // pixels, drawn inwards
    OleColor m_FillColor { 0 };                         // the inside, when FillStyle is solid
    FillStyles m_FillStyle { FillStyles::Transparent };
    OleColor m_BackColor { SystemColor::Window };       // the inside, when opaque and not filled
    BackStyles m_BackStyle { BackStyles::Transparent };
};

} // namespace Tarvex
