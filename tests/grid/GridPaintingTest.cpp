#include "GridFill.h"
#include "GridScrollBars.h"
#include "TestFonts.h"

#include "grid/paint/PaintPass.h"
#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/ImageList.h>
#include <tarvex/platform/VisualStyle.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Tarvex;

namespace {

constexpr int ColumnWidth = 100; // pixels: 1500 twips less the twip AddColumn adds

OleColor Plain(qint32 Color)
{
    return ToOleColor(TranslateOleColor(OleColor(Color)));
}

// Gradients end one step short of their far colour, as the platform's do.
bool Near(OleColor Expected, OleColor Actual)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(int((Expected >> shift) & 255) - int((Actual >> shift) & 255)) > 24)
            return false;
    }
    return true;
}

// Three text columns of 100 pixels and four short rows, painted into the retained picture only.
struct PaintedGrid {
    RuzuZiri Grid;
    RuzuZiriPrivate& Inside = RuzuZiriPrivate::Of(Grid);

    explicit PaintedGrid(int Rows = 4)
    {
        Grid.resize(420, 240);
        Grid.ThemeColor(0);
        for (int c = 0; c < 3; ++c)
            Grid.AddColumn(QStringLiteral("H%1").arg(c), 1499);
        Grid.Clear();
        for (int r = 0; r < Rows; ++r)
            Grid.AddItem(QStringLiteral("%1\t\t").arg(r));
        Grid.Redraw(true);
    }

    int HeaderHeight() const { return Inside.m_Geometry.m_Metrics.HeaderHeight; }
    int RowHeight() const { return Inside.m_Geometry.m_RowHeightDef; }
    int RowTop(int Slot) const { return HeaderHeight() + Slot * RowHeight(); }
    // Inside the row, clear of its text, lines and any focus rectangle.
    int RowMiddle(int Slot) const { return RowTop(Slot) + RowHeight() / 2; }
    int ColumnLeft(int Position) const { return Inside.RowNumberWidth() + Position * ColumnWidth; }
    OleColor At(int X, int Y) const { return Grid.Point(X, Y); }
    // A pixel of the second column of a row, right of its short text.
    OleColor Body(int Slot) const { return At(ColumnLeft(1) + 60, RowMiddle(Slot)); }
    // The pointer over the middle of a heading lights it up; a press there shows it pressed.
    void PointAtHeading(int Position, bool Press)
    {
        const QPoint at = Grid.contentsRect().topLeft() + QPoint(ColumnLeft(Position) + ColumnWidth / 2, HeaderHeight() / 2);
        if (Press) {
            QTest::mousePress(&Grid, Qt::LeftButton, {}, at);
            return;
        }
        QMouseEvent move(QEvent::MouseMove, at, Grid.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&Grid, &move);
    }
};

// Hot and pressed cells are drawn on their own, as the mouse moves over them or presses them; they
// show only while clicking a heading sorts.
TEST(GridPainting, EachHeaderStyleDrawsItsOwnEdgesAndHotOrPressedLooksOnlyWhenHeadersCanBeClicked)
{
    const VisualStyle::Override classic(false); // style 2 then falls back to the look of style 4
    struct Case {
        int Style;
        int X;       // from the left edge of the second header cell
        int FromTop; // y; negative counts up from the header's bottom edge
        OleColor Expected;
        int State = 0; // hot 2, pressed 3
        bool Sortable = true;
    };
    const OleColor face = Plain(0x8000000F); // button face
    for (const Case& c : {
             Case { 0, 50, 8, face },
             Case { 1, 50, 8, face },
             Case { 2, 50, -1, 0xB2C2C5 },
             Case { 3, 50, 0, 0xFCE1CB },           // top line in the scheme's light colour
             Case { 4, 50, -1, 0xB2C2C5 },
             Case { 4, 50, -2, 0xBECFD2 },
             Case { 5, 50, -1, 0xFCE1CB },
             Case { 6, ColumnWidth - 2, 6, 0xDBA078 }, // separator: the dark colour 5 darker
             Case { 7, 50, -1, 0xBFBFBF },
             Case { 4, 50, -3, 0x00A9F8, 2 }, // the hot underline
             Case { 4, 50, -3, 0x63C8F7, 3 },
             Case { 4, 50, -3, 0xC8D8DC, 2, false }, // the normal cell's shade
             Case { 4, 50, -3, 0xC8D8DC, 3, false },
         }) {
        PaintedGrid painted;
        painted.Grid.ThemeStyle(c.Style);
        painted.Grid.AllowColumnSort(c.Sortable);
        if (c.State)
            painted.PointAtHeading(1, c.State == 3);
        const int y = c.FromTop >= 0 ? c.FromTop : painted.HeaderHeight() + c.FromTop;
        EXPECT_EQ(c.Expected, painted.At(painted.ColumnLeft(1) + c.X, y)) << "style " << c.Style << ", state " << c.State;
    }
}

