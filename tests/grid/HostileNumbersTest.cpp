#include "TestFonts.h"
#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/PropertyBag.h>

#include <QPixmap>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <limits>

using namespace Tarvex;

namespace {

constexpr int Filled = 2000;     // rows a host adds before the number comes
constexpr int AddedAfter = 50;   // rows it adds after, so that the row storage grows again
constexpr int GridHeight = 300;  // pixels

QFont Huge(int Pixels)
{
    QFont font = DejaVuSans();
    font.setPixelSize(Pixels);
    return font;
}

// A number a host hands a member, or a form file holds under the member's key.
struct HostileNumber {
    std::string Name;
    QVariant Value;
    std::function<void(RuzuZiri&, const QVariant&)> Write;
    std::function<QVariant(const RuzuZiri&)> Read; // empty: no form file holds the value
    QVariantMap With {};                           // other keys of the form, loaded in both ways
};

// A saved property: its key is its name.
template <typename T, typename Arg>
HostileNumber Saved(const char* Key, T Value, void (RuzuZiri::*Write)(Arg), T (RuzuZiri::*Read)() const,
    const QVariantMap& With = {})
{
    return { Key, QVariant::fromValue(Value), [Write](RuzuZiri& g, const QVariant& v) { (g.*Write)(v.value<T>()); },
             [Read](const RuzuZiri& g) { return QVariant::fromValue((g.*Read)()); }, With };
}

// The line closing a frozen block is drawn twice as wide as the others.
const QVariantMap FrozenFirstColumn { { QStringLiteral("FreezeAtCol"), 0 } };

HostileNumber Member(const char* Name, double Value, const std::function<void(RuzuZiri&, double)>& Write)
{
    return { Name, Value, [Write](RuzuZiri& g, const QVariant& v) { Write(g, v.toDouble()); }, {} };
}

const HostileNumber Numbers[] {
    Saved("CacheIncrement", INT_MAX, &RuzuZiri::CacheIncrement, &RuzuZiri::CacheIncrement),
    Saved("CacheIncrement", -5, &RuzuZiri::CacheIncrement, &RuzuZiri::CacheIncrement),
    Saved("MinVerticalOffset", -20, &RuzuZiri::MinVerticalOffset, &RuzuZiri::MinVerticalOffset),
    Saved("MinVerticalOffset", INT_MIN, &RuzuZiri::MinVerticalOffset, &RuzuZiri::MinVerticalOffset),
    Saved("MinVerticalOffset", INT_MAX, &RuzuZiri::MinVerticalOffset, &RuzuZiri::MinVerticalOffset),
    Saved("ColumnHeaderLines", qint16(-20), &RuzuZiri::ColumnHeaderLines, &RuzuZiri::ColumnHeaderLines),
    Saved("FreezeAtCol", INT_MAX, &RuzuZiri::FreezeAtCol, &RuzuZiri::FreezeAtCol),
    Saved("FontHeader", Huge(30000), &RuzuZiri::FontHeader, &RuzuZiri::FontHeader),
    Saved("GridLineWidth", 2000000000, &RuzuZiri::GridLineWidth, &RuzuZiri::GridLineWidth, FrozenFirstColumn),
    Saved("GridLineWidth", INT_MAX, &RuzuZiri::GridLineWidth, &RuzuZiri::GridLineWidth, FrozenFirstColumn),
    Saved("GridLineWidth", INT_MIN, &RuzuZiri::GridLineWidth, &RuzuZiri::GridLineWidth, FrozenFirstColumn),
    Saved("GridLineWidth", 0, &RuzuZiri::GridLineWidth, &RuzuZiri::GridLineWidth, FrozenFirstColumn),
    Saved("ScaleUnits", INT_MAX, &RuzuZiri::ScaleUnits, &RuzuZiri::ScaleUnits),
    Saved("ScaleUnits", -3, &RuzuZiri::ScaleUnits, &RuzuZiri::ScaleUnits),
    Saved("ScaleUnits", 0, &RuzuZiri::ScaleUnits, &RuzuZiri::ScaleUnits),
    // Inches: the columns the host adds at 1500 are far wider than any window.
    Saved("ScaleUnits", 5, &RuzuZiri::ScaleUnits, &RuzuZiri::ScaleUnits),
    Member("SBLargeChange(vertical)", INT_MIN, [](RuzuZiri& g, double v) { g.SBLargeChange(1, int(v)); }),
    Member("SBLargeChange(horizontal) after a million", INT_MAX, [](RuzuZiri& g, double v) {
        g.SBLargeChange(0, 1000000);
        g.SBLargeChange(0, int(v));
    }),
    Member("RowHeight of the last row, shown", 2147483520, [](RuzuZiri& g, double v) {
        g.RowColSet(g.ItemCount() - 1, 0);
        g.RowHeight(g.ItemCount() - 1, float(v));
    }),
    // As the per-user settings store hands its widths over; twips, so near -2e9 pixels.
    Member("ColWidth of every column", -3e10, [](RuzuZiri& g, double v) {
        for (int c = 0; c < g.Cols(); ++c)
            g.ColWidth(c, float(v));
    }),
    Member("ColWidth of every column", std::numeric_limits<double>::quiet_NaN(), [](RuzuZiri& g, double v) {
        for (int c = 0; c < g.Cols(); ++c)
            g.ColWidth(c, float(v));
    }),
    Member("Width of a column added", std::numeric_limits<double>::quiet_NaN(),
        [](RuzuZiri& g, double v) { g.AddColumn(QStringLiteral("added"), float(v)); }),
    Member("RowHeight of the first row", std::numeric_limits<double>::quiet_NaN(),
        [](RuzuZiri& g, double v) { g.RowHeight(0, float(v)); }),
    Member("ImageHeight of the bound image list", INT_MIN, [](RuzuZiri& g, double v) { g.ImageList()->ImageHeight(int(v)); }),
};

// The archive page's grid: loaded in run mode (so with its scroll bars), three columns, an image on
// its first row, filled and painted.
struct ArchiveGrid {
    RuzuZiri Grid;
    ImageList Images;

