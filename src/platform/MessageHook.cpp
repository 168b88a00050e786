#include <tarvex/platform/MessageHook.h>

#include <tarvex/platform/EventLog.h>
#include <tarvex/platform/MsgBox.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QVarLengthArray>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <limits>

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
// fractions are summed until they make one. A turn the other way starts the sum anew. The sum is held
// to the distance a message's signed word carries: a wheel that claims to have turned further makes
// no more messages than that, whatever it claims.
void WheelNotches(const QWheelEvent& Event, int& Rest, Messages& Out)
{
    const int delta = Event.angleDelta().y();
    if (delta == 0)
        return;
    if ((Rest < 0) != (delta < 0))
        Rest = 0;
    constexpr qint64 Farthest = std::numeric_limits<qint16>::max();
    Rest = int(std::clamp(qint64(Rest) + delta, -Farthest, Farthest));
    const quintptr keys = quintptr(KeysOf(Event.buttons(), Event.modifiers()));
    const QPoint screen = Event.globalPosition().toPoint();
    while (std::abs(Rest) >= WHEEL_DELTA) {
        const int notch = Rest < 0 ? -WHEEL_DELTA : WHEEL_DELTA;
        Rest -= notch;
        Out.append({ WM_MOUSEWHEEL, keys | MakeLong(0, notch), qintptr(MakeLong(screen.x(), screen.y())) });
    }
}

// A change of the palette is a change of the look only when it came from the application, whose
// palette follows the system's; a host that gives its own window a palette changes no theme.
bool ApplicationLookChanged(const QWidget& hWnd, QPalette& Seen)
{
    const QPalette application = QApplication::palette(&hWnd);
    if (application == Seen && application.resolveMask() == Seen.resolveMask())
        return false;
    Seen = application;
    return true;
}

// The messages a Qt event of the window stands for; none for most events.
Messages Translate(QWidget& hWnd, QEvent& Event, int& WheelRest, QPalette& Look)
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
    // The application's look changed: its style or the desktop's theme.
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
        Look = QApplication::palette(&hWnd);
        out.append({ WM_THEMECHANGED, 0, 0 });
        break;
    case QEvent::ApplicationPaletteChange:
    case QEvent::PaletteChange:
        if (ApplicationLookChanged(hWnd, Look))
            out.append({ WM_THEMECHANGED, 0, 0 });
        break;
    default:
        if (Event.type() == WindowMessageEvent::Type())
            out.append(static_cast<const WindowMessageEvent&>(Event).Sent);
        break;
    }
    return out;
}

class WindowHooks;

} // namespace

// One subclass of a window: its tables and callback. The window's hooks keep it while a message of
// theirs is under way, so that a block released meanwhile goes only once that is done.
class MessageHook::Block {
public:
    Block(WindowHooks& Hooks, qintptr UserValue, const Callback& Handler)
        : m_Hooks(Hooks), m_Callback(Handler), m_UserValue(UserValue) { }

    QWidget* Window() const;
    MessageTable& Table(int Index) { return m_Tables[Index]; }
    qintptr& UserValue() { return m_UserValue; }
    bool Released() const { return m_Released; }
    // Index 0 the first table, 1 the second.
    bool InTable(int Index, int Msg) const
    {
        const MessageTable& table = m_Tables[Index];
        if (table.Count == ALL_MESSAGES)
            return true;
        const auto used = table.Entries.begin() + std::clamp(table.Count, 0, MSG_ENTRIES);
        return std::find(table.Entries.begin(), used, Msg) != used;
    }
    bool Wants(int Msg) const { return InTable(0, Msg) || InTable(1, Msg); }
    // Hooked no more: the window's hooks let it go once no message is under way.
    void MarkReleased()
    {
        m_Tables[0].Count = m_Tables[1].Count = 0;
        m_Released = true;
    }
    void Release();
    qintptr CallPrevious(int Msg);

    // The callback may release this block, delete the window or delete the hook's owner: the caller
    // checks what it needs afterwards.
    void Call(bool IsBefore, bool& Handled, qintptr& Result, const Message& M)
    {
        const Callback handler = m_Callback;
        if (handler && !m_Released)
            handler(IsBefore, Handled, Result, Window(), M.Msg, M.wParam, M.lParam, m_UserValue);
    }

private:
    WindowHooks& m_Hooks;              // the window's hooks, which own this block
    Callback m_Callback;               // who sees the messages of the tables
    qintptr m_UserValue { 0 };         // handed to every call of the callback
    MessageTable m_Tables[2];          // before and after the window's own handling
    bool m_Released { false };         // no longer hooked; goes when no message is under way
};

namespace {

// Every subclass of one window, fed by one event filter, chained as window procedures are: the
// latest subclass sees a message first, and its previous procedure is the subclass before it, down
// to the window's own handling; its after-callbacks run last. A host's event filters installed after
// the first subclass keep seeing every event, since no later subclass adds a filter of its own.
class WindowHooks : public QObject {
public:
    static WindowHooks& Of(QWidget* hWnd)
    {
        for (WindowHooks* hooks : All()) {
            if (hooks->m_hWnd == hWnd)
                return *hooks;
        }
        return *All().emplace_back(new WindowHooks(hWnd));
    }

