#include "grid/model/NumberParsing.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace Tarvex {

namespace {

// Hexadecimal and octal texts are machine words: up to 16 bits they read as a signed 16-bit word,
// up to 32 bits as a signed 32-bit one (so "&HFFFF" is -1, as colour values written as text expect).
std::optional<double> ReadRadix(const QString& Digits, int Base)
{
    if (Digits.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qulonglong value = Digits.toULongLong(&ok, Base);
    if (!ok || value > 0xFFFFFFFFull)
        return std::nullopt;
    if (value <= 0xFFFF)
        return double(qint16(quint16(value)));
    return double(qint32(quint32(value)));
}

// The locale's own reading, strict about its separators: "1.234,5" is a number in a German locale,
// "0.5" is not, which is what the second try with the other decimal mark is for.
std::optional<double> ReadDecimal(const QString& Text)
{
    bool ok = false;
    const double value = QLocale().toDouble(Text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> Convert(const QString& Text)
{
    if (Text.startsWith(QLatin1String("&H")))
        return ReadRadix(Text.mid(2), 16);
    if (Text.startsWith(QLatin1String("&O")))
        return ReadRadix(Text.mid(2), 8);
    return ReadDecimal(Text);
}

bool Skipped(char16_t c)
{
    return c == '$' || c == 163 || c == ' ' || c == '/';
}

bool Kept(char16_t c, bool Hex)
{
    if (c >= '0' && c <= '9')
        return true;
    if (c == ',' || c == '-' || c == '.')
        return true;
    return Hex && c >= 'A' && c <= 'F';
}

} // namespace

double rVal(const QString& Text)
{
    const QString s = Text.trimmed().toUpper();
    if (s.isEmpty())
        return 0;

    QString r;
    qsizetype start = 0;
    if (s.startsWith(QLatin1String("&H")) || s.startsWith(QLatin1String("&O"))) {
        r = s.left(2);
        start = 2;
    }
    const bool hex = r == QLatin1String("&H");
    for (qsizetype i = start; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        // Characters beyond Latin-1 end the scan like any other letter.
        if (Skipped(c))
            continue;
        if (!Kept(c, hex))
            break;
        r.append(QChar(c));
    }

    if (r.isEmpty()) {
        if (s == QLatin1String("TRUE"))
            return -1;
        return 0;
    }
    const auto first = Convert(r);
    if (first && *first != 0)
        return *first;
    // A text written with the other decimal habit ("0.5" where "," is the separator) gets a second try.
    QString swapped = r;
    swapped.replace(QLatin1Char('.'), QLatin1Char(','));
    return Convert(swapped).value_or(0);
}

} // namespace Tarvex
