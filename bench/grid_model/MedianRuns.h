#pragma once

// Runs a program's benchmarks the way the view benchmarks compare sides: several repetitions in
// shuffled order, each case standing by its median, then the program's ratios from those times.

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace GridBench {

// Prints the usual table and keeps each case's time for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run>& Runs) override
    {
        ConsoleReporter::ReportRuns(Runs);
        for (const Run& run : Runs) {
            const bool plain = run.run_type == Run::RT_Iteration;
            if (!run.error_occurred && (plain || run.aggregate_name == "median"))
                m_Times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }

    // The time of a case by its name; with repetitions its median stands for it. 0 when it did not run.
    double Time(const std::string& Name) const
    {
        auto found = m_Times.find(Name + "_median");
        if (found == m_Times.end())
            found = m_Times.find(Name);
        return found == m_Times.end() ? 0.0 : found->second;
    }

private:
    std::map<std::string, double> m_Times; // by the names the reporter prints
};

// The cases are close in cost and the machine may be busy: repetitions in shuffled order, compared
// by their medians, keep one case from taking all the noise. Options given on the command line come
// later and win.
inline void RunWithMedians(int argc, char** argv, const std::function<void(const RatioReporter&)>& PrintRatios)
{
    std::vector<char*> args { argv[0] };
    std::string repetitions = "--benchmark_repetitions=5";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.insert(args.end(), { repetitions.data(), interleave.data(), aggregates.data() });
    args.insert(args.end(), argv + 1, argv + argc);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter);
    benchmark::Shutdown();
}

} // namespace GridBench