    explicit ArchiveGrid(PropertyBag& Bag)
    {
        Grid.resize(400, GridHeight);
        Grid.ReadProperties(Bag);
        QPixmap stamp(16, 16);
        stamp.fill(Qt::darkGreen);
        Images.Add(stamp, QStringLiteral("paid"));
        Grid.ImageList(&Images);
        for (const char* heading : { "Number", "Customer", "Amount" })
            Grid.AddColumn(heading, 1500);
        for (int r = 0; r < Filled; ++r)
            Grid.AddItem(QStringLiteral("R-%1\tcustomer\t%2").arg(r).arg(r * 7));
        Grid.RowImage(0, 1);
        Grid.Redraw(true);
    }

    // The host goes on filling after the number came, then shows the grid again.
    void FillMoreAndShow()
    {
        for (int r = 0; r < AddedAfter; ++r)
            Grid.AddItem(QStringLiteral("N-%1\tnew\t1").arg(r));
        Grid.Refresh();
    }

    // Every row and the header are a pixel high at least, so a page holds no more rows than pixels.
    void ExpectSoundLayout(const std::string& Case)
    {
        RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(Grid);
        EXPECT_EQ(Filled + AddedAfter, Grid.ItemCount()) << Case;
        EXPECT_GE(inside.m_Geometry.m_Metrics.HeaderHeight, 1) << Case;
        EXPECT_GE(inside.m_Geometry.m_RowHeightDef, 1) << Case;
        EXPECT_LE(Grid.RowLastVisible() - Grid.RowFirstVisible(), GridHeight) << Case;
        for (int p = Grid.RowFirstVisible(); p <= Grid.RowLastVisible() && p >= 0; ++p)
            ASSERT_GE(Grid.RowHeight(p), 1) << Case << ", row " << p;
    }
};

} // namespace

// Run in the sanitizer build too, where an overflow on the way aborts.
TEST(GridHostileNumbers, AMemberOrAFormFileTakesAnyNumberAndTheGridStillLaysOutAndPaintsAPage)
{
    for (const HostileNumber& number : Numbers) {
        const std::string name = number.Name + " = " + number.Value.toString().toStdString();
        PropertyBag plain;
        for (auto other = number.With.cbegin(); other != number.With.cend(); ++other)
            plain.WriteProperty(other.key(), other.value());
        ArchiveGrid byMember(plain);
        number.Write(byMember.Grid, number.Value);
        byMember.FillMoreAndShow();
        byMember.ExpectSoundLayout(name + " through the member");
        if (!number.Read)
            continue;

        PropertyBag saved = plain;
        saved.WriteProperty(QString::fromStdString(number.Name), number.Value);
        ArchiveGrid byFile(saved);
        byFile.FillMoreAndShow();
        byFile.ExpectSoundLayout(name + " from a form file");
        EXPECT_EQ(number.Read(byMember.Grid).toString(), number.Read(byFile.Grid).toString())
            << name << ": the file's value passes the member's check";
    }
}
