#include "grid/RuzuZiriPrivate.h"

#include "grid/paint/PaintPass.h"

#include <algorithm>
#include <cstdlib>

// Columns move, header and rows alike, beside the row numbers and frozen columns, which stay. They
// move by fewer than the unfrozen part shows, only where the rows reach past the right edge before
// and after (so nothing ends in view), and only where the first column is scrolled out before and
// after (unscrolled, a selected row leaves the first column's check box and image area unselected).

namespace Tarvex {

// The left edge of the unfrozen columns: the row numbers and the frozen columns stay where they are.
int RuzuZiriPrivate::UnfrozenLeft() const
{
    const GridLayout& layout = Layout();
    long long left = layout.RowNumberWidth;
    for (int i = 0; i <= m_Settings.m_FreezeAtCol && i < m_Model.Cols(); ++i)
        if (layout.Columns[size_t(i)].Shown)
            left += layout.Columns[size_t(i)].Width;
    return Saturated(double(left));
}

// Whether the columns the picture shows, moved to the horizontal position now, are what a full paint
// there draws; Dx is how far they move left. A selection shaded from left to right spans the row, so
// its pixels do not move with the columns.
bool RuzuZiriPrivate::ColumnsMayMove(int& Dx) const
{
    constexpr int SelectionShadedAcross = 2;
    if (m_Settings.m_FocusRowHighlightStyle == SelectionShadedAcross)
        return false;
    const int from = m_Painter.m_PaintedStamp.ScrollCol;
    const int to = SBGetPos(0);
    const int width = int(q->ScaleWidth());
    if (from <= 0 || to <= 0 || m_Model.LastRow() < 0 || RowNumberWidth() != m_Painter.m_PaintedRowNumberWidth
        || m_Painter.m_PaintedRight < width || Layout().Right < width)
        return false;
    const GridLayout& layout = Layout();
    long long distance = 0;
    for (int i = std::min(from, to); i < std::max(from, to) && i < m_Model.Cols(); ++i)
        if (m_Model.Columns()[size_t(layout.Columns[size_t(i)].Col)].Visible)
            distance += layout.Columns[size_t(i)].Width;
    if (distance == 0 || distance >= width - UnfrozenLeft())
        return false;
    Dx = int(to > from ? distance : -distance);
    return true;
}

// Two pixels more than came into view are painted on each side of the moved part: the lines and the
// thick focus outline reach across a column's edge into its neighbour. At the left edge, where a row's
// outline starts, three pixels are drawn anew whatever came into view.
void RuzuZiriPrivate::MoveColumns(PaintPass& pass, int Dx)
{
    const int top = m_Geometry.m_Metrics.CaptionHeight;
    const int height = pass.hDC.Height();
    const int width = pass.hDC.Width();
    const int left = UnfrozenLeft();
    q->ScrollPicture(Rect { left, top, width, height }, -Dx, 0);
    pass.Right = Layout().Right;
    ChooseVisibleRows(pass);
    if (Dx > 0) {
        PaintBand(pass, Rect { std::max(left - 2, 0), top, std::min(left + 3, width), height });
        PaintBand(pass, Rect { std::max(width - Dx - 2, left), top, width, height });
    } else {
        PaintBand(pass, Rect { std::max(left - 2, 0), top, std::min(left - Dx + 3, width), height });
        PaintBand(pass, Rect { std::max(width - 2, left), top, width, height });
    }
    KeepPaintedLook(pass);
}

} // namespace Tarvex
