#include "platform/MessageHook.h"

#include "platform/EventLog.h"
#include "platform/MsgBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QVarLengthArray>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace Tarvex {

using namespace WindowMessage;

namespace {

struct Message {
    int Msg { 0 };
    quintptr wParam { 0 };
    qintptr lParam { 0 };
};
using Messages = QVarLengthArray<Message, 4>;

// The carrier of a message sent with SendMessage.
class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(const Message& Sent)
        : QEvent(Type()), Sent(Sent) { }
    static QEvent::Type Type()
    {
        static const auto type = QEvent::Type(QEvent::registerEventType());
        return type;
    }
    Message Sent;
    qintptr Result { 0 };
};

// Windows that asked for a WM_MOUSELEAVE and have not had it yet.
std::vector<QPointer<QWidget>>& LeaveTracked()
{
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

// The window's own handling of an event, as the platform's previous window procedure.
qintptr WindowProcedure(QObject& hWnd, QEvent& Event)
{
    return hWnd.event(&Event) ? 1 : 0;
}

bool TakeLeaveRequest(QWidget* hWnd)
{
    auto& windows = LeaveTracked();
    std::erase_if(windows, [](const QPointer<QWidget>& window) { return window.isNull(); });
    return std::erase(windows, QPointer<QWidget>(hWnd)) > 0;
}

int KeysOf(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers)
{
    using namespace MouseKeys;
    return (Buttons & Qt::LeftButton ? MK_LBUTTON : 0) | (Buttons & Qt::RightButton ? MK_RBUTTON : 0)
        | (Buttons & Qt::MiddleButton ? MK_MBUTTON : 0) | (Modifiers & Qt::ShiftModifier ? MK_SHIFT : 0)
        | (Modifiers & Qt::ControlModifier ? MK_CONTROL : 0);
}

// Client coordinates start inside the window's border, where the contents rectangle does.
qintptr ClientPoint(const QWidget& hWnd, QPointF Position)
{
    const QPoint client = Position.toPoint() - hWnd.contentsRect().topLeft();
    return qintptr(MakeLong(client.x(), client.y()));
}

// Qt reports high-resolution wheels in fractions of a notch; a message is one whole notch, so the
// fractions are summed until they make one. A turn the other way starts the sum anew.
void WheelNotches(const QWheelEvent& Event, int& Rest, Messages& Out)
{
    const int delta = Event.angleDelta().y();
    if (delta == 0)
        return;
    if ((Rest < 0) != (delta < 0))
        Rest = 0;
    Rest += delta;
    const quintptr keys = quintptr(KeysOf(Event.buttons(), Event.modifiers()));
    const QPoint screen = Event.globalPosition().toPoint();
    while (std::abs(Rest) >= WHEEL_DELTA) {
        const int notch = Rest < 0 ? -WHEEL_DELTA : WHEEL_DELTA;
        Rest -= notch;
        Out.append({ WM_MOUSEWHEEL, keys | MakeLong(0, notch), qintptr(MakeLong(screen.x(), screen.y())) });
    }
}

// The messages a Qt event of the window stands for; none for most events.
Messages Translate(QWidget& hWnd, QEvent& Event, int& WheelRest)
{
    Messages out;
    switch (Event.type()) {
    case QEvent::FocusIn: out.append({ WM_SETFOCUS, 0, 0 }); break;
    case QEvent::FocusOut: out.append({ WM_KILLFOCUS, 0, 0 }); break;
    case QEvent::MouseMove: {
        const auto& mouse = static_cast<const QMouseEvent&>(Event);
        out.append({ WM_MOUSEMOVE, quintptr(KeysOf(mouse.buttons(), mouse.modifiers())), ClientPoint(hWnd, mouse.position()) });
        break;
    }
    case QEvent::Wheel: WheelNotches(static_cast<const QWheelEvent&>(Event), WheelRest, out); break;
    case QEvent::Leave:
        if (TakeLeaveRequest(&hWnd))
            out.append({ WM_MOUSELEAVE, 0, 0 });
        break;
    // The application's look changed: its style, the desktop's theme, or the palette that a window
    // without one of its own takes from the application or its parent.
    case QEvent::StyleChange:
    case QEvent::ThemeChange: out.append({ WM_THEMECHANGED, 0, 0 }); break;
    case QEvent::PaletteChange:
        if (!hWnd.testAttribute(Qt::WA_SetPalette))
            out.append({ WM_THEMECHANGED, 0, 0 });
        break;
    default:
        if (Event.type() == WindowMessageEvent::Type())
            out.append(static_cast<const WindowMessageEvent&>(Event).Sent);
        break;
    }
    return out;
}

} // namespace

