#include "grid/RuzuZiriPrivate.h"

#include "GridScrollBars.h"

#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/Timer.h>

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace Tarvex;

namespace {

const QString LongText = QStringLiteral("An invoice text far too long for the narrow column it stands in");

// A shown grid whose first column cuts its long texts; the tip's wait runs on a driven clock.
struct TippedGrid : testing::Test {
    DrivenClock clock;
    RuzuZiri grid;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
    PictureBox* tip = grid.findChild<PictureBox*>(QStringLiteral("picToolTip"));
    QPoint resting; // where Rest left the pointer

    void SetUp() override
    {
        grid.AddColumn("text", 1200);
        grid.AddColumn("short", 1500);
        grid.AddColumn("check", 1200, 4, ColTypeCheckBox);
        grid.AddItem(LongText + "\tok\t" + LongText);
        grid.AddItem("second " + LongText + "\t\t");
        grid.move(20, 30);
        grid.resize(400, 200);
        grid.show();
        grid.Redraw(true);
    }
    // The pointer comes to rest near the cell's top left corner, clear of the border the column before
    // reaches over: coming from elsewhere it starts a wait, and a wait that runs already goes on.
    // A move to where the pointer is already is no move, so each rest is a pixel off the last.
    void Rest(int Row, int Col)
    {
        static int nudge = 0;
        Rect extent { 0, 0, 0, 0 };
        inside.GetColumnExtent(Col, extent);
        resting = inside.ClientOrigin() + QPoint(extent.Left + 8 + ++nudge % 2, inside.RowTop(Row) + 3);
        QTest::mouseMove(&grid, resting);
    }
    // Pixels of a picture that differ from its top left one, the background.
    static int Ink(const QImage& Picture)
    {
        int ink = 0;
        for (int y = 0; y < Picture.height(); ++y)
            for (int x = 0; x < Picture.width(); ++x)
                ink += Picture.pixel(x, y) != Picture.pixel(0, 0);
        return ink;
    }
    // Off the rows, then on the first cell for the whole wait, with Meanwhile half-way through.
    void RestOnTheFirstCell(const std::function<void()>& Meanwhile)
    {
        grid.resize(400, 200);
        grid.RowVisible(0, true);
        ScrollBarOf(grid, 1)->triggerAction(QAbstractSlider::SliderToMinimum);
        grid.Refresh();
        QApplication::processEvents();
        QTest::mouseMove(&grid, QPoint(30, 5));
        Rest(0, 0);
        clock.Advance(750);
        if (Meanwhile)
            Meanwhile();
        clock.Advance(750);
    }
    int InkOfTextAlone(const QString& Text) const
    {
        QImage picture(tip->size() + QSize(100, 0), QImage::Format_RGB32);
        Canvas canvas(picture, tip->palette());
        canvas.Clear(OleColor(0xFFFFFF));
        canvas.DrawText(5, 2, Text, tip->font(), OleColor(0));
        return Ink(picture);
    }
    // The cell's top left corner on the screen.
    QPoint CellCorner(int Row, int Col)
    {
        Rect extent { 0, 0, 0, 0 };
        inside.GetColumnExtent(Col, extent);
        return grid.mapToGlobal(grid.contentsRect().topLeft() + QPoint(extent.Left, inside.RowTop(Row)));
    }
};

} // namespace

