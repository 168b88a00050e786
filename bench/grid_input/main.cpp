// The grid's answer to the user's input, side by side with a QTableView over the vector-backed model
// of bench_grid_model, on the archive list of 1,280 x 800 pixels and 8 columns:
//   bench_grid_input [benchmark options]   (five shuffled repetitions each, compared by their medians)
// Wheel: one notch of the mouse wheel, down and up by turns, with the repaint it brings, at row
// 9,000 of a list of 10,000 and at row 900,000 of a list of 1,000,000. The grid scrolls and paints
// its retained picture (and, in the shown case, hands the picture to the screen as well); the
// QTableView scrolls and paints itself (QWidget::grab). A scroll must cost what shows, not what is
// stored, so the two lists should take about the same time.
// Further kinds of input add a side (a struct with ScrollTo and the input) and a line to PrintRatios.

#include "ArchiveGrid.h"
#include "MedianRuns.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Notch = 120;

void SendWheel(QWidget& Target, int Delta)
{
    QWheelEvent wheel(QPointF(200, 200), Target.mapToGlobal(QPointF(200, 200)), QPoint(), QPoint(0, Delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&Target, &wheel);
}

struct GridSide {
    Tarvex::RuzuZiri Grid;

    explicit GridSide(int Rows)
    {
        GridBench::FillArchiveGrid(Grid, Rows);
    }

    // As a user dragging the thumb there.
    bool ScrollTo(int Row)
    {
        auto* bar = Grid.findChild<QScrollBar*>(QStringLiteral("ScrollBar(1)"));
        bar->setSliderPosition(Row);
        return Grid.RowFirstVisible() == Row;
    }

    // The notch scrolls and paints the picture the screen shows.
    void Wheel(int Delta) { SendWheel(Grid, Delta); }
    int FirstRow() const { return Grid.RowFirstVisible(); }
};

// The grid's picture handed to the screen after each notch, as a QTableView's grab paints.
struct ShownGridSide : GridSide {
    explicit ShownGridSide(int Rows)
        : GridSide(Rows)
    {
        Grid.show();
    }
    void Wheel(int Delta)
    {
        GridSide::Wheel(Delta);
        benchmark::DoNotOptimize(Grid.grab());
    }
};

struct TableSide : GridBench::ArchiveTable {
    explicit TableSide(int Rows)
        : ArchiveTable(Rows)
    {
        benchmark::DoNotOptimize(View.grab());
    }

    bool ScrollTo(int Row)
    {
        View.scrollTo(Model.index(Row, 0), QAbstractItemView::PositionAtTop);
        benchmark::DoNotOptimize(View.grab());
        return View.rowAt(0) == Row;
    }

    void Wheel(int Delta)
    {
        SendWheel(*View.viewport(), Delta);
        benchmark::DoNotOptimize(View.grab());
    }
    int FirstRow() const { return View.rowAt(0); }
};

// Down and up by turns, so every notch moves three rows near the row asked for.
template <class Side>
void WheelNotch(benchmark::State& State)
{
    Side& side = GridBench::BuiltOnce<Side>(int(State.range(0)));
    const int row = int(State.range(1));
    if (!side.ScrollTo(row)) {
        State.SkipWithError("the list did not scroll to the row");
        return;
    }
    QCoreApplication::processEvents();
    side.Wheel(-Notch);
    if (side.FirstRow() != row + 3) {
        State.SkipWithError("a notch did not scroll three rows");
        return;
    }
    int delta = Notch;
    for (auto _ : State) {
        side.Wheel(delta);
        delta = -delta;
    }
}

void BM_GridWheel(benchmark::State& State) { WheelNotch<GridSide>(State); }
void BM_GridWheelShown(benchmark::State& State) { WheelNotch<ShownGridSide>(State); }
void BM_TableViewWheel(benchmark::State& State) { WheelNotch<TableSide>(State); }

void Lists(benchmark::internal::Benchmark* Bench)
{
    Bench->ArgNames({ "rows", "top" })->Args({ 10000, 9000 })->Args({ 1000000, 900000 });
    Bench->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_GridWheel)->Apply(Lists);
BENCHMARK(BM_GridWheelShown)->Apply(Lists);
BENCHMARK(BM_TableViewWheel)->Apply(Lists);

void PrintRatios(const GridBench::RatioReporter& Runs)
{
    const auto time = [&](const std::string& Name) { return Runs.Time(Name); };
    const double small = time("BM_GridWheel/rows:10000/top:9000");
    const double large = time("BM_GridWheel/rows:1000000/top:900000");
    if (small > 0 && large > 0)
        std::printf("grid wheel, row 900000 of 1000000 against row 9000 of 10000: %.2fx (goal: at most 1.50x)\n",
                    large / small);
    for (const char* list : { "rows:10000/top:9000", "rows:1000000/top:900000" }) {
        const double theirs = time(std::string("BM_TableViewWheel/") + list);
        for (const char* ours : { "BM_GridWheel/", "BM_GridWheelShown/" }) {
            const double mine = time(ours + std::string(list));
            if (mine > 0 && theirs > 0)
                std::printf("QTableView wheel against %s%s: %.2fx (goal: at least 2.00x)\n", ours, list, theirs / mine);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    const auto app = GridBench::StartInvoiceApplication(argc, argv);
    GridBench::RunWithMedians(argc, argv, PrintRatios);
    return 0;
}
