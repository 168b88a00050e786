#include "ResultTable.h"

#include <QTextStream>

#include <optional>

namespace GridBench {

const QStringList Sides { "grid", "standard", "expert" };
const QStringList Operations { "Fill", "Export", "SortInvoice", "SortGross", "SortDate", "SortStatus", "SortCustomer", "FindItem",
                               "FilterOn", "FilterOff", "FilterHalf", "FilterHalfShown", "Paint", "RowColSet",
                               "ScrollBarPaint", "FilterHalfShown/10", "RowColSet/10", "RemoveRow", "DeleteSelected", "Clear" };

namespace {

// The least each peer's time over the grid's must be; 0 where no goal is set.
struct RatioGoal {
    double Standard = 0; // QStandardItemModel behind a proxy
    double Expert = 0;   // vector-backed model behind a keyed proxy
};

RatioGoal GoalOf(const QString& Op)
{
    static const QStringList earlier { "Fill", "SortInvoice", "SortGross", "SortDate", "SortStatus", "SortCustomer",
                                       "FindItem", "FilterOn", "FilterOff", "RemoveRow", "DeleteSelected", "Clear" };
    if (earlier.contains(Op))
        return { 2.0, 1.0 };
    if (Op == QLatin1String("RowColSet"))
        return { 0.0, 1.0 };
    return {};
}

class Table {
public:
    Table(const QMap<QString, Results>& All, QTextStream& Out)
        : m_All(All), m_Out(Out)
    {
    }

    std::optional<double> Time(const QString& Side, const QString& Op) const
    {
        const QString value = m_All[Side].value(QStringLiteral("time.") + Op);
        return value.isEmpty() ? std::nullopt : std::optional<double>(value.toDouble());
    }

    bool Unfinished(const QString& Side, const QString& Op) const { return m_All[Side].contains(QStringLiteral("unfinished.") + Op); }

    std::optional<double> Ratio(const QString& Side, const QString& Op) const
    {
        const auto grid = Time(QStringLiteral("grid"), Op);
        const auto peer = Time(Side, Op);
        if (!grid || !peer || *grid <= 0)
            return std::nullopt;
        return *peer / *grid;
    }

    QString Seconds(const QString& Side, const QString& Op) const
    {
        const auto time = Time(Side, Op);
        return time ? Over(Side, Op) + QString::number(*time, 'f', 4) : QStringLiteral("-");
    }

    QString RatioText(const QString& Side, const QString& Op) const
    {
        const auto ratio = Ratio(Side, Op);
        return ratio ? Over(Side, Op) + QString::number(*ratio, 'f', 2) : QStringLiteral("-");
    }

    // "met", "MISSED" or "-" for the goals of this row; an unfinished peer counts as beaten.
    QString GoalText(const QString& Op) const
    {
        const RatioGoal goal = GoalOf(Op);
        if (goal.Standard == 0 && goal.Expert == 0)
            return QStringLiteral("-");
        bool met = true;
        for (const auto& [side, least] : { std::pair { QStringLiteral("standard"), goal.Standard }, std::pair { QStringLiteral("expert"), goal.Expert } }) {
            const auto ratio = Ratio(side, Op);
            if (least > 0 && ratio && *ratio < least && !Unfinished(side, Op))
                met = false;
        }
        return met ? QStringLiteral("met") : QStringLiteral("MISSED");
    }

    // "same", or the differing checks; Differ is set when two sides disagree.
    QString Keys(const QString& Op, bool& Differ) const
    {
        QStringList checks;
        QStringList missing;
        for (const QString& side : Sides) {
            const QString check = m_All[side].value(QStringLiteral("check.") + Op);
            if (!check.isEmpty())
                checks << check;
            else if (!Time(side, Op) || Unfinished(side, Op))
                missing << side;
        }
        QString keys = QStringLiteral("-");
        if (!checks.isEmpty() && checks.count(checks.first()) == checks.size())
            keys = QStringLiteral("same");
        else if (!checks.isEmpty()) {
            keys = QStringLiteral("DIFFERENT: ") + checks.join(QStringLiteral(" | "));
            Differ = true;
        }
        if (!missing.isEmpty())
            keys += QStringLiteral(" (not finished: ") + missing.join(QStringLiteral(", ")) + QLatin1Char(')');
        return keys;
    }

