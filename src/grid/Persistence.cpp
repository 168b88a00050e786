#include "grid/RuzuZiri.h"

#include "platform/OleColor.h"
#include "platform/PictureBox.h"
#include "platform/PropertyBag.h"
#include "platform/SystemInfo.h"

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
struct RuzuZiri::PersistedProperty {
    QString Key;
    QVariant Saved;  // invalid: the key is always stored
    QVariant Loaded; // what a bag without the key gives
    QVariant Fresh;  // invalid: a new control keeps what its window has
    std::function<QVariant(const RuzuZiri&)> Get;
    std::function<void(RuzuZiri&, const QVariant&)> Set;
};

const std::vector<RuzuZiri::PersistedProperty>& RuzuZiri::PersistedProperties()
{
    using Entry = PersistedProperty;
    const auto field = [](const char* Key, auto Member, auto Default) {
        using Value = std::remove_cvref_t<decltype(std::declval<RuzuZiri&>().*Member)>;
        const QVariant value = QVariant::fromValue(Value(Default));
        return Entry { QString::fromLatin1(Key), value, value, value,
                       [Member](const RuzuZiri& Grid) { return QVariant::fromValue(Grid.*Member); },
                       [Member](RuzuZiri& Grid, const QVariant& New_Value) { Grid.*Member = New_Value.value<Value>(); } };
    };
    const auto colour = [](const char* Key, qint32 GridColorSet::*Member, quint32 Default) {
        const QVariant value = QVariant::fromValue(qint32(Default));
        return Entry { QString::fromLatin1(Key), value, value, value,
                       [Member](const RuzuZiri& Grid) { return QVariant::fromValue(Grid.m_Colors.*Member); },
                       [Member](RuzuZiri& Grid, const QVariant& New_Value) { Grid.m_Colors.*Member = New_Value.toInt(); } };
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
        Property.Set = [Set = Property.Set](RuzuZiri& Grid, const QVariant& Value) {
            const long long size = std::llabs(Value.toLongLong());
            Set(Grid, int(std::min<long long>(size, std::numeric_limits<int>::max())));
        };
        return Property;
    };
    // The value passes the check of the property's write accessor on its way in.
    const auto checked = [](Entry Property, auto Check) {
        Property.Set = [Set = Property.Set, Check](RuzuZiri& Grid, const QVariant& Value) {
            using Stored = std::remove_cvref_t<decltype(Check({}))>;
            Set(Grid, QVariant::fromValue(Check(Value.value<Stored>())));
        };
        return Property;
    };
    // The window's own enabled state, beside the key-press handler's flag of the same key.
    const auto windowEnabled = [] {
        return Entry { QStringLiteral("Enabled"), true, true, QVariant(),
                       [](const RuzuZiri& Grid) { return QVariant(Grid.isEnabled()); },
                       [](RuzuZiri& Grid, const QVariant& New_Value) { Grid.setEnabled(New_Value.toBool()); } };
    };
    const auto cacheIncrement = [] {
        return Entry { QStringLiteral("CacheIncrement"), 10, 10, 10,
                       [](const RuzuZiri& Grid) { return QVariant(Grid.m_Model.CacheIncrement()); },
                       [](RuzuZiri& Grid, const QVariant& New_Value) { Grid.m_Model.CacheIncrement(New_Value.toInt()); } };
    };

    static const std::vector<Entry> table {
        field("ApplySelectionToImages", &RuzuZiri::m_ApplySelectionToImages, false),
        colour("BackColor", &GridColorSet::m_BackColor, 0x80000005),
        colour("BackColorBkg", &GridColorSet::m_BackColorBkg, 0x8000000C),
        colour("BackColorEdit", &GridColorSet::m_BackColorEdit, 0x80000018),
        colour("BackColorSel", &GridColorSet::m_BackColorSel, 0x8000000D),
        colour("ForeColor", &GridColorSet::m_ForeColor, 0x80000008),
        colour("ForeColorEdit", &GridColorSet::m_ForeColorEdit, 0x80000017),
        colour("ForeColorHdr", &GridColorSet::m_ForeColorHdr, 0x80000008),
        colour("ForeColorSel", &GridColorSet::m_ForeColorSel, 0x8000000E),
        colour("BackColorEvenRows", &GridColorSet::m_BackColorEvenRows, 0xEDEBE0),
        field("BackColorEvenRowsEnabled", &RuzuZiri::m_BackColorEvenRowsEnabled, true),
        translated(colour("CustomColorFrom", &GridColorSet::m_CustomColorFrom, 0x404080)),
        translated(colour("CustomColorTo", &GridColorSet::m_CustomColorTo, 0xC0E0FF)),
        colour("GridColor", &GridColorSet::m_GridColor, 0xC0C0C0),
        colour("ProgressBarColor", &GridColorSet::m_ProgressBarColor, 0x8080FF),
        field("AlphaBlendSelection", &RuzuZiri::m_AlphaBlendSelection, false),
        field("BorderStyle", &RuzuZiri::m_BorderStyle, 1),
        field("DisplayEllipsis", &RuzuZiri::m_DisplayEllipsis, true),
        field("FocusRectMode", &RuzuZiri::m_FocusRectMode, 0),
        colour("FocusRectColor", &GridColorSet::m_FocusRectColor, 0xFFFF),
        field("FocusRectStyle", &RuzuZiri::m_FocusRectStyle, 1),
        absolute(field("GridLines", &RuzuZiri::m_GridLines, 1)),
        field("GridLineWidth", &RuzuZiri::m_GridLineWidth, 1),
        field("ThemeColor", &RuzuZiri::m_ThemeColor, ThemeColorSystem),
        field("ThemeStyle", &RuzuZiri::m_ThemeStyle, 2),
        field("ShowColumnHeaders", &RuzuZiri::m_ColumnHeaders, true),
        field("CenterRowImage", &RuzuZiri::m_CenterRowImage, true),
        field("ScrollBars", &RuzuZiri::m_ScrollBars, 2),
        checked(field("MinVerticalOffset", &RuzuZiri::m_MinVerticalOffset, 2), ValidMinVerticalOffset),
        checked(field("ColumnHeaderLines", &RuzuZiri::m_ColumnHeaderLines, 1), ValidColumnHeaderLines),
        field("Caption", &RuzuZiri::m_Caption, QString()),
        field("CaptionAlignment", &RuzuZiri::m_CaptionAlignment, 5),
        newControlStartsWith(field("Appearance", &RuzuZiri::m_Appearance, 1), QVariant()),
        alwaysStored(field("ColumnHeaderSmall", &RuzuZiri::m_ColumnHeaderSmall, false), false),
        field("ScrollBarStyle", &RuzuZiri::m_ScrollBarStyle, 0),
        alwaysStored(field("TotalsLineShow", &RuzuZiri::m_TotalsLineShow, false), false),
        alwaysStored(field("FocusRowHighlightKeepTextForecolor", &RuzuZiri::m_FocusRowHighlightKeepTextForecolor, false), false),
        alwaysStored(field("ShowRowNumbers", &RuzuZiri::m_ShowRowNumbers, false), false),
        alwaysStored(field("ShowRowNumbersVary", &RuzuZiri::m_ShowRowNumbersVary, false), true),
        newControlStartsWith(field("AllowColumnResizing", &RuzuZiri::m_AllowColumnResizing, false), true),
        field("AllowRowResizing", &RuzuZiri::m_AllowRowResizing, false),
        field("AllowWordWrap", &RuzuZiri::m_AllowWordWrap, false),
        field("Checkboxes", &RuzuZiri::m_RowCheckBoxes, false),
        field("ColumnSwap", &RuzuZiri::m_AllowColumnSwap, false),
        field("ColumnDrag", &RuzuZiri::m_AllowColumnDrag, false),
        field("ColumnSort", &RuzuZiri::m_AllowColumnSort, false),
        field("Editable", &RuzuZiri::m_AllowEdit, false),
        field("AllowDelete", &RuzuZiri::m_AllowDelete, false),
        field("AllowInsert", &RuzuZiri::m_AllowInsert, false),
        field("EditTrigger", &RuzuZiri::m_EditTrigger, 52),
        field("EditMove", &RuzuZiri::m_EditMove, 0),
        field("FullRowSelect", &RuzuZiri::m_FocusRowHighlight, true),
        field("FocusRowHighlightStyle", &RuzuZiri::m_FocusRowHighlightStyle, 0),
        field("HideSelection", &RuzuZiri::m_FocusRectHide, false),
        field("HotHeaderTracking", &RuzuZiri::m_AllowColumnHover, true),
        absolute(field("MultiSelect", &RuzuZiri::m_MultiSelect, 0)),
        field("ScrollTrack", &RuzuZiri::m_ScrollTrack, true),
        field("AutoToolTips", &RuzuZiri::m_AutoToolTips, true),
        windowEnabled(),
        checked(field("FreezeAtCol", &RuzuZiri::m_FreezeAtCol, -1), ValidFreezeAtCol),
        cacheIncrement(),
        field("Enabled", &RuzuZiri::m_Enabled, true),
        field("MaxLineCount", &RuzuZiri::m_MaxLineCount, 0),
        field("MinRowHeight", &RuzuZiri::m_MinRowHeight, 0),
        field("ScaleUnits", &RuzuZiri::m_ScaleUnits, 1),
        field("SearchColumn", &RuzuZiri::m_SearchColumn, 0),
    };
    return table;
}

