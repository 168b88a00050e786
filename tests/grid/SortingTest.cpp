#include "grid/RuzuZiri.h"

#include "../platform/runtime/LocaleScope.h"
#include "GridInvariants.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

// A grid with the given column kinds, filled with TAB-joined rows.
void Fill(RuzuZiri& Grid, std::initializer_list<int> Types, const QStringList& Rows)
{
    for (const int type : Types)
        Grid.AddColumn(QStringLiteral("c"), 500, 4, type);
    for (const QString& row : Rows)
        Grid.AddItem(row);
}

QStringList Shown(const RuzuZiri& Grid, int Col)
{
    QStringList texts;
    for (int p = 0; p < Grid.ItemCount(); ++p)
        texts << Grid.CellText(p, Col);
    return texts;
}

int SortOrderOf(const RuzuZiri& Grid, int Col)
{
    return Grid.Model().m_Columns[size_t(Col)].SortOrder;
}

TEST(GridSort, EmptyGridChangesNothingAndRaisesNothing)
{
    RuzuZiri grid;
    grid.AddColumn(QStringLiteral("c"));
    int completed = 0;
    QObject::connect(&grid, &RuzuZiri::SortComplete, [&] { ++completed; });
    grid.Sort(0);
    EXPECT_EQ(0, completed);
    EXPECT_EQ(0, SortOrderOf(grid, 0));
}

TEST(GridSort, RepeatedSortStepsSmallestFirstGreatestFirstThenRecordOrder)
{
    RuzuZiri grid;
    Fill(grid, { 0 }, { "b", "c", "a" });
    grid.Sort(0);
    EXPECT_EQ(2, SortOrderOf(grid, 0));
    EXPECT_EQ(QStringList({ "a", "b", "c" }), Shown(grid, 0));
    grid.Sort(0);
    EXPECT_EQ(1, SortOrderOf(grid, 0));
    EXPECT_EQ(QStringList({ "c", "b", "a" }), Shown(grid, 0));
    grid.Sort(0);
    EXPECT_EQ(0, SortOrderOf(grid, 0));
    EXPECT_EQ(QStringList({ "b", "c", "a" }), Shown(grid, 0));

    // Record order forgot the sort column: a sort by "the stored column" has none to use.
    int completed = 0;
    QObject::connect(&grid, &RuzuZiri::SortComplete, [&] { ++completed; });
    grid.Sort(-1);
    EXPECT_EQ(0, completed);
}

TEST(GridSort, StoredColumnIsTakenAsADisplayPosition)
{
    RuzuZiri grid;
    grid.AddColumn(QStringLiteral("a"));
    grid.AddColumn(QStringLiteral("b"));
    // Shown between the two: display order 0, 2, 1.
    grid.AddColumn(QStringLiteral("c"), 500, 4, 0, QString(), QString(), 4, false, 1);
    grid.AddItem(QStringLiteral("x\t2\tq"));
    grid.AddItem(QStringLiteral("y\t1\tp"));
    grid.Sort(1, 1);
    // The 1 kept from the last sort now means display position 1, where column 2 is shown.
    grid.Sort(-1, 2);
    EXPECT_EQ(2, SortOrderOf(grid, 2));
    EXPECT_EQ(1, SortOrderOf(grid, 1));
    EXPECT_EQ(QStringList({ "p", "q" }), Shown(grid, 2));
}

TEST(GridSort, NumberColumnsSortByValueTextColumnsByText)
{
    RuzuZiri grid;
    Fill(grid, { ColTypeNumber, 0 }, { "10\t10", "9\t9", "100\t100" });
    grid.Sort(0, 2);
    EXPECT_EQ(QStringList({ "9", "10", "100" }), Shown(grid, 0));
    grid.Sort(1, 2);
    EXPECT_EQ(QStringList({ "10", "100", "9" }), Shown(grid, 1));
}

