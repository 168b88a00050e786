#include "platform/TwipsGeometry.h"

#include <tarvex/platform/Scale.h>

#include <QWidget>

#include <algorithm>

namespace Tarvex {
namespace {
constexpr Scale Twips { ScaleModes::Twips };
} // namespace

void MoveInTwips(QWidget& Widget, double Left, double Top, double Width, double Height)
{
    Widget.setGeometry(Twips.ToPixelIndex(Left), Twips.ToPixelIndex(Top), std::max(Twips.ToPixelIndex(Width), 0),
        std::max(Twips.ToPixelIndex(Height), 0));
}

double LeftInTwips(const QWidget& Widget) { return Twips.FromPixels(Widget.x()); }

double TopInTwips(const QWidget& Widget) { return Twips.FromPixels(Widget.y()); }

double WidthInTwips(const QWidget& Widget) { return Twips.FromPixels(Widget.width()); }

double HeightInTwips(const QWidget& Widget) { return Twips.FromPixels(Widget.height()); }

} // namespace Tarvex
