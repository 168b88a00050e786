#include "grid/RuzuZiri.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

void Fill(RuzuZiri& Grid, const QStringList& Rows)
{
    Grid.AddColumn(QStringLiteral("name"));
    Grid.AddColumn(QStringLiteral("note"));
    for (const QString& row : Rows)
        Grid.AddItem(row);
}

QList<bool> Visibility(const RuzuZiri& Grid)
{
    QList<bool> shown;
    for (int p = 0; p < Grid.ItemCount(); ++p)
        shown << Grid.RowVisible(p);
    return shown;
}

TEST(GridFindItem, StartsWithIgnoresCaseAndStartsAtTheGivenRow)
{
    RuzuZiri grid;
    Fill(grid, { "Meier", "Müller", "Mehl" });
    EXPECT_EQ(0, grid.FindItem(QStringLiteral("me"), 0, 5, false, 0));
    EXPECT_EQ(2, grid.FindItem(QStringLiteral("me"), 0, 5, false, 1));
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("me"), 0, 5, true, 0));
    // A start outside the rows searches from the top.
    EXPECT_EQ(0, grid.FindItem(QStringLiteral("me"), 0, 5, false, 9));
}

TEST(GridFindItem, ModesCompareAsDescribed)
{
    RuzuZiri grid;
    Fill(grid, { "Adam", "Bär", "Meier" });
    EXPECT_EQ(2, grid.FindItem(QStringLiteral("M"), 0, 1));
    EXPECT_EQ(1, grid.FindItem(QStringLiteral("bär"), 0, 0));
    EXPECT_EQ(2, grid.FindItem(QStringLiteral("EIE"), 0, 2));
    EXPECT_EQ(1, grid.FindItem(QStringLiteral("är"), 0, 6));
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("Adam"), 0, 3));
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("Adam"), 0, 7));
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("Adam"), 0, -1));
}

TEST(GridFindItem, AtOrAfterWithTheSameFirstLetter)
{
    RuzuZiri grid;
    Fill(grid, { "Lutz", "Mai", "Nagel" });
    EXPECT_EQ(1, grid.FindItem(QStringLiteral("MA"), 0, 4));
    // NAGEL sorts after MZ, but its first letter differs.
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("MZ"), 0, 4));
}

TEST(GridFindItem, SearchesTheSearchColumnPropertyAndHiddenRows)
{
    RuzuZiri grid;
    Fill(grid, { "a\tx", "b\ty" });
    grid.RowVisible(1, false);
    grid.SearchColumn(1);
    EXPECT_EQ(1, grid.FindItem(QStringLiteral("y")));
}

TEST(GridFindItem, NothingToSearchAnswersMinusOne)
{
    RuzuZiri grid;
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("a"), 0, 0));
    Fill(grid, { "a" });
    EXPECT_EQ(-1, grid.FindItem(QString(), 0, 0));
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("a"), 2, 0));
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("a"), -5, 0));
    grid.SearchColumn(-3);
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("a")));
}

TEST(GridFilter, FiltersAddUpAndFilterOffShowsAllAgain)
{
    RuzuZiri grid;
    Fill(grid, { "Meier", "Müller", "Mehl", "Adam" });
    grid.FilterOn(QStringLiteral("m"), 0, 5);
    EXPECT_EQ(QList<bool>({ true, true, true, false }), Visibility(grid));
    grid.FilterOn(QStringLiteral("me"), 0, 5);
    EXPECT_EQ(QList<bool>({ true, false, true, false }), Visibility(grid));
    grid.FilterOff(0);
    EXPECT_EQ(QList<bool>({ true, true, true, true }), Visibility(grid));
}

TEST(GridFilter, NeverMatchingModeHidesFromTheStartingRowOn)
{
    RuzuZiri grid;
    Fill(grid, { "a", "b", "c" });
    grid.FilterOn(QStringLiteral("a"), 0, 3, false, 1);
    EXPECT_EQ(QList<bool>({ true, false, false }), Visibility(grid));
    grid.FilterOff(2);
    EXPECT_EQ(QList<bool>({ true, false, true }), Visibility(grid));
    grid.FilterOff(99);
    EXPECT_EQ(QList<bool>({ true, false, true }), Visibility(grid));
    grid.FilterOff(-4);
    EXPECT_EQ(QList<bool>({ true, true, true }), Visibility(grid));
}

TEST(GridFilter, BadColumnOrStartDoesNothing)
{
    RuzuZiri grid;
    Fill(grid, { "a", "b" });
    grid.FilterOn(QStringLiteral("a"), -1, 0);
    grid.FilterOn(QStringLiteral("a"), 2, 0);
    grid.FilterOn(QStringLiteral("a"), 0, 0, false, 2);
    grid.FilterOn(QStringLiteral("a"), 0, 0, false, -1);
    EXPECT_EQ(QList<bool>({ true, true }), Visibility(grid));
}

TEST(GridFilter, EmptyFilterTextMatchesByMode)
{
    RuzuZiri grid;
    Fill(grid, { "a", "" });
    grid.FilterOn(QString(), 0, 4);
    EXPECT_EQ(QList<bool>({ false, false }), Visibility(grid));
    grid.FilterOff();
    grid.FilterOn(QString(), 0, 5);
    EXPECT_EQ(QList<bool>({ true, true }), Visibility(grid));
}

TEST(GridRowVisible, OutOfRangeReadsFalseAndWritesNothing)
{
    RuzuZiri grid;
    EXPECT_FALSE(grid.RowVisible(0));
    Fill(grid, { "a" });
    grid.RowVisible(5, false);
    EXPECT_FALSE(grid.RowVisible(5));
    EXPECT_TRUE(grid.RowVisible(0));
}

} // namespace

namespace {

// Records 0..Count-1 hold their number; the grid is sorted greatest first, so display and storage
// orders run against each other.
void FillSortedDescending(RuzuZiri& Grid, int Count)
{
    Grid.AddColumn(QStringLiteral("n"), 500, 4, ColTypeNumber);
    for (int i = 0; i < Count; ++i)
        Grid.AddItem(QString::number(i));
    Grid.Sort(0, 1);
}

TEST(GridFindItem, FirstHitFarDownIsTheFirstInDisplayOrder)
{
    RuzuZiri grid;
    FillSortedDescending(grid, 20000);
    // 1234 and 12340..12349 contain 1234; in display order 12349 comes first.
    EXPECT_EQ(20000 - 1 - 12349, grid.FindItem(QStringLiteral("1234"), 0, 2));
    EXPECT_EQ(20000 - 1 - 1234, grid.FindItem(QStringLiteral("1234"), 0, 0, false, 9000));
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("1234"), 0, 0, false, 20000 - 1234));
}

TEST(GridFilter, StartingRowCountsInDisplayOrder)
{
    RuzuZiri grid;
    FillSortedDescending(grid, 10);
    grid.FilterOn(QStringLiteral("x"), 0, 0, false, 8);
    EXPECT_EQ(QList<bool>({ true, true, true, true, true, true, true, true, false, false }), Visibility(grid));
    EXPECT_EQ(QStringLiteral("1"), grid.CellText(8, 0));
}

} // namespace
