#include "grid/RuzuZiriPrivate.h"

#include <cmath>

namespace Tarvex {

// Every column property has one shape: a column that does not exist reads as the empty value and
// ignores writes; a field that changes what shows repaints.
template <typename Field>
Field RuzuZiriPrivate::ColumnField(int vCol, Field udtColumn::*Member) const
{
    return m_Model.IsColumn(vCol) ? m_Model.Columns()[vCol].*Member : Field();
}

template <typename Field, typename Value>
void RuzuZiriPrivate::ColumnField(int vCol, Field udtColumn::*Member, const Value& New_Value, ColumnChange Change)
{
    if (!m_Model.IsColumn(vCol))
        return;
    m_Model.SetColumnField(vCol, Member, New_Value);
    if (Change == ColumnChange::Repaint)
        DrawGrid(m_Painter.m_Paint);
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
    column.WidthPx = d->PixelsFromScaleUnits(column.Width);
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

    d->EnablePaint(false);
    const int position = d->m_Model.AddColumn(column, Index, d->ControlLook());
    d->EnablePaint(true);
    d->RefreshIfRedraw();
    return position;
}

int RuzuZiri::ColAlignment(int vCol) const
{
    return d->ColumnField(vCol, &udtColumn::Alignment);
}

void RuzuZiri::ColAlignment(int vCol, int New_ColAlignment)
{
    d->ColumnField(vCol, &udtColumn::Alignment, New_ColAlignment, ColumnChange::Repaint);
}

int RuzuZiri::ColImageAlignment(int vCol) const
{
    return d->ColumnField(vCol, &udtColumn::ImageAlignment);
}

void RuzuZiri::ColImageAlignment(int vCol, int New_ColImageAlignment)
{
    d->ColumnField(vCol, &udtColumn::ImageAlignment, New_ColImageAlignment, ColumnChange::Repaint);
}

QString RuzuZiri::ColFormat(int vCol) const
{
    return d->ColumnField(vCol, &udtColumn::Format);
}

void RuzuZiri::ColFormat(int vCol, const QString& New_ColFormat)
{
    d->ColumnField(vCol, &udtColumn::Format, New_ColFormat, ColumnChange::Repaint);
}

QString RuzuZiri::ColHeading(int vCol) const
{
    return d->ColumnField(vCol, &udtColumn::Heading);
}

void RuzuZiri::ColHeading(int vCol, const QString& New_ColHeading)
{
    d->ColumnField(vCol, &udtColumn::Heading, New_ColHeading, ColumnChange::Repaint);
}

QString RuzuZiri::ColInputFilter(int vCol) const
{
    return d->ColumnField(vCol, &udtColumn::InputFilter);
}

void RuzuZiri::ColInputFilter(int vCol, const QString& New_ColInputFilter)
{
    d->ColumnField(vCol, &udtColumn::InputFilter, New_ColInputFilter, ColumnChange::StoreOnly);
}

QString RuzuZiri::ColTag(int vCol) const
{
    return d->ColumnField(vCol, &udtColumn::Tag);
}

void RuzuZiri::ColTag(int vCol, const QString& New_ColTag)
{
    d->ColumnField(vCol, &udtColumn::Tag, New_ColTag, ColumnChange::StoreOnly);
}

int RuzuZiri::ColType(int vCol) const
{
    return d->ColumnField(vCol, &udtColumn::ColType);
}

void RuzuZiri::ColType(int vCol, int New_ColType)
{
    d->ColumnField(vCol, &udtColumn::ColType, New_ColType, ColumnChange::StoreOnly);
}

bool RuzuZiri::ColVisible(int vCol) const
{
    return d->m_Model.IsColumn(vCol) && d->m_Model.Columns()[vCol].Visible;
}

void RuzuZiri::ColVisible(int vCol, bool New_ColVisible)
{
    d->ColumnField(vCol, &udtColumn::Visible, New_ColVisible, ColumnChange::Repaint);
}

// While a pointer interaction holds the current column, every column answers locked so that the
// editor and navigation leave it alone.
bool RuzuZiri::ColLocked(int vCol) const
{
    if (vCol == -1 || d->m_Current.m_ColHold)
        return true;
    return d->m_Model.IsColumn(vCol) && d->m_Model.Columns()[vCol].Locked;
}

void RuzuZiri::ColLocked(int vCol, bool New_ColLocked)
{
    d->ColumnField(vCol, &udtColumn::Locked, New_ColLocked, ColumnChange::Repaint);
}

bool RuzuZiri::ColWordWrap(int vCol) const
{
    return d->m_Model.IsColumn(vCol) && IsFlagSet(d->m_Model.Columns()[vCol].Flags, CellFlagWordWrap);
}

void RuzuZiri::ColWordWrap(int vCol, bool New_ColWordWrap)
{
    if (!d->m_Model.IsColumn(vCol))
        return;
    qint16 flags = d->m_Model.Columns()[vCol].Flags;
    SetFlagBit(flags, CellFlagWordWrap, New_ColWordWrap);
    d->m_Model.SetColumnField(vCol, &udtColumn::Flags, flags);
}

float RuzuZiri::ColWidth(int vCol) const
{
    return d->ColumnField(vCol, &udtColumn::Width);
}

void RuzuZiri::ColWidth(int vCol, float New_ColWidth)
{
    if (!d->m_Model.IsColumn(vCol) || !std::isfinite(New_ColWidth))
        return;
    d->m_Model.SetColumnField(vCol, &udtColumn::Width, New_ColWidth);
    d->m_Model.SetColumnField(vCol, &udtColumn::WidthPx, d->PixelsFromScaleUnits(New_ColWidth));
    d->DrawGrid(d->m_Painter.m_Paint);
}

int RuzuZiri::Col() const
{
    if (d->m_Model.Cols() == 0)
        return 0;
    return d->m_Model.IsColumn(d->m_Current.m_Col) ? d->m_Model.ColOrder()[d->m_Current.m_Col] : -1;
}

void RuzuZiri::Col(int New_Col)
{
    if (!d->m_Model.IsColumn(New_Col))
        return;
    const Lifeline self(this);
    RowColSet(d->m_Current.m_Row, New_Col);
    if (self.Alive())
        d->DrawGrid(d->m_Painter.m_Paint);
}

void RuzuZiri::BindControl(int vCol, QObject* Ctrl, int MoveControl)
{
    if (!d->m_Model.IsColumn(vCol))
        return;
    d->m_Model.SetColumnField(vCol, &udtColumn::Control, Ctrl);
    d->m_Model.SetColumnField(vCol, &udtColumn::MoveControl, MoveControl);
}

void RuzuZiri::ColWidthAutoSize(int vCol)
{
    // Each new width would repaint the grid; all of them are painted once, at the end. Even with
    // painting off a width lets pending events run, where a queued call may delete the grid.
    const Lifeline self(this);
    if (vCol != -1) {
        if (d->m_Model.IsColumn(vCol))
            d->AutoSizeColumn(vCol);
        if (self.Alive())
            d->UpdateScrollRanges();
        return;
    }
    d->EnablePaint(false);
    for (int c = 0; self.Alive() && c < d->m_Model.Cols(); ++c)
        d->AutoSizeColumn(c);
    if (!self.Alive())
        return;
    d->EnablePaint(true);
    d->UpdateScrollRanges();
    d->DrawGrid(d->m_Painter.m_Paint);
}

void RuzuZiri::ColForceFit()
{
    d->EnablePaint(false);
    double sum = 0;
    for (const udtColumn& column : d->m_Model.Columns())
        if (column.Visible)
            sum = std::nearbyint(sum + column.Width);
    if (sum != 0) {
        const Lifeline self(this);
        const double factor = VisibleWidth() / sum;
        for (int c = 0; c < d->m_Model.Cols(); ++c) {
            ColWidth(c, static_cast<float>(d->m_Model.Columns()[c].Width * factor));
            if (!self.Alive())
                return;
        }
    }
    d->m_Painter.m_PendingMetrics = true;
    d->EnablePaint(true);
    if (d->m_Painter.m_Redraw)
        Refresh();
}

} // namespace Tarvex
