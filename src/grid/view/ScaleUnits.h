#pragma once

#include "platform/Scale.h"

namespace Tarvex {

// Twips per screen pixel at 96 dpi; the widths a host gives in twips are turned into pixels with it.
inline constexpr double TwipsPerPixel = Scale::TwipsPerPixel;

// Pixels per unit of a container scale mode: 1 twips, 2 points, 3 pixels, 4 characters, 5 inches,
// 6 millimetres, 7 centimetres; any other value is taken as twips.
double PixelsPerScaleUnit(int ScaleUnits);

} // namespace Tarvex
