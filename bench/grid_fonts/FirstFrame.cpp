// The first frame of the archive list, 1280 x 800 pixels and 8 columns, after the host gives the grid
// (and a QTableView beside it) a font it has never drawn: another size, bold or italic of DejaVu Sans
// every time, 60 a repetition. What a new font costs before its first texts show (finding the face,
// measuring rows, shaping every text anew) is paid here; a repaint in a known font pays none of it.
//   bench_grid_fonts [benchmark options]   (five shuffled repetitions each, compared by their medians)

#include "ArchiveGrid.h"

#include "MedianRuns.h"

#include <QApplication>
#include <QFont>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int Rows = 1000;

// Never the same font twice in a run: a tenth of a point more each time, in the four faces in turn.
QFont NextNewFont()
{
    static int taken = 0;
    const int n = taken++;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.0 + 0.1 * (n / 4));
    font.setBold(n % 2 == 1);
    font.setItalic(n % 4 >= 2);
    return font;
}

struct GridInNewFonts {
    Tarvex::RuzuZiri Grid;
    explicit GridInNewFonts(int Count) { GridBench::FillArchiveGrid(Grid, Count); }
    // Font repaints the grid at once, measuring its rows in the new font first.
    void ShowIn(const QFont& Font) { Grid.Font(Font); }
};

struct TableInNewFonts : GridBench::ArchiveTable {
    explicit TableInNewFonts(int Count)
        : ArchiveTable(Count)
    {
    }
    void ShowIn(const QFont& Font)
    {
        View.setFont(Font);
        benchmark::DoNotOptimize(View.grab());
    }
};

template <class Side>
void FirstFrames(benchmark::State& State)
{
    Side& side = GridBench::BuiltOnce<Side>(Rows);
    QCoreApplication::processEvents();
    for (auto _ : State)
        side.ShowIn(NextNewFont());
}

void BM_GridFirstFrameInNewFont(benchmark::State& State) { FirstFrames<GridInNewFonts>(State); }
void BM_TableViewFirstFrameInNewFont(benchmark::State& State) { FirstFrames<TableInNewFonts>(State); }
BENCHMARK(BM_GridFirstFrameInNewFont)->Iterations(60)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableViewFirstFrameInNewFont)->Iterations(60)->Unit(benchmark::kMicrosecond);

void PrintRatios(const GridBench::RatioReporter& Runs)
{
    const double ours = Runs.Time("BM_GridFirstFrameInNewFont/iterations:60");
    const double theirs = Runs.Time("BM_TableViewFirstFrameInNewFont/iterations:60");
    if (ours > 0 && theirs > 0)
        std::printf("QTableView against the grid, the first frame in a new font: %.2fx\n", theirs / ours);
}

} // namespace

int main(int argc, char** argv)
{
    const auto app = GridBench::StartInvoiceApplication(argc, argv);
    GridBench::RunWithMedians(argc, argv, PrintRatios);
    return 0;
}
