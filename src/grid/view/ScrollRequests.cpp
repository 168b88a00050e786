#include "grid/RuzuZiriPrivate.h"

#include "platform/Timer.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace Tarvex {

namespace {

// The platform's scroll requests.
enum ScrollRequestCode {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
    EndScroll = 8,
};

constexpr int AutoScrollPace = 25; // milliseconds between two rows of a drag auto-scroll

// Restores a current-cell field on leaving, whatever the search in between did with it.
class SwapIn {
public:
    SwapIn(int& Field, int Value)
        : m_Field(Field), m_Saved(Field) { m_Field = Value; }
    ~SwapIn() { m_Field = m_Saved; }
    SwapIn(const SwapIn&) = delete;
    SwapIn& operator=(const SwapIn&) = delete;

private:
    int& m_Field;
    int m_Saved;
};

} // namespace

// The bar's own move is replaced by the grid's: the bar asks in a window message, as the platform's
// bars do, so that the grid's hook decides; the bar then shows the position the request left.
void RuzuZiriPrivate::OnScrollBarAction(int Bar, int Action)
{
    int request = -1;
    switch (Action) {
    case QAbstractSlider::SliderSingleStepSub: request = LineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: request = LineDown; break;
    case QAbstractSlider::SliderPageStepSub: request = PageUp; break;
    case QAbstractSlider::SliderPageStepAdd: request = PageDown; break;
    case QAbstractSlider::SliderMove: request = ThumbTrack; break;
    case QAbstractSlider::SliderToMinimum: request = Top; break;
    case QAbstractSlider::SliderToMaximum: request = Bottom; break;
    default: break;
    }
    const Lifeline self(q);
    if (request >= 0)
        SendScrollRequest(Bar, request);
    if (self.Alive() && m_ScrollBar[Bar])
        m_ScrollBar[Bar]->setSliderPosition(m_ScrollInfo[Bar].Pos);
}

// The message carries the thumb's position too, as far as a word holds it; the hook reads the
// whole position from the bar.
void RuzuZiriPrivate::SendScrollRequest(int Bar, int Request)
{
    const int track = Request == ThumbTrack && m_ScrollBar[Bar] ? m_ScrollBar[Bar]->sliderPosition() : 0;
    SendMessage(q, Bar == 0 ? WindowMessage::WM_HSCROLL : WindowMessage::WM_VSCROLL, MakeLong(Request, track), 0);
}

// The bar's own code goes on once its signal is handled. Should a handler delete the grid meanwhile,
// the bar must outlive the grid until then: the destructor hands it over to be deleted later.
void RuzuZiriPrivate::WhileScrollBarWaits(int Bar, const std::function<void()>& Handle)
{
    const Lifeline self(q);
    ++m_ScrollBarWaits[Bar];
    Handle();
    if (self.Alive())
        --m_ScrollBarWaits[Bar];
}

void RuzuZiriPrivate::WheelOverScrollBar(int Bar, const QWheelEvent& Wheel)
{
    WhileScrollBarWaits(Bar, [&] {
        QWheelEvent onWindow(q->mapFromGlobal(Wheel.globalPosition()), Wheel.globalPosition(), Wheel.pixelDelta(),
                             Wheel.angleDelta(), Wheel.buttons(), Wheel.modifiers(), Wheel.phase(), Wheel.inverted(),
                             Wheel.source());
        QCoreApplication::sendEvent(q, &onWindow);
    });
}

void RuzuZiriPrivate::ReleaseWaitingScrollBars()
{
    for (const int bar : { 0, 1 }) {
        if (m_ScrollBarWaits[bar] == 0 || !m_ScrollBar[bar])
            continue;
        m_ScrollBar[bar]->hide();
        m_ScrollBar[bar]->setParent(nullptr);
        m_ScrollBar[bar]->deleteLater();
    }
}

// The current cell does not move; a change of either position commits an open edit, repaints (unless
// the thumb is dragged without ScrollTrack) and raises Scroll.
void RuzuZiriPrivate::ScrollRequest(int Bar, int Request, bool Wheel)
{
    if (Bar != 0 && Bar != 1)
        return;
    m_EditKey = 0;
    HideTip();
    const int before[2] = { SBGetPos(0), SBGetPos(1) };
    bool repaint = true;
    if (Request == ThumbTrack)
        repaint = m_ScrollTrack;
    if (Request == EndScroll) {
        if (!m_ScrollTrack && !DrawGrid(m_Paint))
            return;
        repaint = false;
    }
    const int target = ScrollTarget(Bar, Request, Wheel);
    if (target != SBGetPos(Bar))
        SBSetPos(Bar, target);
    if (SBGetPos(0) == before[0] && SBGetPos(1) == before[1])
        return;
    if (m_EditOpen) {
        const Lifeline self(q);
        q->UpdateCell(false);
        if (!self.Alive())
            return;
    }
    if (repaint && !DrawGrid(m_Paint))
        return;
    emit q->Scroll();
}

