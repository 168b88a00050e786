#include "grid/RuzuZiriPrivate.h"

#include "grid/editor/LetterCase.h"

#include <tarvex/platform/OleColor.h>

#include <QLineEdit>
#include <QPalette>

#include <algorithm>

// The in-place editor: txtEdit, or the host's control bound to the column (editor/BoundEditor.cpp),
// opened over one cell. Its keys come in through editor/EditorInput.cpp; the commit is
// editor/EditorCommit.cpp.

namespace Tarvex {

namespace {

// Cell alignments are text-drawing flags: horizontal 0 left, 1 centre, 2 right, plus 4 or 8 for the
// vertical placement. The editor keeps the horizontal part; what it does not know aligns right.
Qt::Alignment EditorAlignment(int CellAlignment)
{
    switch (CellAlignment) {
    case 1:
    case 5:
    case 9: return Qt::AlignHCenter | Qt::AlignVCenter;
    case 0:
    case 4:
    case 8: return Qt::AlignLeft | Qt::AlignVCenter;
    default: return Qt::AlignRight | Qt::AlignVCenter;
    }
}

} // namespace

int RuzuZiriPrivate::EditColumn() const
{
    return m_Model.IsColumn(m_Edit.m_EditColumn) ? m_Edit.m_EditColumn : -1;
}

CellToEdit RuzuZiriPrivate::HoldCellToEdit(int Row, int Col)
{
    return { m_Model.FollowRecord(Row), Row, Col, ColumnAt(Col), m_Current.m_CellMoves };
}

// The same row and column still show where they were asked for, and the current cell stayed.
bool RuzuZiriPrivate::StillToEdit(const CellToEdit& Cell) const
{
    return IsCell(Cell.Row, Cell.Col) && *Cell.Record == m_Model.RowOrder()[size_t(Cell.Row)]
        && ColumnAt(Cell.Col) == Cell.Column && m_Current.m_CellMoves == Cell.CellMoves;
}

// Rows sorted, inserted or removed and columns moved since the edit opened change where the cell
// shows, not which cell it is.
bool RuzuZiriPrivate::FindEditedCell()
{
    const int row = m_Model.PositionOfRecord(m_Edit.m_EditRecord ? *m_Edit.m_EditRecord : -1, m_Edit.m_EditRow);
    if (row < 0 || EditColumn() < 0)
        return false;
    m_Edit.m_EditRow = row;
    if (ColumnAt(m_Edit.m_EditCol) != m_Edit.m_EditColumn)
        m_Edit.m_EditCol = FindColPosition(m_Edit.m_EditColumn);
    return true;
}

bool RuzuZiriPrivate::DropLostEdit()
{
    CloseCellEditor();
    return false;
}

// Row and Col are display positions. An open edit is committed first. Its handlers, or those of
// BeforeEdit, may remove the cell asked for, move it or the current cell: nothing opens then. Any
// other change (a row appended, a column added) leaves the cell to edit as it was.
void RuzuZiriPrivate::OpenCellEditor(int Row, int Col)
{
    const CellToEdit cell = HoldCellToEdit(Row, Col);
    if (m_Edit.EditOpen() && (!q->UpdateCell(false) || !StillToEdit(cell)))
        return;
    if (!CanEdit() || !StillToEdit(cell))
        return;
    if (m_Model.Columns()[size_t(cell.Column)].ColType == ColTypeCheckBox)
        return;
    const auto stillToEdit = [&] { return StillToEdit(cell) && !m_Edit.EditOpen(); };
    if (AskHost(stillToEdit, &RuzuZiri::BeforeEdit, Row, cell.Column) != HostAnswer::Proceed)
        return;

    m_Edit.m_EditCol = Col;
    m_Edit.m_EditRow = Row;
    m_Edit.m_EditColumn = cell.Column;
    m_Edit.m_EditRecord = cell.Record;
    m_Edit.m_EditControl = qobject_cast<QWidget*>(m_Model.Columns()[size_t(cell.Column)].Control.data());
    m_Edit.m_EditStage = m_Edit.m_EditControl ? EditStage::ShowingBound : EditStage::ShowingText;
    const Lifeline self(q);
    if (m_Edit.EditBound())
        ShowBoundEditor();
    else
        ShowTextEditor();
    // Focus handlers run on the way, and a host's control shows with its own code.
    if (!self.Alive())
        return;
    if (!FindEditedCell()) {
        CloseCellEditor();
        return;
    }
    m_Edit.m_EditStage = m_Edit.InEditor(EditStage::OpenText, EditStage::OpenBound);
    if (m_Edit.m_EditRow != Row || m_Edit.m_EditCol != Col)
        PositionEditor();
}

// Pixels of the grid: the left and right edges of the column, the row's top and height inside its
// grid lines.
void RuzuZiriPrivate::PositionEditor()
{
    if (!FindEditedCell())
        return;
    Rect extent;
    GetColumnExtent(m_Edit.m_EditCol, extent);
    if (!HasImages(m_Edit.m_EditCol != 0))
        extent.Left = Saturated(double(extent.Left) + m_Settings.m_GridLineWidth);
    const int top = Saturated(double(RowTop(m_Edit.m_EditRow)) + m_Settings.m_GridLineWidth);
    const int height = Saturated(double(m_Model.RowAt(m_Edit.m_EditRow).Height) - m_Settings.m_GridLineWidth);
    if (m_Edit.EditBound()) {
        PlaceBoundEditor(extent, top, height);
        return;
    }
    const QPoint origin = ClientOrigin();
    m_Edit.txtEdit->setGeometry(Saturated(double(origin.x()) + extent.Left), Saturated(double(origin.y()) + top),
                         std::max(Saturated(double(extent.Right) - extent.Left), 0), std::max(height, 0));
}

// The text box takes the cell's look and text, all of it selected, and the keyboard focus. It stays
// under the scroll bars, which cover a cell that reaches beneath them.
void RuzuZiriPrivate::ShowTextEditor()
{
    const int col = EditColumn();
    const udtColumn& column = m_Model.Columns()[size_t(col)];
    const udtRow& row = m_Model.RowAt(m_Edit.m_EditRow);
    const udtCell& cell = row.Cells[size_t(col)];
    const QString text = row.Cells.Text(size_t(col));
    const QFont font = CellFont(EditorFontSize(q->font()), column, row, cell);
    const Qt::Alignment alignment = EditorAlignment(cell.Alignment);
    m_Edit.m_EditCase->Forced(LetterCase::FromInputFilter(column.InputFilter));

    PositionEditor();
    ColorEditor(*m_Edit.txtEdit);
    m_Edit.txtEdit->setFont(font);
    m_Edit.txtEdit->setAlignment(alignment);
    m_Edit.txtEdit->setText(text);
    m_Edit.txtEdit->selectAll();
    m_Edit.txtEdit->show();
    m_Edit.txtEdit->setFocus();
}

QFont RuzuZiriPrivate::EditorFontSize(QFont Font) const
{
    const QFont& grid = q->font();
    if (grid.pixelSize() > 0)
        Font.setPixelSize(grid.pixelSize());
    else
        Font.setPointSizeF(grid.pointSizeF());
    return Font;
}

// Both editors take ForeColorEdit and BackColorEdit in every role a text field or a button-like
// control paints its text and ground with.
void RuzuZiriPrivate::ColorEditor(QWidget& Editor) const
{
    const QColor fore = TranslateOleColor(OleColor(m_Settings.m_Colors.m_ForeColorEdit), q->palette());
    const QColor back = TranslateOleColor(OleColor(m_Settings.m_Colors.m_BackColorEdit), q->palette());
    QPalette colours = Editor.palette();
    for (const QPalette::ColorRole role : { QPalette::Text, QPalette::WindowText, QPalette::ButtonText })
        colours.setColor(role, fore);
    for (const QPalette::ColorRole role : { QPalette::Base, QPalette::Window, QPalette::Button })
        colours.setColor(role, back);
    Editor.setPalette(colours);
}

// Whether editing is possible at all; an open edit is committed, else the current cell opens.
bool RuzuZiriPrivate::BeginOrCommitEdit(bool bAllowMove)
{
    if (!CanEdit())
        return false;
    const Lifeline self(q);
    if (m_Edit.EditOpen())
        q->UpdateCell(bAllowMove);
    else if (m_Current.m_Row != -1 && m_Current.m_Col != -1)
        OpenCellEditor(m_Current.m_Row, m_Current.m_Col);
    return self.Alive();
}

} // namespace Tarvex
