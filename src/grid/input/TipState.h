#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

namespace Tarvex {

class EventWatch;
class PictureBox;
class Timer;

// The hover tip that shows a cut cell text in full.
struct TipState {
    PictureBox* picToolTip { nullptr };   // the hover tip's own window; hidden until a tip shows
    Timer* m_TipWait { nullptr };         // looks at the tick count while a tip waits; made by the first wait
    qint32 m_TipStart { 0 };              // tick count when the running wait began
    bool m_TipBusy { false };             // a wait runs; further waits are not started
    bool m_TipCancel { false };           // ends a running wait without a tip (a press, a move off the rows,
                                          //   the pointer leaving); cleared when a wait ends
    EventWatch* m_TipPlaceWatch { nullptr }; // hears the grid and its windows move while a tip shows; made by
                                          //   the first tip, gone with the grid
    std::vector<QPointer<QWidget>> m_TipPlaceWatched; // what it hears now; empty while no tip shows
};

} // namespace Tarvex
