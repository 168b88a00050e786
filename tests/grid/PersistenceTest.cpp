#include <tarvex/grid/RuzuZiri.h>

#include "grid/paint/Themes.h"

#include <tarvex/platform/FormFile.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/PropertyBag.h>
#include <tarvex/platform/VisualStyle.h>

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>

using namespace Tarvex;

namespace {

struct SavedSetting {
    const char* Key;
    QVariant Value;                                // differs from every default of the key
    std::function<QVariant(const RuzuZiri&)> Read; // the property the key restores
};

template <typename T>
QVariant V(T Value) { return QVariant::fromValue(Value); }

QFont BodyFont() { return QFont(QStringLiteral("Serif"), 13); }
QFont HeaderFont() { return QFont(QStringLiteral("Monospace"), 7, QFont::Bold); }

// Every key in the order it is saved ("Enabled", saved twice, is kept once).
const std::vector<SavedSetting>& EverySetting()
{
    static const std::vector<SavedSetting> settings {
        { "Font", BodyFont(), [](const RuzuZiri& g) { return V(g.Font()); } },
        { "FontHeader", HeaderFont(), [](const RuzuZiri& g) { return V(g.FontHeader()); } },
        { "ApplySelectionToImages", true, [](const RuzuZiri& g) { return V(g.ApplySelectionToImages()); } },
        { "BackColor", 0x102030, [](const RuzuZiri& g) { return V(g.BackColor()); } },
        { "BackColorBkg", 0x112233, [](const RuzuZiri& g) { return V(g.BackColorBkg()); } },
        { "BackColorEdit", 0x123456, [](const RuzuZiri& g) { return V(g.BackColorEdit()); } },
        { "BackColorSel", 0x223344, [](const RuzuZiri& g) { return V(g.BackColorSel()); } },
        { "ForeColor", 0x334455, [](const RuzuZiri& g) { return V(g.ForeColor()); } },
        { "ForeColorEdit", 0x445566, [](const RuzuZiri& g) { return V(g.ForeColorEdit()); } },
        { "ForeColorHdr", 0x556677, [](const RuzuZiri& g) { return V(g.ForeColorHdr()); } },
        { "ForeColorSel", 0x667788, [](const RuzuZiri& g) { return V(g.ForeColorSel()); } },
        { "BackColorEvenRows", 0x778899, [](const RuzuZiri& g) { return V(g.BackColorEvenRows()); } },
        { "BackColorEvenRowsEnabled", false, [](const RuzuZiri& g) { return V(g.BackColorEvenRowsEnabled()); } },
        { "CustomColorFrom", 0x010203, [](const RuzuZiri& g) { return V(g.ThemeCustomColorFrom()); } },
        { "CustomColorTo", 0x040506, [](const RuzuZiri& g) { return V(g.ThemeCustomColorTo()); } },
        { "GridColor", 0x070809, [](const RuzuZiri& g) { return V(g.GridColor()); } },
        { "ProgressBarColor", 0x0A0B0C, [](const RuzuZiri& g) { return V(g.CellProgressBarColor(0, 0)); } },
        { "AlphaBlendSelection", true, [](const RuzuZiri& g) { return V(g.AlphaBlendSelection()); } },
        { "BorderStyle", 0, [](const RuzuZiri& g) { return V(g.BorderStyle()); } },
        { "DisplayEllipsis", false, [](const RuzuZiri& g) { return V(g.DisplayEllipsis()); } },
        { "FocusRectMode", 1, [](const RuzuZiri& g) { return V(g.FocusRectMode()); } },
        { "FocusRectColor", 0x00FF00, [](const RuzuZiri& g) { return V(g.FocusRectColor()); } },
        { "FocusRectStyle", 2, [](const RuzuZiri& g) { return V(g.FocusRectStyle()); } },
        { "GridLines", 2, [](const RuzuZiri& g) { return V(g.GridLines()); } },
        { "GridLineWidth", 3, [](const RuzuZiri& g) { return V(g.GridLineWidth()); } },
        { "ThemeColor", ThemeColorCustom, [](const RuzuZiri& g) { return V(g.ThemeColor()); } },
        { "ThemeStyle", 4, [](const RuzuZiri& g) { return V(g.ThemeStyle()); } },
        { "ShowColumnHeaders", false, [](const RuzuZiri& g) { return V(g.ColumnHeaders()); } },
        { "CenterRowImage", false, [](const RuzuZiri& g) { return V(g.CenterRowImage()); } },
        { "ScrollBars", 1, [](const RuzuZiri& g) { return V(g.ScrollBars()); } },
        { "MinVerticalOffset", 4, [](const RuzuZiri& g) { return V(g.MinVerticalOffset()); } },
        { "ColumnHeaderLines", V<qint16>(2), [](const RuzuZiri& g) { return V(g.ColumnHeaderLines()); } },
        { "Caption", QStringLiteral("Documents"), [](const RuzuZiri& g) { return V(g.Caption()); } },
        { "CaptionAlignment", 1, [](const RuzuZiri& g) { return V(g.CaptionAlignment()); } },
        { "Appearance", V<qint16>(0), [](const RuzuZiri& g) { return V(g.Appearance()); } },
        { "ColumnHeaderSmall", true, [](const RuzuZiri& g) { return V(g.ColumnHeaderSmall()); } },
        { "ScrollBarStyle", 1, [](const RuzuZiri& g) { return V(g.ScrollBarStyle()); } },
        { "TotalsLineShow", true, [](const RuzuZiri& g) { return V(g.TotalsLineShow()); } },
        { "FocusRowHighlightKeepTextForecolor", true, [](const RuzuZiri& g) { return V(g.FocusRowHighlightKeepTextForecolor()); } },
        { "ShowRowNumbers", true, [](const RuzuZiri& g) { return V(g.ShowRowNumbers()); } },
        { "ShowRowNumbersVary", false, [](const RuzuZiri& g) { return V(g.ShowRowNumbersVary()); } },
        { "AllowColumnResizing", true, [](const RuzuZiri& g) { return V(g.AllowColumnResizing()); } },
        { "AllowRowResizing", true, [](const RuzuZiri& g) { return V(g.AllowRowResizing()); } },
        { "AllowWordWrap", true, [](const RuzuZiri& g) { return V(g.AllowWordWrap()); } },
        { "Checkboxes", true, [](const RuzuZiri& g) { return V(g.RowCheckBoxes()); } },
        { "ColumnSwap", true, [](const RuzuZiri& g) { return V(g.AllowColumnSwap()); } },
        { "ColumnDrag", true, [](const RuzuZiri& g) { return V(g.AllowColumnDrag()); } },
        { "ColumnSort", true, [](const RuzuZiri& g) { return V(g.AllowColumnSort()); } },
        { "Editable", true, [](const RuzuZiri& g) { return V(g.AllowEdit()); } },
        { "AllowDelete", true, [](const RuzuZiri& g) { return V(g.AllowDelete()); } },
        { "AllowInsert", true, [](const RuzuZiri& g) { return V(g.AllowInsert()); } },
        { "EditTrigger", 8, [](const RuzuZiri& g) { return V(g.EditTrigger()); } },
        { "EditMove", 2, [](const RuzuZiri& g) { return V(g.EditMove()); } },
        { "FullRowSelect", false, [](const RuzuZiri& g) { return V(g.FocusRowHighlight()); } },
        { "FocusRowHighlightStyle", 1, [](const RuzuZiri& g) { return V(g.FocusRowHighlightStyle()); } },
        { "HideSelection", true, [](const RuzuZiri& g) { return V(g.FocusRectHide()); } },
        { "HotHeaderTracking", false, [](const RuzuZiri& g) { return V(g.AllowColumnHover()); } },
        { "MultiSelect", 1, [](const RuzuZiri& g) { return V(g.MultiSelect()); } },
        { "ScrollTrack", false, [](const RuzuZiri& g) { return V(g.ScrollTrack()); } },
        { "AutoToolTips", false, [](const RuzuZiri& g) { return V(g.AutoToolTips()); } },
        { "Enabled", false, [](const RuzuZiri& g) { return V(g.Enabled()); } },
        { "FreezeAtCol", 1, [](const RuzuZiri& g) { return V(g.FreezeAtCol()); } },
        { "CacheIncrement", 50, [](const RuzuZiri& g) { return V(g.CacheIncrement()); } },
        { "MaxLineCount", 3, [](const RuzuZiri& g) { return V(g.MaxLineCount()); } },
        { "MinRowHeight", 300, [](const RuzuZiri& g) { return V(g.MinRowHeight()); } },
        { "ScaleUnits", 3, [](const RuzuZiri& g) { return V(g.ScaleUnits()); } },
        { "SearchColumn", 2, [](const RuzuZiri& g) { return V(g.SearchColumn()); } },
    };
    return settings;
}

PropertyBag BagOf(const std::vector<std::pair<QString, QVariant>>& Entries)
{
    PropertyBag bag;
    for (const auto& [key, value] : Entries)
        bag.WriteProperty(key, value);
    return bag;
}

std::string KeysOf(const PropertyBag& Bag)
{
    QStringList keys;
    for (const auto& entry : Bag.Entries())
        keys << entry.first;
    return keys.join(' ').toStdString();
}

void ExpectEverySettingIn(const RuzuZiri& Grid, const char* After)
{
    for (const SavedSetting& setting : EverySetting())
        EXPECT_EQ(setting.Value, setting.Read(Grid)) << setting.Key << " after " << After;
}

} // namespace

