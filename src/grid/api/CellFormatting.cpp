#include "grid/RuzuZiriPrivate.h"

#include "grid/model/NumberParsing.h"

#include <cmath>
#include <cstdint>

namespace Tarvex {

void RuzuZiriPrivate::ApplyCellFormat(int vRow, int vCol, int Code, const QVariant& Value)
{
    if (!FixWriteRef(vRow, vCol))
        return;
    m_Model.ApplyCellFormat(vRow, vCol, Code, Value, ControlLook());
    DrawGrid(m_Painter.m_Paint);
}

void RuzuZiriPrivate::SetCellChanged(int vRow, int vCol, bool On)
{
    if (!FixWriteRef(vRow, vCol))
        return;
    m_Model.SetCellFlag(vRow, vCol, CellFlagChanged, On);
    m_CellsChanged = true;
    m_Model.SetRowFlag(vRow, RowFlagChanged, On);
}

// -1 as the end of a range stands for the last row or column; false when there are no rows.
bool RuzuZiriPrivate::FixRange(int& RowTo, int& ColTo) const
{
    if (RowTo == -1)
        RowTo = m_Model.LastRow();
    if (ColTo == -1)
        ColTo = m_Model.Cols() - 1;
    return m_Model.LastRow() >= 0;
}

bool RuzuZiriPrivate::IsRange(int RowFrom, int RowTo, int ColFrom, int ColTo) const
{
    return m_Model.IsRowPosition(RowFrom) && m_Model.IsRowPosition(RowTo) && m_Model.IsColumn(ColFrom)
        && m_Model.IsColumn(ColTo);
}

// Painting is held for the whole rectangle so that a large range costs one repaint, not one per cell.
// Each cell's writer still lets pending events run, and a queued host call may delete the grid there.
void RuzuZiri::FormatCells(int RowFrom, int RowTo, int ColFrom, int ColTo, int Mode, const QString& vNewValue,
                           int vNewAlign)
{
    if (!d->FixRange(RowTo, ColTo) || !d->IsRange(RowFrom, RowTo, ColFrom, ColTo))
        return;

    const double number = rVal(vNewValue);
    const double rounded = std::nearbyint(number);
    const bool colourFits = rounded >= INT32_MIN && rounded <= INT32_MAX;
    const qint32 colour = colourFits ? static_cast<qint32>(rounded) : 0;
    const bool fontNameGiven = !vNewValue.trimmed().isEmpty();
    // A text that is no number may be an image's key; anything else names the image by number.
    bool imageByNumber = false;
    vNewValue.toDouble(&imageByNumber);
    const QVariant image = !imageByNumber && d->ImageIndexOfKey(vNewValue) > 0 ? QVariant(vNewValue) : QVariant(number);
    const bool paint = d->m_Painter.m_Paint;
    d->m_Painter.m_Paint = false;
    const Lifeline self(this);
    for (int r = RowFrom; r <= RowTo; ++r) {
        for (int c = ColFrom; c <= ColTo; ++c) {
            if (!self.Alive())
                return;
            switch (Mode) {
            case FormatBackColor:
                if (colourFits)
                    CellBackColor(r, c, colour);
                break;
            case FormatForeColor:
                if (colourFits)
                    CellForeColor(r, c, colour);
                break;
            case FormatImage: CellImage(r, c, image); break;
            case FormatFontName:
                if (fontNameGiven)
                    CellFontName(r, c, vNewValue);
                break;
            case FormatBold: CellFontBold(r, c, number != 0.0); break;
            case FormatItalic: CellFontItalic(r, c, number != 0.0); break;
            case FormatUnderline: CellFontUnderline(r, c, number != 0.0); break;
            case FormatHandPointer: CellHandPointer(r, c, number != 0.0); break;
            case FormatAlignment: CellAlignment(r, c, vNewAlign); break;
            default: break;
            }
        }
    }
    if (!self.Alive())
        return;
    d->m_Painter.m_Paint = paint;
    d->DrawGrid(d->m_Painter.m_Paint);
}

// Rows are record numbers here, not display positions: the alignment follows the rows as they were added.
void RuzuZiri::FormatCellsAlignment(int RowFrom, int RowTo, int ColFrom, int ColTo, int vAlignment)
{
    if (!d->FixRange(RowTo, ColTo))
        return;
    if (RowFrom > RowTo) {
        d->DrawGrid(d->m_Painter.m_Paint);
        return;
    }
    if (!d->IsRange(RowFrom, RowTo, ColFrom, ColTo))
        return;
    d->m_Model.SetCellAlignmentOfRecords(RowFrom, RowTo, ColFrom, ColTo, static_cast<qint16>(vAlignment));
    d->DrawGrid(d->m_Painter.m_Paint);
}

} // namespace Tarvex
