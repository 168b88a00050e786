#include "GridInvariants.h"

#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/ImageList.h>

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>

using namespace Tarvex;

namespace {

// Ten rows whose data is 100 + position, in two columns; rows are added the way a host fills a grid.
struct TenRows : testing::Test {
    RuzuZiri grid;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
    void SetUp() override
    {
        grid.AddColumn("name");
        grid.AddColumn("amount");
        for (int r = 0; r < 10; ++r)
            grid.AddItem(QStringLiteral("r%1\t%1").arg(r), -1, false, false, false, true, 100 + r);
    }
    // The events a call raises, in their order.
    QStringList EventsOf(const std::function<void()>& Call)
    {
        QStringList events;
        const auto a = QObject::connect(&grid, &RuzuZiri::RowColChanged, [&] { events << "RowColChanged"; });
        const auto b = QObject::connect(&grid, &RuzuZiri::SelectionChanged, [&] { events << "SelectionChanged"; });
        const auto c = QObject::connect(&grid, &RuzuZiri::Scroll, [&] { events << "Scroll"; });
        Call();
        QObject::disconnect(a);
        QObject::disconnect(b);
        QObject::disconnect(c);
        return events;
    }
};

} // namespace

TEST_F(TenRows, AddressesReadTheCurrentRowForNegativesAndTheLastRowPastTheEnd)
{
    grid.RowColSet(4, 1);
    const struct { int Row, Col, ReadsRow; QString Text; } cases[] = {
        { -1, -1, 4, "4" }, { -7, 0, 4, "r4" }, { 99, 0, 9, "r9" }, { 10, 1, 9, "9" }, { 3, -1, 3, "3" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(100 + c.ReadsRow, grid.RowData(c.Row)) << c.Row;
        EXPECT_EQ(c.Text, grid.CellText(c.Row, c.Col)) << c.Row << "," << c.Col;
    }
    EXPECT_EQ("", grid.CellText(0, 2)); // a column past the last reads nothing

    RuzuZiri empty;
    EXPECT_EQ(0, empty.RowData(0));
    EXPECT_TRUE(empty.RowLocked(0));
    EXPECT_EQ(QVariant(), empty.RowImage(-1));
}

TEST_F(TenRows, WritesToARowPastTheLastChangeNothing)
{
    ImageList images;
    images.Add(QPixmap(16, 16), "doc");
    grid.ImageList(&images);
    const std::function<void()> writes[] = {
        [&] { grid.RowData(10, 1); },          [&] { grid.RowTag(11, "t"); },
        [&] { grid.RowChecked(10, true); },    [&] { grid.RowSelected(10, true); },
        [&] { grid.RowLocked(10, true); },     [&] { grid.RowHeight(10, 40); },
        [&] { grid.RowVisible(10, false); },   [&] { grid.RowImage(10, "doc"); },
        [&] { grid.RowGroupHeader(10, 1); },   [&] { grid.RowBackColor(10, 255); },
        [&] { grid.RowFontBold(10, true); },
    };
    const int height = grid.RowHeight(9);
    const qint32 back = grid.CellBackColor(9, 0);
    for (const auto& write : writes)
        write();
    EXPECT_EQ(109, grid.RowData(9));
    EXPECT_EQ("", grid.RowTag(9));
    EXPECT_EQ(0, inside.m_Model.RowAt(9).Flags);
    EXPECT_EQ(height, grid.RowHeight(9));
    EXPECT_TRUE(grid.RowVisible(9));
    EXPECT_EQ(QVariant(0), grid.RowImage(9));
    EXPECT_EQ(0, grid.RowGroupHeader(9));
    EXPECT_EQ(back, grid.CellBackColor(9, 0));
    EXPECT_FALSE(grid.CellFontBold(9, 0));
    EXPECT_EQ(0, grid.SelectedCount());
}

TEST_F(TenRows, RowMembersDoWhatTheySayAndNoMore)
{
    ImageList images;
    images.Add(QPixmap(16, 16), "a");
    images.Add(QPixmap(16, 16), "doc");
    grid.ImageList(&images);

    grid.RowHeight(2, 0.4f);
    EXPECT_EQ(0, grid.RowHeight(2)); // rounded, not refused
    grid.AllowWordWrap(true);
    grid.RowHeight(3, -1);
    EXPECT_GT(grid.RowHeight(3), 0); // measured from its one line of text, not stored as -1

    grid.RowImage(1, "doc");
    EXPECT_EQ(QVariant("doc"), grid.RowImage(1));
    grid.RowImage(1, "missing");
    EXPECT_EQ(QVariant("doc"), grid.RowImage(1));

    grid.RowBackColor(5, 0xFF);
    grid.RowForeColor(5, 0xFF00);
    grid.RowFontBold(5, true);
    for (int col = 0; col < 2; ++col) {
        EXPECT_EQ(0xFF, grid.CellBackColor(5, col));
        EXPECT_EQ(0xFF00, grid.CellForeColor(5, col));
        EXPECT_TRUE(grid.CellFontBold(5, col));
    }
    EXPECT_NE(0xFF, grid.CellBackColor(4, 0));

    grid.CellText(6, 0, "changed");
    EXPECT_TRUE(grid.RowChanged(6));
    EXPECT_FALSE(grid.RowChanged(-1)); // these two take no current-row shorthand
    grid.AddItem("new", -1, false, true);
    EXPECT_TRUE(grid.RowAdded(10));
    EXPECT_FALSE(grid.RowAdded(9));
    EXPECT_TRUE(GridInvariants(inside.m_Model));
}

TEST_F(TenRows, SelectionIsCountedAndClearedWithoutEventsOrRepaint)
{
    grid.MultiSelect(1);
    for (const int row : { 1, 4, 8 })
        grid.RowSelected(row, true);
    EXPECT_EQ(3, grid.SelectedCount());
    // Moving onto a selected row still reports that the others lost their selection.
    EXPECT_EQ(QStringList({ "RowColChanged", "SelectionChanged" }), EventsOf([&] { grid.RowColSet(4, -1); }));
    EXPECT_EQ(1, grid.SelectedCount());
    grid.RowSelected(8, true);
    EXPECT_EQ(QStringList(), EventsOf([&] { grid.SelectedClearAll(); }));
    EXPECT_EQ(0, grid.SelectedCount());
    EXPECT_FALSE(grid.RowSelected(4));
}

TEST_F(TenRows, RowColSetSelectsTheNewRowAndSkipsHiddenOnes)
{
    const struct {
        const char* What;
        std::function<void()> Arrange;
        int Row, Col, ExpectRow, ExpectCol;
        QStringList Events;
    } cases[] = {
        { "shown row", [] {}, 3, 0, 3, 0, { "RowColChanged", "SelectionChanged" } },
        { "hidden row", [&] { grid.RowVisible(5, false); }, 5, 0, 2, 1, {} },
        { "hidden column", [&] { grid.ColVisible(0, false); }, 3, 0, 2, 1, {} },
        // The row becomes current but, being locked, raises no change of the current cell.
        { "locked row", [&] { grid.RowLocked(6, true); }, 6, -1, 6, 1, { "SelectionChanged" } },
        { "locked column", [&] { grid.ColLocked(0, true); }, -1, 0, 2, 0, {} },
    };
    for (const auto& c : cases) {
        grid.ClearAll();
        SetUp();
        grid.RowColSet(2, 1);
        c.Arrange();
        EXPECT_EQ(c.Events, EventsOf([&] { grid.RowColSet(c.Row, c.Col); })) << c.What;
        EXPECT_EQ(c.ExpectRow, grid.Row()) << c.What;
        EXPECT_EQ(c.ExpectCol, grid.Col()) << c.What;
        EXPECT_TRUE(grid.RowSelected(grid.Row())) << c.What;
        EXPECT_EQ(1, grid.SelectedCount()) << c.What;
    }
}

// The grid's own step back onto a hidden last row holds nothing: the host can still move.
TEST_F(TenRows, AMoveHeldOnAHiddenColumnLastsOnlyUntilTheGridIsCleared)
{
    while (grid.ItemCount() > 4)
        grid.RemoveRow(4);
    grid.RowColSet(3, 0);
    grid.RowVisible(2, false);
    grid.RemoveRow(3);
    EXPECT_FALSE(grid.RowLocked(0));
    QSignalSpy moves(&grid, &RuzuZiri::RowColChanged);
    grid.RowColSet(1, 0);
    EXPECT_EQ(1, moves.count());

    grid.RowColSet(0, 1);
    grid.ColVisible(1, false);
    grid.RowColSet(1, -1); // a hidden column holds the current one
    EXPECT_TRUE(grid.ColLocked(0));
    grid.ClearAll();
    grid.AddColumn("fresh");
    EXPECT_FALSE(grid.ColLocked(0));
}
