#pragma once

// How a form file spells texts, names and values; only the form file's own sources include this.
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace Tarvex::FormFileSyntax {

// A text in double quotes. Quotes, backslashes, line breaks and tabs are written as a backslash and
// a letter, other control characters and unpaired surrogates as \u and four hex digits, so that the
// text is one line of valid UTF-8 whatever it holds.
QString Quoted(const QString& Text);
// The quoted text that starts at At; At moves past its closing quote. Nothing when the quote is not
// closed or an escape is unknown.
std::optional<QString> ReadQuoted(QStringView Line, qsizetype& At);

// A section's control type or name, or a property's name: bare where it is a plain word, quoted
// otherwise (spaces, an empty name, line breaks, a name that would start a comment).
QString SectionWord(const QString& Word);
QString PropertyName(const QString& Name);
bool IsBarePropertyName(const QString& Name);

// The words of a section header between its brackets: bare words split at spaces, or quoted texts.
// Nothing when a quoted text is broken.
std::optional<QStringList> SectionWords(QStringView Inside);

// A value as the file writes it, or nothing for a type the file cannot hold (only texts, whole
// numbers, numbers and True or False can be written).
std::optional<QString> ValueText(const QVariant& Value);
std::optional<QVariant> ParseValue(const QString& Text);

} // namespace Tarvex::FormFileSyntax
