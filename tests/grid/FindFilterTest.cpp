#include "GridFill.h"

#include <tarvex/grid/model/GridRecords.h>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

QList<bool> Visibility(const RuzuZiri& Grid)
{
    QList<bool> shown;
    for (int p = 0; p < Grid.ItemCount(); ++p)
        shown << Grid.RowVisible(p);
    return shown;
}

TEST(GridFindItem, EachSearchModeComparesItsOwnWay)
{
    const QStringList names { "Meier", "Müller", "Mehl" };
    const QStringList people { "Adam", "Bär", "Meier" };
    const QStringList alphabet { "Lutz", "Mai", "Nagel" };
    const struct { const QStringList& rows; const char* text; int mode; bool matchCase; int start, found; } cases[] {
        { names, "me", 5, false, 0, 0 },   { names, "me", 5, false, 1, 2 },
        { names, "me", 5, true, 0, -1 },   { names, "me", 5, false, 9, 0 }, // a start beyond the rows means the top
        { people, "M", 1, false, 0, 2 },   { people, "bär", 0, false, 0, 1 },
        { people, "EIE", 2, false, 0, 2 }, { people, "är", 6, false, 0, 1 },
        { people, "Adam", 3, false, 0, -1 }, { people, "Adam", 7, false, 0, -1 },
        { people, "Adam", -1, false, 0, -1 },
        { alphabet, "MA", 4, false, 0, 1 },
        { alphabet, "MZ", 4, false, 0, -1 }, // Nagel sorts after MZ, but its first letter differs
    };
    for (const auto& c : cases) {
        RuzuZiri grid;
        Fill(grid, { 0, 0 }, c.rows);
        EXPECT_EQ(c.found, grid.FindItem(QString::fromUtf8(c.text), 0, c.mode, c.matchCase, c.start))
            << c.text << " in mode " << c.mode;
    }
}

TEST(GridFindItem, SearchesHiddenRowsOfTheSearchColumnAndAnswersMinusOneWithNothingToSearch)
{
    RuzuZiri grid;
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("a"), 0, 0));
    Fill(grid, { 0, 0 }, { "a\tx", "b\ty" });
    grid.RowVisible(1, false);
    grid.SearchColumn(1);
    EXPECT_EQ(1, grid.FindItem(QStringLiteral("y")));
    EXPECT_EQ(-1, grid.FindItem(QString(), 0, 0));
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("a"), 2, 0));
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("a"), -5, 0));
    grid.SearchColumn(-3);
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("a")));
}

TEST(GridFilter, FiltersAddUpAndFilterOffShowsRowsFromItsStartingRowOn)
{
    RuzuZiri grid;
    Fill(grid, { 0, 0 }, { "Meier", "Müller", "Mehl", "Adam" });
    grid.FilterOn(QStringLiteral("m"), 0, 5);
    EXPECT_EQ(QList<bool>({ true, true, true, false }), Visibility(grid));
    grid.FilterOn(QStringLiteral("me"), 0, 5);
    EXPECT_EQ(QList<bool>({ true, false, true, false }), Visibility(grid));
    grid.FilterOff(3);
    grid.FilterOff(99);
    EXPECT_EQ(QList<bool>({ true, false, true, true }), Visibility(grid));
    grid.FilterOff(-4);
    EXPECT_EQ(QList<bool>({ true, true, true, true }), Visibility(grid));
    grid.FilterOn(QStringLiteral("a"), 0, 3, false, 1); // a mode that never matches hides from the start on
    EXPECT_EQ(QList<bool>({ true, false, false, false }), Visibility(grid));
}

TEST(GridFilter, BadColumnOrStartDoesNothingAndAnEmptyTextMatchesByMode)
{
    RuzuZiri grid;
    EXPECT_FALSE(grid.RowVisible(0));
    Fill(grid, { 0, 0 }, { "a", "" });
    grid.RowVisible(5, false);
    EXPECT_TRUE(grid.RowVisible(5)); // reads the last row, which the refused write left shown
    grid.FilterOn(QStringLiteral("a"), -1, 0);
    grid.FilterOn(QStringLiteral("a"), 2, 0);
    grid.FilterOn(QStringLiteral("a"), 0, 0, false, 2);
    grid.FilterOn(QStringLiteral("a"), 0, 0, false, -1);
    grid.FilterOn(QString(), 0, 5);
    EXPECT_EQ(QList<bool>({ true, true }), Visibility(grid));
    grid.FilterOn(QString(), 0, 4);
    EXPECT_EQ(QList<bool>({ false, false }), Visibility(grid));
}

// Records hold their number and the grid shows the greatest first, so display and storage orders run
// against each other: starting rows and first hits count in display order.
TEST(GridFindFilter, StartingRowsAndFirstHitsCountInDisplayOrder)
{
    RuzuZiri grid;
    grid.AddColumn(QStringLiteral("n"), 500, 4, ColTypeNumber);
    for (int i = 0; i < 20000; ++i)
        grid.AddItem(QString::number(i));
    grid.Sort(0, 1);
    // 1234 and 12340..12349 contain 1234; in display order 12349 comes first.
    EXPECT_EQ(20000 - 1 - 12349, grid.FindItem(QStringLiteral("1234"), 0, 2));
    EXPECT_EQ(20000 - 1 - 1234, grid.FindItem(QStringLiteral("1234"), 0, 0, false, 9000));
    EXPECT_EQ(-1, grid.FindItem(QStringLiteral("1234"), 0, 0, false, 20000 - 1234));

    grid.FilterOn(QStringLiteral("x"), 0, 0, false, 19990);
    EXPECT_EQ(19990, Visibility(grid).indexOf(false));
    EXPECT_EQ(10, Visibility(grid).count(false));
    EXPECT_EQ(QStringLiteral("9"), grid.CellText(19990, 0));
}

} // namespace
