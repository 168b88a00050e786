#include <tarvex/platform/runtime/TextCollation.h>

namespace Tarvex {

TextCollator::TextCollator()
    : m_FoldKeys(m_Collator.locale().language() == QLocale::C)
{
    m_Collator.setCaseSensitivity(Qt::CaseInsensitive);
}

int TextCollator::Compare(const QString& Left, const QString& Right) const
{
    return m_Collator.compare(Left, Right);
}

QCollatorSortKey TextCollator::SortKey(const QString& Text) const
{
    return m_Collator.sortKey(m_FoldKeys ? Text.toCaseFolded() : Text);
}

int CompareText(const QString& Left, const QString& Right)
{
    return TextCollator().Compare(Left, Right);
}

} // namespace Tarvex
