#include "grid/RuzuZiriPrivate.h"

#include <utility>

namespace Tarvex {

// While painting is off, a change only marks the work as owed; Redraw(true) pays it once.
bool RuzuZiriPrivate::RefreshIfRedraw()
{
    if (m_Painter.m_Paint) {
        const Lifeline self(q);
        q->Refresh();
        return self.Alive();
    }
    m_Painter.m_PendingMetrics = true;
    m_Painter.m_PendingScroll = true;
    return true;
}

} // namespace Tarvex
