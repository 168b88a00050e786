#include "grid/RuzuZiri.h"

namespace Tarvex {

int RuzuZiri::AddColumn(const QString& Caption, float Width, int Alignment, int DataType, const QString& Format,
                        const QString& InputFilter, int ImageAlignment, bool WordWrap, int Index, bool bVisible,
                        bool bLocked)
{
    udtColumn column;
    column.Heading = Caption;
    column.Width = Width + 1.0f;
    column.WidthPx = PixelsFromScaleUnits(column.Width);
    column.Alignment = Alignment;
    column.ImageAlignment = ImageAlignment;
    column.ColType = static_cast<qint16>(DataType);
    column.Format = Format;
    column.InputFilter = InputFilter;
    if (InputFilter.isEmpty() && DataType == ColTypeNumber)
        column.InputFilter = QStringLiteral("1234567890.-,");
    else if (InputFilter.isEmpty() && DataType == ColTypeDate)
        column.InputFilter = QStringLiteral("1234567890./-");
    column.Flags = WordWrap ? CellFlagWordWrap : 0;
    column.Visible = bVisible;
    column.Locked = bLocked;

    EnablePaint(false);
    const int position = m_Model.AddColumn(column, Index, ControlLook());
    EnablePaint(true);
    RefreshIfRedraw();
    return position;
}

int RuzuZiri::ColAlignment(int vCol) const
{
    return m_Model.IsColumn(vCol) ? m_Model.m_Columns[vCol].Alignment : 0;
}

void RuzuZiri::ColAlignment(int vCol, int New_ColAlignment)
{
    if (!m_Model.IsColumn(vCol))
        return;
    m_Model.m_Columns[vCol].Alignment = New_ColAlignment;
    DrawGrid(m_Paint);
}

int RuzuZiri::ColImageAlignment(int vCol) const
{
    return m_Model.IsColumn(vCol) ? m_Model.m_Columns[vCol].ImageAlignment : 0;
}

void RuzuZiri::ColImageAlignment(int vCol, int New_ColImageAlignment)
{
    if (!m_Model.IsColumn(vCol))
        return;
    m_Model.m_Columns[vCol].ImageAlignment = New_ColImageAlignment;
    DrawGrid(m_Paint);
}

QString RuzuZiri::ColFormat(int vCol) const
{
    return m_Model.IsColumn(vCol) ? m_Model.m_Columns[vCol].Format : QString();
}

void RuzuZiri::ColFormat(int vCol, const QString& New_ColFormat)
{
    if (!m_Model.IsColumn(vCol))
        return;
    m_Model.m_Columns[vCol].Format = New_ColFormat;
    DrawGrid(m_Paint);
}

QString RuzuZiri::ColHeading(int vCol) const
{
    return m_Model.IsColumn(vCol) ? m_Model.m_Columns[vCol].Heading : QString();
}

void RuzuZiri::ColHeading(int vCol, const QString& New_ColHeading)
{
    if (!m_Model.IsColumn(vCol))
        return;
    m_Model.m_Columns[vCol].Heading = New_ColHeading;
    DrawGrid(m_Paint);
}

QString RuzuZiri::ColInputFilter(int vCol) const
{
    return m_Model.IsColumn(vCol) ? m_Model.m_Columns[vCol].InputFilter : QString();
}

void RuzuZiri::ColInputFilter(int vCol, const QString& New_ColInputFilter)
{
    if (m_Model.IsColumn(vCol))
        m_Model.m_Columns[vCol].InputFilter = New_ColInputFilter;
}

QString RuzuZiri::ColTag(int vCol) const
{
    return m_Model.IsColumn(vCol) ? m_Model.m_Columns[vCol].Tag : QString();
}

void RuzuZiri::ColTag(int vCol, const QString& New_ColTag)
{
    if (m_Model.IsColumn(vCol))
        m_Model.m_Columns[vCol].Tag = New_ColTag;
}

int RuzuZiri::ColType(int vCol) const
{
    return m_Model.IsColumn(vCol) ? m_Model.m_Columns[vCol].ColType : 0;
}

void RuzuZiri::ColType(int vCol, int New_ColType)
{
    if (m_Model.IsColumn(vCol))
        m_Model.m_Columns[vCol].ColType = static_cast<qint16>(New_ColType);
}

bool RuzuZiri::ColVisible(int vCol) const
{
    return m_Model.IsColumn(vCol) && m_Model.m_Columns[vCol].Visible;
}

void RuzuZiri::ColVisible(int vCol, bool New_ColVisible)
{
    if (!m_Model.IsColumn(vCol))
        return;
    m_Model.m_Columns[vCol].Visible = New_ColVisible;
    DrawGrid(m_Paint);
}

// While a pointer interaction holds the current column, every column answers locked so that the
// editor and navigation leave it alone.
bool RuzuZiri::ColLocked(int vCol) const
{
    if (vCol == -1 || m_ColHold)
        return true;
    return m_Model.IsColumn(vCol) && m_Model.m_Columns[vCol].Locked;
}

void RuzuZiri::ColLocked(int vCol, bool New_ColLocked)
{
    if (!m_Model.IsColumn(vCol))
        return;
    m_Model.m_Columns[vCol].Locked = New_ColLocked;
    DrawGrid(m_Paint);
}

bool RuzuZiri::ColWordWrap(int vCol) const
{
    return m_Model.IsColumn(vCol) && IsFlagSet(m_Model.m_Columns[vCol].Flags, CellFlagWordWrap);
}

void RuzuZiri::ColWordWrap(int vCol, bool New_ColWordWrap)
{
    if (m_Model.IsColumn(vCol))
        SetFlagBit(m_Model.m_Columns[vCol].Flags, CellFlagWordWrap, New_ColWordWrap);
}

float RuzuZiri::ColWidth(int vCol) const
{
    return m_Model.IsColumn(vCol) ? m_Model.m_Columns[vCol].Width : 0.0f;
}

void RuzuZiri::ColWidth(int vCol, float New_ColWidth)
{
    if (!m_Model.IsColumn(vCol))
        return;
    udtColumn& column = m_Model.m_Columns[vCol];
    column.Width = New_ColWidth;
    column.WidthPx = PixelsFromScaleUnits(New_ColWidth);
    DrawGrid(m_Paint);
}

int RuzuZiri::Col() const
{
    if (m_Model.Cols() == 0)
        return 0;
    return m_Model.IsColumn(m_Col) ? m_Model.m_ColOrder[m_Col] : -1;
}

void RuzuZiri::Col(int New_Col)
{
    if (!m_Model.IsColumn(New_Col))
        return;
    RowColSet(m_Row, New_Col);
    DrawGrid(m_Paint);
}

void RuzuZiri::BindControl(int vCol, QObject* Ctrl, int MoveControl)
{
    if (!m_Model.IsColumn(vCol))
        return;
    udtColumn& column = m_Model.m_Columns[vCol];
    column.Control = Ctrl;
    column.MoveControl = static_cast<qint16>(MoveControl);
}

} // namespace Tarvex
