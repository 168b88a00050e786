#include "grid/RuzuZiriPrivate.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>

using namespace Tarvex;

namespace {

struct NamedWrite {
    QStringList Changes; // empty = the writes name no change
    std::function<void(RuzuZiri&)> Write;
};

QStringList ChangesOf(const std::function<void(RuzuZiri&)>& Write)
{
    RuzuZiri grid;
    QSignalSpy changes(&grid, &UserControl::PropertyChanged);
    Write(grid);
    QStringList names;
    for (const QList<QVariant>& change : changes)
        names << change.at(0).toString();
    return names;
}

// A grid as a host first creates it.
struct GridControlProperties : testing::Test {
    RuzuZiri grid;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
};

} // namespace

TEST_F(GridControlProperties, WritesNameTheirChangeUnderTheSavedKey)
{
    const NamedWrite writes[] = {
        { { "ColumnDrag" }, [](RuzuZiri& g) { g.AllowColumnDrag(true); } },
        { { "HotHeaderTracking" }, [](RuzuZiri& g) { g.AllowColumnHover(false); } },
        { { "ColumnSort" }, [](RuzuZiri& g) { g.AllowColumnSort(true); } },
        { { "ColumnSwap" }, [](RuzuZiri& g) { g.AllowColumnSwap(true); } },
        { { "Editable" }, [](RuzuZiri& g) { g.AllowEdit(true); } },
        { { "ShowColumnHeaders" }, [](RuzuZiri& g) { g.ColumnHeaders(false); } },
        { { "HideSelection" }, [](RuzuZiri& g) { g.FocusRectHide(true); } },
        { { "FullRowSelect" }, [](RuzuZiri& g) { g.FocusRowHighlight(false); } },
        { { "CheckBoxes" }, [](RuzuZiri& g) { g.RowCheckBoxes(true); } },
        { { "AllowWordWrap" }, [](RuzuZiri& g) { g.AllowWordWrap(true); } },
        { { "MinRowHeight" }, [](RuzuZiri& g) { g.MinRowHeight(300); } },
        { { "ColumnHeaderLines" }, [](RuzuZiri& g) { g.ColumnHeaderLines(2); } },
        { { "CacheIncrement" }, [](RuzuZiri& g) { g.CacheIncrement(-5); } },
        { { "ThemeColor", "ThemeColorTo" }, [](RuzuZiri& g) { g.ThemeColor(5); g.ThemeCustomColorTo(0xFF); } },
        { { "ThemeColor" }, [](RuzuZiri& g) { g.ThemeColor(0); g.ThemeCustomColorFrom(0xFF); } },
        { {}, [](RuzuZiri& g) { g.ColumnHeaderLines(0); } },
        { {}, [](RuzuZiri& g) { g.ColumnHeaderSmall(true); } },
        { {}, [](RuzuZiri& g) { g.ExpandRowImage(3); } },
        { {}, [](RuzuZiri& g) { g.ImageList(nullptr); } },
        { {}, [](RuzuZiri& g) { g.TotalsLineCaption(0, "x"); } },
    };
    for (const NamedWrite& write : writes)
        EXPECT_EQ(write.Changes, ChangesOf(write.Write)) << write.Changes.join(',').toStdString();
}

TEST_F(GridControlProperties, WritesKeepDependentSettingsConsistent)
{
    grid.AllowColumnDrag(true);
    grid.AllowColumnSwap(true);
    EXPECT_FALSE(grid.AllowColumnDrag()); // only one of drag and swap is on
    grid.AllowColumnDrag(true);
    EXPECT_FALSE(grid.AllowColumnSwap());

    grid.AllowEdit(true);
    EXPECT_EQ(2, grid.FocusRectMode()); // an editable grid shows its focus column
    grid.FocusRectMode(1);
    grid.AllowEdit(true);
    EXPECT_EQ(1, grid.FocusRectMode());

    grid.CacheIncrement(-5);
    EXPECT_EQ(10, grid.CacheIncrement());
    grid.ColumnHeaderLines(0);
    EXPECT_EQ(1, grid.ColumnHeaderLines());
}

