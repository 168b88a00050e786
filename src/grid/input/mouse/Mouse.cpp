#include "grid/RuzuZiriPrivate.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

// The grid surface's mouse: Qt's events become the platform's MouseDown, MouseMove, MouseUp, Click
// and DblClick in the grid's pixels, and each goes to its handler (input/mouse/MousePress.cpp,
// input/mouse/MouseMove.cpp, input/mouse/MouseRelease.cpp). The mouse state changes in SetMouseState alone; a
// press ends at its release (EndPress) or, when the release never comes, in LoseMouseAction.
//
//   press -> ClickSequence -> UserControl_MouseDown: selection, check boxes, header press, MouseDown
//   move -> UserControl_MouseMove: tip, hot header, border scan, drag by the mouse state, MouseMove
//   release -> UserControl_MouseUp: column drop, header sort, ColumnClick, MouseUp -> UserControl_Click
//   second press of a double click -> UserControl_DblClick

namespace Tarvex {

// Files dragged from a file manager may be dropped on a cell (UserControl_OLEDragDrop).
void RuzuZiriPrivate::AttachMouse()
{
    q->setAcceptDrops(true);
}

// Made at the first press: ClickSequence reports widget positions, which become the picture's here.
ClickSequence& RuzuZiriPrivate::Clicks()
{
    if (!m_Input.m_Clicks) {
        const auto client = [this](double X, double Y) { return QPointF(X, Y) - QPointF(ClientOrigin()); };
        m_Input.m_Clicks = std::make_unique<ClickSequence>(*q, 1.0,
            ClickSequence::Events {
                [this, client](int Button, int Shift, double X, double Y) {
                    const QPointF at = client(X, Y);
                    UserControl_MouseDown(qint16(Button), qint16(Shift), float(at.x()), float(at.y()));
                },
                [this, client](int Button, int Shift, double X, double Y) {
                    const QPointF at = client(X, Y);
                    UserControl_MouseUp(qint16(Button), qint16(Shift), float(at.x()), float(at.y()));
                },
                [this] { UserControl_Click(); },
                [this] { UserControl_DblClick(); },
            });
    }
    return *m_Input.m_Clicks;
}

void RuzuZiriPrivate::SetMouseState(MouseState New_State)
{
    m_Input.m_MouseState = New_State;
}

// The row under the pointer is the one above a row border the pointer is on.
std::pair<int, int> RuzuZiriPrivate::PointerCell(float X, float Y) const
{
    return { ColFromX(X), m_Model.IsRowPosition(m_Input.m_SizeRow) ? m_Input.m_SizeRow : RowFromY(Y) };
}

int RuzuZiriPrivate::HeaderColFromX(float X) const
{
    return X < RowNumberWidth() ? -1 : ColFromX(X);
}

bool RuzuZiriPrivate::IsRowLockedAt(int Row) const
{
    return m_Model.IsRowPosition(Row) && IsFlagSet(m_Model.RowAt(Row).Flags, RowFlagLocked);
}

// A box of the cell (its check box or its image), placed as the painter places it, edges included.
bool RuzuZiriPrivate::InsideBox(int Row, int Col, int Kind, int Width, int Height, float X, float Y) const
{
    const int top = RowTop(Row);
    if (!IsCell(Row, Col) || top < 0)
        return false;
    Rect box { 0, 0, 0, 0 };
    GetCellRect(Row, Col, top, box, Kind);
    return X >= box.Left && X <= double(box.Left) + Width && Y >= box.Top && Y <= double(box.Top) + Height;
}

bool RuzuZiriPrivate::RaiseMouseEvent(void (RuzuZiri::*Event)(qint16&, qint16&, float&, float&), qint16 Button,
                                      qint16 Shift, float X, float Y)
{
    return Raise(Event, Button, Shift, X, Y);
}

RuzuZiriPrivate::MousePress RuzuZiriPrivate::EndPress()
{
    const MousePress press { m_Input.m_MouseState, m_Input.m_DownCol, m_Input.m_SwapCol, m_Input.m_DragCol,
                             m_Input.m_SizeCol };
    SetMouseState(MouseState::None);
    m_Input.m_DownCol = m_Input.m_SwapCol = m_Input.m_DragCol = m_Input.m_SizeCol = -1;
    m_Input.m_DragSourceCol = m_Input.m_DragTargetCol = -1;
    HideDraggedHeader();
    m_Input.m_DragSelect = false;
    m_Input.m_DragAnchor = -1;
    StopAutoScroll();
    return press;
}

// The border a hover found stays: a press there is about to size it.
void RuzuZiriPrivate::LoseMouseAction()
{
    const MousePress pending { m_Input.m_MouseState, m_Input.m_DownCol, m_Input.m_SwapCol, m_Input.m_DragCol };
    if (!pending.Pending() && m_Input.m_AutoScrollDir == 0)
        return;
    EndPress();
    MousePointer(MousePointerShape::Default);
    UpdateScrollRanges();
    RepaintHeaders();
}

// The drag of a heading ends as any drag in Qt does: the column stays, and the release that follows
// reports nothing.
bool RuzuZiriPrivate::EscapeHeaderDrag()
{
    if (m_Input.m_DownCol == -1)
        return false;
    EndPress();
    SetMouseState(MouseState::Escaped);
    RepaintHeaders();
    return true;
}

// Qt reports the second press of a double click on its own; it starts nothing the first press has
// not started, but a host that opens a menu on MouseDown hears it as any press.
void RuzuZiriPrivate::UserControl_SecondPress(qint16 Button, qint16 Shift, float X, float Y)
{
    HideTip();
    CancelTip();
    m_Input.m_MouseShift = Shift;
    RaiseMouseEvent(&RuzuZiri::MouseDown, Button, Shift, X, Y);
}

// The header row alone, laid out anew: no hot, pressed or dragged cell stays.
bool RuzuZiriPrivate::RepaintHeaders()
{
    if (m_Painter.m_Paint && !m_Painter.m_Painting)
        DrawHeaders(false);
    return true;
}

// An edit opened by the click is on the current cell, which the press made the cell under the pointer.
// CellClick names the row the press or the drag made current: a drag may end beyond the rows or on
// a locked row.
void RuzuZiriPrivate::UserControl_Click()
{
    const Lifeline self(q);
    if (m_Model.IsRowPosition(m_Input.m_MouseRow) && !IsRowLockedAt(m_Input.m_MouseRow)
        && IsFlagSet(m_Settings.m_EditTrigger, EditTriggerBit::Click)) {
        BeginOrCommitEdit(false);
        if (!self.Alive())
            return;
    }
    if (m_Input.m_DownRow == -1)
        return;
    if (!Raise(&RuzuZiri::Click))
        return;
    qint16 shift = m_Input.m_MouseShift;
    if (Raise(&RuzuZiri::CellClick, m_Current.m_Row, m_Input.m_MouseCol, shift))
        m_Input.m_MouseShift = shift;
}

// The second press of a double click. A double click on a column border in the header fits the
// column to its texts instead.
void RuzuZiriPrivate::UserControl_DblClick()
{
    const Lifeline self(q);
    if (m_Model.IsRowPosition(m_Input.m_MouseRow) && !IsRowLockedAt(m_Input.m_MouseRow)
        && IsFlagSet(m_Settings.m_EditTrigger, EditTriggerBit::DoubleClick)) {
        RememberKey(KeyCode::F2);
        BeginOrCommitEdit(false);
        if (!self.Alive())
            return;
    }
    if (m_Input.m_DownRow == -1) {
        if (MousePointer() == MousePointerShape::SizeWE && m_Settings.m_AllowColumnResizing)
            FitColumnAtBorder();
        return;
    }
    Raise(&RuzuZiri::DblClick);
}

// The column fits its texts, and the host hears of it as of a border drag, whose release the second
// press's release then is: it names the fitted column, whatever lies under the pointer now.
bool RuzuZiriPrivate::FitColumnAtBorder()
{
    const int position = m_Input.m_MouseCol;
    const int col = ColumnAt(position);
    if (col < 0)
        return true;
    const int before = m_Model.Columns()[size_t(col)].WidthPx;
    const Lifeline self(q);
    q->ColWidthAutoSize(col);
    if (!self.Alive() || ColumnAt(position) != col)
        return self.Alive();
    SetMouseState(MouseState::ResizingColumn);
    m_Input.m_SizeCol = position;
    m_Input.m_SizeColLeft = int(m_Input.m_MouseAt.x()) - m_Model.Columns()[size_t(col)].WidthPx;
    return m_Model.Columns()[size_t(col)].WidthPx == before || ColumnSized(col);
}

// The first file of those dropped becomes the text, or the value, of the cell it was dropped on.
void RuzuZiriPrivate::UserControl_OLEDragDrop(const QMimeData& Data, float X, float Y)
{
    if (!m_Settings.m_AllowEdit || !Data.hasUrls() || Data.urls().isEmpty())
        return;
    const QUrl& first = Data.urls().constFirst();
    const QString name = first.isLocalFile() ? first.toLocalFile() : first.toString();
    const int col = ColumnAt(ColFromX(X));
    const int row = RowFromY(Y);
    if (col < 0 || row < 0)
        return;
    const int type = m_Model.Columns()[size_t(col)].ColType;
    if (type == ColTypeCheckBox || type == ColTypeNumber)
        q->CellValue(row, col, name);
    else
        q->CellText(row, col, name);
}

} // namespace Tarvex
