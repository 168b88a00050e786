#include "grid/RuzuZiriPrivate.h"

#include "GridFill.h"
#include "GridPointer.h"
#include "GridScrollBars.h"

#include <tarvex/platform/Timer.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace Tarvex;

namespace {

// A shown grid of three text columns and Rows rows, "r<n>" in the first, worked with the mouse on a
// clock the test drives.
struct DraggedGrid {
    RuzuZiri grid;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
    DrivenClock clock;
    QPoint last; // where the pointer was last dragged to

    explicit DraggedGrid(int Rows, int Height = 200)
    {
        QStringList rows;
        for (int r = 0; r < Rows; ++r)
            rows << QStringLiteral("r%1\t%1\tx").arg(r);
        Fill(grid, { 0, 0, 0 }, rows, 900);
        grid.resize(300, Height);
        grid.show();
        grid.Redraw(true);
    }

    QPoint Widget(int X, int Y) const { return inside.ClientOrigin() + QPoint(X, Y); }
    int Middle(int Col) const
    {
        Rect e { 0, 0, 0, 0 };
        inside.GetColumnExtent(Col, e);
        return Widget((e.Left + e.Right) / 2, 0).x();
    }
    QPoint Cell(int Row, int Col) const
    {
        return QPoint(Middle(Col), Widget(0, inside.RowTop(Row) + inside.m_Model.RowAt(Row).Height / 2).y());
    }
    QPoint Below() const { return QPoint(Middle(1), grid.height() + 20); }
    QPoint Above() const { return QPoint(Middle(1), -20); }
    QPoint LeftOf(int Row) const { return QPoint(-30, Cell(Row, 0).y()); }
    QPoint RowBorderBelow(int Row) const
    {
        return Widget(40, inside.RowTop(Row) + inside.m_Model.RowAt(Row).Height + 2);
    }

    void Hover(QPoint At) { HoverOver(grid, At); }
    void Press(QPoint At, Qt::KeyboardModifiers Keys = {}, Qt::MouseButton Button = Qt::LeftButton)
    {
        Hover(At);
        QTest::mousePress(&grid, Button, Keys, At);
    }
    // With the button held; a pointer beyond an edge is held there for Hold milliseconds.
    void DragTo(QPoint At, int Hold = 0)
    {
        QTest::mouseMove(&grid, At);
        last = At;
        clock.Advance(Hold);
    }
    void Release(QPoint At, Qt::MouseButton Button = Qt::LeftButton) { QTest::mouseRelease(&grid, Button, {}, At); }
    void Click(QPoint At, Qt::KeyboardModifiers Keys = {}, Qt::MouseButton Button = Qt::LeftButton)
    {
        Press(At, Keys, Button);
        Release(At, Button);
        clock.Advance(1000); // no double click with the next
    }

    std::vector<int> Selected() const { return SelectedRows(grid); }
    static std::vector<int> Span(int From, int To)
    {
        std::vector<int> rows;
        for (int r = std::min(From, To); r <= std::max(From, To); ++r)
            rows.push_back(r);
        return rows;
    }
};

} // namespace

