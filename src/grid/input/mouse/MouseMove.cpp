#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/Scale.h>

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <tuple>

// The pointer moving over the grid. A move within one cell paints nothing; a move into another cell
// repaints at most the header cells it lights or darkens. With the left button held it sizes a row or
// a column, drags a selection or drags a header, as the press decided.

namespace Tarvex {

namespace {

// How near a border the pointer must be to size it, in pixels on either side.
constexpr int BorderReach = 4;

bool NearBorder(double Pointer, double Border)
{
    return Border - BorderReach < Pointer && Pointer < Border + BorderReach;
}

} // namespace

// A move arriving while the border scan runs (a handler pumping events) is dropped whole.
void RuzuZiriPrivate::UserControl_MouseMove(qint16 Button, qint16 Shift, float X, float Y)
{
    m_Current.m_ColHold = false;
    if (m_Input.m_BorderScan)
        return;
    m_Input.m_MouseAt = QPointF(X, Y);
    // The release of a press went elsewhere.
    if (!(Button & MouseButton::Left) && (m_Input.m_MouseState != MouseState::None || m_Input.m_DownCol != -1))
        LoseMouseAction();
    const Lifeline self(q);
    if (m_Model.Cols() > 0 && !MoveOverRows(Button, Shift, X, Y))
        return;
    if (self.Alive())
        RaiseMouseEvent(&RuzuZiri::MouseMove, Button, Shift, X, Y);
}

// False when the grid was deleted on the way.
bool RuzuZiriPrivate::MoveOverRows(qint16 Button, qint16 Shift, float X, float Y)
{
    // The border the pointer is on decides the row under it, so the scan comes first.
    int pointer = Button == 0 ? ScanBorders(X, Y) : MousePointer();
    const auto [col, row] = PointerCell(X, Y);
    const bool newCell = col != m_Input.m_MouseCol || row != m_Input.m_MouseRow;
    if (newCell) {
        HideTip();
        m_Input.m_MouseCol = col;
        m_Input.m_MouseRow = row;
        if (row >= 0)
            CellTipTimer(row, col);
        else
            CancelTip();
        // The pressed header looks pressed only while the pointer is on it.
        if (m_Input.m_DownCol != -1 && m_Painter.m_Paint && m_Input.m_MouseState == MouseState::None)
            DrawHeaderCell(m_Input.m_DownCol, row == -1 && m_Input.m_DownCol == HeaderColFromX(X) ? 3 : 1, false, false);
    }
    if (Button == 0 && m_Settings.m_AllowColumnHover)
        ShowHotHeader(X, Y);
    if (Button & MouseButton::Left) {
        const Lifeline self(q);
        if (!DragWithLeft(Shift, X, Y))
            return false;
        if (!self.Alive())
            return false;
    }
    MousePointer(CellPointer(pointer));
    return true;
}

// The rows under a resting pointer are others after a scroll: the cell under it, the border it is on
// and the pointer's shape are worked out again, as a move there would, but without its events. A
// tip waiting for, or showing, the cell that was there goes.
void RuzuZiriPrivate::FollowPointer()
{
    if (!m_Input.m_MouseInside && m_Input.m_MouseState == MouseState::None)
        return;
    const auto X = float(m_Input.m_MouseAt.x());
    const auto Y = float(m_Input.m_MouseAt.y());
    const bool hovering = m_Input.m_MouseState == MouseState::None && m_Input.m_DownCol == -1;
    const int pointer = hovering && !m_Input.m_BorderScan ? ScanBorders(X, Y) : MousePointer();
    const std::pair<int, int> cell = PointerCell(X, Y);
    if (cell != std::pair { m_Input.m_MouseCol, m_Input.m_MouseRow }) {
        HideTip();
        CancelTip();
        std::tie(m_Input.m_MouseCol, m_Input.m_MouseRow) = cell;
    }
    MousePointer(CellPointer(pointer));
}

// Only the cells whose look changes are painted: the one that was hot and the one that is now.
void RuzuZiriPrivate::ShowHotHeader(float X, float Y)
{
    if (!m_Painter.m_Paint)
        return;
    const int hot = InHeaderRow(Y) ? HeaderColFromX(X) : -1;
    const int shown = HotHeader();
    if (hot == shown)
        return;
    if (shown != -1)
        DrawHeaderCell(shown, 1, false, false);
    m_Input.m_HotHeaderCol = hot;
    m_Input.m_HotHeaderPaint = m_Painter.m_HeaderPaints;
    if (hot != -1)
        DrawHeaderCell(hot, 2, false, false);
}

// A full paint of the header row draws every cell plain, the hot one too.
int RuzuZiriPrivate::HotHeader() const
{
    return m_Input.m_HotHeaderPaint == m_Painter.m_HeaderPaints ? m_Input.m_HotHeaderCol : -1;
}

// With no button down: which border, if any, the pointer is on. Over the rows only row borders count,
// elsewhere only column borders; a border found before and left since is forgotten, or a press far
// from it would size it.
int RuzuZiriPrivate::ScanBorders(float X, float Y)
{
    m_Input.m_BorderScan = true;
    m_Input.m_SizeRow = m_Input.m_SizeCol = -1;
    int wanted = MousePointerShape::Default;
    if (RowFromY(Y) >= 0) {
        if (m_Settings.m_AllowRowResizing)
            wanted = ScanRowBorders(Y);
    } else if (m_Settings.m_AllowColumnResizing && Y >= m_Geometry.m_Metrics.CaptionHeight) {
        wanted = ScanColumnBorders(X);
    }
    m_Input.m_BorderScan = false;
    return wanted;
}

// The rows of the page from the top until one passes the pointer.
int RuzuZiriPrivate::ScanRowBorders(float Y)
{
    for (const RowPlace& place : Layout().Rows) {
        if (place.Top - BorderReach >= Y)
            break;
        if (!NearBorder(Y, double(place.Top) + place.Height))
            continue;
        const int above = RowFromY(Y - 2 * BorderReach);
        if (above < 0)
            return MousePointerShape::Default;
        m_Input.m_SizeRow = above;
        m_Input.m_SizeRowTop = int(Y) - m_Model.RowAt(above).Height;
        return MousePointerShape::SizeNS;
    }
    return MousePointerShape::Default;
}

// The shown columns as the header row lays them out, until one passes the pointer.
int RuzuZiriPrivate::ScanColumnBorders(float X)
{
    const GridLayout& layout = Layout();
    for (int i = 0; i < m_Model.Cols(); ++i) {
        const ColumnPlace& place = layout.Columns[size_t(i)];
        if (!place.Shown)
            continue;
        if (place.Left - BorderReach >= X)
            break;
        if (!NearBorder(X, double(place.Left) + place.Width))
            continue;
        m_Input.m_SizeCol = i;
        m_Input.m_SizeColLeft = int(X) - place.Width;
        return MousePointerShape::SizeWE;
    }
    return MousePointerShape::Default;
}

// Over a cell whose shared format names a pointer, that one; over any other place Wanted. A border
// being pointed at or dragged keeps its sizing pointer: every added row's cells share a format.
int RuzuZiriPrivate::CellPointer(int Wanted) const
{
    if (Wanted == MousePointerShape::SizeNS || Wanted == MousePointerShape::SizeWE
        || !IsCell(m_Input.m_MouseRow, m_Input.m_MouseCol))
        return Wanted;
    const qint32 format = m_Model.CellAt(m_Input.m_MouseRow, ColumnAt(m_Input.m_MouseCol)).FormatIndex;
    if (format < 0)
        return Wanted;
    return m_Model.CellFormats()[size_t(format)].HandPointer ? MousePointerShape::Custom : MousePointerShape::Default;
}

// False when the grid was deleted on the way.
bool RuzuZiriPrivate::DragWithLeft(qint16 Shift, float X, float Y)
{
    switch (m_Input.m_MouseState) {
    case MouseState::ResizingRow: return ResizeRowTo(Y);
    case MouseState::ResizingColumn: return ResizeColumnTo(X);
    case MouseState::Selecting: return DragSelectTo(Shift, Y);
    default: break;
    }
    if (m_Input.m_DownCol != -1 && !m_Edit.EditOpen())
        DragHeaderTo(X, Y);
    return true;
}

// A row is never sized to the default row height or less.
bool RuzuZiriPrivate::ResizeRowTo(float Y)
{
    const int height = int(Y) - m_Input.m_SizeRowTop;
    if (!m_Model.IsRowPosition(m_Input.m_SizeRow) || height <= m_Geometry.m_RowHeightDef
        || height == m_Model.RowAt(m_Input.m_SizeRow).Height)
        return true;
    m_Model.SetRowHeight(m_Input.m_SizeRow, height);
    return DrawGrid(m_Painter.m_Paint);
}

// A column is never sized below 5 pixels. Its host hears of each new width, to move a bound control.
bool RuzuZiriPrivate::ResizeColumnTo(float X)
{
    const int col = ColumnAt(m_Input.m_SizeCol);
    const int width = std::min(int(X) - m_Input.m_SizeColLeft, MaxLayoutPixels);
    if (col < 0 || width < 5 || width == m_Model.Columns()[size_t(col)].WidthPx)
        return true;
    m_Model.SetColumnField(col, &udtColumn::WidthPx, qint32(width));
    m_Model.SetColumnField(
        col, &udtColumn::Width, float(Scale { static_cast<ScaleModes>(m_Settings.m_ScaleUnits) }.FromPixels(width)));
    return DrawGrid(m_Painter.m_Paint) && ColumnSized(col);
}

// A bound editor over the column follows its new width.
bool RuzuZiriPrivate::ColumnSized(int Col)
{
    if (!Raise(&RuzuZiri::ColumnSizeChanged, Col, int(m_Model.Columns()[size_t(Col)].MoveControl)))
        return false;
    if (m_Edit.EditOpen())
        PositionEditor();
    return true;
}

// Beyond the top or the bottom edge the rows scroll by themselves; back over the rows, the current
// row follows the pointer and the selection runs from the row the drag started from to it.
bool RuzuZiriPrivate::DragSelectTo(qint16 Shift, float Y)
{
    if (!m_Input.m_DragSelect || m_Input.m_DragAnchor == -1)
        return true;
    const Lifeline self(q);
    if (Y < 0 || Y > q->ScaleHeight()) {
        qint16 direction = Y < 0 ? 1 : 2;
        DragAutoScroll(direction);
        return self.Alive();
    }
    StopAutoScroll();
    if (Shift != 0 || !m_Model.IsRowPosition(m_Input.m_MouseRow))
        return true;
    const int row = DragStop(m_Input.m_MouseRow);
    const bool selected = SelectDraggedRows(row);
    const int before[2] = { m_Current.m_Row, m_Current.m_Col };
    if (!MoveCurrentCell(row, ColOrCurrent(m_Input.m_MouseCol), false))
        return self.Alive();
    const bool moved = before[0] != m_Current.m_Row || before[1] != m_Current.m_Col;
    if (!moved && !selected)
        return true;
    const quint64 seen = Changes();
    if (selected && (!Raise(&RuzuZiri::SelectionChanged) || Changes() != seen))
        return self.Alive();
    return DrawGrid(m_Painter.m_Paint);
}

// A drag never stops on a locked row: the current row stays on the nearest row towards the one the
// drag started from that takes it.
int RuzuZiriPrivate::DragStop(int Row) const
{
    const int anchor = m_Input.m_DragAnchor;
    const int step = anchor < Row ? -1 : 1;
    while (Row != anchor && m_Model.IsRowPosition(Row) && !IsNavigableRow(Row, 0))
        Row += step;
    return Row;
}

// With MultiSelect the rows from the drag's first row to Row, else Row alone.
bool RuzuZiriPrivate::SelectDraggedRows(int Row)
{
    if (!m_Model.IsRowPosition(Row))
        return false;
    const bool multiSelect = m_Settings.m_MultiSelect != MultiSelectMode::Off;
    return SelectOnlyUnlocked(multiSelect ? m_Input.m_DragAnchor : Row, Row);
}

// The dragged heading's copy follows the pointer below the header row; the heading and the one it
// would land on show pressed in the row, and only a heading under the pointer takes a drop. Its
// column keeps its place until the release. A hand that shakes while it clicks has not dragged: the
// drag starts at the platform's drag distance, as Qt's own headers start theirs.
void RuzuZiriPrivate::DragHeaderTo(float X, float Y)
{
    if (!m_Settings.m_AllowColumnSwap && !m_Settings.m_AllowColumnDrag)
        return;
    if (m_Input.m_MouseState == MouseState::None) {
        if (std::abs(double(X) - m_Input.m_DownX) < QApplication::startDragDistance())
            return;
        SetMouseState(m_Settings.m_AllowColumnSwap ? MouseState::SwappingColumn : MouseState::MovingColumn);
        (m_Settings.m_AllowColumnSwap ? m_Input.m_SwapCol : m_Input.m_DragCol) = m_Input.m_DownCol;
        m_Input.m_DragSourceCol = m_Input.m_DownCol;
    }
    m_Input.m_DragTargetCol = InHeaderRow(Y) ? HeaderColFromX(X) : -1;
    if (!m_Painter.m_Paint || !m_Model.IsColumn(m_Input.m_DragSourceCol))
        return;
    const int right = DrawHeaders(true);
    const GridLayout& layout = Layout();
    const ColumnPlace& place = layout.Columns[size_t(m_Input.m_DragSourceCol)];
    const int left = std::clamp(int(X) - m_Input.m_DownX + place.Left, layout.RowNumberWidth,
                                std::max(right - place.Width, layout.RowNumberWidth));
    ShowDraggedHeader(m_Input.m_DragSourceCol, left);
}

} // namespace Tarvex
