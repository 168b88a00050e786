#include "grid/RuzuZiriPrivate.h"

#include "GridScrollBars.h"
#include "TestFonts.h"

#include <tarvex/platform/ImageList.h>
#include <tarvex/platform/VisualStyle.h>

#include <QPixmap>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace Tarvex;

namespace {

// Pixel units, a small header font so that row heights come from MinRowHeight, three columns of
// 61 pixels and four rows of 20.
struct LaidOutGrid : testing::Test {
    RuzuZiri grid;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);

    void SetUp() override
    {
        grid.Font(DejaVuSans());
        QFont small = DejaVuSans();
        small.setPixelSize(8);
        grid.FontHeader(small);
        grid.ScaleUnits(3);
        grid.MinVerticalOffset(0);
        grid.MinRowHeight(18);
        grid.resize(300, 200);
        for (const char* name : { "a", "b", "c" })
            grid.AddColumn(name, 60, 5);
        for (int r = 0; r < 4; ++r)
            grid.AddItem("x\ty\tz");
    }
    int HeaderTextHeight() const { return inside.m_Geometry.m_Metrics.HeaderTextHeight; }
    int HeaderHeight() const { return inside.m_Geometry.m_Metrics.HeaderHeight; }
    // What GetColumnExtent leaves in a rectangle of -99s: only the edges it sets change.
    Rect ColumnExtent(int Position) const
    {
        Rect extent { -99, -99, -99, -99 };
        inside.GetColumnExtent(Position, extent);
        return extent;
    }
    Rect CellRect(int Row, int Position, int Top, int Kind) const
    {
        Rect placement;
        inside.GetCellRect(Row, Position, Top, placement, Kind);
        return placement;
    }
};

} // namespace

TEST_F(LaidOutGrid, RowHeightIsTheLargerOfTheMinimumAndTheHeaderTextPlusOffsets)
{
    ASSERT_LT(HeaderTextHeight(), 18);
    EXPECT_EQ(20, inside.m_Geometry.m_RowHeightDef);
    EXPECT_EQ(20, inside.m_Model.RowAt(3).Height);
    grid.MinVerticalOffset(3);
    grid.MinRowHeight(1); // below the text height, so the text height counts
    EXPECT_EQ(HeaderTextHeight() + 2 * 3 + 2, inside.m_Geometry.m_RowHeightDef);
    grid.ScaleUnits(1);
    grid.MinRowHeight(300); // twips
    EXPECT_EQ(20 + 2 * 3 + 2, inside.m_Geometry.m_RowHeightDef);
    grid.MinVerticalOffset(INT_MAX);
    EXPECT_EQ(MaxLayoutPixels, inside.m_Geometry.m_RowHeightDef); // held to the tallest window, not wrapped round
}

TEST_F(LaidOutGrid, ContentStartsAfterTheCheckBoxWhoseSizeFollowsTheRowHeight)
{
    struct Case { int MinRowHeight; bool CheckBoxes; int CheckBox, TextLeft; };
    for (const Case c : { Case { 12, false, 10, 3 }, { 12, true, 10, 12 }, { 14, true, 12, 14 }, { 15, true, 16, 18 } }) {
        grid.RowCheckBoxes(c.CheckBoxes);
        grid.MinRowHeight(c.MinRowHeight); // row height = MinRowHeight + 2
        EXPECT_EQ(c.CheckBox, inside.m_Geometry.m_Metrics.CheckBoxSize) << c.MinRowHeight;
        EXPECT_EQ(c.TextLeft, inside.m_Geometry.m_Metrics.TextLeft) << c.MinRowHeight;
        EXPECT_EQ(c.TextLeft, inside.m_Geometry.m_Metrics.ImageLeft) << c.MinRowHeight;
    }
    Tarvex::ImageList images;
    images.ImageWidth(24);
    grid.ImageList(&images);
    grid.Refresh();
    EXPECT_TRUE(inside.m_Geometry.m_Metrics.HasImageList);
    EXPECT_EQ(24, inside.m_Geometry.m_Metrics.ImageWidth);
    EXPECT_EQ(18, inside.m_Geometry.m_Metrics.TextLeft); // no row has an image, so nothing moves
    EXPECT_EQ((Rect { 18, -99, 61, -99 }), ColumnExtent(0)); // the first column leaves out the check box
    EXPECT_EQ((Rect { 61, -99, 122, -99 }), ColumnExtent(1));
}

