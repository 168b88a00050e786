#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace Tarvex {

// The window messages a hook sees; the numbers are the platform's own.
namespace WindowMessage {
constexpr int WM_SETFOCUS = 0x0007;
constexpr int WM_KILLFOCUS = 0x0008;
constexpr int WM_HSCROLL = 0x0114;
constexpr int WM_VSCROLL = 0x0115;
constexpr int WM_MOUSEMOVE = 0x0200;
constexpr int WM_MOUSEWHEEL = 0x020A;
constexpr int WM_MOUSEHOVER = 0x02A1;
constexpr int WM_MOUSELEAVE = 0x02A3;
constexpr int WM_THEMECHANGED = 0x031A;
} // namespace WindowMessage

// Flags of the keys and buttons held, in the low word of a mouse message's wParam.
namespace MouseKeys {
constexpr int MK_LBUTTON = 0x01;
constexpr int MK_RBUTTON = 0x02;
constexpr int MK_SHIFT = 0x04;
constexpr int MK_CONTROL = 0x08;
constexpr int MK_MBUTTON = 0x10;
} // namespace MouseKeys

// The wheel distance of one notch; a WM_MOUSEWHEEL carries one notch, its sign in the high word.
constexpr int WHEEL_DELTA = 120;
// The one kind of mouse tracking there is: a single WM_MOUSELEAVE when the pointer leaves.
constexpr int TME_LEAVE = 2;

constexpr quintptr MakeLong(int Low, int High) { return quintptr(quint32(quint16(Low)) | (quint32(quint16(High)) << 16)); }
constexpr int LoWord(quintptr Value) { return int(quint16(Value & 0xFFFF)); }
// Signed, as wheel distances and client coordinates are.
constexpr int HiWord(quintptr Value) { return int(qint16(quint16((Value >> 16) & 0xFFFF))); }

// A message that no Qt event brings, such as a scroll bar's request: the window's hooks see it, the
// window itself ignores it. Returns the result a hook's callback left, 0 when none answered.
qintptr SendMessage(QWidget* hWnd, int Msg, quintptr wParam, qintptr lParam);

// Asks for one WM_MOUSELEAVE the next time the pointer leaves the window; the widget's own leave
// event stands in for the platform's tracking.
void TrackMouseEvent(QWidget* hWnd, int Flags);

// Gives a callback the messages of windows, before and after the window's own handling, as
// subclassing the window procedure does. Each window gets two message tables: the callback sees the
// messages of the first before the window handles them and may mark them handled, which keeps them
// from the window; it sees the messages of the second after the window handled them. Qt events
// become messages in an event filter; the window's own handling is its event(), which the filter
// calls itself when the callback is to follow it. No code is ever written to memory.
//
// A window subclassed by several hooks has them chained as window procedures are: the latest sees a
// message first, passes it on to the one before it and sees it again last. One event filter feeds
// them all, the one the first of them installed, so a filter a host installs on the window after
// that keeps seeing every event.
//
// Errors of the set-up go to the application's event log and a message box titled after the type
// name given, and leave everything as it was.
class MessageHook {
public:
    static constexpr int MSG_ENTRIES = 32;  // specific messages a table holds
    static constexpr int ALL_MESSAGES = -1; // a table of every message, or the emptying of one

    // Called for each message of a table: IsBefore for the first table. Handled (before only) keeps
    // the message from the window and the second table; Result is what the message answers.
    // UserValue is the value given at subclassing, which the callback may change.
    using Callback = std::function<void(bool IsBefore, bool& Handled, qintptr& Result, QWidget* hWnd, int uMsg,
                                        quintptr wParam, qintptr lParam, qintptr& UserValue)>;

    explicit MessageHook(const QString& TypeName);
    ~MessageHook();
    MessageHook(const MessageHook&) = delete;
    MessageHook& operator=(const MessageHook&) = delete;

    bool sc_Subclass(QWidget* hWnd, qintptr UserValue, const Callback& Callback);
    // The window handles its messages alone again once the message under way, if any, is done.
    void sc_UnSubclass(QWidget* hWnd);
    void SubclassShutdown();
    // Tables: bit 1 the first table (before), bit 2 the second (after).
    void SubclassAddMsg(QWidget* hWnd, int uMsg, int Tables);
    void SubclassDelMsg(QWidget* hWnd, int uMsg, int Tables);
    // The window's own handling of the message being dispatched to it now; 0 for any other message.
    qintptr SubclassCallPrev(QWidget* hWnd, int uMsg, quintptr wParam, qintptr lParam);
    qintptr SubclassUserParam(QWidget* hWnd);
    void SubclassUserParam(QWidget* hWnd, qintptr NewValue);

    class Block;

private:
    // Slot 0 of the platform's table: the count of entries used, or ALL_MESSAGES.
    struct MessageTable {
        int Count { 0 };
        std::array<int, MSG_ENTRIES> Entries {}; // 0 = a free entry
    };

    void zAddMsg(int uMsg, MessageTable& Table);
    void zDelMsg(int uMsg, MessageTable& Table);
    Block* zMap_hWnd(QWidget* hWnd);
    void zShowError(const QString& Routine, const QString& Text) const;
    void ForEachTable(QWidget* hWnd, int Tables, const std::function<void(MessageTable&)>& Change);

    QString m_TypeName;                                // names the reporter of an error
    std::optional<std::vector<Block*>> m_SubclassMap;  // a block per subclassed window; none until the
                                                       //   first sc_Subclass, none again after SubclassShutdown
};

} // namespace Tarvex