TEST_F(GridControlProperties, SchemesApplyWhenTheyChangeAndOwnTheGradientUnlessCustom)
{
    grid.ThemeColor(1);
    grid.BackColorSel(0x123456);
    grid.ThemeColor(1);
    EXPECT_EQ(0x123456, grid.BackColorSel()); // the same scheme again is no change
    grid.ThemeColor(2);
    EXPECT_EQ(0x70A093, grid.BackColorSel());

    const qint32 from = grid.ThemeCustomColorFrom();
    grid.ThemeCustomColorFrom(0x0000FF);
    EXPECT_EQ(from, grid.ThemeCustomColorFrom());
    grid.ThemeColor(5);
    grid.ThemeCustomColorFrom(qint32(0x80000005)); // a system colour is kept as the plain colour it stands for
    EXPECT_EQ(qint32(ToOleColor(TranslateOleColor(0x80000005, grid.palette()))), grid.ThemeCustomColorFrom());

    grid.ThemeColor(0);
    grid.FocusRowHighlightStyle(1);
    EXPECT_EQ(qint32(0x80000008), grid.ForeColorSel()); // gradient rows keep the window text colour
}

TEST_F(GridControlProperties, RowNumbersDoNotChangeUnderAnOpenEditor)
{
    grid.AddColumn("a");
    grid.AddItem("x");
    grid.ForceCellEdit(0, 0);
    ASSERT_TRUE(grid.EditPending());
    grid.ShowRowNumbers(true);
    grid.ShowRowNumbersVary(true);
    EXPECT_FALSE(grid.ShowRowNumbers() || grid.ShowRowNumbersVary());
    grid.UpdateCell(false);
    grid.ShowRowNumbers(true);
    EXPECT_TRUE(grid.ShowRowNumbers());
}

TEST_F(GridControlProperties, LayoutWritesRecomputeMetricsAndOweTheRestWhilePaintingIsOff)
{
    grid.Caption("Documents");
    EXPECT_TRUE((inside.m_Painter.m_PendingMetrics && inside.m_Painter.m_PendingScroll));
    grid.DisplayEllipsis(false);
    EXPECT_EQ(262144, inside.m_Geometry.m_Metrics.DrawTextFlags); // a refresh only: metrics wait for Redraw
    grid.Redraw(true);
    EXPECT_EQ(0, inside.m_Geometry.m_Metrics.DrawTextFlags);
    EXPECT_FALSE((inside.m_Painter.m_PendingMetrics && inside.m_Painter.m_PendingScroll));
}

TEST(GridExpandRowImage, IsStoredByIndexAndReadByKeyWhenNegative)
{
    Tarvex::ImageList images;
    images.Add(QPixmap(16, 16), "open");
    images.Add(QPixmap(16, 16), "closed");
    RuzuZiri grid;
    grid.ImageList(&images);
    grid.ExpandRowImage("closed");
    EXPECT_EQ(QVariant(2), grid.ExpandRowImage());
    grid.ExpandRowImage("missing");
    EXPECT_EQ(QVariant(2), grid.ExpandRowImage());
    grid.ExpandRowImage(-1);
    EXPECT_EQ(QVariant("open"), grid.ExpandRowImage());
    grid.ExpandRowImage(70000);
    EXPECT_EQ(QVariant("open"), grid.ExpandRowImage());
}

TEST_F(GridControlProperties, TotalsAverageOverEveryRowTheTotalCovers)
{
    grid.AddColumn("n", 500, 2, ColTypeNumber);
    for (const char* value : { "1", "2", "6" })
        grid.AddItem(value);
    grid.TotalsLineColAvg(0, true);
    EXPECT_EQ(9.0, grid.TotalsCol(0));
    EXPECT_EQ(3.0, inside.m_Model.TotalsLineValue(0));
    for (const int col : { 1, -1 }) {
        grid.TotalsLineColAvg(col, true);
        EXPECT_EQ(0.0, grid.TotalsCol(col));
        EXPECT_FALSE(grid.TotalsLineColAvg(col));
        EXPECT_EQ("", grid.TotalsLineCaption(col));
    }
    grid.RemoveRow(0);
    grid.RemoveRow(0);
    EXPECT_EQ(6.0, inside.m_Model.TotalsLineValue(0)); // one row: its own value, no division by zero
}

TEST_F(GridControlProperties, MouseColumnIsZeroWithoutColumnsAndMinusOneOffThem)
{
    EXPECT_EQ(0, grid.MouseCol());
    grid.AddColumn("a");
    grid.AddColumn("b");
    grid.AddColumn("c", 500, 4, 0, "", "", 4, false, 1); // shown second
    EXPECT_EQ(-1, grid.MouseCol());
    inside.m_Input.m_MouseCol = 1;
    EXPECT_EQ(2, grid.MouseCol());
    EXPECT_EQ(1, inside.FindColPosition(2));
    EXPECT_EQ(0, inside.FindColPosition(7));
}