TEST(GridPainting, TheSortColumnShowsAnArrowUnlessItIsTooNarrow)
{
    const OleColor arrow = Plain(0x80000015);
    for (const int width : { ColumnWidth, 8 }) {
        PaintedGrid painted;
        painted.Grid.ThemeStyle(4);
        painted.Grid.ColWidth(0, float(width * 15));
        painted.Grid.Sort(0, 1);
        // The arrow's middle column, two rows into its five.
        const int x = painted.ColumnLeft(0) + width - 12 + 4;
        EXPECT_EQ(width >= 9, painted.At(x, painted.Inside.m_Geometry.m_Metrics.CaptionHeight + 6 + 2) == arrow) << width;
    }
}

TEST(GridPainting, SelectionStylesFillSolidOrFadeIntoTheBackColour)
{
    struct Case {
        int Style;
        OleColor Top, Bottom, Left, Right;
    };
    const OleColor sel = 0xC56A31;
    const OleColor back = Plain(0x80000005);
    // No fill at all: the background shows through, beside the check box and image margin.
    const OleColor none = Plain(0x8000000C);
    for (const Case& c : { Case { 0, sel, sel, sel, sel }, Case { 1, sel, back, 0, 0 }, Case { 2, 0, 0, sel, back },
             Case { 9, none, none, back, none } }) {
        PaintedGrid painted;
        painted.Grid.BackColorEvenRowsEnabled(false);
        painted.Grid.FocusRowHighlightStyle(c.Style);
        painted.Grid.RowSelected(1, true);
        const int top = painted.RowTop(1) + 1;
        const int bottom = painted.RowTop(2);
        const int left = painted.Inside.RowNumberWidth() + painted.Inside.m_Geometry.m_Metrics.TextLeft - 1;
        if (c.Top) {
            EXPECT_EQ(c.Top, painted.At(painted.ColumnLeft(2) + 50, top)) << "style " << c.Style;
        }
        if (c.Bottom) {
            EXPECT_PRED2(Near, c.Bottom, painted.At(painted.ColumnLeft(2) + 50, bottom - 1)) << "style " << c.Style;
        }
        if (c.Left) {
            EXPECT_EQ(c.Left, painted.At(left, painted.RowMiddle(1))) << "style " << c.Style;
        }
        if (c.Right) {
            EXPECT_PRED2(Near, c.Right, painted.At(painted.ColumnLeft(3) - 1, painted.RowMiddle(1))) << "style " << c.Style;
        }
    }
}

TEST(GridPainting, StripesAlternateOverShownRowsOnly)
{
    PaintedGrid painted(5);
    painted.Grid.BackColorEvenRows(0x00FFFF);
    painted.Grid.BackColorEvenRowsEnabled(true);
    painted.Grid.RowVisible(1, false);
    const OleColor back = Plain(0x80000005);
    // Shown are rows 0, 2, 3, 4: the hidden row takes no slot and no turn.
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(slot % 2 ? 0x00FFFFu : back, painted.Body(slot)) << "slot " << slot;
}

TEST(GridPainting, GridLinesFollowTheirSettingAndTheFrozenBlockEndsInADoubleLine)
{
    struct Case {
        int GridLines;
        bool Horizontal, Vertical;
    };
    const OleColor line = 0xF9BE96;
    for (const Case& c : { Case { 0, false, false }, Case { 1, true, true }, Case { 2, false, true }, Case { 3, true, false } }) {
        PaintedGrid painted;
        painted.Grid.GridLines(c.GridLines);
        EXPECT_EQ(c.Horizontal, painted.At(painted.ColumnLeft(1) + 50, painted.RowTop(2)) == line) << c.GridLines;
        EXPECT_EQ(c.Vertical, painted.At(painted.ColumnLeft(2), painted.RowMiddle(2)) == line) << c.GridLines;
    }

    PaintedGrid frozen;
    frozen.Grid.FreezeAtCol(0);
    frozen.Grid.GridLines(1);
    EXPECT_EQ(line, frozen.At(frozen.ColumnLeft(1), frozen.RowMiddle(2)));
    EXPECT_EQ(line, frozen.At(frozen.ColumnLeft(1) - 1, frozen.RowMiddle(2)));
    EXPECT_NE(line, frozen.At(frozen.ColumnLeft(2) - 1, frozen.RowMiddle(2)));
}

