#include "grid/RuzuZiriPrivate.h"

#include "GridFill.h"
#include "GridInvariants.h"

#include <tarvex/platform/MessageHook.h>
#include <tarvex/platform/Timer.h>

#include <QCoreApplication>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace Tarvex;

namespace {

// A host answering an event by changing the grid under the operation that raised it.
struct Hostile {
    const char* name;
    std::function<void(RuzuZiri&)> act;
};

const Hostile Hosts[] {
    { "clears", [](RuzuZiri& grid) { grid.Clear(); } },
    { "clears all", [](RuzuZiri& grid) { grid.ClearAll(); } },
    { "removes the first row", [](RuzuZiri& grid) { grid.RemoveRow(0); } },
    { "removes the current row", [](RuzuZiri& grid) { grid.RemoveRow(-1); } },
    { "adds a row on top", [](RuzuZiri& grid) { grid.AddItem("new\t0\tnew", 0); } },
    { "sorts", [](RuzuZiri& grid) { grid.Sort(0, 1); } },
    { "moves the current cell", [](RuzuZiri& grid) { grid.RowColSet(0, 0); } },
    { "scrolls to the end", [](RuzuZiri& grid) { grid.RowColSet(grid.ItemCount() - 1, -1); } },
    { "deletes the grid", [](RuzuZiri& grid) { delete &grid; } },
    // The deletion runs at the next pass of the event pump, wherever the grid makes one.
    { "queues the grid's deletion",
      [](RuzuZiri& grid) { QMetaObject::invokeMethod(&grid, [&grid] { delete &grid; }, Qt::QueuedConnection); } },
};

// Before: the host acts just before the operation, not from a handler.
enum class Event { Before, RowColChanged, SelectionChanged, RowCountChanged, CustomSort, SortComplete, Scroll,
                   RequestRowData, PropertyChanged };

const std::pair<Event, const char*> Events[] {
    { Event::Before, "no" }, { Event::RowColChanged, "RowColChanged" },
    { Event::SelectionChanged, "SelectionChanged" }, { Event::RowCountChanged, "RowCountChanged" },
    { Event::CustomSort, "CustomSort" }, { Event::SortComplete, "SortComplete" }, { Event::Scroll, "Scroll" },
    { Event::RequestRowData, "RequestRowData" }, { Event::PropertyChanged, "PropertyChanged" },
};

QScrollBar* Bar(const RuzuZiri& grid, int Index)
{
    return grid.findChild<QScrollBar*>(QStringLiteral("ScrollBar(%1)").arg(Index));
}

void Wheel(QWidget& Over, int Delta)
{
    QWheelEvent wheel(QPointF(5, 5), Over.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, Delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&Over, &wheel);
}

// Grid operations that raise those events along the way.
const std::pair<const char*, std::function<void(RuzuZiri&)>> Operations[] {
    { "RowColSet", [](RuzuZiri& grid) { grid.RowColSet(4, 1); } },
    { "RemoveRow", [](RuzuZiri& grid) { grid.RemoveRow(2); } },
    { "RemoveRow of the last", [](RuzuZiri& grid) { grid.RemoveRow(5); } },
    { "DeleteSelected", [](RuzuZiri& grid) { grid.DeleteSelected(); } },
    { "AddItem", [](RuzuZiri& grid) { grid.AddItem("g\t7\tg"); } },
    { "custom Sort", [](RuzuZiri& grid) { grid.Sort(2, 2); } },
    { "Sort with a custom second column", [](RuzuZiri& grid) { grid.Sort(1, 2, 2, 1); } },
    { "MultiSelect off", [](RuzuZiri& grid) { grid.MultiSelect(0); } },
    { "CellText", [](RuzuZiri& grid) { grid.CellText(1, 0, "x"); } },
    { "GridLines", [](RuzuZiri& grid) { grid.GridLines(2); } },
    { "Clear", [](RuzuZiri& grid) { grid.Clear(); } },
    { "Redraw", [](RuzuZiri& grid) { grid.Redraw(true); } },
    { "a page step up", [](RuzuZiri& grid) { Bar(grid, 1)->triggerAction(QAbstractSlider::SliderPageStepSub); } },
    { "a line step up", [](RuzuZiri& grid) { Bar(grid, 1)->triggerAction(QAbstractSlider::SliderSingleStepSub); } },
    { "a wheel notch up", [](RuzuZiri& grid) { Wheel(grid, WHEEL_DELTA); } },
    { "a wheel notch up over the bar", [](RuzuZiri& grid) { Wheel(*Bar(grid, 1), WHEEL_DELTA); } },
    { "FormatCells", [](RuzuZiri& grid) { grid.FormatCells(0, -1, 0, -1, FormatBackColor, QStringLiteral("255")); } },
    { "the thumb dragged", [](RuzuZiri& grid) { Bar(grid, 1)->setSliderPosition(2); } },
    { "RowBackColor", [](RuzuZiri& grid) { grid.RowBackColor(1, 0xFF); } },
    { "ColWidthAutoSize", [](RuzuZiri& grid) { grid.ColWidthAutoSize(-1); } },
    { "ColForceFit", [](RuzuZiri& grid) { grid.ColForceFit(); } },
};

// A text, a number and a custom-sorted column; rows 1, 2 and 5 selected, row 5 current. Painting is
// on and the grid shows fewer rows than it has, so moves and steps scroll it.
void FillGrid(RuzuZiri& grid)
{
    grid.resize(300, 80);
    Fill(grid, { 0, ColTypeNumber, ColTypeCustomSort }, { "a\t3\tf", "b\t1\te", "c\t1\td", "d\t2\tc", "e\t3\tb", "f\t1\ta" });
    grid.Redraw(true);
    grid.MultiSelect(1);
    grid.RowColSet(5, 0);
    grid.RowSelected(1, true);
    grid.RowSelected(2, true);
}

// Runs Act at the first raise of the event only, so a handler that raises the event again ends.
void Arm(RuzuZiri& grid, Event event, const std::function<void(RuzuZiri&)>& act, bool& fired)
{
    const auto once = [&grid, act, &fired] {
        if (fired)
            return;
        fired = true;
        act(grid);
    };
    switch (event) {
    case Event::Before: once(); return;
    case Event::RowColChanged: QObject::connect(&grid, &RuzuZiri::RowColChanged, once); break;
    case Event::SelectionChanged: QObject::connect(&grid, &RuzuZiri::SelectionChanged, once); break;
    case Event::RowCountChanged: QObject::connect(&grid, &RuzuZiri::RowCountChanged, once); break;
    case Event::SortComplete: QObject::connect(&grid, &RuzuZiri::SortComplete, once); break;
    case Event::Scroll: QObject::connect(&grid, &RuzuZiri::Scroll, once); break;
    case Event::RequestRowData: QObject::connect(&grid, &RuzuZiri::RequestRowData, once); break;
    case Event::PropertyChanged: QObject::connect(&grid, &UserControl::PropertyChanged, once); break;
    case Event::CustomSort: break;
    }
    // Every comparison answers, and by text, so the custom sorts do sort.
    QObject::connect(&grid, &RuzuZiri::CustomSort,
                     [event, once](bool ascending, int&, QString& value1, QString& value2, bool& swap) {
                         swap = ascending ? value1 > value2 : value1 < value2;
                         if (event == Event::CustomSort)
                             once();
                     });
}

testing::AssertionResult Sound(const RuzuZiri& grid)
{
    if (const auto invariants = GridInvariants(RuzuZiriPrivate::Of(grid).m_Model); !invariants)
        return invariants;
    if (grid.Row() < -1 || grid.Row() >= grid.ItemCount())
        return testing::AssertionFailure() << "current row " << grid.Row() << " of " << grid.ItemCount();
    return testing::AssertionSuccess();
}

} // namespace