TEST_F(TippedGrid, OnlyACutTextShowsItsTipAndOnlyOnceThePointerRestedForTheWholeWait)
{
    struct Case {
        const char* name;
        int row, col;
        bool pressedBefore;                         // a press ended an earlier wait, or none
        std::function<void(TippedGrid&)> meanwhile; // half-way through the wait
        bool shows;
    };
    const Case cases[] {
        { "a cut text", 0, 0, false, nullptr, true },
        { "a text that fits", 0, 1, false, nullptr, false },
        { "an empty cell", 1, 1, false, nullptr, false },
        { "a check-box column", 0, 2, false, nullptr, false },
        { "a press", 0, 0, false, [](TippedGrid& t) { QTest::mouseClick(&t.grid, Qt::LeftButton, {}, t.resting); }, false },
        { "a press before the wait", 0, 0, true, nullptr, true },
        { "a move off the rows and back",
          0, 0, false,
          [](TippedGrid& t) {
              QTest::mouseMove(&t.grid, QPoint(t.resting.x(), t.inside.ClientOrigin().y() + 3));
              QTest::mouseMove(&t.grid, t.resting);
          },
          false },
        { "the pointer leaving",
          0, 0, false,
          [](TippedGrid& t) {
              QEvent leave(QEvent::Leave);
              QApplication::sendEvent(&t.grid, &leave);
          },
          false },
    };
    int x = 30;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tip->hide();
        QEvent leave(QEvent::Leave); // the pointer went away after the case before
        QApplication::sendEvent(&grid, &leave);
        QTest::mouseMove(&grid, QPoint(++x, 5)); // the pointer enters over the headers: the hook asks to hear of its leaving
        if (c.pressedBefore)
            QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(x, 5));
        Rest(c.row, c.col);
        clock.Advance(750);
        if (c.meanwhile)
            c.meanwhile(*this);
        clock.Advance(749);
        EXPECT_FALSE(tip->isVisible());
        clock.Advance(1);
        EXPECT_EQ(c.shows, tip->isVisible());
        EXPECT_FALSE(inside.m_Tip.TipWaiting());
    }
    grid.AutoToolTips(false);
    tip->hide();
    QTest::mouseMove(&grid, QPoint(30, 5));
    Rest(0, 0);
    clock.Advance(2000);
    EXPECT_FALSE(tip->isVisible());
}

// Moving on to other cells neither restarts nor ends the wait; the tip is that of the cell under
// the pointer when the wait ends, over that cell, at least as high as its row.
TEST_F(TippedGrid, TheTipShowsTheCellUnderThePointerWhenTheWaitEnds)
{
    Rest(0, 0);
    clock.Advance(1000);
    Rest(1, 0);
    clock.Advance(500);
    ASSERT_TRUE(tip->isVisible());
    EXPECT_EQ(InkOfTextAlone("second " + LongText), Ink(tip->grab().toImage())); // whole, no ellipsis
    EXPECT_EQ(CellCorner(1, 0), tip->geometry().topLeft());
    EXPECT_GE(tip->height(), inside.m_Model.RowAt(1).Height);
    EXPECT_GT(tip->width(), inside.m_Model.Columns()[0].WidthPx);
    EXPECT_TRUE(tip->isWindow());
    EXPECT_FALSE(tip->isActiveWindow());

    // Scrolling hides the tip, as a new cell under the pointer does.
    grid.SBLargeChange(1, 1);
    ScrollBarOf(grid, 1)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_FALSE(tip->isVisible());
}

// Near the screen's right edge the tip keeps to the room left and wraps its text; a word wider than
// that room breaks between its letters.
TEST_F(TippedGrid, ATipNearTheScreensEdgeWrapsWithinTheRoomLeft)
{
    const QString longWord(300, QLatin1Char('x'));
    const QString texts[] { LongText, longWord, "total " + longWord + " due" };
    const QRect screen = grid.screen()->availableGeometry();
    grid.move(screen.right() - 120, 30);
    for (const QString& text : texts) {
        SCOPED_TRACE(text.left(20).toStdString());
        grid.CellText(0, 0, text);
        tip->hide();
        QTest::mouseMove(&grid, QPoint(30, 5));
        Rest(0, 0);
        const int oneLine = inside.m_Model.RowAt(0).Height;
        clock.Advance(1500);
        ASSERT_TRUE(tip->isVisible());
        EXPECT_LE(tip->geometry().right(), screen.right());
        EXPECT_GT(tip->height(), oneLine);
        EXPECT_EQ(CellCorner(0, 0), tip->geometry().topLeft());
    }
}

