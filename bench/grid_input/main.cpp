// What a user does to the archive list, on a list of 10,000 and on one of 1,000,000 invoices with
// the current cell at nine tenths of it; each action must cost about the same on both:
//   bench_grid_input [benchmark options]   (five shuffled repetitions each, compared by their medians)
// An action is a function over a filled, showing list (InputList) that repeats it once per
// iteration; add it to Actions with its goal, the ratio of the large list's time to the small one's.

#include "ArchiveGrid.h"
#include "InvoiceData.h"
#include "MedianReporter.h"

#include "grid/RuzuZiriPrivate.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int FrameWidth = 1280;
constexpr int FrameHeight = 800;
constexpr int ColumnWidthPx = 150;
constexpr int SmallList = 10000;
constexpr int LargeList = 1000000;

// The archive list, editable, shown in a window of its own, with the current cell on the customer
// of the invoice at nine tenths of the list.
struct InputList {
    Tarvex::RuzuZiri Grid;

    explicit InputList(int Rows)
    {
        Grid.resize(FrameWidth, FrameHeight);
        GridBench::FillArchiveGrid(Grid, Rows, ColumnWidthPx);
        Grid.AllowEdit(true);
        Grid.show();
        QApplication::setActiveWindow(&Grid);
        Grid.RowColSet(Rows / 10 * 9, GridBench::Customer);
        QCoreApplication::processEvents();
    }

    Tarvex::RuzuZiriPrivate& Inside() { return Tarvex::RuzuZiriPrivate::Of(Grid); }
};

// Filling a million rows takes seconds; each list is built once and shared by the actions. The
// lists go before the application does, as shown widgets must.
std::map<int, std::unique_ptr<InputList>>& Lists()
{
    static std::map<int, std::unique_ptr<InputList>> lists;
    return lists;
}

InputList& ListOf(int Rows)
{
    std::unique_ptr<InputList>& list = Lists()[Rows];
    if (!list)
        list = std::make_unique<InputList>(Rows);
    return *list;
}

// F2 opens the editor on the current cell, a new customer is typed over the old one, Enter commits
// it (and stays on the cell, EditMove 0), with the repaint that follows.
void OpenAndCommit(InputList& List, benchmark::State& State)
{
    auto* editor = List.Grid.findChild<QLineEdit*>(QStringLiteral("txtEdit"));
    int n = 0;
    for (auto _ : State) {
        List.Inside().BeginOrCommitEdit(true);
        editor->setText(n++ % 2 ? QStringLiteral("Jensen GmbH") : QStringLiteral("Hansen KG"));
        List.Inside().BeginOrCommitEdit(true);
    }
    if (List.Grid.EditPending())
        State.SkipWithError("the edit did not end");
}

struct Action {
    const char* Name;
    void (*Run)(InputList&, benchmark::State&);
    double Goal; // at most this many times the small list's time on the large one
};

const Action Actions[] {
    { "OpenAndCommit", OpenAndCommit, 1.5 },
};

void PrintRatios(const GridBench::MedianReporter& Reporter)
{
    for (const Action& action : Actions) {
        const double small = Reporter.Time(std::string(action.Name) + "/rows:" + std::to_string(SmallList));
        const double large = Reporter.Time(std::string(action.Name) + "/rows:" + std::to_string(LargeList));
        if (small > 0 && large > 0)
            std::printf("%s, %d rows against %d: %.2fx (goal: at most %.2fx)\n", action.Name, LargeList, SmallList,
                        large / small, action.Goal);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const auto app = GridBench::StartInvoiceApplication(argc, argv);
    GridBench::InitializeRepeated(argc, argv);
    for (const Action& action : Actions) {
        benchmark::RegisterBenchmark(action.Name, [&action](benchmark::State& State) { action.Run(ListOf(int(State.range(0))), State); })
            ->ArgName("rows")
            ->Arg(SmallList)
            ->Arg(LargeList)
            ->Unit(benchmark::kMicrosecond);
    }
    GridBench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter);
    Lists().clear();
    benchmark::Shutdown();
    return 0;
}
