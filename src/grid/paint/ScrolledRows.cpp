#include "grid/RuzuZiriPrivate.h"

#include "grid/paint/PaintPass.h"

#include <algorithm>
#include <cstdlib>

// Rows move only where nothing on the page depends on where the page starts: the stripes' parity,
// the row-number strip's width, a bottom or totals line in view.

namespace Tarvex {

// Pixels the rows move up when the page starts at To instead of From (down when negative): the
// heights of the rows with a line between them. 0 when it is Limit pixels or more.
int RuzuZiriPrivate::ScrolledDistance(int From, int To, int Limit) const
{
    const int first = std::min(From, To);
    const int end = std::max(From, To);
    long long distance = 0;
    for (int p = m_Model.NextLinedRow(first); p < end; p = m_Model.NextLinedRow(p + 1)) {
        distance += m_Model.RowAt(p).Height;
        if (distance >= Limit)
            return 0;
    }
    return int(To > From ? distance : -distance);
}

// Whether the rows the picture shows, moved to the vertical position now, are what a full paint
// there draws; Dy is how far they move up.
bool RuzuZiriPrivate::RowsMayMove(int& Dy) const
{
    const int from = m_Painter.m_PaintedStamp.ScrollRow;
    const int to = SBGetPos(1);
    if (!m_Painter.m_PaintedFilled || m_Model.LastRow() < 0 || RowNumberWidth() != m_Painter.m_PaintedRowNumberWidth)
        return false;
    const int top = m_Geometry.m_Metrics.HeaderHeight;
    const int bottom = int(q->ScaleHeight());
    Dy = ScrolledDistance(from, to, bottom - top);
    if (Dy == 0 || Layout().RowsBottom < bottom)
        return false;
    return !m_Settings.m_BackColorEvenRowsEnabled || StripesStay(from, to);
}

// Two pixels more than came into view are painted: the lines and the thick focus outline reach
// across a row's edge into its neighbour. Moving up, the outline of a current row that went out at
// the top leaves its lower edge on the new first row's top line.
void RuzuZiriPrivate::MoveRows(PaintPass& pass, int Dy)
{
    const int top = m_Geometry.m_Metrics.HeaderHeight;
    const int bottom = int(q->ScaleHeight());
    const int width = pass.hDC.Width();
    q->ScrollPicture(Rect { 0, top, width, bottom }, 0, -Dy);
    ChooseVisibleRows(pass);
    if (Dy > 0) {
        PaintBand(pass, Rect { 0, top, width, std::min(top + 2, bottom) });
        PaintBand(pass, Rect { 0, std::max(bottom - Dy - 2, top), width, bottom });
    } else {
        PaintBand(pass, Rect { 0, top, width, std::min(top - Dy + 2, bottom) });
    }
}

// Each row keeps its stripe only while the rows that scrolled out are as many, odd or even, as the
// positions of the first shown rows differ.
bool RuzuZiriPrivate::StripesStay(int From, int To) const
{
    int scrolledRows = 0;
    for (int p = m_Model.NextLinedRow(std::min(From, To)); p < std::max(From, To); p = m_Model.NextLinedRow(p + 1))
        ++scrolledRows;
    return (FirstShownPositionIsOdd(From) != FirstShownPositionIsOdd(To)) == (scrolledRows % 2 == 1);
}

} // namespace Tarvex
