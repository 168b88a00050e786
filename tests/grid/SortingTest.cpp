#include "grid/RuzuZiriPrivate.h"

#include "../platform/runtime/LocaleScope.h"
#include "GridFill.h"
#include "GridInvariants.h"

#include <QRandomGenerator>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

int SortOrderOf(const RuzuZiri& Grid, int Col)
{
    return RuzuZiriPrivate::Of(Grid).m_Model.Columns()[size_t(Col)].SortOrder;
}

// A grid that counts the sorts it reports as complete.
struct GridSort : testing::Test {
    RuzuZiri grid;
    int completed = 0;
    GridSort() { QObject::connect(&grid, &RuzuZiri::SortComplete, [this] { ++completed; }); }
};
using GridCustomSort = GridSort;

TEST_F(GridSort, RepeatedSortStepsSmallestFirstGreatestFirstThenRecordOrderAndTheCurrentRowFollows)
{
    grid.AddColumn(QStringLiteral("c"));
    grid.Sort(0); // no rows to sort
    Fill(grid, {}, { "b", "c", "a" });
    grid.Sort(1, 2);
    grid.Sort(0, 2, 5, 2);
    grid.Sort(-7, 2);
    EXPECT_EQ(0, completed);
    EXPECT_EQ(0, SortOrderOf(grid, 0));
    EXPECT_EQ(QStringList({ "b", "c", "a" }), Shown(grid, 0));

    // No row was current: the first record's row becomes current, then follows its record.
    const struct { QStringList shown; int row; } steps[] { { { "a", "b", "c" }, 1 }, { { "c", "b", "a" }, 1 }, { { "b", "c", "a" }, 0 } };
    for (int step = 0; step < 3; ++step) {
        grid.Sort(0);
        EXPECT_EQ(2 - step, SortOrderOf(grid, 0));
        EXPECT_EQ(steps[step].shown, Shown(grid, 0));
        EXPECT_EQ(steps[step].row, grid.Row()) << step;
    }
    EXPECT_EQ(3, completed); // the reset to record order is reported too

    // Record order forgot the sort column: a sort by "the stored column" has none to use.
    grid.Sort(-1);
    EXPECT_EQ(3, completed);

    // 65537 would read as 1 if it were cut to 16 bits.
    for (const int order : { 3, -5, 65537 }) {
        grid.Sort(0, order);
        EXPECT_EQ(QStringList({ "a", "b", "c" }), Shown(grid, 0)) << order;
        EXPECT_EQ(order, SortOrderOf(grid, 0));
    }
}

TEST_F(GridSort, MinusOneSortsTheColumnSortedLastWhereverItIsShown)
{
    Fill(grid, { 0, 0 }, {});
    // Shown between the two: display order 0, 2, 1.
    grid.AddColumn(QStringLiteral("c"), 500, 4, 0, QString(), QString(), 4, false, 1);
    Fill(grid, {}, { "x\t2\tp", "y\t1\tq" });
    grid.Sort(1, 2);
    EXPECT_EQ(QStringList({ "1", "2" }), Shown(grid, 1));
    for (const int order : { 1, 2, 1 }) {
        grid.Sort(-1, order);
        EXPECT_EQ(order, SortOrderOf(grid, 1));
        EXPECT_EQ(order == 1 ? QStringList({ "2", "1" }) : QStringList({ "1", "2" }), Shown(grid, 1));
    }
    EXPECT_EQ(0, SortOrderOf(grid, 2));
}

TEST(GridSortKeys, EachColumnKindSortsByItsOwnKeyInBothDirections)
{
    const struct {
        const char* locale;
        int type;
        QStringList rows;
        QStringList smallestFirst;
        QStringList greatestFirst;
    } cases[] {
        { "de_DE", ColTypeNumber, { "1.234,5", "999", "12,75", "abc" }, { "abc", "12,75", "999", "1.234,5" },
          { "1.234,5", "999", "12,75", "abc" } },
        // Neither 12,75 nor 1.234,5 is an English number: they read 0 like abc and keep their order.
        { "en_US", ColTypeNumber, { "1.234,5", "999", "12,75", "abc" }, { "1.234,5", "12,75", "abc", "999" },
          { "999", "1.234,5", "12,75", "abc" } },
        // Texts that are no dates sort below every date.
        { "de_DE", ColTypeDate, { "24.12.2026", "offen", "1.1.2025", "2026-01-05" },
          { "offen", "1.1.2025", "2026-01-05", "24.12.2026" }, { "24.12.2026", "2026-01-05", "1.1.2025", "offen" } },
        { "en_US", ColTypeCheckBox, { "", "1", "0" }, { "1", "", "0" }, { "", "0", "1" } }, // checked first
        // Case is ignored, the locale places the umlaut, and texts equal but for case keep their order.
        { "de_DE", 0, { "zebra", "Äpfel", "APFEL", "birne", "Apfel", "Zander", "apfel" },
          { "APFEL", "Apfel", "apfel", "Äpfel", "birne", "Zander", "zebra" },
          { "zebra", "Zander", "birne", "Äpfel", "APFEL", "Apfel", "apfel" } },
    };
    for (const auto& c : cases) {
        LocaleScope locale(c.locale);
        RuzuZiri grid;
        Fill(grid, { c.type }, c.rows);
        grid.Sort(0, 2);
        EXPECT_EQ(c.smallestFirst, Shown(grid, 0)) << c.locale << " " << c.type;
        grid.Sort(0, 0);
        grid.Sort(0, 1);
        EXPECT_EQ(c.greatestFirst, Shown(grid, 0)) << c.locale << " " << c.type;
    }
}

