// The grid's answer to the user's input, side by side with a QTableView over the vector-backed model
// of bench_grid_model, on the archive list of 1,280 x 800 pixels and 8 columns:
//   bench_grid_input [benchmark options]   (five shuffled repetitions each, compared by their medians)
// Wheel: one notch of the mouse wheel over the shown list, down and up by turns, until the screen
// shows it (the event loop run until every repaint it posted is done), at row 9,000 of a list of
// 10,000 and at row 900,000 of a list of 1,000,000. Each side paints as it would for a user: the
// QTableView moves the pixels that stay and paints the rows that come into view. A scroll must cost
// what shows, not what is stored, so the two lists should take about the same time.
// OpenAndCommit: F2 opens the editor on the customer of the invoice at nine tenths of the list, a new
// customer is typed over the old one and Enter commits it, with the repaint that follows; the same
// on 10,000 and on 1,000,000 rows.
// TypeAhead: one letter typed on the customer column of 1,000,000 rows, W and K by turns, each a new
// search from the first row (the grid's by its tick count, driven a second on between keys; the
// QTableView's keyboardSearch with no input interval): the search, the move to the row found and one
// paint, against the QTableView's keyboardSearch and its repaint.
// Down: the Down key and the Up key by turns at row 9,000 of 10,000 and at row 900,000 of 1,000,000,
// with the move, the selection and the repaint; a key must cost what shows, not what is stored.
// MouseMove: the pointer moving over the rows of the archive shown at nine tenths of the list, within
// one cell (which paints nothing) and from cell to cell down the column; 10,000 against 1,000,000.
// HeaderSort: a click on the gross amounts' header, which sorts all rows, against Sort called directly
// on the same list of 1,000,000 rows; both step through smallest first, greatest first, unsorted.
// Further kinds of input add a side (a struct with ScrollTo and the input) and a line to PrintRatios.

#include "ArchiveGrid.h"

#include "grid/RuzuZiriPrivate.h"
#include "MedianRuns.h"

#include <tarvex/platform/Timer.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
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

// Counts the paint events a widget gets, to tell that a notch reached the screen.
struct PaintCounter : QObject {
    int Paints { 0 };
    bool eventFilter(QObject*, QEvent* Event) override
    {
        Paints += Event->type() == QEvent::Paint;
        return false;
    }
};

// The event loop run until the screen is up to date: every repaint a notch posted is done.
void ShowOnScreen()
{
    QCoreApplication::processEvents();
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
    int FirstRow() const { return Grid.RowFirstVisible(); }
};

// The grid shown, each notch on the screen before the next.
struct ScreenGridSide : GridSide {
    PaintCounter Counter;
    explicit ScreenGridSide(int Rows)
        : GridSide(Rows)
    {
        Grid.show();
        Grid.installEventFilter(&Counter);
        ShowOnScreen();
    }
    void Wheel(int Delta)
    {
        SendWheel(Grid, Delta);
        ShowOnScreen();
    }
    int Paints() const { return Counter.Paints; }
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
    int FirstRow() const { return View.rowAt(0); }
};

// The QTableView shown, each notch on the screen before the next.
struct ScreenTableSide : TableSide {
    PaintCounter Counter;
    explicit ScreenTableSide(int Rows)
        : TableSide(Rows)
    {
        View.show();
        View.viewport()->installEventFilter(&Counter);
        ShowOnScreen();
    }
    bool ScrollTo(int Row)
    {
        View.scrollTo(Model.index(Row, 0), QAbstractItemView::PositionAtTop);
        ShowOnScreen();
        return View.rowAt(0) == Row;
    }
    void Wheel(int Delta)
    {
        SendWheel(*View.viewport(), Delta);
        ShowOnScreen();
    }
    int Paints() const { return Counter.Paints; }
};