    QWidget* Window() const { return m_hWnd; }

    MessageHook::Block* Join(qintptr UserValue, const MessageHook::Callback& Handler)
    {
        return m_Blocks.emplace_back(new MessageHook::Block(*this, UserValue, Handler));
    }

    void Leave(MessageHook::Block& Block)
    {
        Block.MarkReleased();
        Collect();
    }

    // The procedure below Block's for the message under way; 0 for any other message.
    qintptr CallBelow(const MessageHook::Block& Block, int Msg)
    {
        if (!m_Current || m_CurrentMsg != Msg)
            return 0;
        const auto level = std::find(m_Blocks.begin(), m_Blocks.end(), &Block) - m_Blocks.begin();
        ++m_Nesting;
        const qintptr result = Through(int(level) - 1, *m_Current, *m_CurrentList);
        --m_Nesting;
        return result;
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched != m_hWnd)
            return false;
        const Messages messages = Translate(*m_hWnd, *Event, m_WheelRest, m_Look);
        const auto wanted = [this](const Message& m) {
            return std::any_of(m_Blocks.begin(), m_Blocks.end(), [&m](const MessageHook::Block* b) { return b->Wants(m.Msg); });
        };
        if (std::none_of(messages.begin(), messages.end(), wanted))
            return false;
        Dispatch(*Event, messages);
        return true;
    }

private:
    explicit WindowHooks(QWidget* hWnd)
        : m_hWnd(hWnd), m_Look(QApplication::palette(hWnd))
    {
        // The platform tells a window of every move of the pointer over it; Qt only while it
        // tracks the mouse.
        hWnd->setMouseTracking(true);
        hWnd->installEventFilter(this);
    }

    static std::vector<WindowHooks*>& All()
    {
        static std::vector<WindowHooks*> hooks;
        return hooks;
    }

    void Dispatch(QEvent& Event, const Messages& List)
    {
        const QPointer<QWidget> window(m_hWnd);
        QEvent* const outer = std::exchange(m_Current, &Event);
        const Messages* const outerList = std::exchange(m_CurrentList, &List);
        const int outerMsg = std::exchange(m_CurrentMsg, List.front().Msg);
        ++m_Nesting;
        const qintptr result = Through(int(m_Blocks.size()) - 1, Event, List);
        if (Event.type() == WindowMessageEvent::Type())
            static_cast<WindowMessageEvent&>(Event).Result = result;
        // Qt would hand an ignored event on to the parent of a window that is gone.
        if (!window)
            Event.accept();
        m_Current = outer;
        m_CurrentList = outerList;
        m_CurrentMsg = outerMsg;
        --m_Nesting;
        Collect();
    }

    // The subclass at Level: its first table, the procedure below it, its second table.
    qintptr Through(int Level, QEvent& Event, const Messages& List)
    {
        if (Level < 0) {
            if (!m_hWnd || Event.type() == WindowMessageEvent::Type())
                return 0;
            return static_cast<QObject&>(*m_hWnd).event(&Event) ? 1 : 0; // the window's own procedure
        }
        MessageHook::Block& block = *m_Blocks[size_t(Level)];
        bool handled = false;
        qintptr result = 0;
        for (const Message& m : List) {
            if (handled || !m_hWnd || !block.InTable(0, m.Msg))
                continue;
            block.Call(true, handled, result, m);
        }
        if (handled)
            return result;
        result = Through(Level - 1, Event, List);
        for (const Message& m : List) {
            if (handled || !m_hWnd || !block.InTable(1, m.Msg))
                continue;
            block.Call(false, handled, result, m);
        }
        return result;
    }

    // Released blocks go once no message is under way; the filter goes with the last of them.
    void Collect()
    {
        if (m_Nesting > 0)
            return;
        std::erase_if(m_Blocks, [](MessageHook::Block* block) {
            if (!block->Released())
                return false;
            delete block;
            return true;
        });
        if (!m_Blocks.empty())
            return;
        if (m_hWnd)
            m_hWnd->removeEventFilter(this);
        std::erase(All(), this);
        delete this;
    }

    QPointer<QWidget> m_hWnd;                 // the subclassed window; cleared when it is destroyed
    std::vector<MessageHook::Block*> m_Blocks; // its subclasses, the earliest first
    int m_Nesting { 0 };                      // messages under way
    int m_WheelRest { 0 };                    // wheel distance short of a whole notch
    QPalette m_Look;                          // the application's palette as last seen
    QEvent* m_Current { nullptr };            // the event under way, for SubclassCallPrev; null = none
    const Messages* m_CurrentList { nullptr }; //   its messages
    int m_CurrentMsg { 0 };                   //   and the first of them
};

} // namespace

QWidget* MessageHook::Block::Window() const { return m_Hooks.Window(); }
void MessageHook::Block::Release() { m_Hooks.Leave(*this); }
qintptr MessageHook::Block::CallPrevious(int Msg) { return m_Hooks.CallBelow(*this, Msg); }

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
    m_SubclassMap->push_back(WindowHooks::Of(hWnd).Join(UserValue, Callback));
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
