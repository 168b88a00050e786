#pragma once

#include <QtGlobal>

#include <cstddef>
#include <vector>

namespace Tarvex {

// Where a display column lies on the surface, in pixels from the grid's left edge.
struct ColumnPlace {
    int Col { 0 };          // column number
    int Left { 0 };         // left edge; a hidden column's is where the next shown one starts, a
                            //   scrolled-out one's the row-number strip's edge less 1
    int Width { 0 };        // WidthPx
    bool Shown { false };   // visible and not scrolled out: it takes room in the header and the rows
    bool ScrolledOut { false }; // unfrozen and left of the horizontal scroll position
};

// A row given a line on the page, the top in pixels from the grid's top edge.
struct RowPlace {
    int Position { 0 };
    int Top { 0 };
    int Height { 0 };
};

// What the layout is worked out from: while it stands, the layout stands.
struct LayoutKey {
    quint64 Edits { 0 };    // the records: widths, order, visibility, heights
    int ScrollCol { -1 };
    int ScrollRow { -1 };
    int FreezeAtCol { -1 };
    int HeaderHeight { 0 };
    int RowHeightDef { 0 };
    int Width { 0 };        // the surface
    int Height { 0 };
    bool ShowRowNumbers { false };
    bool ShowRowNumbersVary { false };
    size_t Font { 0 };      // the row numbers' font
    bool operator==(const LayoutKey&) const = default;
};

// The one geometry of the grid: the painter draws the header row, the cells, the totals line and
// the grid lines where it says, and every hit test and placement reads it. Worked out on demand
// from the records, the scroll positions and the metrics; painting writes nothing into it.
struct GridLayout {
    LayoutKey Key;
    bool Valid { false };
    int RowNumberWidth { 0 };       // the row-number strip at the left; 0 without row numbers
    std::vector<ColumnPlace> Columns; // by display position
    int PaintedColumns { 0 };       // display positions up to the last shown column starting on the
                                    //   surface: the painter goes no further
    int Right { 0 };                // right edge of that column: the end of the header row
    std::vector<RowPlace> Rows;     // the page: the rows with a line from the vertical scroll position
                                    //   down to the first that reaches past the bottom edge
    int RowsEnd { 0 };              // the position the page ends at: its last row when that reaches
                                    //   past the bottom, else a position past the last row
    int RowsBottom { 0 };           // the bottom of the page's last row; the header's bottom with none

    // The laid-out row at Position, null when it is not on the page.
    const RowPlace* RowAt(int Position) const;
};

} // namespace Tarvex
