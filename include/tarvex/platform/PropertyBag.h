#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>
#include <vector>

namespace Tarvex {

// The design-time properties of one control, by name. Only values that differ from their default
// are kept, so a saved control lists just what was changed, and a default changed in a later
// version reaches every control that never overrode it.
class PropertyBag {
public:
    // The stored value, or Default when the name is not stored. With a valid Default, the value
    // comes back with Default's type; a stored value that cannot take it (text where a number
    // belongs, a number too large for the type) reads as Default and is noted in Problems(). A font
    // stored as text (as a file keeps it) reads back as a font.
    QVariant ReadProperty(const QString& Name, const QVariant& Default = QVariant());
    // Stores Value, or forgets the name when Value equals Default (an empty Default never does).
    void WriteProperty(const QString& Name, const QVariant& Value, const QVariant& Default = QVariant());

    bool Contains(const QString& Name) const;
    bool IsEmpty() const;
    // Names and values in the order they were first stored.
    const std::vector<std::pair<QString, QVariant>>& Entries() const;

    // What reading could not use, one sentence each.
    const QStringList& Problems() const;
    void ReportProblem(const QString& Problem);

private:
    std::vector<std::pair<QString, QVariant>>::iterator Find(const QString& Name);
    void Forget(std::vector<std::pair<QString, QVariant>>::iterator Entry);

    std::vector<std::pair<QString, QVariant>> m_Entries; // names with their non-default values
    QHash<QString, std::size_t> m_Index;                 // position of each name in m_Entries
    QStringList m_Problems;                              // filled by ReadProperty and by loaders
};

} // namespace Tarvex
