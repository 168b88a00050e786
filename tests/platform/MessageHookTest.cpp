#include "platform/EventWatch.h"

#include <tarvex/platform/MessageHook.h>
#include <tarvex/platform/MsgBox.h>

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStringList>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

using namespace Tarvex;
using namespace WindowMessage;

namespace {

// Every line the application's event log was given while it lives.
class EventLogLines {
public:
    EventLogLines() { s_Lines = &m_Lines; m_Previous = qInstallMessageHandler(&Record); }
    ~EventLogLines() { qInstallMessageHandler(m_Previous); s_Lines = nullptr; }
    const QStringList& Lines() const { return m_Lines; }

private:
    static void Record(QtMsgType Type, const QMessageLogContext& Context, const QString& Text)
    {
        if (s_Lines && Type == QtCriticalMsg && QLatin1String(Context.category) == QLatin1String("tarvex.eventlog"))
            s_Lines->append(Text);
    }
    static inline QStringList* s_Lines = nullptr;
    QStringList m_Lines;
    QtMessageHandler m_Previous;
};

// A window that notes its own handling of the events it gets, beside what the callback notes.
class Window : public QWidget {
public:
    explicit Window(QStringList& Seen) : m_Seen(Seen) { }

protected:
    void mouseMoveEvent(QMouseEvent*) override { m_Seen << QStringLiteral("window move"); }
    void focusInEvent(QFocusEvent*) override { m_Seen << QStringLiteral("window focus"); }

private:
    QStringList& m_Seen;
};

struct Hooked : testing::Test {
    QStringList seen;
    Window window { seen };
    MessageHook hook { QStringLiteral("Probe") };
    std::function<void(bool IsBefore, bool& Handled, int Msg, quintptr wParam)> react;

    void SetUp() override
    {
        ASSERT_TRUE(hook.sc_Subclass(&window, 7,
            [this](bool IsBefore, bool& Handled, qintptr&, QWidget*, int Msg, quintptr wParam, qintptr, qintptr& User) {
                seen << QStringLiteral("%1 %2 %3").arg(IsBefore ? "before" : "after").arg(Msg, 0, 16).arg(User);
                if (react)
                    react(IsBefore, Handled, Msg, wParam);
            }));
    }
    void Move()
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 6), QPointF(5, 6), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &move);
    }
    void Wheel(int Delta, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QWheelEvent wheel(QPointF(5, 6), QPointF(5, 6), QPoint(), QPoint(0, Delta), Qt::NoButton, Modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&window, &wheel);
    }
};

} // namespace

