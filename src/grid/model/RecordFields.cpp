#include <tarvex/grid/model/GridModel.h>

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
    if (!IsRowPosition(Position))
        return;
    ++m_Edits;
    udtRow& row = MutableRowAt(Position);
    const qint16 before = row.Flags;
    SetFlagBit(row.Flags, Mask, On);
    NoteRowFlags(m_RowOrder[size_t(Position)], before);
}

void GridModel::NoteRowFlags(int Record, qint16 Before)
{
    const bool was = IsFlagSet(Before, RowFlagSelected);
    const bool is = IsFlagSet(m_Rows[size_t(Record)].Flags, RowFlagSelected);
    if (was == is)
        return;
    if (is)
        m_SelectedRecords.insert(Record);
    else
        m_SelectedRecords.erase(Record);
}

// Sign +1 adds a shown row's height to the running sum, -1 takes it away.
void GridModel::NoteRowShown(const udtRow& Row, int Sign)
{
    if (Row.Visible)
        m_VisibleRowsHeight += Sign * (long long)Row.Height;
}

void GridModel::ChangeVisible(udtRow& Row, bool Visible)
{
    ++m_Edits;
    NoteRowShown(Row, -1);
    Row.Visible = Visible;
    NoteRowShown(Row, +1);
}

void GridModel::SetRowVisible(int Position, bool Visible)
{
    if (!IsRowPosition(Position))
        return;
    udtRow& row = MutableRowAt(Position);
    const bool wasShown = row.Visible;
    const bool wasHiddenHeader = IsHiddenHeader(row);
    ChangeVisible(row, Visible);
    ReindexRow(Position, wasShown, wasHiddenHeader);
}

// The record's display position is not known here; the index is rebuilt once when next read.
void GridModel::SetRecordVisible(int Record, bool Visible)
{
    if (Record < 0 || Record > m_LastRow)
        return;
    udtRow& row = m_Rows[size_t(Record)];
    if (row.Visible != Visible)
        m_ShownIndexStale = true;
    ChangeVisible(row, Visible);
}

void GridModel::SetRowHeight(int Position, qint32 Height)
{
    if (!IsRowPosition(Position))
        return;
    ++m_Edits;
    udtRow& row = MutableRowAt(Position);
    NoteRowShown(row, -1);
    row.Height = Height;
    NoteRowShown(row, +1);
}

void GridModel::SetRowData(int Position, qint32 RowData)
{
    ++m_Edits;
    if (IsRowPosition(Position))
        MutableRowAt(Position).RowData = RowData;
}

void GridModel::SetRowTag(int Position, const QString& Tag)
{
    if (!IsRowPosition(Position))
        return;
    ++m_Edits;
    udtRow& row = MutableRowAt(Position);
    if (!row.Extra && Tag.isEmpty())
        return;
    if (!row.Extra)
        row.Extra = std::make_unique<udtRowExtra>();
    row.Extra->Tag = Tag;
}

void GridModel::SetRowImage(int Position, qint32 Image)
{
    ++m_Edits;
    if (IsRowPosition(Position))
        MutableRowAt(Position).Image = Image;
}

void GridModel::SetRowGroupHeader(int Position, bool GroupHeader)
{
    if (!IsRowPosition(Position))
        return;
    ++m_Edits;
    udtRow& row = MutableRowAt(Position);
    const bool wasHiddenHeader = IsHiddenHeader(row);
    row.GroupHeader = GroupHeader;
    ReindexRow(Position, row.Visible, wasHiddenHeader);
}

bool GridModel::ClearSelection()
{
    if (m_SelectedRecords.empty())
        return false;
    ++m_Edits;
    for (const int record : m_SelectedRecords)
        SetFlagBit(m_Rows[size_t(record)].Flags, RowFlagSelected, false);
    // clear() would also wipe every bucket a once large selection left behind.
    std::unordered_set<int>().swap(m_SelectedRecords);
    return true;
}

void GridModel::SetCellFlag(int Position, int Col, qint32 Mask, bool On)
{
    ++m_Edits;
    if (IsCell(Position, Col))
        SetFlagBit(MutableRowAt(Position).Cells[size_t(Col)].Flags, Mask, On);
}

void GridModel::SetCellAlignment(int Position, int Col, qint16 Alignment)
{
    ++m_Edits;
    if (IsCell(Position, Col))
        MutableRowAt(Position).Cells[size_t(Col)].Alignment = Alignment;
}

void GridModel::SetCellAlignmentOfRecords(int RecordFrom, int RecordTo, int ColFrom, int ColTo, qint16 Alignment)
{
    ++m_Edits;
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
    ++m_Edits;
    if (IsCell(Position, Col))
        MutableRowAt(Position).Cells[size_t(Col)].Progress = static_cast<quint8>(std::clamp(Value, 0, 100));
}

void GridModel::SetCellTag(int Position, int Col, const QString& Tag)
{
    ++m_Edits;
    if (IsCell(Position, Col))
        SetExtraOf(MutableRowAt(Position), &udtRowExtra::CellTags, Col, Tag);
}

void GridModel::SetCellPicture(int Position, int Col, const std::shared_ptr<QPixmap>& Picture)
{
    ++m_Edits;
    if (IsCell(Position, Col))
        SetExtraOf(MutableRowAt(Position), &udtRowExtra::CellPictures, Col, Picture);
}

} // namespace Tarvex
