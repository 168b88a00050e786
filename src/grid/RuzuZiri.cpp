#include "grid/RuzuZiri.h"

namespace Tarvex {

RuzuZiri::RuzuZiri(QWidget* parent)
    : UserControl(parent)
{
    Initialize();
    ApplyTheme();
    CalcMetrics();
    AttachScrollBars();
    ShowBorder();
}

RuzuZiri::~RuzuZiri()
{
    Terminate();
    ReleaseWaitingScrollBars();
}

// The look a cell has before anything was set on it: the control's own colours and font.
CellLook RuzuZiri::ControlLook() const
{
    return { m_Colors.m_BackColor, m_Colors.m_ForeColor, font().family(), false, 0 };
}

// A negative row stands for the current row (0 without one) and a row past the last for the last
// row; a negative column for the current column (0 without one). A column past the last, or a grid
// without rows, makes the member that asked do nothing.
bool RuzuZiri::FixRef(int& vRow, int& vCol) const
{
    const int last = m_Model.LastRow();
    if (last < 0)
        return false;
    if (vRow < 0)
        vRow = m_Row >= 0 ? m_Row : 0;
    if (vRow > last)
        vRow = last;
    if (vCol < 0)
        vCol = m_Model.IsColumn(m_Col) ? m_Model.ColOrder()[size_t(m_Col)] : 0;
    return m_Model.IsColumn(vCol) && m_Model.IsRowPosition(vRow);
}

// Reading the last row for a row past it is harmless; writing there would overwrite another row.
bool RuzuZiri::FixWriteRef(int& vRow, int& vCol) const
{
    return vRow <= m_Model.LastRow() && FixRef(vRow, vCol);
}

const udtCell* RuzuZiri::CellRef(int& vRow, int& vCol) const
{
    return FixRef(vRow, vCol) ? &m_Model.CellAt(vRow, vCol) : nullptr;
}

} // namespace Tarvex
