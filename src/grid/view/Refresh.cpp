#include "grid/RuzuZiri.h"

namespace Tarvex {

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
