#include "grid/RuzuZiri.h"

namespace Tarvex {

void RuzuZiri::Redraw(bool New_Redraw)
{
    m_Paint = m_Redraw = New_Redraw;
    if (New_Redraw) {
        if (m_PendingScroll)
            UpdateScrollRanges();
        if (m_PendingMetrics) {
            CalcMetrics();
            DrawGrid(m_Paint);
        }
    }
    m_PendingMetrics = m_PendingScroll = false;
    if (SBGetPos(0) < m_FreezeAtCol + 1)
        SBSetPos(0, m_FreezeAtCol + 1);
}

void RuzuZiri::Refresh()
{
    CalcMetrics();
    UpdateScrollRanges();
    DrawGrid(m_Paint);
}

// While painting is off, a change only marks the work as owed; Redraw(true) pays it once.
void RuzuZiri::RefreshIfRedraw()
{
    if (m_Paint) {
        Refresh();
        return;
    }
    m_PendingMetrics = true;
    m_PendingScroll = true;
}

} // namespace Tarvex
