#include "SideRun.h"

#include "BenchSide.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <functional>
#include <unistd.h>

namespace GridBench {

namespace {

constexpr int ChunkRows = 10000;
constexpr int WalkRows = 1000;   // consecutive rows the current cell moves down
constexpr int PaintRepeats = 20; // paints averaged for the cost of one
// About half of the customers' names hold an "m" (49.7% of the 20,000).
const QString HalfFilter = QStringLiteral("m");

// Lets the paints a change asked for happen, so that a painted operation's time includes them.
void Settle()
{
    QCoreApplication::processEvents();
}

qint64 ResidentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// FNV-1a: equal fingerprints mean equal sequences.
constexpr quint64 FnvStart = 1469598103934665603ull;

quint64 FnvStep(quint64 Hash, quint32 Unit)
{
    return (Hash ^ Unit) * 1099511628211ull;
}

// Over the keys in display order.
quint64 Fingerprint(const BenchSide& Side, int Column)
{
    quint64 hash = FnvStart;
    const int shown = Side.ShownCount();
    for (int p = 0; p < shown; ++p) {
        const QString key = Side.KeyAt(p, Column);
        for (const QChar c : key)
            hash = FnvStep(hash, c.unicode());
        hash = FnvStep(hash, 0xFFFF);
    }
    return hash;
}

quint64 Fingerprint(const QByteArray& Bytes)
{
    quint64 hash = FnvStart;
    for (const char c : Bytes)
        hash = FnvStep(hash, quint8(c));
    return hash;
}

std::vector<int> Spread(int Count, int Shown)
{
    std::vector<int> positions;
    Count = std::min(Count, Shown);
    for (int k = 0; k < Count; ++k)
        positions.push_back(int(qint64(k) * Shown / Count));
    return positions;
}

class Run {
public:
    using SideMaker = std::unique_ptr<BenchSide> (*)();

    Run(SideMaker Make, int Rows, const QString& OutFile)
        : m_Make(Make), m_Side(Make()), m_Rows(Rows), m_Out(OutFile)
    {
        m_Out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        m_Baseline = ResidentBytes();
        m_Clock.start();
    }

    // Registers one case; Action returns the seconds it timed (it may do untimed work around).
    void Add(const char* Name, std::function<double()> Action)
    {
        benchmark::RegisterBenchmark(Name, [this, Name, Action](benchmark::State& state) {
            for (auto _ : state) {
                // Lets the driver tell how long an operation ran when it had to stop the side.
                Write(QString::fromLatin1("begin.%1").arg(QLatin1String(Name)), QString::number(m_Clock.elapsed()));
                const double seconds = Action();
                state.SetIterationTime(seconds);
                Write(QString::fromLatin1("time.%1").arg(QLatin1String(Name)), QString::number(seconds, 'g', 6));
            }
            state.counters["shown"] = m_Side->ShownCount();
        })->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
    }

    template <class F>
    static double Timed(F&& Work)
    {
        QElapsedTimer timer;
        timer.start();
        Work();
        return double(timer.nsecsElapsed()) / 1e9;
    }

    void Write(const QString& Name, const QString& Value)
    {
        QTextStream(&m_Out) << Name << ' ' << Value << '\n';
        m_Out.flush();
    }

    void WriteMemory(const char* Name)
    {
        const double perRow = double(ResidentBytes() - m_Baseline) / std::max(m_Rows, 1);
        Write(QString::fromLatin1("memory.%1").arg(QLatin1String(Name)), QString::number(perRow, 'f', 1));
    }

    void WriteCheck(const char* Name, const QString& Value) { Write(QString::fromLatin1("check.%1").arg(QLatin1String(Name)), Value); }

    void AddSort(const char* Name, int Column)
    {
        Add(Name, [this, Name, Column] {
            const double seconds = Timed([&] { m_Side->Sort(Column, true); });
            WriteCheck(Name, QString::number(Fingerprint(*m_Side, Column), 16));
            return seconds;
        });
    }

    // Appends Rows rows in chunks, as a host adds what it reads; returns the time spent appending.
    static double Fill(BenchSide& Side, int Rows)
    {
        double seconds = 0;
        for (int first = 0; first < Rows; first += ChunkRows) {
            const auto rows = GenerateRows(first, std::min(ChunkRows, Rows - first));
            seconds += Timed([&] { Side.Append(rows); });
        }
        return seconds;
    }

    static void Show(BenchSide& Side, bool On)
    {
        Side.Show(On);
        Settle();
    }

    // Filters half the rows out, paints, and shows all rows again untimed.
    double FilterHalf(BenchSide& Side, const char* Name)
    {
        const double seconds = Timed([&] {
            Side.FilterOn(HalfFilter, Customer);
            Settle();
        });
        WriteCheck(Name, QString::number(Side.ShownCount()));
        Side.FilterOff();
        Settle();
        return seconds;
    }

    // Moves the current row down WalkRows rows from the middle, one row and one paint at a time.
    double Walk(BenchSide& Side, const char* Name)
    {
        const int first = std::max(0, std::min(Side.ShownCount() / 2, Side.ShownCount() - WalkRows - 1));
        Side.MoveCurrent(first);
        Settle();
        const double seconds = Timed([&] {
            for (int position = first + 1; position <= first + WalkRows; ++position) {
                Side.MoveCurrent(position);
                Settle();
            }
        });
        WritePositionCheck(Name, Side, Side.CurrentPosition());
        return seconds;
    }

    // The rows left, by count and by their keys in order: the sides removed rows of the same keys.
    void WriteRemainingCheck(const char* Name)
    {
        WriteCheck(Name, QString::number(m_Side->ShownCount()) + QLatin1Char(':') + QString::number(Fingerprint(*m_Side, Customer), 16));
    }

