#include <tarvex/platform/runtime/FormatText.h>

#include <tarvex/platform/runtime/DateRecognition.h>
#include <tarvex/platform/runtime/NumericText.h>

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace Tarvex {

namespace {

bool IsNumberPattern(const QString& Pattern)
{
    return Pattern.contains(QLatin1Char('0')) || Pattern.contains(QLatin1Char('#'));
}

bool IsDatePattern(const QString& Pattern)
{
    for (const QChar ch : Pattern) {
        const char16_t c = ch.toLower().unicode();
        if (c == u'd' || c == u'm' || c == u'y' || c == u'h' || c == u'n' || c == u's')
            return true;
    }
    return false;
}

// The length of the run of Ch starting at Pos.
qsizetype RunLength(const QString& Pattern, qsizetype Pos, QChar Ch)
{
    qsizetype end = Pos;
    while (end < Pattern.size() && Pattern[end].toLower() == Ch)
        ++end;
    return end - Pos;
}

QString FormatDate(double Serial, const QString& Pattern)
{
    const double days = std::floor(Serial);
    const QDate date = QDate(1899, 12, 30).addDays(qint64(days));
    const int seconds = int(std::lround((Serial - days) * 86400.0)) % 86400;
    const QLocale locale;
    QString out;
    bool afterHour = false; // "m" right after an hour means minutes
    for (qsizetype i = 0; i < Pattern.size();) {
        const QChar ch = Pattern[i].toLower();
        const qsizetype run = RunLength(Pattern, i, ch);
        const auto two = [&](int value) { return run >= 2 ? QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')) : QString::number(value); };
        if (ch == u'd') {
            out += run >= 4 ? locale.dayName(date.dayOfWeek()) : run == 3 ? locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) : two(date.day());
        } else if (ch == u'm' && !afterHour) {
            out += run >= 4 ? locale.monthName(date.month()) : run == 3 ? locale.monthName(date.month(), QLocale::ShortFormat) : two(date.month());
        } else if (ch == u'm' || ch == u'n') {
            out += two(seconds / 60 % 60);
        } else if (ch == u'y') {
            out += run >= 3 ? QString::number(date.year()) : QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
        } else if (ch == u'h') {
            out += two(seconds / 3600);
        } else if (ch == u's') {
            out += two(seconds % 60);
        } else {
            out += Pattern.mid(i, run);
        }
        if (ch != u' ' && ch != u':')
            afterHour = ch == u'h';
        i += run;
    }
    return out;
}

} // namespace

QString FormatNumber(double Value, const QString& Pattern)
{
    const qsizetype first = Pattern.indexOf(QRegularExpression(QStringLiteral("[0#]")));
    const qsizetype last = Pattern.lastIndexOf(QRegularExpression(QStringLiteral("[0#]")));
    if (first < 0)
        return Pattern;
    const QString number = Pattern.mid(first, last - first + 1);
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    const QString fraction = point < 0 ? QString() : number.mid(point + 1);
    const int shownDecimals = int(fraction.count(QLatin1Char('0')) + fraction.count(QLatin1Char('#')));
    const int fixedDecimals = int(fraction.count(QLatin1Char('0')));
    const QString integer = point < 0 ? number : number.left(point);
    const int leadingZeros = int(integer.count(QLatin1Char('0')));
    if (Pattern.contains(QLatin1Char('%')))
        Value *= 100;

    QLocale locale;
    locale.setNumberOptions(integer.contains(QLatin1Char(',')) ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    QString text = locale.toString(std::fabs(Value), 'f', shownDecimals);
    // Optional decimals ("#") drop their trailing zeros, down to the ones that must stay.
    const QString decimal = locale.decimalPoint();
    if (shownDecimals > fixedDecimals) {
        qsizetype keep = text.size();
        const qsizetype pointAt = text.lastIndexOf(decimal);
        while (keep > pointAt + 1 + fixedDecimals && text[keep - 1] == QLatin1Char('0'))
            --keep;
        if (keep == pointAt + 1)
            keep = pointAt;
        text.truncate(keep);
    }
    // "#" before the point shows no lone zero; "0" may ask for more digits than the value has.
    const qsizetype pointAt = text.indexOf(decimal);
    const qsizetype integerDigits = pointAt < 0 ? text.size() : pointAt;
    if (leadingZeros == 0 && text.startsWith(QLatin1Char('0')) && integerDigits == 1)
        text.remove(0, 1);
    else if (integerDigits < leadingZeros)
        text.prepend(QString(leadingZeros - integerDigits, QLatin1Char('0')));
    const bool negative = Value < 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return Pattern.left(first) + (negative ? QStringLiteral("-") : QString()) + text + Pattern.mid(last + 1);
}

QString FormatText(const QString& Text, const QString& Pattern)
{
    if (Pattern.isEmpty())
        return Text;
    if (IsNumberPattern(Pattern) && IsNumericText(Text)) {
        bool ok = false;
        const double value = QLocale().toDouble(Text.trimmed(), &ok);
        return FormatNumber(ok ? value : ReadLeadingNumber(Text), Pattern);
    }
    if (IsDatePattern(Pattern)) {
        if (const std::optional<double> serial = DateSerial(Text))
            return FormatDate(*serial, Pattern);
    }
    return Text;
}

QString GeneralNumberText(double Value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(Value, 'g', 15);
}

} // namespace Tarvex
