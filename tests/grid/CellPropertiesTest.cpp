#include "grid/RuzuZiri.h"

#include "../platform/runtime/LocaleScope.h"
#include "GridInvariants.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {
// Two text columns, a check-box column and a progress column, three rows.
struct CellGrid : testing::Test {
    RuzuZiri grid;
    void SetUp() override
    {
        grid.AddColumn("name");
        grid.AddColumn("amount", 500, 2, ColTypeNumber);
        grid.AddColumn("done", 500, 4, ColTypeCheckBox);
        grid.AddColumn("progress", 500, 4, ColTypeProgressBar);
        grid.AddItem("a\t1\t0\t");
        grid.AddItem("b\t2\t1\t");
        grid.AddItem("c\t3\t0\t");
    }
};
} // namespace

TEST_F(CellGrid, ProgressValuesAreClampedAndOnlyKeptInProgressColumns)
{
    grid.CellProgressValue(0, 3, 150);
    grid.CellProgressValue(1, 3, -5);
    grid.CellProgressValue(0, 0, 50);
    EXPECT_EQ(100, grid.CellProgressValue(0, 3));
    EXPECT_EQ(0, grid.CellProgressValue(1, 3));
    EXPECT_EQ(0, grid.CellProgressValue(0, 0));
    EXPECT_EQ(0, grid.Model().CellAt(0, 0).Flags);
}

TEST_F(CellGrid, TextKeepsTheColumnTotalAndMarksTheCellAndRowChanged)
{
    grid.CellText(1, 1, "10");
    {
        LocaleScope german("de_DE");
        grid.CellValue(0, 1, QString("12,5")); // stored in the standard form
    }
    EXPECT_EQ("12.5", grid.CellText(0, 1));
    EXPECT_EQ(25.5, grid.Model().m_TotalsValue[1]);
    EXPECT_TRUE(grid.CellChanged(1, 1));
    EXPECT_TRUE(IsFlagSet(grid.Model().RowAt(1).Flags, RowFlagChanged));
    EXPECT_TRUE(grid.CellsChanged());
    EXPECT_FALSE(grid.CellChanged(2, 1));
}

TEST_F(CellGrid, CheckBoxTextAndCheckFollowEachOther)
{
    for (const auto& [text, checked] : { std::pair { "1", true }, { "0", false }, { "", false }, { "-3", true } }) {
        grid.AddItem(QString("x\t0\t%1\t").arg(text));
        EXPECT_EQ(checked, grid.CellChecked(grid.ItemCount() - 1, 2)) << "added " << text;
        grid.CellText(0, 2, text);
        EXPECT_EQ(checked, grid.CellChecked(0, 2)) << "written " << text;
    }
    grid.CellChecked(0, 2, true);
    EXPECT_EQ("True", grid.CellText(0, 2));
    EXPECT_EQ(QVariant(true), grid.CellValue(0, 2));
    grid.CellChecked(0, 2, false);
    EXPECT_EQ("False", grid.CellText(0, 2));
    EXPECT_TRUE(GridInvariants(grid.Model()));
}

TEST_F(CellGrid, MinusOneAddressesTheCurrentCell)
{
    grid.RowColSet(2, 1);
    grid.CellText(-1, -1, "7");
    grid.CellTag(-1, -1, "note");
    EXPECT_EQ("7", grid.CellText(2, 1));
    EXPECT_EQ("note", grid.CellTag(2, 1));
}

TEST_F(CellGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites)
{
    for (const auto& [row, col] : { std::pair { 3, 0 }, { 0, 4 }, { -2, 0 }, { 0, -2 } }) {
        grid.CellText(row, col, "x");
        grid.CellBackColor(row, col, 1);
        grid.CellFontBold(row, col, true);
        grid.CellAlignment(row, col, 2);
        EXPECT_EQ("", grid.CellText(row, col));
        EXPECT_EQ(0, grid.CellBackColor(row, col));
        EXPECT_FALSE(grid.CellFontBold(row, col));
        EXPECT_EQ(0, grid.CellAlignment(row, col));
        EXPECT_FALSE(grid.CellValue(row, col).isValid());
        EXPECT_EQ(nullptr, grid.CellPictureGet(row, col));
    }
    grid.CellImage(1, 0, 70000);    // beyond what a cell stores
    grid.CellImage(1, 0, "folder"); // no image list to look the key up in
    EXPECT_EQ(QVariant(0), grid.CellImage(1, 0));
    EXPECT_FALSE(grid.CellsChanged());
    EXPECT_TRUE(GridInvariants(grid.Model()));

    RuzuZiri empty; // no rows, so no current cell either
    empty.AddColumn("a");
    empty.CellText(-1, -1, "x");
    empty.CellProgressBarColor(-1, -1, 5);
    EXPECT_EQ("", empty.CellText());
    EXPECT_EQ(0x8080FF, empty.CellProgressBarColor(-1, -1));
}

TEST_F(CellGrid, FormatCellsSetsEachCellOfTheRange)
{
    grid.CellFontName(0, 0, "Mono");
    grid.FormatCells(1, 2, 0, 1, FormatBackColor, "255");
    grid.FormatCells(0, -1, 0, -1, FormatBold, "1");
    grid.FormatCells(0, 0, 1, 1, FormatAlignment, "", 2);
    grid.FormatCells(0, -1, 0, -1, FormatFontName, "   "); // a blank name keeps the fonts
    EXPECT_EQ(255, grid.CellBackColor(2, 1));
    EXPECT_NE(255, grid.CellBackColor(0, 0));
    EXPECT_EQ(4, grid.Model().m_CellFormats[grid.Model().CellAt(1, 0).FormatIndex].UseCount);
    EXPECT_TRUE(grid.CellFontBold(2, 3));
    EXPECT_EQ(2, grid.CellAlignment(0, 1));
    EXPECT_EQ("Mono", grid.CellFontName(0, 0));
    EXPECT_TRUE(GridInvariants(grid.Model()));
}

TEST_F(CellGrid, FormatCellsAlignmentCountsRowsInCreationOrder)
{
    grid.AddRow("first", 0); // record 3 shown at position 0
    grid.FormatCellsAlignment(3, 3, 0, 0, 9);
    EXPECT_EQ(9, grid.CellAlignment(0, 0));
    EXPECT_EQ(4, grid.CellAlignment(3, 0));
}
