#include "grid/RuzuZiriPrivate.h"

#include <QComboBox>

// A host's control bound to a column (BindControl) edits its cells instead of txtEdit. It lives in
// the grid's container while the edit is open, over the cell, and goes back to its own afterwards.
// The grid does not write the cell's text into it; the host fills the value in AfterEdit.

namespace Tarvex {

namespace {

enum MoveBit { MoveHeight = 1, MoveWidth = 2, MoveLeft = 4, MoveTop = 8 };

// The grid's container, where its own position is; a grid without one holds the control itself.
QWidget* ContainerOf(QWidget& Grid)
{
    return Grid.parentWidget() ? Grid.parentWidget() : &Grid;
}

// What is left of an edit once its bound control went home: a hiding edit is over, any other goes
// on in the grid's own stage of it.
EditStage Unbound(EditStage Stage)
{
    switch (Stage) {
    case EditStage::ShowingBound: return EditStage::ShowingText;
    case EditStage::OpenBound: return EditStage::OpenText;
    case EditStage::CommittingBound: return EditStage::CommittingText;
    case EditStage::HidingBound: return EditStage::Closed;
    default: return Stage;
    }
}

} // namespace

void RuzuZiriPrivate::ShowBoundEditor()
{
    QWidget* control = m_Edit.m_EditControl;
    const int col = EditColumn();
    const udtColumn& column = m_Model.Columns()[size_t(col)];
    const QFont font = CellFont(EditorFontSize(control->font()), column, m_Model.RowAt(m_Edit.m_EditRow),
                                m_Model.CellAt(m_Edit.m_EditRow, col));

    QWidget* container = ContainerOf(*q);
    m_Edit.m_EditParent = nullptr;
    if (control->parentWidget() != container) {
        m_Edit.m_EditParent = control->parentWidget();
        control->setParent(container);
    }
    ColorEditor(*control);
    control->setFont(font);
    PositionEditor();
    control->setEnabled(true);
    const Lifeline self(q);
    control->show();
    if (!self.Alive() || !m_Edit.m_EditControl)
        return;
    control->raise();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->showPopup();
    control->setFocus();
}

// Only the geometry that the column's MoveControl bits name, in the container's pixels. A combo box
// keeps the height of its selection field a grid line inside the row, as its list hangs below.
void RuzuZiriPrivate::PlaceBoundEditor(const Rect& Extent, int Top, int Height)
{
    QWidget* control = m_Edit.m_EditControl;
    const int col = EditColumn();
    if (!control || col < 0)
        return;
    const int move = m_Model.Columns()[size_t(col)].MoveControl;
    QWidget* container = control->parentWidget();
    QPoint origin = ClientOrigin();
    if (container && container != q)
        origin = container->isAncestorOf(q) ? q->mapTo(container, origin) : container->mapFromGlobal(q->mapToGlobal(origin));
    const int left = Saturated(double(origin.x()) + Extent.Left);
    const int top = Saturated(double(origin.y()) + Top);
    const int width = std::max(Saturated(double(Extent.Right) - Extent.Left), 0);

    if (move & MoveLeft)
        control->move(left, control->y());
    if (move & MoveTop)
        control->move(control->x(), top);
    if (!qobject_cast<QComboBox*>(control)) {
        if (move & MoveHeight)
            control->resize(control->width(), std::max(Height, 0));
        if (move & MoveWidth)
            control->resize(width, control->height());
        return;
    }
    if (move & MoveWidth)
        control->resize(width, control->height());
    if (move & MoveHeight)
        control->resize(control->width(), std::max(Saturated(double(Height) - m_Settings.m_GridLineWidth), 0));
}

// A control that had no container of its own does not stay inside the grid either: the grid would
// take it along when it goes.
void RuzuZiriPrivate::HideBoundEditor()
{
    if (QWidget* control = m_Edit.m_EditControl) {
        if (auto* combo = qobject_cast<QComboBox*>(control))
            combo->hidePopup();
        control->hide();
        if (m_Edit.m_EditParent || control->parentWidget() == q)
            control->setParent(m_Edit.m_EditParent);
    }
    m_Edit.m_EditControl = nullptr;
    m_Edit.m_EditParent = nullptr;
    m_Edit.m_EditStage = Unbound(m_Edit.m_EditStage);
}

} // namespace Tarvex
