#pragma once

#include <QObject>

#include <functional>

class QInputEvent;
class QMouseEvent;
class QWidget;

namespace Tarvex {

// Mouse buttons and shift keys as the mouse and key events report them.
namespace MouseButton {
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 4;
} // namespace MouseButton
namespace ShiftKey {
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace ShiftKey

int ButtonCode(const QMouseEvent& Event);
int ShiftCode(const QInputEvent& Event);

// Turns Qt's presses and releases into the platform's mouse events. A single click is MouseDown,
// MouseUp, Click. A double click adds DblClick at its second press, and the release of that press
// raises no Click, so a handler of Click sees one click per double click and a handler of DblClick
// one double click. Click needs the left button released over the widget.
class ClickSequence {
public:
    // Handlers a constituent connects to its signals; X and Y are in the constituent's scale.
    struct Events {
        std::function<void(int Button, int Shift, double X, double Y)> MouseDown;
        std::function<void(int Button, int Shift, double X, double Y)> MouseUp;
        std::function<void()> Click;
        std::function<void()> DblClick;
    };

    // Coordinates are reported as pixels times PixelsToScale (15 for twips).
    ClickSequence(QWidget& Widget, double PixelsToScale, Events Handlers);
    void PixelsToScale(double New_PixelsToScale) { m_PixelsToScale = New_PixelsToScale; }

    void Press(const QMouseEvent& Event);
    void DoublePress(const QMouseEvent& Event);
    void Release(const QMouseEvent& Event);

private:
    void Report(const std::function<void(int, int, double, double)>& Handler, const QMouseEvent& Event) const;

    QWidget& m_Widget;            // whose area decides whether a release is a click
    double m_PixelsToScale { 1 }; // unit of the reported coordinates
    Events m_Handlers;            // what each event calls
    bool m_EndsDoubleClick { false }; // the next release is that of a double click's second press
};

// The handlers that raise a constituent's own MouseDown, MouseUp, Click and DblClick signals.
template <class Constituent>
ClickSequence::Events SignalsOf(Constituent* Source)
{
    return { [Source](int Button, int Shift, double X, double Y) { emit Source->MouseDown(Button, Shift, X, Y); },
        [Source](int Button, int Shift, double X, double Y) { emit Source->MouseUp(Button, Shift, X, Y); },
        [Source] { emit Source->Click(); }, [Source] { emit Source->DblClick(); } };
}

} // namespace Tarvex