TEST(GridPersistence, EverySettingSurvivesASaveAndALoadThroughTheFormFile)
{
    PropertyBag design;
    for (const SavedSetting& setting : EverySetting())
        design.WriteProperty(QString::fromLatin1(setting.Key), setting.Value);
    ASSERT_EQ(67u, design.Entries().size());

    RuzuZiri loaded;
    QSignalSpy changes(&loaded, &UserControl::PropertyChanged);
    loaded.ReadProperties(design);
    ExpectEverySettingIn(loaded, "loading");
    EXPECT_EQ(0, changes.count()); // loading a design does not make it changed

    FormFile form;
    loaded.WriteProperties(form.Bag(RuzuZiri::ControlType, QStringLiteral("Grid1")));
    EXPECT_EQ(design.Entries(), form.Bag(RuzuZiri::ControlType, QStringLiteral("Grid1")).Entries());

    FormFile reopened;
    reopened.FromText(form.ToText());
    RuzuZiri restored;
    PropertyBag& bag = reopened.Bag(RuzuZiri::ControlType, QStringLiteral("Grid1"));
    restored.ReadProperties(bag);
    EXPECT_TRUE(bag.Problems().isEmpty()) << bag.Problems().join('\n').toStdString();
    ExpectEverySettingIn(restored, "a trip through the file");
}