// The constituents exist from the start, in design mode too; the tip is a window of its own so
// that it may reach beyond the grid's edges.
void RuzuZiri::Initialize()
{
    m_English = GetInfo(LocaleInfoType::EnglishLanguageName) == QLatin1String("English");
    txtEdit = new QLineEdit(this);
    txtEdit->setObjectName(QStringLiteral("txtEdit"));
    txtEdit->setFrame(false);
    txtEdit->hide();
    picToolTip = new PictureBox(this);
    picToolTip->setObjectName(QStringLiteral("picToolTip"));
    picToolTip->setWindowFlags(Qt::ToolTip);
    picToolTip->setEnabled(false);
    picToolTip->BackColor(0x80000018);
    picToolTip->hide();
    TakeTipFont();
}

void RuzuZiri::TakeTipFont()
{
    m_TipFontBold = font().bold();
    m_TipFontItalic = font().italic();
    m_TipFontName = font().family();
}

// Handlers that still run while the children go see painting off and the grid on its way out.
// There is no wait for pending events here: they may belong to a host that is deleting the grid
// from inside one of its own handlers.
void RuzuZiri::Terminate()
{
    m_Terminating = true;
    m_Paint = false;
    m_Redraw = false;
    FlatSBTerm();
}

void RuzuZiri::ApplyWindowSettings()
{
    Surface::BackColor(OleColor(m_Colors.m_BackColorBkg));
    ShowBorder();
}