// One subclassed window: its tables and callback, and the filter that feeds them. A block whose
// window is released while one of its messages is under way deletes itself once that is done.
class MessageHook::Block : public QObject {
public:
    // The platform tells a window of every move of the pointer over it; Qt only while it tracks
    // the mouse.
    Block(QWidget* hWnd, qintptr UserValue, const Callback& Handler)
        : m_hWnd(hWnd), m_Callback(Handler), m_UserValue(UserValue)
    {
        hWnd->setMouseTracking(true);
        hWnd->installEventFilter(this);
    }

    QWidget* Window() const { return m_hWnd; }
    MessageTable& Table(int Index) { return m_Tables[Index]; }
    qintptr& UserValue() { return m_UserValue; }

    void Release()
    {
        m_Tables[0].Count = m_Tables[1].Count = 0;
        if (m_hWnd)
            m_hWnd->removeEventFilter(this);
        m_Released = true;
        if (m_Nesting == 0)
            delete this;
    }

    qintptr CallPrevious(int Msg)
    {
        if (!m_Current || !m_hWnd || m_CurrentMsg != Msg)
            return 0;
        return WindowProcedure(*m_hWnd, *m_Current);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched != m_hWnd || m_Released)
            return false;
        const Messages messages = Translate(*m_hWnd, *Event, m_WheelRest);
        if (std::none_of(messages.begin(), messages.end(), [this](const Message& m) { return Wants(m.Msg); }))
            return false;
        return Dispatch(*Event, messages);
    }

private:
    static bool Has(const MessageTable& Table, int Msg)
    {
        if (Table.Count == ALL_MESSAGES)
            return true;
        const auto used = Table.Entries.begin() + std::clamp(Table.Count, 0, MSG_ENTRIES);
        return std::find(Table.Entries.begin(), used, Msg) != used;
    }
    bool Wants(int Msg) const { return Has(m_Tables[0], Msg) || Has(m_Tables[1], Msg); }

    // Before, the window's own handling, after. The callback may release the block, delete the
    // window or delete the owner of the hook: each step first checks that what it needs is there.
    bool Dispatch(QEvent& Event, const Messages& List)
    {
        const QPointer<QWidget> window(m_hWnd);
        QEvent* const outer = std::exchange(m_Current, &Event);
        const int outerMsg = std::exchange(m_CurrentMsg, List.front().Msg);
        ++m_Nesting;
        bool handled = false;
        qintptr result = 0;
        for (const Message& m : List) {
            if (handled || !window || !Has(m_Tables[0], m.Msg))
                continue;
            Call(true, handled, result, m);
        }
        if (!handled && window && Event.type() != WindowMessageEvent::Type())
            result = WindowProcedure(*window, Event);
        for (const Message& m : List) {
            if (handled || !window || !Has(m_Tables[1], m.Msg))
                continue;
            Call(false, handled, result, m);
        }
        if (Event.type() == WindowMessageEvent::Type())
            static_cast<WindowMessageEvent&>(Event).Result = result;
        // Qt would hand an ignored event on to the parent of a window that is gone.
        if (!window)
            Event.accept();
        m_Current = outer;
        m_CurrentMsg = outerMsg;
        if (--m_Nesting == 0 && m_Released)
            delete this;
        return true;
    }

    void Call(bool IsBefore, bool& Handled, qintptr& Result, const Message& M)
    {
        const Callback handler = m_Callback;
        if (handler)
            handler(IsBefore, Handled, Result, m_hWnd, M.Msg, M.wParam, M.lParam, m_UserValue);
    }

    QPointer<QWidget> m_hWnd;          // the subclassed window; cleared when it is destroyed
    Callback m_Callback;               // who sees the messages of the tables
    qintptr m_UserValue { 0 };         // handed to every call of the callback
    MessageTable m_Tables[2];          // before and after the window's own handling
    int m_Nesting { 0 };               // messages under way in this block
    bool m_Released { false };         // no longer hooked; goes when no message is under way
    int m_WheelRest { 0 };             // wheel distance short of a whole notch
    QEvent* m_Current { nullptr };     // the event under way, for SubclassCallPrev; null = none
    int m_CurrentMsg { 0 };            //   and its first message
};

