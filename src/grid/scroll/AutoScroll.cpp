#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/Timer.h>

#include <algorithm>

namespace Tarvex {

namespace {

constexpr int AutoScrollPace = 25; // milliseconds between two rows of a drag auto-scroll

} // namespace

// Scrolls one navigable row every 25 ms while a drag selection is held beyond the top (1) or the
// bottom edge (anything else), the first row at once. The mouse handlers stop it (StopAutoScroll) when
// the pointer comes back or the button comes up; a start in the direction already running goes on.
// A drag started by hand has its first row where the current row is.
void RuzuZiriPrivate::DragAutoScroll(qint16& Direction)
{
    if (m_Input.m_AutoScrollDir == Direction && m_Input.m_AutoScrollTimer && m_Input.m_AutoScrollTimer->Enabled())
        return;
    if (m_Input.m_DragAnchor == -1)
        m_Input.m_DragAnchor = m_Current.m_Row;
    m_Input.m_AutoScrollDir = Direction;
    if (!m_Input.m_AutoScrollTimer) {
        m_Input.m_AutoScrollTimer = new Timer(q);
        QObject::connect(m_Input.m_AutoScrollTimer, &Timer::Tick, q, [this] { AutoScrollPass(); });
    }
    m_Input.m_AutoScrollTimer->Interval(AutoScrollPace);
    m_Input.m_AutoScrollTimer->Enabled(true);
    AutoScrollPass();
}

// One row, the events of what it changed and the repaint. A pass that changes nothing (the end of
// the rows, or nothing to scroll) stops the timer: the next move of the pointer beyond the edge asks
// again.
void RuzuZiriPrivate::AutoScrollPass()
{
    const qint16 direction = m_Input.m_AutoScrollDir;
    const AutoScrollChange change = direction != 0 ? AutoScrollStep(direction) : AutoScrollChange {};
    if (!change.Any()) {
        StopAutoScroll();
        return;
    }
    if (change.Moved)
        ++m_Current.m_CellMoves;
    if (change.Moved && !Raise(&RuzuZiri::RowColChanged))
        return;
    if (change.Selected && !Raise(&RuzuZiri::SelectionChanged))
        return;
    if (change.Scrolled && !Raise(&RuzuZiri::Scroll))
        return;
    DrawGrid(m_Painter.m_Paint, false);
}

void RuzuZiriPrivate::StopAutoScroll()
{
    m_Input.m_AutoScrollDir = 0;
    if (m_Input.m_AutoScrollTimer)
        m_Input.m_AutoScrollTimer->Enabled(false);
}

// The grid is read afresh on every pass, since the events of the last pass may have changed it. The
// current row is the row at the edge the pointer left by, or the nearest one towards the drag's first
// row that may be current; the selection follows it as it follows the pointer over the rows.
RuzuZiriPrivate::AutoScrollChange RuzuZiriPrivate::AutoScrollStep(qint16 Direction)
{
    const int last = m_Model.LastRow();
    if (last < 0)
        return {};
    const int top = SBGetPos(1);
    const bool up = Direction == 1;
    if (up ? top <= SBGetMin(1) : top >= SBGetMax(1))
        return {};
    const int n = VisibleRowCount();
    const int before = m_Current.m_Row;
    m_Current.m_Row = top; // where the navigation searches from
    SBSetPos(1, up ? PrevNavigableRow(1, 0) : NextNavigableRow(1, 0));
    const int newTop = std::max(SBGetPos(1), 0);
    m_Current.m_Row = DragStop(up ? newTop : std::clamp(newTop + n - 1, 0, last));
    AutoScrollChange change;
    change.Scrolled = newTop != top;
    change.Moved = m_Current.m_Row != before;
    change.Selected = SelectDraggedRows(m_Current.m_Row);
    return change;
}

} // namespace Tarvex