TEST(GridSort, NumbersReadInTheUsersLocale)
{
    const QStringList rows { "1.234,5", "999", "12,75", "abc" };
    {
        LocaleScope german("de_DE");
        RuzuZiri grid;
        Fill(grid, { ColTypeNumber }, rows);
        grid.Sort(0, 1);
        EXPECT_EQ(QStringList({ "1.234,5", "999", "12,75", "abc" }), Shown(grid, 0));
    }
    {
        LocaleScope english("en_US");
        RuzuZiri grid;
        Fill(grid, { ColTypeNumber }, rows);
        grid.Sort(0, 1);
        // Neither 12,75 nor 1.234,5 is an English number: they read 0 like abc and keep their order.
        EXPECT_EQ(QStringList({ "999", "1.234,5", "12,75", "abc" }), Shown(grid, 0));
    }
}

TEST(GridSort, NonDatesSortBelowDatesInBothDirections)
{
    LocaleScope german("de_DE");
    RuzuZiri grid;
    Fill(grid, { ColTypeDate }, { "24.12.2026", "offen", "1.1.2025", "2026-01-05" });
    grid.Sort(0, 2);
    EXPECT_EQ(QStringList({ "offen", "1.1.2025", "2026-01-05", "24.12.2026" }), Shown(grid, 0));
    grid.Sort(0, 1);
    EXPECT_EQ(QStringList({ "24.12.2026", "2026-01-05", "1.1.2025", "offen" }), Shown(grid, 0));
}

TEST(GridSort, CheckedRowsComeFirstWhenSmallestFirst)
{
    RuzuZiri grid;
    Fill(grid, { ColTypeCheckBox, 0 }, { "\ta", "\tb", "\tc" });
    grid.CellChecked(1, 0, true);
    grid.Sort(0, 2);
    EXPECT_EQ(QStringList({ "b", "a", "c" }), Shown(grid, 1));
    grid.Sort(0, 1);
    EXPECT_EQ(QStringList({ "a", "c", "b" }), Shown(grid, 1));
}

TEST(GridSort, TextIgnoresCaseAndFollowsTheLocale)
{
    LocaleScope german("de_DE");
    RuzuZiri grid;
    Fill(grid, { 0 }, { "zebra", "Äpfel", "birne", "Apfel", "Zander" });
    grid.Sort(0, 2);
    EXPECT_EQ(QStringList({ "Apfel", "Äpfel", "birne", "Zander", "zebra" }), Shown(grid, 0));
}

TEST(GridSort, TextsEqualButForCaseKeepTheirOrderInBothDirections)
{
    RuzuZiri grid;
    Fill(grid, { 0 }, { "b", "APFEL", "a", "apfel", "Apfel" });
    grid.Sort(0, 2);
    EXPECT_EQ(QStringList({ "a", "APFEL", "apfel", "Apfel", "b" }), Shown(grid, 0));
    grid.Sort(0, 0);
    grid.Sort(0, 1);
    EXPECT_EQ(QStringList({ "b", "APFEL", "apfel", "Apfel", "a" }), Shown(grid, 0));
}

TEST(GridSort, EqualKeysKeepTheirOrderInBothDirections)
{
    RuzuZiri grid;
    grid.AddColumn(QStringLiteral("state"));
    grid.AddColumn(QStringLiteral("id"), 500, 4, ColTypeNumber);
    const QStringList states { "offen", "bezahlt", "storniert" };
    for (int i = 0; i < 3000; ++i)
        grid.AddItem(states[i * 7 % 3] + QStringLiteral("\t%1").arg(i));

    for (const int order : { 2, 1 }) {
        grid.Sort(0, order);
        for (int p = 1; p < grid.ItemCount(); ++p) {
            if (grid.CellText(p, 0) == grid.CellText(p - 1, 0))
                ASSERT_LT(rVal(grid.CellText(p - 1, 1)), rVal(grid.CellText(p, 1))) << "position " << p;
        }
        // Back to record order, so the next direction starts from the same order.
        grid.Sort(0, 0);
    }
    EXPECT_TRUE(GridInvariants(grid.Model()));
}

