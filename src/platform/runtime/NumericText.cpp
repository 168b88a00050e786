#include <tarvex/platform/runtime/NumericText.h>

#include <tarvex/platform/runtime/DefaultLocaleCache.h>

#include <QVarLengthArray>

#include <charconv>
#include <limits>

namespace Tarvex {

namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool SymbolAt(QStringView text, qsizetype at, const QString& symbol)
{
    return !symbol.isEmpty() && text.sliced(at).startsWith(symbol);
}

qsizetype SkipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// Where an optional sign and at least one digit start at `at`, the position after the digits;
// otherwise `at` itself, so that "1e" and "1e+" read as 1.
qsizetype SkipExponent(QStringView text, qsizetype at)
{
    if (at >= text.size() || (text[at] != u'e' && text[at] != u'E'))
        return at;
    qsizetype digits = at + 1;
    if (digits < text.size() && (text[digits] == u'+' || text[digits] == u'-'))
        ++digits;
    const qsizetype end = SkipDigits(text, digits);
    return end > digits ? end : at;
}

// The decimal exponent of the first non-zero digit of a number that a double cannot hold, to tell
// an overflow from an underflow; the exponent saturates so that absurd ones cannot wrap.
long long MagnitudeOf(QStringView mantissa, QStringView exponent)
{
    long long magnitude = 0;
    const qsizetype point = mantissa.indexOf(u'.');
    const qsizetype integerDigits = point < 0 ? mantissa.size() : point;
    for (qsizetype i = 0; i < mantissa.size(); ++i) {
        if (!IsDigit(mantissa[i]) || mantissa[i] == u'0')
            continue;
        magnitude = i < integerDigits ? integerDigits - i - 1 : -(i - integerDigits);
        break;
    }
    long long power = 0;
    const bool negative = exponent.startsWith(u'-');
    for (QChar c : exponent) {
        if (IsDigit(c) && power < 1'000'000'000)
            power = power * 10 + (c.unicode() - u'0');
    }
    return magnitude + (negative ? -power : power);
}

double ParseAsciiNumber(QStringView digits, QStringView mantissa, QStringView exponent)
{
    QVarLengthArray<char, 64> ascii(digits.size());
    for (qsizetype i = 0; i < digits.size(); ++i)
        ascii[i] = static_cast<char>(digits[i].unicode());
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range)
        return MagnitudeOf(mantissa, exponent) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

} // namespace

NumberSymbols NumberSymbols::FromLocale(const QLocale& locale)
{
    return { locale.decimalPoint(), locale.groupSeparator() };
}

const NumberSymbols& NumberSymbols::OfDefaultLocale()
{
    return Tarvex::OfDefaultLocale<NumberSymbols, &NumberSymbols::FromLocale>();
}

bool IsNumericText(QStringView text)
{
    return IsNumericText(text, NumberSymbols::OfDefaultLocale());
}

bool IsNumericText(QStringView text, const NumberSymbols& symbols)
{
    text = text.trimmed();
    qsizetype at = 0;
    if (text.startsWith(u'+') || text.startsWith(u'-'))
        ++at;

    qsizetype digits = 0;
    while (at < text.size()) {
        if (IsDigit(text[at])) {
            ++digits;
            ++at;
        } else if (digits > 0 && !SymbolAt(text, at, symbols.DecimalPoint)
                   && SymbolAt(text, at, symbols.GroupSeparator)) {
            at += symbols.GroupSeparator.size();
        } else {
            break;
        }
    }
    if (SymbolAt(text, at, symbols.DecimalPoint)) {
        const qsizetype fraction = at + symbols.DecimalPoint.size();
        at = SkipDigits(text, fraction);
        digits += at - fraction;
    }
    if (digits == 0)
        return false;
    return SkipExponent(text, at) == text.size();
}

namespace {

// The leading number of the text and where it ends; no number at all reads as 0 ending at 0.
std::pair<double, qsizetype> LeadingNumber(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at].isSpace())
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    const qsizetype start = at;
    at = SkipDigits(text, at);
    qsizetype digitCount = at - start;
    if (at < text.size() && text[at] == u'.') {
        const qsizetype fraction = at + 1;
        const qsizetype end = SkipDigits(text, fraction);
        digitCount += end - fraction;
        if (digitCount > 0)
            at = end;
    }
    if (digitCount == 0)
        return { 0.0, 0 };
    const qsizetype mantissaEnd = at;
    at = SkipExponent(text, at);
    const QStringView mantissa = text.sliced(start, mantissaEnd - start);
    const QStringView exponent = at > mantissaEnd ? text.sliced(mantissaEnd + 1, at - mantissaEnd - 1) : QStringView();
    const double value = ParseAsciiNumber(text.sliced(start, at - start), mantissa, exponent);
    return { negative ? -value : value, at };
}

} // namespace

double ReadLeadingNumber(QStringView text)
{
    return LeadingNumber(text).first;
}

std::optional<double> ReadWholeNumber(QStringView text)
{
    const auto [value, end] = LeadingNumber(text);
    if (end == 0 || !text.sliced(end).trimmed().isEmpty())
        return std::nullopt;
    return value;
}

std::optional<double> ReadLocaleNumber(QStringView text, const NumberSymbols& symbols)
{
    if (!IsNumericText(text, symbols))
        return std::nullopt;
    // The numeric test has placed every separator: group separators only follow digits before the
    // decimal separator, which comes at most once.
    QString plain;
    plain.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        if (SymbolAt(text, at, symbols.DecimalPoint)) {
            plain += u'.';
            at += symbols.DecimalPoint.size();
        } else if (SymbolAt(text, at, symbols.GroupSeparator)) {
            at += symbols.GroupSeparator.size();
        } else {
            plain += text[at++];
        }
    }
    return ReadWholeNumber(plain);
}

QString NumberText(double value, int significantDigits)
{
    // Zero has no sign to show, whatever arithmetic left behind.
    if (value == 0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', significantDigits);
    text.replace(u'e', u'E');
    return text.replace(u'.', NumberSymbols::OfDefaultLocale().DecimalPoint);
}

} // namespace Tarvex