// The archive list, editable and shown, with the current cell on the customer at nine tenths of it.
struct EditSide : GridSide {
    explicit EditSide(int Rows)
        : GridSide(Rows)
    {
        Grid.AllowEdit(true);
        Grid.show();
        QApplication::setActiveWindow(&Grid);
        Grid.RowColSet(Rows / 10 * 9, GridBench::Customer);
        QCoreApplication::processEvents();
    }
};

void SendMouse(QWidget& Target, QEvent::Type Type, QPoint At)
{
    const Qt::MouseButtons held = Type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(Type, At, Target.mapToGlobal(At), Type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&Target, &event);
}

// The archive shown at nine tenths of the list, the pointer's places found through the grid's hit tests.
struct MouseSide : GridSide {
    explicit MouseSide(int Rows)
        : GridSide(Rows)
    {
        Grid.show();
        ScrollTo(Rows / 10 * 9);
        QCoreApplication::processEvents();
    }
    QPoint CellAt(int Row, int Col) const
    {
        const auto& inside = Tarvex::RuzuZiriPrivate::Of(Grid);
        Tarvex::Rect extent;
        inside.GetColumnExtent(Col, extent);
        return inside.ClientOrigin()
            + QPoint((extent.Left + extent.Right) / 2, inside.RowTop(Row) + inside.m_Model.RowAt(Row).Height / 2);
    }
};

void MouseMoves(benchmark::State& State, bool WithinOneCell)
{
    MouseSide& side = GridBench::BuiltOnce<MouseSide>(int(State.range(0)));
    const int top = side.Grid.RowFirstVisible();
    std::vector<QPoint> places;
    for (int r = 0; r < 20; ++r)
        places.push_back(WithinOneCell ? side.CellAt(top + 5, GridBench::Customer) + QPoint(r % 10 - 5, r % 3)
                                       : side.CellAt(top + r, GridBench::Customer));
    size_t n = 0;
    for (auto _ : State)
        SendMouse(side.Grid, QEvent::MouseMove, places[n++ % places.size()]);
}

void BM_GridMouseMoveInCell(benchmark::State& State) { MouseMoves(State, true); }
void BM_GridMouseMoveAcrossCells(benchmark::State& State) { MouseMoves(State, false); }
BENCHMARK(BM_GridMouseMoveInCell)->ArgName("rows")->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridMouseMoveAcrossCells)->ArgName("rows")->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

struct SortSide : GridSide {
    explicit SortSide(int Rows)
        : GridSide(Rows)
    {
        Grid.AllowColumnSort(true);
        Grid.show();
        QCoreApplication::processEvents();
        const auto& inside = Tarvex::RuzuZiriPrivate::Of(Grid);
        Tarvex::Rect extent;
        inside.GetColumnExtent(GridBench::Gross, extent);
        Header = inside.ClientOrigin() + QPoint((extent.Left + extent.Right) / 2, inside.m_Geometry.m_Metrics.HeaderHeight - 6);
    }
    QPoint Header;
};

void BM_GridHeaderClickSort(benchmark::State& State)
{
    SortSide& side = GridBench::BuiltOnce<SortSide>(int(State.range(0)));
    SendMouse(side.Grid, QEvent::MouseMove, side.Header);
    for (auto _ : State) {
        SendMouse(side.Grid, QEvent::MouseButtonPress, side.Header);
        SendMouse(side.Grid, QEvent::MouseButtonRelease, side.Header);
    }
}