TEST(GridPainting, TotalsLineSumsNumberColumnsUnderTheLastRow)
{
    RuzuZiri grid;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
    grid.resize(300, 200);
    Fill(grid, { ColTypeNumber, 0 }, { "1\ta", "2\tb", "3\tc" }, 1499);
    grid.TotalsLineCaption(1, QStringLiteral("Sum"));
    grid.TotalsLineShow(true);
    grid.Redraw(true);
    EXPECT_EQ(QStringLiteral("6"), inside.TotalsText(0));
    EXPECT_EQ(QStringLiteral("Sum"), inside.TotalsText(1));

    // The line above the bar is drawn in the header text colour.
    const int y = inside.m_Geometry.m_Metrics.HeaderHeight + 3 * inside.m_Geometry.m_RowHeightDef;
    EXPECT_EQ(Plain(grid.ForeColorHdr()), grid.Point(150, y));
}

TEST(GridPainting, CheckBoxesAndProgressBarsShowTheirValues)
{
    const VisualStyle::Override classic(false);
    RuzuZiri grid;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
    grid.resize(300, 200);
    grid.AddColumn(QStringLiteral("check"), 1499, 5, ColTypeCheckBox);
    grid.AddColumn(QStringLiteral("progress"), 1499, 4, ColTypeProgressBar);
    grid.AddItem(QStringLiteral("1\t"));
    grid.AddItem(QStringLiteral("0\t"));
    grid.CellProgressValue(0, 1, 50);
    grid.Redraw(true);

    const int top = inside.m_Geometry.m_Metrics.HeaderHeight;
    const int height = inside.m_Geometry.m_RowHeightDef;
    const auto marks = [&](int Top) {
        Rect box;
        inside.GetCellRect(0, 0, Top, box, RuzuZiriPrivate::CellRectCheckBox);
        int dark = 0;
        for (int y = box.Top + 2; y < box.Bottom - 2; ++y) {
            for (int x = box.Left + 2; x < box.Right - 2; ++x)
                dark += grid.Point(x, y) == 0 ? 1 : 0;
        }
        return dark;
    };
    EXPECT_GT(marks(top), 0) << "the checked box shows a mark";
    EXPECT_EQ(0, marks(top + height)) << "the unchecked box is empty";

    const int x = ColumnWidth; // second column
    EXPECT_EQ(Plain(grid.CellProgressBarColor(0, 1)), grid.Point(x + 3, top + height / 2));
    EXPECT_EQ(Plain(grid.CellProgressBarColor(0, 1)), grid.Point(x + 48, top + height / 2));
    EXPECT_NE(Plain(grid.CellProgressBarColor(0, 1)), grid.Point(x + 52, top + height / 2));
    EXPECT_NE(Plain(grid.CellProgressBarColor(0, 1)), grid.Point(x + 30, top + height + height / 2));
}

TEST(GridPainting, WrappingCellsBreakTheirWordsOnlyWhenTheyNeedMoreThanOneLine)
{
    struct Case {
        bool AllowWordWrap;
        const char* Text;
        int Flags;      // single line with the cell's alignment (4), or word breaks from the top left
        int Image;      // the expand mark (7) when the wrapped text is taller than one line
        int TextShift;  // the text starts MinVerticalOffset lower when it wraps
    };
    const char* const longText = "a text far too long for one line of a narrow column";
    for (const Case& c : { Case { true, "short", 4 | 32, 0, 0 }, Case { true, longText, 16, 7, 2 },
             Case { false, longText, 4 | 32, 0, 0 } }) {
        RuzuZiri grid;
        RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
        grid.Font(DejaVuSans()); // in which the long text needs more than one line
        grid.resize(300, 200);
        grid.AllowWordWrap(c.AllowWordWrap);
        grid.ExpandRowImage(7);
        grid.AddColumn(QStringLiteral("w"), 1499, 4, 0, QString(), QString(), 4, true);
        grid.AddItem(QString::fromLatin1(c.Text));
        int image = 0;
        Rect text { 0, 10, 100, 60 };
        PaintPass pass { inside.Drawing() };
        pass.Font = inside.m_Settings.m_Font;
        const udtRow& row = inside.m_Model.RowAt(0);
        const int flags = inside.PrepareCellText(pass, CellSpot {}, row, row.Cells[0], row.Cells.Text(0), image, text);
        EXPECT_EQ(c.Flags, flags) << c.Text;
        EXPECT_EQ(c.Image, image) << c.Text;
        EXPECT_EQ(10 + c.TextShift, text.Top) << c.Text;
    }
}

