// Measures the grid's model side by side with two Qt peers on the same invoice list:
//   bench_grid_model [--rows=N] [--side-timeout=S]      (or GRID_MODEL_ROWS=N, e.g. through scripts/bench)
//                                            runs each side in its own process (stopped after S
//                                            seconds, default 300) and prints the table; exits 1
//                                            when the sides' keys or counts differ
//   bench_grid_model --side=NAME --out=FILE  runs one side (grid, standard or expert)
// One process per side keeps each side's resident size its own. At a million rows the peers spend
// minutes removing 50,000 scattered rows range by range (each range costs their proxy a pass over
// all rows); --side-timeout=1500 lets them finish instead of reporting a lower bound.

#include "InvoiceData.h"

#include "ResultTable.h"
#include "SideRun.h"

#include <QApplication>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

using GridBench::Operations;
using GridBench::Results;
using GridBench::Sides;

// A side stopped by the time limit during an operation gets a lower bound for it: "> seconds".
void MarkUnfinished(Results& SideResults, double TimeoutSeconds)
{
    for (const QString& op : Operations) {
        const QString begin = SideResults.value(QStringLiteral("begin.") + op);
        if (!begin.isEmpty() && !SideResults.contains(QStringLiteral("time.") + op)) {
            SideResults.insert(QStringLiteral("time.") + op, QString::number(TimeoutSeconds - begin.toDouble() / 1000.0, 'f', 0));
            SideResults.insert(QStringLiteral("unfinished.") + op, QStringLiteral("1"));
        }
    }
}

Results ReadResults(const QString& Path)
{
    Results results;
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return results;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        if (space > 0)
            results.insert(line.left(space), line.mid(space + 1));
    }
    return results;
}

int Drive(int Rows, int TimeoutSeconds, const QStringList& PassOn)
{
    QTemporaryDir dir;
    QMap<QString, Results> all;
    for (const QString& side : Sides) {
        const QString outFile = dir.filePath(side + QStringLiteral(".txt"));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        std::fprintf(stdout, "== %s\n", qPrintable(side));
        std::fflush(stdout);
        child.start(QCoreApplication::applicationFilePath(),
                    QStringList { QStringLiteral("--side=") + side, QStringLiteral("--rows=%1").arg(Rows), QStringLiteral("--out=") + outFile } + PassOn);
        Results results;
        if (!child.waitForFinished(TimeoutSeconds * 1000)) {
            child.kill();
            child.waitForFinished(-1);
            results = ReadResults(outFile);
            MarkUnfinished(results, TimeoutSeconds);
        } else {
            results = ReadResults(outFile);
        }
        all.insert(side, results);
    }
    if (GridBench::PrintTable(all, Rows))
        return 0;
    std::fprintf(stderr, "The sides' keys or counts differ: the times above do not compare the same work.\n");
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const auto app = GridBench::StartInvoiceApplication(argc, argv);

    int rows = qEnvironmentVariableIsSet("GRID_MODEL_ROWS") ? std::max(1, qEnvironmentVariableIntValue("GRID_MODEL_ROWS")) : 1000000;
    int timeoutSeconds = 300;
    QString side;
    QString outFile;
    QStringList passOn;
    std::vector<char*> rest { argv[0] };
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1String("--rows=")))
            rows = std::max(1, arg.mid(7).toInt());
        else if (arg.startsWith(QLatin1String("--side-timeout=")))
            timeoutSeconds = std::max(1, arg.mid(15).toInt());
        else if (arg.startsWith(QLatin1String("--side=")))
            side = arg.mid(7);
        else if (arg.startsWith(QLatin1String("--out=")))
            outFile = arg.mid(6);
        else {
            rest.push_back(argv[i]);
            passOn << arg;
        }
    }
    if (side.isEmpty())
        return Drive(rows, timeoutSeconds, passOn);
    int restCount = int(rest.size());
    return GridBench::RunSide(side, rows, outFile, restCount, rest.data());
}
