#pragma once

#include <tarvex/grid/RuzuZiri.h>

#include <QScrollBar>

namespace Tarvex {

// One of the grid's own scroll bars: 0 the horizontal one, 1 the vertical one.
inline QScrollBar* ScrollBarOf(const RuzuZiri& Grid, int Bar)
{
    return Grid.findChild<QScrollBar*>(QStringLiteral("ScrollBar(%1)").arg(Bar));
}

// As a user drags the bar's thumb there: the grid hears the bar's request and goes as far as it lets
// the bar go, painting when ScrollTrack is on.
inline void DragThumb(const RuzuZiri& Grid, int Bar, int Position)
{
    ScrollBarOf(Grid, Bar)->setSliderPosition(Position);
}

} // namespace Tarvex
