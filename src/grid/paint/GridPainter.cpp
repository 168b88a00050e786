#include "grid/RuzuZiriPrivate.h"

#include "grid/paint/PaintPass.h"

#include <tarvex/platform/DoEvents.h>
#include <tarvex/platform/runtime/FormatText.h>

#include <algorithm>
#include <cmath>
#include <utility>

// DrawGrid paints the whole body of the grid into the surface's retained picture and then shows it.
// It never runs inside a Qt paint event: the surface's paint event only copies the picture.

namespace Tarvex {

namespace {

constexpr int RightVCenterSingleLine = TextFlags::Right | TextFlags::VCenter | TextFlags::SingleLine;

} // namespace

bool RuzuZiriPrivate::DrawGrid(bool Paint, bool NoFocus)
{
    // Taken before the event pump: whatever runs in there changes the stamp the rows were offered with.
    const int changedFirst = std::exchange(m_Painter.m_ChangedFirst, -1);
    const int changedLast = std::exchange(m_Painter.m_ChangedLast, -1);
    const Lifeline self(q);
    if (!BeginPaint(Paint))
        return self.Alive();
    PaintPass pass { Drawing() };
    PrepareColors(pass);
    if (PaintChangedRowsOnly(pass, changedFirst, changedLast, NoFocus) || PaintScrolledPicture(pass, NoFocus)) {
        m_Painter.m_PaintedStamp = StampNow();
        FinishPaint(pass);
        return self.Alive();
    }
    m_Painter.m_PictureCurrent = false;
    const PaintStamp seen = StampNow();
    if (m_Model.LastRow() < 0) {
        ClearSurface(pass);
        pass.Painter.End();
        PaintEmptyGrid();
        return self.Alive();
    }
    ChooseVisibleRows(pass);
    KeepCurrentRowInView(pass);
    ClearSurface(pass);
    DrawCaption();
    pass.Right = DrawHeaders(false);
    PaintRows(pass);
    PaintBottomLine(pass);
    PaintVerticalLines(pass);
    if (!NoFocus)
        PaintFocusRect(pass);
    m_Painter.m_PaintedStamp = StampNow();
    KeepPaintedLook(pass);
    // Scrolling to the current row on the way leaves a picture of a state the paint did not start from.
    m_Painter.m_PictureCurrent = !NoFocus && m_Painter.m_PaintedStamp == seen;
    FinishPaint(pass);
    return self.Alive();
}

// The painting flag keeps a paint from starting inside another, also from an event the pump below
// runs. A queued call run by the pump may delete the grid: nothing of it is touched then. A grid
// on its way out starts no paint and runs no pending events.
bool RuzuZiriPrivate::BeginPaint(bool Paint)
{
    if (m_Painter.m_Painting || m_Destroying) {
        m_Painter.m_PictureCurrent = false;
        return false;
    }
    m_Painter.m_Painting = true;
    if (!DoEvents(q))
        return false;
    m_Painter.m_PendingMetrics = !Paint;
    if (!Paint) {
        m_Painter.m_PictureCurrent = false;
        m_Painter.m_Painting = false;
        return false;
    }
    return true;
}

void RuzuZiriPrivate::PrepareColors(PaintPass& pass)
{
    pass.ScrollCol = SBGetPos(0);
    if (pass.ScrollCol < m_Settings.m_FreezeAtCol) {
        pass.ScrollCol = m_Settings.m_FreezeAtCol + 1;
        SBSetPos(0, pass.ScrollCol);
    }
    pass.GridColor = m_Settings.m_Colors.m_GridColor;
    pass.Y = m_Geometry.m_Metrics.HeaderHeight;
    pass.VisibleRows = VisibleRowCount();
    if (m_Settings.m_ThemeStyle == 3 || m_Settings.m_ThemeStyle == 5)
        pass.BaseColor = BlendColor(m_Settings.m_Colors.m_CustomColorFrom, m_Settings.m_Colors.m_CustomColorTo, 128);
    else if (m_Settings.m_ThemeStyle == 6)
        pass.BaseColor = AdjustColor(m_Settings.m_Colors.m_CustomColorTo, 50);
    else
        pass.BaseColor = qint32(SystemColor::ButtonFace);
    pass.SeparatorColor = AdjustColor(pass.BaseColor, -40);
}

// Every row of a full paint fills its own line from the row numbers to the header row's end, so
// only what lies around the rows is cleared here; a selection style that fills nothing lets the
// background show through the selected rows.
void RuzuZiriPrivate::ClearSurface(PaintPass& pass)
{
    pass.Font = m_Settings.m_Font;
    pass.TextColor = m_Settings.m_Colors.m_ForeColor;
    const OleColor back(m_Settings.m_Colors.m_BackColorBkg);
    const GridLayout& layout = Layout();
    const int width = pass.hDC.Width();
    const int height = pass.hDC.Height();
    const Rect rows { layout.RowNumberWidth, m_Geometry.m_Metrics.HeaderHeight + 1, layout.Right,
                      std::min(layout.RowsBottom + 1, height) };
    const bool selectionFills = m_Settings.m_FocusRowHighlightStyle >= 0 && m_Settings.m_FocusRowHighlightStyle <= 2;
    if (pass.Partial || !selectionFills || layout.Rows.empty() || rows.IsEmpty()) {
        pass.hDC.Clear(back);
        return;
    }
    pass.hDC.FillRect(Rect { 0, 0, width, rows.Top }, back);
    pass.hDC.FillRect(Rect { 0, rows.Bottom, width, height }, back);
    pass.hDC.FillRect(Rect { 0, rows.Top, rows.Left, rows.Bottom }, back);
    pass.hDC.FillRect(Rect { rows.Right, rows.Top, width, rows.Bottom }, back);
}

void RuzuZiriPrivate::PaintEmptyGrid()
{
    DrawCaption();
    DrawHeaders(false);
    q->Surface::Refresh();
    m_Painter.m_Painting = false;
    emit q->RequestRowData(-1);
}

void RuzuZiriPrivate::ChooseVisibleRows(PaintPass& pass)
{
    m_Painter.m_RowFirstVisible = SBGetPos(1);
    pass.First = m_Painter.m_RowFirstVisible;
    pass.Last = std::min(pass.First + pass.VisibleRows, m_Model.LastRow());
}

// Where the input asks for it, the current row may sit below rows taller than the default; scroll so
// that it shows, counting only the rows from the first visible one to it.
void RuzuZiriPrivate::KeepCurrentRowInView(PaintPass& pass)
{
    if (!(m_Settings.m_AllowWordWrap || m_Settings.m_AllowRowResizing) || m_Current.m_Row < 1
        || !m_Painter.m_KeepCurrentRowInView)
        return;
    int units = pass.First;
    const int avail = int(q->VisibleHeight() / Scale::TwipsPerPixel) - m_Geometry.m_Metrics.HeaderHeight;
    int used = m_Settings.m_TotalsLineShow ? m_Geometry.m_RowHeightDef : 0;
    for (int p = pass.First; p <= pass.Last; ++p) {
        const udtRow& row = m_Model.RowAt(p);
        if (row.Visible) {
            units += int(std::nearbyint(double(row.Height) / m_Geometry.m_RowHeightDef));
            used += row.Height;
        }
        if (p == m_Current.m_Row)
            break;
    }
    if (units > pass.Last && used > avail) {
        m_Painter.m_RowFirstVisible = std::min(m_Painter.m_RowFirstVisible + units - pass.Last, m_Current.m_Row);
        SBSetPos(1, m_Painter.m_RowFirstVisible);
        pass.First = m_Painter.m_RowFirstVisible;
        pass.Last = pass.First + pass.VisibleRows;
    }
    pass.Last = std::min(pass.Last, m_Model.LastRow());
}

void RuzuZiriPrivate::PaintRows(PaintPass& pass)
{
    const GridLayout& layout = Layout();
    pass.Parity = FirstShownPositionIsOdd(pass.First);
    for (const RowPlace& place : layout.Rows) {
        const udtRow& row = m_Model.RowAt(place.Position);
        pass.Parity = !pass.Parity;
        pass.Y = place.Top;
        if (!pass.Partial || (pass.Y - 1 < pass.Band.Bottom && pass.Y + row.Height + 2 > pass.Band.Top))
            PaintRow(pass, place.Position, row);
    }
    pass.Y = layout.RowsBottom;
    pass.EndPosition = layout.RowsEnd;
    pass.LinesBottom = pass.Y;
    m_Painter.m_RowLastVisible = std::min(layout.RowsEnd, m_Model.LastRow());
    pass.Reached = pass.Y >= q->ScaleHeight() || layout.RowsEnd >= m_Model.LastRow();
}

void RuzuZiriPrivate::PaintRow(PaintPass& pass, int Position, const udtRow& Row)
{
    const int top = pass.Y;
    PaintRowNumber(pass, Position, Row.Height);
    const bool selected = IsFlagSet(Row.Flags, RowFlagSelected)
        && (m_Settings.m_MultiSelect >= int(MultiSelectMode::On) || m_Settings.m_FocusRowHighlight);
    if (selected)
        PaintSelection(pass, Row, top);
    else
        FillRowBackground(pass, Rect { RowNumberWidth(), top + 1, pass.Right, top + Row.Height + 1 });
    PaintCells(pass, Position, Row, selected);
    pass.hDC.ClearClip();
    PaintRowLines(pass, top);
}

// Parity flips before each painted row, so it starts as the opposite of what the first row needs.
bool RuzuZiriPrivate::FirstShownPositionIsOdd(int First) const
{
    const int p = m_Model.NextShownRow(First);
    return p <= m_Model.LastRow() && (p & 1) != 0;
}

void RuzuZiriPrivate::PaintRowNumber(PaintPass& pass, int Position, int Height)
{
    if (!m_Settings.m_ShowRowNumbers)
        return;
    Rect cell { 0, pass.Y, RowNumberWidth(), pass.Y + Height };
    DrawRect(pass.hDC, cell, pass.BaseColor, true);
    pass.TextColor = m_Settings.m_Colors.m_ForeColorHdr;
    cell.Right -= 3;
    DrawTextIn(pass, QString::number(Position + 1), cell, RightVCenterSingleLine);
}

void RuzuZiriPrivate::FillRowBackground(PaintPass& pass, const Rect& Bounds)
{
    const bool evenRow = m_Settings.m_BackColorEvenRowsEnabled && !pass.Parity;
    DrawRect(pass.hDC, Bounds, evenRow ? m_Settings.m_Colors.m_BackColorEvenRows : m_Settings.m_Colors.m_BackColor, true);
}

void RuzuZiriPrivate::PaintSelection(PaintPass& pass, const udtRow& Row, int Top)
{
    const int bottom = Top + Row.Height + 1;
    int start = RowNumberWidth() - 1;
    // Unscrolled, the check box and row image keep the unselected look.
    if (pass.ScrollCol == 0 && m_Model.Cols() > 0) {
        const int firstWidth = m_Model.Columns()[0].WidthPx;
        const int margin = firstWidth >= m_Geometry.m_Metrics.TextLeft ? m_Geometry.m_Metrics.TextLeft : firstWidth;
        FillRowBackground(pass, Rect { RowNumberWidth(), Top + 1, RowNumberWidth() + margin, bottom });
        start = RowNumberWidth() + margin - 1;
    }
    const qint32 fill = SelectionColor(pass.hDC, Row);
    const Rect bounds { start, Top + 1, pass.Right, bottom };
    switch (m_Settings.m_FocusRowHighlightStyle) {
    case 0: DrawRect(pass.hDC, bounds, fill, true); break;
    case 1: DrawGradient(pass.hDC, bounds, fill, PlainColor(pass.hDC, m_Settings.m_Colors.m_BackColor), true); break;
    case 2: DrawGradient(pass.hDC, bounds, fill, PlainColor(pass.hDC, m_Settings.m_Colors.m_BackColor), false); break;
    default: break;
    }
    pass.TextColor = m_Settings.m_Colors.m_ForeColorSel;
}

// With alpha blending, a row whose first cell has a colour of its own shows that colour through.
qint32 RuzuZiriPrivate::SelectionColor(const Canvas& hDC, const udtRow& Row) const
{
    if (!m_Settings.m_AlphaBlendSelection)
        return PlainColor(hDC, m_Settings.m_Colors.m_BackColorSel);
    const qint32 back = PlainColor(hDC, m_Settings.m_Colors.m_BackColor);
    qint32 own = m_Settings.m_Colors.m_BackColor;
    if (Row.Cells.size() > 0 && Row.Cells[0].FormatIndex >= 0)
        own = m_Model.CellFormats()[Row.Cells[0].FormatIndex].BackColor;
    const qint32 tint = own == m_Settings.m_Colors.m_BackColor ? m_Settings.m_Colors.m_BackColorSel : own;
    return BlendColor(PlainColor(hDC, tint), back, 150);
}

void RuzuZiriPrivate::PaintCells(PaintPass& pass, int Position, const udtRow& Row, bool Selected)
{
    const GridLayout& layout = Layout();
    for (int c = 0; c < layout.PaintedColumns; ++c) {
        const ColumnPlace& place = layout.Columns[size_t(c)];
        if (place.Shown)
            DrawCell(pass, CellSpot { Position, c, place.Col, place.Left, pass.Y }, Row, Selected);
    }
}

void RuzuZiriPrivate::PaintRowLines(PaintPass& pass, int Top)
{
    if (m_Settings.m_GridLines == 1 || m_Settings.m_GridLines == 3)
        DrawLine(pass.hDC, RowNumberWidth(), Top, pass.Right, Top, pass.GridColor, m_Settings.m_GridLineWidth);
    if (m_Settings.m_ShowRowNumbers)
        DrawLine(pass.hDC, 0, Top, RowNumberWidth(), Top, pass.SeparatorColor, m_Settings.m_GridLineWidth);
}

void RuzuZiriPrivate::PaintBottomLine(PaintPass& pass)
{
    if (!m_Settings.m_TotalsLineShow) {
        DrawLine(pass.hDC, 0, pass.Y, pass.Right, pass.Y, pass.GridColor, m_Settings.m_GridLineWidth);
        return;
    }
    if (pass.EndPosition > m_Model.LastRow())
        PaintTotalsLine(pass);
}

void RuzuZiriPrivate::PaintTotalsLine(PaintPass& pass)
{
    const int y = pass.Y;
    pass.TextColor = m_Settings.m_Colors.m_ForeColorHdr;
    // In the control's font, not in that of the last cell painted: the column sizing measures it so.
    pass.Font = m_Settings.m_Font;
    Rect bar { 0, y + 1, pass.Right, y + m_Geometry.m_RowHeightDef + 1 };
    // The totals bar takes the caption's look in every style but 4, where it looks like a header cell.
    DrawHeaderBackground(pass.hDC, bar, 1, m_Settings.m_ThemeStyle != 4);
    DrawLine(pass.hDC, 0, y, pass.Right, y, PlainColor(pass.hDC, m_Settings.m_Colors.m_ForeColorHdr),
        m_Settings.m_GridLineWidth);

    const GridLayout& layout = Layout();
    for (int c = 0; c < layout.PaintedColumns; ++c) {
        const ColumnPlace& place = layout.Columns[size_t(c)];
        if (!place.Shown)
            continue;
        Rect text { place.Left + 3, y + 3, place.Left + place.Width - 3, y + m_Geometry.m_RowHeightDef };
        const QString shown = TotalsText(place.Col);
        if (!shown.isEmpty())
            DrawTextIn(pass, shown, text, m_Model.Columns()[size_t(place.Col)].Alignment);
    }
    pass.LinesBottom = y + m_Geometry.m_RowHeightDef;
}

// A number column shows its running total (or average), after the caption when it has one; any
// other column shows the caption alone.
QString RuzuZiriPrivate::TotalsText(int Col) const
{
    const udtTotals& totals = m_Model.Totals()[Col];
    const udtColumn& column = m_Model.Columns()[Col];
    if (column.ColType != ColTypeNumber)
        return totals.Caption;
    const double value = m_Model.TotalsLineValue(Col);
    QString text = column.Format.isEmpty() ? GeneralNumberText(value) : FormatNumber(value, column.Format);
    if (!totals.Caption.isEmpty())
        text = totals.Caption + QLatin1Char(' ') + text;
    return text;
}

void RuzuZiriPrivate::PaintVerticalLines(PaintPass& pass)
{
    if (m_Settings.m_GridLines != 1 && m_Settings.m_GridLines != 2)
        return;
    const int top = m_Geometry.m_Metrics.HeaderHeight;
    const GridLayout& layout = Layout();
    // The line that closes the frozen block is twice as wide; without frozen columns there is none.
    bool borderDrawn = m_Settings.m_FreezeAtCol < 0;
    for (int c = 0; c < layout.PaintedColumns; ++c) {
        const ColumnPlace& place = layout.Columns[size_t(c)];
        if (!place.Shown)
            continue;
        const bool border = !borderDrawn && c > m_Settings.m_FreezeAtCol;
        borderDrawn = borderDrawn || border;
        DrawLine(pass.hDC, place.Left, top, place.Left, pass.LinesBottom, pass.GridColor,
            border ? 2 * m_Settings.m_GridLineWidth : m_Settings.m_GridLineWidth);
    }
    DrawLine(pass.hDC, layout.Right, top, layout.Right, pass.LinesBottom, pass.GridColor, m_Settings.m_GridLineWidth);
}

void RuzuZiriPrivate::PaintFocusRect(PaintPass& pass)
{
    if (m_Current.m_Row == -1 || m_Settings.m_FocusRectMode == FocusRectKind::None)
        return;
    // Rows outside the painted ones have no focus on screen; asking RowTop would walk to them.
    if (m_Current.m_Row < m_Painter.m_RowFirstVisible || m_Current.m_Row > m_Painter.m_RowLastVisible)
        return;
    const int top = RowTop(m_Current.m_Row, -1);
    if (top == -1)
        return;
    const int height = m_Model.RowAt(m_Current.m_Row).Height;
    Rect focus { 1, top + 1, pass.Right, top + height };
    if (m_Settings.m_FocusRectMode == FocusRectKind::Cell) {
        // A column scrolled out to the left gets only its left edge, at the row numbers' edge: with
        // no right edge of its own the outline is empty and not drawn.
        focus.Left = focus.Right = RowNumberWidth() - 1;
        GetColumnExtent(m_Current.m_Col, focus);
    }
    if (focus.Right <= RowNumberWidth())
        return;
    const qint32 color = m_Settings.m_FocusRowHighlight ? PlainColor(pass.hDC, m_Settings.m_Colors.m_FocusRectColor)
                                                        : ShiftColor(m_Settings.m_Colors.m_BackColorSel, -50);
    switch (m_Settings.m_FocusRectStyle) {
    case 0: pass.hDC.DrawFocusRect(focus); break;
    case 1:
        // A three-pixel pen centred on the outline, square at the corners.
        for (int grow = -1; grow <= 1; ++grow)
            DrawRect(pass.hDC, Rect { focus.Left - grow, focus.Top - grow, focus.Right + grow, focus.Bottom + grow },
                color, false);
        break;
    case 2: DrawRect(pass.hDC, focus, color, false); break;
    default: break;
    }
}

// Text in the pass's current font and colour, with the grid's ellipsis setting; a measuring flag
// only fits Bounds to the text.
void RuzuZiriPrivate::DrawTextIn(PaintPass& pass, const QString& Text, Rect& Bounds, int Flags)
{
    DrawString(pass.hDC, Text, -1, Bounds, Flags, m_Geometry.m_Metrics.DrawTextFlags, pass.Font, pass.TextColor);
}

// The flag is down before RequestRowData, so its handler may fill rows and paint again in full.
// A partial paint shows only its band; the rest of the screen shows the picture already.
void RuzuZiriPrivate::FinishPaint(PaintPass& pass)
{
    pass.Painter.End();
    if (pass.Partial)
        q->Surface::Refresh(pass.Shown);
    else
        q->Surface::Refresh();
    m_Painter.m_Painting = false;
    if (pass.Reached)
        emit q->RequestRowData(m_Painter.m_RowLastVisible);
}

} // namespace Tarvex
