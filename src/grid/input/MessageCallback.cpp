#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/PictureBox.h>

#include <QCursor>
#include <QWheelEvent>

namespace Tarvex {

using namespace WindowMessage;

namespace {

// The scroll requests a wheel notch makes, as a scroll bar's arrows do.
constexpr int LineUp = 0;
constexpr int LineDown = 1;

// The messages the grid handles, each after the window's own handling.
constexpr int HookedMessages[] { WM_KILLFOCUS, WM_SETFOCUS, WM_MOUSEWHEEL, WM_MOUSEMOVE, WM_MOUSELEAVE,
                                 WM_MOUSEHOVER, WM_HSCROLL, WM_VSCROLL, WM_THEMECHANGED };
constexpr int AfterTable = 2;

} // namespace

// The grid's window is subclassed once, however often the grid is loaded: a subclass made anew would
// come ahead of the event filters a host installed since. Every current system has visual styles,
// so the theme change is always among the messages.
void RuzuZiriPrivate::AttachMessageHook()
{
    if (m_Subclassed)
        return;
    const auto callback = [this](bool bBefore, bool& bHandled, qintptr& lReturn, QWidget* lng_hWnd, int uMsg,
                                 quintptr wParam, qintptr lParam, qintptr& lParamUser) {
        zSubclassCallback(bBefore, bHandled, lReturn, lng_hWnd, uMsg, wParam, lParam, lParamUser);
    };
    m_Subclassed = m_Hook.sc_Subclass(q, 0, callback);
    if (!m_Subclassed)
        return;
    for (const int message : HookedMessages)
        m_Hook.SubclassAddMsg(q, message, AfterTable);
}

void RuzuZiriPrivate::DetachMessageHook()
{
    m_Hook.SubclassShutdown();
    m_Subclassed = false;
}

// Neither marks a message handled nor answers one: the grid only follows what its window did.
void RuzuZiriPrivate::zSubclassCallback(bool bBefore, bool& bHandled, qintptr& lReturn, QWidget* lng_hWnd, int uMsg,
                                        quintptr wParam, qintptr lParam, qintptr& lParamUser)
{
    Q_UNUSED(bBefore);
    Q_UNUSED(bHandled);
    Q_UNUSED(lReturn);
    Q_UNUSED(lng_hWnd);
    Q_UNUSED(lParam);
    Q_UNUSED(lParamUser);
    switch (uMsg) {
    case WM_SETFOCUS: FocusRepaint(false); break;
    case WM_KILLFOCUS: LoseFocus(); break;
    case WM_MOUSEMOVE: MouseEntered(); break;
    case WM_MOUSELEAVE: MouseLeft(); break;
    case WM_THEMECHANGED: ThemeChangedMessage(); break;
    case WM_HSCROLL: ScrollRequest(0, LoWord(wParam), false); break;
    case WM_VSCROLL: ScrollRequest(1, LoWord(wParam), false); break;
    // One message is one step, however far the wheel went; Ctrl turns it sideways.
    case WM_MOUSEWHEEL:
        ScrollRequest(LoWord(wParam) & MouseKeys::MK_CONTROL ? 0 : 1, HiWord(wParam) < 0 ? LineDown : LineUp, true);
        break;
    default: break;
    }
}

// A grid that hides its focus rectangle without the focus shows the change at once only while the
// pointer is over it or the user's language is English.
void RuzuZiriPrivate::FocusRepaint(bool NoFocus)
{
    if (m_Settings.m_FocusRectHide && (m_Input.m_MouseInside || m_Input.m_English))
        DrawGrid(m_Painter.m_Paint, NoFocus);
}

// The focus leaving for a bound editor goes with the pointer inside the grid; that keeps the edit.
void RuzuZiriPrivate::LoseFocus()
{
    if (m_Edit.EditOpen() && !m_Input.m_MouseInside) {
        const Lifeline self(q);
        q->UpdateCell(false);
        if (!self.Alive())
            return;
    }
    FocusRepaint(true);
}

void RuzuZiriPrivate::MouseEntered()
{
    if (m_Input.m_MouseInside)
        return;
    m_Input.m_MouseInside = true;
    TrackMouseLeave(q);
    Raise(&RuzuZiri::MouseEnter);
}

// A tip still waiting would show after the pointer went, with nothing left to hide it. The tip's own
// window, shown over the cell under the pointer, takes the pointer from the grid on some window
// systems: the pointer has not left then, and the next leave is asked for again.
void RuzuZiriPrivate::MouseLeft()
{
    if (!m_Input.m_MouseInside)
        return;
    if (m_Tip.picToolTip && m_Tip.picToolTip->isVisible() && m_Tip.picToolTip->geometry().contains(QCursor::pos())
        && q->rect().contains(q->mapFromGlobal(QCursor::pos()))) {
        TrackMouseLeave(q);
        return;
    }
    m_Input.m_MouseInside = false;
    CancelTip();
    HideTip();
    q->unsetCursor();
    if (m_Painter.m_Paint) {
        DrawHeaders(false);
        q->Refresh();
    }
    Raise(&RuzuZiri::MouseLeave);
}

void RuzuZiriPrivate::ThemeChangedMessage()
{
    if (!Raise(&RuzuZiri::ThemeChanged))
        return;
    ApplyTheme();
    DrawGrid(m_Painter.m_Paint);
}

void RuzuZiriPrivate::TrackMouseLeave(QWidget* hWnd)
{
    TrackMouseEvent(hWnd, TME_LEAVE);
}

} // namespace Tarvex
