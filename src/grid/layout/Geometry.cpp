#include "grid/RuzuZiriPrivate.h"

#include <algorithm>
#include <cmath>

namespace Tarvex {

const RowPlace* GridLayout::RowAt(int Position) const
{
    const auto found = std::lower_bound(Rows.begin(), Rows.end(), Position,
                                        [](const RowPlace& Place, int Wanted) { return Place.Position < Wanted; });
    return found != Rows.end() && found->Position == Position ? &*found : nullptr;
}

// Worked out again only when something it is made from changed; a paint of thousands of cells and
// every pointer move read the same one.
const GridLayout& RuzuZiriPrivate::Layout() const
{
    const LayoutKey key { m_Model.Edits(), SBGetPos(0), SBGetPos(1), m_Settings.m_FreezeAtCol,
        m_Geometry.m_Metrics.HeaderHeight, m_Geometry.m_RowHeightDef, int(q->ScaleWidth()), int(q->ScaleHeight()),
        m_Settings.m_ShowRowNumbers, m_Settings.m_ShowRowNumbersVary,
        m_Settings.m_ShowRowNumbers ? qHash(m_Settings.m_Font) : 0 };
    if (m_Geometry.m_Layout.Valid && m_Geometry.m_Layout.Key == key)
        return m_Geometry.m_Layout;
    m_Geometry.m_Layout.Key = key;
    m_Geometry.m_Layout.Valid = true;
    LayOutRows(m_Geometry.m_Layout);
    m_Geometry.m_Layout.RowNumberWidth = MeasureRowNumbers();
    LayOutColumns(m_Geometry.m_Layout);
    return m_Geometry.m_Layout;
}

// Filtered-out rows take no line; the index steps over any number of them at once.
void RuzuZiriPrivate::LayOutRows(GridLayout& Result) const
{
    Result.Rows.clear();
    const int last = m_Model.LastRow();
    const double bottom = q->ScaleHeight();
    int y = m_Geometry.m_Metrics.HeaderHeight;
    int p = m_Model.NextLinedRow(std::max(SBGetPos(1), 0));
    for (; p <= last; p = m_Model.NextLinedRow(p + 1)) {
        const int height = m_Model.RowAt(p).Height;
        Result.Rows.push_back(RowPlace { p, y, height });
        y = Saturated(double(y) + height);
        if (bottom < y)
            break;
    }
    Result.RowsEnd = p;
    Result.RowsBottom = y;
}

// The strip is as wide as the widest number it shows: the last row's, or with numbers that follow
// the display order the last of a page's.
int RuzuZiriPrivate::MeasureRowNumbers() const
{
    if (!m_Settings.m_ShowRowNumbers)
        return 0;
    const int first = std::max(SBGetPos(1), 0);
    const int widest = m_Settings.m_ShowRowNumbersVary ? std::min(first + VisibleRowCount(), m_Model.LastRow()) + 1
                                                       : m_Model.LastRow() + 1;
    const double w = Canvas::TextWidth(m_Settings.m_Font, QString::number(widest));
    return std::max(19, int(std::nearbyint(w + 5)));
}

// Frozen positions 0..FreezeAtCol always show; the others from the horizontal scroll position on.
// Positions in between are scrolled out and take no room.
void RuzuZiriPrivate::LayOutColumns(GridLayout& Result) const
{
    const std::vector<udtColumn>& columns = m_Model.Columns();
    const std::vector<int>& order = m_Model.ColOrder();
    const int count = m_Model.Cols();
    const int surfaceWidth = int(q->ScaleWidth());
    Result.Columns.assign(size_t(count), ColumnPlace {});
    Result.PaintedColumns = 0;
    Result.Right = Result.RowNumberWidth;
    long long x = Result.RowNumberWidth;
    for (int i = 0; i < count; ++i) {
        ColumnPlace& place = Result.Columns[size_t(i)];
        const udtColumn& column = columns[size_t(order[size_t(i)])];
        place.Col = order[size_t(i)];
        place.Width = column.WidthPx;
        place.ScrolledOut = IsColumnScrolledOut(i);
        place.Shown = column.Visible && !place.ScrolledOut;
        place.Left = place.ScrolledOut ? Result.RowNumberWidth - 1 : Saturated(double(x));
        if (!place.Shown)
            continue;
        if (x <= surfaceWidth) {
            Result.PaintedColumns = i + 1;
            Result.Right = Saturated(double(x) + column.WidthPx);
        }
        x += column.WidthPx;
    }
}

int RuzuZiriPrivate::RowNumberWidth() const
{
    return Layout().RowNumberWidth;
}

// A scrolled-out position gets only its left edge, at the row numbers' edge. The check box and row
// image area of the first position is not part of its cell.
void RuzuZiriPrivate::GetColumnExtent(int Position, Rect& Extent) const
{
    if (!m_Model.IsColumn(Position))
        return;
    const GridLayout& layout = Layout();
    const ColumnPlace& place = layout.Columns[size_t(Position)];
    if (place.ScrolledOut) {
        Extent.Left = place.Left;
        return;
    }
    if (Position == 0 && m_Geometry.m_Metrics.TextLeft > 3) {
        Extent.Left = Saturated(double(layout.RowNumberWidth) + m_Geometry.m_Metrics.TextLeft);
        Extent.Right = Saturated(double(Extent.Left) + place.Width - m_Geometry.m_Metrics.TextLeft);
        return;
    }
    Extent.Left = place.Left;
    Extent.Right = Saturated(double(place.Left) + place.Width);
}

// Places a w x h object in the cell by an alignment code of the text-drawing flags: horizontal
// 0 left, 1 centre, 2 right plus vertical 0 top, 4 centre, 8 bottom. Other codes give (0, 0).
void RuzuZiriPrivate::GetCellRect(int Row, int Position, int Top, Rect& Placement, int Kind) const
{
    if (!m_Model.IsRowPosition(Row) || !m_Model.IsColumn(Position))
        return;
    const udtColumn& column = m_Model.Columns()[size_t(m_Model.ColOrder()[size_t(Position)])];
    const GridLayout& layout = Layout();
    const int rowHeight = m_Model.RowAt(Row).Height;
    int code = column.Alignment;
    int w = column.WidthPx;
    int h = rowHeight;
    if (Kind == CellRectCheckBox) {
        w = h = m_Geometry.m_Metrics.CheckBoxSize;
    } else if (Kind == CellRectImage) {
        code = column.ImageAlignment;
        w = m_Geometry.m_Metrics.ImageWidth;
        h = m_Geometry.m_Metrics.ImageHeight;
    }

    double x = 0;
    double y = 0;
    if (code >= 0 && code <= 10 && code % 4 != 3) {
        const double L = double(layout.Columns[size_t(Position)].Left) - layout.RowNumberWidth;
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
    Placement.Left = Saturated(layout.RowNumberWidth + x);
    Placement.Top = Saturated(y);
    Placement.Right = Saturated(double(Placement.Left) + w);
    Placement.Bottom = Saturated(double(Placement.Top) + h);
}

// A point up to 4 pixels right of a column's right border still belongs to that column.
int RuzuZiriPrivate::ColFromX(float X) const
{
    if (m_Model.Cols() == 0)
        return 0;
    const GridLayout& layout = Layout();
    for (int i = 0; i < m_Model.Cols(); ++i) {
        const ColumnPlace& place = layout.Columns[size_t(i)];
        if (!place.Shown)
            continue;
        if (X <= place.Left - layout.RowNumberWidth)
            break;
        if (X <= double(place.Left) + place.Width + 4)
            return i;
    }
    return -1;
}

// A point on a row's bottom boundary belongs to that row; the header and anything below the page
// give -1.
int RuzuZiriPrivate::RowFromY(float Y) const
{
    if (m_Model.LastRow() < 0 || (m_Geometry.m_Metrics.HeaderHeight > 0 && Y <= m_Geometry.m_Metrics.HeaderHeight))
        return -1;
    for (const RowPlace& place : Layout().Rows)
        if (Y <= double(place.Top) + place.Height)
            return place.Position;
    return -1;
}

// The sum of the heights of the rows with a line from Start up to the row before Row: read off the
// page when Start is the scroll position, else walked, which costs the rows between them.
int RuzuZiriPrivate::RowTop(int Row, int Start) const
{
    const int scrolled = std::max(SBGetPos(1), 0);
    if (Start == -1)
        Start = scrolled;
    if (Row < Start)
        return -1;
    long long top = m_Geometry.m_Metrics.HeaderHeight;
    int from = Start;
    if (Start == scrolled) {
        const GridLayout& layout = Layout();
        const auto below = std::lower_bound(layout.Rows.begin(), layout.Rows.end(), Row,
                                            [](const RowPlace& Place, int Wanted) { return Place.Position < Wanted; });
        if (below != layout.Rows.end())
            return below->Top;
        if (!layout.Rows.empty()) {
            top = layout.RowsBottom;
            from = layout.Rows.back().Position + 1;
        }
    }
    const int end = std::min(Row, m_Model.LastRow() + 1);
    for (int position = m_Model.NextLinedRow(from); position < end; position = m_Model.NextLinedRow(position + 1))
        top += m_Model.RowAt(position).Height;
    return Saturated(double(top));
}

// The row after the result is the topmost row of a page that ends with Row; -1 when every row
// up to Row fits.
int RuzuZiriPrivate::PageTopRow(int Row) const
{
    if (Row < 0)
        return Row;
    const double height = q->ScaleHeight();
    long long b = m_Geometry.m_Metrics.HeaderHeight;
    const int start = std::min(Row, m_Model.LastRow());
    if (start >= 0 && b > height)
        return start;
    for (int position = m_Model.PrevShownRow(start); position >= 0; position = m_Model.PrevShownRow(position - 1)) {
        b += m_Model.RowAt(position).Height;
        if (b > height)
            return position;
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
