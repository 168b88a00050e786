#include "grid/model/NumberParsing.h"

#include <tarvex/platform/runtime/DefaultLocaleCache.h>

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <unordered_set>

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

// What rVal keeps of the default locale between calls: its separators, when they allow the quick
// reading below, and the shapes of texts it refused to read.
struct LocaleMemo {
    QLocale Locale;
    char Decimal { 0 }; // 0 = no quick reading in this locale
    char Group { 0 };
    std::unordered_set<std::string> RefusedShapes;
};

LocaleMemo MemoOf(const QLocale& Locale)
{
    LocaleMemo memo { Locale, 0, 0, {} };
    const QString decimal = Locale.decimalPoint();
    const QString group = Locale.groupSeparator();
    const auto plain = [](const QString& text) { return text == QLatin1String(".") || text == QLatin1String(","); };
    if (plain(decimal) && plain(group) && decimal != group && Locale.negativeSign() == QLatin1String("-")
        && Locale.numberOptions() == QLocale::DefaultNumberOptions) {
        memo.Decimal = char(decimal[0].unicode());
        memo.Group = char(group[0].unicode());
    }
    return memo;
}

LocaleMemo& CurrentLocale()
{
    return OfDefaultLocale<LocaleMemo, &MemoOf>();
}

// Whether the locale reads a short text of digits, signs and separators depends on where they
// stand and where zeros stand, not on the other digits' values; dates refused once ("24.12.2026")
// are then refused without asking the locale again. Long texts (which may overflow) have no shape.
constexpr qsizetype MaxShape = 24;

std::optional<std::string> ShapeOf(QStringView Text)
{
    if (Text.size() > MaxShape)
        return std::nullopt;
    std::string shape(size_t(Text.size()), ' ');
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const char16_t c = Text[i].unicode();
        if (c >= 128)
            return std::nullopt;
        shape[size_t(i)] = c >= '1' && c <= '9' ? '9' : char(c);
    }
    return shape;
}

bool Refused(const LocaleMemo& Memo, QStringView Text)
{
    const auto shape = ShapeOf(Text);
    return shape && Memo.RefusedShapes.count(*shape) != 0;
}

// The same test for the kept characters of a scan, read as they stand and with "." as ",".
bool BothReadingsRefused(const LocaleMemo& Memo, const char* Kept, size_t Count)
{
    if (Count > size_t(MaxShape))
        return false;
    std::string shape(Kept, Count);
    for (char& c : shape)
        c = c >= '1' && c <= '9' ? '9' : c;
    if (Memo.RefusedShapes.count(shape) == 0)
        return false;
    std::replace(shape.begin(), shape.end(), '.', ',');
    return Memo.RefusedShapes.count(shape) != 0;
}

// The locale's own reading, strict about its separators: "1.234,5" is a number in a German locale,
// "0.5" is not, which is what the second try with the other decimal mark is for.
std::optional<double> ReadDecimal(const QString& Text)
{
    LocaleMemo& memo = CurrentLocale();
    if (Refused(memo, Text))
        return std::nullopt;
    bool ok = false;
    const double value = memo.Locale.toDouble(Text, &ok);
    if (!ok) {
        constexpr size_t MaxShapes = 4096;
        if (const auto shape = ShapeOf(Text)) {
            if (memo.RefusedShapes.size() >= MaxShapes)
                memo.RefusedShapes.clear();
            memo.RefusedShapes.insert(*shape);
        }
    }
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

// Reads Digits (ASCII digits, ',', '-', '.') when it is written the one way the locale surely reads
// alike: an optional leading minus, an integer part without leading zeros whose groups of three
// are all marked or none is, and an optional decimal part. Everything else is left to the locale.
std::optional<double> ReadPlain(const char* Begin, const char* End, const LocaleMemo& Separators)
{
    const auto digitsFrom = [End](const char* p) {
        const char* q = p;
        while (q != End && *q >= '0' && *q <= '9')
            ++q;
        return q;
    };
    char number[80];
    char* out = number;
    const char* p = Begin;
    const bool negative = p != End && *p == '-';
    if (negative)
        ++p;
    const char* runEnd = digitsFrom(p);
    const size_t firstRun = size_t(runEnd - p);
    if (firstRun == 0 || (firstRun > 1 && *p == '0'))
        return std::nullopt;
    out = std::copy(p, runEnd, out);
    p = runEnd;
    if (p != End && *p == Separators.Group) {
        if (firstRun > 3)
            return std::nullopt;
        while (p != End && *p == Separators.Group) {
            runEnd = digitsFrom(p + 1);
            if (runEnd - (p + 1) != 3)
                return std::nullopt;
            out = std::copy(p + 1, runEnd, out);
            p = runEnd;
        }
    }
    if (p != End && *p == Separators.Decimal) {
        runEnd = digitsFrom(p + 1);
        if (runEnd == p + 1)
            return std::nullopt;
        *out++ = '.';
        out = std::copy(p + 1, runEnd, out);
        p = runEnd;
    }
    if (p != End)
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(number, out, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

// A text without a number stands for one only when it is "True"; letters beyond ASCII never
// upper-case to those of "TRUE".
double NoNumber(QStringView Trimmed)
{
    return Trimmed.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0 && Trimmed.size() == 4 ? -1 : 0;
}

// The common cell texts read without building any string: plain numbers (perhaps with a currency
// mark), texts without a number, and texts of a shape the locale refused in both readings.
// Everything else, and numbers that read as 0, take the full path.
std::optional<double> QuickVal(QStringView Text)
{
    LocaleMemo& memo = CurrentLocale();
    const QChar* p = Text.data();
    const QChar* end = p + Text.size();
    while (p != end && p->isSpace())
        ++p;
    while (end != p && end[-1].isSpace())
        --end;
    if (p == end || p->unicode() == '&')
        return std::nullopt;
    const QStringView trimmed(p, end);

    char kept[40];
    size_t count = 0;
    for (; p != end; ++p) {
        const char16_t c = p->unicode();
        if (Skipped(c))
            continue;
        if (!Kept(c, false))
            break;
        if (count == sizeof kept)
            return std::nullopt;
        kept[count++] = char(c);
    }
    if (count == 0)
        return NoNumber(trimmed);
    if (memo.Decimal != 0) {
        const auto value = ReadPlain(kept, kept + count, memo);
        if (value && *value != 0)
            return value;
    }
    if (BothReadingsRefused(memo, kept, count))
        return 0.0;
    return std::nullopt;
}

} // namespace

double rVal(QStringView Text)
{
    if (Text.isEmpty())
        return 0;
    if (const auto quick = QuickVal(Text))
        return *quick;

    const QString s = Text.trimmed().toString().toUpper();
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

// rVal reads neither an exponent nor a decimal mark other than "." and ",", so the number is written
// out in full, with the locale's mark where rVal reads it and with the other one where it does not.
QString StandardNumberText(double Value)
{
    const QString plain = QLocale::c().toString(Value, 'f', QLocale::FloatingPointShortest);
    if (!plain.contains(u'.'))
        return plain;
    QString withComma = plain;
    withComma.replace(u'.', u',');
    const bool commaFirst = CurrentLocale().Locale.decimalPoint() == QLatin1String(",");
    const QString& preferred = commaFirst ? withComma : plain;
    const QString& other = commaFirst ? plain : withComma;
    return rVal(preferred) == Value || rVal(other) != Value ? preferred : other;
}

} // namespace Tarvex
