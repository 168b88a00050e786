#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/Canvas.h>

#include <QLineEdit>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace Tarvex;

TEST(GridColumnProperties, ColumnsOutsideTheGridReadEmptyAndIgnoreWrites)
{
    RuzuZiri grid;
    grid.AddColumn("a");
    for (const int col : { 1, -2 }) {
        grid.ColHeading(col, "x");
        grid.ColWidth(col, 10);
        grid.ColWordWrap(col, true);
        grid.BindControl(col, &grid, 15);
        EXPECT_EQ("", grid.ColHeading(col));
        EXPECT_EQ(0.0f, grid.ColWidth(col));
        EXPECT_FALSE(grid.ColVisible(col));
        EXPECT_FALSE(grid.ColWordWrap(col));
        EXPECT_EQ(0, grid.ColType(col));
    }
    EXPECT_TRUE(grid.ColLocked(-1)); // -1 always answers locked
    EXPECT_FALSE(grid.ColLocked(0));
}

TEST(GridColumnProperties, WidthsFollowTheScaleUnitsInPixelsAndRefuseWhatIsNoFiniteNumber)
{
    RuzuZiri grid;
    const GridModel& records = RuzuZiriPrivate::Of(grid).m_Model;
    grid.AddColumn("a", 22.0f); // 23 twips = 1.53 pixels
    EXPECT_EQ(2, records.Columns()[0].WidthPx);
    grid.ColWidth(0, 37.5f); // 2.5 pixels: ties go to even
    EXPECT_EQ(2, records.Columns()[0].WidthPx);
    grid.ColWidth(0, 3e38f); // far beyond any pixel count: no wrap into negative widths
    EXPECT_GE(records.Columns()[0].WidthPx, 0);

    grid.ColWidth(0, 600);
    for (const float width : { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                               -std::numeric_limits<float>::infinity() }) {
        EXPECT_EQ(-1, grid.AddColumn("bad", width)) << width;
        grid.ColWidth(0, width);
    }
    EXPECT_EQ(1, grid.Cols());
    EXPECT_EQ(600.0f, grid.ColWidth(0));
    grid.AddColumn("b", 300);
    grid.ColForceFit();
    for (int c = 0; c < grid.Cols(); ++c)
        EXPECT_TRUE(std::isfinite(grid.ColWidth(c))) << c;
    EXPECT_GT(grid.ColWidth(0), grid.ColWidth(1));
}

TEST(GridColumnProperties, WordWrapOfAColumnReachesOnlyRowsAddedAfterwards)
{
    RuzuZiri grid;
    grid.AddColumn("a");
    grid.AddItem("old");
    grid.ColWordWrap(0, true);
    grid.AddItem("new");
    EXPECT_TRUE(grid.ColWordWrap(0));
    EXPECT_FALSE(grid.CellWordWrap(0, 0));
    EXPECT_TRUE(grid.CellWordWrap(1, 0));
}

TEST(GridCurrentColumn, IsAColumnNumberEvenWhenShownElsewhere)
{
    RuzuZiri grid;
    grid.AddColumn("a");
    grid.AddColumn("b");
    grid.AddColumn("c", 500, 4, 0, "", "", 4, false, 1); // column 2 shown second
    grid.AddItem("1\t2\t3");
    grid.Col(2);
    EXPECT_EQ(2, grid.Col());
    EXPECT_EQ("3", grid.CellText());
}

TEST(GridBindControl, KeepsTheControlUntilItGoesAway)
{
    RuzuZiri grid;
    grid.AddColumn("a");
    auto editor = std::make_unique<QLineEdit>();
    grid.BindControl(0, editor.get(), 2 | 4);
    EXPECT_EQ(editor.get(), RuzuZiriPrivate::Of(grid).m_Model.Columns()[0].Control);
    editor.reset();
    EXPECT_EQ(nullptr, RuzuZiriPrivate::Of(grid).m_Model.Columns()[0].Control); // no dangling editor
}

TEST(GridAutoSize, TheLongestTextDecidesExceptForCheckBoxAndProgressColumns)
{
    RuzuZiri grid;
    grid.AddColumn("short");
    grid.AddColumn("long");
    grid.AddColumn("done", 500, 4, ColTypeCheckBox);
    grid.AddColumn("progress", 700, 4, ColTypeProgressBar);
    grid.AddItem("ab\tab\t1\t50");
    grid.AddRow("ab\tabcdefghijklmnopqrstuvwxyz", -1, false, false, false, false); // hidden rows count
    grid.resize(300, 100);
    grid.Redraw(true);
    QSignalSpy painted(&grid, &RuzuZiri::RequestRowData);
    grid.ColWidthAutoSize(-1);
    EXPECT_EQ(1, painted.count()); // one paint for all columns, not one for each
    EXPECT_GT(grid.ColWidth(1), grid.ColWidth(0) + 15 * 50);
    EXPECT_EQ(0, std::fmod(grid.ColWidth(0), 15.0f)); // whole pixels, in twips
    EXPECT_EQ(480.0f, grid.ColWidth(2));
    EXPECT_EQ(701.0f, grid.ColWidth(3)); // the width given plus one
}

// A column sized to fit shows what the painter draws whole: its cells formatted, and the totals line
// with its caption, the blank after it and the sum or average, formatted too.
TEST(GridAutoSize, ANumberColumnFitsItsFormattedTextsAndItsTotalsLine)
{
    struct Case {
        const char* Format;
        bool Totals;
        const char* Caption;
        bool Average;
        const char* Widest; // what the column shows widest
    };
    const Case cases[] {
        { "#,##0.00", false, "", false, "1,234,567.50" },
        { "", true, "Sum", false, "Sum 1234580" },
        { "#,##0.00", true, "Sum", false, "Sum 1,234,580.00" },
        { "#,##0.00", true, "Average of all", true, "Average of all 617,290.00" },
        { "0", true, "", false, "1234580" },
    };
    const QFont font(QStringLiteral("DejaVu Sans"), 10);
    for (const Case& c : cases) {
        RuzuZiri grid;
        grid.Font(font);
        grid.AddColumn("amount", 500, 2, ColTypeNumber, c.Format);
        grid.AddItem("1234567.5");
        grid.AddItem("12.5");
        grid.TotalsLineShow(c.Totals);
        grid.TotalsLineCaption(0, c.Caption);
        grid.TotalsLineColAvg(0, c.Average);
        grid.ColWidthAutoSize(0);
        const int widest = qRound(Canvas::TextWidth(font, QString::fromUtf8(c.Widest)));
        EXPECT_EQ(float((widest + 15) * 15), grid.ColWidth(0)) << c.Widest; // 15 pixels to spare, in twips
    }
}

TEST(GridForceFit, ScalesAllColumnsToFillTheVisibleWidth)
{
    RuzuZiri grid;
    grid.resize(405, 100); // 400 pixels = 6000 twips usable inside the single border
    grid.AddColumn("a", 999);
    grid.AddColumn("b", 999);
    grid.AddColumn("c", 1999);
    grid.AddColumn("hidden", 999, 4, 0, "", "", 4, false, 0, false);
    grid.ColForceFit();
    EXPECT_FLOAT_EQ(1500.0f, grid.ColWidth(0));
    EXPECT_FLOAT_EQ(1500.0f, grid.ColWidth(1));
    EXPECT_FLOAT_EQ(3000.0f, grid.ColWidth(2));
    EXPECT_FLOAT_EQ(1500.0f, grid.ColWidth(3)); // hidden columns scale along
}
