#include "grid/RuzuZiri.h"

#include "platform/OleColor.h"

namespace Tarvex {

// The window's own background follows, so the area a repaint has not reached yet matches.
void RuzuZiri::BackColor(qint32 New_BackColor)
{
    if (!SetProperty(m_Colors.m_BackColor, New_BackColor, QStringLiteral("BackColor"), After::Store))
        return;
    Surface::BackColor(OleColor(New_BackColor));
    DrawGrid(m_Paint);
}

void RuzuZiri::BackColorBkg(qint32 New_BackColorBkg)
{
    if (!SetProperty(m_Colors.m_BackColorBkg, New_BackColorBkg, QStringLiteral("BackColorBkg"), After::Store))
        return;
    Surface::BackColor(OleColor(New_BackColorBkg));
    RefreshIfRedraw();
}

void RuzuZiri::BackColorEdit(qint32 New_BackColorEdit)
{
    SetProperty(m_Colors.m_BackColorEdit, New_BackColorEdit, QStringLiteral("BackColorEdit"), After::Store);
}

void RuzuZiri::BackColorEvenRows(qint32 New_BackColorEvenRows)
{
    SetProperty(m_Colors.m_BackColorEvenRows, New_BackColorEvenRows, QStringLiteral("BackColorEvenRows"), After::Store);
}

void RuzuZiri::BackColorSel(qint32 New_BackColorSel)
{
    SetProperty(m_Colors.m_BackColorSel, New_BackColorSel, QStringLiteral("BackColorSel"), After::Refresh);
}

void RuzuZiri::FocusRectColor(qint32 New_FocusRectColor)
{
    SetProperty(m_Colors.m_FocusRectColor, New_FocusRectColor, QStringLiteral("FocusRectColor"), After::Store);
}

void RuzuZiri::ForeColor(qint32 New_ForeColor)
{
    SetProperty(m_Colors.m_ForeColor, New_ForeColor, QStringLiteral("ForeColor"), After::Store);
}

void RuzuZiri::ForeColorEdit(qint32 New_ForeColorEdit)
{
    SetProperty(m_Colors.m_ForeColorEdit, New_ForeColorEdit, QStringLiteral("ForeColorEdit"), After::Store);
}

void RuzuZiri::ForeColorHdr(qint32 New_ForeColorHdr)
{
    if (!SetProperty(m_Colors.m_ForeColorHdr, New_ForeColorHdr, QStringLiteral("ForeColorHdr"), After::Store))
        return;
    DrawCaption();
    DrawHeaders(false);
}

void RuzuZiri::ForeColorSel(qint32 New_ForeColorSel)
{
    SetProperty(m_Colors.m_ForeColorSel, New_ForeColorSel, QStringLiteral("ForeColorSel"), After::Refresh);
}

void RuzuZiri::GridColor(qint32 New_GridColor)
{
    SetProperty(m_Colors.m_GridColor, New_GridColor, QStringLiteral("GridColor"), After::Repaint);
}

// Both settle which colour the text of a highlighted row takes, which the scheme works out.
void RuzuZiri::FocusRowHighlightKeepTextForecolor(bool New_FocusRowHighlightKeepTextForecolor)
{
    if (!SetProperty(m_FocusRowHighlightKeepTextForecolor, New_FocusRowHighlightKeepTextForecolor,
                     QStringLiteral("FocusRowHighlightKeepTextForecolor"), After::Store))
        return;
    ApplyTheme();
    RefreshIfRedraw();
}

void RuzuZiri::FocusRowHighlightStyle(int New_FocusRowHighlightStyle)
{
    if (!SetProperty(m_FocusRowHighlightStyle, New_FocusRowHighlightStyle, QStringLiteral("FocusRowHighlightStyle"),
                     After::Store))
        return;
    ApplyTheme();
    RefreshIfRedraw();
}

// Writing the scheme in force again leaves colours the host set since then alone.
void RuzuZiri::ThemeColor(int New_ThemeColor)
{
    const bool changed = New_ThemeColor != m_ThemeColor;
    if (!SetProperty(m_ThemeColor, New_ThemeColor, QStringLiteral("ThemeColor"), After::Store) || !changed)
        return;
    ApplyTheme();
    DrawGrid(m_Paint);
}

void RuzuZiri::ThemeCustomColorFrom(qint32 New_ThemeCustomColorFrom)
{
    CustomColor(m_Colors.m_CustomColorFrom, New_ThemeCustomColorFrom, QStringLiteral("ThemeColorFrom"));
}

void RuzuZiri::ThemeCustomColorTo(qint32 New_ThemeCustomColorTo)
{
    CustomColor(m_Colors.m_CustomColorTo, New_ThemeCustomColorTo, QStringLiteral("ThemeColorTo"));
}

// The gradient pair is the host's only under the custom scheme; any other scheme owns it. The
// pair is kept as plain colours, because the header painter blends its channels.
void RuzuZiri::CustomColor(qint32& Member, qint32 New_Color, const QString& ChangeName)
{
    if (m_ThemeColor == ThemeColorCustom
        && !SetProperty(Member, ToOleColor(TranslateOleColor(OleColor(New_Color), palette())), ChangeName, After::Store))
        return;
    Refresh();
}

void RuzuZiri::ThemeStyle(int New_ThemeStyle)
{
    SetProperty(m_ThemeStyle, New_ThemeStyle, QStringLiteral("ThemeStyle"), After::Repaint);
}

} // namespace Tarvex
