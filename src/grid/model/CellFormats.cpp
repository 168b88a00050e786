#include <tarvex/grid/model/GridModel.h>

#include <QHash>

namespace Tarvex {

size_t CellLookHash::operator()(const CellLook& look) const noexcept
{
    return qHashMulti(0, look.BackColor, look.ForeColor, look.FontName, look.HandPointer, look.Image);
}

CellLook GridModel::LookOf(const udtCell& Cell, const CellLook& Default) const
{
    if (Cell.FormatIndex < 0)
        return Default;
    const udtCellFormat& format = m_CellFormats[Cell.FormatIndex];
    return { format.BackColor, format.ForeColor, format.FontName, format.HandPointer, format.Image };
}

void GridModel::ApplyCellFormat(int Position, int Col, int Code, const QVariant& Value, const CellLook& Default)
{
    if (!IsCell(Position, Col))
        return;
    ++m_Edits;
    udtCell& cell = MutableRowAt(Position).Cells[size_t(Col)];
    CellLook look = LookOf(cell, Default);
    switch (Code) {
    case FormatBackColor: look.BackColor = Value.toInt(); break;
    case FormatForeColor: look.ForeColor = Value.toInt(); break;
    case FormatImage: look.Image = static_cast<qint16>(Value.toInt()); break;
    case FormatFontName: look.FontName = Value.toString(); break;
    case FormatHandPointer: look.HandPointer = Value.toBool(); break;
    default: break;
    }
    const int chosen = FindOrAddFormat(look);
    if (chosen == cell.FormatIndex)
        return;
    RetainFormat(chosen);
    if (cell.FormatIndex >= 0)
        ReleaseFormat(cell.FormatIndex);
    cell.FormatIndex = chosen;
}

// A hash from look to record keeps find-or-add independent of the table's size; a record that falls
// free keeps its look in the hash so that the same look coming back takes it again.
int GridModel::FindOrAddFormat(const CellLook& Look)
{
    if (const auto found = m_FormatByLook.find(Look); found != m_FormatByLook.end())
        return found->second;

    if (m_FreeFormats.empty()) {
        const int first = static_cast<int>(m_CellFormats.size());
        m_CellFormats.resize(m_CellFormats.size() + 10);
        for (int i = first; i < first + 10; ++i)
            m_FreeFormats.insert(i);
    }
    const int index = *m_FreeFormats.begin();
    udtCellFormat& format = m_CellFormats[index];
    const CellLook old { format.BackColor, format.ForeColor, format.FontName, format.HandPointer, format.Image };
    if (const auto stale = m_FormatByLook.find(old); stale != m_FormatByLook.end() && stale->second == index)
        m_FormatByLook.erase(stale);

    format.BackColor = Look.BackColor;
    format.ForeColor = Look.ForeColor;
    format.FontName = Look.FontName;
    format.HandPointer = Look.HandPointer;
    format.Image = Look.Image;
    m_FormatByLook[Look] = index;
    return index;
}

void GridModel::RetainFormat(int Index, int Count)
{
    if (Count <= 0)
        return;
    udtCellFormat& format = m_CellFormats[Index];
    if (format.UseCount == 0)
        m_FreeFormats.erase(Index);
    format.UseCount += Count;
}

void GridModel::ReleaseFormat(int Index)
{
    udtCellFormat& format = m_CellFormats[Index];
    if (--format.UseCount == 0)
        m_FreeFormats.insert(Index);
}

void GridModel::ResetFormats()
{
    m_CellFormats.assign(1, udtCellFormat {});
    m_FormatByLook.clear();
    m_FreeFormats = { 0 };
}

} // namespace Tarvex
