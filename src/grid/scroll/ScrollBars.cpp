#include "grid/RuzuZiriPrivate.h"

#include "platform/EventWatch.h"
#include "platform/FlatScrollBarStyle.h"

#include <tarvex/platform/SystemInfo.h>

#include <QPointer>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>

namespace Tarvex {

namespace {

// The highest position the platform lets a bar reach: the top of the last page.
int LastPosition(const ScrollInfo& Info)
{
    return Info.Page > 0 ? Saturated(double(Info.Max) - Info.Page + 1) : Info.Max;
}

} // namespace

// What the grid does at load in run mode; a form designer's grid never gets its bars.
void RuzuZiriPrivate::AttachScrollBars()
{
    SBAttach(q);
    SBSetStyle(1);
    q->SBLargeChange(0, 5);
    q->SBLargeChange(1, 5);
    SBSetRange(1, 0);
    SBSetRange(0, 0);
}

void RuzuZiriPrivate::SBAttach(QWidget* hWnd)
{
    FlatSBTerm();
    m_Bars.m_hWndScroll = hWnd;
    if (!m_Bars.m_ScrollBar[0]) {
        for (const int bar : { 0, 1 }) {
            auto* widget = new QScrollBar(bar == 0 ? Qt::Horizontal : Qt::Vertical, q);
            widget->setObjectName(QStringLiteral("ScrollBar(%1)").arg(bar));
            widget->setFocusPolicy(Qt::NoFocus);
            widget->setAttribute(Qt::WA_OpaquePaintEvent);
            widget->hide();
            QObject::connect(widget, &QAbstractSlider::actionTriggered, q,
                    [this, bar](int Action) { WhileScrollBarWaits(bar, [&] { OnScrollBarAction(bar, Action); }); });
            QObject::connect(widget, &QAbstractSlider::sliderReleased, q,
                    [this, bar] { WhileScrollBarWaits(bar, [&] { SendScrollRequest(bar, 8); }); });
            // The platform's bars are part of the grid's window: a wheel over them is the window's
            // wheel, a notch a line of the grid's own, not a move of the thumb.
            auto* wheel = new EventWatch(widget, [grid = QPointer<RuzuZiri>(q), this, bar](QObject*, QEvent* Event) {
                if (Event->type() != QEvent::Wheel || !grid)
                    return false;
                WheelOverScrollBar(bar, static_cast<const QWheelEvent&>(*Event));
                return true;
            });
            wheel->Watch(widget);
            m_Bars.m_ScrollBar[bar] = widget;
        }
    }
    FlatSBInit();
}

void RuzuZiriPrivate::FlatSBInit()
{
    if (m_Settings.m_ScrollBarStyle == 1)
        m_Bars.m_StdScrollBars = true;
    else
        SBSetStyle(m_Bars.m_FlatSBStyle);
}

void RuzuZiriPrivate::FlatSBTerm()
{
    if (!m_Bars.m_hWndScroll)
        return;
    m_Bars.m_hWndScroll = nullptr;
}

ScrollInfo RuzuZiriPrivate::SBGetInfo(int Bar) const
{
    return IsBar(Bar) ? m_Bars.m_ScrollInfo[Bar] : ScrollInfo();
}

// The position stays inside the range as the platform keeps it; the bar shows the record at once.
void RuzuZiriPrivate::SBSetInfo(int Bar, const ScrollInfo& Info)
{
    if (!IsBar(Bar))
        return;
    ScrollInfo& info = m_Bars.m_ScrollInfo[Bar];
    const int was = info.Pos;
    info = Info;
    info.Pos = std::clamp(info.Pos, info.Min, std::max(info.Min, LastPosition(info)));
    if (info.Pos != was)
        FollowPointer();
    QScrollBar* bar = m_Bars.m_ScrollBar[Bar];
    if (!bar)
        return;
    const QSignalBlocker quiet(bar);
    bar->setRange(info.Min, std::max(info.Min, LastPosition(info)));
    bar->setPageStep(std::max(info.Page, 1));
    bar->setValue(info.Pos);
}

// Only the bars that ScrollBars lets show take the flat look.
void RuzuZiriPrivate::SBSetStyle(int Style)
{
    if (m_Bars.m_StdScrollBars)
        return;
    m_Bars.m_FlatSBStyle = Style;
    ShowScrollBarLook();
}

void RuzuZiriPrivate::ShowScrollBarLook()
{
    if (!m_Bars.m_ScrollBar[0])
        return;
    QStyle* flat = q->findChild<FlatScrollBarStyle*>(QString(), Qt::FindDirectChildrenOnly);
    if (!flat) {
        flat = new FlatScrollBarStyle;
        flat->setParent(q);
    }
    const bool flatLook = !m_Bars.m_StdScrollBars && m_Bars.m_FlatSBStyle != 0;
    const bool styled[2] = { m_Settings.m_ScrollBars == 0 || m_Settings.m_ScrollBars == 2,
        m_Settings.m_ScrollBars == 1 || m_Settings.m_ScrollBars == 2 };
    for (const int bar : { 0, 1 })
        m_Bars.m_ScrollBar[bar]->setStyle(flatLook && styled[bar] ? flat : q->style());
}

int RuzuZiriPrivate::SBGetPos(int Bar) const
{
    if (!IsBar(Bar))
        return 0;
    const int position = m_Bars.m_ScrollInfo[Bar].Pos;
    return Bar == 1 ? std::min(position, m_Model.LastRow()) : position;
}

// A frozen column never becomes the first scrolled one, and a hidden bar keeps its position.
void RuzuZiriPrivate::SBSetPos(int Bar, int Position)
{
    if (!SBVisible(Bar) || (Bar == 0 && Position <= m_Settings.m_FreezeAtCol) || Position == m_Bars.m_ScrollInfo[Bar].Pos)
        return;
    ScrollInfo info = m_Bars.m_ScrollInfo[Bar];
    info.Pos = Position;
    SBSetInfo(Bar, info);
}

int RuzuZiriPrivate::SBGetMin(int Bar) const { return SBGetInfo(Bar).Min; }

int RuzuZiriPrivate::SBGetMax(int Bar) const { return SBGetInfo(Bar).Max; }

void RuzuZiriPrivate::SBSetMax(int Bar, int Value)
{
    ScrollInfo info = SBGetInfo(Bar);
    info.Max = Saturated(double(Value) + info.Page);
    SBSetInfo(Bar, info);
}

void RuzuZiriPrivate::SBSetRange(int Bar, int Value)
{
    ScrollInfo info = SBGetInfo(Bar);
    info.Min = Value;
    info.Max = Saturated(double(SBGetMax(Bar)) + info.Page);
    SBSetInfo(Bar, info);
}

bool RuzuZiriPrivate::SBVisible(int Bar) const
{
    return Bar == 0 ? m_Bars.m_HScrollShown : Bar == 1 && m_Bars.m_VScrollShown;
}

void RuzuZiriPrivate::SBShow(int Bar, bool Show)
{
    if (!IsBar(Bar))
        return;
    (Bar == 0 ? m_Bars.m_HScrollShown : m_Bars.m_VScrollShown) = Show;
    LayoutScrollBars();
    if (m_Bars.m_ScrollBar[Bar] && m_Bars.m_hWndScroll)
        m_Bars.m_ScrollBar[Bar]->setVisible(Show);
}

// The bars sit inside the control's right and bottom edges and its border, outside the area the grid paints.
void RuzuZiriPrivate::LayoutScrollBars()
{
    if (!m_Bars.m_ScrollBar[0])
        return;
    const bool h = m_Bars.m_HScrollShown && m_Bars.m_hWndScroll;
    const bool v = m_Bars.m_VScrollShown && m_Bars.m_hWndScroll;
    const int hHeight = h ? SystemMetric(SystemMetrics::HScrollHeight) : 0;
    const int vWidth = v ? SystemMetric(SystemMetrics::VScrollWidth) : 0;
    const QRect inside = q->contentsRect();
    m_Bars.m_ScrollBar[0]->setGeometry(
        inside.left(), inside.bottom() + 1 - hHeight, std::max(inside.width() - vWidth, 0), hHeight);
    m_Bars.m_ScrollBar[1]->setGeometry(
        inside.right() + 1 - vWidth, inside.top(), vWidth, std::max(inside.height() - hHeight, 0));
    q->ReserveEdges(vWidth, hHeight);
}

} // namespace Tarvex
