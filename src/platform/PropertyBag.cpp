#include <tarvex/platform/PropertyBag.h>

#include "platform/VariantTypes.h"

#include <QFont>
#include <QMetaType>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace Tarvex {
namespace {

bool IsFloating(int TypeId) { return TypeId == QMetaType::Double || TypeId == QMetaType::Float; }

template <typename T>
bool Fits(long double Value)
{
    return Value >= (long double)std::numeric_limits<T>::lowest() && Value <= (long double)std::numeric_limits<T>::max();
}

// Whether a whole number fits the integer type named by TypeId.
bool FitsInteger(long double Value, int TypeId)
{
    switch (TypeId) {
    case QMetaType::Short:
        return Fits<short>(Value);
    case QMetaType::UShort:
        return Fits<unsigned short>(Value);
    case QMetaType::Int:
        return Fits<int>(Value);
    case QMetaType::UInt:
        return Fits<unsigned int>(Value);
    case QMetaType::Long:
        return Fits<long>(Value);
    case QMetaType::ULong:
        return Fits<unsigned long>(Value);
    case QMetaType::LongLong:
        return Fits<long long>(Value);
    case QMetaType::ULongLong:
        return Fits<unsigned long long>(Value);
    case QMetaType::SChar:
        return Fits<signed char>(Value);
    case QMetaType::UChar:
        return Fits<unsigned char>(Value);
    default:
        return false;
    }
}

std::optional<long double> NumberOf(const QVariant& Value)
{
    const int type = Value.metaType().id();
    if (type == QMetaType::Bool)
        return Value.toBool() ? 1.0L : 0.0L;
    if (type == QMetaType::ULongLong || type == QMetaType::ULong)
        return (long double)Value.toULongLong();
    if (IsIntegerType(type))
        return (long double)Value.toLongLong();
    if (IsFloating(type))
        return (long double)Value.toDouble();
    return std::nullopt;
}

// A font comes back from a file as the text it was saved as.
std::optional<QVariant> FontOf(const QVariant& Stored)
{
    QFont font;
    if (Stored.metaType().id() != QMetaType::QString || !font.fromString(Stored.toString()))
        return std::nullopt;
    return QVariant(font);
}

// The stored value in the type of the default, when that loses nothing but a fraction of a
// number read into an integer (rounded, as the platform assigns a number to an integer).
std::optional<QVariant> Coerce(const QVariant& Stored, const QVariant& Default)
{
    const QMetaType target = Default.metaType();
    const int targetId = target.id();
    if (Stored.metaType() == target)
        return Stored;
    if (targetId == QMetaType::QFont)
        return FontOf(Stored);
    if (targetId == QMetaType::QString) {
        if (Stored.metaType().id() == QMetaType::Bool)
            return QVariant(Stored.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
        if (!NumberOf(Stored))
            return std::nullopt;
        return QVariant(Stored.toString());
    }
    const std::optional<long double> number = NumberOf(Stored);
    if (!number || std::isnan(*number))
        return std::nullopt;
    if (targetId == QMetaType::Bool)
        return QVariant(*number != 0);
    if (IsFloating(targetId)) {
        QVariant converted { double(*number) };
        converted.convert(target);
        return converted;
    }
    if (!IsIntegerType(targetId))
        return std::nullopt;
    const long double whole = std::nearbyint(*number);
    if (!FitsInteger(whole, targetId))
        return std::nullopt;
    QVariant converted = IsIntegerType(Stored.metaType().id()) ? Stored : QVariant((long long)whole);
    if (!converted.convert(target))
        return std::nullopt;
    return converted;
}

} // namespace

std::vector<std::pair<QString, QVariant>>::iterator PropertyBag::Find(const QString& Name)
{
    const auto found = m_Index.constFind(Name);
    return found == m_Index.constEnd() ? m_Entries.end() : m_Entries.begin() + *found;
}

QVariant PropertyBag::ReadProperty(const QString& Name, const QVariant& Default)
{
    const auto entry = Find(Name);
    if (entry == m_Entries.end())
        return Default;
    if (!Default.isValid())
        return entry->second;
    if (const std::optional<QVariant> value = Coerce(entry->second, Default))
        return *value;
    ReportProblem(QStringLiteral("\"%1\" holds %2, which cannot be a %3; the default is used")
                      .arg(Name, entry->second.toString(), QString::fromLatin1(Default.metaType().name())));
    return Default;
}

void PropertyBag::WriteProperty(const QString& Name, const QVariant& Value, const QVariant& Default)
{
    const auto entry = Find(Name);
    if (Default.isValid() && Value == Default) {
        if (entry != m_Entries.end())
            Forget(entry);
        return;
    }
    if (entry != m_Entries.end()) {
        entry->second = Value;
        return;
    }
    m_Index.insert(Name, m_Entries.size());
    m_Entries.emplace_back(Name, Value);
}

void PropertyBag::Forget(std::vector<std::pair<QString, QVariant>>::iterator Entry)
{
    m_Index.remove(Entry->first);
    const auto next = m_Entries.erase(Entry);
    for (auto later = next; later != m_Entries.end(); ++later)
        --m_Index[later->first];
}

bool PropertyBag::Contains(const QString& Name) const { return m_Index.contains(Name); }

bool PropertyBag::IsEmpty() const { return m_Entries.empty(); }

const std::vector<std::pair<QString, QVariant>>& PropertyBag::Entries() const { return m_Entries; }

const QStringList& PropertyBag::Problems() const { return m_Problems; }

void PropertyBag::ReportProblem(const QString& Problem) { m_Problems.append(Problem); }

} // namespace Tarvex
