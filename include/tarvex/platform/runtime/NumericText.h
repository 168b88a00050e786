#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace Tarvex {

// The separators and signs a number may be written with in one locale. Reading them from QLocale
// builds several strings, so callers that test many texts keep one of these.
struct NumberSymbols {
    QString DecimalPoint;   // "." in English, "," in German
    QString GroupSeparator; // "," in English, "." in German

    static NumberSymbols FromLocale(const QLocale& locale);
    // The symbols of QLocale(), refreshed whenever the default locale has changed.
    static const NumberSymbols& OfDefaultLocale();
};

// Whether the whole text (blanks around it aside) reads as a number in the user's locale: a sign,
// digits that may carry the locale's group separators, the locale's decimal separator and more
// digits, an exponent. Group separators are accepted wherever they follow a digit, not only every
// third digit. Signs are the ASCII ones only: a locale's own minus (U+2212) would pass here and
// then read as no number at all.
bool IsNumericText(QStringView text);
bool IsNumericText(QStringView text, const NumberSymbols& symbols);

// Reads the number at the start of the text the same way in every locale: blanks, an optional
// sign, digits, an optional "." and digits, an optional exponent. Reading stops at the first
// character that cannot continue the number; no number at all reads as 0. A value too large for a
// double reads as an infinity, one too small as zero.
double ReadLeadingNumber(QStringView text);

// The same reading, when the number takes the whole text (blanks around it aside); otherwise none.
std::optional<double> ReadWholeNumber(QStringView text);

// The number the whole text stands for in the locale of the given symbols: group separators left
// out, the decimal separator taken as the point. None when the text fails the numeric test.
std::optional<double> ReadLocaleNumber(QStringView text, const NumberSymbols& symbols);

// A number as text in the user's locale, the way a value is written for a person to read back:
// at most the given significant digits (15 for a double, 7 for a float), the locale's decimal
// separator, no group separators, an exponent ("1E+20") where the digits do not reach.
QString NumberText(double value, int significantDigits = 15);

} // namespace Tarvex
