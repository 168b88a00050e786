#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/Canvas.h>
#include <tarvex/platform/Scale.h>

#include <algorithm>
#include <cmath>

namespace Tarvex {

// A column has no negative width, and none wider than a window: the columns of a page are summed
// onto x in int.
qint32 RuzuZiriPrivate::PixelsFromScaleUnits(float Width) const
{
    const double pixels = std::nearbyint(Scale { static_cast<ScaleModes>(m_Settings.m_ScaleUnits) }.ToPixels(Width));
    if (std::isnan(pixels))
        return 0;
    return static_cast<qint32>(std::clamp(pixels, 0.0, double(MaxLayoutPixels)));
}

// Each cell is measured as the painter draws it: its shown text in its own font; the totals line in
// the control's font.
void RuzuZiriPrivate::AutoSizeColumn(int Col)
{
    const udtColumn& column = m_Model.Columns()[Col];
    if (column.ColType == ColTypeCheckBox) {
        q->ColWidth(Col, 480);
        return;
    }
    if (column.ColType == ColTypeProgressBar || column.ColType == ColTypeButton || m_Model.LastRow() < 0)
        return;

    int widest = 0;
    for (int r = 0; r <= m_Model.LastRow(); ++r) {
        const udtRow& row = m_Model.Rows()[r];
        const udtCell& cell = row.Cells[size_t(Col)];
        int width = qRound(Canvas::TextWidth(CellFont(m_Settings.m_Font, column, row, cell), ShownText(row, Col)));
        if (CellLookOf(cell).Image != 0)
            width += m_Geometry.m_Metrics.ImageWidth;
        widest = std::max(widest, width);
    }
    if (m_Settings.m_TotalsLineShow && column.ColType == ColTypeNumber)
        widest = std::max(widest, qRound(Canvas::TextWidth(m_Settings.m_Font, TotalsText(Col))));
    q->ColWidth(Col, static_cast<float>((widest + Scale::TwipsPerPixel) * Scale::TwipsPerPixel));
}

} // namespace Tarvex