// Every operation, with every event it raises answered by every kind of hostile host: no crash and no
// access to a deleted grid (the sanitizer build runs this too), no broken storage, a current row that
// exists, and a grid that goes on, painting all the while.
TEST(GridHostileHandlers, OperationsEndCleanlyWhateverTheHandlersDo)
{
    const std::function<void(RuzuZiri&)> Afterwards[] {
        [](RuzuZiri& grid) { grid.AddItem("z\t9\tz"); },
        [](RuzuZiri& grid) { grid.RowColSet(0, 0); },
        [](RuzuZiri& grid) { grid.Sort(0, 2); },
    };
    for (const auto& [event, eventName] : Events) {
        for (const Hostile& host : Hosts) {
            for (const auto& [operationName, operation] : Operations) {
                bool fired = false;
                QPointer<RuzuZiri> grid = new RuzuZiri;
                FillGrid(*grid);
                Arm(*grid, event, host.act, fired);
                const auto where = testing::Message() << operationName << ", " << eventName << " handler " << host.name;
                if (grid)
                    operation(*grid);
                if (grid) {
                    EXPECT_TRUE(Sound(*grid)) << where;
                }
                for (const auto& step : Afterwards) {
                    if (grid)
                        step(*grid);
                }
                if (grid) {
                    EXPECT_TRUE(Sound(*grid)) << where << ", afterwards";
                }
                delete grid.data();
            }
        }
    }
    // A scroll bar whose grid was deleted under its signal goes once its own code is done.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A property's notice handler that writes the same property, even with the value it has, gets its
// write without a second notice; one that deletes the grid ends the write there.
TEST(GridHostileHandlers, NoticeHandlersMayWriteTheirPropertyAgainOrDeleteTheGrid)
{
    struct SelfWrite {
        const char* name;                                // the change name the notice carries
        std::function<void(RuzuZiri&)> write;            // the host's write
        std::function<void(RuzuZiri&)> again;            // its notice handler's write
        std::function<bool(const RuzuZiri&)> holds;      // the value the handler wrote stands
    };
    const SelfWrite writes[] {
        { "GridLines", [](RuzuZiri& g) { g.GridLines(2); }, [](RuzuZiri& g) { g.GridLines(g.GridLines()); },
          [](const RuzuZiri& g) { return g.GridLines() == 2; } },
        { "MinRowHeight", [](RuzuZiri& g) { g.MinRowHeight(5); },
          [](RuzuZiri& g) { g.MinRowHeight(std::max(g.MinRowHeight(), 300)); },
          [](const RuzuZiri& g) { return g.MinRowHeight() == 300; } },
        { "Font", [](RuzuZiri& g) { g.Font(QFont("Sans", 14)); }, [](RuzuZiri& g) { g.Font(g.Font()); },
          [](const RuzuZiri& g) { return g.Font().pointSize() == 14; } },
        { "FontHeader", [](RuzuZiri& g) { g.FontHeader(QFont("Sans", 14)); },
          [](RuzuZiri& g) { g.FontHeader(g.FontHeader()); },
          [](const RuzuZiri& g) { return g.FontHeader().pointSize() == 14; } },
        { "AllowWordWrap", [](RuzuZiri& g) { g.AllowWordWrap(true); },
          [](RuzuZiri& g) { g.AllowWordWrap(!g.AllowWordWrap()); },
          [](const RuzuZiri& g) { return !g.AllowWordWrap(); } },
        { "CacheIncrement", [](RuzuZiri& g) { g.CacheIncrement(20); },
          [](RuzuZiri& g) { g.CacheIncrement(g.CacheIncrement() + 1); },
          [](const RuzuZiri& g) { return g.CacheIncrement() == 21; } },
        { "Enabled", [](RuzuZiri& g) { g.Enabled(false); }, [](RuzuZiri& g) { g.Enabled(g.Enabled()); },
          [](const RuzuZiri& g) { return !g.Enabled(); } },
        { "MultiSelect", [](RuzuZiri& g) { g.MultiSelect(0); }, [](RuzuZiri& g) { g.MultiSelect(2); },
          [](const RuzuZiri& g) { return g.MultiSelect() == 2; } },
        { "SearchColumn", [](RuzuZiri& g) { g.SearchColumn(1); },
          [](RuzuZiri& g) { g.SearchColumn(g.SearchColumn() + 1); },
          [](const RuzuZiri& g) { return g.SearchColumn() == 2; } },
        { "ProgressBarColor", [](RuzuZiri& g) { g.CellProgressBarColor(0, 0, 255); },
          [](RuzuZiri& g) { g.CellProgressBarColor(0, 0, 0xFF00); },
          [](const RuzuZiri& g) { return g.CellProgressBarColor(0, 0) == 0xFF00; } },
        { "ThemeColor", [](RuzuZiri& g) { g.ThemeColor(2); }, [](RuzuZiri& g) { g.ThemeColor(3); },
          [](const RuzuZiri& g) { return g.ThemeColor() == 3; } },
        { "ScrollBarStyle", [](RuzuZiri& g) { g.ScrollBarStyle(1); },
          [](RuzuZiri& g) { g.ScrollBarStyle(g.ScrollBarStyle()); },
          [](const RuzuZiri& g) { return g.ScrollBarStyle() == 1; } },
        { "Caption", [](RuzuZiri& g) { g.Caption("a"); }, [](RuzuZiri& g) { g.Caption(g.Caption() + "b"); },
          [](const RuzuZiri& g) { return g.Caption() == "ab"; } },
    };
    for (const SelfWrite& property : writes) {
        for (const bool deletes : { false, true }) {
            QPointer<RuzuZiri> grid = new RuzuZiri;
            FillGrid(*grid);
            int notices = 0;
            QObject::connect(grid, &UserControl::PropertyChanged, [&](const QString& name) {
                if (name != QLatin1String(property.name))
                    return;
                ++notices;
                if (deletes)
                    delete grid.data();
                else
                    property.again(*grid);
            });
            property.write(*grid);
            EXPECT_EQ(1, notices) << property.name;
            EXPECT_EQ(deletes, grid.isNull()) << property.name;
            if (!grid)
                continue;
            EXPECT_TRUE(property.holds(*grid)) << property.name;
            EXPECT_TRUE(Sound(*grid)) << property.name;
            delete grid.data();
        }
    }
}

// The auto-scroll raises three events a pass and repaints, letting pending events run.
TEST(GridHostileHandlers, ADragAutoScrollEndsWhenAHandlerDeletesTheGrid)
{
    const std::function<void(RuzuZiri&, const std::function<void()>&)> Connects[] {
        [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::RowColChanged, act); },
        [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::SelectionChanged, act); },
        [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::Scroll, act); },
        [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::RequestRowData, act); },
    };
    for (const auto& connect : Connects) {
        for (const bool queued : { false, true }) {
            QPointer<RuzuZiri> grid = new RuzuZiri;
            FillGrid(*grid);
            grid->RowColSet(5, 0);
            connect(*grid, [&grid, queued] {
                if (!queued)
                    delete grid.data();
                else if (grid)
                    QMetaObject::invokeMethod(grid, [&grid] { delete grid.data(); }, Qt::QueuedConnection);
            });
            DrivenClock clock;
            qint16 up = 1;
            RuzuZiriPrivate::Of(*grid).DragAutoScroll(up);
            clock.Advance(50);
            EXPECT_TRUE(grid.isNull());
            delete grid.data();
        }
    }
}

