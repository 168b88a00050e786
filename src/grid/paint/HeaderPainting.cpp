#include "grid/RuzuZiriPrivate.h"

#include "grid/paint/DrawingHelpers.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <cmath>

// The caption bar and the header row. DrawGrid paints both on every full paint; the mouse handlers
// repaint single header cells hot or pressed with DrawHeaderCell.

namespace Tarvex {

namespace {

constexpr int ButtonPushHot = FrameControl::ButtonPush | FrameControl::Hot;
constexpr int ButtonPushPushed = FrameControl::ButtonPush | FrameControl::Pushed;
constexpr int ButtonPushFlat = FrameControl::ButtonPush | FrameControl::Flat;

// The rows show through the dragged heading's copy.
constexpr double DragCopyOpacity = 0.8;

} // namespace

// One background for caption, header cells and the totals bar; Caption picks the bar variant of the
// styles 4 to 7 that have one.
void RuzuZiriPrivate::DrawHeaderBackground(Canvas& hDC, Rect& r, int State, bool Caption)
{
    switch (m_Settings.m_ThemeStyle) {
    case 0:
        hDC.DrawFrameControl(r, FrameControl::Button,
            State == 2       ? ButtonPushHot
                : State == 3 ? ButtonPushPushed
                             : FrameControl::ButtonPush);
        break;
    case 1:
        hDC.DrawFrameControl(r, FrameControl::Button,
            State == 2       ? ButtonPushHot
                : State == 3 ? ButtonPushPushed
                             : ButtonPushFlat);
        break;
    case 2:
        if (!DrawThemePart(hDC, QStringLiteral("Header"), 1, State, r))
            DrawHeader3D(hDC, r, State, false, false);
        break;
    case 3: DrawHeaderStyle(hDC, r, State); break;
    case 4: DrawHeader3D(hDC, r, State, Caption, false); break;
    case 5: DrawHeader3D(hDC, r, State, Caption, true); break;
    case 6: DrawHeaderGradient(hDC, r, State, Caption, false); break;
    case 7: DrawHeaderGradient(hDC, r, State, Caption, true); break;
    default: break;
    }
}

void RuzuZiriPrivate::DrawCaption()
{
    if (m_Settings.m_Caption.isEmpty())
        return;
    // Painted on its own (a new caption, a hot header), the picture shows at the next paint event.
    q->update();
    Canvas hDC = Drawing();
    const int right = int(std::nearbyint(double(q->VisibleWidth()) / Scale::TwipsPerPixel)) + 1 + RowNumberWidth();
    Rect bar { -1, 0, right, m_Geometry.m_Metrics.CaptionHeight };
    DrawHeaderBackground(hDC, bar, 1, true);
    Rect text { bar.Left + 15, m_Geometry.m_Metrics.CaptionHeight / 8, bar.Right - 15, bar.Bottom };
    DrawHeaderText(hDC, m_Settings.m_Caption, text, m_Settings.m_CaptionAlignment);
}

int RuzuZiriPrivate::DrawHeaders(bool SingleLineOnly, const Rect& Within)
{
    if (m_Model.Cols() == 0)
        return 0;
    ++m_Painter.m_HeaderPaints;
    if (m_Settings.m_ShowRowNumbers)
        DrawHeaderCell(-1, 1, false, true, Within);
    // Columns beyond the right edge are not painted: a paint costs what shows.
    const GridLayout& layout = Layout();
    for (int i = 0; i < layout.PaintedColumns; ++i)
        if (layout.Columns[size_t(i)].Shown)
            DrawHeaderCell(i, 1, SingleLineOnly, false, Within);
    return layout.Right;
}

void RuzuZiriPrivate::DrawHeaderCell(int Position, int State, bool SingleLineOnly, bool RowNumberCell, const Rect& Within)
{
    if (!m_Settings.m_ColumnHeaders || (Position < 0 && !RowNumberCell))
        return;
    if (RowNumberCell) {
        Canvas hDC = HeaderDrawing(Within);
        Rect cell { -1, m_Geometry.m_Metrics.CaptionHeight, RowNumberWidth(), m_Geometry.m_Metrics.HeaderHeight };
        DrawHeaderBackground(hDC, cell, 1, false);
        return;
    }
    if (m_Model.IsColumn(Position))
        DrawHeaderCellAt(Position, Layout().Columns[size_t(Position)].Left, State, SingleLineOnly, Within);
}

// A band of a partial paint draws the header cells it crosses, and nothing outside the band; the
// paint shows its bands. A header cell painted on its own shows at the next paint event.
Canvas RuzuZiriPrivate::HeaderDrawing(const Rect& Within)
{
    Canvas hDC = Drawing();
    if (Within.IsEmpty())
        q->update();
    else
        hDC.Confine(Within);
    return hDC;
}

// Left is where the cell is drawn: its place in the layout.
void RuzuZiriPrivate::DrawHeaderCellAt(int Position, int Left, int State, bool SingleLineOnly, const Rect& Within)
{
    Canvas hDC = HeaderDrawing(Within);
    if (Position == m_Input.m_DragSourceCol || Position == m_Input.m_DragTargetCol)
        State = 3;
    if (!m_Settings.m_AllowColumnSort && !m_Settings.m_AllowColumnSwap && !m_Settings.m_AllowColumnDrag)
        State = 1;

    const int top = m_Geometry.m_Metrics.CaptionHeight;
    const int bottom = m_Geometry.m_Metrics.HeaderHeight;
    const int col = m_Model.ColOrder()[size_t(Position)];
    const udtColumn& column = m_Model.Columns()[size_t(col)];
    Rect cell { Left - 1, top, Saturated(double(Left) + column.WidthPx), bottom };
    DrawHeaderBackground(hDC, cell, State, false);

    int textRight = column.WidthPx - 6;
    if (column.WidthPx >= 9 && (col == m_Sort.m_SortCol || col == m_Sort.m_SortSubCol)) {
        const bool primary = col == m_Sort.m_SortCol;
        DrawSortArrow(hDC, Left + column.WidthPx - 12, top + 6, primary ? 9 : 6, primary ? 5 : 3, column.SortOrder);
        textRight = column.WidthPx - 13;
    }
    Rect text { Left + 5, top, Saturated(double(Left) + textRight), bottom };
    if (State == 2)
        text.Top -= 1;
    else if (State == 3)
        text.Top += 1;

    if (m_Settings.m_ColumnHeaderLines >= 2 && !SingleLineOnly) {
        const QString fitted
            = FitCellText(column.Heading, text.Width(), m_Settings.m_ColumnHeaderLines, m_Settings.m_FontHeader);
        const double textHeight = Canvas::TextHeight(m_Settings.m_FontHeader, fitted);
        text.Top += int(std::nearbyint((bottom - top - textHeight) / 2));
        DrawHeaderText(hDC, fitted, text, column.Alignment | TextFlags::WordBreak | TextFlags::WordEllipsis);
    } else {
        DrawHeaderText(hDC, column.Heading, text, column.Alignment | TextFlags::SingleLine);
    }
}

void RuzuZiriPrivate::DrawHeaderText(Canvas& hDC, const QString& Text, Rect& R, int Flags)
{
    DrawString(hDC, Text, -1, R, Flags, m_Geometry.m_Metrics.DrawTextFlags, m_Settings.m_FontHeader,
        m_Settings.m_Colors.m_ForeColorHdr);
}

// The column skipping rule the header row, the cells, the totals and the grid lines share: frozen
// columns never scroll, the others are gone while the scroll position is past them.
bool RuzuZiriPrivate::IsColumnScrolledOut(int Position) const
{
    return Position > m_Settings.m_FreezeAtCol && Position < SBGetPos(0);
}

// The copy of a dragged heading hangs from the header row, Left pixels from the picture's left edge,
// and covers no heading: the one it would land on shows pressed beside the copy, both readable. It
// is a window of its own over the picture, so that moving it draws nothing of the grid again.
void RuzuZiriPrivate::ShowDraggedHeader(int Position, int Left)
{
    if (!m_Painter.m_DragCopy) {
        m_Painter.m_DragCopy = new QLabel(q);
        m_Painter.m_DragCopy->setObjectName(QStringLiteral("DraggedHeading"));
        m_Painter.m_DragCopy->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QLabel& copy = *m_Painter.m_DragCopy;
    if (copy.isHidden()) {
        const int top = m_Geometry.m_Metrics.CaptionHeight;
        const ColumnPlace& place = Layout().Columns[size_t(Position)];
        const QPixmap cell = q->grab(QRect(ClientOrigin() + QPoint(place.Left - 1, top),
                                           QSize(place.Width + 1, m_Geometry.m_Metrics.HeaderHeight - top)));
        QPixmap faded(cell.size());
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(DragCopyOpacity);
        painter.drawPixmap(0, 0, cell);
        painter.end();
        copy.setPixmap(faded);
        copy.resize(faded.size());
    }
    copy.move(ClientOrigin() + QPoint(Left - 1, m_Geometry.m_Metrics.HeaderHeight));
    copy.show();
    copy.raise();
}

void RuzuZiriPrivate::HideDraggedHeader()
{
    if (m_Painter.m_DragCopy)
        m_Painter.m_DragCopy->hide();
}

} // namespace Tarvex
