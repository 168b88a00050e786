#include "GridPicture.h"

#include "grid/RuzuZiriPrivate.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

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

// Three columns of 100 pixels over ten rows, striped, the fifth row filtered out.
void FillStriped(RuzuZiri& Grid)
{
    Grid.resize(420, 300);
    for (int c = 0; c < 3; ++c)
        Grid.AddColumn(QStringLiteral("H%1").arg(c), 1499);
    for (int r = 0; r < 10; ++r)
        Grid.AddItem(QStringLiteral("row %1\tb\tc").arg(r));
    Grid.BackColorEvenRows(0x00FFFF);
    Grid.BackColorEvenRowsEnabled(true);
    Grid.RowVisible(4, false);
}

// What the picture shows after the move, against a full paint of the same state.
testing::AssertionResult MovedLooksLikeAFullPaint(RuzuZiri& Grid, int Row, int Col)
{
    Grid.RowColSet(Row, Col);
    return LooksLikeAFullPaint(Grid);
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
                    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
                    FillStriped(grid);
                    grid.MultiSelect(multi);
                    grid.FocusRowHighlightStyle(style);
                    grid.ShowRowNumbers(numbers);
                    grid.FocusRectMode(1);
                    grid.FocusRectStyle(outline);
                    grid.Redraw(true);
                    grid.RowColSet(move.From, 1);
                    for (int r : move.AlsoSelected)
                        grid.RowSelected(r, true);
                    inside.DrawGrid(true);
                    const int markY = 250;
                    Mark(grid, MarkX, markY);
                    grid.RowColSet(move.To, 1);
                    const QList<OleColor> moved = Picture(grid);
                    inside.DrawGrid(true);
                    Mark(grid, MarkX, markY);
                    EXPECT_TRUE(Picture(grid) == moved) << move.Name << ", MultiSelect " << multi << ", style " << style << ", numbers " << numbers
                                                     << ", outline " << outline;
                }
}

// Writes that only store, or that change rows no move touches, leave the picture behind until the
// next paint; the move after them must then paint everything.
TEST(MoveRepaint, AMoveAfterWritesThatPaintNothingShowsThemToo)
{
    struct Between {
        const char* Name;
        std::function<void(RuzuZiri&)> Write;
    };
    const Between writes[] = {
        { "selection cleared", [](RuzuZiri& g) { g.SelectedClearAll(); } },
        { "stripe colour", [](RuzuZiri& g) { g.BackColorEvenRows(0xFF00FF); } },
        { "stripes off", [](RuzuZiri& g) { g.BackColorEvenRowsEnabled(false); } },
        { "first column frozen", [](RuzuZiri& g) { g.FreezeAtCol(0); } },
    };
    for (const Between& between : writes) {
        RuzuZiri grid;
        RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
        FillStriped(grid);
        grid.MultiSelect(1);
        grid.FocusRectMode(1);
        grid.Redraw(true);
        grid.RowColSet(2, 1);
        for (int r = 6; r <= 8; ++r)
            grid.RowSelected(r, true);
        inside.DrawGrid(true);
        between.Write(grid);
        EXPECT_TRUE(MovedLooksLikeAFullPaint(grid, 3, 0)) << between.Name;
    }
}

TEST(MoveRepaint, MovesAmongRandomWritesSelectionsAndSortsLookLikeFullPaints)
{
    using Random = std::mt19937;
    const auto pick = [](Random& random, int From, int To) { return std::uniform_int_distribution<int>(From, To)(random); };
    const std::vector<std::pair<int, std::function<void(RuzuZiri&, Random&)>>> writes {
        { 4, [&](RuzuZiri& g, Random& r) { g.CellText(pick(r, 0, 11), pick(r, 0, 2), QString::number(pick(r, 0, 99))); } },
        { 3, [&](RuzuZiri& g, Random& r) { g.CellBackColor(pick(r, 0, 11), pick(r, 0, 2), pick(r, 0, 1) ? 0x00FF00 : 0x80000005); } },
        { 4, [&](RuzuZiri& g, Random& r) { g.RowSelected(pick(r, 0, 11), pick(r, 0, 1)); } },
        { 2, [](RuzuZiri& g, Random&) { g.SelectedClearAll(); } },
        { 1, [&](RuzuZiri& g, Random& r) { g.MultiSelect(pick(r, 0, 1)); } },
        { 2, [&](RuzuZiri& g, Random& r) { g.Sort(pick(r, 0, 2), pick(r, 0, 2)); } },
        { 2, [&](RuzuZiri& g, Random& r) { g.RowVisible(pick(r, 0, 11), pick(r, 0, 3) != 0); } },
        { 1, [&](RuzuZiri& g, Random& r) { g.RowGroupHeader(pick(r, 0, 11), qint16(pick(r, 0, 1))); } },
        { 1, [&](RuzuZiri& g, Random& r) { g.BackColorEvenRows(pick(r, 0, 1) ? 0x00FFFF : 0xFF00FF); } },
        { 1, [&](RuzuZiri& g, Random& r) { g.BackColorEvenRowsEnabled(pick(r, 0, 1)); } },
        { 1, [&](RuzuZiri& g, Random& r) { g.FreezeAtCol(pick(r, -1, 0)); } },
        { 1, [&](RuzuZiri& g, Random& r) { g.FocusRectMode(pick(r, 0, 2)); } },
        { 8, [&](RuzuZiri& g, Random& r) { g.RowColSet(pick(r, 0, 11), pick(r, -1, 2)); } },
    };
    std::discrete_distribution<size_t> choose(writes.size(), 0, double(writes.size()),
        [&](double at) { return writes[size_t(at)].first; });

    Random random(20261207);
    RuzuZiri grid;
    grid.resize(300, 220);
    for (int c = 0; c < 3; ++c)
        grid.AddColumn(QStringLiteral("H%1").arg(c), 1199);
    for (int r = 0; r < 12; ++r)
        grid.AddItem(QStringLiteral("%1\t%2\t%3").arg(r).arg(r % 3).arg(11 - r));
    grid.Redraw(true);
    for (int step = 0; step < 400; ++step) {
        const size_t which = choose(random);
        writes[which].second(grid, random);
        // Every other move is compared, so that moves also follow moves painted in part. A move
        // onto a hidden row is refused and paints nothing.
        const int row = pick(random, 0, 11);
        if (pick(random, 0, 1) == 0 && grid.RowVisible(row)) {
            ASSERT_TRUE(MovedLooksLikeAFullPaint(grid, row, pick(random, -1, 2)))
                << "after step " << step << " (write " << which << ")";
        }
    }
}
