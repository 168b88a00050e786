#pragma once

#include <tarvex/grid/RuzuZiri.h>

#include <QApplication>
#include <QMouseEvent>

#include <vector>

namespace Tarvex {

// A pointer moved over the grid with no button down, sent to the grid itself: QTest would move it
// through the screen's cursor.
inline void HoverOver(RuzuZiri& Grid, QPoint At)
{
    QMouseEvent move(QEvent::MouseMove, At, Grid.mapToGlobal(At), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&Grid, &move);
}

// The rows that show selected, in display order.
inline std::vector<int> SelectedRows(const RuzuZiri& Grid)
{
    std::vector<int> rows;
    for (int r = 0; r < Grid.ItemCount(); ++r)
        if (Grid.RowSelected(r))
            rows.push_back(r);
    return rows;
}

} // namespace Tarvex
