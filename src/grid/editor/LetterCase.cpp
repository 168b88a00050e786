#include "grid/editor/LetterCase.h"

namespace Tarvex {

LetterCase::LetterCase(QObject* Parent)
    : QValidator(Parent)
{
}

LetterCase::Force LetterCase::FromInputFilter(const QString& InputFilter)
{
    if (InputFilter == QLatin1String("<"))
        return Force::Lower;
    if (InputFilter == QLatin1String(">"))
        return Force::Upper;
    return Force::None;
}

// A whole-string case mapping may change the length ("ß" becomes "SS"); one character for one keeps
// the caret and the selection where they are.
QValidator::State LetterCase::validate(QString& Input, int& Position) const
{
    Q_UNUSED(Position);
    if (m_Force == Force::None)
        return Acceptable;
    for (QChar& c : Input)
        c = m_Force == Force::Upper ? c.toUpper() : c.toLower();
    return Acceptable;
}

} // namespace Tarvex
