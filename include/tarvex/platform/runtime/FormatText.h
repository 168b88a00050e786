#pragma once

#include <QString>

namespace Tarvex {

// A value written through a display format, as the runtime's format function does for the patterns
// people give columns: numbers by "0" (a digit always shown), "#" (a digit shown when it counts),
// "," (group the integer digits), "." (the decimal separator) and "%" (times a hundred), in the
// user's locale; dates by "d", "dd", "m", "mm", "mmm", "mmmm", "yy", "yyyy", with "h", "hh", "n",
// "nn", "s", "ss" for the time. Other characters stand as they are. A text that is neither a number
// nor a date for its pattern comes back unchanged, and so does any text with an empty pattern.
QString FormatText(const QString& Text, const QString& Pattern);
QString FormatNumber(double Value, const QString& Pattern);

// A number in the user's locale with up to 15 significant digits and no group separators.
QString GeneralNumberText(double Value);

} // namespace Tarvex