TEST_F(Hooked, SetUpErrorsGoToTheEventLogAndABoxAndLeaveTheHookWorking)
{
    struct Case {
        const char* name;
        std::function<void(Hooked&)> act;
        QString routine;
        QString text;
    };
    QWidget other;
    const Case cases[] {
        { "the 33rd message of a table",
          [](Hooked& t) {
              for (int m = 1; m <= 32; ++m)
                  t.hook.SubclassAddMsg(&t.window, 0x400 + m, 1);
          },
          "zAddMsg",
          "Message table overflow. Either increase the value of Const MSG_ENTRIES or use ALL_MESSAGES instead of specific "
          "message values" },
        { "a message the table lacks", [](Hooked& t) { t.hook.SubclassDelMsg(&t.window, WM_MOUSEMOVE, 2); }, "zDelMsg",
          "Message &H200 not found in table" },
        { "a window subclassed twice", [](Hooked& t) { t.hook.sc_Subclass(&t.window, 0, [](auto&&...) { }); },
          "sc_Subclass", "Window handle is already subclassed" },
        { "a window never subclassed", [&other](Hooked& t) { t.hook.SubclassAddMsg(&other, WM_SETFOCUS, 2); }, "zMap_hWnd",
          "Window handle isn't subclassed" },
        { "no window", [](Hooked& t) { t.hook.sc_Subclass(nullptr, 0, [](auto&&...) { }); }, "sc_Subclass",
          "Invalid window handle" },
        { "a hook never started",
          [](Hooked&) {
              MessageHook fresh(QStringLiteral("Probe"));
              fresh.SubclassUserParam(nullptr, 1);
          },
          "zMap_hWnd", "Subclassing hasn't been started" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hook.SubclassDelMsg(&window, MessageHook::ALL_MESSAGES, 3);
        hook.SubclassAddMsg(&window, WM_MOUSEMOVE, 1);
        MsgBoxRecorder boxes;
        EventLogLines log;
        c.act(*this);
        ASSERT_EQ(1u, boxes.Calls().size());
        EXPECT_EQ(c.text + ".", boxes.Calls()[0].Prompt);
        EXPECT_EQ(MsgBoxStyle::Exclamation, boxes.Calls()[0].Buttons);
        EXPECT_EQ("Error in Probe." + c.routine, boxes.Calls()[0].Title);
        EXPECT_EQ(QStringList { "Probe." + c.routine + ": " + c.text }, log.Lines());
        seen.clear();
        Move();
        EXPECT_EQ(QStringList({ "before 200 7", "window move" }), seen);
    }
}

TEST_F(Hooked, ATableOfEveryMessageTakesAnyNumberAndBecomesATableOfOneWhenOneIsAdded)
{
    MsgBoxRecorder boxes;
    hook.SubclassAddMsg(&window, MessageHook::ALL_MESSAGES, 2);
    for (int m = 1; m <= 40; ++m)
        hook.SubclassAddMsg(&window, MessageHook::ALL_MESSAGES, 2);
    Move();
    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(&window, &focus);
    EXPECT_EQ(QStringList({ "window move", "after 200 7", "window focus", "after 7 7" }), seen);

    seen.clear();
    hook.SubclassAddMsg(&window, WM_SETFOCUS, 2);
    Move();
    QCoreApplication::sendEvent(&window, &focus);
    EXPECT_EQ(QStringList({ "window move", "window focus", "after 7 7" }), seen);
    EXPECT_TRUE(boxes.Calls().empty());
}

// A callback that marks a message handled keeps it from the window and from the second table.
TEST_F(Hooked, BeforeCallbacksMayKeepAMessageFromTheWindowAfterCallbacksFollowIt)
{
    hook.SubclassAddMsg(&window, WM_MOUSEMOVE, 3);
    Move();
    EXPECT_EQ(QStringList({ "before 200 7", "window move", "after 200 7" }), seen);

    seen.clear();
    react = [](bool IsBefore, bool& Handled, int, quintptr) { Handled = IsBefore; };
    hook.SubclassUserParam(&window, 9);
    Move();
    EXPECT_EQ(QStringList({ "before 200 9" }), seen);

    seen.clear();
    hook.sc_UnSubclass(&window);
    Move();
    EXPECT_EQ(QStringList({ "window move" }), seen);
}

TEST_F(Hooked, WheelFractionsAddUpToOneMessagePerNotchAndATurnStartsAfresh)
{
    hook.SubclassAddMsg(&window, WM_MOUSEWHEEL, 2);
    QList<int> notches;
    react = [&notches](bool, bool&, int, quintptr wParam) { notches << HiWord(wParam) * (LoWord(wParam) & 8 ? 10 : 1); };
    Wheel(40);
    Wheel(40);
    EXPECT_TRUE(notches.isEmpty());
    Wheel(40);
    EXPECT_EQ(QList<int>({ 120 }), notches);
    Wheel(100);           // 100 of the next notch
    Wheel(-60);           // turning back drops them
    Wheel(-60);
    Wheel(-360, Qt::ControlModifier);
    EXPECT_EQ(QList<int>({ 120, -120, -1200, -1200, -1200 }), notches);
}

TEST_F(Hooked, ThePointerLeavingIsAMessageOncePerRequest)
{
    hook.SubclassAddMsg(&window, WM_MOUSELEAVE, 2);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&window, &leave);
    EXPECT_TRUE(seen.isEmpty()); // nobody asked
    TrackMouseEvent(&window, TME_LEAVE);
    TrackMouseEvent(&window, TME_LEAVE);
    QCoreApplication::sendEvent(&window, &leave);
    QCoreApplication::sendEvent(&window, &leave);
    EXPECT_EQ(QStringList({ "after 2a3 7" }), seen);
}