TEST_F(LaidOutGrid, HeaderHeightAddsTheCaptionBarToTheHeaderLines)
{
    const int h = HeaderTextHeight();
    struct Case { QString Caption; bool Headers; qint16 Lines; bool Small; double Expected; };
    const double caption = std::nearbyint(h * 1.5);
    for (const Case& c : { Case { "", true, 1, false, 2.0 * h }, { "", true, 2, false, 3.0 * h },
                           { "", true, 1, true, std::nearbyint(h / 3.0 + h) },
                           { "", true, 2, true, std::nearbyint(2 * h / 3.0 + h) },
                           { "Documents", true, 1, false, 2.0 * h + caption }, { "Documents", false, 1, false, caption },
                           { "", false, 3, false, 0 } }) {
        grid.Caption(c.Caption);
        grid.ColumnHeaderSmall(c.Small);
        grid.ColumnHeaderLines(c.Lines);
        grid.ColumnHeaders(c.Headers);
        EXPECT_EQ(int(c.Expected), HeaderHeight()) << c.Caption.toStdString() << c.Headers << c.Lines << c.Small;
        EXPECT_EQ(c.Caption.isEmpty() ? 0 : int(caption), inside.m_Geometry.m_Metrics.CaptionHeight);
    }
}

TEST_F(LaidOutGrid, ColumnUnderXIncludesFourPixelsRightOfItsBorder)
{
    for (const auto& [x, position] : { std::pair { 0.f, -1 }, { 1.f, 0 }, { 61.f, 0 }, { 65.f, 0 }, { 66.f, 1 },
                                       { 187.f, 2 }, { 188.f, -1 } })
        EXPECT_EQ(position, inside.ColFromX(x)) << x;
    grid.ColVisible(1, false);
    EXPECT_EQ(2, inside.ColFromX(66.f)); // hidden columns take no room
}

TEST_F(LaidOutGrid, FrozenColumnsStayAndScrolledOutOnesHaveOnlyALeftEdge)
{
    grid.resize(150, 200); // too narrow for the columns: the horizontal bar shows
    grid.Refresh();
    grid.FreezeAtCol(0);
    EXPECT_EQ(1, inside.SBGetPos(0)); // scrolling starts right of the frozen block
    DragThumb(grid, 0, 2);
    ASSERT_EQ(2, inside.SBGetPos(0));
    EXPECT_EQ(2, inside.ColFromX(66.f));
    EXPECT_EQ((Rect { 0, -99, 61, -99 }), ColumnExtent(0));
    EXPECT_EQ((Rect { -1, -99, -99, -99 }), ColumnExtent(1));
    EXPECT_EQ((Rect { 61, -99, 122, -99 }), ColumnExtent(2));
    grid.ShowRowNumbers(true); // four rows: the narrowest strip, 19 pixels
    EXPECT_EQ((Rect { 18, -99, -99, -99 }), ColumnExtent(1));
    EXPECT_EQ((Rect { 80, -99, 141, -99 }), ColumnExtent(2));
    grid.FreezeAtCol(-1);
    EXPECT_EQ(2, inside.SBGetPos(0)); // a position already right of the block stays
}

TEST_F(LaidOutGrid, RowUnderYCountsTheBottomBoundaryAndSkipsHiddenRows)
{
    const int top = HeaderHeight();
    grid.RowVisible(1, false);
    for (const auto& [y, row] : { std::pair { top, -1 }, { top + 1, 0 }, { top + 20, 0 }, { top + 21, 2 },
                                  { top + 60, 3 }, { top + 61, -1 } })
        EXPECT_EQ(row, inside.RowFromY(float(y))) << y;
    EXPECT_EQ(top + 20, inside.RowTop(2));
    EXPECT_EQ(top, inside.RowTop(2, 2));
    EXPECT_EQ(-1, inside.RowTop(1, 2));
    grid.resize(300, top + 30); // a row a page: the vertical bar shows
    grid.Refresh();
    DragThumb(grid, 1, 2);
    ASSERT_EQ(2, inside.SBGetPos(1));
    EXPECT_EQ(2, inside.RowFromY(float(top + 1)));
    EXPECT_EQ(-1, inside.RowTop(0));
}