void BM_GridSortDirect(benchmark::State& State)
{
    SortSide& side = GridBench::BuiltOnce<SortSide>(int(State.range(0)));
    for (auto _ : State)
        side.Grid.Sort(GridBench::Gross, -1);
}
BENCHMARK(BM_GridHeaderClickSort)->ArgName("rows")->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_GridSortDirect)->ArgName("rows")->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_GridOpenAndCommit(benchmark::State& State)
{
    EditSide& side = GridBench::BuiltOnce<EditSide>(int(State.range(0)));
    Tarvex::RuzuZiriPrivate& grid = Tarvex::RuzuZiriPrivate::Of(side.Grid);
    auto* editor = side.Grid.findChild<QLineEdit*>(QStringLiteral("txtEdit"));
    int n = 0;
    for (auto _ : State) {
        grid.BeginOrCommitEdit(true);
        editor->setText(n++ % 2 ? QStringLiteral("Jensen GmbH") : QStringLiteral("Hansen KG"));
        grid.BeginOrCommitEdit(true);
    }
    if (side.Grid.EditPending())
        State.SkipWithError("the edit did not end");
}
BENCHMARK(BM_GridOpenAndCommit)->ArgName("rows")->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void SendKey(QWidget& Target, Qt::Key Key, const QString& Text = {})
{
    QKeyEvent down(QEvent::KeyPress, Key, Qt::NoModifier, Text);
    QApplication::sendEvent(&Target, &down);
    QKeyEvent up(QEvent::KeyRelease, Key, Qt::NoModifier, Text);
    QApplication::sendEvent(&Target, &up);
}

// The archive list with the keyboard's focus, the current cell on the customer at Row.
struct KeySide : GridSide {
    explicit KeySide(int Rows)
        : GridSide(Rows)
    {
        Grid.EditTrigger(4);
        Grid.SearchColumn(GridBench::Customer);
    }
    bool StartAt(int Row)
    {
        ScrollTo(Row);
        Grid.RowColSet(Row, GridBench::Customer);
        return Grid.Row() == Row;
    }
};

void BM_GridTypeAhead(benchmark::State& State)
{
    KeySide& side = GridBench::BuiltOnce<KeySide>(int(State.range(0)));
    Tarvex::DrivenClock clock;
    side.StartAt(0);
    int n = 0;
    for (auto _ : State) {
        clock.Advance(1000);
        const bool w = n++ % 2 == 0;
        SendKey(side.Grid, w ? Qt::Key_W : Qt::Key_K, w ? QStringLiteral("w") : QStringLiteral("k"));
    }
    if (side.Grid.CellText(-1, GridBench::Customer).front() != QLatin1Char(n % 2 ? 'W' : 'K'))
        State.SkipWithError("the search did not find the customer");
}
BENCHMARK(BM_GridTypeAhead)->ArgName("rows")->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_TableViewKeyboardSearch(benchmark::State& State)
{
    TableSide& side = GridBench::BuiltOnce<TableSide>(int(State.range(0)));
    QApplication::setKeyboardInputInterval(0);
    side.View.setCurrentIndex(side.Model.index(0, GridBench::Customer));
    int n = 0;
    for (auto _ : State) {
        side.View.keyboardSearch(n++ % 2 == 0 ? QStringLiteral("w") : QStringLiteral("k"));
        benchmark::DoNotOptimize(side.View.grab());
    }
    const QString found = side.Model.data(side.View.currentIndex(), Qt::DisplayRole).toString();
    if (found.isEmpty() || found.front() != QLatin1Char(n % 2 ? 'W' : 'K'))
        State.SkipWithError("the search did not find the customer");
}
BENCHMARK(BM_TableViewKeyboardSearch)->ArgName("rows")->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_GridDownKey(benchmark::State& State)
{
    KeySide& side = GridBench::BuiltOnce<KeySide>(int(State.range(0)));
    const int row = int(State.range(1));
    if (!side.StartAt(row)) {
        State.SkipWithError("the current cell did not move to the row");
        return;
    }
    QCoreApplication::processEvents();
    int n = 0;
    for (auto _ : State)
        SendKey(side.Grid, n++ % 2 == 0 ? Qt::Key_Down : Qt::Key_Up);
    if (side.Grid.Row() != row + n % 2)
        State.SkipWithError("the keys did not move the current row");
}
BENCHMARK(BM_GridDownKey)
    ->ArgNames({ "rows", "row" })
    ->Args({ 10000, 9000 })
    ->Args({ 1000000, 900000 })
    ->Unit(benchmark::kMicrosecond);

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
    ShowOnScreen();
    const int paints = side.Paints();
    side.Wheel(-Notch);
    if (side.FirstRow() != row + 3 || side.Paints() == paints) {
        State.SkipWithError("a notch did not scroll three rows on the screen");
        return;
    }
    int delta = Notch;
    for (auto _ : State) {
        side.Wheel(delta);
        delta = -delta;
    }
}

