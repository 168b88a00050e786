#pragma once

#include <tarvex/grid/RuzuZiri.h>

#include <QStringList>

namespace Tarvex {

// Adds a column of each given kind and width in twips, then the TAB-joined rows, as a host filling a
// grid would.
inline void Fill(RuzuZiri& Grid, std::initializer_list<int> Types, const QStringList& Rows, float Width = 500)
{
    for (const int type : Types)
        Grid.AddColumn(QStringLiteral("c"), Width, 4, type);
    for (const QString& row : Rows)
        Grid.AddItem(row);
}

// The texts of one column in display order.
inline QStringList Shown(const RuzuZiri& Grid, int Col)
{
    QStringList texts;
    for (int p = 0; p < Grid.ItemCount(); ++p)
        texts << Grid.CellText(p, Col);
    return texts;
}

} // namespace Tarvex
