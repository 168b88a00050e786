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
    // The C locale's collator compares without case but builds its keys from the raw text, so
    // its keys are built from the case-folded text instead.
    bool m_FoldKeys { false };
};

int CompareText(const QString& Left, const QString& Right);

} // namespace Tarvex
