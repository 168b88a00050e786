#pragma once

#include <QtGlobal>

#include <cstddef>

class QLabel;

namespace Tarvex {

// Every input of the picture: two paints of equal stamps draw the same picture.
struct PaintStamp {
    quint64 Edits { 0 };       // m_Model.Edits(): the records
    size_t Settings { 0 };     // PaintSettings(): the rest of what the painter reads
    int ScrollCol { -1 };      // horizontal scroll position
    int ScrollRow { -1 };      // vertical scroll position
    int Width { -1 };          // surface size in pixels
    int Height { -1 };
    int Row { -1 };            // current cell
    int Col { -1 };
    bool operator==(const PaintStamp&) const = default;
};

// Whether the grid paints now, the work owed while it did not, and what the picture shows.
struct PaintState {
    bool m_Redraw { false };              // the host's Redraw
    bool m_Paint { false };               // painting allowed now: m_Redraw while no suspension holds it off
    int m_PaintHeld { 0 };                // EnablePaint(false) calls not yet matched by EnablePaint(true)
    bool m_PendingMetrics { false };      // metrics and repaint owed while painting was off
    bool m_PendingScroll { false };       // scroll-range update owed while painting was off
    bool m_Painting { false };            // a paint runs: DrawGrid entered again returns at once
    bool m_PictureCurrent { false };      // the picture is a full paint of what m_PaintedStamp describes
    PaintStamp m_PaintedStamp;            // the state the picture shows; written by the paints only
    int m_PaintedRight { -1 };            // right edge of the header row the last full paint drew
    int m_PaintedRowNumberWidth { 0 };    // the row-number strip the picture shows
    bool m_PaintedFilled { false };       // the picture's rows reach past its bottom edge: no bottom
                                          //   line or totals line shows
    PaintStamp m_MoveStamp;               // the state a move left, differing from the picture only in
                                          //   the rows m_ChangedFirst..m_ChangedLast (set by RowColSet)
    int m_ChangedFirst { -1 };            // row positions the next DrawGrid may redraw alone; -1 = all
    int m_ChangedLast { -1 };             //   (last of them)
    int m_RowFirstVisible { -1 };         // first row position painted; -1 = none (set by the painter)
    int m_RowLastVisible { -1 };          // last row position painted; -1 = none (set by the painter)
    quint64 m_HeaderPaints { 0 };         // full paints of the header row so far, each drawing every cell
                                          //   plain (DrawHeaders)
    QLabel* m_DragCopy { nullptr };       // the dragged heading's copy, a child of the grid shown below the
                                          //   header row while a heading is dragged; made by the first drag
    bool m_KeepCurrentRowInView { false }; // each paint scrolls the current row into view past tall rows:
                                          //   asked for by the Down key, until the input remembers
                                          //   another key, a press or a scroll (RememberKey)
};

} // namespace Tarvex
