#include "platform/runtime/TextCollation.h"

namespace Tarvex {

TextCollator::TextCollator()
{
    m_Collator.setCaseSensitivity(Qt::CaseInsensitive);
}

int TextCollator::Compare(const QString& Left, const QString& Right) const
{
    return m_Collator.compare(Left, Right);
}

QCollatorSortKey TextCollator::SortKey(const QString& Text) const
{
    return m_Collator.sortKey(Text);
}

int CompareText(const QString& Left, const QString& Right)
{
    return TextCollator().Compare(Left, Right);
}

} // namespace Tarvex