// Where a request moves the bar; its own position for a request that moves nothing. Line steps
// follow the navigable rows and columns, locked rows counted, from the scroll position.
int RuzuZiriPrivate::ScrollTarget(int Bar, int Request, bool Wheel)
{
    const int position = SBGetPos(Bar);
    const bool lines = Request == LineUp || Request == LineDown;
    if (lines && (!SBVisible(Bar) || (Bar == 1 ? m_Model.LastRow() < 0 : m_Model.Cols() == 0)))
        return position;
    switch (Request) {
    case LineUp: {
        const int target = NavigableFromScrollPosition(Bar, false, Wheel);
        return std::max(target > position ? 0 : target, SBGetMin(Bar));
    }
    case LineDown: {
        const int target = NavigableFromScrollPosition(Bar, true, Wheel);
        return std::min(target < position ? SBGetMax(Bar) : target, SBGetMax(Bar));
    }
    case PageUp: return Saturated(double(position) - m_ScrollInfo[Bar].Page);
    case PageDown: return Saturated(double(position) + m_ScrollInfo[Bar].Page);
    case ThumbTrack: return m_ScrollBar[Bar] ? m_ScrollBar[Bar]->sliderPosition() : position;
    case Top: return SBGetMin(Bar);
    case Bottom: return SBGetMax(Bar);
    default: return position;
    }
}

// The navigable row or column next to the scroll position, searched as if it were the current one.
int RuzuZiriPrivate::NavigableFromScrollPosition(int Bar, bool Down, bool Wheel)
{
    const SwapIn current(Bar == 0 ? m_Col : m_Row, SBGetPos(Bar));
    if (Bar == 0)
        return Down ? NextNavigableCol(false) : PrevNavigableCol(false);
    const int step = Wheel ? 3 : 1;
    return Down ? NextNavigableRow(step, -1) : PrevNavigableRow(step, -1);
}

// Scrolls one navigable row every 25 ms while a drag selection is held beyond the top (1) or the
// bottom edge (anything else), the first row at once. The mouse handlers stop it (StopAutoScroll) when
// the pointer comes back or the button comes up; a start in the direction already running goes on.
void RuzuZiriPrivate::DragAutoScroll(qint16& Direction)
{
    if (m_AutoScrollDir == Direction && m_AutoScrollTimer && m_AutoScrollTimer->Enabled())
        return;
    m_AutoScrollDir = Direction;
    if (!m_AutoScrollTimer) {
        m_AutoScrollTimer = new Timer(q);
        QObject::connect(m_AutoScrollTimer, &Timer::Tick, q, [this] { AutoScrollPass(); });
    }
    m_AutoScrollTimer->Interval(AutoScrollPace);
    m_AutoScrollTimer->Enabled(true);
    AutoScrollPass();
}

// One row, its three events and the repaint; the end of the rows ends the scroll.
void RuzuZiriPrivate::AutoScrollPass()
{
    if (m_AutoScrollDir == 0 || !AutoScrollStep(m_AutoScrollDir)) {
        StopAutoScroll();
        return;
    }
    ++m_CellMoves;
    if (Raise(&RuzuZiri::RowColChanged) && Raise(&RuzuZiri::SelectionChanged) && Raise(&RuzuZiri::Scroll))
        DrawGrid(m_Paint, false);
}

void RuzuZiriPrivate::StopAutoScroll()
{
    m_AutoScrollDir = 0;
    if (m_AutoScrollTimer)
        m_AutoScrollTimer->Enabled(false);
}

// False when there is nothing left to scroll towards; the grid is read afresh on every pass,
// since the events of the last pass may have changed it. The current row is the row at the edge
// the pointer left by; with MultiSelect the rows the scroll brings in join the selection.
bool RuzuZiriPrivate::AutoScrollStep(qint16 Direction)
{
    const int last = m_Model.LastRow();
    if (last < 0)
        return false;
    const int top = SBGetPos(1);
    const bool up = Direction == 1;
    if (up ? top <= SBGetMin(1) : top >= SBGetMax(1))
        return false;
    const int n = VisibleRowCount();
    m_Row = top; // where the navigation searches from
    SBSetPos(1, up ? PrevNavigableRow(1, 0) : NextNavigableRow(1, 0));
    const int newTop = std::max(SBGetPos(1), 0);
    m_Row = up ? newTop : std::clamp(newTop + n - 1, 0, last);
    if (!m_MultiSelect) {
        m_Model.ClearSelection();
        m_Model.SetRowFlag(m_Row, RowFlagSelected, true);
    } else if (up) {
        m_Model.SetRowFlag(newTop, RowFlagSelected, true);
    } else {
        for (int p = newTop; p <= std::min(newTop + n, last); ++p)
            m_Model.SetRowFlag(p, RowFlagSelected, true);
    }
    return true;
}

} // namespace Tarvex
