// Measures the grid's model side by side with two Qt peers on the same invoice list:
//   bench_grid_model [--rows=N] [--side-timeout=S]      (or GRID_MODEL_ROWS=N, e.g. through scripts/bench)
//                                            runs each side in its own process (stopped after S
//                                            seconds, default 300) and prints the table
//   bench_grid_model --side=NAME --out=FILE  runs one side (grid, standard or expert)
// One process per side keeps each side's resident size its own.

#include "InvoiceData.h"
#include "SideRun.h"

#include <QApplication>

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

const QStringList Sides { "grid", "standard", "expert" };
const QStringList Operations { "Fill", "SortInvoice", "SortGross", "SortDate", "SortStatus", "SortCustomer", "FindItem",
                               "FilterOn", "FilterOff", "FilterOnShown", "FilterOffShown",
                               "RowColSet1000", "ScrollPaint", "RemoveRow", "DeleteSelected", "Clear" };

using Results = QMap<QString, QString>;

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

QString Cell(const QString& Text, int Width)
{
    return Text.rightJustified(Width);
}

// False when the sides disagree on a result: their times would not measure the same work.
bool PrintTable(const QMap<QString, Results>& All, int Rows)
{
    bool agree = true;
    QTextStream out(stdout);
    out << "\nGrid model, " << Rows << " rows (seconds; ratio = peer time / grid time; goal: standard >= 2, expert >= 1)\n";
    out << QStringLiteral("operation").leftJustified(16) << Cell("grid", 10) << Cell("standard", 10) << Cell("expert", 10)
        << Cell("std/grid", 10) << Cell("exp/grid", 10) << "  keys\n";
    for (const QString& op : Operations) {
        const auto time = [&](const QString& side) { return All[side].value(QStringLiteral("time.") + op).toDouble(); };
        const auto over = [&](const QString& side) { return All[side].contains(QStringLiteral("unfinished.") + op) ? QStringLiteral(">") : QString(); };
        const double grid = time("grid");
        const auto ratio = [&](const QString& side) {
            const bool known = grid > 0 && All[side].contains(QStringLiteral("time.") + op);
            return known ? over(side) + QString::number(time(side) / grid, 'f', 2) : QStringLiteral("-");
        };
        const auto seconds = [&](const QString& side) {
            return All[side].contains(QStringLiteral("time.") + op) ? over(side) + QString::number(time(side), 'f', 3) : QStringLiteral("-");
        };
        QStringList checks;
        QStringList missing;
        for (const QString& side : Sides) {
            const QString check = All[side].value(QStringLiteral("check.") + op);
            if (check.isEmpty())
                missing << side;
            else
                checks << check;
        }
        QString keys = checks.isEmpty() ? QStringLiteral("-")
            : checks.count(checks.first()) == checks.size() ? QStringLiteral("same")
                                                            : QStringLiteral("DIFFERENT: ") + checks.join(QStringLiteral(" | "));
        agree = agree && (checks.isEmpty() || checks.count(checks.first()) == checks.size());
        if (!missing.isEmpty())
            keys += QStringLiteral(" (not finished: ") + missing.join(QStringLiteral(", ")) + QLatin1Char(')');
        out << op.leftJustified(16) << Cell(seconds("grid"), 10) << Cell(seconds("standard"), 10) << Cell(seconds("expert"), 10)
            << Cell(ratio("standard"), 10) << Cell(ratio("expert"), 10) << "  " << keys << '\n';
    }
    for (const char* stage : { "AfterFill", "AfterSortAndFilter" }) {
        out << QStringLiteral("bytes/row %1").arg(QLatin1String(stage)).leftJustified(16);
        for (const QString& side : Sides)
            out << "  " << side << ' ' << All[side].value(QStringLiteral("memory.") + QLatin1String(stage), QStringLiteral("-"));
        out << '\n';
    }
    return agree;
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
    return PrintTable(all, Rows) ? 0 : 1;
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
