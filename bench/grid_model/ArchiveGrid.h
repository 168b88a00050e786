#pragma once

namespace Tarvex {
class RuzuZiri;
}

namespace GridBench {

// The grid filled as the archive window fills it: a column per invoice field, ColumnWidthPx
// pixels wide, then Clear, AddItem per invoice and Redraw.
void FillArchiveGrid(Tarvex::RuzuZiri& Grid, int Rows, int ColumnWidthPx);

} // namespace GridBench
