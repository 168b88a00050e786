#include <tarvex/platform/runtime/Rounding.h>

#include <cmath>
#include <limits>

namespace Tarvex {

std::optional<qint32> RoundHalfEvenToInt32(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(rounded);
}

} // namespace Tarvex
