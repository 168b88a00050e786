#include "grid/RuzuZiriPrivate.h"

namespace Tarvex {

bool RuzuZiri::Redraw() const { return d->m_Painter.m_Redraw; }

// Work owed stays owed until painting is on again, however many times it is switched off meanwhile:
// otherwise the rows removed in between would go on showing. The paint clears what it pays. A host
// that switches painting on from a handler inside an operation that suspended it gets its paint
// when the operation resumes.
void RuzuZiri::Redraw(bool New_Redraw)
{
    d->m_Painter.m_Redraw = New_Redraw;
    d->m_Painter.m_Paint = New_Redraw && d->m_Painter.m_PaintHeld == 0;
    if (New_Redraw) {
        if (std::exchange(d->m_Painter.m_PendingScroll, false))
            d->UpdateScrollRanges();
        if (d->m_Painter.m_PendingMetrics) {
            d->CalcMetrics();
            if (!d->DrawGrid(d->m_Painter.m_Paint))
                return;
        }
    }
    if (d->SBGetPos(0) < d->m_Settings.m_FreezeAtCol + 1)
        d->SBSetPos(0, d->m_Settings.m_FreezeAtCol + 1);
}

void RuzuZiri::Refresh()
{
    d->CalcMetrics();
    d->UpdateScrollRanges();
    d->DrawGrid(d->m_Painter.m_Paint);
}

} // namespace Tarvex
