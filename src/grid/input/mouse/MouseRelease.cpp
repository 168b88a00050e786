#include "grid/RuzuZiriPrivate.h"

#include <utility>
#include <vector>

// A button coming up: it ends what its press started (a column dropped elsewhere, a border sized, a
// header clicked and sorted) and reports the cell or column it came up on. The press's fields are
// cleared before any event is raised, so a handler that calls back into the grid, or deletes it,
// leaves no drag half done.

namespace Tarvex {

// A grid without columns has nothing a release could end; it raises nothing.
void RuzuZiriPrivate::UserControl_MouseUp(qint16 Button, qint16 Shift, float X, float Y)
{
    const MousePress press = EndPress();
    if (m_Model.Cols() == 0)
        return;
    const int downRow = m_Input.m_DownRow;
    if (Button == MouseButton::Left && !ReleaseLeft(press, Shift, X, Y))
        return;
    if (!ReleaseEnd(downRow))
        return;
    if (RaiseMouseEvent(&RuzuZiri::MouseUp, Button, Shift, X, Y))
        m_Input.m_MouseShift = Shift;
}

// False when the release ends here without MouseUp: on a locked row, or with the grid deleted.
bool RuzuZiriPrivate::ReleaseLeft(const MousePress& Press, qint16 Shift, float X, float Y)
{
    const Lifeline self(q);
    const int col = ColFromX(X);
    const int row = RowFromY(Y);
    std::tie(m_Input.m_MouseCol, m_Input.m_MouseRow) = PointerCell(X, Y);
    if (Press.State == MouseState::Escaped)
        return RepaintHeaders();
    if (Press.SwapCol != -1 || Press.DragCol != -1)
        return DropColumn(Press, InHeaderRow(Y) ? HeaderColFromX(X) : -1);
    if (IsRowLockedAt(row)) {
        if (m_Input.m_DownRow == -1)
            return ReleaseOnLockedRow(col);
        // A drag from a row that ends on a locked one keeps what the drag selected.
        return !m_Model.IsColumn(col) || Raise(&RuzuZiri::ColumnClick, ColumnAt(col));
    }
    if (Press.State == MouseState::ResizingColumn || Press.State == MouseState::ResizingRow) {
        UpdateScrollRanges();
        if (!DrawGrid(m_Painter.m_Paint))
            return false;
        // The pointer shows what a press where the border was let go would do.
        MousePointer(CellPointer(ScanBorders(X, Y)));
    }
    if (row >= 0) {
        if (m_Input.m_DownRow == -1)
            return RepaintHeaders();
        return ReleaseOverCell(X, Y);
    }
    // The caption, the corner and the empty space under the rows are no column's.
    if (!InHeaderRow(Y))
        return RepaintHeaders();
    return ReleaseOverHeader(Press, HeaderColFromX(X), Shift);
}

// A click on a locked row leaves only the current row selected; with no current row it leaves none.
// False: the release raises no MouseUp.
bool RuzuZiriPrivate::ReleaseOnLockedRow(int Col)
{
    const Lifeline self(q);
    m_Current.m_RowHold = m_Current.m_ColHold = true;
    const bool cleared = m_Model.ClearSelection();
    if (m_Current.m_Row != -1)
        q->RowColSet(-1, -1);
    else if (cleared && !Raise(&RuzuZiri::SelectionChanged))
        return false;
    if (self.Alive())
        Raise(&RuzuZiri::ColumnClick, ColumnAt(Col));
    return false;
}

// Swapping exchanges the two columns; dragging takes the column out and puts it in at the drop, the
// columns between moving one place towards where it came from. A drop on its own place changes nothing.
bool RuzuZiriPrivate::DropColumn(const MousePress& Press, int Col)
{
    const int from = Press.SwapCol != -1 ? Press.SwapCol : Press.DragCol;
    if (!m_Model.IsColumn(Col) || !m_Model.IsColumn(from) || Col == from)
        return DrawGrid(m_Painter.m_Paint);
    const int current = ColumnAt(m_Current.m_Col);
    std::vector<int> order(m_Model.ColOrder().begin(), m_Model.ColOrder().begin() + m_Model.Cols());
    if (Press.SwapCol != -1) {
        std::swap(order[size_t(Col)], order[size_t(from)]);
    } else {
        const int moved = order[size_t(from)];
        order.erase(order.begin() + from);
        order.insert(order.begin() + Col, moved);
    }
    m_Model.SetColOrder(order);
    const Lifeline self(q);
    if (Press.DragCol != -1) {
        q->RowColSet(-1, NavColumn(current));
        if (!self.Alive())
            return false;
    }
    return DrawGrid(m_Painter.m_Paint) && Raise(&RuzuZiri::ColumnOrderChanged, Col, from);
}

// A release on the cell the press made current: its image, or the expand button of a word-wrapped
// cell, then ColumnClick.
bool RuzuZiriPrivate::ReleaseOverCell(float X, float Y)
{
    if (!IsCell(m_Input.m_MouseRow, m_Input.m_MouseCol))
        return true;
    m_Input.m_NavCol = m_Input.m_MouseCol;
    const int row = m_Input.m_MouseRow;
    const int col = ColumnAt(m_Input.m_MouseCol);
    const udtCell& cell = m_Model.CellAt(row, col);
    const bool image = cell.FormatIndex >= 0 && m_Model.CellFormats()[size_t(cell.FormatIndex)].Image != 0;
    const bool expands = !image && m_Settings.m_AllowWordWrap && IsFlagSet(cell.Flags, CellFlagWordWrap)
        && m_Settings.m_ExpandRowImage >= 1;
    const Lifeline self(q);
    if (image && InImageBox(row, m_Input.m_MouseCol, X, Y)) {
        if (!Raise(&RuzuZiri::CellImageClick, row, col))
            return false;
    } else if (expands && PressedExpandButton(row, m_Input.m_MouseCol, X, Y)) {
        const int oneLine = m_Geometry.m_Metrics.HeaderTextHeight + 2 * m_Settings.m_MinVerticalOffset + 2;
        q->RowHeight(row, m_Model.RowAt(row).Height == oneLine ? -1.0f : float(oneLine));
        if (!self.Alive())
            return false;
    }
    return Raise(&RuzuZiri::ColumnClick, ColumnAt(m_Input.m_MouseCol));
}

bool RuzuZiriPrivate::InImageBox(int Row, int Col, float X, float Y) const
{
    return InsideBox(Row, Col, CellRectImage, m_Geometry.m_Metrics.ImageWidth, m_Geometry.m_Metrics.ImageHeight, X, Y);
}

// A button works as a button does: pressed and let go on the same one, whatever the pointer crossed
// between.
bool RuzuZiriPrivate::PressedExpandButton(int Row, int Col, float X, float Y) const
{
    return m_Input.m_DownRow == Row && InImageBox(Row, Col, float(m_Input.m_DownX), float(m_Input.m_DownY))
        && InImageBox(Row, Col, X, Y);
}

// A click on a header sorts by its column when sorting is allowed; a release elsewhere than the
// pressed header only reports the column. A border's release reports the column it sized, which its
// pointer may have left behind.
bool RuzuZiriPrivate::ReleaseOverHeader(const MousePress& Press, int Col, qint16 Shift)
{
    if (Col == Press.DownCol && m_Model.IsColumn(Col)) {
        if (!m_Settings.m_AllowColumnSort)
            RepaintHeaders();
        else if (!SortByHeader(Col, Shift))
            return false;
    }
    const int named = Press.State == MouseState::ResizingColumn ? Press.SizeCol : Col;
    return !m_Model.IsColumn(named) || Raise(&RuzuZiri::ColumnClick, ColumnAt(named));
}

// Ctrl adds the column as the second sort key under the first; a plain click sorts by it, stepping
// through smallest first, greatest first and unsorted. The clicked column becomes current. An edit the
// host keeps open refuses the sort before any of that changes: arrows, order and current column stay.
bool RuzuZiriPrivate::SortByHeader(int Col, qint16 Shift)
{
    const int col = ColumnAt(Col);
    const Lifeline self(q);
    if (!q->UpdateCell(false) && (!self.Alive() || m_Edit.EditOpen()))
        return self.Alive() && RepaintHeaders();
    if (m_Model.LastRow() < 0 || ColumnAt(Col) != col)
        return RepaintHeaders();
    if ((Shift & ShiftKey::Ctrl) && m_Sort.m_SortCol != -1) {
        if (m_Sort.m_SortSubCol != -1 && m_Sort.m_SortSubCol != col)
            m_Model.SetColumnField(m_Sort.m_SortSubCol, &udtColumn::SortOrder, 0);
        m_Sort.m_SortSubCol = col;
        q->Sort(-1, m_Model.Columns()[size_t(m_Sort.m_SortCol)].SortOrder, -1, -1);
    } else {
        if (col != m_Sort.m_SortCol) {
            if (m_Sort.m_SortCol != -1)
                m_Model.SetColumnField(m_Sort.m_SortCol, &udtColumn::SortOrder, 0);
            m_Sort.m_SortSubCol = -1;
        }
        m_Sort.m_SortCol = col;
        const int subOrder = m_Sort.m_SortSubCol != -1 ? m_Model.Columns()[size_t(m_Sort.m_SortSubCol)].SortOrder : -1;
        q->Sort(col, -1, -1, subOrder);
    }
    if (!self.Alive())
        return false;
    if (m_Model.IsColumn(col))
        q->RowColSet(-1, col);
    return self.Alive();
}

// Every button: a button cell and a hand cell report their click; what the press pressed in the
// header looks as before.
bool RuzuZiriPrivate::ReleaseEnd(int DownRow)
{
    if (IsCell(m_Input.m_MouseRow, m_Input.m_MouseCol) && !IsRowLockedAt(m_Input.m_MouseRow)) {
        const int row = m_Input.m_MouseRow;
        const int col = ColumnAt(m_Input.m_MouseCol);
        if (m_Model.Columns()[size_t(col)].ColType == ColTypeButton) {
            if (!DrawGrid(m_Painter.m_Paint) || !Raise(&RuzuZiri::CellButtonClick, row, col))
                return false;
        }
        if (UCMousePointer() && IsCell(row, m_Input.m_MouseCol)) {
            qint16 shift = m_Input.m_MouseShift;
            if (!Raise(&RuzuZiri::CellHandClick, row, ColumnAt(m_Input.m_MouseCol), shift))
                return false;
            m_Input.m_MouseShift = shift;
        }
    } else if (DownRow == -1 && !DrawGrid(m_Painter.m_Paint)) {
        return false;
    }
    if (DownRow == -1)
        RepaintHeaders();
    return true;
}

} // namespace Tarvex
