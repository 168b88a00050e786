#include "grid/RuzuZiriPrivate.h"

#include "GridScrollBars.h"

#include "platform/EventWatch.h"

#include <tarvex/platform/MessageHook.h>
#include <tarvex/platform/MsgBox.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/PropertyBag.h>

#include <QApplication>
#include <QFocusEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace Tarvex;
using namespace WindowMessage;

namespace {

// A hundred rows and three wide columns on a shown grid 300 x 200 pixels, painting on, both bars showing.
struct MessagedGrid : testing::Test {
    RuzuZiri grid;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
    void SetUp() override
    {
        for (const char* name : { "name", "amount", "note" })
            grid.AddColumn(name, 2000);
        for (int r = 0; r < 100; ++r)
            grid.AddItem(QStringLiteral("r%1\t%1\tn%1").arg(r));
        grid.resize(300, 200);
        grid.show();
        grid.Redraw(true);
    }
    QScrollBar* Bar(int Index) const { return ScrollBarOf(grid, Index); }
    void Wheel(int Delta, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) { WheelOver(grid, Delta, Modifiers); }
    // Over a child of the grid, such as one of its scroll bars: its middle.
    static void WheelOver(QWidget& Target, int Delta, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        const QPointF middle = QRectF(Target.rect()).center();
        QWheelEvent wheel(middle, Target.mapToGlobal(middle), QPoint(), QPoint(0, Delta), Qt::NoButton, Modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Target, &wheel);
    }
    void Request(int Bar, int Request) { SendMessage(&grid, Bar == 0 ? WM_HSCROLL : WM_VSCROLL, MakeLong(Request, 0), 0); }
};

} // namespace

// Each request from a start position: where the bar ends, how many Scroll events, and the first row
// the picture shows (a request that moves the thumb without ScrollTrack leaves the picture as it was).
TEST_F(MessagedGrid, ScrollRequestsAndWheelNotchesMoveTheBarAndRepaintAsTheyShould)
{
    const int last = inside.SBGetMax(1) - grid.SBLargeChange(1) + 1; // the top of the last page
    struct Case {
        const char* name;
        int bar, from;
        bool track;
        std::function<void(MessagedGrid&)> act;
        int to, scrolls, shown;
    };
    const auto request = [](int Bar, int Code) { return [Bar, Code](MessagedGrid& t) { t.Request(Bar, Code); }; };
    const auto thumb = [](int Position) {
        return [Position](MessagedGrid& t) {
            const QSignalBlocker quiet(t.Bar(1));
            t.Bar(1)->setSliderPosition(Position);
            t.Request(1, 5);
        };
    };
    const Case cases[] {
        { "line down", 1, 0, true, request(1, 1), 1, 1, 1 },
        { "line up", 1, 5, true, request(1, 0), 4, 1, 4 },
        { "line up at the top", 1, 0, true, request(1, 0), 0, 0, 0 },
        { "page down", 1, 0, true, request(1, 3), 5, 1, 5 },
        { "page up past the top", 1, 3, true, request(1, 2), 0, 1, 0 },
        { "thumb position", 1, 7, true, request(1, 4), 7, 0, 7 },
        { "thumb track", 1, 0, true, thumb(30), 30, 1, 30 },
        { "thumb track without ScrollTrack", 1, 0, false, thumb(30), 30, 1, 0 },
        { "end of scroll without ScrollTrack", 1, 30, false, request(1, 8), 30, 0, 30 },
        { "top", 1, 20, true, request(1, 6), 0, 1, 0 },
        { "bottom", 1, 20, true, request(1, 7), last, 1, last },
        { "a line sideways", 0, 0, true, request(0, 1), 1, 1, 0 },
        { "a wheel notch down: three rows", 1, 0, true, [](MessagedGrid& t) { t.Wheel(-120); }, 3, 1, 3 },
        { "a wheel notch up", 1, 10, true, [](MessagedGrid& t) { t.Wheel(120); }, 7, 1, 7 },
        { "half a notch", 1, 10, true, [](MessagedGrid& t) { t.Wheel(60); }, 10, 0, 10 },
        { "two notches in one event", 1, 0, true, [](MessagedGrid& t) { t.Wheel(-240); }, 6, 2, 6 },
        { "a notch with Ctrl: one column", 0, 0, true, [](MessagedGrid& t) { t.Wheel(-120, Qt::ControlModifier); }, 1, 1, 0 },
        // The bars are the window's own: a notch over them is a notch over the grid.
        { "a notch over the vertical bar", 1, 0, true, [](MessagedGrid& t) { WheelOver(*t.Bar(1), -120); }, 3, 1, 3 },
        { "a notch over the vertical bar without ScrollTrack", 1, 0, false,
          [](MessagedGrid& t) { WheelOver(*t.Bar(1), -120); }, 3, 1, 3 },
        { "a notch over the horizontal bar: rows", 1, 0, true, [](MessagedGrid& t) { WheelOver(*t.Bar(0), -120); }, 3, 1, 3 },
        // A wheel that claims any distance scrolls to the end, a notch a change, and no further.
        { "the largest distance down", 1, 0, true, [](MessagedGrid& t) { t.Wheel(-std::numeric_limits<int>::max()); },
          last, (last + 2) / 3, last },
        { "100, then the largest distance up", 1, 20, true,
          [](MessagedGrid& t) {
              t.Wheel(100);
              t.Wheel(std::numeric_limits<int>::max());
          },
          0, 7, 0 },
    };
    QSignalSpy scrolls(&grid, &RuzuZiri::Scroll);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid.ScrollTrack(true);
        DragThumb(grid, c.bar, c.from);
        DragThumb(grid, 1 - c.bar, 0);
        grid.Refresh();
        grid.ScrollTrack(c.track);
        scrolls.clear();
        c.act(*this);
        EXPECT_EQ(c.to, inside.SBGetPos(c.bar));
        EXPECT_EQ(c.scrolls, scrolls.count());
        EXPECT_EQ(c.shown, grid.RowFirstVisible());
        EXPECT_EQ(-1, grid.Row()); // scrolling leaves the current cell alone
    }
}

