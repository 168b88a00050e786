#include "grid/RuzuZiri.h"

#include "GridFill.h"
#include "GridInvariants.h"

#include <gtest/gtest.h>

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
};

enum class Event { RowColChanged, SelectionChanged, RowCountChanged, CustomSort, SortComplete };

const std::pair<Event, const char*> Events[] {
    { Event::RowColChanged, "RowColChanged" }, { Event::SelectionChanged, "SelectionChanged" },
    { Event::RowCountChanged, "RowCountChanged" }, { Event::CustomSort, "CustomSort" },
    { Event::SortComplete, "SortComplete" },
};

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
};

// A text, a number and a custom-sorted column; rows 1, 2 and 5 selected, row 5 current.
void FillGrid(RuzuZiri& grid)
{
    Fill(grid, { 0, ColTypeNumber, ColTypeCustomSort }, { "a\t3\tf", "b\t1\te", "c\t1\td", "d\t2\tc", "e\t3\tb", "f\t1\ta" });
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
    case Event::RowColChanged: QObject::connect(&grid, &RuzuZiri::RowColChanged, once); break;
    case Event::SelectionChanged: QObject::connect(&grid, &RuzuZiri::SelectionChanged, once); break;
    case Event::RowCountChanged: QObject::connect(&grid, &RuzuZiri::RowCountChanged, once); break;
    case Event::SortComplete: QObject::connect(&grid, &RuzuZiri::SortComplete, once); break;
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
    if (const auto invariants = GridInvariants(grid.Model()); !invariants)
        return invariants;
    if (grid.Row() < -1 || grid.Row() >= grid.ItemCount())
        return testing::AssertionFailure() << "current row " << grid.Row() << " of " << grid.ItemCount();
    return testing::AssertionSuccess();
}

} // namespace

// Every operation, with every event it raises answered by every kind of hostile host: no crash (the
// sanitizer build runs this too), no broken storage, a current row that exists, and a grid that goes on.
TEST(GridHostileHandlers, OperationsEndCleanlyWhateverTheHandlersDo)
{
    for (const auto& [event, eventName] : Events) {
        for (const Hostile& host : Hosts) {
            for (const auto& [operationName, operation] : Operations) {
                bool fired = false;
                RuzuZiri grid;
                FillGrid(grid);
                Arm(grid, event, host.act, fired);
                operation(grid);
                const auto where = testing::Message() << operationName << ", " << eventName << " handler " << host.name;
                EXPECT_TRUE(Sound(grid)) << where;

                grid.AddItem("z\t9\tz");
                grid.RowColSet(0, 0);
                grid.Sort(0, 2);
                EXPECT_TRUE(Sound(grid)) << where << ", afterwards";
            }
        }
    }
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
