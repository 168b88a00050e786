#include "platform/Scale.h"

#include <algorithm>
#include <cmath>

namespace Tarvex {
namespace {
// Far beyond any surface, small enough that sums and differences of two of them fit an int.
constexpr double CoordinateLimit = 1 << 28;
} // namespace

double Scale::ToPixels(double Value) const
{
    return Mode == ScaleModes::Twips ? Value / TwipsPerPixel : Value;
}

double Scale::FromPixels(double Pixels) const
{
    return Mode == ScaleModes::Twips ? Pixels * TwipsPerPixel : Pixels;
}

int Scale::ToPixelIndex(double Value) const
{
    const double pixels = ToPixels(Value);
    if (std::isnan(pixels))
        return 0;
    return int(std::nearbyint(std::clamp(pixels, -CoordinateLimit, CoordinateLimit)));
}

} // namespace Tarvex
