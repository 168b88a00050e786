#include "platform/FormFileSyntax.h"

#include "platform/VariantTypes.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace Tarvex::FormFileSyntax {
namespace {

// Characters that a quoted text writes as a backslash and a letter.
constexpr std::array<std::pair<char16_t, char16_t>, 5> Escapes { {
    { u'"', u'"' }, { u'\\', u'\\' }, { u'\n', u'n' }, { u'\r', u'r' }, { u'\t', u't' } } };

// Non-finite numbers are bare words: a quoted "inf" has always meant the text.
const QString NaNWord = QStringLiteral("NaN");
const QString InfinityWord = QStringLiteral("Infinity");
const QString NegativeInfinityWord = QStringLiteral("-Infinity");

bool IsUnpairedSurrogate(const QString& Text, qsizetype At)
{
    const QChar c = Text[At];
    if (c.isHighSurrogate())
        return At + 1 >= Text.size() || !Text[At + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return At == 0 || !Text[At - 1].isHighSurrogate();
    return false;
}

// The UTF-16 unit written as the four hex digits that Text starts with.
std::optional<char16_t> HexUnit(QStringView Text)
{
    if (Text.size() < 4)
        return std::nullopt;
    char16_t unit = 0;
    for (const QChar c : Text.first(4)) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c, 0, Qt::CaseInsensitive);
        if (digit < 0)
            return std::nullopt;
        unit = char16_t(unit * 16 + digit);
    }
    return unit;
}

QString NumberText(double Number)
{
    if (std::isnan(Number))
        return NaNWord;
    if (std::isinf(Number))
        return Number > 0 ? InfinityWord : NegativeInfinityWord;
    // Qt writes negative zero as "0"; the sign is part of the value.
    if (Number == 0 && std::signbit(Number))
        return QStringLiteral("-0.0");
    QString text = QString::number(Number, 'g', 17);
    if (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e')))
        text += QLatin1String(".0");
    return text;
}

std::optional<QVariant> ParseNumber(const QString& Text)
{
    if (Text == NaNWord)
        return QVariant(std::numeric_limits<double>::quiet_NaN());
    if (Text == InfinityWord || Text == NegativeInfinityWord)
        return QVariant(Text == InfinityWord ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity());
    static const QRegularExpression wholeNumber(QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    static const QRegularExpression number(QRegularExpression::anchoredPattern(QStringLiteral("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?")));
    bool ok = false;
    if (wholeNumber.match(Text).hasMatch()) {
        const qlonglong value = Text.toLongLong(&ok);
        if (!ok) {
            const qulonglong large = Text.toULongLong(&ok);
            return ok ? std::optional<QVariant>(QVariant(large)) : std::nullopt;
        }
        if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
            return QVariant(int(value));
        return QVariant(value);
    }
    if (number.match(Text).hasMatch()) {
        const double value = Text.toDouble(&ok);
        if (ok && std::isfinite(value))
            return QVariant(value);
    }
    return std::nullopt;
}

} // namespace

QString Quoted(const QString& Text)
{
    QString result = QStringLiteral("\"");
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        const auto escape = std::find_if(Escapes.begin(), Escapes.end(), [c](const auto& pair) { return pair.first == c; });
        if (escape != Escapes.end())
            result += QLatin1Char('\\') + QChar(escape->second);
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F || IsUnpairedSurrogate(Text, i))
            result += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            result += c;
    }
    return result + QLatin1Char('"');
}

std::optional<QString> ReadQuoted(QStringView Line, qsizetype& At)
{
    if (At >= Line.size() || Line[At] != QLatin1Char('"'))
        return std::nullopt;
    QString result;
    for (qsizetype i = At + 1; i < Line.size(); ++i) {
        const QChar c = Line[i];
        if (c == QLatin1Char('"')) {
            At = i + 1;
            return result;
        }
        if (c != QLatin1Char('\\')) {
            result += c;
            continue;
        }
        if (++i >= Line.size())
            return std::nullopt;
        const QChar letter = Line[i];
        if (letter == QLatin1Char('u')) {
            const std::optional<char16_t> unit = HexUnit(Line.sliced(i + 1));
            if (!unit)
                return std::nullopt;
            result += QChar(*unit);
            i += 4;
            continue;
        }
        const auto escape = std::find_if(Escapes.begin(), Escapes.end(), [letter](const auto& pair) { return pair.second == letter; });
        if (escape == Escapes.end())
            return std::nullopt;
        result += QChar(escape->first);
    }
    return std::nullopt;
}

QString SectionWord(const QString& Word)
{
    const bool plain = !Word.isEmpty() && std::all_of(Word.begin(), Word.end(), [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.') || c == QLatin1Char('-');
    });
    return plain ? Word : Quoted(Word);
}

bool IsBarePropertyName(const QString& Name)
{
    // Anchored on the whole text: "$" would also match before a final line feed.
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z_][A-Za-z0-9_.]*")));
    return pattern.match(Name).hasMatch();
}

QString PropertyName(const QString& Name) { return IsBarePropertyName(Name) ? Name : Quoted(Name); }

std::optional<QStringList> SectionWords(QStringView Inside)
{
    QStringList words;
    qsizetype at = 0;
    for (;;) {
        while (at < Inside.size() && Inside[at] == QLatin1Char(' '))
            ++at;
        if (at >= Inside.size())
            return words;
        if (Inside[at] == QLatin1Char('"')) {
            const std::optional<QString> word = ReadQuoted(Inside, at);
            if (!word || (at < Inside.size() && Inside[at] != QLatin1Char(' ')))
                return std::nullopt;
            words.append(*word);
            continue;
        }
        const qsizetype space = Inside.indexOf(QLatin1Char(' '), at);
        const qsizetype stop = space < 0 ? Inside.size() : space;
        words.append(Inside.sliced(at, stop - at).toString());
        at = stop;
    }
}

std::optional<QString> ValueText(const QVariant& Value)
{
    const int type = Value.metaType().id();
    if (type == QMetaType::Bool)
        return Value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (type == QMetaType::Double || type == QMetaType::Float)
        return NumberText(Value.toDouble());
    if (IsIntegerType(type))
        return Value.toString();
    // A font travels as its description text, which the bag turns back into a font on reading.
    if (type == QMetaType::QString || type == QMetaType::QFont)
        return Quoted(Value.toString());
    return std::nullopt;
}

std::optional<QVariant> ParseValue(const QString& Text)
{
    if (Text.startsWith(QLatin1Char('"'))) {
        qsizetype end = 0;
        const std::optional<QString> text = ReadQuoted(Text, end);
        if (text && end == Text.size())
            return QVariant(*text);
        return std::nullopt;
    }
    if (Text == QLatin1String("True"))
        return QVariant(true);
    if (Text == QLatin1String("False"))
        return QVariant(false);
    return ParseNumber(Text);
}

} // namespace Tarvex::FormFileSyntax
