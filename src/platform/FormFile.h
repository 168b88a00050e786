#pragma once

#include "platform/PropertyBag.h"

#include <QString>
#include <QStringList>

#include <vector>

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
// stored property. A value is a text in double quotes (with \" \\ \n \r \t escapes), a whole
// number, a number with a point or an exponent, or True or False. Loading keeps every line it can
// understand and lists the others in Problems(); nothing in a file can stop the loading half-way.
class FormFile {
public:
    // The bag of one control, created empty when the file had none.
    PropertyBag& Bag(const QString& ControlType, const QString& ControlName);
    bool Contains(const QString& ControlType, const QString& ControlName) const;

    // False when the file cannot be read at all; the reason is in Problems().
    bool Load(const QString& Path);
    // False when the file cannot be written; the previous file is then left as it was.
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

    Section* FindSection(const QString& ControlType, const QString& ControlName);
    void ReadLine(int Number, const QString& Line, Section*& Current);

    std::vector<Section> m_Sections; // in file order, new controls appended
    QStringList m_Problems;          // of the last Load or Save
};

} // namespace Tarvex
