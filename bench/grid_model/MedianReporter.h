#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace GridBench {

// Close costs on a busy machine: several repetitions in shuffled order, compared by their medians,
// keep one benchmark from taking all the noise. Options given on the command line come later and
// win.
void InitializeRepeated(int Argc, char** Argv);

// Prints the usual table and keeps each run's time, for the ratios a program prints after it.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter();

    void ReportRuns(const std::vector<Run>& Runs) override;

    // The time of a benchmark by its name, in its unit: the median when it was repeated, 0 when it
    // did not run.
    double Time(const std::string& Name) const;

private:
    std::map<std::string, double> m_Times; // by benchmark name, medians under name + "_median"
};

} // namespace GridBench
