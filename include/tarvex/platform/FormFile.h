#pragma once

#include <tarvex/platform/PropertyBag.h>

#include <QHash>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <utility>

namespace Tarvex {

// The saved design-time properties of a window's controls, as a readable UTF-8 text file:
//
//   # comment
//   [Tarvex.VozirAdu VozirAdu1]
//   Caption = "Documents|Settings|"
//   NumberOfTabs = 2
//   Enabled = False
//
// One section per control, headed by its type and its name; below it one "Name = value" line per
// stored property. A value is a text in double quotes (with \" \\ \n \r \t and \uXXXX escapes), a
// whole number, a number with a point or an exponent, NaN, Infinity or -Infinity, or True or False.
// A type, a control name or a property name that is not a plain word is written as a quoted text,
// so every text a bag can hold comes back as it was. Loading keeps every line it can understand and
// lists the others in Problems(); nothing in a file can stop the loading half-way.
class FormFile {
public:
    // The bag of one control, created empty when the file had none. It stays where it is while
    // other controls are added.
    PropertyBag& Bag(const QString& ControlType, const QString& ControlName);
    bool Contains(const QString& ControlType, const QString& ControlName) const;

    // False when the file cannot be read at all or is larger than 16 MiB, whatever kind of file it
    // is; the reason is in Problems(). A file that is not valid UTF-8 loads with a problem listed.
    bool Load(const QString& Path);
    // False when the file cannot be written whole, or a bag holds a value of a type the file cannot
    // hold; the previous file is then left as it was and Problems() says why.
    bool Save(const QString& Path);

    void FromText(const QString& Text);
    QString ToText() const;

    // What the last Load or Save could not do, one sentence each, with line numbers.
    const QStringList& Problems() const;

private:
    struct Section {
        QString Type;    // control identifier, such as "Tarvex.VozirAdu"
        QString Name;    // the control's name on its window
        PropertyBag Bag; // its stored properties
    };

    using SectionKey = std::pair<QString, QString>; // type and name

    Section* FindSection(const QString& ControlType, const QString& ControlName);
    void ReadLine(int Number, const QString& Line, Section*& Current);
    void ReadSectionHeader(const QString& Line, Section*& Current, const std::function<void(const QString&)>& Problem);
    void ReadProperty(const QString& Line, Section* Current, const std::function<void(const QString&)>& Problem);
    QStringList Unwritable() const;

    std::deque<Section> m_Sections;                 // in file order, new controls appended; bags never move
    QHash<SectionKey, std::size_t> m_SectionIndex;  // position of each section in m_Sections
    QStringList m_Problems;                         // of the last Load or Save
};

} // namespace Tarvex