    // Rows with equal keys may stand in either order, so a position is checked by its sort key.
    void WritePositionCheck(const char* Name, const BenchSide& Side, int Position)
    {
        WriteCheck(Name, QString::number(Position) + QLatin1Char(':') + (Position >= 0 ? Side.KeyAt(Position, Customer) : QString()));
    }

    void RegisterAll()
    {
        Add("Fill", [this] {
            const double seconds = Fill(*m_Side, m_Rows);
            WriteCheck("Fill", QString::number(m_Side->ShownCount()));
            WriteMemory("AfterFill");
            return seconds;
        });
        // Before any sort, so every side writes its rows in the order they came.
        Add("Export", [this] {
            QByteArray bytes;
            bytes.reserve(qsizetype(m_Rows) * 128);
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            const double seconds = Timed([&] { m_Side->Export(buffer); });
            WriteCheck("Export", QString::number(bytes.size()) + QLatin1Char(':') + QString::number(Fingerprint(bytes), 16));
            return seconds;
        });
        // Invoice numbers are all distinct texts, the states only three: the two ends of text sorting.
        AddSort("SortInvoice", Invoice);
        AddSort("SortGross", Gross);
        AddSort("SortDate", Date);
        AddSort("SortStatus", Status);
        AddSort("SortCustomer", Customer);
        Add("FindItem", [this] {
            int found = -1;
            const double seconds = Timed([&] { found = m_Side->Find(QStringLiteral("zimmermann"), Customer); });
            WriteCheck("FindItem", QString::number(found) + QLatin1Char(':') + (found >= 0 ? m_Side->KeyAt(found, Customer) : QString()));
            return seconds;
        });
        Add("FilterOn", [this] {
            const double seconds = Timed([&] { m_Side->FilterOn(QStringLiteral("bau"), Customer); });
            WriteCheck("FilterOn", QString::number(m_Side->ShownCount()));
            WriteMemory("AfterSortAndFilter");
            return seconds;
        });
        Add("FilterOff", [this] {
            const double seconds = Timed([&] { m_Side->FilterOff(); });
            WriteCheck("FilterOff", QString::number(m_Side->ShownCount()));
            return seconds;
        });
        Add("FilterHalf", [this] { return FilterHalf(*m_Side, "FilterHalf"); });
        Add("FilterHalfShown", [this] {
            Show(*m_Side, true);
            return FilterHalf(*m_Side, "FilterHalfShown");
        });
        Add("Paint", [this] {
            m_Side->MoveCurrent(m_Side->ShownCount() / 2);
            Settle();
            return Timed([&] {
                for (int k = 0; k < PaintRepeats; ++k) {
                    m_Side->Repaint();
                    Settle();
                }
            }) / PaintRepeats;
        });
        Add("RowColSet", [this] { return Walk(*m_Side, "RowColSet"); });
        Add("ScrollBarPaint", [this] {
            const int target = int(qint64(m_Side->ShownCount()) * 9 / 10);
            const double seconds = Timed([&] {
                m_Side->DragScrollBar(target);
                Settle();
            });
            WritePositionCheck("ScrollBarPaint", *m_Side, m_Side->TopPosition());
            Show(*m_Side, false);
            return seconds;
        });
        // The same painted work on a list of a tenth of the rows, filled and sorted alike, next to
        // this one: what grows with the rows shows in the ratio.
        Add("FilterHalfShown/10", [this] {
            m_Tenth = m_Make();
            Fill(*m_Tenth, std::max(m_Rows / 10, 1));
            m_Tenth->Sort(Customer, true);
            Show(*m_Tenth, true);
            return FilterHalf(*m_Tenth, "FilterHalfShown/10");
        });
        Add("RowColSet/10", [this] {
            const double seconds = Walk(*m_Tenth, "RowColSet/10");
            m_Tenth.reset();
            return seconds;
        });
        Add("RemoveRow", [this] {
            auto positions = Spread(1000, m_Side->ShownCount());
            std::reverse(positions.begin(), positions.end());
            const double seconds = Timed([&] { m_Side->RemoveRows(positions); });
            WriteRemainingCheck("RemoveRow");
            return seconds;
        });
        Add("DeleteSelected", [this] {
            m_Side->Select(Spread(std::min(50000, m_Rows / 20), m_Side->ShownCount()));
            const double seconds = Timed([&] { m_Side->DeleteSelected(); });
            WriteRemainingCheck("DeleteSelected");
            return seconds;
        });
        Add("Clear", [this] {
            const double seconds = Timed([&] { m_Side->Clear(); });
            WriteCheck("Clear", QString::number(m_Side->ShownCount()));
            return seconds;
        });
    }

private:
    SideMaker m_Make = nullptr;         // makes another side of the same kind
    std::unique_ptr<BenchSide> m_Side;  // the side measured
    std::unique_ptr<BenchSide> m_Tenth; // the list of a tenth of the rows, while measured
    int m_Rows = 0;                     // rows filled
    QFile m_Out;                        // result lines for the driver
    qint64 m_Baseline = 0;              // resident bytes before filling
    QElapsedTimer m_Clock;              // since the side started, for the begin lines
};

} // namespace

int RunSide(const QString& Side, int Rows, const QString& OutFile, int& Argc, char** Argv)
{
    Run::SideMaker make = nullptr;
    if (Side == QLatin1String("grid"))
        make = MakeGridSide;
    else if (Side == QLatin1String("standard"))
        make = MakeStandardSide;
    else if (Side == QLatin1String("expert"))
        make = MakeExpertSide;
    if (!make)
        return 2;
    Run run(make, Rows, OutFile);
    run.RegisterAll();
    benchmark::Initialize(&Argc, Argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace GridBench