void BM_GridWheel(benchmark::State& State) { WheelNotch<ScreenGridSide>(State); }
void BM_TableViewWheel(benchmark::State& State) { WheelNotch<ScreenTableSide>(State); }

void Lists(benchmark::internal::Benchmark* Bench)
{
    Bench->ArgNames({ "rows", "top" })->Args({ 10000, 9000 })->Args({ 1000000, 900000 });
    Bench->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_GridWheel)->Apply(Lists);
BENCHMARK(BM_TableViewWheel)->Apply(Lists);

// The time of Name on the large list against the small one, with its goal.
void PrintGrowth(const GridBench::RatioReporter& Runs, const char* What, const std::string& Small, const std::string& Large)
{
    const double small = Runs.Time(Small);
    const double large = Runs.Time(Large);
    if (small > 0 && large > 0)
        std::printf("%s: %.2fx (goal: at most 1.50x)\n", What, large / small);
}

void PrintRatios(const GridBench::RatioReporter& Runs)
{
    const auto time = [&](const std::string& Name) { return Runs.Time(Name); };
    PrintGrowth(Runs, "grid open and commit, 1000000 rows against 10000", "BM_GridOpenAndCommit/rows:10000",
                "BM_GridOpenAndCommit/rows:1000000");
    PrintGrowth(Runs, "grid pointer moves within a cell, 1000000 rows against 10000", "BM_GridMouseMoveInCell/rows:10000",
                "BM_GridMouseMoveInCell/rows:1000000");
    PrintGrowth(Runs, "grid pointer moves across cells, 1000000 rows against 10000", "BM_GridMouseMoveAcrossCells/rows:10000",
                "BM_GridMouseMoveAcrossCells/rows:1000000");
    const double click = time("BM_GridHeaderClickSort/rows:1000000/iterations:6");
    const double direct = time("BM_GridSortDirect/rows:1000000/iterations:6");
    if (click > 0 && direct > 0)
        std::printf("grid header-click sort against Sort, 1000000 rows: %.2fx (goal: at most 1.20x)\n", click / direct);
    const double wheelSmall = time("BM_GridWheel/rows:10000/top:9000");
    const double wheelLarge = time("BM_GridWheel/rows:1000000/top:900000");
    if (wheelSmall > 0 && wheelLarge > 0)
        std::printf("grid wheel on the screen, row 900000 of 1000000 against row 9000 of 10000: %.2fx (goal: at most 1.20x)\n",
                    wheelLarge / wheelSmall);
    PrintGrowth(Runs, "grid Down key, row 900000 of 1000000 against row 9000 of 10000",
                "BM_GridDownKey/rows:10000/row:9000", "BM_GridDownKey/rows:1000000/row:900000");
    const double search = time("BM_GridTypeAhead/rows:1000000");
    const double theirSearch = time("BM_TableViewKeyboardSearch/rows:1000000");
    if (search > 0 && theirSearch > 0)
        std::printf("QTableView keyboardSearch against grid type-ahead, 1000000 rows: %.2fx (goal: at least 2.00x)\n",
                    theirSearch / search);
    for (const char* list : { "rows:10000/top:9000", "rows:1000000/top:900000" }) {
        const double theirs = time(std::string("BM_TableViewWheel/") + list);
        const double mine = time(std::string("BM_GridWheel/") + list);
        if (mine > 0 && theirs > 0)
            std::printf("QTableView wheel on the screen against the grid's, %s: %.2fx (goal: at least 2.00x)\n", list,
                        theirs / mine);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const auto app = GridBench::StartInvoiceApplication(argc, argv);
    GridBench::RunWithMedians(argc, argv, PrintRatios);
    return 0;
}
