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
void RuzuZiriPrivate::DragAutoScroll(qint16& Direction)
{
    if (m_Input.m_AutoScrollDir == Direction && m_Input.m_AutoScrollTimer && m_Input.m_AutoScrollTimer->Enabled())
        return;
    m_Input.m_AutoScrollDir = Direction;
    if (!m_Input.m_AutoScrollTimer) {
        m_Input.m_AutoScrollTimer = new Timer(q);
        QObject::connect(m_Input.m_AutoScrollTimer, &Timer::Tick, q, [this] { AutoScrollPass(); });
    }
    m_Input.m_AutoScrollTimer->Interval(AutoScrollPace);
    m_Input.m_AutoScrollTimer->Enabled(true);
    AutoScrollPass();
}

// One row, its three events and the repaint; the end of the rows ends the scroll.
void RuzuZiriPrivate::AutoScrollPass()
{
    if (m_Input.m_AutoScrollDir == 0 || !AutoScrollStep(m_Input.m_AutoScrollDir)) {
        StopAutoScroll();
        return;
    }
    ++m_Current.m_CellMoves;
    if (Raise(&RuzuZiri::RowColChanged) && Raise(&RuzuZiri::SelectionChanged) && Raise(&RuzuZiri::Scroll))
        DrawGrid(m_Painter.m_Paint, false);
}

void RuzuZiriPrivate::StopAutoScroll()
{
    m_Input.m_AutoScrollDir = 0;
    if (m_Input.m_AutoScrollTimer)
        m_Input.m_AutoScrollTimer->Enabled(false);
}

// False when there is nothing left to scroll towards; the grid is read afresh on every pass,
// since the events of the last pass may have changed it. The current row is the row at the edge
// the pointer left by; with MultiSelect the rows the scroll brings in join the selection.
bool RuzuZiriPrivate::AutoScrollStep(qint16 Direction)
{
    const int last = m_Model.LastRow();
    if (last < 0)
        return false;
    const int top = SBGetPos(1);
    const bool up = Direction == 1;
    if (up ? top <= SBGetMin(1) : top >= SBGetMax(1))
        return false;
    const int n = VisibleRowCount();
    m_Current.m_Row = top; // where the navigation searches from
    SBSetPos(1, up ? PrevNavigableRow(1, 0) : NextNavigableRow(1, 0));
    const int newTop = std::max(SBGetPos(1), 0);
    m_Current.m_Row = up ? newTop : std::clamp(newTop + n - 1, 0, last);
    if (m_Settings.m_MultiSelect == MultiSelectMode::Off) {
        m_Model.ClearSelection();
        m_Model.SetRowFlag(m_Current.m_Row, RowFlagSelected, true);
    } else if (up) {
        m_Model.SetRowFlag(newTop, RowFlagSelected, true);
    } else {
        for (int p = newTop; p <= std::min(newTop + n, last); ++p)
            m_Model.SetRowFlag(p, RowFlagSelected, true);
    }
    return true;
}

} // namespace Tarvex
