#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/OleColor.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/PropertyBag.h>
#include <tarvex/platform/SystemInfo.h>

#include <QLineEdit>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <type_traits>

namespace Tarvex {

// One saved key besides the fonts: the default passed on writing, the one passed on reading, what a
// new control starts with, and how the value leaves and enters the grid. Loading puts values
// straight into their fields: a property write would tell the host of a change and set other
// properties (AllowEdit the focus mode, AllowColumnDrag swapping) that the bag holds on its own.
struct RuzuZiriPrivate::PersistedProperty {
    QString Key;
    QVariant Saved;  // invalid: the key is always stored
    QVariant Loaded; // what a bag without the key gives
    QVariant Fresh;  // invalid: a new control keeps what its window has
    std::function<QVariant(const RuzuZiriPrivate&)> Get;
    std::function<void(RuzuZiriPrivate&, const QVariant&)> Set;
};

const std::vector<RuzuZiriPrivate::PersistedProperty>& RuzuZiriPrivate::PersistedProperties()
{
    using Entry = PersistedProperty;
    const auto field = [](const char* Key, auto Member, auto Default) {
        using Value = std::remove_cvref_t<decltype(std::declval<GridSettings&>().*Member)>;
        const QVariant value = QVariant::fromValue(Value(Default));
        return Entry { QString::fromLatin1(Key), value, value, value,
            [Member](const RuzuZiriPrivate& Grid) { return QVariant::fromValue(Grid.m_Settings.*Member); },
            [Member](RuzuZiriPrivate& Grid, const QVariant& New_Value) {
                Grid.m_Settings.*Member = New_Value.value<Value>();
            } };
    };
    const auto colour = [](const char* Key, qint32 GridColorSet::*Member, quint32 Default) {
        const QVariant value = QVariant::fromValue(qint32(Default));
        return Entry { QString::fromLatin1(Key), value, value, value,
            [Member](const RuzuZiriPrivate& Grid) { return QVariant::fromValue(Grid.m_Settings.m_Colors.*Member); },
            [Member](RuzuZiriPrivate& Grid, const QVariant& New_Value) {
                Grid.m_Settings.m_Colors.*Member = New_Value.toInt();
            } };
    };
    // The gradient pair is kept as plain colours, so even its defaults go through the translation.
    const auto translated = [](Entry Property) {
        const QVariant plain = QVariant::fromValue(qint32(ToOleColor(TranslateOleColor(OleColor(Property.Saved.toInt())))));
        Property.Loaded = Property.Fresh = plain;
        return Property;
    };
    const auto alwaysStored = [](Entry Property, const QVariant& Loaded) {
        Property.Saved = QVariant();
        Property.Loaded = Loaded;
        return Property;
    };
    const auto newControlStartsWith = [](Entry Property, const QVariant& Fresh) {
        Property.Fresh = Fresh;
        return Property;
    };
    // The setting has no sign; a saved negative one is read as its size.
    const auto absolute = [](Entry Property) {
        Property.Set = [Set = Property.Set](RuzuZiriPrivate& Grid, const QVariant& Value) {
            const long long size = std::llabs(Value.toLongLong());
            Set(Grid, int(std::min<long long>(size, std::numeric_limits<int>::max())));
        };
        return Property;
    };
    // The value passes the check of the property's write accessor on its way in.
    const auto checked = [](Entry Property, auto Check) {
        Property.Set = [Set = Property.Set, Check](RuzuZiriPrivate& Grid, const QVariant& Value) {
            using Stored = std::remove_cvref_t<decltype(Check({}))>;
            Set(Grid, QVariant::fromValue(Check(Value.value<Stored>())));
        };
        return Property;
    };
    // The window's own enabled state, beside the key-press handler's flag of the same key.
    const auto windowEnabled = [] {
        return Entry { QStringLiteral("Enabled"), true, true, QVariant(),
                       [](const RuzuZiriPrivate& Grid) { return QVariant(Grid.q->isEnabled()); },
                       [](RuzuZiriPrivate& Grid, const QVariant& New_Value) { Grid.q->setEnabled(New_Value.toBool()); } };
    };
    const auto cacheIncrement = [] {
        return Entry { QStringLiteral("CacheIncrement"), 10, 10, 10,
            [](const RuzuZiriPrivate& Grid) { return QVariant(Grid.m_Model.CacheIncrement()); },
            [](RuzuZiriPrivate& Grid, const QVariant& New_Value) { Grid.m_Model.CacheIncrement(New_Value.toInt()); } };
    };

    static const std::vector<Entry> table {
        field("ApplySelectionToImages", &GridSettings::m_ApplySelectionToImages, false),
        colour("BackColor", &GridColorSet::m_BackColor, 0x80000005),
        colour("BackColorBkg", &GridColorSet::m_BackColorBkg, 0x8000000C),
        colour("BackColorEdit", &GridColorSet::m_BackColorEdit, 0x80000018),
        colour("BackColorSel", &GridColorSet::m_BackColorSel, 0x8000000D),
        colour("ForeColor", &GridColorSet::m_ForeColor, 0x80000008),
        colour("ForeColorEdit", &GridColorSet::m_ForeColorEdit, 0x80000017),
        colour("ForeColorHdr", &GridColorSet::m_ForeColorHdr, 0x80000008),
        colour("ForeColorSel", &GridColorSet::m_ForeColorSel, 0x8000000E),
        colour("BackColorEvenRows", &GridColorSet::m_BackColorEvenRows, 0xEDEBE0),
        field("BackColorEvenRowsEnabled", &GridSettings::m_BackColorEvenRowsEnabled, true),
        translated(colour("CustomColorFrom", &GridColorSet::m_CustomColorFrom, 0x404080)),
        translated(colour("CustomColorTo", &GridColorSet::m_CustomColorTo, 0xC0E0FF)),
        colour("GridColor", &GridColorSet::m_GridColor, 0xC0C0C0),
        colour("ProgressBarColor", &GridColorSet::m_ProgressBarColor, 0x8080FF),
        field("AlphaBlendSelection", &GridSettings::m_AlphaBlendSelection, false),
        field("BorderStyle", &GridSettings::m_BorderStyle, 1),
        field("DisplayEllipsis", &GridSettings::m_DisplayEllipsis, true),
        field("FocusRectMode", &GridSettings::m_FocusRectMode, 0),
        colour("FocusRectColor", &GridColorSet::m_FocusRectColor, 0xFFFF),
        field("FocusRectStyle", &GridSettings::m_FocusRectStyle, 1),
        absolute(field("GridLines", &GridSettings::m_GridLines, 1)),
        checked(field("GridLineWidth", &GridSettings::m_GridLineWidth, 1), ValidGridLineWidth),
        field("ThemeColor", &GridSettings::m_ThemeColor, ThemeColorSystem),
        field("ThemeStyle", &GridSettings::m_ThemeStyle, 2),
        field("ShowColumnHeaders", &GridSettings::m_ColumnHeaders, true),
        field("CenterRowImage", &GridSettings::m_CenterRowImage, true),
        field("ScrollBars", &GridSettings::m_ScrollBars, 2),
        checked(field("MinVerticalOffset", &GridSettings::m_MinVerticalOffset, 2), ValidMinVerticalOffset),
        checked(field("ColumnHeaderLines", &GridSettings::m_ColumnHeaderLines, 1), ValidColumnHeaderLines),
        field("Caption", &GridSettings::m_Caption, QString()),
        field("CaptionAlignment", &GridSettings::m_CaptionAlignment, 5),
        newControlStartsWith(field("Appearance", &GridSettings::m_Appearance, 1), QVariant()),
        alwaysStored(field("ColumnHeaderSmall", &GridSettings::m_ColumnHeaderSmall, false), false),
        field("ScrollBarStyle", &GridSettings::m_ScrollBarStyle, 0),
        alwaysStored(field("TotalsLineShow", &GridSettings::m_TotalsLineShow, false), false),
        alwaysStored(
            field("FocusRowHighlightKeepTextForecolor", &GridSettings::m_FocusRowHighlightKeepTextForecolor, false),
            false),
        alwaysStored(field("ShowRowNumbers", &GridSettings::m_ShowRowNumbers, false), false),
        alwaysStored(field("ShowRowNumbersVary", &GridSettings::m_ShowRowNumbersVary, false), true),
        newControlStartsWith(field("AllowColumnResizing", &GridSettings::m_AllowColumnResizing, false), true),
        field("AllowRowResizing", &GridSettings::m_AllowRowResizing, false),
        field("AllowWordWrap", &GridSettings::m_AllowWordWrap, false),
        field("Checkboxes", &GridSettings::m_RowCheckBoxes, false),
        field("ColumnSwap", &GridSettings::m_AllowColumnSwap, false),
        field("ColumnDrag", &GridSettings::m_AllowColumnDrag, false),
        field("ColumnSort", &GridSettings::m_AllowColumnSort, false),
        field("Editable", &GridSettings::m_AllowEdit, false),
        field("AllowDelete", &GridSettings::m_AllowDelete, false),
        field("AllowInsert", &GridSettings::m_AllowInsert, false),
        field("EditTrigger", &GridSettings::m_EditTrigger, 52),
        field("EditMove", &GridSettings::m_EditMove, 0),
        field("FullRowSelect", &GridSettings::m_FocusRowHighlight, true),
        field("FocusRowHighlightStyle", &GridSettings::m_FocusRowHighlightStyle, 0),
        field("HideSelection", &GridSettings::m_FocusRectHide, false),
        field("HotHeaderTracking", &GridSettings::m_AllowColumnHover, true),
        absolute(field("MultiSelect", &GridSettings::m_MultiSelect, 0)),
        field("ScrollTrack", &GridSettings::m_ScrollTrack, true),
        field("AutoToolTips", &GridSettings::m_AutoToolTips, true),
        windowEnabled(),
        checked(field("FreezeAtCol", &GridSettings::m_FreezeAtCol, -1), ValidFreezeAtCol),
        cacheIncrement(),
        field("Enabled", &GridSettings::m_Enabled, true),
        field("MaxLineCount", &GridSettings::m_MaxLineCount, 0),
        field("MinRowHeight", &GridSettings::m_MinRowHeight, 0),
        field("ScaleUnits", &GridSettings::m_ScaleUnits, 1),
        field("SearchColumn", &GridSettings::m_SearchColumn, 0),
    };
    return table;
}

// The constituents exist from the start, in design mode too; the tip is a window of its own so
// that it may reach beyond the grid's edges.
void RuzuZiriPrivate::Initialize()
{
    m_Input.m_English = RuzuZiri::GetInfo(LocaleInfoType::EnglishLanguageName) == QLatin1String("English");
    CreateCellEditor();
    m_Tip.picToolTip = new PictureBox(q);
    m_Tip.picToolTip->setObjectName(QStringLiteral("picToolTip"));
    // The pointer passes through the tip to the cell under it: a tip that took the pointer would
    // make the grid see it leave, which hides the tip again.
    m_Tip.picToolTip->setWindowFlags(Qt::ToolTip | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
    m_Tip.picToolTip->setAttribute(Qt::WA_ShowWithoutActivating);
    m_Tip.picToolTip->setEnabled(false);
    m_Tip.picToolTip->BackColor(0x80000018);
    m_Tip.picToolTip->hide();
}

// Handlers that still run while the children go see painting off and the grid on its way out.
// There is no wait for pending events here: they may belong to a host that is deleting the grid
// from inside one of its own handlers.
void RuzuZiriPrivate::Terminate()
{
    m_Destroying = true;
    m_Painter.m_Paint = false;
    m_Painter.m_Redraw = false;
    HideBoundEditor();
    // The editor lets the focus go while this side still exists: its loss of focus ends an edit.
    if (m_Edit.txtEdit)
        m_Edit.txtEdit->clearFocus();
    DetachMessageHook();
    FlatSBTerm();
    EndTip();
}

void RuzuZiriPrivate::ApplyWindowSettings()
{
    q->Surface::BackColor(OleColor(m_Settings.m_Colors.m_BackColorBkg));
    ShowBorder();
}

// Scroll bars and the window-message hook belong to a running program; a form designer shows the
// grid without them.
void RuzuZiriPrivate::ApplyUserMode()
{
    if (q->UserMode()) {
        AttachMessageHook();
        AttachScrollBars();
        return;
    }
    DetachMessageHook();
    SBShow(0, false);
    SBShow(1, false);
    FlatSBTerm();
}

void RuzuZiri::InitProperties()
{
    d->m_Settings.m_Font = d->m_Settings.m_FontHeader = AmbientFont();
    for (const RuzuZiriPrivate::PersistedProperty& property : RuzuZiriPrivate::PersistedProperties()) {
        if (property.Fresh.isValid())
            property.Set(*d, property.Fresh);
    }
    d->m_Painter.m_Paint = d->m_Painter.m_Redraw = false;
    d->m_Geometry.m_RowHeightDef = 0;
    d->ApplyTheme();
    d->ApplyWindowSettings();
    d->ApplyUserMode();
    // A row height of 0 is worked out anew from the new fonts: rows the host adds next have one.
    d->CalcMetrics();
}

// The fonts come last: the header's font falls back on the body font just loaded, not on the host's.
void RuzuZiri::ReadProperties(PropertyBag& PropBag)
{
    for (const RuzuZiriPrivate::PersistedProperty& property : RuzuZiriPrivate::PersistedProperties())
        property.Set(*d, PropBag.ReadProperty(property.Key, property.Loaded));
    const QVariant ambient = AmbientFont();
    d->m_Settings.m_Font = RuzuZiriPrivate::ValidFont(PropBag.ReadProperty(QStringLiteral("Font"), ambient).value<QFont>());
    setFont(RuzuZiriPrivate::ValidFont(PropBag.ReadProperty(QStringLiteral("Font"), ambient).value<QFont>()));
    d->m_Settings.m_FontHeader = RuzuZiriPrivate::ValidFont(
        PropBag.ReadProperty(QStringLiteral("FontHeader"), d->m_Settings.m_Font).value<QFont>());
    d->ApplyTheme();
    d->ApplyWindowSettings();
    const Lifeline self(this);
    Clear();
    if (!self.Alive())
        return;
    d->CalcMetrics();
    d->DrawCaption();
    d->ApplyUserMode();
}

void RuzuZiri::WriteProperties(PropertyBag& PropBag)
{
    const QVariant ambient = AmbientFont();
    PropBag.WriteProperty(QStringLiteral("Font"), d->m_Settings.m_Font, ambient);
    PropBag.WriteProperty(QStringLiteral("FontHeader"), d->m_Settings.m_FontHeader, ambient);
    for (const RuzuZiriPrivate::PersistedProperty& property : RuzuZiriPrivate::PersistedProperties())
        PropBag.WriteProperty(property.Key, property.Get(*d), property.Saved);
}

} // namespace Tarvex
