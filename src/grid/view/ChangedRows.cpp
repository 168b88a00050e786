#include "grid/RuzuZiri.h"

#include "grid/view/PaintPass.h"

#include <algorithm>

// A current-cell move that scrolls nothing changes the look of a few rows only. Those rows are
// painted again by the normal row loop, confined to their band of the picture, so the result is
// the one a full paint would give. Anything the picture may not show yet makes it a full paint.

namespace Tarvex {

namespace {

constexpr int DownKey = 40;

} // namespace

RuzuZiri::PaintStamp RuzuZiri::StampOf(const PaintPass& pass) const
{
    return PaintStamp { Changes(), pass.ScrollCol, SBGetPos(1), pass.hDC.Width(), pass.hDC.Height(), m_RowNumberWidth, pass.Right };
}

bool RuzuZiri::PaintChangedRowsOnly(PaintPass& pass, int First, int Last, bool NoFocus)
{
    if (First < 0 || NoFocus || !m_PictureCurrent || m_Model.LastRow() < 0)
        return false;
    // A full paint also takes the hot look off a header cell.
    if (m_HotHeaderCol != -1)
        return false;
    // The Down key may scroll past tall rows while painting.
    if ((m_AllowWordWrap || m_AllowRowResizing) && m_EditKey == DownKey)
        return false;
    pass.Right = m_PaintedStamp.Right;
    if (!(StampOf(pass) == m_PaintedStamp))
        return false;
    ChooseVisibleRows(pass);
    MeasureRowNumbers(pass);
    if (m_RowNumberWidth != m_PaintedStamp.RowNumberWidth)
        return false;
    pass.Band = ChangedBand(pass, First, Last);
    pass.Partial = true;
    pass.hDC.Confine(pass.Band);
    ClearSurface(pass);
    PaintRows(pass);
    PaintBottomLine(pass);
    PaintVerticalLines(pass);
    PaintFocusRect(pass);
    return true;
}

// From a pixel above the first changed row to two below the last: the row lines and the thick
// focus outline reach that far. The header above is never part of it.
Rect RuzuZiri::ChangedBand(const PaintPass& pass, int First, int Last) const
{
    const double surfaceHeight = ScaleHeight();
    int top = -1;
    int bottom = -1;
    int y = pass.Y;
    for (int p = m_Model.NextLinedRow(pass.First); p <= m_Model.LastRow() && p <= Last; p = m_Model.NextLinedRow(p + 1)) {
        const udtRow& row = m_Model.RowAt(p);
        if (p >= First) {
            top = top < 0 ? y - 1 : top;
            bottom = y + row.Height + 2;
        }
        y += row.Height;
        if (surfaceHeight < y)
            break;
    }
    if (top < 0)
        return Rect {};
    return Rect { 0, std::max(top, m_Metrics.HeaderHeight), pass.hDC.Width(), bottom };
}

} // namespace Tarvex