TEST_F(LaidOutGrid, PagesAndVisibleCountsFollowTheClientHeight)
{
    const int top = HeaderHeight();
    grid.resize(300, top + 4 + 45);
    EXPECT_EQ(2, inside.VisibleRowCount()); // inside the single border
    grid.resize(300, top + 45);
    EXPECT_EQ(1, inside.PageTopRow(3)); // rows 2 and 3 fill the page that ends with row 3
    EXPECT_EQ(-1, inside.PageTopRow(1));
    EXPECT_EQ(-5, inside.PageTopRow(-5));
}

TEST_F(LaidOutGrid, CellPlacementFollowsTheAlignmentCode)
{
    // Code 5 centres the 16 x 16 check box in the 61 x 20 cell: 22.5 rounds to 22.
    EXPECT_EQ((Rect { 22, 2, 38, 18 }), CellRect(0, 0, 0, 1));
    grid.ShowRowNumbers(true);
    EXPECT_EQ((Rect { 41, 2, 57, 18 }), CellRect(0, 0, 0, 1));
    grid.ShowRowNumbers(false);
    EXPECT_EQ((Rect { 0, 100, 61, 120 }), CellRect(0, 0, 100, 0)); // the cell itself fills it

    Tarvex::ImageList images;
    grid.ImageList(&images);
    grid.Refresh();
    struct Case { int Alignment; Rect Expected; };
    for (const Case c : { Case { 0, { 1, 2, 17, 18 } }, { 2, { 44, 2, 60, 18 } }, { 8, { 1, 2, 17, 18 } },
                          { 10, { 44, 2, 60, 18 } }, { 6, { 44, 2, 60, 18 } }, { 3, { 0, 0, 16, 16 } },
                          { 12, { 0, 0, 16, 16 } } }) {
        grid.ColImageAlignment(0, c.Alignment);
        EXPECT_EQ(c.Expected, CellRect(0, 0, 0, 2)) << c.Alignment;
    }
}

TEST_F(LaidOutGrid, WordWrappedRowsGrowUpToTheLineLimit)
{
    grid.Font(grid.FontHeader()); // cell and header lines of one height
    grid.AllowWordWrap(true);
    grid.AddColumn("notes", 60, 0, 0, "", "", 4, true);
    const int oneLine = inside.m_Geometry.m_RowHeightDef - 2;
    grid.AddItem("a\tb\tc\tone\ntwo\nthree\nfour\nfive");
    const int last = grid.ItemCount() - 1;
    EXPECT_GT(inside.m_Model.RowAt(last).Height, 4 * HeaderTextHeight());
    grid.MaxLineCount(2);
    grid.CellText(last, 3, "one\ntwo\nthree\nfour\nfive!");
    EXPECT_EQ(2 * oneLine, inside.m_Model.RowAt(last).Height);
    grid.CellText(last, 3, "short");
    EXPECT_EQ(oneLine, inside.m_Model.RowAt(last).Height);
}

TEST_F(LaidOutGrid, VisibleSizeInTwipsLeavesOutBorderAndRowNumbers)
{
    grid.ScrollBars(3); // no bars: only the border and the row numbers are left out
    grid.resize(200, 100);
    EXPECT_EQ(1500 - 60, grid.VisibleHeight());
    EXPECT_EQ(3000 - 60 - 15, grid.VisibleWidth());
    grid.ShowRowNumbers(true);
    grid.BorderStyle(0);
    EXPECT_EQ(1500, grid.VisibleHeight()); // row numbers take width only
    EXPECT_EQ(3000 - 15 - 19 * 15, grid.VisibleWidth());
    grid.resize(10, 10);
    EXPECT_EQ(0, grid.VisibleWidth()); // no room, rather than a negative width for new columns
}

namespace {

// The pixels of one colour in an area of the picture.
int PixelsOf(const RuzuZiri& Grid, const Rect& Area, OleColor Color)
{
    int found = 0;
    for (int y = Area.Top; y < Area.Bottom; ++y)
        for (int x = Area.Left; x < Area.Right; ++x)
            found += Grid.Point(x, y) == Color ? 1 : 0;
    return found;
}

} // namespace

