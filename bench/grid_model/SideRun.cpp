#include "SideRun.h"

#include "BenchSide.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <functional>

namespace GridBench {

namespace {

constexpr int ChunkRows = 10000;

qint64 ResidentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// FNV-1a over the keys in display order: equal fingerprints mean equal key sequences.
quint64 Fingerprint(const BenchSide& Side, int Column)
{
    quint64 hash = 1469598103934665603ull;
    const int shown = Side.ShownCount();
    for (int p = 0; p < shown; ++p) {
        const QString key = Side.KeyAt(p, Column);
        for (const QChar c : key)
            hash = (hash ^ c.unicode()) * 1099511628211ull;
        hash = (hash ^ 0xFFFF) * 1099511628211ull;
    }
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
    Run(std::unique_ptr<BenchSide> Side, int Rows, const QString& OutFile)
        : m_Side(std::move(Side)), m_Rows(Rows), m_Out(OutFile)
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

    void RegisterAll()
    {
        Add("Fill", [this] {
            double seconds = 0;
            for (int first = 0; first < m_Rows; first += ChunkRows) {
                const auto rows = GenerateRows(first, std::min(ChunkRows, m_Rows - first));
                seconds += Timed([&] { m_Side->Append(rows); });
            }
            WriteCheck("Fill", QString::number(m_Side->ShownCount()));
            WriteMemory("AfterFill");
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
        // The same work again, now with the view on screen and painting.
        Add("FilterOnShown", [this] {
            m_Side->ShowView();
            const double seconds = Timed([&] { m_Side->FilterOn(QStringLiteral("bau"), Customer); });
            WriteCheck("FilterOnShown", QString::number(m_Side->ShownCount()));
            return seconds;
        });
        Add("FilterOffShown", [this] {
            const double seconds = Timed([&] { m_Side->FilterOff(); });
            WriteCheck("FilterOffShown", QString::number(m_Side->ShownCount()));
            return seconds;
        });
        Add("RowColSet1000", [this] {
            const double seconds = Timed([&] { m_Side->WalkCurrentRow(1000); });
            WriteCheck("RowColSet1000", QString::number(m_Side->TopRow() > 0));
            return seconds;
        });
        Add("ScrollPaint", [this] {
            const int target = m_Side->ShownCount() * 9 / 10;
            const double seconds = Timed([&] { m_Side->ScrollTo(target); });
            WriteCheck("ScrollPaint", QString::number(m_Side->TopRow()));
            m_Side->HideView();
            return seconds;
        });
        Add("RemoveRow", [this] {
            auto positions = Spread(1000, m_Side->ShownCount());
            std::reverse(positions.begin(), positions.end());
            const double seconds = Timed([&] { m_Side->RemoveRows(positions); });
            WriteCheck("RemoveRow", QString::number(m_Side->ShownCount()));
            return seconds;
        });
        Add("DeleteSelected", [this] {
            m_Side->Select(Spread(std::min(50000, m_Rows / 20), m_Side->ShownCount()));
            const double seconds = Timed([&] { m_Side->DeleteSelected(); });
            WriteCheck("DeleteSelected", QString::number(m_Side->ShownCount()));
            return seconds;
        });
        Add("Clear", [this] {
            const double seconds = Timed([&] { m_Side->Clear(); });
            WriteCheck("Clear", QString::number(m_Side->ShownCount()));
            return seconds;
        });
    }

private:
    std::unique_ptr<BenchSide> m_Side;
    int m_Rows = 0;          // rows filled
    QFile m_Out;             // result lines for the driver
    qint64 m_Baseline = 0;   // resident bytes before filling
    QElapsedTimer m_Clock;   // since the side started, for the begin lines
};

} // namespace

int RunSide(const QString& Side, int Rows, const QString& OutFile, int& Argc, char** Argv)
{
    std::unique_ptr<BenchSide> side;
    if (Side == QLatin1String("grid"))
        side = MakeGridSide();
    else if (Side == QLatin1String("standard"))
        side = MakeStandardSide();
    else if (Side == QLatin1String("expert"))
        side = MakeExpertSide();
    if (!side)
        return 2;
    Run run(std::move(side), Rows, OutFile);
    run.RegisterAll();
    benchmark::Initialize(&Argc, Argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace GridBench
