#include "grid/RuzuZiriPrivate.h"

#include "../platform/runtime/LocaleScope.h"
#include "GridInvariants.h"

#include <tarvex/platform/ImageList.h>

#include <QPixmap>

#include <gtest/gtest.h>

#include <limits>

using namespace Tarvex;

namespace {
// Two text columns, a check-box column and a progress column, three rows.
struct CellGrid : testing::Test {
    RuzuZiri grid;
    void SetUp() override
    {
        grid.AddColumn("name");
        grid.AddColumn("amount", 500, 2, ColTypeNumber);
        grid.AddColumn("done", 500, 4, ColTypeCheckBox);
        grid.AddColumn("progress", 500, 4, ColTypeProgressBar);
        grid.AddItem("a\t1\t0\t");
        grid.AddItem("b\t2\t1\t");
        grid.AddItem("c\t3\t0\t");
    }
};
} // namespace

TEST(GridProgressColumn, ValuesAreClampedAndLeaveTheCellsFormatBitsAlone)
{
    RuzuZiri grid;
    grid.AddColumn("name");
    grid.AddColumn("progress", 500, 4, ColTypeProgressBar, "", "", 4, true); // word wrap
    grid.AddItem("a\t");
    grid.CellProgressValue(0, 0, 50); // only progress columns keep a value
    EXPECT_EQ(0, grid.CellProgressValue(0, 0));
    EXPECT_EQ(0, RuzuZiriPrivate::Of(grid).m_Model.CellAt(0, 0).Flags);
    grid.CellProgressValue(0, 1, 50);
    EXPECT_FALSE(grid.CellFontBold(0, 1));
    EXPECT_TRUE(grid.CellWordWrap(0, 1));
    grid.CellFontBold(0, 1, true);
    grid.CellWordWrap(0, 1, false);
    EXPECT_EQ(50, grid.CellProgressValue(0, 1));
    grid.CellProgressValue(0, 1, -5);
    EXPECT_EQ(0, grid.CellProgressValue(0, 1));
    grid.CellProgressValue(0, 1, 127);
    EXPECT_TRUE(grid.CellFontBold(0, 1));
    EXPECT_EQ(100, grid.CellProgressValue(0, 1));
}

TEST_F(CellGrid, TextKeepsTheColumnTotalAndMarksTheCellAndRowChanged)
{
    grid.CellText(1, 1, "10");
    {
        LocaleScope german("de_DE");
        grid.CellValue(0, 1, QString("12,5")); // stored in the standard form
    }
    EXPECT_EQ("12,5", grid.CellText(0, 1));
    EXPECT_EQ(25.5, RuzuZiriPrivate::Of(grid).m_Model.TotalsValue()[1]);
    EXPECT_TRUE(grid.CellChanged(1, 1));
    EXPECT_TRUE(IsFlagSet(RuzuZiriPrivate::Of(grid).m_Model.RowAt(1).Flags, RowFlagChanged));
    EXPECT_TRUE(grid.CellsChanged());
    EXPECT_FALSE(grid.CellChanged(2, 1));
}

// The standard form is the locale's, in full digits, so that the grid's own reading gives the number back.
TEST_F(CellGrid, ValuesAreStoredInTheLocalesFormAndReadBackUnchanged)
{
    const struct { const char* locale; double value; const char* text; /* nullptr = too long to spell out */ } cases[] {
        { "de_DE", 1.234, "1,234" },
        { "de_DE", 0.001, "0,001" },
        { "de_DE", 1e-7, "0,0000001" },
        { "de_DE", 123456789.25, "123456789,25" },
        { "de_DE", -2.5, "-2,5" },
        { "de_DE", 1e300, nullptr },
        { "en_US", 1.234, "1.234" },
        { "en_US", 1e-7, "0.0000001" },
        { "en_US", 1e300, nullptr },
    };
    for (const auto& c : cases) {
        LocaleScope locale(c.locale);
        grid.CellValue(0, 1, c.value);
        const QString text = grid.CellText(0, 1);
        if (c.text) {
            EXPECT_EQ(c.text, text) << c.locale << " " << c.value;
        }
        EXPECT_EQ(c.value, grid.CellValue(0, 1).toDouble()) << c.locale << " " << text.toStdString();
        grid.CellValue(0, 1, text); // a text takes the same road back
        EXPECT_EQ(text, grid.CellText(0, 1)) << c.locale;
    }
    EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(grid).m_Model));
}

TEST_F(CellGrid, ValuesThatAreNoFiniteNumberLeaveTheCell)
{
    grid.CellValue(0, 1, std::numeric_limits<double>::quiet_NaN());
    grid.CellValue(0, 1, std::numeric_limits<double>::infinity());
    EXPECT_EQ("1", grid.CellText(0, 1));
    grid.CellValue(0, 1, true);
    EXPECT_EQ("-1", grid.CellText(0, 1));
}

TEST_F(CellGrid, CheckBoxTextAndCheckFollowEachOther)
{
    for (const auto& [text, checked] : { std::pair { "1", true }, { "0", false }, { "", false }, { "-3", true } }) {
        grid.AddItem(QString("x\t0\t%1\t").arg(text));
        EXPECT_EQ(checked, grid.CellChecked(grid.ItemCount() - 1, 2)) << "added " << text;
        grid.CellText(0, 2, text);
        EXPECT_EQ(checked, grid.CellChecked(0, 2)) << "written " << text;
    }
    grid.CellChecked(0, 2, true);
    EXPECT_EQ("True", grid.CellText(0, 2));
    EXPECT_EQ(QVariant(true), grid.CellValue(0, 2));
    grid.CellChecked(0, 2, false);
    EXPECT_EQ("False", grid.CellText(0, 2));
}

