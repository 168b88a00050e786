#pragma once

#include <QtGlobal>

namespace Tarvex {

// The current cell, as display positions; the selection itself is the rows' Selected bits.
struct CurrentCellState {
    int m_Col { -1 };                     // current column display position; -1 = none
    int m_Row { -1 };                     // current row display position; -1 = none
    bool m_RowHold { false };             // current row kept because the requested one is hidden
    bool m_ColHold { false };             // current column kept because the requested one is hidden or locked
    quint64 m_CellMoves { 0 };            // moves of the current cell so far, counted by SetCurrentCell
};

} // namespace Tarvex
