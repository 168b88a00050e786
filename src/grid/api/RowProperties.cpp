#include "grid/RuzuZiriPrivate.h"

#include "platform/VariantTypes.h"

#include <algorithm>
#include <cmath>

namespace Tarvex {

int RuzuZiri::Row() const { return d->m_Current.m_Row; }

void RuzuZiri::Row(int New_Row)
{
    RowColSet(New_Row, -1);
}

// These two take the position as it is: -1 does not stand for the current row here.
bool RuzuZiri::RowAdded(int vRow) const
{
    return d->m_Model.IsRowPosition(vRow) && IsFlagSet(d->m_Model.RowAt(vRow).Flags, RowFlagNew);
}

bool RuzuZiri::RowChanged(int vRow) const
{
    return d->m_Model.IsRowPosition(vRow) && IsFlagSet(d->m_Model.RowAt(vRow).Flags, RowFlagChanged);
}

bool RuzuZiriPrivate::RowFlagBit(int vRow, qint32 Mask) const
{
    int col = -1;
    return FixRef(vRow, col) && IsFlagSet(m_Model.RowAt(vRow).Flags, Mask);
}

void RuzuZiriPrivate::RowFlagBit(int vRow, qint32 Mask, bool On)
{
    int col = -1;
    if (!FixWriteRef(vRow, col))
        return;
    m_Model.SetRowFlag(vRow, Mask, On);
    DrawGrid(m_Painter.m_Paint);
}

int RuzuZiri::Cols() const { return d->m_Model.Cols(); }

int RuzuZiri::ItemCount() const { return d->m_Model.ItemCount(); }

int RuzuZiri::CheckedCount() const
{
    return d->m_Model.CheckedCount();
}

bool RuzuZiri::RowChecked(int vRow) const { return d->RowFlagBit(vRow, RowFlagChecked); }
void RuzuZiri::RowChecked(int vRow, bool New_RowChecked) { d->RowFlagBit(vRow, RowFlagChecked, New_RowChecked); }
bool RuzuZiri::RowSelected(int vRow) const { return d->RowFlagBit(vRow, RowFlagSelected); }
void RuzuZiri::RowSelected(int vRow, bool New_RowSelected) { d->RowFlagBit(vRow, RowFlagSelected, New_RowSelected); }
void RuzuZiri::RowLocked(int vRow, bool New_RowLocked) { d->RowFlagBit(vRow, RowFlagLocked, New_RowLocked); }

// A grid without rows has nothing the current cell could move to, so it reads as locked.
bool RuzuZiri::RowLocked(int vRow) const
{
    int col = -1;
    if (!d->FixRef(vRow, col))
        return true;
    return d->m_Current.m_RowHold || IsFlagSet(d->m_Model.RowAt(vRow).Flags, RowFlagLocked);
}

int RuzuZiri::RowData(int vRow) const
{
    int col = -1;
    return d->FixRef(vRow, col) ? d->m_Model.RowAt(vRow).RowData : 0;
}

void RuzuZiri::RowData(int vRow, int New_RowData)
{
    int col = -1;
    if (d->FixWriteRef(vRow, col))
        d->m_Model.SetRowData(vRow, New_RowData);
}

QString RuzuZiri::RowTag(int vRow) const
{
    int col = -1;
    if (!d->FixRef(vRow, col))
        return {};
    const udtRow& row = d->m_Model.RowAt(vRow);
    return row.Extra ? row.Extra->Tag : QString();
}

void RuzuZiri::RowTag(int vRow, const QString& New_RowTag)
{
    int col = -1;
    if (d->FixWriteRef(vRow, col))
        d->m_Model.SetRowTag(vRow, New_RowTag);
}

qint16 RuzuZiri::RowGroupHeader(int vRow) const
{
    int col = -1;
    return d->FixRef(vRow, col) && d->m_Model.RowAt(vRow).GroupHeader ? -1 : 0;
}

void RuzuZiri::RowGroupHeader(int vRow, qint16 New_RowGroupHeader)
{
    int col = -1;
    if (d->FixWriteRef(vRow, col))
        d->m_Model.SetRowGroupHeader(vRow, New_RowGroupHeader != 0);
}

int RuzuZiri::RowHeight(int vRow) const
{
    int col = -1;
    return d->FixRef(vRow, col) ? d->m_Model.RowAt(vRow).Height : 0;
}

// -1 measures the addressed row's texts; any other value is rounded to whole pixels. A value that
// is no number or negative leaves the row as it was; one taller than a window is held to that.
void RuzuZiri::RowHeight(int vRow, float New_RowHeight)
{
    int col = -1;
    if (!d->FixWriteRef(vRow, col) || std::isnan(New_RowHeight))
        return;
    if (New_RowHeight == -1.0f) {
        d->CalcRowHeight(vRow);
    } else {
        const double pixels = std::nearbyint(double(New_RowHeight));
        if (pixels < 0)
            return;
        d->m_Model.SetRowHeight(vRow, qint32(std::min(pixels, double(MaxLayoutPixels))));
    }
    d->UpdateScrollRanges();
    d->DrawGrid(d->m_Painter.m_Paint);
}

QVariant RuzuZiri::RowImage(int vRow) const
{
    int col = -1;
    if (!d->FixRef(vRow, col))
        return {};
    const qint32 image = d->m_Model.RowAt(vRow).Image;
    if (image >= 0)
        return int(image);
    return d->m_Settings.m_ImageList ? QVariant(d->m_Settings.m_ImageList->Key(-image)) : QVariant();
}

// A key is kept as its negated index, so it still names the image after the list changed order.
void RuzuZiri::RowImage(int vRow, const QVariant& New_RowImage)
{
    int col = -1;
    if (!d->FixWriteRef(vRow, col))
        return;
    const int type = New_RowImage.typeId();
    if (IsIntegerType(type) || type == QMetaType::Double || type == QMetaType::Float) {
        const double index = std::nearbyint(New_RowImage.toDouble());
        if (!(index >= INT32_MIN && index <= INT32_MAX))
            return;
        d->m_Model.SetRowImage(vRow, qint32(index));
    } else {
        const int index = d->ImageIndexOfKey(New_RowImage.toString());
        if (index <= 0)
            return;
        d->m_Model.SetRowImage(vRow, -index);
    }
    d->DrawGrid(d->m_Painter.m_Paint);
}

// One repaint for the whole row instead of one per cell.
void RuzuZiriPrivate::EachCellOfRow(int vRow, const std::function<void(int Row, int Col)>& Change)
{
    int col = -1;
    if (!FixWriteRef(vRow, col))
        return;
    // Each cell's write still lets pending events run, and a queued call among them may delete the grid.
    const Lifeline self(q);
    EnablePaint(false);
    for (int c = 0; c < m_Model.Cols(); ++c) {
        Change(vRow, c);
        if (!self.Alive())
            return;
    }
    EnablePaint(true);
    DrawGrid(m_Painter.m_Paint);
}

void RuzuZiri::RowBackColor(int vRow, qint32 vNewValue)
{
    d->EachCellOfRow(vRow, [&](int Row, int Col) { CellBackColor(Row, Col, vNewValue); });
}

void RuzuZiri::RowForeColor(int vRow, qint32 vNewValue)
{
    d->EachCellOfRow(vRow, [&](int Row, int Col) { CellForeColor(Row, Col, vNewValue); });
}

void RuzuZiri::RowFontBold(int vRow, bool vNewValue)
{
    d->EachCellOfRow(vRow, [&](int Row, int Col) { CellFontBold(Row, Col, vNewValue); });
}

int RuzuZiri::SelectedCount() const { return d->m_Model.SelectedCount(); }

void RuzuZiri::SelectedClearAll()
{
    d->m_Model.ClearSelection();
}

int RuzuZiriPrivate::FindUnlockedRow(bool Backwards) const
{
    const int step = Backwards ? -1 : 1;
    const int last = m_Model.LastRow();
    int position = m_Current.m_Row + step;
    while (position >= 0 && position <= last) {
        const udtRow& row = m_Model.RowAt(position);
        if (row.Visible && !IsFlagSet(row.Flags, RowFlagLocked))
            return position;
        position += step;
    }
    return Backwards ? 0 : last;
}

int RuzuZiri::MultiSelect() const { return d->m_Settings.m_MultiSelect; }

void RuzuZiri::MultiSelect(int New_MultiSelect)
{
    d->m_Settings.m_MultiSelect = New_MultiSelect;
    if (!d->Notify(QStringLiteral("MultiSelect")))
        return;
    if (New_MultiSelect == MultiSelectMode::Off) {
        const Lifeline self(this);
        d->m_Model.ClearSelection();
        RowColSet(-1, -1);
        if (!self.Alive())
            return;
    }
    d->RefreshIfRedraw();
}

// vCol is a column number. A handler of the events raised on the way may clear, remove, sort or
// move the current cell itself; what it did stands and this call ends there.
void RuzuZiri::RowColSet(int vRow, int vCol)
{
    if (vCol != -1 && (!d->m_Model.IsColumn(vCol) || !d->m_Model.Columns()[size_t(vCol)].Visible))
        return;
    int col = vCol;
    if (!d->FixRef(vRow, col) || !d->m_Model.RowAt(vRow).Visible)
        return;
    const PaintStamp start = d->StampNow();
    // A refused row leaves the column alone too.
    if (vCol != -1) {
        d->m_Current.m_Col = std::min(d->FindColPosition(vCol), d->m_Model.Cols() - 1);
        d->SBSetPos(0, d->m_Current.m_Col);
    }
    const int position = vCol != -1 || d->m_Current.m_Col >= 0 ? d->m_Current.m_Col : d->FindColPosition(col);
    const auto [changedFirst, changedLast] = d->ShownSelection();

    // The move's own writes to the records, told apart from those of the handlers it calls.
    const quint64 editsBefore = d->m_Model.Edits();
    bool selectionChanged = false;
    if (vRow != d->m_Current.m_Row) {
        int from = 0;
        int to = -1;
        selectionChanged = d->SelectRowRange(false, from, to);
    }
    quint64 ownEdits = d->m_Model.Edits() - editsBefore;
    if (!d->MoveCurrentCell(vRow, position, false))
        return;
    if (!IsFlagSet(d->m_Model.RowAt(vRow).Flags, RowFlagSelected)) {
        d->m_Model.SetRowFlag(vRow, RowFlagSelected, true);
        ++ownEdits;
        selectionChanged = true;
    }
    if (selectionChanged) {
        const quint64 before = d->Changes();
        if (!d->Raise(&RuzuZiri::SelectionChanged) || d->Changes() != before)
            return;
    }
    if (!d->MoveCurrentCell(vRow, position, true))
        return;
    d->m_Current.m_Row = vRow;
    if (vRow < d->m_Painter.m_RowFirstVisible || vRow > d->m_Painter.m_RowLastVisible)
        d->SBSetPos(1, vRow);
    else
        d->OfferChangedRows(start, ownEdits, std::min(changedFirst, vRow), std::max(changedLast, vRow));
    d->DrawGrid(d->m_Painter.m_Paint);
}

} // namespace Tarvex
