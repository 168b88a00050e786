// One full frame of the archive list, 1280 x 800 pixels and 8 columns, painted by the grid into its
// retained picture (DrawGrid, asked for through GridLineWidth, a property that repaints) and by a QTableView over
// the vector-backed model of bench_grid_model (QWidget::grab), at the top of a list of 1,000 rows
// and at the top and at row 900,000 of a list of 1,000,000; and the grid's frame of a list of 5
// against that of 1,000,000 rows filtered down to their last 5:
//   bench_grid_paint [benchmark options]   (five shuffled repetitions each, compared by their medians)
// Painting must cost what shows, not what is stored or hidden, so the three frames of the grid
// should take about the same time, and so should the two short lists.
// FreshFrame: both shown, a jump of the vertical bar to a place of the list of 1,000,000 that was
// never painted before, 60 a repetition, until the screen shows it: the cost of texts met for the
// first time (measuring, fitting, formatting, shaping), which a repaint of the same rows saves.

#include "ArchiveGrid.h"

#include "MedianRuns.h"

#include <QApplication>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The grid filled as the archive window fills it: Clear, AddItem per invoice, Redraw.
struct GridFrame {
    Tarvex::RuzuZiri Grid;

    explicit GridFrame(int Rows)
    {
        GridBench::FillArchiveGrid(Grid, Rows);
    }

    // A host brings a row to the top by making it current and letting FilterOff scroll to it.
    bool ScrollTo(int Row)
    {
        Grid.RowColSet(Row, 0);
        Grid.FilterOff(Grid.ItemCount() - 1);
        Paint();
        return Grid.RowFirstVisible() == Row;
    }

    void Paint() { Grid.GridLineWidth(Grid.GridLineWidth()); }
};

// The five newest invoices alone: a list of five, or a million filtered down to their last five by
// a filter for the numbers from one on, so that all the hidden rows lie above the shown ones.
struct FilteredFrame : GridFrame {
    explicit FilteredFrame(int Rows)
        : GridFrame(Rows)
    {
        Grid.FilterOn(QStringLiteral("RE-%1").arg(Rows - 4, 7, 10, QLatin1Char('0')), GridBench::Invoice, 1);
    }

    bool ScrollTo(int)
    {
        Paint();
        return Grid.RowLastVisible() == Grid.ItemCount() - 1;
    }
};

struct TableFrame : GridBench::ArchiveTable {
    explicit TableFrame(int Rows)
        : ArchiveTable(Rows)
    {
        Paint();
    }

    bool ScrollTo(int Row)
    {
        View.scrollTo(Model.index(Row, 0), QAbstractItemView::PositionAtTop);
        Paint();
        return View.rowAt(0) == Row;
    }

    void Paint() { benchmark::DoNotOptimize(View.grab()); }
};

// Places of the list no frame has shown yet: the tops of distinct frames of 40 rows, spread over the
// list in a scrambled order, each handed out once in the whole run.
class FreshPlaces {
public:
    explicit FreshPlaces(int Rows)
        : m_Frames(Rows / FrameRows)
    {
    }
    int Next() { return int((m_Taken++ * Stride) % m_Frames) * FrameRows; }

private:
    static constexpr int FrameRows = 40;
    static constexpr long long Stride = 7919; // a prime: the steps visit every frame before one comes again
    long long m_Frames;
    long long m_Taken { 1 };
};

struct FreshGridFrame : GridFrame {
    FreshPlaces Places;
    QScrollBar* Bar { nullptr };
    explicit FreshGridFrame(int Rows)
        : GridFrame(Rows)
        , Places(Rows)
    {
        Grid.show();
        Bar = Grid.findChild<QScrollBar*>(QStringLiteral("ScrollBar(1)"));
        QCoreApplication::processEvents();
    }
    bool Jump()
    {
        const int row = Places.Next();
        Bar->setSliderPosition(row);
        QCoreApplication::processEvents();
        return Grid.RowFirstVisible() == row;
    }
};

struct FreshTableFrame : GridBench::ArchiveTable {
    FreshPlaces Places;
    explicit FreshTableFrame(int Rows)
        : ArchiveTable(Rows)
        , Places(Rows)
    {
        View.show();
        QCoreApplication::processEvents();
    }
    bool Jump()
    {
        const int row = Places.Next();
        View.verticalScrollBar()->setValue(row);
        QCoreApplication::processEvents();
        return View.rowAt(0) == row;
    }
};

