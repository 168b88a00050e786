#include "grid/RuzuZiriPrivate.h"

#include "platform/Canvas.h"
#include "platform/Scale.h"

#include <algorithm>
#include <cmath>

namespace Tarvex {

// A column has no negative width, and none wider than a window: the columns of a page are summed
// onto x in int.
qint32 RuzuZiriPrivate::PixelsFromScaleUnits(float Width) const
{
    const double pixels = std::nearbyint(Scale { static_cast<ScaleModes>(m_ScaleUnits) }.ToPixels(Width));
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

void RuzuZiri::ColWidthAutoSize(int vCol)
{
    // Each new width would repaint the grid; all of them are painted once, at the end. Even with
    // painting off a width lets pending events run, where a queued call may delete the grid.
    const Lifeline self(this);
    if (vCol != -1) {
        if (d->m_Model.IsColumn(vCol))
            d->AutoSizeColumn(vCol);
        if (self.Alive())
            d->UpdateScrollRanges();
        return;
    }
    d->EnablePaint(false);
    for (int c = 0; self.Alive() && c < d->m_Model.Cols(); ++c)
        d->AutoSizeColumn(c);
    if (!self.Alive())
        return;
    d->EnablePaint(true);
    d->UpdateScrollRanges();
    d->DrawGrid(d->m_Paint);
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
            width += m_Metrics.ImageWidth;
        widest = std::max(widest, width);
    }
    if (m_TotalsLineShow && column.ColType == ColTypeNumber) {
        const QString totals = m_Model.Totals()[Col].Caption + QString::number(m_Model.TotalsValue()[Col], 'g', 15);
        widest = std::max(widest, TextWidth(totals, q->font().family(), q->font().bold(), q->font().italic(), q->font().underline()));
    }
    q->ColWidth(Col, static_cast<float>((widest + Scale::TwipsPerPixel) * Scale::TwipsPerPixel));
}

void RuzuZiri::ColForceFit()
{
    d->EnablePaint(false);
    double sum = 0;
    for (const udtColumn& column : d->m_Model.Columns())
        if (column.Visible)
            sum = std::nearbyint(sum + column.Width);
    if (sum != 0) {
        const Lifeline self(this);
        const double factor = VisibleWidth() / sum;
        for (int c = 0; c < d->m_Model.Cols(); ++c) {
            ColWidth(c, static_cast<float>(d->m_Model.Columns()[c].Width * factor));
            if (!self.Alive())
                return;
        }
    }
    d->m_PendingMetrics = true;
    d->EnablePaint(true);
    if (d->m_Redraw)
        Refresh();
}

} // namespace Tarvex
