#pragma once

#include <QString>
#include <QStringView>

namespace Tarvex {

// The grid's tolerant text-to-number reading: it keeps the digits, signs and separators of the
// text's leading number, skips currency marks, spaces and slashes, and reads the rest under the
// user's locale ("&H" and "&O" texts as hexadecimal and octal); 0 when the text holds no number.
// "True" and "False" read as -1 and 0.
double rVal(QStringView Text);
inline double rVal(const QString& Text)
{
    return rVal(QStringView(Text));
}

// The standard text form of a number: the user's locale's decimal mark, no group separators, no
// exponent and the fewest digits that rVal reads back as Value in that locale. Value must be finite.
QString StandardNumberText(double Value);

} // namespace Tarvex