template <class Frame>
void PaintFreshFrames(benchmark::State& State)
{
    Frame& frame = GridBench::BuiltOnce<Frame>(int(State.range(0)));
    for (auto _ : State) {
        if (!frame.Jump()) {
            State.SkipWithError("the list did not jump to the row");
            return;
        }
    }
}

void BM_GridFreshFrame(benchmark::State& State) { PaintFreshFrames<FreshGridFrame>(State); }
void BM_TableViewFreshFrame(benchmark::State& State) { PaintFreshFrames<FreshTableFrame>(State); }
BENCHMARK(BM_GridFreshFrame)->ArgName("rows")->Arg(1000000)->Iterations(60)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableViewFreshFrame)->ArgName("rows")->Arg(1000000)->Iterations(60)->Unit(benchmark::kMicrosecond);

template <class Frame>
void PaintFrame(benchmark::State& State)
{
    Frame& frame = GridBench::BuiltOnce<Frame>(int(State.range(0)));
    if (!frame.ScrollTo(int(State.range(1)))) {
        State.SkipWithError("the list did not scroll to the row");
        return;
    }
    // What the set-up posted (layouts, updates of the other side) runs now, not inside a frame.
    QCoreApplication::processEvents();
    for (auto _ : State)
        frame.Paint();
}

void BM_GridPaint(benchmark::State& State) { PaintFrame<GridFrame>(State); }
void BM_TableViewGrab(benchmark::State& State) { PaintFrame<TableFrame>(State); }
void BM_GridPaintFiltered(benchmark::State& State) { PaintFrame<FilteredFrame>(State); }

void Frames(benchmark::internal::Benchmark* Bench)
{
    Bench->ArgNames({ "rows", "top" })->Args({ 1000, 0 })->Args({ 1000000, 0 })->Args({ 1000000, 900000 });
    Bench->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_GridPaint)->Apply(Frames);
BENCHMARK(BM_TableViewGrab)->Apply(Frames);
BENCHMARK(BM_GridPaintFiltered)->ArgNames({ "rows", "top" })->Args({ 5, 0 })->Args({ 1000000, 0 })->Unit(benchmark::kMicrosecond);

void PrintRatios(const GridBench::RatioReporter& Runs)
{
    const auto time = [&](const std::string& Name) { return Runs.Time(Name); };
    const double small = time("BM_GridPaint/rows:1000/top:0");
    const double deep = time("BM_GridPaint/rows:1000000/top:900000");
    if (small > 0 && deep > 0)
        std::printf("grid, row 900000 of 1000000 against row 0 of 1000: %.2fx (goal: at most 1.20x)\n", deep / small);
    const double five = time("BM_GridPaintFiltered/rows:5/top:0");
    const double filtered = time("BM_GridPaintFiltered/rows:1000000/top:0");
    if (five > 0 && filtered > 0)
        std::printf("grid, 1000000 rows filtered down to 5 against a list of 5: %.2fx (goal: at most 1.50x)\n", filtered / five);
    const double fresh = time("BM_GridFreshFrame/rows:1000000/iterations:60");
    const double theirFresh = time("BM_TableViewFreshFrame/rows:1000000/iterations:60");
    if (fresh > 0 && theirFresh > 0)
        std::printf("QTableView against the grid, a frame of rows never painted before: %.2fx (goal: at least 1.50x)\n",
                    theirFresh / fresh);
    for (const char* frame : { "rows:1000/top:0", "rows:1000000/top:0", "rows:1000000/top:900000" }) {
        const double ours = time(std::string("BM_GridPaint/") + frame);
        const double theirs = time(std::string("BM_TableViewGrab/") + frame);
        if (ours > 0 && theirs > 0)
            std::printf("QTableView against the grid, %s: %.2fx (goal: at least 2.00x)\n", frame, theirs / ours);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const auto app = GridBench::StartInvoiceApplication(argc, argv);
    GridBench::RunWithMedians(argc, argv, PrintRatios);
    return 0;
}
