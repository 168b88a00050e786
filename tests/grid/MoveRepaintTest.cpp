#include "GridProbe.h"

#include "grid/RuzuZiri.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

struct Move {
    const char* Name;
    int From;
    int To;
    QList<int> AlsoSelected; // rows selected besides the current one before the move
};

// A pixel nobody repaints on a move: below the last row, far from every move below.
constexpr int MarkX = 300;

// The retained picture as it stands; showing the widget could paint it again first.
QList<OleColor> Picture(const RuzuZiri& Grid)
{
    QList<OleColor> pixels;
    for (int y = 0; y < Grid.height(); ++y)
        for (int x = 0; x < Grid.width(); ++x)
            pixels.append(Grid.Point(x, y));
    return pixels;
}

} // namespace

TEST(MoveRepaint, AMoveRepaintsOnlyItsRowsAndLooksLikeAFullPaint)
{
    const Move moves[] = {
        { "down", 2, 3, {} },
        { "up", 3, 2, {} },
        { "past a hidden row", 3, 5, {} },
        { "clearing a selection", 1, 2, { 0, 3 } },
    };
    for (int multi = 0; multi <= 2; ++multi)
        for (int style = 0; style <= 2; ++style)
            for (bool numbers : { false, true })
                for (int outline : { 0, 1 })
                for (const Move& move : moves) {
                    RuzuZiri grid;
                    RuzuZiriProbe probe { grid };
                    grid.resize(420, 300);
                    for (int c = 0; c < 3; ++c)
                        grid.AddColumn(QStringLiteral("H%1").arg(c), 1499);
                    for (int r = 0; r < 10; ++r)
                        grid.AddItem(QStringLiteral("row %1\tb\tc").arg(r));
                    grid.BackColorEvenRows(0x00FFFF);
                    grid.BackColorEvenRowsEnabled(true);
                    grid.MultiSelect(multi);
                    grid.FocusRowHighlightStyle(style);
                    grid.ShowRowNumbers(numbers);
                    grid.FocusRectMode(1);
                    grid.FocusRectStyle(outline);
                    grid.RowVisible(4, false);
                    grid.Redraw(true);
                    grid.RowColSet(move.From, 1);
                    for (int r : move.AlsoSelected)
                        grid.RowSelected(r, true);
                    probe.DrawGrid();
                    const int markY = 250;
                    probe.Mark(MarkX, markY);
                    grid.RowColSet(move.To, 1);
                    const QList<OleColor> moved = Picture(grid);
                    probe.DrawGrid();
                    probe.Mark(MarkX, markY);
                    EXPECT_TRUE(Picture(grid) == moved) << move.Name << ", MultiSelect " << multi << ", style " << style << ", numbers " << numbers
                                                     << ", outline " << outline;
                }
}
