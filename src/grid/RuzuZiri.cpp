#include "grid/RuzuZiri.h"

namespace Tarvex {

RuzuZiri::RuzuZiri(QWidget* parent)
    : UserControl(parent)
{
    Initialize();
    ApplyTheme();
    CalcMetrics();
}

RuzuZiri::~RuzuZiri()
{
    Terminate();
}

// The look a cell has before anything was set on it: the control's own colours and font.
CellLook RuzuZiri::ControlLook() const
{
    return { m_Colors.m_BackColor, m_Colors.m_ForeColor, font().family(), false, 0 };
}

// -1 stands for the current row or column (0 when there is none); any other number must name an
// existing row position and column, otherwise the member that asked does nothing.
bool RuzuZiri::FixRef(int& vRow, int& vCol) const
{
    if (m_Model.LastRow() < 0)
        return false;
    if (vRow == -1)
        vRow = m_Row >= 0 ? m_Row : 0;
    if (vCol == -1)
        vCol = m_Model.IsColumn(m_Col) ? m_Model.ColOrder()[m_Col] : 0;
    return m_Model.IsRowPosition(vRow) && m_Model.IsColumn(vCol);
}

const udtCell* RuzuZiri::CellRef(int& vRow, int& vCol) const
{
    return FixRef(vRow, vCol) ? &m_Model.CellAt(vRow, vCol) : nullptr;
}

} // namespace Tarvex