qintptr SendMessage(QWidget* hWnd, int Msg, quintptr wParam, qintptr lParam)
{
    if (!hWnd)
        return 0;
    WindowMessageEvent event({ Msg, wParam, lParam });
    QCoreApplication::sendEvent(hWnd, &event);
    return event.Result;
}

void TrackMouseEvent(QWidget* hWnd, int Flags)
{
    if (!hWnd || !(Flags & TME_LEAVE))
        return;
    auto& windows = LeaveTracked();
    if (std::find(windows.begin(), windows.end(), QPointer<QWidget>(hWnd)) == windows.end())
        windows.emplace_back(hWnd);
}

MessageHook::MessageHook(const QString& TypeName)
    : m_TypeName(TypeName)
{
}

MessageHook::~MessageHook()
{
    SubclassShutdown();
}

bool MessageHook::sc_Subclass(QWidget* hWnd, qintptr UserValue, const Callback& Callback)
{
    const QString routine = QStringLiteral("sc_Subclass");
    if (!hWnd) {
        zShowError(routine, QStringLiteral("Invalid window handle"));
        return false;
    }
    if (!Callback) {
        zShowError(routine, QStringLiteral("Callback method not found"));
        return false;
    }
    if (!m_SubclassMap)
        m_SubclassMap.emplace();
    std::erase_if(*m_SubclassMap, [](Block* block) {
        if (block->Window())
            return false;
        block->Release();
        return true;
    });
    const auto& map = *m_SubclassMap;
    if (std::any_of(map.begin(), map.end(), [hWnd](const Block* block) { return block->Window() == hWnd; })) {
        zShowError(routine, QStringLiteral("Window handle is already subclassed"));
        return false;
    }
    m_SubclassMap->push_back(new Block(hWnd, UserValue, Callback));
    return true;
}

void MessageHook::sc_UnSubclass(QWidget* hWnd)
{
    const QString routine = QStringLiteral("sc_UnSubclass");
    if (!m_SubclassMap) {
        zShowError(routine, QStringLiteral("Window handle isn't subclassed"));
        return;
    }
    Block* block = zMap_hWnd(hWnd);
    if (!block)
        return;
    std::erase(*m_SubclassMap, block);
    block->Release();
}

// The last window first, as they were subclassed in turn.
void MessageHook::SubclassShutdown()
{
    if (!m_SubclassMap)
        return;
    while (!m_SubclassMap->empty()) {
        Block* block = m_SubclassMap->back();
        m_SubclassMap->pop_back();
        block->Release();
    }
    m_SubclassMap.reset();
}

void MessageHook::SubclassAddMsg(QWidget* hWnd, int uMsg, int Tables)
{
    ForEachTable(hWnd, Tables, [&](MessageTable& Table) { zAddMsg(uMsg, Table); });
}

