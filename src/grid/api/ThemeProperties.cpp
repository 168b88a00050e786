#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/OleColor.h>

namespace Tarvex {

qint32 RuzuZiri::BackColor() const { return d->m_Settings.m_Colors.m_BackColor; }

// The window's own background follows, so the area a repaint has not reached yet matches.
void RuzuZiri::BackColor(qint32 New_BackColor)
{
    if (!d->SetProperty(d->m_Settings.m_Colors.m_BackColor, New_BackColor, QStringLiteral("BackColor"), After::Store))
        return;
    Surface::BackColor(OleColor(New_BackColor));
    d->DrawGrid(d->m_Painter.m_Paint);
}

qint32 RuzuZiri::BackColorBkg() const { return d->m_Settings.m_Colors.m_BackColorBkg; }

void RuzuZiri::BackColorBkg(qint32 New_BackColorBkg)
{
    if (!d->SetProperty(
            d->m_Settings.m_Colors.m_BackColorBkg, New_BackColorBkg, QStringLiteral("BackColorBkg"), After::Store))
        return;
    Surface::BackColor(OleColor(New_BackColorBkg));
    d->RefreshIfRedraw();
}

qint32 RuzuZiri::BackColorEdit() const { return d->m_Settings.m_Colors.m_BackColorEdit; }

void RuzuZiri::BackColorEdit(qint32 New_BackColorEdit)
{
    d->SetProperty(d->m_Settings.m_Colors.m_BackColorEdit, New_BackColorEdit, QStringLiteral("BackColorEdit"), After::Store);
}

qint32 RuzuZiri::BackColorEvenRows() const { return d->m_Settings.m_Colors.m_BackColorEvenRows; }

void RuzuZiri::BackColorEvenRows(qint32 New_BackColorEvenRows)
{
    d->SetProperty(d->m_Settings.m_Colors.m_BackColorEvenRows, New_BackColorEvenRows,
        QStringLiteral("BackColorEvenRows"), After::Store);
}

qint32 RuzuZiri::BackColorSel() const { return d->m_Settings.m_Colors.m_BackColorSel; }

void RuzuZiri::BackColorSel(qint32 New_BackColorSel)
{
    d->SetProperty(d->m_Settings.m_Colors.m_BackColorSel, New_BackColorSel, QStringLiteral("BackColorSel"), After::Refresh);
}

qint32 RuzuZiri::FocusRectColor() const { return d->m_Settings.m_Colors.m_FocusRectColor; }

void RuzuZiri::FocusRectColor(qint32 New_FocusRectColor)
{
    d->SetProperty(
        d->m_Settings.m_Colors.m_FocusRectColor, New_FocusRectColor, QStringLiteral("FocusRectColor"), After::Store);
}

qint32 RuzuZiri::ForeColor() const { return d->m_Settings.m_Colors.m_ForeColor; }

void RuzuZiri::ForeColor(qint32 New_ForeColor)
{
    d->SetProperty(d->m_Settings.m_Colors.m_ForeColor, New_ForeColor, QStringLiteral("ForeColor"), After::Store);
}

qint32 RuzuZiri::ForeColorEdit() const { return d->m_Settings.m_Colors.m_ForeColorEdit; }

void RuzuZiri::ForeColorEdit(qint32 New_ForeColorEdit)
{
    d->SetProperty(d->m_Settings.m_Colors.m_ForeColorEdit, New_ForeColorEdit, QStringLiteral("ForeColorEdit"), After::Store);
}

qint32 RuzuZiri::ForeColorHdr() const { return d->m_Settings.m_Colors.m_ForeColorHdr; }

void RuzuZiri::ForeColorHdr(qint32 New_ForeColorHdr)
{
    if (!d->SetProperty(
            d->m_Settings.m_Colors.m_ForeColorHdr, New_ForeColorHdr, QStringLiteral("ForeColorHdr"), After::Store))
        return;
    d->DrawCaption();
    d->DrawHeaders(false);
}

qint32 RuzuZiri::ForeColorSel() const { return d->m_Settings.m_Colors.m_ForeColorSel; }

void RuzuZiri::ForeColorSel(qint32 New_ForeColorSel)
{
    d->SetProperty(d->m_Settings.m_Colors.m_ForeColorSel, New_ForeColorSel, QStringLiteral("ForeColorSel"), After::Refresh);
}

qint32 RuzuZiri::GridColor() const { return d->m_Settings.m_Colors.m_GridColor; }

void RuzuZiri::GridColor(qint32 New_GridColor)
{
    d->SetProperty(d->m_Settings.m_Colors.m_GridColor, New_GridColor, QStringLiteral("GridColor"), After::Repaint);
}

bool RuzuZiri::FocusRowHighlightKeepTextForecolor() const { return d->m_Settings.m_FocusRowHighlightKeepTextForecolor; }

// Both settle which colour the text of a highlighted row takes, which the scheme works out.
void RuzuZiri::FocusRowHighlightKeepTextForecolor(bool New_FocusRowHighlightKeepTextForecolor)
{
    if (!d->SetProperty(d->m_Settings.m_FocusRowHighlightKeepTextForecolor, New_FocusRowHighlightKeepTextForecolor,
                     QStringLiteral("FocusRowHighlightKeepTextForecolor"), After::Store))
        return;
    d->ApplyTheme();
    d->RefreshIfRedraw();
}

int RuzuZiri::FocusRowHighlightStyle() const { return d->m_Settings.m_FocusRowHighlightStyle; }

void RuzuZiri::FocusRowHighlightStyle(int New_FocusRowHighlightStyle)
{
    if (!d->SetProperty(d->m_Settings.m_FocusRowHighlightStyle, New_FocusRowHighlightStyle,
            QStringLiteral("FocusRowHighlightStyle"), After::Store))
        return;
    d->ApplyTheme();
    d->RefreshIfRedraw();
}

int RuzuZiri::ThemeColor() const { return d->m_Settings.m_ThemeColor; }

// Writing the scheme in force again leaves colours the host set since then alone.
void RuzuZiri::ThemeColor(int New_ThemeColor)
{
    const bool changed = New_ThemeColor != d->m_Settings.m_ThemeColor;
    if (!d->SetProperty(d->m_Settings.m_ThemeColor, New_ThemeColor, QStringLiteral("ThemeColor"), After::Store) || !changed)
        return;
    d->ApplyTheme();
    d->DrawGrid(d->m_Painter.m_Paint);
}

qint32 RuzuZiri::ThemeCustomColorFrom() const { return d->m_Settings.m_Colors.m_CustomColorFrom; }

void RuzuZiri::ThemeCustomColorFrom(qint32 New_ThemeCustomColorFrom)
{
    d->CustomColor(d->m_Settings.m_Colors.m_CustomColorFrom, New_ThemeCustomColorFrom, QStringLiteral("ThemeColorFrom"));
}

qint32 RuzuZiri::ThemeCustomColorTo() const { return d->m_Settings.m_Colors.m_CustomColorTo; }

void RuzuZiri::ThemeCustomColorTo(qint32 New_ThemeCustomColorTo)
{
    d->CustomColor(d->m_Settings.m_Colors.m_CustomColorTo, New_ThemeCustomColorTo, QStringLiteral("ThemeColorTo"));
}

// The gradient pair is the host's only under the custom scheme; any other scheme owns it. The
// pair is kept as plain colours, because the header painter blends its channels.
void RuzuZiriPrivate::CustomColor(qint32& Member, qint32 New_Color, const QString& ChangeName)
{
    if (m_Settings.m_ThemeColor == ThemeColorCustom
        && !SetProperty(Member, ToOleColor(TranslateOleColor(OleColor(New_Color), q->palette())), ChangeName, After::Store))
        return;
    q->Refresh();
}

int RuzuZiri::ThemeStyle() const { return d->m_Settings.m_ThemeStyle; }

void RuzuZiri::ThemeStyle(int New_ThemeStyle)
{
    d->SetProperty(d->m_Settings.m_ThemeStyle, New_ThemeStyle, QStringLiteral("ThemeStyle"), After::Repaint);
}

} // namespace Tarvex