TEST_F(CellGrid, MinusOneAddressesTheCurrentCell)
{
    grid.RowColSet(2, 1);
    grid.CellText(-1, -1, "7");
    grid.CellTag(-1, -1, "note");
    EXPECT_EQ("7", grid.CellText(2, 1));
    EXPECT_EQ("note", grid.CellTag(2, 1));
}

TEST_F(CellGrid, WritesPastTheLastRowOrColumnChangeNoCell)
{
    for (const auto& [row, col] : { std::pair { 3, 0 }, { 99, 1 }, { 0, 4 } }) {
        grid.CellText(row, col, "x");
        grid.CellBackColor(row, col, 1);
        grid.CellFontBold(row, col, true);
        grid.CellAlignment(row, col, 9);
    }
    // Writing the last row instead would overwrite another row's data.
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) {
            EXPECT_NE("x", grid.CellText(row, col));
            EXPECT_NE(1, grid.CellBackColor(row, col));
            EXPECT_FALSE(grid.CellFontBold(row, col));
            EXPECT_NE(9, grid.CellAlignment(row, col));
        }
    }
    EXPECT_EQ("", grid.CellText(0, 4));
    EXPECT_FALSE(grid.CellValue(0, 4).isValid());
    EXPECT_EQ(nullptr, grid.CellPictureGet(0, 4));
    grid.CellImage(1, 0, 70000);    // beyond what a cell stores
    grid.CellImage(1, 0, "folder"); // no image list to look the key up in
    EXPECT_EQ(QVariant(0), grid.CellImage(1, 0));
    EXPECT_FALSE(grid.CellsChanged());
    EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(grid).m_Model)); // a refused write leaves no count or sum behind

    RuzuZiri empty; // no rows, so no current cell either
    empty.AddColumn("a");
    empty.CellText(-1, -1, "x");
    empty.CellProgressBarColor(-1, -1, 5);
    EXPECT_EQ("", empty.CellText());
    EXPECT_EQ(0x8080FF, empty.CellProgressBarColor(-1, -1));
}

TEST_F(CellGrid, FormatCellsSetsEachCellOfTheRange)
{
    grid.CellFontName(0, 0, "Mono");
    grid.FormatCells(1, 2, 0, 1, FormatBackColor, "255");
    grid.FormatCells(0, -1, 0, -1, FormatBold, "1");
    grid.FormatCells(0, 0, 1, 1, FormatAlignment, "", 2);
    grid.FormatCells(0, -1, 0, -1, FormatFontName, "   "); // a blank name keeps the fonts
    EXPECT_EQ(255, grid.CellBackColor(2, 1));
    EXPECT_NE(255, grid.CellBackColor(0, 0));
    const GridModel& records = RuzuZiriPrivate::Of(grid).m_Model;
    EXPECT_EQ(4, records.CellFormats()[records.CellAt(1, 0).FormatIndex].UseCount);
    EXPECT_TRUE(grid.CellFontBold(2, 3));
    EXPECT_EQ(2, grid.CellAlignment(0, 1));
    EXPECT_EQ("Mono", grid.CellFontName(0, 0));
    EXPECT_TRUE(GridInvariants(records));
}

TEST_F(CellGrid, AnImageKeyNamesTheImageListsEntryByItsIndex)
{
    ImageList images;
    for (const char* key : { "one", "two", "three" })
        images.Add(QPixmap(16, 16), QString::fromLatin1(key));
    grid.ImageList(&images);
    struct Case {
        QVariant Written;
        int Shown; // the image index the cell reads back
    };
    const Case cases[] {
        { QStringLiteral("two"), 2 },
        { QStringLiteral("missing"), 2 }, // a key the list lacks keeps the image
        { 3, 3 },
        { QStringLiteral("1"), 1 }, // a number's text names the index, not a key
        { QStringLiteral("three"), 3 },
    };
    for (const Case& c : cases) {
        grid.CellImage(0, 0, c.Written);
        EXPECT_EQ(QVariant(c.Shown), grid.CellImage(0, 0)) << c.Written.toString().toStdString();
    }

    grid.FormatCells(1, 2, 0, 1, FormatImage, QStringLiteral("two"));
    grid.FormatCells(2, 2, 1, 1, FormatImage, QStringLiteral("1"));
    EXPECT_EQ(QVariant(2), grid.CellImage(1, 0));
    EXPECT_EQ(QVariant(2), grid.CellImage(2, 0));
    EXPECT_EQ(QVariant(1), grid.CellImage(2, 1));
    EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(grid).m_Model));
}

TEST_F(CellGrid, FormatCellsAlignmentCountsRowsInCreationOrder)
{
    grid.AddRow("first", 0); // record 3 shown at position 0
    grid.FormatCellsAlignment(3, 3, 0, 0, 9);
    EXPECT_EQ(9, grid.CellAlignment(0, 0));
    EXPECT_EQ(4, grid.CellAlignment(3, 0));
}