// A notch lands on a locked row; a hidden row three rows on is passed by a whole notch more.
TEST_F(MessagedGrid, AWheelNotchCountsLockedRowsAndStepsOverHiddenOnes)
{
    grid.RowLocked(3, true);
    Wheel(-120);
    EXPECT_EQ(3, inside.SBGetPos(1));
    grid.RowVisible(6, false);
    Wheel(-120);
    EXPECT_EQ(9, inside.SBGetPos(1));
    EXPECT_EQ(9, Bar(1)->value());
}

TEST_F(MessagedGrid, ThePointerEntersAndLeavesOncePerVisit)
{
    QSignalSpy enters(&grid, &RuzuZiri::MouseEnter);
    QSignalSpy leaves(&grid, &RuzuZiri::MouseLeave);
    QEvent leave(QEvent::Leave);
    for (int visit = 1; visit <= 2; ++visit) {
        QTest::mouseMove(&grid, QPoint(40, 60));
        QTest::mouseMove(&grid, QPoint(60, 80));
        EXPECT_EQ(visit, enters.count());
        EXPECT_TRUE(inside.m_Input.m_MouseInside);
        QApplication::sendEvent(&grid, &leave);
        QApplication::sendEvent(&grid, &leave);
        EXPECT_EQ(visit, leaves.count());
        EXPECT_FALSE(inside.m_Input.m_MouseInside);
    }
}

TEST_F(MessagedGrid, AChangeOfTheApplicationsLookAppliesTheThemeAgain)
{
    QSignalSpy themes(&grid, &RuzuZiri::ThemeChanged);
    const qint32 themed = grid.BackColorSel();
    grid.BackColorSel(0x123456); // stale: only applying the theme again puts it right
    const QPalette before = QApplication::palette();
    QPalette changed = before;
    changed.setColor(QPalette::Highlight, QColor(12, 34, 56));
    QApplication::setPalette(changed);
    QApplication::processEvents();
    QApplication::setPalette(before);
    QApplication::processEvents();
    EXPECT_EQ(2, themes.count());
    EXPECT_EQ(themed, grid.BackColorSel());
}