TEST(GridSort, SecondaryColumnOrdersRowsOfEqualPrimaryText)
{
    RuzuZiri grid;
    Fill(grid, { 0, ColTypeNumber }, { "b\t3", "a\t2", "b\t1", "a\t10", "c\t5" });
    grid.Sort(0, 2, 1, 1);
    EXPECT_EQ(QStringList({ "a", "a", "b", "b", "c" }), Shown(grid, 0));
    EXPECT_EQ(QStringList({ "10", "2", "3", "1", "5" }), Shown(grid, 1));
}

TEST(GridSort, SecondaryColumnLeavesRowsOfDifferentPrimaryTextAlone)
{
    RuzuZiri grid;
    // The first two rows differ; only the last two form a run.
    Fill(grid, { 0, 0 }, { "a\tz", "b\ty", "c\tx", "c\tw" });
    grid.Sort(0, 2, 1, -1);
    EXPECT_EQ(QStringList({ "z", "y", "w", "x" }), Shown(grid, 1));
    EXPECT_EQ(2, SortOrderOf(grid, 1));
}

TEST(GridSort, RunsFollowTheExactPrimaryText)
{
    RuzuZiri grid;
    // 1 and 1.0 are equal numbers but different texts, so they are no run.
    Fill(grid, { ColTypeNumber, 0 }, { "1\tc", "1.0\tb", "1.0\ta" });
    grid.Sort(0, 2, 1, 2);
    EXPECT_EQ(QStringList({ "c", "a", "b" }), Shown(grid, 1));
}

TEST(GridSort, SameColumnTwiceSortsByOneColumn)
{
    RuzuZiri grid;
    Fill(grid, { 0 }, { "b", "a" });
    grid.Sort(0, 1, 0, 2);
    EXPECT_EQ(QStringList({ "b", "a" }), Shown(grid, 0));
    EXPECT_EQ(1, SortOrderOf(grid, 0));
}

TEST(GridSort, CurrentRowFollowsItsRecordAndDefaultsToTheFirstRecord)
{
    RuzuZiri grid;
    Fill(grid, { 0 }, { "c", "a", "b" });
    grid.Sort(0, 2);
    // No row was current: the first record's row becomes current.
    EXPECT_EQ(2, grid.Row());
    grid.RowColSet(0, 0);
    grid.Sort(0, 1);
    EXPECT_EQ(QStringLiteral("a"), grid.CellText(grid.Row(), 0));
    EXPECT_EQ(2, grid.Row());
}

TEST(GridSort, SortCompleteFollowsEverySortAlsoTheReset)
{
    RuzuZiri grid;
    Fill(grid, { 0 }, { "b", "a" });
    int completed = 0;
    QObject::connect(&grid, &RuzuZiri::SortComplete, [&] { ++completed; });
    grid.Sort(0, 2);
    grid.Sort(0, 0);
    EXPECT_EQ(2, completed);
}

TEST(GridSort, ColumnsOutsideTheGridAreIgnored)
{
    RuzuZiri grid;
    Fill(grid, { 0 }, { "b", "a" });
    int completed = 0;
    QObject::connect(&grid, &RuzuZiri::SortComplete, [&] { ++completed; });
    grid.Sort(1, 2);
    grid.Sort(0, 2, 5, 2);
    grid.Sort(-7, 2);
    EXPECT_EQ(0, completed);
    EXPECT_EQ(QStringList({ "b", "a" }), Shown(grid, 0));
}

TEST(GridCustomSort, HostDecidesEachComparison)
{
    RuzuZiri grid;
    Fill(grid, { ColTypeCustomSort }, { "ccc", "a", "bb" });
    QList<bool> ascending;
    QObject::connect(&grid, &RuzuZiri::CustomSort, [&](bool Ascending, int&, QString& Value1, QString& Value2, bool& Swap) {
        ascending << Ascending;
        Swap = Value1.size() < Value2.size();
    });
    grid.Sort(0, 1);
    EXPECT_EQ(QStringList({ "a", "bb", "ccc" }), Shown(grid, 0));
    ASSERT_FALSE(ascending.isEmpty());
    EXPECT_TRUE(ascending.first());
}

