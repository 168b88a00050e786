#include "grid/RuzuZiriPrivate.h"

#include <algorithm>
#include <cmath>

namespace Tarvex {

// Frozen positions 0..FreezeAtCol always show; the others from the horizontal scroll position on.
// Positions in between are scrolled out and never visited.
void RuzuZiriPrivate::GetColumnExtent(int Position, Rect& Extent) const
{
    if (!m_Model.IsColumn(Position))
        return;
    const int hpos = SBGetPos(0);
    if (Position < hpos && hpos >= 1 && Position > m_FreezeAtCol) {
        Extent.Left = m_RowNumberWidth - 1;
        return;
    }
    const std::vector<udtColumn>& columns = m_Model.Columns();
    const std::vector<int>& order = m_Model.ColOrder();
    long long x = m_RowNumberWidth;
    auto addWidths = [&](int From, int To) {
        for (int i = From; i < To; ++i)
            if (columns[size_t(order[size_t(i)])].Visible)
                x += columns[size_t(order[size_t(i)])].WidthPx;
    };
    const int frozenEnd = std::clamp(m_FreezeAtCol + 1, 0, Position);
    addWidths(0, frozenEnd);
    addWidths(std::max(frozenEnd, hpos), Position);

    const int width = columns[size_t(order[size_t(Position)])].WidthPx;
    if (Position == 0 && m_Metrics.TextLeft > 3) {
        // The check box and row image area is not part of the cell.
        Extent.Left = Saturated(double(m_RowNumberWidth) + m_Metrics.TextLeft);
        Extent.Right = Saturated(double(Extent.Left) + width - m_Metrics.TextLeft);
        return;
    }
    Extent.Left = Saturated(double(x));
    Extent.Right = Saturated(double(x + width));
}

// Places a w x h object in the cell by an alignment code of the text-drawing flags: horizontal
// 0 left, 1 centre, 2 right plus vertical 0 top, 4 centre, 8 bottom. Other codes give (0, 0).
void RuzuZiriPrivate::GetCellRect(int Row, int Position, int Top, Rect& Placement, int Kind) const
{
    if (!m_Model.IsRowPosition(Row) || !m_Model.IsColumn(Position))
        return;
    const udtColumn& column = m_Model.Columns()[size_t(m_Model.ColOrder()[size_t(Position)])];
    const int rowHeight = m_Model.RowAt(Row).Height;
    int code = column.Alignment;
    int w = column.WidthPx;
    int h = rowHeight;
    if (Kind == CellRectCheckBox) {
        w = h = m_Metrics.CheckBoxSize;
    } else if (Kind == CellRectImage) {
        code = column.ImageAlignment;
        w = m_Metrics.ImageWidth;
        h = m_Metrics.ImageHeight;
    }

    double x = 0;
    double y = 0;
    if (code >= 0 && code <= 10 && code % 4 != 3) {
        const double L = column.Left;
        const double W = column.WidthPx;
        switch (code % 4) {
        case 0: x = L + 1; break;
        case 1: x = std::nearbyint(L + W / 2 - w / 2.0); break;
        default: x = L + W - (w + 1); break;
        }
        switch (code / 4) {
        case 0: y = Top + 2.0; break;
        case 1: y = std::nearbyint(Top + rowHeight / 2.0 - h / 2.0); break;
        default: y = double(Top) + rowHeight - (h + 2); break;
        }
    }
    Placement.Left = Saturated(m_RowNumberWidth + x);
    Placement.Top = Saturated(y);
    Placement.Right = Saturated(double(Placement.Left) + w);
    Placement.Bottom = Saturated(double(Placement.Top) + h);
}

// A point up to 4 pixels right of a column's right border still belongs to that column. The walk
// ends as soon as the columns passed lie right of the point.
int RuzuZiriPrivate::ColFromX(float X) const
{
    if (m_Model.Cols() == 0)
        return 0;
    const std::vector<udtColumn>& columns = m_Model.Columns();
    const std::vector<int>& order = m_Model.ColOrder();
    const int hpos = SBGetPos(0);
    long long a = 0;
    for (int i = 0; i < m_Model.Cols(); ++i) {
        if (i > m_FreezeAtCol && i < hpos)
            i = hpos;
        if (i >= m_Model.Cols() || X <= a)
            break;
        const udtColumn& column = columns[size_t(order[size_t(i)])];
        if (!column.Visible)
            continue;
        if (X <= a + column.WidthPx + 4 + m_RowNumberWidth)
            return i;
        a += column.WidthPx;
    }
    return -1;
}

// A point on a row's bottom boundary belongs to that row; the header and anything below the last
// row give -1.
int RuzuZiriPrivate::RowFromY(float Y) const
{
    const int last = m_Model.LastRow();
    if (last < 0)
        return -1;
    long long b = 0;
    if (m_Metrics.HeaderHeight > 0) {
        if (Y <= m_Metrics.HeaderHeight)
            return -1;
        b = m_Metrics.HeaderHeight;
    }
    for (int p = m_Model.NextShownRow(SBGetPos(1)); p <= last; p = m_Model.NextShownRow(p + 1)) {
        b += m_Model.RowAt(p).Height;
        if (Y <= b)
            return p;
    }
    return -1;
}

// Walks the shown rows from the start to the row, so it costs the rows shown between them: the
// painter and the hit tests only ask for rows on the page.
int RuzuZiriPrivate::RowTop(int Row, int Start) const
{
    if (Start == -1)
        Start = SBGetPos(1);
    if (Row < Start)
        return -1;
    long long top = m_Metrics.HeaderHeight;
    const int end = std::min(Row, m_Model.LastRow() + 1);
    for (int q = m_Model.NextShownRow(Start); q < end; q = m_Model.NextShownRow(q + 1))
        top += m_Model.RowAt(q).Height;
    return Saturated(double(top));
}

// The row after the result is the topmost row of a page that ends with Row; -1 when every row
// up to Row fits.
int RuzuZiriPrivate::PageTopRow(int Row) const
{
    if (Row < 0)
        return Row;
    const double height = q->ScaleHeight();
    long long b = m_Metrics.HeaderHeight;
    const int start = std::min(Row, m_Model.LastRow());
    if (start >= 0 && b > height)
        return start;
    for (int q = m_Model.PrevShownRow(start); q >= 0; q = m_Model.PrevShownRow(q - 1)) {
        b += m_Model.RowAt(q).Height;
        if (b > height)
            return q;
    }
    return -1;
}

int RuzuZiriPrivate::FindColPosition(int Col) const
{
    const std::vector<int>& order = m_Model.ColOrder();
    const auto found = std::find(order.begin(), order.begin() + m_Model.Cols(), Col);
    return found == order.begin() + m_Model.Cols() ? 0 : int(found - order.begin());
}

} // namespace Tarvex
