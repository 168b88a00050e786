#include "controls/tabstrip/VozirAduPrivate.h"

#include <tarvex/platform/DoEvents.h>
#include <tarvex/platform/PictureBox.h>

#include <QEvent>
#include <QFontMetricsF>

#include <algorithm>
#include <climits>
#include <cmath>

namespace Tarvex {
namespace {
constexpr int StripLeft = 3;
constexpr int StripTop = 2;
constexpr int MinStripHeight = 17;
constexpr int CaptionTop = 3;      // where a caption is printed on TabStrip
constexpr int FocusBelowStrip = 2; // FocusRect's bottom below TabStrip's height, in HighvozirAdu
} // namespace

void VozirAdu::Resize()
{
    const int stripHeight = d->TabRowHeight();
    d->FocusRect.Left = 4;
    d->FocusRect.Top = 3;
    d->FocusRect.Bottom = stripHeight + FocusBelowStrip;
    ScaleMode(ScaleModes::Pixels);
    d->TabLefts[0] = 2;
    d->TabStrip->Move(StripLeft, StripTop, int(ScaleWidth()), stripHeight);
    d->TabColors = { 0xFFFFFF, 0xE0E0E0, 0x000000, SystemColor::ApplicationWorkspace };
    d->m_LaidOut = true;
    d->DrawStrip();
    d->LayoutTabs();
}

void VozirAdu::changeEvent(QEvent* Event)
{
    UserControl::changeEvent(Event);
    if (Event->type() == QEvent::FontChange && d->m_LaidOut)
        Resize();
}

void VozirAduPrivate::Relayout()
{
    if (m_LaidOut)
        LayoutTabs();
}

// The 17 pixels of the tab row hold a caption of the usual faces and sizes; a taller font gets the
// height it needs, so that no caption loses its descenders.
int VozirAduPrivate::TabRowHeight() const
{
    return std::max(MinStripHeight, CaptionTop + int(std::ceil(QFontMetricsF(TabStrip->font()).height())));
}

// Two nested frames below the tab row: light on the left and top, dark on the right and bottom.
void VozirAduPrivate::DrawStrip()
{
    q->Cls();
    const double W = q->ScaleWidth();
    const double H = q->ScaleHeight();
    const int rowBottom = TabStrip->y() + TabStrip->height() - 1;
    for (int i = 1; i <= 2; ++i) {
        q->CurrentX(i);
        q->CurrentY(H - i);
        q->LineTo(i, rowBottom + i, TabColors[i - 1]);
        q->LineTo(W - i, rowBottom + i, TabColors[i - 1]);
        q->LineTo(W - i, H - i, TabColors[i + 1]);
        q->LineTo(i, H - i, TabColors[i + 1]);
    }
}

int VozirAduPrivate::MeasuredTabWidth(const QString& TabCaption) const
{
    // Kept to the signed 16-bit range the tab geometry is made for, whatever the caption's length.
    return int(std::clamp(std::nearbyint(TabStrip->TextWidth(TabCaption) + 15), 0.0, double(SHRT_MAX)));
}

void VozirAduPrivate::LayoutTabs()
{
    TabStrip->Cls();
    for (int i = 0; i < m_NumberOfTabs; ++i) {
        const QString caption = q->Caption(i);
        TabWidths[i] = MeasuredTabWidth(caption);
        if (i > 0)
            TabLefts[i] = TabLefts[i - 1] + TabWidths[i - 1];
        DrawTab(*TabStrip, false, i);
        TabStrip->CurrentX(TabLefts[i] + 5);
        TabStrip->CurrentY(CaptionTop);
        TabStrip->Print(caption);
    }
    SelectTab(m_ActiveTab, false);
}

// Two-pixel edges, light on the left and top with cut corners, dark on the right. The raised tab
// reaches one pixel further down on its left so that it runs into the panel's top edge.
void VozirAduPrivate::DrawTab(PictureBox& Target, bool Highlighted, int Index)
{
    const int L = Highlighted ? 0 : TabLefts[Index];
    const int R = Highlighted ? int(Target.ScaleWidth()) : L + TabWidths[Index];
    const int B = int(Target.ScaleHeight());
    const int T = m_ActiveTab == 0 ? 0 : Highlighted ? 2 : 1;
    const int h = Highlighted ? 1 : 0;
    for (int j = 0; j <= 1; ++j) {
        Target.CurrentX(L + j);
        Target.CurrentY(B - T);
        Target.LineTo(L + j, 2, TabColors[j]);
        Target.LineTo(L + 2, j, TabColors[j]);
        Target.LineTo(R - 2, j, TabColors[j]);
        Target.CurrentX(R - 2);
        Target.CurrentY(j + 1);
        Target.LineTo(R - 1 - j, 2, TabColors[j + 2]);
        Target.LineTo(R - 1 - j, B - h, TabColors[j + 2]);
    }
    Target.ForeColor(TabColors[2]);
}

// A write of ActiveTab from an AfterTabChange handler moves the raised tab but raises no event of its
// own, so a handler that always writes it cannot nest without end. False when the handler deleted
// the strip: nothing of it may be touched then.
bool VozirAduPrivate::SelectTab(short& Index, bool Raise)
{
    if (Index < 0 || Index >= m_NumberOfTabs)
        return true;
    RaiseTab(Index);
    if (!Raise || m_InTabChange)
        return true;
    const short selected = Index;
    m_InTabChange = true;
    const Lifeline self(q);
    emit q->AfterTabChange(Index);
    if (!self.Alive())
        return false;
    m_InTabChange = false;
    // The host may move ActiveTab through the reference; it may not move it off the tabs, not even
    // off the fewer tabs it may have left.
    if (m_ActiveTab < 0 || m_ActiveTab >= m_NumberOfTabs)
        m_ActiveTab = selected < m_NumberOfTabs ? selected : 0;
    if (m_ActiveTab != m_RaisedTab)
        RaiseTab(m_ActiveTab);
    return true;
}

void VozirAduPrivate::RaiseTab(short Index)
{
    if (!m_LaidOut)
        return;
    HighvozirAdu->hide();
    HighvozirAdu->Cls();
    m_FocusShown = false;
    HighvozirAdu->Move(TabLefts[Index] - 1, TabStrip->y() - 2, TabWidths[Index] + 6, TabStrip->height() + 4);
    DrawTab(*HighvozirAdu, true, Index);
    HighvozirAdu->CurrentX(9);
    HighvozirAdu->CurrentY(4);
    HighvozirAdu->Print(q->Caption(Index));
    HighvozirAdu->show();
    m_RaisedTab = Index;
    ShowFocusWhileFocused();
}

// Inverts the dotted rectangle on the raised tab: the first call shows it, the next removes it.
void VozirAduPrivate::DrawFocus()
{
    FocusRect.Right = int(std::nearbyint(HighvozirAdu->ScaleWidth() - 3));
    HighvozirAdu->DrawFocusRect(FocusRect);
    HighvozirAdu->Refresh();
    m_FocusShown = !m_FocusShown;
}

bool VozirAduPrivate::SetCaptionItem(int Index, const QString& New_Caption)
{
    if (Index < 0)
        return false;
    qsizetype start = 0;
    for (int k = 0; k < Index; ++k) {
        const qsizetype separator = m_Captions.indexOf(QLatin1Char('|'), start);
        if (separator < 0)
            return false;
        start = separator + 1;
    }
    const qsizetype end = m_Captions.indexOf(QLatin1Char('|'), start);
    if (end < 0)
        return false;
    m_Captions = m_Captions.left(start) + New_Caption + m_Captions.mid(end);
    return true;
}

} // namespace Tarvex
