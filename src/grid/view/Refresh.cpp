#include "grid/RuzuZiri.h"

#include <utility>

namespace Tarvex {

// Work owed stays owed until painting is on again, however many times it is switched off meanwhile:
// otherwise the rows removed in between would go on showing. The paint clears what it pays.
void RuzuZiri::Redraw(bool New_Redraw)
{
    m_Paint = m_Redraw = New_Redraw;
    if (New_Redraw) {
        if (std::exchange(m_PendingScroll, false))
            UpdateScrollRanges();
        if (m_PendingMetrics) {
            CalcMetrics();
            if (!DrawGrid(m_Paint))
                return;
        }
    }
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
bool RuzuZiri::RefreshIfRedraw()
{
    if (m_Paint) {
        const Lifeline self(this);
        Refresh();
        return self.Alive();
    }
    m_PendingMetrics = true;
    m_PendingScroll = true;
    return true;
}

} // namespace Tarvex