TEST(GridPainting, CellImagesSitWhereTheColumnsImageAlignmentPutsThem)
{
    ImageList images;
    QPixmap red(16, 16);
    red.fill(Qt::red);
    images.Add(red);
    for (const int alignment : { 4, 5, 6 }) {
        RuzuZiri grid;
        RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
        grid.resize(300, 200);
        grid.ImageList(&images);
        grid.AddColumn(QStringLiteral("a"), 1499);
        grid.AddColumn(QStringLiteral("b"), 1499, 4, 0, QString(), QString(), alignment);
        grid.AddItem(QStringLiteral("\t"));
        grid.CellImage(0, 1, 1);
        grid.Redraw(true);
        Rect box;
        inside.GetCellRect(0, 1, inside.m_Geometry.m_Metrics.HeaderHeight, box, RuzuZiriPrivate::CellRectImage);
        const int expectedLeft = alignment == 4 ? ColumnWidth + 1 : alignment == 5 ? ColumnWidth + 50 - 8 : 2 * ColumnWidth - 17;
        EXPECT_EQ(expectedLeft, box.Left) << alignment;
        EXPECT_EQ(0x0000FFu, grid.Point(box.Left + 8, box.Top + 8)) << alignment;
        EXPECT_NE(0x0000FFu, grid.Point(box.Left - 2, box.Top + 8)) << alignment;
    }
}

TEST(GridPainting, FocusRectangleStylesDrawThickThinOrDotted)
{
    struct Case {
        int Style;
        bool Inked[3]; // the pixels at top, top + 1 and top + 2 of the current row
    };
    for (const Case& c : { Case { 1, { true, true, true } }, Case { 2, { false, true, false } } }) {
        PaintedGrid painted;
        painted.Grid.FocusRectColor(0x0000FF);
        painted.Grid.FocusRectStyle(c.Style);
        painted.Grid.FocusRectMode(1);
        painted.Grid.RowColSet(1, 0);
        const int x = painted.ColumnLeft(1) + 50;
        const int top = painted.RowTop(1);
        for (int dy = 0; dy < 3; ++dy)
            EXPECT_EQ(c.Inked[dy], painted.At(x, top + dy) == 0x0000FFu) << "style " << c.Style << ", " << dy;
    }

    // Dotted by inversion: every other pixel of the edge is inverted.
    PaintedGrid dotted;
    dotted.Grid.FocusRectStyle(0);
    dotted.Grid.FocusRectMode(1);
    dotted.Grid.RowColSet(1, 0);
    const int top = dotted.RowTop(1) + 1;
    const int x = dotted.ColumnLeft(1) + 50;
    EXPECT_NE(dotted.At(x, top), dotted.At(x + 1, top));
}

