#include "grid/RuzuZiriPrivate.h"

#include "grid/model/NumberParsing.h"

namespace Tarvex {

// The fonts start as the host's; the records give every other field its default.
RuzuZiriPrivate::RuzuZiriPrivate(RuzuZiri* Owner)
    : q(Owner)
{
    m_Settings.m_Font = m_Settings.m_FontHeader = q->AmbientFont();
}

RuzuZiri::RuzuZiri(QWidget* parent)
    : UserControl(parent)
    , d(std::make_unique<RuzuZiriPrivate>(this))
{
    // Tab and a click give the grid the keyboard, as they do any widget of a form.
    setFocusPolicy(Qt::StrongFocus);
    d->Initialize();
    d->ApplyTheme();
    d->CalcMetrics();
    d->AttachScrollBars();
    d->AttachMessageHook();
    d->AttachMouse();
    d->ShowBorder();
}

// The children's event filters, timers and connections point into the private side: they go while
// it still stands, not after it, as Qt would take them.
RuzuZiri::~RuzuZiri()
{
    d->Terminate();
    d->ReleaseWaitingScrollBars();
    while (!children().isEmpty())
        delete children().constLast();
}

// The look a cell has before anything was set on it: the control's own colours and font.
CellLook RuzuZiriPrivate::ControlLook() const
{
    return { m_Settings.m_Colors.m_BackColor, m_Settings.m_Colors.m_ForeColor, q->font().family(), false, 0 };
}

// A negative row stands for the current row (0 without one) and a row past the last for the last
// row; a negative column for the current column (0 without one). A column past the last, or a grid
// without rows, makes the member that asked do nothing.
bool RuzuZiriPrivate::FixRef(int& vRow, int& vCol) const
{
    const int last = m_Model.LastRow();
    if (last < 0)
        return false;
    if (vRow < 0)
        vRow = m_Current.m_Row >= 0 ? m_Current.m_Row : 0;
    if (vRow > last)
        vRow = last;
    if (vCol < 0)
        vCol = m_Model.IsColumn(m_Current.m_Col) ? m_Model.ColOrder()[size_t(m_Current.m_Col)] : 0;
    return m_Model.IsColumn(vCol) && m_Model.IsRowPosition(vRow);
}

// Reading the last row for a row past it is harmless; writing there would overwrite another row.
bool RuzuZiriPrivate::FixWriteRef(int& vRow, int& vCol) const
{
    return vRow <= m_Model.LastRow() && FixRef(vRow, vCol);
}

const udtCell* RuzuZiriPrivate::CellRef(int& vRow, int& vCol) const
{
    return FixRef(vRow, vCol) ? &m_Model.CellAt(vRow, vCol) : nullptr;
}

double RuzuZiri::rVal(const QString& vString)
{
    return Tarvex::rVal(vString);
}

} // namespace Tarvex