// The wait ends with a tip only for the cell the pointer still rests on, in view; a tip that shows
// goes once the grid's window moves.
TEST_F(TippedGrid, ATipShowsOnlyWhereThePointerStillRestsAndGoesWhenTheWindowMoves)
{
    for (int r = 0; r < 30; ++r)
        grid.AddItem(LongText + "\tok\t");
    struct Case {
        const char* name;
        std::function<void(TippedGrid&)> meanwhile; // half-way through the wait
        bool shows;
    };
    const Case cases[] {
        { "nothing changes", nullptr, true },
        { "the row filtered out", [](TippedGrid& t) { t.grid.RowVisible(0, false); }, false },
        { "the rows scrolled", [](TippedGrid& t) { ScrollBarOf(t.grid, 1)->triggerAction(QAbstractSlider::SliderSingleStepAdd); }, false },
        { "the grid made too small for the row", [](TippedGrid& t) { t.grid.resize(400, t.inside.RowTop(0) + 2); }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RestOnTheFirstCell([&] {
            if (c.meanwhile)
                c.meanwhile(*this);
        });
        EXPECT_EQ(c.shows, tip->isVisible());
    }
    RestOnTheFirstCell(nullptr);
    ASSERT_TRUE(tip->isVisible());
    grid.move(grid.pos() + QPoint(40, 10));
    QApplication::processEvents();
    EXPECT_FALSE(tip->isVisible());
}

// Emptying the grid takes the tip with the rows: no move over the empty grid would reach it.
TEST_F(TippedGrid, ClearingTheGridHidesTheTip)
{
    const std::pair<const char*, std::function<void(RuzuZiri&)>> clears[] {
        { "Clear", [](RuzuZiri& g) { g.Clear(); } },
        { "ClearAll", [](RuzuZiri& g) { g.ClearAll(); } },
    };
    for (const auto& [name, clear] : clears) {
        SCOPED_TRACE(name);
        if (grid.Cols() == 0)
            grid.AddColumn("text", 1200);
        grid.AddItem(LongText);
        grid.Redraw(true);
        RestOnTheFirstCell(nullptr);
        ASSERT_TRUE(tip->isVisible());
        clear(grid);
        EXPECT_FALSE(tip->isVisible());
    }
}

// A row far higher than the screen gives a tip no higher than the screen's room below the cell.
TEST_F(TippedGrid, ATipIsNoHigherThanTheScreen)
{
    grid.RowHeight(0, 200000);
    Rest(0, 0);
    clock.Advance(1500);
    ASSERT_TRUE(tip->isVisible());
    const QRect screen = grid.screen()->availableGeometry();
    EXPECT_EQ(CellCorner(0, 0), tip->geometry().topLeft());
    EXPECT_EQ(screen.bottom(), tip->geometry().bottom());
}

// A cell shows its text in one font wherever it shows: painted, in the hover tip and in the editor.
// A progress value shows plainly whatever font bits its cell carries. Rows 0 and 2 hold the same
// cut text in the same stripe; row 2 is bold, italic and underlined.
TEST(GridCellFont, TheTipAndTheEditorShowACellInTheFontItIsPaintedIn)
{
    for (const auto& [col, styled] : { std::pair { 0, true }, { 1, false } }) {
        SCOPED_TRACE(col == 0 ? "a text" : "a progress value");
        DrivenClock clock;
        RuzuZiri grid;
        RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
        grid.AddColumn("text", 1200);
        grid.AddColumn("progress", 1200, 4, ColTypeProgressBar);
        for (int r = 0; r < 3; ++r)
            grid.AddItem(LongText + "\t" + LongText);
        grid.CellFontBold(2, col, true);
        grid.CellFontItalic(2, col, true);
        grid.CellFontUnderline(2, col, true);
        grid.AllowEdit(true);
        grid.resize(400, 200);
        grid.show();
        grid.Redraw(true);

        Rect extent { 0, 0, 0, 0 };
        inside.GetColumnExtent(col, extent);
        const auto painted = [&](int Row) {
            const QPoint corner = inside.ClientOrigin() + QPoint(extent.Left + 1, inside.RowTop(Row) + 1);
            return grid.grab(QRect(corner, QSize(extent.Right - extent.Left - 1, grid.RowHeight(Row) - 1))).toImage();
        };
        EXPECT_EQ(styled, painted(0) != painted(2));
        QTest::mouseMove(&grid, inside.ClientOrigin() + QPoint(extent.Left + 8 + col, inside.RowTop(2) + 3));
        inside.CellTipTimer(2, col);
        clock.Advance(1500);
        const PictureBox* tip = grid.findChild<PictureBox*>(QStringLiteral("picToolTip"));
        ASSERT_TRUE(tip->isVisible());
        grid.ForceCellEdit(2, col);
        for (const QFont& font : { tip->font(), grid.findChild<QLineEdit*>(QStringLiteral("txtEdit"))->font() })
            EXPECT_EQ(std::tuple(styled, styled, styled), std::tuple(font.bold(), font.italic(), font.underline()));
    }
}
