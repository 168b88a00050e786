#include "grid/RuzuZiriPrivate.h"

#include "GridFill.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {
// A grid of one column whose rows read "0", "1", ... in display order.
void FillRows(RuzuZiri& grid, int count)
{
    if (grid.Cols() == 0)
        grid.AddColumn("C0");
    for (int r = 0; r < count; ++r)
        grid.AddItem(QString::number(r));
}
} // namespace

TEST(GridAddColumn, IndexInsideShowsTheColumnThereAnyOtherAppends)
{
    RuzuZiri grid;
    FillRows(grid, 0);
    grid.AddColumn("b");
    grid.AddColumn("c");
    EXPECT_EQ(3, grid.AddColumn("d", 500, 4, 0, "", "", 4, false, 7));
    EXPECT_EQ(1, grid.AddColumn("e", 500, 4, 0, "", "", 4, false, 1));
    EXPECT_EQ((std::vector<int> { 0, 4, 1, 2, 3 }), RuzuZiriPrivate::Of(grid).m_Model.ColOrder());
    EXPECT_EQ("e", grid.ColHeading(4)); // column numbers stay in creation order
}

TEST(GridAddRow, SplitsAtTabsWithoutColumnsCreatesOneUntitledColumnAndHiddenCheckedRowsCount)
{
    RuzuZiri grid;
    grid.resize(301, 200);
    grid.AddRow("a\tb");
    ASSERT_EQ(1, grid.Cols());
    EXPECT_EQ("", grid.ColHeading(0));
    EXPECT_EQ(300 * 15 - 60 + 1.0f, grid.ColWidth(0)); // the visible width, inside the single border
    grid.AddColumn("b");
    grid.AddItem("x");
    grid.AddItem("p\tq\tr");
    EXPECT_EQ((QStringList { "a", "x", "p" }), Shown(grid, 0));
    EXPECT_EQ((QStringList { "", "", "q" }), Shown(grid, 1)); // pieces beyond the columns are dropped
    grid.AddRow("h", -1, true, false, false, false);
    EXPECT_EQ(1, grid.CheckedCount());
}

TEST(GridRemoveRow, MinusOneTakesTheCurrentRowAndTheLastRowTurnsRedrawOff)
{
    RuzuZiri grid;
    QSignalSpy counts(&grid, &RuzuZiri::RowCountChanged);
    FillRows(grid, 3);
    grid.RemoveRow(-1); // no current row
    grid.RemoveRow(7);  // no such row: nothing happens, nothing is reported
    EXPECT_EQ(3, counts.count());
    grid.RowColSet(1, 0);
    grid.RemoveItem();
    EXPECT_EQ((QStringList { "0", "2" }), Shown(grid, 0));

    grid.Redraw(true);
    grid.RemoveRow(0);
    grid.RemoveRow(0);
    EXPECT_EQ(6, counts.count());
    EXPECT_FALSE(grid.Redraw());
    EXPECT_EQ(1, grid.Cols());
}

TEST(GridRemoveRow, TheCurrentRowStaysOnAnExistingRowEvenWhenTheLastIsLocked)
{
    RuzuZiri grid;
    grid.AddColumn("a");
    grid.AddItem("locked", -1, false, false, true);
    FillRows(grid, 4);
    grid.RowColSet(4, 0);
    grid.RemoveRow(4);
    EXPECT_EQ(3, grid.Row());
    grid.RemoveRow(1); // current row was the last position: it steps back with the end
    EXPECT_EQ(2, grid.Row());
    grid.RowColSet(0, 0);
    grid.RemoveRow(2); // removing the last row does not move a current row above it
    EXPECT_EQ(0, grid.Row());
    grid.RowColSet(1, 0);
    grid.RemoveRow(1);
    EXPECT_EQ(0, grid.Row());
}

