#include "GridPicture.h"

#include "grid/RuzuZiriPrivate.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

using namespace Tarvex;

namespace {

// A colour no grid here paints with: a mark of it that moved shows the pixels were moved.
constexpr OleColor MarkColor = 0x123456;

// Forty rows of four columns (or more) in a grid of 420 x 300 pixels, striped, the current row the
// second.
struct ScrolledGrid {
    RuzuZiri grid;

    explicit ScrolledGrid(const std::function<void(RuzuZiri&)>& Arrange, int Columns = 4)
    {
        grid.resize(420, 300);
        for (int c = 0; c < Columns; ++c)
            grid.AddColumn(QStringLiteral("H%1").arg(c), 1499);
        for (int r = 0; r < 40; ++r) {
            QString item = QStringLiteral("row %1").arg(r);
            for (int c = 1; c < Columns; ++c)
                item += QStringLiteral("\t%1%2").arg(QChar(u'a' + c)).arg(r);
            grid.AddItem(item);
        }
        grid.BackColorEvenRows(0x00FFFF);
        grid.FocusRectMode(1);
        grid.show();
        Arrange(grid);
        grid.Redraw(true);
    }
    QScrollBar* Bar(int Index) { return grid.findChild<QScrollBar*>(QStringLiteral("ScrollBar(%1)").arg(Index)); }
    void Wheel(int Delta)
    {
        QWheelEvent wheel(QPointF(100, 150), grid.mapToGlobal(QPointF(100, 150)), QPoint(), QPoint(0, Delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&grid, &wheel);
    }
};

} // namespace

// Every small scroll shows the picture a full paint of the new position draws; a wheel notch, a line
// step or an arrow key past the page's edge moves the rows that stay instead of painting them again.
TEST(ScrollRepaint, ASmallScrollLooksLikeAFullPaintOfTheNewPosition)
{
    struct Scroll {
        const char* Name;
        std::function<void(ScrolledGrid&)> Prepare;
        std::function<void(ScrolledGrid&)> Do;
        bool Moves; // the rows that stay are moved, not painted again
    };
    const auto nothing = [](ScrolledGrid&) { };
    const Scroll scrolls[] {
        { "a wheel notch down", nothing, [](ScrolledGrid& g) { g.Wheel(-120); }, true },
        { "a wheel notch up", nothing, [](ScrolledGrid& g) { g.Wheel(120); }, true },
        { "a line step down", nothing, [](ScrolledGrid& g) { g.Bar(1)->triggerAction(QAbstractSlider::SliderSingleStepAdd); }, true },
        { "a line step up", nothing, [](ScrolledGrid& g) { g.Bar(1)->triggerAction(QAbstractSlider::SliderSingleStepSub); }, true },
        { "Down past the page's last row", [](ScrolledGrid& g) { g.grid.RowColSet(g.grid.RowLastVisible() - 1, 0); },
          [](ScrolledGrid& g) {
              QTest::keyClick(&g.grid, Qt::Key_Down);
              QTest::keyClick(&g.grid, Qt::Key_Down);
          }, true },
        { "Up past the page's first row", [](ScrolledGrid& g) { g.grid.RowColSet(g.grid.RowFirstVisible(), 0); },
          [](ScrolledGrid& g) { QTest::keyClick(&g.grid, Qt::Key_Up); }, true },
    };
    struct Look {
        const char* Name;
        std::function<void(RuzuZiri&)> Arrange;
        bool Moves = true; // the rows that stay look as they did at the new position
        bool TallRows = false; // the Down key keeps the current row in view past them, as a full paint works out
    };
    const Look looks[] {
        { "plain", [](RuzuZiri&) { } },
        { "a frozen column scrolled right", [](RuzuZiri& g) {
              g.FreezeAtCol(0);
              g.ColWidth(2, 4000);
          } },
        { "a selection of rows", [](RuzuZiri& g) {
              g.MultiSelect(1);
              for (int r : { 3, 6, 7, 12, 26 })
                  g.RowSelected(r, true);
          } },
        { "the current row at the top edge, thick outline", [](RuzuZiri& g) {
              g.FocusRectStyle(1);
              g.RowColSet(10, 1);
          } },
        { "word-wrapped rows of other heights", [](RuzuZiri& g) {
              g.AllowWordWrap(true);
              for (int r : { 11, 13, 14 }) {
                  g.CellWordWrap(r, 1, true);
                  g.CellText(r, 1, QStringLiteral("one two three four five six seven eight nine ten"));
              }
          }, true, true },
        { "row numbers that follow the page", [](RuzuZiri& g) {
              g.ShowRowNumbers(true);
              g.ShowRowNumbersVary(true);
          }, false }, // a wider strip at the new position
        { "a hidden row among striped ones", [](RuzuZiri& g) { g.RowVisible(12, false); }, false },
        { "a hidden row among plain ones", [](RuzuZiri& g) {
              g.RowVisible(12, false);
              g.BackColorEvenRowsEnabled(false);
          } },
    };
    for (const Look& look : looks) {
        for (const Scroll& scroll : scrolls) {
            SCOPED_TRACE(std::string(look.Name) + ", " + scroll.Name);
            ScrolledGrid g(look.Arrange);
            g.Bar(1)->setSliderPosition(10); // rows above and below the page
            if (QString::fromLatin1(look.Name).contains("frozen"))
                g.Bar(0)->setSliderPosition(2);
            RuzuZiriPrivate::Of(g.grid).DrawGrid(true);
            scroll.Prepare(g);
            const int markX = 150;
            const int markY = 200;
            Mark(g.grid, markX, markY, MarkColor);
            scroll.Do(g);
            qsizetype markAt = -1;
            const QList<OleColor> scrolled = Picture(g.grid);
            for (qsizetype i = 0; i < scrolled.size(); ++i)
                markAt = scrolled[i] == MarkColor ? i : markAt;
            const bool downPastTallRows = look.TallRows && QString::fromLatin1(scroll.Name).startsWith(QLatin1String("Down"));
            if (scroll.Moves && look.Moves && !downPastTallRows) {
                EXPECT_NE(-1, markAt) << "the rows were painted again instead of moved";
                EXPECT_NE(markY, markAt / g.grid.width());
            }
            EXPECT_TRUE(ScreenShowsThePicture(g.grid));
            EXPECT_TRUE(LooksLikeAFullPaint(g.grid, markAt));
        }
    }
}

// The same for columns: a line step of the horizontal bar or an arrow key past the edge moves the
// columns that stay, header and rows alike, beside the row numbers and frozen columns that do not.
TEST(ScrollRepaint, AScrollByColumnsLooksLikeAFullPaintOfTheNewPosition)
{
    const auto stepKeyUntilScrolled = [](ScrolledGrid& g, Qt::Key Key) {
        const int from = g.Bar(0)->value();
        for (int i = 0; i < 8 && g.Bar(0)->value() == from; ++i)
            QTest::keyClick(&g.grid, Key);
    };
    const struct {
        const char* Name;
        std::function<void(ScrolledGrid&)> Do;
    } scrolls[] {
        { "a line step right", [](ScrolledGrid& g) { g.Bar(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd); } },
        { "a line step left", [](ScrolledGrid& g) { g.Bar(0)->triggerAction(QAbstractSlider::SliderSingleStepSub); } },
        { "Right past the page's last column", [=](ScrolledGrid& g) { stepKeyUntilScrolled(g, Qt::Key_Right); } },
        { "Left past the page's first column", [=](ScrolledGrid& g) { stepKeyUntilScrolled(g, Qt::Key_Left); } },
    };
    const struct {
        const char* Name;
        std::function<void(RuzuZiri&)> Arrange;
        bool Moves = true; // the columns that stay look as they did at the new position
    } looks[] {
        { "plain", [](RuzuZiri&) { } },
        { "a header theme in gradients", [](RuzuZiri& g) { g.ThemeStyle(7); } },
        { "a selection in a gradient down the row", [](RuzuZiri& g) { g.FocusRowHighlightStyle(1); } },
        { "a selection in a gradient across the row", [](RuzuZiri& g) { g.FocusRowHighlightStyle(2); }, false },
        { "the current cell outlined thick", [](RuzuZiri& g) {
              g.FocusRectMode(2);
              g.FocusRectStyle(1);
          } },
        { "a frozen column and row numbers", [](RuzuZiri& g) {
              g.FreezeAtCol(0);
              g.ShowRowNumbers(true);
          } },
        { "a selection of rows, sorted by a column", [](RuzuZiri& g) {
              g.MultiSelect(1);
              for (int r : { 3, 6, 7, 12, 26 })
                  g.RowSelected(r, true);
              g.Sort(4);
          } },
        { "a hidden column and a totals line", [](RuzuZiri& g) {
              g.ColVisible(4, false);
              g.TotalsLineShow(true);
          } },
        { "word-wrapped rows of other heights", [](RuzuZiri& g) {
              g.AllowWordWrap(true);
              g.CellWordWrap(3, 4, true);
              g.CellText(3, 4, QStringLiteral("one two three four five six seven eight nine ten"));
          } },
    };
    for (const auto& look : looks) {
        for (const auto& scroll : scrolls) {
            SCOPED_TRACE(std::string(look.Name) + ", " + scroll.Name);
            ScrolledGrid g(look.Arrange, 16);
            const bool left = QString::fromLatin1(scroll.Name).contains(QLatin1String("left"), Qt::CaseInsensitive);
            g.grid.RowColSet(2, left ? 3 : 5);
            g.Bar(0)->setSliderPosition(3);
            RuzuZiriPrivate::Of(g.grid).DrawGrid(true);
            // Where the columns that stay pass through, a frozen block beside them or not.
            const int markX = left ? 150 : 380;
            const int markY = 200;
            Mark(g.grid, markX, markY, MarkColor);
            scroll.Do(g);
            ASSERT_NE(3, g.Bar(0)->value());
            qsizetype markAt = -1;
            const QList<OleColor> scrolled = Picture(g.grid);
            for (qsizetype i = 0; i < scrolled.size(); ++i)
                markAt = scrolled[i] == MarkColor ? i : markAt;
            if (look.Moves) {
                EXPECT_NE(-1, markAt) << "the columns were painted again instead of moved";
                EXPECT_EQ(markY, markAt / g.grid.width());
            }
            EXPECT_TRUE(ScreenShowsThePicture(g.grid));
            EXPECT_TRUE(LooksLikeAFullPaint(g.grid, markAt));
        }
    }
}