// The callback may end the subclass, the hook or the window itself while their message is under way.
TEST(MessageHook, ACallbackMayReleaseTheHookOrDeleteTheWindowUnderItsOwnMessage)
{
    const std::function<void(std::unique_ptr<MessageHook>&, QPointer<QWidget>&)> ends[] {
        [](std::unique_ptr<MessageHook>& hook, QPointer<QWidget>& window) { hook->sc_UnSubclass(window); },
        [](std::unique_ptr<MessageHook>& hook, QPointer<QWidget>&) { hook.reset(); },
        [](std::unique_ptr<MessageHook>&, QPointer<QWidget>& window) { delete window.data(); },
    };
    for (const auto& end : ends) {
        QWidget parent;
        QPointer<QWidget> window = new QWidget(&parent);
        auto hook = std::make_unique<MessageHook>(QStringLiteral("Probe"));
        int calls = 0;
        hook->sc_Subclass(window, 0, [&](bool, bool&, qintptr&, QWidget*, int, quintptr, qintptr, qintptr&) {
            if (++calls == 1)
                end(hook, window);
        });
        hook->SubclassAddMsg(window, MessageHook::ALL_MESSAGES, 3);
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &move);
        if (window)
            QCoreApplication::sendEvent(window, &move);
        EXPECT_EQ(1, calls);
        EXPECT_EQ(0, SendMessage(window, WM_VSCROLL, 0, 0));
    }
}

// Hooks of one window chain as window procedures do: the latest sees a message first, hands it on to
// the one before it, and sees it again last; none takes it from another. A host's event filter,
// installed after the first hook, keeps seeing the window's events whatever hooks come later.
TEST(MessageHook, HooksOfOneWindowChainAndLeaveTheHostsFilterItsEvents)
{
    QStringList seen;
    Window window(seen);
    MessageHook first(QStringLiteral("First"));
    MessageHook second(QStringLiteral("Second"));
    const auto noting = [&seen](const char* Name) {
        return [&seen, Name](bool IsBefore, bool&, qintptr&, QWidget*, int, quintptr, qintptr, qintptr&) {
            seen << QStringLiteral("%1 %2").arg(QLatin1String(Name), IsBefore ? "before" : "after");
        };
    };
    const auto move = [&window] {
        QMouseEvent event(QEvent::MouseMove, QPointF(5, 6), QPointF(5, 6), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    };
    ASSERT_TRUE(first.sc_Subclass(&window, 0, noting("first")));
    first.SubclassAddMsg(&window, WM_MOUSEMOVE, 3);
    int hostSaw = 0;
    EventWatch host(nullptr, [&hostSaw](QObject*, QEvent* Event) {
        hostSaw += Event->type() == QEvent::MouseMove;
        return false;
    });
    host.Watch(&window);
    ASSERT_TRUE(second.sc_Subclass(&window, 0, noting("second")));
    second.SubclassAddMsg(&window, WM_MOUSEMOVE, 3);

    struct Step {
        const char* name;
        std::function<void()> before;
        QStringList expected;
    };
    const Step steps[] {
        { "both hooked", nullptr,
          { "second before", "first before", "window move", "first after", "second after" } },
        { "the first released", [&] { first.sc_UnSubclass(&window); }, { "second before", "window move", "second after" } },
        { "the second released too", [&] { second.sc_UnSubclass(&window); }, { "window move" } },
    };
    int moves = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.before)
            step.before();
        seen.clear();
        move();
        EXPECT_EQ(step.expected, seen);
        EXPECT_EQ(++moves, hostSaw);
    }
}

// However far a wheel claims to have turned, a Qt event makes no more messages than the distance a
// message's signed word holds, and the sum of fractions never overflows.
TEST_F(Hooked, HostileWheelDistancesMakeABoundedNumberOfNotches)
{
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    constexpr int Farthest = 32767 / WHEEL_DELTA; // notches one event may make
    hook.SubclassAddMsg(&window, WM_MOUSEWHEEL, 2);
    QList<int> notches;
    react = [&notches](bool, bool&, int, quintptr wParam) { notches << HiWord(wParam); };
    struct Case {
        const char* name;
        QList<int> distances;
        int up, down; // notches each way
    };
    const Case cases[] {
        { "one notch each way", { 120, -120 }, 1, 1 },
        { "100, then the largest distance", { 100, Max }, Farthest, 0 },
        { "the largest distance backwards", { -Max }, 0, Farthest },
        { "the smallest int", { Min }, 0, Farthest },
        { "the largest twice", { Max, Max }, 2 * Farthest, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        notches.clear();
        Wheel(1); // a turn the other way starts afresh: no rest of the case before
        Wheel(-1);
        for (const int distance : c.distances)
            Wheel(distance);
        EXPECT_EQ(c.up, notches.count(WHEEL_DELTA));
        EXPECT_EQ(c.down, notches.count(-WHEEL_DELTA));
    }
}
