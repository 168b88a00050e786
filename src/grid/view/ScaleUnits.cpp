#include "grid/view/ScaleUnits.h"

namespace Tarvex {

double PixelsPerScaleUnit(int ScaleUnits)
{
    switch (ScaleUnits) {
    case 2: return 96.0 / 72.0;
    case 3: return 1.0;
    case 4: return 120.0 / TwipsPerPixel;
    case 5: return 96.0;
    case 6: return 96.0 / 25.4;
    case 7: return 96.0 / 2.54;
    default: return 1.0 / TwipsPerPixel;
    }
}

} // namespace Tarvex