// The hit tests, the cell placements and the painted grid lines read one geometry: what the pointer
// finds before the first paint is where the paint then draws the borders, the check boxes, the cell
// images and the totals line, with frozen columns, scrolled columns and rows, hidden ones, the row
// numbers and rows that word wrap makes higher.
TEST(GridGeometry, HitTestsAndPlacementsBeforeAnyPaintAreWhereThePaintDrawsTheBorders)
{
    const VisualStyle::Override classic(false); // check marks of black pixels
    struct Case {
        const char* Name;
        int FreezeAtCol, ScrollCol, ScrollRow, HiddenCol, HiddenRow; // ScrollRow -1: to the end
        bool RowNumbers;
        bool Boxes;   // column 2 shows checked boxes, column 3 an image in every row
        bool Totals;  // the totals line under the last row
        bool Wrapped; // column 1 wraps texts of one to three lines
    };
    ImageList images;
    QPixmap red(16, 16);
    red.fill(Qt::red);
    images.Add(red);
    for (const Case& c : { Case { "plain", -1, 0, 0, -1, -1, false, false, false, false },
                           Case { "frozen and scrolled", 0, 2, 0, -1, -1, false, false, false, false },
                           Case { "a hidden column and row numbers", -1, 0, 0, 1, -1, true, false, false, false },
                           Case { "rows scrolled past a hidden one", 1, 3, 4, -1, 5, true, false, false, false },
                           Case { "the first row hidden", -1, 0, 0, -1, 0, false, false, false, false },
                           Case { "check boxes and images, frozen and scrolled", 0, 2, 2, -1, -1, false, true, false, false },
                           Case { "check boxes and images after a hidden column", -1, 0, 3, 1, 4, true, true, false, false },
                           Case { "the totals line, frozen and scrolled to the end", 0, 2, -1, -1, 37, true, false, true, false },
                           Case { "check boxes and images in word-wrapped rows", 0, 2, 5, -1, 7, false, true, false, true },
                           Case { "word-wrapped rows over the totals line", -1, 0, -1, 3, -1, true, false, true, true } }) {
        SCOPED_TRACE(c.Name);
        RuzuZiri grid;
        RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
        // Three of the tallest wrapped rows fit over the totals line in this face.
        grid.Font(DejaVuSans());
        grid.FontHeader(DejaVuSans());
        grid.ScaleUnits(3);
        grid.resize(330, 220);
        for (int col = 0; col < 6; ++col)
            grid.AddColumn(QStringLiteral("c%1").arg(col), 60 + 10 * col);
        if (c.Boxes) {
            grid.ImageList(&images);
            grid.ColType(2, ColTypeCheckBox);
        }
        if (c.Wrapped) {
            grid.AllowWordWrap(true);
            grid.ColWordWrap(1, true);
        }
        grid.Clear(); // painting off until the host turns it on
        for (int r = 0; r < 40; ++r) {
            const QString lines = c.Wrapped ? QStringList(r % 3 + 1, QStringLiteral("a")).join(QLatin1Char('\n')) : QStringLiteral("a");
            grid.AddItem(QStringLiteral("%1\t%2\t%3\tc\td\te").arg(r).arg(lines, c.Boxes ? QStringLiteral("1") : QStringLiteral("b")));
            if (c.Boxes)
                grid.CellImage(r, 3, 1);
        }
        grid.ShowRowNumbers(c.RowNumbers);
        grid.FreezeAtCol(c.FreezeAtCol);
        if (c.Totals)
            grid.TotalsLineShow(true);
        grid.Refresh(); // the bars come where the columns and rows do not fit; nothing paints yet
        DragThumb(grid, 0, c.ScrollCol);
        if (c.ScrollRow >= 0)
            DragThumb(grid, 1, c.ScrollRow);
        else
            ScrollBarOf(grid, 1)->triggerAction(QAbstractSlider::SliderToMaximum);
        if (c.HiddenCol >= 0)
            grid.ColVisible(c.HiddenCol, false);
        if (c.HiddenRow >= 0)
            grid.RowVisible(c.HiddenRow, false);
        ASSERT_EQ(c.ScrollCol, inside.SBGetPos(0));
        const int scrollRow = inside.SBGetPos(1);
        if (c.ScrollRow >= 0) {
            ASSERT_EQ(c.ScrollRow, scrollRow);
        }

        struct Found { int Left, Right; };
        std::vector<std::pair<int, Found>> columns; // display position and its extent
        for (int p = 0; p < grid.Cols(); ++p) {
            Rect extent { -99, -99, -99, -99 };
            inside.GetColumnExtent(p, extent);
            const bool shown = extent.Right != -99 && (p != c.HiddenCol);
            if (!shown || extent.Left >= 320)
                continue;
            // A column's span reaches 4 pixels past its right border; a left-aligned cell's content
            // starts a pixel inside its left one.
            EXPECT_EQ(p, inside.ColFromX(float(extent.Left + 5))) << p;
            EXPECT_EQ(p, inside.ColFromX(float(extent.Right + 4))) << p;
            Rect cell;
            inside.GetCellRect(scrollRow + 1, p, 0, cell, RuzuZiriPrivate::CellRectCell);
            EXPECT_EQ(extent.Left + 1, cell.Left) << p;
            columns.push_back({ p, Found { extent.Left, extent.Right } });
        }
        std::vector<std::pair<int, int>> rows; // row position and its top
        for (int r = scrollRow; r < grid.ItemCount() && rows.size() < 6; ++r) {
            if (!grid.RowVisible(r))
                continue;
            const int top = inside.RowTop(r);
            if (top + grid.RowHeight(r) >= grid.ScaleHeight())
                break;
            EXPECT_EQ(r, inside.RowFromY(float(top + 1))) << r;
            EXPECT_EQ(r, inside.RowFromY(float(top + grid.RowHeight(r)))) << r;
            rows.push_back({ r, top });
        }
        ASSERT_GE(rows.size(), 3u);
        // In each shown row, the cell of a column of check boxes or images and where GetCellRect puts
        // the box or the image in it.
        struct Placed { Rect Cell, Object; OleColor Ink; };
        std::vector<Placed> placed;
        for (const auto& [p, found] : columns) {
            if (!c.Boxes || (p != 2 && p != 3))
                continue;
            for (const auto& [r, top] : rows) {
                Rect object;
                inside.GetCellRect(r, p, top, object, p == 2 ? RuzuZiriPrivate::CellRectCheckBox : RuzuZiriPrivate::CellRectImage);
                placed.push_back({ Rect { found.Left + 1, top + 1, found.Right, top + grid.RowHeight(r) }, object, p == 2 ? 0u : 0x0000FFu });
            }
        }
        const int last = grid.ItemCount() - 1;
        const int totalsTop = c.Totals ? inside.RowTop(last) + grid.RowHeight(last) : -1;
        if (c.Totals) {
            ASSERT_LT(totalsTop, grid.ScaleHeight()) << "the last row shows";
            EXPECT_EQ(-1, inside.RowFromY(float(totalsTop + 2))) << "the totals line is no row";
        }

        grid.Redraw(true);
        const OleColor line = ToOleColor(TranslateOleColor(OleColor(grid.GridColor())));
        const int middle = rows.front().second + grid.RowHeight(rows.front().first) / 2;
        for (const auto& [p, found] : columns)
            EXPECT_EQ(line, grid.Point(found.Left, middle)) << "left border of position " << p;
        const int x = columns.front().second.Left + 20;
        for (const auto& [r, top] : rows)
            EXPECT_EQ(line, grid.Point(x, top)) << "top border of row " << r;
        for (const Placed& each : placed) {
            const int inked = PixelsOf(grid, each.Object, each.Ink);
            EXPECT_GT(inked, 0) << "a box or an image at " << each.Object.Left << ", " << each.Object.Top;
            EXPECT_EQ(inked, PixelsOf(grid, each.Cell, each.Ink)) << "nothing of it outside, at " << each.Object.Left << ", " << each.Object.Top;
        }
        if (c.Totals) {
            EXPECT_EQ(ToOleColor(TranslateOleColor(OleColor(grid.ForeColorHdr()))), grid.Point(x, totalsTop)) << "the line over the totals";
            for (const auto& [p, found] : columns)
                EXPECT_EQ(line, grid.Point(found.Left, totalsTop + 3)) << "left border of position " << p << " in the totals line";
        }
    }
}