TEST_F(GridSort, EqualKeysKeepTheirOrderInBothDirections)
{
    Fill(grid, { 0, ColTypeNumber }, {}); // state, id
    const QStringList states { "offen", "bezahlt", "storniert" };
    for (int i = 0; i < 3000; ++i)
        grid.AddItem(states[i * 7 % 3] + QStringLiteral("\t%1").arg(i));

    for (const int order : { 2, 1 }) {
        grid.Sort(0, order);
        for (int p = 1; p < grid.ItemCount(); ++p) {
            if (grid.CellText(p, 0) == grid.CellText(p - 1, 0)) {
                ASSERT_LT(rVal(grid.CellText(p - 1, 1)), rVal(grid.CellText(p, 1))) << "position " << p;
            }
        }
        // Back to record order, so the next direction starts from the same order.
        grid.Sort(0, 0);
    }
    EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(grid).m_Model));
}

TEST_F(GridSort, SecondaryColumnOrdersOnlyRunsOfTheExactSamePrimaryText)
{
    Fill(grid, { 0, ColTypeNumber }, { "b\t3", "a\t2", "b\t1", "a\t10", "c\t5" });
    grid.Sort(0, 2, 1, 1);
    EXPECT_EQ(QStringList({ "a", "a", "b", "b", "c" }), Shown(grid, 0));
    EXPECT_EQ(QStringList({ "10", "2", "3", "1", "5" }), Shown(grid, 1));

    RuzuZiri texts; // only the last two rows form a run
    Fill(texts, { 0, 0 }, { "a\tz", "b\ty", "c\tx", "c\tw" });
    texts.Sort(0, 2, 1, -1);
    EXPECT_EQ(QStringList({ "z", "y", "w", "x" }), Shown(texts, 1));
    EXPECT_EQ(2, SortOrderOf(texts, 1));

    RuzuZiri numbers; // 1 and 1.0 are equal numbers but different texts, so they are no run
    Fill(numbers, { ColTypeNumber, 0 }, { "1\tc", "1.0\tb", "1.0\ta" });
    numbers.Sort(0, 2, 1, 2);
    EXPECT_EQ(QStringList({ "c", "a", "b" }), Shown(numbers, 1));
    numbers.Sort(1, 1, 1, 2); // the same column twice sorts by that column once
    EXPECT_EQ(QStringList({ "c", "b", "a" }), Shown(numbers, 1));
    EXPECT_EQ(1, SortOrderOf(numbers, 1));
}

TEST_F(GridCustomSort, HostDecidesEachComparison)
{
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

TEST_F(GridCustomSort, ValuesTheHostChangesAreStoredInTheCells)
{
    Fill(grid, { ColTypeCustomSort }, { "2", "1" });
    QObject::connect(&grid, &RuzuZiri::CustomSort, [&](bool, int&, QString& Value1, QString& Value2, bool&) {
        Value1 += QLatin1Char('!');
        Value2 += QLatin1Char('?');
    });
    grid.Sort(0, 2);
    EXPECT_EQ(QStringList({ "2?", "1!" }), Shown(grid, 0));
    EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(grid).m_Model));
}

TEST_F(GridCustomSort, HostMaySwitchTheColumnForLaterComparisons)
{
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

TEST_F(GridCustomSort, RandomAnswersEndWithAPermutation)
{
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
    EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(grid).m_Model));
    // A merge sort asks at most n log2 n questions.
    EXPECT_LE(questions, 500 * 9);
}

TEST_F(GridCustomSort, AHandlerThatChangesTheGridStopsTheSortAndCannotStartAnother)
{
    Fill(grid, { ColTypeCustomSort, 0 }, { "c\t3", "b\t2", "a\t1", "d\t4" });
    int questions = 0;
    QObject::connect(&grid, &RuzuZiri::CustomSort, [&](bool, int&, QString&, QString&, bool& Swap) {
        ++questions;
        grid.Sort(1, 2);
        grid.RemoveRow(0);
        Swap = true;
    });
    grid.Sort(0, 2);
    EXPECT_EQ(1, questions);
    EXPECT_EQ(3, grid.ItemCount());
    EXPECT_EQ(0, SortOrderOf(grid, 1));
}

} // namespace

// Hidden rows take part in the last page's count, so a sort that moves them moves where the last
// page starts: the list shown at its end stays filled to the bottom, no blank row under it. With no
// current row to follow, the sorted rows show all the same.
TEST_F(GridSort, ASortThatMovesHiddenRowsKeepsTheLastPageFull)
{
    grid.AddColumn(QStringLiteral("n"));
    for (int r = 0; r < 30; ++r)
        grid.AddItem(QString::number(r));
    for (int r : { 0, 1, 2 })
        grid.RowVisible(r, false);
    grid.resize(200, 160);
    grid.show();
    grid.Redraw(true);
    auto* bar = grid.findChild<QScrollBar*>(QStringLiteral("ScrollBar(1)"));
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    grid.Sort(0, 1); // greatest first: the hidden rows move to the end
    const int maximum = bar->maximum();
    const int first = grid.RowFirstVisible();
    grid.Refresh();
    EXPECT_EQ(bar->maximum(), maximum);
    EXPECT_EQ(grid.RowFirstVisible(), first);
}