TEST(GridRemoveRow, TheSelectionMovesToTheRowThatTakesThePlace)
{
    RuzuZiri grid;
    FillRows(grid, 3);
    grid.RowSelected(1, true);
    grid.RemoveRow(1);
    EXPECT_TRUE(grid.RowSelected(1));
    EXPECT_EQ("2", grid.CellText(1, 0));
    grid.RemoveRow(1); // the selected row was last: the new last row takes the selection
    EXPECT_TRUE(grid.RowSelected(0));

    RuzuZiri multi;
    FillRows(multi, 3);
    multi.MultiSelect(1);
    multi.RowSelected(0, true);
    QSignalSpy spy(&multi, &RuzuZiri::SelectionChanged);
    multi.RemoveRow(0);
    EXPECT_EQ(1, spy.count());
    EXPECT_EQ(0, RuzuZiriPrivate::Of(multi).m_Model.Rows()[0].Flags & RowFlagSelected);
}

TEST(GridDeleteSelected, WithMultiSelectRemovesEverySelectedRowInOnePass)
{
    RuzuZiri grid;
    FillRows(grid, 10);
    grid.MultiSelect(1);
    for (const int p : { 0, 3, 4, 9 })
        grid.RowSelected(p, true);
    QSignalSpy counts(&grid, &RuzuZiri::RowCountChanged);
    grid.DeleteSelected();
    EXPECT_EQ((QStringList { "1", "2", "5", "6", "7", "8" }), Shown(grid, 0));
    EXPECT_EQ(1, counts.count());
    EXPECT_EQ(0, grid.Row()); // the first row becomes current

    for (int p = 0; p < grid.ItemCount(); ++p)
        grid.RowSelected(p, true);
    grid.DeleteSelected();
    EXPECT_EQ(0, grid.ItemCount());
    EXPECT_EQ(-1, grid.Row());
}

TEST(GridClear, RemovesRowsKeepsColumnsAndResetsTheCurrentCellFormatsAndTotals)
{
    RuzuZiri grid;
    Fill(grid, { 0, ColTypeNumber }, {});
    for (int i = 0; i < 30; ++i) {
        grid.AddItem("1\t2");
        grid.CellBackColor(i, 0, i);
    }
    grid.RowColSet(0, 1);
    grid.CellText(0, 0, "changed");
    grid.Redraw(true);

    grid.Clear();
    EXPECT_EQ(-1, grid.Row());
    EXPECT_EQ(-1, grid.Col());
    EXPECT_EQ(-1, grid.RowFirstVisible()); // no rows left to show
    EXPECT_EQ(-1, grid.RowLastVisible());
    EXPECT_EQ(2, grid.Cols());
    EXPECT_FALSE(grid.CellsChanged());
    EXPECT_FALSE(grid.Redraw());
    EXPECT_EQ(1u, RuzuZiriPrivate::Of(grid).m_Model.CellFormats().size()); // the random run checks the totals

    grid.ClearAll();
    EXPECT_EQ(0, grid.Cols());
    EXPECT_EQ(0, grid.Col()); // no columns at all reads zero
}

namespace {
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};
} // namespace

TEST(GridRedraw, RowsAddedWhilePaintingIsOffArePaintedOnceWhenRedrawTurnsOn)
{
    RuzuZiri grid;
    FillRows(grid, 0);
    grid.show();
    PaintCounter counter;
    grid.installEventFilter(&counter);
    grid.Clear();
    QCoreApplication::processEvents();
    counter.paints = 0;

    FillRows(grid, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(0, counter.paints);
    grid.Redraw(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(1, counter.paints);
}

TEST(GridRedraw, ARepaintOwedWhilePaintingIsOffStaysOwedThroughAnotherRedrawOff)
{
    RuzuZiri grid;
    grid.resize(300, 200);
    FillRows(grid, 30);
    grid.Redraw(true);
    ASSERT_LT(5, grid.RowLastVisible());

    grid.Redraw(false);
    for (int r = 29; r >= 3; --r)
        grid.RemoveRow(r);
    grid.Redraw(false);
    grid.Redraw(true);
    EXPECT_EQ(2, grid.RowLastVisible()); // the removed rows are no longer shown
}