    bool PrintOperations()
    {
        bool differ = false;
        m_Out << QStringLiteral("operation").leftJustified(20) << Cell("grid") << Cell("standard") << Cell("expert") << Cell("std/grid")
              << Cell("exp/grid") << Cell("goal", 8) << "  keys\n";
        for (const QString& op : Operations) {
            m_Out << op.leftJustified(20) << Cell(Seconds("grid", op)) << Cell(Seconds("standard", op)) << Cell(Seconds("expert", op))
                  << Cell(RatioText("standard", op)) << Cell(RatioText("expert", op)) << Cell(GoalText(op), 8) << "  "
                  << Keys(op, differ) << '\n';
        }
        return !differ;
    }

    void PrintMemory()
    {
        for (const char* stage : { "AfterFill", "AfterSortAndFilter" }) {
            m_Out << QStringLiteral("bytes/row %1").arg(QLatin1String(stage)).leftJustified(20);
            for (const QString& side : Sides)
                m_Out << "  " << side << ' ' << m_All[side].value(QStringLiteral("memory.") + QLatin1String(stage), QStringLiteral("-"));
            m_Out << '\n';
        }
    }

    // The goals that compare the grid with itself: growth with the rows and the cost of a move.
    void PrintScaling(int Rows)
    {
        const auto grid = [&](const char* Op) { return Time(QStringLiteral("grid"), QLatin1String(Op)); };
        const int tenth = std::max(Rows / 10, 1);
        m_Out << "\nThe grid against itself\n";
        if (const auto big = grid("FilterHalfShown"), small = grid("FilterHalfShown/10"); big && small && *small > 0) {
            const double growth = *big / *small;
            m_Out << "  FilterOn painted, " << Rows << " rows against " << tenth << ": " << QString::number(growth, 'f', 2)
                  << "x (goal: at most 12x) " << (growth <= 12 ? "met" : "MISSED") << '\n';
        }
        const auto paint = grid("Paint");
        for (const char* op : { "RowColSet", "RowColSet/10" }) {
            const auto walk = grid(op);
            if (!walk || !paint || *paint <= 0)
                continue;
            const double perMove = *walk / 1000.0;
            m_Out << "  " << QLatin1String(op) << ": " << QString::number(perMove * 1e3, 'f', 3) << " ms a move, one paint "
                  << QString::number(*paint * 1e3, 'f', 3) << " ms, " << QString::number(perMove / *paint, 'f', 2)
                  << " paints a move (goal: at most 2) " << (perMove <= 2 * *paint ? "met" : "MISSED") << '\n';
        }
        if (const auto big = grid("RowColSet"), small = grid("RowColSet/10"); big && small && *small > 0)
            m_Out << "  RowColSet, " << Rows << " rows against " << tenth << ": " << QString::number(*big / *small, 'f', 2)
                  << "x (a move that walked the rows would grow with them)\n";
    }

private:
    static QString Cell(const QString& Text, int Width = 11) { return Text.rightJustified(Width); }
    QString Over(const QString& Side, const QString& Op) const { return Unfinished(Side, Op) ? QStringLiteral(">") : QString(); }

    const QMap<QString, Results>& m_All;
    QTextStream& m_Out;
};

} // namespace

bool PrintTable(const QMap<QString, Results>& All, int Rows)
{
    QTextStream out(stdout);
    out << "\nGrid model, " << Rows << " rows (seconds; Paint is one paint; ratio = peer time / grid time;"
        << " goals: standard >= 2 and expert >= 1 on the earlier operations, expert >= 1 on RowColSet)\n";
    Table table(All, out);
    const bool same = table.PrintOperations();
    table.PrintMemory();
    table.PrintScaling(Rows);
    out.flush();
    return same;
}

} // namespace GridBench
