#include "grid/RuzuZiriPrivate.h"

#include "GridScrollBars.h"

#include <tarvex/platform/Clock.h>
#include <tarvex/platform/Timer.h>

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

// A hundred rows on a shown grid 200 pixels high, painting on, as a host leaves it after filling.
struct ScrolledGrid : testing::Test {
    RuzuZiri grid;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
    void SetUp() override
    {
        grid.AddColumn("name");
        grid.AddColumn("amount");
        for (int r = 0; r < 100; ++r)
            grid.AddItem(QStringLiteral("r%1\t%1").arg(r));
        grid.resize(300, 200);
        grid.show();
        grid.Redraw(true);
    }
    QScrollBar* Bar(int Index) const { return ScrollBarOf(grid, Index); }
};

} // namespace

TEST_F(ScrolledGrid, TheVerticalRangeEndsOnTheLastPageWhateverThePageAndTheTotalsLineAddsTwo)
{
    EXPECT_TRUE(Bar(1)->isVisible());
    EXPECT_FALSE(Bar(0)->isVisible()); // both columns fit
    // The range counts the rows of the default height that fit below the header from the bottom.
    const int lastTop = 99 - (int(grid.ScaleHeight()) - inside.m_Geometry.m_Metrics.HeaderHeight) / inside.m_Geometry.m_RowHeightDef;
    EXPECT_EQ(lastTop + 5, inside.SBGetMax(1)); // the record's maximum holds the page of 5
    EXPECT_EQ(lastTop + 1, Bar(1)->maximum());
    grid.SBLargeChange(1, 10); // a larger page keeps the last reachable position
    EXPECT_EQ(lastTop + 1, Bar(1)->maximum());
    EXPECT_EQ(10, Bar(1)->pageStep());
    grid.TotalsLineShow(true);
    grid.Refresh();
    EXPECT_EQ(lastTop + 3, Bar(1)->maximum());

    grid.ColWidth(1, 6000);
    grid.Refresh();
    EXPECT_TRUE(Bar(0)->isVisible());
    EXPECT_EQ(0 + 5, inside.SBGetMax(0)); // the last column number less one, plus the page
    grid.ScrollBars(1);
    grid.Refresh();
    EXPECT_FALSE(Bar(0)->isVisible());

    for (int r = 99; r >= 3; --r)
        grid.RemoveRow(r);
    grid.Refresh();
    EXPECT_FALSE(Bar(1)->isVisible()); // everything fits
}

TEST_F(ScrolledGrid, ClickingTheTroughPagesAndTheArrowSkipsHiddenRows)
{
    QSignalSpy scrolls(&grid, &RuzuZiri::Scroll);
    QScrollBar* bar = Bar(1);
    const int arrow = bar->width();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(arrow / 2, bar->height() - arrow - 4));
    EXPECT_EQ(5, inside.SBGetPos(1));
    EXPECT_EQ(5, bar->value());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(arrow / 2, arrow + 2));
    EXPECT_EQ(0, inside.SBGetPos(1));

    grid.RowVisible(1, false);
    grid.RowVisible(2, false);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(arrow / 2, bar->height() - 3));
    EXPECT_EQ(3, inside.SBGetPos(1));
    EXPECT_EQ(3, scrolls.count());
    EXPECT_EQ(-1, grid.Row()); // scrolling leaves the current cell where it was
}

TEST_F(ScrolledGrid, WithoutScrollTrackTheThumbRepaintsOnlyWhenReleased)
{
    grid.ScrollTrack(false);
    QScrollBar* bar = Bar(1);
    const int x = bar->width() / 2;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(x, bar->width() + 3));
    QTest::mouseMove(bar, QPoint(x, bar->height() / 2));
    const int dragged = inside.SBGetPos(1);
    EXPECT_GT(dragged, 10);
    EXPECT_EQ(0, grid.RowFirstVisible());
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(x, bar->height() / 2));
    EXPECT_EQ(dragged, grid.RowFirstVisible());
}