// The grid's children (the editor and its filter, the scroll bars, the tip, the timers) go while the
// grid still stands, not after its insides: whatever still runs as one of them goes finds the grid whole.
TEST(GridHostileHandlers, TheGridsChildrenGoWhileItStillStands)
{
    auto* grid = new RuzuZiri;
    FillGrid(*grid);
    grid->ForceCellEdit(1, 0);
    QList<bool> heard;
    const QObjectList children = grid->children();
    for (QObject* child : children)
        QObject::connect(child, &QObject::destroyed, [grid, &heard] { heard << grid->EditPending(); });
    delete grid;
    EXPECT_EQ(children.size(), heard.size());
}

TEST(GridHostileHandlers, ACurrentCellChosenByTheHandlerStands)
{
    bool fired = false;
    RuzuZiri grid;
    FillGrid(grid);
    Arm(grid, Event::RowColChanged, [](RuzuZiri& g) { g.RowColSet(1, 2); }, fired);
    grid.RowColSet(3, 0);
    EXPECT_EQ(1, grid.Row());
    EXPECT_EQ(2, grid.Col());
    EXPECT_FALSE(grid.RowSelected(3));
}

TEST(GridHostileHandlers, ASortWhoseRowsChangeUnderItReportsNoCompletion)
{
    int completed = 0;
    bool fired = false;
    RuzuZiri grid;
    FillGrid(grid);
    QObject::connect(&grid, &RuzuZiri::SortComplete, [&completed] { ++completed; });
    // Same row count afterwards: only the records tell the change.
    const auto refill = [](RuzuZiri& g) {
        g.Clear();
        for (int i = 0; i < 6; ++i)
            g.AddItem("x\t1\tx");
    };
    Arm(grid, Event::CustomSort, refill, fired);
    grid.Sort(2, 2);
    EXPECT_EQ(0, completed);
    EXPECT_TRUE(Sound(grid));
}
