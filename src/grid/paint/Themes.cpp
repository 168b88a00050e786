#include "grid/paint/Themes.h"

#include "grid/paint/DrawingHelpers.h"
#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/VisualStyle.h>

#include <array>

namespace Tarvex {
namespace {

struct Scheme {
    qint32 CustomColorFrom;
    qint32 CustomColorTo;
    qint32 BackColorBkg;
    qint32 BackColorSel;
    qint32 ForeColorSel;
    qint32 FocusRectColor;
};

constexpr qint32 Window = qint32(0x80000005);
constexpr qint32 WindowText = qint32(0x80000008);
constexpr qint32 ApplicationWorkspace = qint32(0x8000000C);

constexpr std::array<Scheme, 5> Schemes { {
    { 0xFCE1CB, 0xE0A57D, ApplicationWorkspace, 0xC56A31, 0xFFFFFF, 0x96FFFE },
    { 0xFBF4F4, 0x928282, ApplicationWorkspace, 0xBFB4B2, 0x000000, 0x433D39 },
    { 0xE1F9F7, 0x69A18B, ApplicationWorkspace, 0x70A093, 0xFFFFFF, 0x96FFFE },
    { 0xF2F8F8, 0x7C9F96, 0x6A7D6A, 0x778A77, 0xE1F9F7, 0x96FFFE },
    { 0xA5EFFF, 0x4986A0, 0x0F4C66, 0x37748E, 0xE1EEF9, 0x96FFFE },
} };

} // namespace

void ComputeThemeColors(GridColorSet& Colors, int Scheme, int FocusRowHighlightStyle, const QPalette& Palette)
{
    if (Scheme < 0 || Scheme >= int(Schemes.size()))
        return;
    const auto& scheme = Schemes[size_t(Scheme)];
    Colors.m_CustomColorFrom = scheme.CustomColorFrom;
    Colors.m_CustomColorTo = scheme.CustomColorTo;
    Colors.m_BackColorBkg = scheme.BackColorBkg;
    Colors.m_BackColor = Window;
    Colors.m_ForeColor = WindowText;
    Colors.m_BackColorSel = scheme.BackColorSel;
    Colors.m_ForeColorSel = scheme.ForeColorSel;
    Colors.m_FocusRectColor = scheme.FocusRectColor;
    Colors.m_GridColor = ShiftColor(Colors.m_CustomColorTo, 25, Palette);
    if (FocusRowHighlightStyle != 0)
        Colors.m_ForeColorSel = WindowText;
}

QString GetVisualStyleName()
{
    if (!VisualStyle::HasThemeData(QStringLiteral("ExplorerBar")))
        return QStringLiteral("Classic");
    return VisualStyle::CurrentSchemeName();
}

int SchemeForVisualStyle(bool Themed, const QString& ThemeName)
{
    if (!Themed)
        return ThemeColorCustom;
    if (ThemeName == QLatin1String("Metallic"))
        return 1;
    if (ThemeName == QLatin1String("HomeStead"))
        return 2;
    return 0;
}

void RuzuZiriPrivate::ApplyTheme()
{
    if (m_Settings.m_ThemeColor != ThemeColorSystem)
        ComputeThemeColors(m_Settings.m_ThemeColor);
    else
        SelectThemeStyle();
}

void RuzuZiriPrivate::SelectThemeStyle()
{
    GetVisualStyleName();
    ComputeThemeColors(SchemeForVisualStyle(AppThemed(), m_Settings.m_ThemeName));
}

void RuzuZiriPrivate::GetVisualStyleName() { m_Settings.m_ThemeName = Tarvex::GetVisualStyleName(); }

void RuzuZiriPrivate::ComputeThemeColors(int Scheme)
{
    Tarvex::ComputeThemeColors(m_Settings.m_Colors, Scheme, m_Settings.m_FocusRowHighlightStyle, q->palette());
}

} // namespace Tarvex
