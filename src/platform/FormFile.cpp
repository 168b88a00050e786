#include "platform/FormFile.h"

#include "platform/VariantTypes.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace Tarvex {
namespace {

// Far more than any window's controls need; a larger file is not a form file.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

// Characters that a quoted text writes as a backslash and a letter.
constexpr std::array<std::pair<char16_t, char16_t>, 5> Escapes { {
    { u'"', u'"' }, { u'\\', u'\\' }, { u'\n', u'n' }, { u'\r', u'r' }, { u'\t', u't' } } };

QString Quoted(const QString& Text)
{
    QString result = QStringLiteral("\"");
    for (const QChar c : Text) {
        const auto escape = std::find_if(Escapes.begin(), Escapes.end(), [c](const auto& pair) { return pair.first == c; });
        if (escape != Escapes.end())
            result += QLatin1Char('\\') + QChar(escape->second);
        else
            result += c;
    }
    return result + QLatin1Char('"');
}

// The text inside the quotes, or nothing when a quote is missing, stray or an escape is unknown.
std::optional<QString> Unquoted(const QString& Text)
{
    if (Text.size() < 2 || !Text.startsWith(QLatin1Char('"')) || !Text.endsWith(QLatin1Char('"')))
        return std::nullopt;
    QString result;
    for (qsizetype i = 1; i < Text.size() - 1; ++i) {
        const QChar c = Text[i];
        if (c == QLatin1Char('"'))
            return std::nullopt;
        if (c != QLatin1Char('\\')) {
            result += c;
            continue;
        }
        if (++i >= Text.size() - 1)
            return std::nullopt;
        const QChar letter = Text[i];
        const auto escape = std::find_if(Escapes.begin(), Escapes.end(), [letter](const auto& pair) { return pair.second == letter; });
        if (escape == Escapes.end())
            return std::nullopt;
        result += QChar(escape->first);
    }
    return result;
}

QString ValueText(const QVariant& Value)
{
    switch (Value.metaType().id()) {
    case QMetaType::Bool:
        return Value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = Value.toDouble();
        if (!std::isfinite(number))
            return Quoted(Value.toString());
        QString text = QString::number(number, 'g', 17);
        if (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e')))
            text += QLatin1String(".0");
        return text;
    }
    default:
        return IsIntegerType(Value.metaType().id()) ? Value.toString() : Quoted(Value.toString());
    }
}

std::optional<QVariant> ParseValue(const QString& Text)
{
    if (Text.startsWith(QLatin1Char('"'))) {
        if (const std::optional<QString> text = Unquoted(Text))
            return QVariant(*text);
        return std::nullopt;
    }
    if (Text == QLatin1String("True"))
        return QVariant(true);
    if (Text == QLatin1String("False"))
        return QVariant(false);
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
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

bool IsPropertyName(const QString& Name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.]*$"));
    return pattern.match(Name).hasMatch();
}

QString Shortened(const QString& Line)
{
    return Line.size() <= 60 ? Line : Line.left(57) + QLatin1String("...");
}

} // namespace

FormFile::Section* FormFile::FindSection(const QString& ControlType, const QString& ControlName)
{
    const auto found = std::find_if(m_Sections.begin(), m_Sections.end(),
        [&](const Section& section) { return section.Type == ControlType && section.Name == ControlName; });
    return found == m_Sections.end() ? nullptr : &*found;
}

PropertyBag& FormFile::Bag(const QString& ControlType, const QString& ControlName)
{
    if (Section* section = FindSection(ControlType, ControlName))
        return section->Bag;
    m_Sections.push_back(Section { ControlType, ControlName, {} });
    return m_Sections.back().Bag;
}

bool FormFile::Contains(const QString& ControlType, const QString& ControlName) const
{
    return std::any_of(m_Sections.begin(), m_Sections.end(),
        [&](const Section& section) { return section.Type == ControlType && section.Name == ControlName; });
}

const QStringList& FormFile::Problems() const { return m_Problems; }

bool FormFile::Load(const QString& Path)
{
    m_Problems.clear();
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_Problems.append(QStringLiteral("%1 cannot be read: %2").arg(Path, file.errorString()));
        return false;
    }
    if (file.size() > MaxFileSize) {
        m_Problems.append(QStringLiteral("%1 is too large for a form file").arg(Path));
        return false;
    }
    FromText(QString::fromUtf8(file.readAll()));
    return true;
}

void FormFile::FromText(const QString& Text)
{
    Section* current = nullptr;
    const QStringList lines = Text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i)
        ReadLine(int(i + 1), lines[i].trimmed(), current);
}

// Each line stands alone: a bad one is reported and the next is read as if it had not been there,
// except that the keys below a bad section header have no control to go to and are reported too.
void FormFile::ReadLine(int Number, const QString& Line, Section*& Current)
{
    const auto problem = [&](const QString& What) {
        m_Problems.append(QStringLiteral("line %1: %2: %3").arg(Number).arg(What, Shortened(Line)));
    };
    if (Line.isEmpty() || Line.startsWith(QLatin1Char('#')))
        return;
    if (Line.startsWith(QLatin1Char('['))) {
        Current = nullptr;
        const QStringList words = Line.mid(1, Line.size() - 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!Line.endsWith(QLatin1Char(']')) || words.size() != 2) {
            problem(QStringLiteral("a section needs a control type and a name; skipped with its keys"));
            return;
        }
        if (FindSection(words[0], words[1]))
            problem(QStringLiteral("the control appears twice; its keys are merged"));
        Bag(words[0], words[1]);
        Current = FindSection(words[0], words[1]);
        return;
    }
    const qsizetype equals = Line.indexOf(QLatin1Char('='));
    if (equals < 0) {
        problem(QStringLiteral("not a \"Name = value\" line; skipped"));
        return;
    }
    if (!Current) {
        problem(QStringLiteral("no control section above it; skipped"));
        return;
    }
    const QString name = Line.left(equals).trimmed();
    if (!IsPropertyName(name)) {
        problem(QStringLiteral("not a property name; skipped"));
        return;
    }
    const std::optional<QVariant> value = ParseValue(Line.mid(equals + 1).trimmed());
    if (!value) {
        problem(QStringLiteral("the value is not a quoted text, a number, True or False; skipped"));
        return;
    }
    if (Current->Bag.Contains(name))
        problem(QStringLiteral("the property appears twice; the later value is kept"));
    Current->Bag.WriteProperty(name, *value);
}

QString FormFile::ToText() const
{
    QString text = QStringLiteral("# Design-time properties of the window's controls; values equal to their defaults are left out.\n");
    for (const Section& section : m_Sections) {
        text += QStringLiteral("\n[%1 %2]\n").arg(section.Type, section.Name);
        for (const auto& [name, value] : section.Bag.Entries())
            text += QStringLiteral("%1 = %2\n").arg(name, ValueText(value));
    }
    return text;
}

bool FormFile::Save(const QString& Path)
{
    m_Problems.clear();
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ToText().toUtf8()) < 0 || !file.commit()) {
        m_Problems.append(QStringLiteral("%1 cannot be written: %2").arg(Path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace Tarvex
