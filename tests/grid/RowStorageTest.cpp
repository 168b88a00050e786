#include "grid/RuzuZiriPrivate.h"

#include "GridFill.h"
#include "GridInvariants.h"

#include <QPixmap>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {
// Invoice lines: number, customer, city, gross amount.
struct InvoiceGrid : testing::Test {
    RuzuZiri grid;
    void SetUp() override
    {
        Fill(grid, { 0, 0, 0, ColTypeNumber },
             { "R-1001\tMüller GmbH\tKöln\t1250", "R-1002\tStraße & Co\tMünchen\t99", "R-1003\tBäcker\tGießen\t7" });
    }
    QStringList RowTexts(int row) const
    {
        QStringList texts;
        for (int c = 0; c < grid.Cols(); ++c)
            texts << grid.CellText(row, c);
        return texts;
    }
};
} // namespace

// Which storage a row takes is the random run's to check; here the texts must survive the switch.
TEST_F(InvoiceGrid, ACellGainingAndLosingAEuroSignKeepsEveryTextOfItsRowAndOfTheOthers)
{
    const QStringList before = RowTexts(0);
    grid.CellText(0, 2, "Köln €");
    grid.CellText(2, 3, "8 €");
    EXPECT_EQ(QStringList({ "R-1001", "Müller GmbH", "Köln €", "1250" }), RowTexts(0));
    EXPECT_EQ(QStringList({ "R-1002", "Straße & Co", "München", "99" }), RowTexts(1));

    grid.CellText(0, 2, "Köln");
    grid.CellText(2, 3, "9");
    EXPECT_EQ(before, RowTexts(0));
    EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(grid).m_Model));
}

TEST_F(InvoiceGrid, WideRowsTakeNewColumnsAndSortAndFindLikeOthersAndShareSortRunsWithThem)
{
    grid.AddItem("R-1000\t東京商事\t東京\t12");
    grid.CellText(1, 1, "Straße € Co");
    grid.AddColumn("note");
    EXPECT_EQ(QStringList({ "R-1000", "東京商事", "東京", "12", "" }), RowTexts(3));
    EXPECT_EQ(QStringList({ "R-1002", "Straße € Co", "München", "99", "" }), RowTexts(1));

    grid.Sort(0, 2);
    EXPECT_EQ("東京商事", grid.CellText(0, 1));
    EXPECT_EQ(0, grid.FindItem("東京", 2, 0));
    EXPECT_EQ(2, grid.FindItem("straße €", 1, 5));
    grid.Sort(3, 1);
    EXPECT_EQ(QStringList({ "R-1001", "Müller GmbH", "Köln", "1250", "" }), RowTexts(0));

    // A wide row beside the Latin-1 one of the same customer: one run, so the invoice orders them.
    grid.AddItem("R-0999\tMüller GmbH\tKöln €\t1");
    grid.Sort(1, 2, 0, 2);
    EXPECT_EQ(QStringList({ "R-0999", "R-1001" }), QStringList({ grid.CellText(1, 0), grid.CellText(2, 0) }));
    EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(grid).m_Model));
}

TEST_F(InvoiceGrid, TagsAndPicturesTravelWithTheirRowThroughRemoveAndSort)
{
    auto stamp = std::make_shared<QPixmap>(4, 4);
    grid.CellTag(2, 1, "customer 17");
    grid.CellPicture(stamp, 2, 3);
    grid.CellTag(1, 0, "draft");

    grid.RemoveRow(0);
    EXPECT_EQ("customer 17", grid.CellTag(1, 1));
    EXPECT_EQ(stamp, grid.CellPictureGet(1, 3));
    EXPECT_EQ("draft", grid.CellTag(0, 0));

    grid.Sort(2, 1); // München before Gießen, greatest first
    grid.Sort(2, 2);
    EXPECT_EQ("Gießen", grid.CellText(0, 2));
    EXPECT_EQ("customer 17", grid.CellTag(0, 1));
    EXPECT_EQ(stamp, grid.CellPictureGet(0, 3));
    EXPECT_EQ("", grid.CellTag(0, 0));
    EXPECT_EQ(nullptr, grid.CellPictureGet(1, 3));

    grid.CellText(0, 1, "東京");
    grid.AddColumn("note");
    EXPECT_EQ("customer 17", grid.CellTag(0, 1)) << "rebuilding the texts leaves the tags alone";
    EXPECT_EQ("", grid.CellTag(0, 4));
}

TEST(GridRowCells, ATextMayBeWrittenFromItsOwnRow)
{
    const udtCell cells[2] {};
    const QAnyStringView texts[] { QStringView(u"ab"), QLatin1StringView("cd") };
    RowCells row(cells, texts);
    row.SetText(1, row.View(0));
    row.SetText(0, QStringView(u"€"));
    row.SetText(1, row.View(1));
    EXPECT_EQ("€", row.Text(0));
    EXPECT_EQ("ab", row.Text(1));
}
