#include "grid/RuzuZiriPrivate.h"

#include "GridInvariants.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace Tarvex;

namespace {
// Small enough that checking every invariant after every step stays cheap under the sanitizers.
constexpr int MaxRows = 24;
constexpr int MaxCols = 4;
constexpr int Steps = 100000;

using Random = std::mt19937;
using Operation = std::function<void(RuzuZiri&, Random&)>;

int Pick(Random& random, int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); }

// Also positions just outside the grid, which must change nothing.
int AnyRow(const RuzuZiri& grid, Random& random) { return Pick(random, -1, grid.ItemCount()); }
int AnyCol(const RuzuZiri& grid, Random& random) { return Pick(random, -1, grid.Cols()); }

QString AnyText(Random& random)
{
    // Texts beyond Latin-1 switch their row's storage to UTF-16 and back.
    static const QStringList texts { "", "0", "1", "-2", "3.5", "12", "abc", "7x", "1000", "-0.25", "5 €", "Zürich", "東京" };
    return texts[Pick(random, 0, texts.size() - 1)];
}

QString AnyItem(Random& random)
{
    QStringList pieces;
    for (int c = Pick(random, 0, MaxCols + 1); c > 0; --c)
        pieces << AnyText(random);
    return pieces.join(u'\t');
}

// The weighted table of steps the run draws from. Members that reorder or hide rows (sorting,
// filtering) add their steps here, so the same run proves they keep the records consistent.
std::vector<std::pair<int, Operation>> Operations()
{
    return {
        { 2, [](RuzuZiri& grid, Random& random) {
              if (grid.Cols() < MaxCols)
                  grid.AddColumn("c", 500, 4, Pick(random, 0, 4), "", "", 4, false, Pick(random, -1, grid.Cols() + 1));
          } },
        { 30, [](RuzuZiri& grid, Random& random) {
              if (grid.ItemCount() < MaxRows)
                  grid.AddRow(AnyItem(random), Pick(random, -2, grid.ItemCount() + 1), Pick(random, 0, 1));
          } },
        { 12, [](RuzuZiri& grid, Random& random) { grid.RemoveRow(AnyRow(grid, random)); } },
        { 6, [](RuzuZiri& grid, Random& random) {
              grid.MultiSelect(Pick(random, 0, 1));
              for (int i = Pick(random, 0, 4); i > 0; --i)
                  grid.RowSelected(AnyRow(grid, random), true);
              grid.DeleteSelected();
          } },
        { 1, [](RuzuZiri& grid, Random&) { grid.Clear(); } },
        { 1, [](RuzuZiri& grid, Random& random) {
              if (Pick(random, 0, 5) == 0)
                  grid.ClearAll();
          } },
        { 15, [](RuzuZiri& grid, Random& random) { grid.CellText(AnyRow(grid, random), AnyCol(grid, random), AnyText(random)); } },
        { 3, [](RuzuZiri& grid, Random& random) { grid.CellValue(AnyRow(grid, random), AnyCol(grid, random), AnyText(random)); } },
        { 3, [](RuzuZiri& grid, Random& random) { grid.CellChecked(AnyRow(grid, random), AnyCol(grid, random), Pick(random, 0, 1)); } },
        { 10, [](RuzuZiri& grid, Random& random) { grid.CellBackColor(AnyRow(grid, random), AnyCol(grid, random), Pick(random, 0, 3)); } },
        { 5, [](RuzuZiri& grid, Random& random) { grid.CellForeColor(AnyRow(grid, random), AnyCol(grid, random), Pick(random, 0, 3)); } },
        { 5, [](RuzuZiri& grid, Random& random) {
              grid.CellFontName(AnyRow(grid, random), AnyCol(grid, random), Pick(random, 0, 1) ? "Serif" : "Mono");
          } },
        { 3, [](RuzuZiri& grid, Random& random) { grid.CellHandPointer(AnyRow(grid, random), AnyCol(grid, random), Pick(random, 0, 1)); } },
        { 3, [](RuzuZiri& grid, Random& random) { grid.CellImage(AnyRow(grid, random), AnyCol(grid, random), Pick(random, 0, 2)); } },
        { 2, [](RuzuZiri& grid, Random& random) {
              grid.FormatCells(Pick(random, -1, 3), -1, 0, -1, Pick(random, 0, 1) ? FormatBackColor : FormatHandPointer,
                               QString::number(Pick(random, 0, 3)));
          } },
        { 2, [](RuzuZiri& grid, Random& random) { grid.RowColSet(AnyRow(grid, random), AnyCol(grid, random)); } },
        { 3, [](RuzuZiri& grid, Random& random) { grid.RowSelected(AnyRow(grid, random), Pick(random, 0, 1)); } },
        { 1, [](RuzuZiri& grid, Random&) { grid.SelectedClearAll(); } },
        { 3, [](RuzuZiri& grid, Random& random) { grid.RowVisible(AnyRow(grid, random), Pick(random, 0, 1)); } },
        { 1, [](RuzuZiri& grid, Random& random) { grid.RowGroupHeader(AnyRow(grid, random), qint16(Pick(random, 0, 1))); } },
        { 3, [](RuzuZiri& grid, Random& random) { grid.RowHeight(AnyRow(grid, random), float(Pick(random, -1, 40))); } },
        { 1, [](RuzuZiri& grid, Random& random) { grid.Redraw(Pick(random, 0, 1)); } },
        { 4, [](RuzuZiri& grid, Random& random) {
              grid.Sort(AnyCol(grid, random), Pick(random, -1, 3), Pick(random, 0, 1) ? -1 : AnyCol(grid, random), Pick(random, -1, 2));
          } },
        { 2, [](RuzuZiri& grid, Random& random) {
              grid.FilterOn(AnyText(random), AnyCol(grid, random), Pick(random, -1, 7), Pick(random, 0, 1), AnyRow(grid, random));
          } },
        { 2, [](RuzuZiri& grid, Random& random) { grid.FilterOff(AnyRow(grid, random)); } },
    };
}
} // namespace

TEST(GridRandom, LongMixedRunsKeepEveryInvariant)
{
    const auto operations = Operations();
    std::discrete_distribution<size_t> choose(operations.size(), 0, double(operations.size()),
        [&](double at) { return operations[size_t(at)].first; });

    Random random(20261206);
    RuzuZiri grid;
    for (int step = 0; step < Steps; ++step) {
        const size_t which = choose(random);
        operations[which].second(grid, random);
        ASSERT_TRUE(GridInvariants(RuzuZiriPrivate::Of(grid).m_Model)) << "after step " << step << " (operation " << which << ")";
        ASSERT_LE(grid.Row(), RuzuZiriPrivate::Of(grid).m_Model.LastRow()) << "after step " << step;
    }
}
