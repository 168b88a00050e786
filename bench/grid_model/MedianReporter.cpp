#include "MedianReporter.h"

namespace GridBench {

void InitializeRepeated(int Argc, char** Argv)
{
    static std::string repetitions = "--benchmark_repetitions=5";
    static std::string interleave = "--benchmark_enable_random_interleaving=true";
    static std::string aggregates = "--benchmark_report_aggregates_only=true";
    static std::vector<char*> args;
    args = { Argv[0], repetitions.data(), interleave.data(), aggregates.data() };
    args.insert(args.end(), Argv + 1, Argv + Argc);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
}

MedianReporter::MedianReporter()
    : ConsoleReporter(OO_Tabular)
{
}

void MedianReporter::ReportRuns(const std::vector<Run>& Runs)
{
    ConsoleReporter::ReportRuns(Runs);
    for (const Run& run : Runs) {
        const bool plain = run.run_type == Run::RT_Iteration;
        if (!run.error_occurred && (plain || run.aggregate_name == "median"))
            m_Times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
}

double MedianReporter::Time(const std::string& Name) const
{
    auto found = m_Times.find(Name + "_median");
    if (found == m_Times.end())
        found = m_Times.find(Name);
    return found == m_Times.end() ? 0.0 : found->second;
}

} // namespace GridBench
