#include <tarvex/platform/Scale.h>

#include <algorithm>
#include <cmath>

namespace Tarvex {
namespace {
// Far beyond any surface, small enough that sums and differences of two of them fit an int.
constexpr double CoordinateLimit = 1 << 28;
} // namespace

double Scale::UnitsPerPixel(ScaleModes Mode)
{
    constexpr double PixelsPerInch = 96.0;
    switch (Mode) {
    case ScaleModes::Points: return 72.0 / PixelsPerInch;
    case ScaleModes::Pixels: return 1.0;
    case ScaleModes::Characters: return TwipsPerPixel / 120.0;
    case ScaleModes::Inches: return 1.0 / PixelsPerInch;
    case ScaleModes::Millimeters: return 25.4 / PixelsPerInch;
    case ScaleModes::Centimeters: return 2.54 / PixelsPerInch;
    default: return TwipsPerPixel;
    }
}

double Scale::UnitsPerPixelDown(ScaleModes Mode)
{
    return Mode == ScaleModes::Characters ? TwipsPerPixel / 240.0 : UnitsPerPixel(Mode);
}

double Scale::ToPixels(double Value) const
{
    return Value / UnitsPerPixel(Mode);
}

double Scale::FromPixels(double Pixels) const
{
    return Pixels * UnitsPerPixel(Mode);
}

int Scale::ToPixelIndex(double Value) const
{
    const double pixels = ToPixels(Value);
    if (std::isnan(pixels))
        return 0;
    return int(std::nearbyint(std::clamp(pixels, -CoordinateLimit, CoordinateLimit)));
}

} // namespace Tarvex
