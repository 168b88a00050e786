#include "grid/RuzuZiriPrivate.h"

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
    if (self.Alive() && m_Bars.m_ScrollBar[Bar])
        m_Bars.m_ScrollBar[Bar]->setSliderPosition(m_Bars.m_ScrollInfo[Bar].Pos);
}

// The message carries the thumb's position too, as far as a word holds it; the hook reads the
// whole position from the bar.
void RuzuZiriPrivate::SendScrollRequest(int Bar, int Request)
{
    const int track = Request == ThumbTrack && m_Bars.m_ScrollBar[Bar] ? m_Bars.m_ScrollBar[Bar]->sliderPosition() : 0;
    SendMessage(q, Bar == 0 ? WindowMessage::WM_HSCROLL : WindowMessage::WM_VSCROLL, MakeLong(Request, track), 0);
}

// The bar's own code goes on once its signal is handled. Should a handler delete the grid meanwhile,
// the bar must outlive the grid until then: the destructor hands it over to be deleted later.
void RuzuZiriPrivate::WhileScrollBarWaits(int Bar, const std::function<void()>& Handle)
{
    const Lifeline self(q);
    ++m_Bars.m_ScrollBarWaits[Bar];
    Handle();
    if (self.Alive())
        --m_Bars.m_ScrollBarWaits[Bar];
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
        if (m_Bars.m_ScrollBarWaits[bar] == 0 || !m_Bars.m_ScrollBar[bar])
            continue;
        m_Bars.m_ScrollBar[bar]->hide();
        m_Bars.m_ScrollBar[bar]->setParent(nullptr);
        m_Bars.m_ScrollBar[bar]->deleteLater();
    }
}

// The current cell does not move; a change of either position commits an open edit, repaints (unless
// the thumb is dragged without ScrollTrack) and raises Scroll.
void RuzuZiriPrivate::ScrollRequest(int Bar, int Request, bool Wheel)
{
    if (Bar != 0 && Bar != 1)
        return;
    RememberKey(KeyCode::None);
    HideTip();
    const int before[2] = { SBGetPos(0), SBGetPos(1) };
    bool repaint = true;
    if (Request == ThumbTrack)
        repaint = m_Settings.m_ScrollTrack;
    if (Request == EndScroll) {
        if (!m_Settings.m_ScrollTrack && !DrawGrid(m_Painter.m_Paint))
            return;
        repaint = false;
    }
    const int target = ScrollTarget(Bar, Request, Wheel);
    if (target != SBGetPos(Bar))
        SBSetPos(Bar, target);
    if (SBGetPos(0) == before[0] && SBGetPos(1) == before[1])
        return;
    if (m_Edit.EditOpen()) {
        const Lifeline self(q);
        q->UpdateCell(false);
        if (!self.Alive())
            return;
    }
    if (repaint && !DrawGrid(m_Painter.m_Paint))
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
    case PageUp: return Saturated(double(position) - m_Bars.m_ScrollInfo[Bar].Page);
    case PageDown: return Saturated(double(position) + m_Bars.m_ScrollInfo[Bar].Page);
    case ThumbTrack: return m_Bars.m_ScrollBar[Bar] ? m_Bars.m_ScrollBar[Bar]->sliderPosition() : position;
    case Top: return SBGetMin(Bar);
    case Bottom: return SBGetMax(Bar);
    default: return position;
    }
}

// The navigable row or column next to the scroll position, searched as if it were the current one.
int RuzuZiriPrivate::NavigableFromScrollPosition(int Bar, bool Down, bool Wheel)
{
    const SwapIn current(Bar == 0 ? m_Current.m_Col : m_Current.m_Row, SBGetPos(Bar));
    if (Bar == 0)
        return Down ? NextNavigableCol(false) : PrevNavigableCol(false);
    const int step = Wheel ? 3 : 1;
    return Down ? NextNavigableRow(step, -1) : PrevNavigableRow(step, -1);
}

} // namespace Tarvex