TEST_F(ScrolledGrid, AStyleChangeShowsTheNamedBarsUntilTheNextRangeUpdate)
{
    grid.ScrollBars(1);
    grid.ScrollBarStyle(1);
    EXPECT_FALSE(Bar(0)->isVisible());
    EXPECT_TRUE(Bar(1)->isVisible());
    grid.ScrollBars(2);
    grid.ScrollBarStyle(0);
    EXPECT_TRUE(Bar(0)->isVisible()); // nothing to scroll sideways, shown all the same
    grid.Refresh();
    EXPECT_FALSE(Bar(0)->isVisible());
    EXPECT_EQ(grid.style(), Bar(1)->style()); // standard bars once chosen stay for good
}

TEST_F(ScrolledGrid, MovingTheCurrentCellScrollsOneRowAtATime)
{
    const int pageRows = inside.VisibleRowCount();
    QSignalSpy moves(&grid, &RuzuZiri::RowColChanged);
    QSignalSpy scrolls(&grid, &RuzuZiri::Scroll);
    const struct { int From, To; bool Apply, Result; int Row, Top, Moves, Scrolls; } cases[] = {
        { 3, 3, true, false, 3, 0, 0, 0 },                      // already current
        { 3, 4, false, true, 3, 0, 0, 1 },                      // no apply: scrolls, stays
        { pageRows - 1, pageRows, true, true, pageRows, 1, 1, 1 },
        { 0, pageRows + 10, true, true, pageRows + 10, 1, 1, 1 }, // far below: still one row
    };
    for (const auto& c : cases) {
        grid.RowColSet(c.From, 0);
        Bar(1)->triggerAction(QAbstractSlider::SliderToMinimum);
        moves.clear();
        scrolls.clear();
        EXPECT_EQ(c.Result, inside.SetCurrentCell(c.To, 0, true, c.Apply)) << c.To;
        EXPECT_EQ(c.Row, grid.Row()) << c.To;
        EXPECT_EQ(c.Top, inside.SBGetPos(1)) << c.To;
        EXPECT_EQ(c.Moves, moves.count()) << c.To;
        EXPECT_EQ(c.Scrolls, scrolls.count()) << c.To;
    }
}

TEST_F(ScrolledGrid, RowSearchesStepOverHiddenAndLockedRowsWithoutWrapping)
{
    for (int r = 99; r >= 6; --r)
        grid.RemoveRow(r);
    grid.RowVisible(1, false);
    grid.RowLocked(2, true);
    grid.RowVisible(4, false);
    grid.RowLocked(5, true);
    // A host may hide or lock the current row: the search starts from it all the same.
    const auto makeCurrent = [this](int Row) {
        const bool shown = grid.RowVisible(Row);
        const bool locked = grid.RowLocked(Row);
        grid.RowVisible(Row, true);
        grid.RowLocked(Row, false);
        grid.RowColSet(Row, 0);
        EXPECT_EQ(Row, grid.Row());
        grid.RowVisible(Row, shown);
        grid.RowLocked(Row, locked);
    };
    const qint16 lockedCount = -1;
    const struct { int Row; bool Next; int Step; qint16 Mask; int Expected; } cases[] = {
        { 0, true, 1, 0, 3 }, { 0, true, 1, lockedCount, 2 }, { 3, true, 1, 0, 5 }, { 5, true, 1, 0, 5 },
        { 3, false, 1, 0, 0 }, { 3, false, 1, lockedCount, 2 }, { 1, false, 3, 0, 0 }, { 0, false, 1, 0, 0 },
    };
    for (const auto& c : cases) {
        makeCurrent(c.Row);
        const int found = c.Next ? inside.NextNavigableRow(c.Step, c.Mask) : inside.PrevNavigableRow(c.Step, c.Mask);
        EXPECT_EQ(c.Expected, found) << c.Row << (c.Next ? " next" : " previous");
    }
}