// The border is the window's own, around the picture; the visible sizes and the rows that fit leave
// out exactly what it takes.
TEST(GridPainting, BorderStyleAndAppearanceDrawTheBorderTheLayoutLeavesOut)
{
    struct Case {
        int BorderStyle;
        qint16 Appearance;
        int Width;                 // pixels on each side
        QPalette::ColorRole Edge;  // the outermost pixel of the border
    };
    for (const Case& c : { Case { 0, 1, 0, QPalette::NoRole }, Case { 1, 0, 1, QPalette::WindowText },
             Case { 1, 1, 2, QPalette::Dark } }) {
        PaintedGrid painted;
        painted.Grid.ScrollBars(3);
        painted.Grid.BorderStyle(c.BorderStyle);
        painted.Grid.Appearance(c.Appearance);
        EXPECT_EQ(420 - 2 * c.Width, painted.Grid.ScaleWidth()) << c.Width;
        EXPECT_EQ((240 - 2 * c.Width) * 15, painted.Grid.VisibleHeight()) << c.Width;
        EXPECT_EQ((240 - 2 * c.Width - painted.HeaderHeight()) / painted.RowHeight(), painted.Inside.VisibleRowCount()) << c.Width;

        const QImage shown = painted.Grid.grab().toImage();
        const auto shownAt = [&](int X, int Y) { return ToOleColor(shown.pixelColor(X, Y)); };
        EXPECT_EQ(painted.At(0, painted.RowMiddle(0)), shownAt(c.Width, c.Width + painted.RowMiddle(0))) << c.Width;
        if (c.Edge != QPalette::NoRole) {
            EXPECT_EQ(ToOleColor(painted.Grid.palette().color(c.Edge)), shownAt(0, 120)) << c.Width;
        }
    }
}

// Cell focus outlines the current cell only while its column shows; scrolled out to the left it
// leaves no outline anywhere.
TEST(GridPainting, CellFocusOutlinesTheCurrentCellOnlyWhileItsColumnShows)
{
    struct Case {
        int CurrentCol;
        int ScrollCol;
        int InkedLeft; // x of the outline's left edge; -1 = no outline
    };
    for (const Case& c : { Case { 1, 0, 1 * ColumnWidth }, Case { 1, 1, 0 }, Case { 0, 1, -1 } }) {
        PaintedGrid painted;
        painted.Grid.FocusRectColor(0x0000FF);
        painted.Grid.FocusRectStyle(2);
        painted.Grid.FocusRectMode(2);
        painted.Grid.resize(250, 240); // narrower than the columns: the horizontal bar shows
        painted.Grid.Refresh();
        painted.Grid.RowColSet(1, c.CurrentCol);
        DragThumb(painted.Grid, 0, c.ScrollCol);
        int inked = 0;
        int left = -1;
        for (int x = 0; x < painted.Grid.width(); ++x) {
            if (painted.At(x, painted.RowMiddle(1)) == 0x0000FFu) {
                left = left < 0 ? x : left;
                ++inked;
            }
        }
        EXPECT_EQ(c.InkedLeft, left) << "column " << c.CurrentCol << ", scrolled to " << c.ScrollCol;
        EXPECT_EQ(c.InkedLeft < 0 ? 0 : 2, inked) << "column " << c.CurrentCol << ", scrolled to " << c.ScrollCol;
    }
}

TEST(GridPainting, RequestRowDataNamesTheLastPaintedRowAndAHandlerMayFillAndPaintAgain)
{
    RuzuZiri grid;
    grid.resize(300, 200);
    QSignalSpy requests(&grid, &RuzuZiri::RequestRowData);
    grid.AddColumn(QStringLiteral("a"), 1499);
    grid.Redraw(true);
    ASSERT_FALSE(requests.isEmpty());
    EXPECT_EQ(-1, requests.last().at(0).toInt());

    // A host filling lazily adds rows from the handler; its repaint runs in full.
    int filled = 0;
    QObject::connect(&grid, &RuzuZiri::RequestRowData, &grid, [&](int Row) {
        if (Row == -1 && filled++ == 0) {
            for (int r = 0; r < 100; ++r)
                grid.AddItem(QString::number(r));
        }
    });
    requests.clear();
    grid.Refresh();
    ASSERT_FALSE(requests.isEmpty());
    EXPECT_EQ(grid.RowLastVisible(), requests.last().at(0).toInt());
    EXPECT_GT(grid.RowLastVisible(), 0);
    EXPECT_LT(grid.RowLastVisible(), 99) << "only the rows that fit are painted";
}

TEST(GridPainting, APaintLetsWaitingEventsRunAndSkipsAPaintTheyAskFor)
{
    PaintedGrid painted;
    QSignalSpy requests(&painted.Grid, &RuzuZiri::RequestRowData);
    bool ran = false;
    QMetaObject::invokeMethod(
        &painted.Grid,
        [&] {
            ran = true;
            painted.Grid.GridLineWidth(1); // arrives while the paint is busy: returns at once
        },
        Qt::QueuedConnection);
    painted.Grid.GridLineWidth(1);
    EXPECT_TRUE(ran);
    EXPECT_EQ(1, requests.size());
}

} // namespace
