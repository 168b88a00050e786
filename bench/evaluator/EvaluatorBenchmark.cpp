// One-shot throughput of calculator lines, as a user types them: every line is new to the
// evaluator, so muparser parses each one (SetExpr) before evaluating it, as MathPlugin does.
// Logic uses only 0 and 1 with explicit brackets, where our bitwise AND/OR and muparser's
// && and || agree.
#include <tarvex/evaluator/MathPlugin.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <muParser.h>
#include <string>

namespace {

struct Line {
    const char* Ours;
    const char* MuParser;
};

constexpr Line Lines[] = {
    { "1+2*3-4/5", "1+2*3-4/5" },
    { "-2.5*-(3+4)", "-2.5*-(3+4)" },
    { "(1.5+2.25)*(3-0.5)/2", "(1.5+2.25)*(3-0.5)/2" },
    { "2^10+3^2", "2^10+3^2" },
    { "((((7))))*((2+3)*(4-1))", "((((7))))*((2+3)*(4-1))" },
    { "SQR(16)+ABS(-3)*SGN(-2)", "sqrt(16)+abs(-3)*sign(-2)" },
    { "SIN(0.5)*COS(0.5)+ATN(1)-TAN(0.25)", "sin(0.5)*cos(0.5)+atan(1)-tan(0.25)" },
    { "EXP(1)-LOG(10)", "exp(1)-ln(10)" },
    { "(1 AND 1) OR 0", "(1 && 1) || 0" },
    { "(0 OR 1) AND (1 OR 0)", "(0 || 1) && (1 || 0)" },
};
constexpr int LineCount = int(std::size(Lines));

void BM_MathPlugin(benchmark::State& state)
{
    QStringList texts;
    for (const Line& line : Lines)
        texts << QString::fromLatin1(line.Ours);
    Tarvex::MathPlugin plugin;
    for (auto _ : state) {
        for (const QString& text : texts) {
            bool isError = false;
            benchmark::DoNotOptimize(plugin.MathExpression(text, isError));
        }
    }
    state.SetItemsProcessed(state.iterations() * LineCount);
}
BENCHMARK(BM_MathPlugin);

void BM_MuParser(benchmark::State& state)
{
    std::vector<std::string> texts;
    for (const Line& line : Lines)
        texts.emplace_back(line.MuParser);
    mu::Parser parser;
    for (auto _ : state) {
        for (const std::string& text : texts) {
            parser.SetExpr(text);
            benchmark::DoNotOptimize(parser.Eval());
        }
    }
    state.SetItemsProcessed(state.iterations() * LineCount);
}
BENCHMARK(BM_MuParser);

// Both evaluators must agree on every line, or the comparison means nothing.
bool LinesAgree()
{
    Tarvex::MathPlugin plugin;
    mu::Parser parser;
    bool agree = true;
    for (const Line& line : Lines) {
        bool isError = false;
        const double ours = plugin.MathExpression(QString::fromLatin1(line.Ours), isError).toDouble();
        parser.SetExpr(line.MuParser);
        const double theirs = parser.Eval();
        if (isError || std::fabs(ours - theirs) > 1e-12 * std::fmax(1.0, std::fabs(theirs))) {
            std::fprintf(stderr, "lines disagree: %s = %.17g, %s = %.17g\n", line.Ours, ours, line.MuParser, theirs);
            agree = false;
        }
    }
    return agree;
}

// Prints the usual table and keeps each benchmark's lines per second for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter()
        : ConsoleReporter(OO_Tabular) // no colour codes in logs
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("items_per_second");
            if (rate != run.counters.end())
                LinesPerSecond[run.benchmark_name()] = rate->second.value;
        }
    }

    std::map<std::string, double> LinesPerSecond;
};

} // namespace

int main(int argc, char** argv)
{
    if (!LinesAgree())
        return 1;
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.LinesPerSecond["BM_MathPlugin"];
    const double theirs = reporter.LinesPerSecond["BM_MuParser"];
    if (ours > 0 && theirs > 0)
        std::printf("one-shot calculator lines per second: MathPlugin %.0f, muparser %.0f, ratio %.2f\n", ours, theirs,
                    ours / theirs);
    benchmark::Shutdown();
    return 0;
}