void MessageHook::SubclassDelMsg(QWidget* hWnd, int uMsg, int Tables)
{
    ForEachTable(hWnd, Tables, [&](MessageTable& Table) { zDelMsg(uMsg, Table); });
}

void MessageHook::ForEachTable(QWidget* hWnd, int Tables, const std::function<void(MessageTable&)>& Change)
{
    Block* block = zMap_hWnd(hWnd);
    if (!block)
        return;
    if (Tables & 1)
        Change(block->Table(0));
    if (Tables & 2)
        Change(block->Table(1));
}

qintptr MessageHook::SubclassCallPrev(QWidget* hWnd, int uMsg, quintptr wParam, qintptr lParam)
{
    Q_UNUSED(wParam);
    Q_UNUSED(lParam);
    Block* block = zMap_hWnd(hWnd);
    return block ? block->CallPrevious(uMsg) : 0;
}

qintptr MessageHook::SubclassUserParam(QWidget* hWnd)
{
    Block* block = zMap_hWnd(hWnd);
    return block ? block->UserValue() : 0;
}

void MessageHook::SubclassUserParam(QWidget* hWnd, qintptr NewValue)
{
    if (Block* block = zMap_hWnd(hWnd))
        block->UserValue() = NewValue;
}

// A free entry is taken before the table grows; a table of every message becomes one of this one.
void MessageHook::zAddMsg(int uMsg, MessageTable& Table)
{
    if (uMsg == ALL_MESSAGES) {
        Table.Count = ALL_MESSAGES;
        return;
    }
    if (Table.Count == ALL_MESSAGES) {
        Table.Entries.fill(0);
        Table.Entries[0] = uMsg;
        Table.Count = 1;
        return;
    }
    if (Table.Count >= MSG_ENTRIES) {
        zShowError(QStringLiteral("zAddMsg"),
                   QStringLiteral("Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
                                  "ALL_MESSAGES instead of specific message values"));
        return;
    }
    for (int i = 0; i < Table.Count; ++i) {
        if (Table.Entries[i] == 0) {
            Table.Entries[i] = uMsg;
            return;
        }
        if (Table.Entries[i] == uMsg)
            return;
    }
    Table.Entries[Table.Count++] = uMsg;
}

void MessageHook::zDelMsg(int uMsg, MessageTable& Table)
{
    if (uMsg == ALL_MESSAGES) {
        Table.Count = 0;
        return;
    }
    const auto used = Table.Entries.begin() + std::clamp(Table.Count, 0, MSG_ENTRIES);
    const auto found = std::find(Table.Entries.begin(), used, uMsg);
    if (found == used) {
        zShowError(QStringLiteral("zDelMsg"),
                   QStringLiteral("Message &H%1 not found in table").arg(QString::number(quint32(uMsg), 16).toUpper()));
        return;
    }
    *found = 0;
}

MessageHook::Block* MessageHook::zMap_hWnd(QWidget* hWnd)
{
    if (!m_SubclassMap) {
        zShowError(QStringLiteral("zMap_hWnd"), QStringLiteral("Subclassing hasn't been started"));
        return nullptr;
    }
    const auto found = std::find_if(m_SubclassMap->begin(), m_SubclassMap->end(),
                                    [hWnd](const Block* block) { return hWnd && block->Window() == hWnd; });
    if (found == m_SubclassMap->end()) {
        zShowError(QStringLiteral("zMap_hWnd"), QStringLiteral("Window handle isn't subclassed"));
        return nullptr;
    }
    return *found;
}

void MessageHook::zShowError(const QString& Routine, const QString& Text) const
{
    const QString where = m_TypeName + QLatin1Char('.') + Routine;
    LogEvent(where + QStringLiteral(": ") + Text, EventType::Error);
    MsgBox(Text + QLatin1Char('.'), MsgBoxStyle::Exclamation, QStringLiteral("Error in ") + where);
}

} // namespace Tarvex
