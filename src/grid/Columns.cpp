#include "grid/RuzuZiri.h"

#include <cmath>

namespace Tarvex {

// Every column property has one shape: a column that does not exist reads as the empty value and
// ignores writes; a field that changes what shows repaints.
template <typename Field>
Field RuzuZiri::ColumnField(int vCol, Field udtColumn::*Member) const
{
    return m_Model.IsColumn(vCol) ? m_Model.Columns()[vCol].*Member : Field();
}

template <typename Field, typename Value>
void RuzuZiri::ColumnField(int vCol, Field udtColumn::*Member, const Value& New_Value, ColumnChange Change)
{
    if (!m_Model.IsColumn(vCol))
        return;
    m_Model.SetColumnField(vCol, Member, New_Value);
    if (Change == Repaint)
        DrawGrid(m_Paint);
}

int RuzuZiri::AddColumn(const QString& Caption, float Width, int Alignment, int DataType, const QString& Format,
                        const QString& InputFilter, int ImageAlignment, bool WordWrap, int Index, bool bVisible,
                        bool bLocked)
{
    // A width that is not a number would spread to every column through ColForceFit.
    if (!std::isfinite(Width + 1.0f))
        return -1;
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
    return ColumnField(vCol, &udtColumn::Alignment);
}

void RuzuZiri::ColAlignment(int vCol, int New_ColAlignment)
{
    ColumnField(vCol, &udtColumn::Alignment, New_ColAlignment, Repaint);
}

int RuzuZiri::ColImageAlignment(int vCol) const
{
    return ColumnField(vCol, &udtColumn::ImageAlignment);
}

void RuzuZiri::ColImageAlignment(int vCol, int New_ColImageAlignment)
{
    ColumnField(vCol, &udtColumn::ImageAlignment, New_ColImageAlignment, Repaint);
}

QString RuzuZiri::ColFormat(int vCol) const
{
    return ColumnField(vCol, &udtColumn::Format);
}

void RuzuZiri::ColFormat(int vCol, const QString& New_ColFormat)
{
    ColumnField(vCol, &udtColumn::Format, New_ColFormat, Repaint);
}

QString RuzuZiri::ColHeading(int vCol) const
{
    return ColumnField(vCol, &udtColumn::Heading);
}

void RuzuZiri::ColHeading(int vCol, const QString& New_ColHeading)
{
    ColumnField(vCol, &udtColumn::Heading, New_ColHeading, Repaint);
}

QString RuzuZiri::ColInputFilter(int vCol) const
{
    return ColumnField(vCol, &udtColumn::InputFilter);
}

void RuzuZiri::ColInputFilter(int vCol, const QString& New_ColInputFilter)
{
    ColumnField(vCol, &udtColumn::InputFilter, New_ColInputFilter, StoreOnly);
}

QString RuzuZiri::ColTag(int vCol) const
{
    return ColumnField(vCol, &udtColumn::Tag);
}

void RuzuZiri::ColTag(int vCol, const QString& New_ColTag)
{
    ColumnField(vCol, &udtColumn::Tag, New_ColTag, StoreOnly);
}

int RuzuZiri::ColType(int vCol) const
{
    return ColumnField(vCol, &udtColumn::ColType);
}

void RuzuZiri::ColType(int vCol, int New_ColType)
{
    ColumnField(vCol, &udtColumn::ColType, New_ColType, StoreOnly);
}

bool RuzuZiri::ColVisible(int vCol) const
{
    return m_Model.IsColumn(vCol) && m_Model.Columns()[vCol].Visible;
}

void RuzuZiri::ColVisible(int vCol, bool New_ColVisible)
{
    ColumnField(vCol, &udtColumn::Visible, New_ColVisible, Repaint);
}

// While a pointer interaction holds the current column, every column answers locked so that the
// editor and navigation leave it alone.
bool RuzuZiri::ColLocked(int vCol) const
{
    if (vCol == -1 || m_ColHold)
        return true;
    return m_Model.IsColumn(vCol) && m_Model.Columns()[vCol].Locked;
}

void RuzuZiri::ColLocked(int vCol, bool New_ColLocked)
{
    ColumnField(vCol, &udtColumn::Locked, New_ColLocked, Repaint);
}

bool RuzuZiri::ColWordWrap(int vCol) const
{
    return m_Model.IsColumn(vCol) && IsFlagSet(m_Model.Columns()[vCol].Flags, CellFlagWordWrap);
}

void RuzuZiri::ColWordWrap(int vCol, bool New_ColWordWrap)
{
    if (!m_Model.IsColumn(vCol))
        return;
    qint16 flags = m_Model.Columns()[vCol].Flags;
    SetFlagBit(flags, CellFlagWordWrap, New_ColWordWrap);
    m_Model.SetColumnField(vCol, &udtColumn::Flags, flags);
}

float RuzuZiri::ColWidth(int vCol) const
{
    return ColumnField(vCol, &udtColumn::Width);
}

void RuzuZiri::ColWidth(int vCol, float New_ColWidth)
{
    if (!m_Model.IsColumn(vCol) || !std::isfinite(New_ColWidth))
        return;
    m_Model.SetColumnField(vCol, &udtColumn::Width, New_ColWidth);
    m_Model.SetColumnField(vCol, &udtColumn::WidthPx, PixelsFromScaleUnits(New_ColWidth));
    DrawGrid(m_Paint);
}

int RuzuZiri::Col() const
{
    if (m_Model.Cols() == 0)
        return 0;
    return m_Model.IsColumn(m_Col) ? m_Model.ColOrder()[m_Col] : -1;
}

void RuzuZiri::Col(int New_Col)
{
    if (!m_Model.IsColumn(New_Col))
        return;
    const Lifeline self(this);
    RowColSet(m_Row, New_Col);
    if (self.Alive())
        DrawGrid(m_Paint);
}

void RuzuZiri::BindControl(int vCol, QObject* Ctrl, int MoveControl)
{
    if (!m_Model.IsColumn(vCol))
        return;
    m_Model.SetColumnField(vCol, &udtColumn::Control, Ctrl);
    m_Model.SetColumnField(vCol, &udtColumn::MoveControl, MoveControl);
}

} // namespace Tarvex