// Without visual styles the system scheme keeps the default colours; with them, a new grid would
// also store the colours of the style's scheme.
TEST(GridPersistence, SavesOnlyWhatDiffersFromTheSavedDefaultsAndTheKeysWithoutOne)
{
    const VisualStyle::Override classic(false);
    const std::string withoutDefault = "ColumnHeaderSmall TotalsLineShow FocusRowHighlightKeepTextForecolor "
                                       "ShowRowNumbers ShowRowNumbersVary";
    RuzuZiri placed;
    placed.InitProperties();
    PropertyBag saved;
    placed.WriteProperties(saved);
    EXPECT_EQ(withoutDefault + " AllowColumnResizing", KeysOf(saved));
    EXPECT_EQ(QVariant(true), saved.ReadProperty("AllowColumnResizing"));
    EXPECT_EQ(QVariant(false), saved.ReadProperty("ShowRowNumbersVary"));

    PropertyBag empty;
    RuzuZiri loaded;
    loaded.ReadProperties(empty);
    PropertyBag resaved;
    loaded.WriteProperties(resaved);
    EXPECT_EQ(withoutDefault, KeysOf(resaved));
    EXPECT_EQ(QVariant(true), resaved.ReadProperty("ShowRowNumbersVary")); // the load default, unlike a new control

    // A grid its host disabled stays disabled when restored.
    placed.Enabled(false);
    PropertyBag disabled;
    placed.WriteProperties(disabled);
    loaded.ReadProperties(disabled);
    EXPECT_FALSE(loaded.Enabled());
}

