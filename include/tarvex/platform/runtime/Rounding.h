#pragma once

#include <QtGlobal>

#include <optional>

namespace Tarvex {

// Rounds to the nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4), as a signed
// 32-bit integer. Empty when the rounded value does not fit, and for NaN.
std::optional<qint32> RoundHalfEvenToInt32(double value);

} // namespace Tarvex
