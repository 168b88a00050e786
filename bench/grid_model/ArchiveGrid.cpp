#include "ArchiveGrid.h"

#include "InvoiceData.h"

#include "grid/RuzuZiri.h"
#include "grid/model/GridRecords.h"

#include <algorithm>

namespace GridBench {

namespace {
constexpr int Chunk = 100000; // rows generated at a time, so the texts of a million never coexist
}

void FillArchiveGrid(Tarvex::RuzuZiri& Grid, int Rows, int ColumnWidthPx)
{
    for (int c = 0; c < ColumnCount; ++c) {
        const int type = IsNumberColumn(c) ? Tarvex::ColTypeNumber : c == Date ? Tarvex::ColTypeDate : 0;
        Grid.AddColumn(HeadingOf(c), float(ColumnWidthPx * 15 - 1), IsNumberColumn(c) ? 6 : 4, type);
    }
    Grid.Clear();
    for (int first = 0; first < Rows; first += Chunk)
        for (const InvoiceRow& row : GenerateRows(first, std::min(Chunk, Rows - first)))
            Grid.AddItem(row.Joined);
    Grid.Redraw(true);
}

} // namespace GridBench
