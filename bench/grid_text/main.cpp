// Long texts and wide pens, where drawing used to cost time in the square of the text's length or
// in proportion to the pen's width:
//   bench_grid_text [benchmark options]
// Each text benchmark runs at three lengths and reports the fitted complexity, which should be
// linear (or better); the pen benchmark should take about the same time at every width.

#include <tarvex/grid/RuzuZiri.h>

#include <tarvex/platform/Canvas.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPalette>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using Tarvex::RuzuZiri;

// Letters only, or letters with a blank after every sixth, as a heading or a note would have them.
QString TextOf(int Length, bool Words)
{
    QString text;
    text.reserve(Length);
    for (int i = 0; i < Length; ++i)
        text += Words && i % 7 == 6 ? QChar(u' ') : QChar(u'a' + i % 26);
    return text;
}

// The grid repaints when a property that shows is written, even with the value it has.
void Repaint(RuzuZiri& Grid) { Grid.GridLineWidth(Grid.GridLineWidth()); }

void BM_HeadingOverTwoLines(benchmark::State& State)
{
    RuzuZiri grid;
    grid.resize(800, 300);
    grid.ColumnHeaderLines(2);
    grid.AddColumn(TextOf(int(State.range(0)), false), 3000);
    grid.AddItem(QStringLiteral("x"));
    grid.Redraw(true);
    for (auto _ : State)
        Repaint(grid);
    State.SetComplexityN(State.range(0));
}

void BM_WordWrappedCell(benchmark::State& State)
{
    RuzuZiri grid;
    grid.resize(800, 300);
    grid.AllowWordWrap(true);
    grid.MinRowHeight(300);
    grid.AddColumn(QStringLiteral("note"), 3000, 4, 0, QString(), QString(), 4, true);
    grid.AddItem(TextOf(int(State.range(0)), true));
    grid.Redraw(true);
    for (auto _ : State)
        Repaint(grid);
    State.SetComplexityN(State.range(0));
}

void BM_WordBreakInAWideRectangle(benchmark::State& State)
{
    const QString text = QStringLiteral("ab ").repeated(State.range(0));
    QImage image(800, 100, QImage::Format_RGB32);
    const QPalette palette;
    Tarvex::Canvas canvas(image, palette);
    for (auto _ : State) {
        Tarvex::Rect bounds { 0, 0, 2000000000, 100 };
        benchmark::DoNotOptimize(canvas.DrawText(text, bounds, Tarvex::TextFlags::WordBreak | Tarvex::TextFlags::CalcRect, QFont(), 0));
    }
    State.SetComplexityN(State.range(0));
}

void BM_AutoSizeEveryColumn(benchmark::State& State)
{
    RuzuZiri grid;
    grid.resize(800, 600);
    const int columns = int(State.range(0));
    QString row;
    for (int c = 0; c < columns; ++c) {
        grid.AddColumn(QStringLiteral("c"), 500);
        row += QStringLiteral("cell %1\t").arg(c);
    }
    for (int r = 0; r < 200; ++r)
        grid.AddItem(row);
    grid.Redraw(true);
    for (auto _ : State)
        grid.ColWidthAutoSize(-1);
    State.SetComplexityN(columns);
}

void BM_WideDiagonalPen(benchmark::State& State)
{
    QImage image(800, 600, QImage::Format_RGB32);
    const QPalette palette;
    Tarvex::Canvas canvas(image, palette);
    for (auto _ : State)
        canvas.Line(-1000000000, -900000000, 1000000000, 900000000, 0, int(State.range(0)));
}

BENCHMARK(BM_HeadingOverTwoLines)->ArgName("letters")->Arg(2500)->Arg(5000)->Arg(10000)->Complexity()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordWrappedCell)->ArgName("letters")->Arg(2500)->Arg(5000)->Arg(10000)->Complexity()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordBreakInAWideRectangle)->ArgName("words")->Arg(2000)->Arg(4000)->Arg(8000)->Complexity()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoSizeEveryColumn)->ArgName("columns")->Arg(250)->Arg(500)->Arg(1000)->Complexity()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WideDiagonalPen)->ArgName("pen")->Arg(10)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto app = std::make_unique<QApplication>(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
