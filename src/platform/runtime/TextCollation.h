#pragma once

#include <QCollator>
#include <QString>

namespace Tarvex {

// The user's text order: locale-aware and blind to case, as lists sorted by name are expected to be.
// Build one per batch of comparisons; it takes the default locale when built.
class TextCollator {
public:
    TextCollator();

    // Negative, zero or positive, like QString::compare.
    int Compare(const QString& Left, const QString& Right) const;
    // Computed once per text, compared many times; two keys compare like their texts.
    QCollatorSortKey SortKey(const QString& Text) const;

private:
    QCollator m_Collator; // default locale, case-insensitive
};

int CompareText(const QString& Left, const QString& Right);

} // namespace Tarvex
