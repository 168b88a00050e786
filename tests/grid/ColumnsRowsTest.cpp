#include "grid/RuzuZiri.h"

#include "GridInvariants.h"

#include <gtest/gtest.h>

using namespace Tarvex;

TEST(GridColumnsRows, AddItemFillsCellsInColumnOrder)
{
    RuzuZiri grid;
    grid.AddColumn("Name");
    grid.AddColumn("Amount");
    EXPECT_EQ(0, grid.AddItem("a\tb\tc"));
    EXPECT_EQ("a", grid.CellText(0, 0));
    EXPECT_EQ("b", grid.CellText(0, 1));
    EXPECT_EQ(1, grid.ItemCount());
    EXPECT_TRUE(GridInvariants(grid.Model()));
}