TEST(GridNavigation, ColumnSearchesFollowTheOrderOnScreenAndWrap)
{
    RuzuZiri grid;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
    for (const char* name : { "a", "b", "c" })
        grid.AddColumn(name);
    grid.AddColumn("d", 500, 4, 0, "", "", 4, false, 1); // shown second: order a d b c
    grid.ColVisible(3, false);
    grid.ColLocked(2, true);
    grid.AddItem("a\tb\tc\td"); // a row for the current cell
    // The current column where a host left it: made current, then hidden as it was.
    const int shownAt[] = { 0, 3, 1, 2 }; // the column number at each position
    const auto makeCurrent = [&](int Position) {
        const int col = shownAt[Position];
        const bool shown = grid.ColVisible(col);
        grid.ColVisible(col, true);
        grid.RowColSet(0, col);
        EXPECT_EQ(col, grid.Col());
        grid.ColVisible(col, shown);
    };
    const struct { int Col; bool Next, FromEdge; int Expected; } cases[] = {
        { 0, true, false, 2 }, { 2, true, false, 0 }, { 3, true, true, 0 },
        { 0, false, false, 2 }, { 2, false, false, 0 }, { 0, false, true, 2 },
    };
    for (const auto& c : cases) {
        makeCurrent(c.Col);
        const int found = c.Next ? inside.NextNavigableCol(c.FromEdge) : inside.PrevNavigableCol(c.FromEdge);
        EXPECT_EQ(c.Expected, found) << c.Col << (c.Next ? " next" : " previous");
    }
    grid.ColLocked(0, true);
    grid.ColLocked(1, true);
    makeCurrent(1);
    EXPECT_EQ(2, inside.NextNavigableCol(false)); // none navigable: the start itself
    EXPECT_EQ(0, inside.PrevNavigableCol(false));
}

TEST_F(ScrolledGrid, DragAutoScrollMovesARowEvery25MillisecondsUntilItIsStopped)
{
    QSignalSpy scrolls(&grid, &RuzuZiri::Scroll);
    DrivenClock clock;
    qint16 down = 2;
    inside.DragAutoScroll(down); // the first row at once, then one each 25 ms
    clock.Advance(50);
    EXPECT_EQ(3, inside.SBGetPos(1));
    EXPECT_EQ(3, scrolls.count());
    EXPECT_EQ(1, grid.SelectedCount());
    EXPECT_TRUE(grid.RowSelected(3 + inside.VisibleRowCount() - 1)); // the bottom row of the page
    inside.DragAutoScroll(down); // a move further out goes on with the running scroll
    EXPECT_EQ(3, inside.SBGetPos(1));

    inside.StopAutoScroll(); // the pointer came back over the rows
    clock.Advance(100);
    EXPECT_EQ(3, inside.SBGetPos(1));

    qint16 up = 1;
    inside.DragAutoScroll(up);
    clock.Advance(100); // two rows up to the top, where it ends by itself
    scrolls.clear();
    clock.Advance(100);
    EXPECT_EQ(0, inside.SBGetPos(1));
    EXPECT_EQ(0, scrolls.count());
    EXPECT_EQ(0, inside.m_Input.m_AutoScrollDir);
}

// The rows a drag brings in join the selection, and the current row stays in view at the edge the
// pointer left by, where the next Shift+click or key goes on from.
TEST_F(ScrolledGrid, ADragSelectionScrolledOnKeepsItsCurrentRowInView)
{
    grid.MultiSelect(1);
    DrivenClock clock;
    qint16 down = 2;
    inside.DragAutoScroll(down);
    clock.Advance(25);
    inside.StopAutoScroll();
    const int bottom = 2 + inside.VisibleRowCount() - 1;
    EXPECT_EQ(bottom, grid.Row());
    EXPECT_LE(grid.Row(), grid.RowLastVisible());
    EXPECT_TRUE(grid.RowSelected(2));
    EXPECT_TRUE(grid.RowSelected(bottom));

    qint16 up = 1;
    inside.DragAutoScroll(up);
    inside.StopAutoScroll();
    EXPECT_EQ(1, grid.Row());
    EXPECT_EQ(1, grid.RowFirstVisible());
    EXPECT_TRUE(grid.RowSelected(1));
}