// Scroll bars belong to a running program; a form designer shows the grid without them.
void RuzuZiri::ApplyUserMode()
{
    if (UserMode()) {
        AttachScrollBars();
        return;
    }
    SBShow(0, false);
    SBShow(1, false);
    FlatSBTerm();
}

void RuzuZiri::InitProperties()
{
    m_Font = m_FontHeader = AmbientFont();
    for (const PersistedProperty& property : PersistedProperties()) {
        if (property.Fresh.isValid())
            property.Set(*this, property.Fresh);
    }
    m_Paint = m_Redraw = false;
    m_RowHeightDef = 0;
    ApplyTheme();
    ApplyWindowSettings();
    ApplyUserMode();
}

// The fonts come last: the header's font falls back on the body font just loaded, not on the host's.
void RuzuZiri::ReadProperties(PropertyBag& PropBag)
{
    for (const PersistedProperty& property : PersistedProperties())
        property.Set(*this, PropBag.ReadProperty(property.Key, property.Loaded));
    const QVariant ambient = AmbientFont();
    m_Font = ValidFont(PropBag.ReadProperty(QStringLiteral("Font"), ambient).value<QFont>());
    setFont(ValidFont(PropBag.ReadProperty(QStringLiteral("Font"), ambient).value<QFont>()));
    m_FontHeader = ValidFont(PropBag.ReadProperty(QStringLiteral("FontHeader"), m_Font).value<QFont>());
    ApplyTheme();
    ApplyWindowSettings();
    TakeTipFont();
    const Lifeline self(this);
    Clear();
    if (!self.Alive())
        return;
    CalcMetrics();
    DrawCaption();
    ApplyUserMode();
}

void RuzuZiri::WriteProperties(PropertyBag& PropBag)
{
    const QVariant ambient = AmbientFont();
    PropBag.WriteProperty(QStringLiteral("Font"), m_Font, ambient);
    PropBag.WriteProperty(QStringLiteral("FontHeader"), m_FontHeader, ambient);
    for (const PersistedProperty& property : PersistedProperties())
        PropBag.WriteProperty(property.Key, property.Get(*this), property.Saved);
}

} // namespace Tarvex