// A host that places a new grid fills it at once: its rows get the height the new fonts give.
TEST(GridPersistence, ANewlyPlacedGridGivesItsRowsAHeight)
{
    RuzuZiri placed;
    RuzuZiri created;
    placed.InitProperties();
    for (RuzuZiri* grid : { &placed, &created }) {
        grid->AddColumn(QStringLiteral("Number"));
        grid->AddItem(QStringLiteral("RE-1"));
    }
    EXPECT_GT(placed.RowHeight(0), 10);
    EXPECT_EQ(created.RowHeight(0), placed.RowHeight(0));
}

TEST(GridPersistence, LoadingFillsMissingKeysAndMendsStoredValues)
{
    struct Case {
        const char* Name;
        std::vector<std::pair<QString, QVariant>> Stored;
        std::function<bool(const RuzuZiri&)> Holds;
    };
    const Case cases[] = {
        { "a missing key loads its load default", {},
          [](const RuzuZiri& g) { return g.ShowRowNumbersVary() && !g.AllowColumnResizing() && g.FontHeader() == g.Font(); } },
        { "negative grid lines load as their size", { { "GridLines", -2 } }, [](const RuzuZiri& g) { return g.GridLines() == 2; } },
        { "a negative multi-select loads as its size", { { "MultiSelect", -1 } }, [](const RuzuZiri& g) { return g.MultiSelect() == 1; } },
        { "the header falls back on the loaded body font", { { "Font", BodyFont() } },
          [](const RuzuZiri& g) { return g.FontHeader() == BodyFont() && g.font() == BodyFont(); } },
        { "one key disables the window and the keys", { { "Enabled", false } }, [](const RuzuZiri& g) { return !g.Enabled(); } },
        { "text where a number belongs keeps the default", { { "GridLineWidth", "wide" } },
          [](const RuzuZiri& g) { return g.GridLineWidth() == 1; } },
    };
    for (const Case& c : cases) {
        PropertyBag bag = BagOf(c.Stored);
        RuzuZiri grid;
        grid.ReadProperties(bag);
        EXPECT_TRUE(c.Holds(grid)) << c.Name;
    }
}

TEST(GridPersistence, ScrollBarsComeOnlyInRunMode)
{
    for (const bool runMode : { true, false }) {
        RuzuZiri grid;
        grid.resize(300, 200);
        grid.UserMode(runMode);
        PropertyBag bag;
        grid.ReadProperties(bag);
        grid.AddColumn("Name", 1500);
        for (int i = 0; i < 100; ++i)
            grid.AddItem(QString::number(i));
        grid.Redraw(true);
        const auto* bar = grid.findChild<QScrollBar*>(QStringLiteral("ScrollBar(1)"));
        EXPECT_EQ(runMode, bar && !bar->isHidden()) << (runMode ? "run mode" : "design mode");
    }
}

TEST(GridPersistence, TheEditorAndTheTipStartHiddenAndTheEditorFollowsTheFont)
{
    RuzuZiri grid;
    grid.Font(QFont(QStringLiteral("Serif"), 17));
    const auto* edit = grid.findChild<QLineEdit*>(QStringLiteral("txtEdit"));
    const auto* tip = grid.findChild<PictureBox*>(QStringLiteral("picToolTip"));
    ASSERT_TRUE(edit && tip);
    EXPECT_TRUE(edit->isHidden());
    EXPECT_EQ(17, edit->font().pointSize());
    EXPECT_TRUE(tip->isHidden());
    EXPECT_FALSE(tip->isEnabled());
    EXPECT_EQ(0x80000018u, tip->BackColor()); // the system's tip background
}
