// The first frame of the archive list, 1280 x 800 pixels and 8 columns, after the host gives the grid
// (and a QTableView beside it) a font it has never drawn: another size, bold or italic of a DejaVu
// family every time, 60 a repetition. What a new font costs before its first texts show (finding the
// face, measuring rows, shaping every text anew) is paid here; a repaint in a known font pays none.
//   bench_grid_fonts [benchmark options]   (five shuffled repetitions each, compared by their medians)

#include "ArchiveGrid.h"

#include "MedianRuns.h"

#include <QApplication>
#include <QFont>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int Rows = 1000;

// Never the same font twice in a run: three families in four faces each, a pixel larger every round.
QFont NextNewFont()
{
    static int taken = 0;
    const int n = taken++;
    const char* families[] { "DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono" };
    QFont font(QString::fromLatin1(families[n % 3]));
    font.setPixelSize(9 + n / 12);
    font.setBold((n / 3) % 2 == 1);
    font.setItalic((n / 6) % 2 == 1);
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
