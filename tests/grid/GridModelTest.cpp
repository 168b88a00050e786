#include <tarvex/grid/model/GridModel.h>

#include "GridInvariants.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Tarvex;

namespace {
const CellLook Plain { qint32(0x80000005), qint32(0x80000008), "Sans", false, 0 };

GridModel ModelWithColumns(int count)
{
    GridModel model;
    for (int c = 0; c < count; ++c)
        model.AddColumn(udtColumn {}, 0, Plain);
    return model;
}

std::vector<QString> TextsInDisplayOrder(const GridModel& model)
{
    std::vector<QString> texts;
    for (int p = 0; p <= model.LastRow(); ++p)
        texts.push_back(model.RowAt(p).Cells.Text(0));
    return texts;
}
} // namespace

TEST(GridModelRows, InsertShiftsLaterPositionsAndRemoveRenumbersLaterRecords)
{
    GridModel model = ModelWithColumns(1);
    model.AddRow(u"a", -1, Plain);
    model.AddRow(u"b", -1, Plain);
    EXPECT_EQ(0, model.AddRow(u"c", 0, Plain));
    EXPECT_EQ(3, model.AddRow(u"d", 3, Plain)); // a position at the end appends
    EXPECT_EQ(4, model.AddRow(u"e", 99, Plain));
    EXPECT_EQ((std::vector<int> { 2, 0, 1, 3, 4 }), model.RowOrder());

    model.RemoveRow(2); // b, record 1
    EXPECT_EQ((std::vector<QString> { "c", "a", "d", "e" }), TextsInDisplayOrder(model));
    EXPECT_EQ((std::vector<int> { 1, 0, 2, 3 }), model.RowOrder());
    EXPECT_TRUE(GridInvariants(model));
}

TEST(GridModelRows, RemoveRowsKeepsTheSurvivorsInTheirOrderAndTheirTotals)
{
    GridModel model = ModelWithColumns(2);
    for (int i = 0; i < 10; ++i)
        model.AddRow(QString("%1\t%2").arg(i).arg(i * 10), i % 2 ? 0 : -1, Plain);
    // Shown as 9 7 5 3 1 0 2 4 6 8, so display order and record order differ.
    EXPECT_EQ(4, model.RemoveRows([](const udtRow& row) { return row.Cells.Text(0).toInt() % 3 == 0; }));
    EXPECT_EQ((std::vector<QString> { "7", "5", "1", "2", "4", "8" }), TextsInDisplayOrder(model));
    EXPECT_EQ(0.0 + 1 + 2 + 4 + 5 + 7 + 8, model.TotalsValue()[0]);
    EXPECT_TRUE(GridInvariants(model));
}

TEST(GridModelRows, StorageGrowsGeometricallyAndAtLeastByTheCacheIncrement)
{
    GridModel model = ModelWithColumns(1);
    model.CacheIncrement(50);
    model.AddRow(u"x", -1, Plain);
    EXPECT_GE(model.Rows().capacity(), 50u);

    int growths = 0;
    for (int i = 0; i < 100000; ++i) {
        const size_t capacity = model.Rows().capacity();
        model.AddRow(u"x", -1, Plain);
        growths += model.Rows().capacity() != capacity ? 1 : 0;
    }
    EXPECT_LT(growths, 20); // one record copied per added row on average, not one reallocation per row
}

TEST(GridModelFormats, ARecordFreedByItsLastCellIsReusedBeforeTheTableGrows)
{
    GridModel model = ModelWithColumns(2);
    model.AddRow(u"a\tb", -1, Plain);
    model.AddRow(u"c\td", -1, Plain);
    model.ApplyCellFormat(0, 0, FormatForeColor, 1, Plain);
    const int red = model.CellAt(0, 0).FormatIndex;
    model.ApplyCellFormat(0, 0, FormatForeColor, 2, Plain);
    EXPECT_EQ(0, model.CellFormats()[red].UseCount);
    model.ApplyCellFormat(1, 0, FormatForeColor, 3, Plain);
    EXPECT_EQ(red, model.CellAt(1, 0).FormatIndex);
    for (int i = 0; i < 1000; ++i) // toggling between two looks never grows the table
        model.ApplyCellFormat(1, 1, FormatFontName, i % 2 ? "Serif" : "Mono", Plain);
    EXPECT_EQ(11u, model.CellFormats().size()); // the one record of a cleared table, then ten more
    EXPECT_TRUE(GridInvariants(model));
}

// Totals of an invoicing grid must not lose small amounts beside large ones, nor stay infinite once
// the amounts that overflowed are gone.
TEST(GridModelTotals, RunningTotalsNeitherDriftNorStayInfinite)
{
    const QString huge = QStringLiteral("1") + QString(308, u'0');
    const struct {
        QStringList rows;
        int removedPosition;  // -1 = none
        QString newFirstText; // written to the first row left; null = none
        double total;
    } cases[] {
        { { "10000000000000000", "1" }, 0, {}, 1.0 },
        { { "1", "10000000000000000", "-10000000000000000" }, -1, {}, 1.0 },
        { { "10000000000000000", "1", "1" }, -1, "0", 2.0 },
        { { huge, huge, "5" }, -1, {}, std::numeric_limits<double>::infinity() },
        { { huge, huge, "5" }, 0, {}, 1e308 },
        { { huge, huge, "-" + huge }, -1, "1", 1.0 },
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        GridModel model = ModelWithColumns(1);
        for (const QString& row : c.rows)
            model.AddRow(row, -1, Plain);
        if (c.removedPosition >= 0)
            model.RemoveRow(c.removedPosition);
        if (!c.newFirstText.isNull())
            model.StoreText(model.RowOrder()[0], 0, c.newFirstText);
        EXPECT_EQ(c.total, model.TotalsValue()[0]) << "case " << i;
    }
}