TEST(GridCustomSort, ValuesTheHostChangesAreStoredInTheCells)
{
    RuzuZiri grid;
    Fill(grid, { ColTypeCustomSort }, { "2", "1" });
    QObject::connect(&grid, &RuzuZiri::CustomSort, [&](bool, int&, QString& Value1, QString& Value2, bool&) {
        Value1 += QLatin1Char('!');
        Value2 += QLatin1Char('?');
    });
    grid.Sort(0, 2);
    EXPECT_EQ(QStringList({ "2?", "1!" }), Shown(grid, 0));
    EXPECT_TRUE(GridInvariants(grid.Model()));
}

TEST(GridCustomSort, HostMaySwitchTheColumnForLaterComparisons)
{
    RuzuZiri grid;
    Fill(grid, { ColTypeCustomSort, 0 }, { "x\t3", "x\t1", "x\t2" });
    QStringList seen;
    QObject::connect(&grid, &RuzuZiri::CustomSort, [&](bool, int& Col, QString& Value1, QString&, bool&) {
        seen << Value1;
        Col = 1;
    });
    grid.Sort(0, 2);
    ASSERT_LE(2, seen.size());
    EXPECT_EQ(QStringLiteral("x"), seen[0]);
    EXPECT_NE(QStringLiteral("x"), seen[1]);
}

TEST(GridCustomSort, RandomAnswersEndWithAPermutation)
{
    RuzuZiri grid;
    grid.AddColumn(QStringLiteral("c"), 500, 4, ColTypeCustomSort);
    for (int i = 0; i < 500; ++i)
        grid.AddItem(QString::number(i));
    QRandomGenerator random(42);
    int questions = 0;
    QObject::connect(&grid, &RuzuZiri::CustomSort, [&](bool, int& Col, QString&, QString&, bool& Swap) {
        ++questions;
        Swap = random.bounded(2) == 1;
        Col = random.bounded(-3, 3);
    });
    grid.Sort(0, 2);
    EXPECT_TRUE(GridInvariants(grid.Model()));
    // A merge sort asks at most n log2 n questions.
    EXPECT_LE(questions, 500 * 9);
}

TEST(GridCustomSort, HostThatChangesTheRowsStopsTheSort)
{
    RuzuZiri grid;
    Fill(grid, { ColTypeCustomSort }, { "c", "b", "a", "d" });
    int questions = 0;
    QObject::connect(&grid, &RuzuZiri::CustomSort, [&](bool, int&, QString&, QString&, bool& Swap) {
        ++questions;
        grid.RemoveRow(0);
        Swap = true;
    });
    grid.Sort(0, 2);
    EXPECT_EQ(1, questions);
    EXPECT_EQ(3, grid.ItemCount());
    EXPECT_TRUE(GridInvariants(grid.Model()));
}

TEST(GridCustomSort, SortFromTheHandlerIsIgnored)
{
    RuzuZiri grid;
    Fill(grid, { ColTypeCustomSort, 0 }, { "b\t2", "a\t1" });
    int completed = 0;
    QObject::connect(&grid, &RuzuZiri::SortComplete, [&] { ++completed; });
    QObject::connect(&grid, &RuzuZiri::CustomSort, [&](bool, int&, QString&, QString&, bool& Swap) {
        grid.Sort(1, 2);
        Swap = true;
    });
    grid.Sort(0, 2);
    EXPECT_EQ(1, completed);
    EXPECT_EQ(0, SortOrderOf(grid, 1));
    EXPECT_EQ(QStringList({ "a", "b" }), Shown(grid, 0));
}

} // namespace

namespace {

TEST(GridSort, AnyOtherOrderSortsSmallestFirst)
{
    RuzuZiri grid;
    Fill(grid, { 0 }, { "b", "c", "a" });
    // 65537 would read as 1 if it were cut to 16 bits.
    for (const int order : { 3, -5, 65537 }) {
        grid.Sort(0, order);
        EXPECT_EQ(QStringList({ "a", "b", "c" }), Shown(grid, 0)) << order;
        EXPECT_EQ(order, SortOrderOf(grid, 0));
    }
}

} // namespace