// However the drag turns and scrolls, the rows selected are those from the pressed row to the current
// one: none above the pressed row, none below the current one.
TEST(GridDragSelection, AScrollingDragSelectsFromThePressedRowToTheCurrentOne)
{
    struct Case {
        const char* name;
        std::function<void(DraggedGrid&)> drag; // from a press on row 6, the button still held
    };
    const Case cases[] {
        { "held below the rows", [](DraggedGrid& g) { g.DragTo(g.Below(), 300); } },
        { "held below, then back onto the row the scroll made current",
          [](DraggedGrid& g) {
              g.DragTo(g.Below(), 200);
              g.DragTo(g.Cell(g.grid.Row(), 1));
          } },
        { "held below, then above the rows past the pressed one",
          [](DraggedGrid& g) {
              g.DragTo(g.Below(), 100);
              g.DragTo(g.Cell(8, 1));
              g.DragTo(g.Above(), 400);
          } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DraggedGrid g(100);
        g.grid.MultiSelect(1);
        g.grid.RowColSet(3, 0);
        g.Press(g.Cell(6, 1));
        c.drag(g);
        g.Release(g.last);
        EXPECT_NE(6, g.grid.Row());
        EXPECT_EQ(DraggedGrid::Span(6, g.grid.Row()), g.Selected());
    }
}

// Beyond the edge with nothing left to scroll, the drag raises nothing and paints nothing more, and
// rests until the pointer asks for a move that can happen.
TEST(GridDragSelection, AnAutoScrollThatCanGoNoFurtherRaisesAndPaintsNothing)
{
    struct Case {
        const char* name;
        int rows;
        int pressed;
    };
    const Case cases[] {
        { "at the last page", 100, 96 },
        { "all rows in view", 5, 2 },
        { "one row", 1, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DraggedGrid g(c.rows);
        g.grid.MultiSelect(1);
        g.grid.RowColSet(c.rows - 1, 0);
        g.Press(g.Cell(c.pressed, 1));
        g.DragTo(g.Below(), 300);
        const int row = g.grid.Row();
        QSignalSpy moves(&g.grid, &RuzuZiri::RowColChanged);
        QSignalSpy selections(&g.grid, &RuzuZiri::SelectionChanged);
        QSignalSpy scrolls(&g.grid, &RuzuZiri::Scroll);
        QSignalSpy paints(&g.grid, &RuzuZiri::RequestRowData);
        g.clock.Advance(300);
        g.DragTo(g.Below() + QPoint(0, 10), 100);
        EXPECT_EQ(0, moves.count() + selections.count() + scrolls.count() + paints.count());
        EXPECT_EQ(c.rows - 1, row);

        // Rows added meanwhile give the held pointer somewhere to go again.
        for (int r = 0; r < 20; ++r)
            g.grid.AddItem(QStringLiteral("new\t0\ty"));
        g.DragTo(g.Below(), 100);
        g.Release(g.Below());
        EXPECT_GT(g.grid.Row(), row);
        EXPECT_EQ(DraggedGrid::Span(c.pressed, g.grid.Row()), g.Selected());
    }
}

// A pointer left of every column, inside or outside the grid, leaves the current column where it
// was, and F2 still opens the editor there.
TEST(GridDragSelection, APointerOutsideEveryColumnKeepsTheCurrentColumn)
{
    struct Case {
        const char* name;
        std::function<void(DraggedGrid&)> act;
        int row;
    };
    const Case cases[] {
        { "a drag released left of the grid",
          [](DraggedGrid& g) {
              g.Press(g.Cell(2, 1));
              g.DragTo(g.LeftOf(4));
              g.Release(g.LeftOf(4));
          },
          4 },
        { "a click at x = 0", [](DraggedGrid& g) { g.Click(QPoint(g.Widget(0, 0).x(), g.Cell(3, 0).y())); }, 3 },
        { "a right click at x = 0",
          [](DraggedGrid& g) { g.Click(QPoint(g.Widget(0, 0).x(), g.Cell(5, 0).y()), {}, Qt::RightButton); }, 5 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DraggedGrid g(10);
        g.grid.AllowEdit(true);
        g.grid.EditTrigger(4);
        g.grid.RowColSet(1, 1);
        c.act(g);
        EXPECT_EQ(c.row, g.grid.Row());
        EXPECT_EQ(1, g.grid.Col());
        QTest::keyClick(&g.grid, Qt::Key_F2);
        EXPECT_TRUE(g.grid.EditPending());
    }
}

// The mouse never makes a locked row current or selected; a drag over one selects the unlocked rows
// around it, and CellClick names the row the gesture left current.
TEST(GridDragSelection, LockedRowsAreNeverMadeCurrentOrSelectedByTheMouse)
{
    struct Case {
        const char* name;
        int current; // before the gesture; -1 none
        std::function<void(DraggedGrid&)> act;
        int row;
        std::vector<int> selected;
        int cellClickRow; // -1 = no CellClick
    };
    const auto drag = [](int From, int To) {
        return [From, To](DraggedGrid& g) {
            g.Press(g.Cell(From, 1));
            g.DragTo(g.Cell(To, 1));
            g.Release(g.Cell(To, 1));
        };
    };
    const Case cases[] {
        { "a click on a locked row with no current row", -1, [](DraggedGrid& g) { g.Click(g.Cell(3, 1)); }, -1, {}, -1 },
        { "a drag released on a locked row", 0, drag(1, 3), 2, { 1, 2 }, 2 },
        { "a drag across a locked row", 0, drag(1, 5), 5, { 1, 2, 4, 5 }, 5 },
        { "a Shift+click across a locked row", 1, [](DraggedGrid& g) { g.Click(g.Cell(5, 1), Qt::ShiftModifier); }, 5,
          { 1, 2, 4, 5 }, 5 },
        { "a right click on a locked row", 1, [](DraggedGrid& g) { g.Click(g.Cell(3, 1), {}, Qt::RightButton); }, 1, { 1 }, -1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DraggedGrid g(10);
        g.grid.MultiSelect(1);
        if (c.current != -1)
            g.grid.RowColSet(c.current, 1);
        ASSERT_EQ(c.current, g.grid.Row());
        g.grid.RowLocked(3, true);
        int clicked = -1;
        QObject::connect(&g.grid, &RuzuZiri::CellClick, [&clicked](int Row, int, qint16&) { clicked = Row; });
        c.act(g);
        EXPECT_EQ(c.row, g.grid.Row());
        EXPECT_EQ(c.selected, g.Selected());
        EXPECT_EQ(c.cellClickRow, clicked);
    }
}

// The cell under the pointer, and the shape the pointer takes over it, follow each change of zone and
// each scroll at once, without waiting for the next move.
TEST(GridDragSelection, TheCellUnderThePointerFollowsEveryScrollAndZone)
{
    DraggedGrid g(100);
    g.grid.AllowRowResizing(true);
    g.grid.CellHandPointer(2, 0, true);
    g.Hover(g.RowBorderBelow(2));
    ASSERT_EQ(MousePointerShape::SizeNS, g.inside.MousePointer());
    g.Hover(g.Cell(3, 0));
    EXPECT_EQ(3, g.grid.MouseRow());
    EXPECT_EQ(MousePointerShape::Default, g.inside.MousePointer()) << "row 3's cell shows no hand";

    struct Scroll {
        const char* name;
        std::function<void(DraggedGrid&)> act;
    };
    const Scroll scrolls[] {
        { "a notch of the wheel",
          [](DraggedGrid& d) {
              const QPoint at = d.Cell(4, 1);
              QWheelEvent wheel(at, d.grid.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                                Qt::NoScrollPhase, false);
              QApplication::sendEvent(&d.grid, &wheel);
          } },
        { "the scroll bar's arrow", [](DraggedGrid& d) { ScrollBarOf(d.grid, 1)->triggerAction(QAbstractSlider::SliderSingleStepAdd); } },
        { "the host", [](DraggedGrid& d) { d.grid.RowColSet(60, -1); } },
    };
    for (int r = 0; r < 100; r += 2)
        g.grid.CellHandPointer(r, 1, true); // the hand over every other row, so that a scroll changes it
    for (const Scroll& s : scrolls) {
        SCOPED_TRACE(s.name);
        g.Hover(g.Cell(g.grid.RowFirstVisible() + 2, 1));
        const int shownLine = g.grid.MouseRow() - g.grid.RowFirstVisible();
        const int first = g.grid.RowFirstVisible();
        s.act(g);
        ASSERT_NE(first, g.grid.RowFirstVisible());
        const int under = g.grid.RowFirstVisible() + shownLine;
        EXPECT_EQ(under, g.grid.MouseRow());
        EXPECT_EQ(1, g.grid.MouseCol());
        EXPECT_EQ(under % 2 == 0 ? MousePointerShape::Custom : MousePointerShape::Default, g.inside.MousePointer());
    }
}

// With MultiSelect 2 each press toggles its row; one that drifts onto the next row before its release
// keeps every row toggled before it, as does a Ctrl press with MultiSelect 1 dragged beyond the rows.
TEST(GridDragSelection, AToggleThatDriftsKeepsTheRowsToggledBefore)
{
    struct Case {
        const char* name;
        int multiSelect;
        Qt::KeyboardModifiers keys;
        std::function<QPoint(const DraggedGrid&)> to;
    };
    const Case cases[] {
        { "MultiSelect 2, onto the next row", 2, {}, [](const DraggedGrid& g) { return g.Cell(7, 1); } },
        { "MultiSelect 1 with Ctrl, below the rows", 1, Qt::ControlModifier, [](const DraggedGrid& g) { return g.Below(); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DraggedGrid g(40);
        g.grid.MultiSelect(c.multiSelect);
        g.Click(g.Cell(1, 1), c.keys);
        g.Click(g.Cell(3, 1), c.keys);
        g.Press(g.Cell(6, 1), c.keys);
        g.DragTo(c.to(g), 100);
        g.Release(c.to(g));
        EXPECT_EQ(std::vector<int>({ 1, 3, 6 }), g.Selected());
    }
}