// Hosts that hook the grid's window themselves, load the grid after filtering its events, or give
// their own window a palette: the grid still hears the pointer and the wheel, its theme stays, and
// the host's filter keeps every event it had.
TEST(GridWindowMessages, HostsThatHookOrFilterTheGridsWindowLeaveTheGridItsMessages)
{
    struct Host {
        const char* name;
        std::function<void(RuzuZiri&)> load; // after the host's filter, before the rows
        int hookTables;                      // the host's own hook on the grid's window: 1 before, 2 after, 0 none
    };
    const Host hosts[] {
        { "filters only", nullptr, 0 },
        { "hooks it, after the window's handling", nullptr, 2 },
        { "hooks it, before the window's handling", nullptr, 1 },
        { "initialises it again", [](RuzuZiri& Grid) { Grid.InitProperties(); }, 0 },
        { "loads it",
          [](RuzuZiri& Grid) {
              PropertyBag bag;
              Grid.ReadProperties(bag);
          },
          0 },
    };
    const QList<QEvent::Type> filtered { QEvent::MouseMove, QEvent::Wheel, QEvent::FocusIn, QEvent::FocusOut, QEvent::Leave };
    int x = 40; // a pointer that moves to where it was moves nowhere
    for (const Host& host : hosts) {
        SCOPED_TRACE(host.name);
        MsgBoxRecorder boxes;
        QWidget window;
        auto* grid = new RuzuZiri(&window);
        QList<QEvent::Type> hostSaw;
        EventWatch filter(nullptr, [&](QObject*, QEvent* Event) {
            if (filtered.contains(Event->type()))
                hostSaw << Event->type();
            return false;
        });
        filter.Watch(grid);
        if (host.load)
            host.load(*grid);
        MessageHook hook(QStringLiteral("Host"));
        QList<int> hookSaw;
        if (host.hookTables) {
            hook.sc_Subclass(grid, 0, [&hookSaw](bool, bool&, qintptr&, QWidget*, int Msg, quintptr, qintptr, qintptr&) { hookSaw << Msg; });
            hook.SubclassAddMsg(grid, WM_MOUSEMOVE, host.hookTables);
            hook.SubclassAddMsg(grid, WM_MOUSEWHEEL, host.hookTables);
        }
        grid->AddColumn("name", 2000);
        for (int r = 0; r < 100; ++r)
            grid->AddItem(QStringLiteral("r%1").arg(r));
        grid->BackColorSel(0x123456);
        window.resize(300, 200);
        grid->resize(300, 200);
        window.show();
        grid->Redraw(true);
        QSignalSpy enters(grid, &RuzuZiri::MouseEnter);
        QSignalSpy leaves(grid, &RuzuZiri::MouseLeave);
        QSignalSpy scrolls(grid, &RuzuZiri::Scroll);
        QSignalSpy themes(grid, &RuzuZiri::ThemeChanged);

        QTest::mouseMove(grid, QPoint(++x, 60));
        QWheelEvent wheel(QPointF(40, 60), grid->mapToGlobal(QPointF(40, 60)), QPoint(), QPoint(0, -WHEEL_DELTA),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid, &wheel);
        QFocusEvent in(QEvent::FocusIn);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(grid, &in);
        QApplication::sendEvent(grid, &out);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(grid, &leave);
        QPalette own = window.palette();
        own.setColor(QPalette::Highlight, QColor(12, 34, 56));
        window.setPalette(own);
        QApplication::processEvents();

        EXPECT_EQ(1, enters.count());
        EXPECT_EQ(1, leaves.count());
        EXPECT_EQ(1, scrolls.count());
        EXPECT_EQ(3, grid->RowFirstVisible());
        EXPECT_EQ(0, themes.count());
        EXPECT_EQ(0x123456, grid->BackColorSel());
        for (const QEvent::Type type : filtered)
            EXPECT_TRUE(hostSaw.contains(type)) << "the host's filter missed event type " << type;
        EXPECT_EQ(host.hookTables ? QList<int>({ WM_MOUSEMOVE, WM_MOUSEWHEEL }) : QList<int>(), hookSaw);
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

// Loading the grid again hooks it again, without a report that it is hooked already.
TEST(GridWindowMessages, ALoadedGridIsHookedOnceAndADesignerShowsItUnhooked)
{
    MsgBoxRecorder boxes;
    RuzuZiri grid;
    QSignalSpy enters(&grid, &RuzuZiri::MouseEnter);
    grid.InitProperties();
    grid.InitProperties();
    grid.show();
    QTest::mouseMove(&grid, QPoint(10, 10));
    EXPECT_EQ(1, enters.count());
    EXPECT_TRUE(boxes.Calls().empty());

    RuzuZiri designed;
    QSignalSpy designedEnters(&designed, &RuzuZiri::MouseEnter);
    designed.UserMode(false);
    designed.InitProperties();
    designed.show();
    QTest::mouseMove(&designed, QPoint(10, 10));
    EXPECT_EQ(0, designedEnters.count());
}
