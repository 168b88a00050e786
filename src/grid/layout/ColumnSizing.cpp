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

int RuzuZiriPrivate::TextWidth(const QString& Text, const QString& FontName, bool Bold, bool Italic, bool Underline) const
{
    QFont cellFont = q->font();
    if (!FontName.isEmpty())
        cellFont.setFamily(FontName);
    cellFont.setBold(Bold);
    cellFont.setItalic(Italic);
    cellFont.setUnderline(Underline);
    return qRound(Canvas::TextWidth(cellFont, Text));
}

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
        const udtCell& cell = m_Model.Rows()[r].Cells[size_t(Col)];
        const CellLook look = m_Model.LookOf(cell, ControlLook());
        int width = TextWidth(m_Model.Rows()[r].Cells.Text(size_t(Col)), look.FontName, IsFlagSet(cell.Flags, CellFlagBold),
                              IsFlagSet(cell.Flags, CellFlagItalic), IsFlagSet(cell.Flags, CellFlagUnderline));
        if (look.Image != 0)
            width += m_Geometry.m_Metrics.ImageWidth;
        widest = std::max(widest, width);
    }
    if (m_Settings.m_TotalsLineShow && column.ColType == ColTypeNumber) {
        const QString totals = m_Model.Totals()[Col].Caption + QString::number(m_Model.TotalsValue()[Col], 'g', 15);
        widest = std::max(
            widest, TextWidth(totals, q->font().family(), q->font().bold(), q->font().italic(), q->font().underline()));
    }
    q->ColWidth(Col, static_cast<float>((widest + Scale::TwipsPerPixel) * Scale::TwipsPerPixel));
}

} // namespace Tarvex
