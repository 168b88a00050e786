#pragma once

#include <QPointer>
#include <QWidget>
#include <QtGlobal>

#include <vector>

namespace Tarvex {

class EventWatch;
class PictureBox;
class Timer;

// Where the hover tip's wait stands; only input/HoverTip.cpp moves it on. A tip that shows is
// picToolTip shown, which the window system may also hide.
enum class TipStage : quint8 {
    Idle,      // no wait runs; the next cell the pointer enters starts one
    Waiting,   // a wait runs and ends with the tip of the cell under the pointer
    Cancelled, // a wait runs out without a tip (a press, a move off the rows, the pointer leaving);
               //   no new one starts before it has
};

// The hover tip that shows a cut cell text in full.
struct TipState {
    PictureBox* picToolTip { nullptr };   // the hover tip's own window; hidden until a tip shows
    Timer* m_TipWait { nullptr };         // looks at the tick count while a tip waits; made by the first wait
    qint32 m_TipStart { 0 };              // tick count when the running wait began
    TipStage m_TipStage { TipStage::Idle }; // set by CellTipTimer, CancelTip and TipWaitTick
    EventWatch* m_TipPlaceWatch { nullptr }; // hears the grid and its windows move while a tip shows; made by
                                          //   the first tip, gone with the grid
    std::vector<QPointer<QWidget>> m_TipPlaceWatched; // what it hears now; empty while no tip shows

    bool TipWaiting() const { return m_TipStage != TipStage::Idle; }
};

} // namespace Tarvex
