#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/Canvas.h>
#include <tarvex/platform/Scale.h>
#include <tarvex/platform/SystemInfo.h>

#include <algorithm>
#include <cmath>

namespace Tarvex {
namespace {

// The sample whose height is a line of header text.
const QString HeaderSample = QStringLiteral("ABCDWXYZ");

int RoundedHeight(const QFont& Font, const QString& Text)
{
    return LayoutHeight(std::nearbyint(Canvas::TextHeight(Font, Text)));
}

} // namespace

void RuzuZiriPrivate::CalcMetrics()
{
    // A row height of 0 means it is being worked out anew below; the check box then takes its
    // size from the new height, so it never comes out negative.
    const int rowHeightBefore = m_Geometry.m_RowHeightDef;

    m_Geometry.m_Metrics.TextLeft = 3;
    const bool hasRowImage = m_Settings.m_ImageList && FindRowImage();
    m_Geometry.m_Metrics.HasImageList = bool(m_Settings.m_ImageList);
    if (m_Settings.m_ImageList) {
        m_Geometry.m_Metrics.ImageHeight = m_Settings.m_ImageList->ImageHeight();
        m_Geometry.m_Metrics.ImageWidth = m_Settings.m_ImageList->ImageWidth();
    }

    m_Geometry.m_Metrics.HeaderTextHeight = RoundedHeight(m_Settings.m_FontHeader, HeaderSample);
    m_Geometry.m_Metrics.CaptionHeight
        = m_Settings.m_Caption.isEmpty() ? 0 : int(std::nearbyint(m_Geometry.m_Metrics.HeaderTextHeight * 1.5));
    m_Geometry.m_Metrics.HeaderHeight = CalcHeaderHeight();

    const auto units = static_cast<ScaleModes>(m_Settings.m_ScaleUnits);
    const int minimum = Saturated(std::nearbyint(m_Settings.m_MinRowHeight / Scale::UnitsPerPixelDown(units)));
    m_Geometry.m_RowHeightDef = LayoutHeight(
        std::max(minimum, m_Geometry.m_Metrics.HeaderTextHeight) + 2.0 * m_Settings.m_MinVerticalOffset + 2);

    const int boxFrom = rowHeightBefore > 0 ? rowHeightBefore : m_Geometry.m_RowHeightDef;
    m_Geometry.m_Metrics.CheckBoxSize = boxFrom > 16 ? 16 : boxFrom - 4;
    m_Geometry.m_Metrics.TextLeft = m_Settings.m_RowCheckBoxes ? m_Geometry.m_Metrics.CheckBoxSize + 2 : 3;
    m_Geometry.m_Metrics.ImageLeft = m_Geometry.m_Metrics.TextLeft;
    if (hasRowImage)
        m_Geometry.m_Metrics.TextLeft += m_Geometry.m_Metrics.ImageWidth + 2;

    m_Geometry.m_Metrics.DrawTextFlags = m_Settings.m_DisplayEllipsis ? 262144 : 0;
}

// Rows with an image are usually many, so the one found last time is looked at first; only a grid
// without any row image pays a pass over the records, and only when an image list is bound.
bool RuzuZiriPrivate::FindRowImage()
{
    const std::vector<udtRow>& rows = m_Model.Rows();
    const int last = m_Model.LastRow();
    if (m_Geometry.m_ImageRowHint >= 0 && m_Geometry.m_ImageRowHint <= last
        && rows[size_t(m_Geometry.m_ImageRowHint)].Image != 0)
        return true;
    m_Geometry.m_ImageRowHint = -1;
    for (int r = 0; r <= last; ++r) {
        if (rows[size_t(r)].Image != 0) {
            m_Geometry.m_ImageRowHint = r;
            return true;
        }
    }
    return false;
}

int RuzuZiriPrivate::CalcHeaderHeight() const
{
    if (!m_Settings.m_ColumnHeaders)
        return m_Geometry.m_Metrics.CaptionHeight;
    const double h = RoundedHeight(m_Settings.m_FontHeader, HeaderSample);
    const int lines = m_Settings.m_ColumnHeaderLines;
    if (m_Settings.m_ColumnHeaderSmall)
        return LayoutHeight(std::nearbyint(lines * h / 3.0 + h + m_Geometry.m_Metrics.CaptionHeight));
    return LayoutHeight(lines * h + h + m_Geometry.m_Metrics.CaptionHeight);
}

// The text drawing's measuring mode leaves the surface's picture untouched.
void RuzuZiriPrivate::CalcRowHeight(int Row)
{
    if (!m_Settings.m_AllowWordWrap || !m_Model.IsRowPosition(Row))
        return;
    Canvas measure = Drawing();
    const udtRow& row = m_Model.RowAt(Row);
    const std::vector<udtColumn>& columns = m_Model.Columns();
    int tallest = 0;
    for (size_t c = 0; c < columns.size(); ++c) {
        const bool wrap = row.Cells[c].Flags > 127;
        Rect bounds = wrap ? Rect { 0, 2, columns[c].WidthPx - 5, 0 } : Rect { 0, 0, columns[c].WidthPx, 0 };
        const int flags = TextFlags::CalcRect | TextFlags::NoPrefix | (wrap ? TextFlags::WordBreak : TextFlags::SingleLine);
        measure.DrawText(row.Cells.Text(c), bounds, flags, m_Settings.m_Font, 0);
        tallest = std::max(tallest, bounds.Bottom);
    }
    const double avail = m_Geometry.m_RowHeightDef - 2.0 * m_Settings.m_MinVerticalOffset - 2;
    double height = tallest;
    if (height < avail)
        height = avail;
    else if (m_Settings.m_MaxLineCount >= 1 && height > m_Settings.m_MaxLineCount * avail)
        height = m_Settings.m_MaxLineCount * avail;
    m_Model.SetRowHeight(Row, LayoutHeight(height + 2.0 * m_Settings.m_MinVerticalOffset));
}

// The border is drawn outside the client area, so the scale height has left it out already.
int RuzuZiriPrivate::VisibleRowCount() const
{
    if (m_Geometry.m_RowHeightDef <= 0)
        return 0;
    return int((q->ScaleHeight() - m_Geometry.m_Metrics.HeaderHeight) / m_Geometry.m_RowHeightDef);
}

} // namespace Tarvex
