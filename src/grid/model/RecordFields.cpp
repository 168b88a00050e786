#include "grid/model/GridModel.h"

#include <algorithm>

namespace Tarvex {

namespace {

template <typename Value>
Value ExtraOf(const udtRow& Row, std::vector<Value> udtRowExtra::*Field, int Col)
{
    if (!Row.Extra)
        return {};
    const std::vector<Value>& values = (*Row.Extra).*Field;
    return size_t(Col) < values.size() ? values[size_t(Col)] : Value();
}

// The row's side record is made when the first value arrives; a row never given one keeps none.
template <typename Value>
void SetExtraOf(udtRow& Row, std::vector<Value> udtRowExtra::*Field, int Col, const Value& New)
{
    if (!Row.Extra) {
        if (New == Value())
            return;
        Row.Extra = std::make_unique<udtRowExtra>();
    }
    std::vector<Value>& values = (*Row.Extra).*Field;
    if (values.size() <= size_t(Col))
        values.resize(size_t(Col) + 1);
    values[size_t(Col)] = New;
}

} // namespace

int GridModel::CheckedCount() const
{
    int count = 0;
    for (int r = 0; r <= m_LastRow; ++r)
        count += IsFlagSet(m_Rows[size_t(r)].Flags, RowFlagChecked) ? 1 : 0;
    return count;
}

QString GridModel::CellTag(int Position, int Col) const
{
    return IsCell(Position, Col) ? ExtraOf(RowAt(Position), &udtRowExtra::CellTags, Col) : QString();
}

std::shared_ptr<QPixmap> GridModel::CellPicture(int Position, int Col) const
{
    return IsCell(Position, Col) ? ExtraOf(RowAt(Position), &udtRowExtra::CellPictures, Col) : nullptr;
}

void GridModel::SetRowFlag(int Position, qint32 Mask, bool On)
{
    if (IsRowPosition(Position))
        SetFlagBit(MutableRowAt(Position).Flags, Mask, On);
}

void GridModel::SetRowVisible(int Position, bool Visible)
{
    if (IsRowPosition(Position))
        MutableRowAt(Position).Visible = Visible;
}

void GridModel::SetRecordVisible(int Record, bool Visible)
{
    if (Record >= 0 && Record <= m_LastRow)
        m_Rows[size_t(Record)].Visible = Visible;
}

void GridModel::SetRowHeight(int Position, qint32 Height)
{
    if (IsRowPosition(Position))
        MutableRowAt(Position).Height = Height;
}

void GridModel::SetRowData(int Position, qint32 RowData)
{
    if (IsRowPosition(Position))
        MutableRowAt(Position).RowData = RowData;
}

void GridModel::ClearSelection()
{
    for (int r = 0; r <= m_LastRow; ++r)
        SetFlagBit(m_Rows[size_t(r)].Flags, RowFlagSelected, false);
}

void GridModel::SetCellFlag(int Position, int Col, qint32 Mask, bool On)
{
    if (IsCell(Position, Col))
        SetFlagBit(MutableRowAt(Position).Cells[size_t(Col)].Flags, Mask, On);
}

void GridModel::SetCellAlignment(int Position, int Col, qint16 Alignment)
{
    if (IsCell(Position, Col))
        MutableRowAt(Position).Cells[size_t(Col)].Alignment = Alignment;
}

void GridModel::SetCellAlignmentOfRecords(int RecordFrom, int RecordTo, int ColFrom, int ColTo, qint16 Alignment)
{
    RecordFrom = std::max(RecordFrom, 0);
    RecordTo = std::min(RecordTo, m_LastRow);
    ColFrom = std::max(ColFrom, 0);
    ColTo = std::min(ColTo, Cols() - 1);
    for (int r = RecordFrom; r <= RecordTo; ++r)
        for (int c = ColFrom; c <= ColTo; ++c)
            m_Rows[size_t(r)].Cells[size_t(c)].Alignment = Alignment;
}

void GridModel::SetCellProgress(int Position, int Col, int Value)
{
    if (IsCell(Position, Col))
        MutableRowAt(Position).Cells[size_t(Col)].Progress = static_cast<quint8>(std::clamp(Value, 0, 100));
}

void GridModel::SetCellTag(int Position, int Col, const QString& Tag)
{
    if (IsCell(Position, Col))
        SetExtraOf(MutableRowAt(Position), &udtRowExtra::CellTags, Col, Tag);
}

void GridModel::SetCellPicture(int Position, int Col, const std::shared_ptr<QPixmap>& Picture)
{
    if (IsCell(Position, Col))
        SetExtraOf(MutableRowAt(Position), &udtRowExtra::CellPictures, Col, Picture);
}

} // namespace Tarvex
