#include <tarvex/tabstrip/VozirAdu.h>

#include "controls/tabstrip/VozirAduPrivate.h"

#include <tarvex/platform/DoEvents.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/PropertyBag.h>

#include <algorithm>

namespace Tarvex {

VozirAdu::VozirAdu(QWidget* Parent)
    : UserControl(Parent)
    , d(std::make_unique<VozirAduPrivate>(this))
{
    setFocusPolicy(Qt::StrongFocus);
    d->TabStrip = new PictureBox(this);
    d->HighvozirAdu = new PictureBox(this);
    d->TabStrip->setObjectName(QStringLiteral("TabStrip"));
    d->HighvozirAdu->setObjectName(QStringLiteral("HighvozirAdu"));
    // A press on the raised tab belongs to the tab under it, so it falls through to TabStrip.
    d->HighvozirAdu->setAttribute(Qt::WA_TransparentForMouseEvents);
    d->HighvozirAdu->hide();
    connect(d->TabStrip, &PictureBox::MouseDown, this,
        [this](int Button, int Shift, double X, double Y) { d->TabStrip_MouseDown(Button, Shift, X, Y); });
}

VozirAdu::~VozirAdu() = default;

QString VozirAdu::Caption(int Index) const
{
    if (Index < 0)
        return QString();
    const QStringList items = d->m_Captions.split(QLatin1Char('|'));
    return Index < items.size() ? items[Index] : QString();
}

void VozirAdu::Caption(int Index, const QString& New_Caption)
{
    if (!d->SetCaptionItem(Index, New_Caption))
        return;
    d->Relayout();
    emit PropertyChanged(QStringLiteral("Caption"));
}

short VozirAdu::NumberOfTabs() const { return d->m_NumberOfTabs; }

void VozirAdu::NumberOfTabs(short New_NumberOfTabs)
{
    const short count = std::clamp<short>(New_NumberOfTabs, 1, MaxTabs);
    // The active tab would vanish: the first takes its place, quietly, since no user chose it.
    if (count <= d->m_ActiveTab)
        d->m_ActiveTab = 0;
    d->m_NumberOfTabs = count;
    const Lifeline self(this);
    emit PropertyChanged(QStringLiteral("NumberOfTabs"));
    if (self.Alive())
        d->Relayout();
}

short VozirAdu::ActiveTab() const { return d->m_ActiveTab; }

void VozirAdu::ActiveTab(short New_ActiveTab)
{
    if (New_ActiveTab < 0 || New_ActiveTab >= d->m_NumberOfTabs)
        return;
    d->m_ActiveTab = New_ActiveTab;
    const Lifeline self(this);
    emit PropertyChanged(QStringLiteral("ActiveTab"));
    if (self.Alive())
        d->SelectTab(d->m_ActiveTab, true);
}

void VozirAdu::InitProperties()
{
    static_cast<TabStripSettings&>(*d) = TabStripSettings();
    d->Relayout();
}

void VozirAdu::ReadProperties(PropertyBag& PropBag)
{
    d->m_Captions = PropBag.ReadProperty(QStringLiteral("Caption"), DefaultCaption).toString();
    d->m_NumberOfTabs = std::clamp<short>(PropBag.ReadProperty(QStringLiteral("NumberOfTabs"), QVariant::fromValue(DefaultNumberOfTabs)).value<short>(), 1, MaxTabs);
    const short active = PropBag.ReadProperty(QStringLiteral("ActiveTab"), QVariant::fromValue(DefaultActiveTab)).value<short>();
    d->m_ActiveTab = active >= 0 && active < d->m_NumberOfTabs ? active : DefaultActiveTab;
    d->Relayout();
}

void VozirAdu::WriteProperties(PropertyBag& PropBag)
{
    PropBag.WriteProperty(QStringLiteral("Caption"), d->m_Captions, DefaultCaption);
    PropBag.WriteProperty(QStringLiteral("NumberOfTabs"), QVariant::fromValue(d->m_NumberOfTabs), QVariant::fromValue(DefaultNumberOfTabs));
    PropBag.WriteProperty(QStringLiteral("ActiveTab"), QVariant::fromValue(d->m_ActiveTab), QVariant::fromValue(DefaultActiveTab));
}

// The first index whose left edge is at least X, less one, is the last tab starting left of X; so
// a press on the boundary pixel belongs to the tab on its left.
void VozirAduPrivate::TabStrip_MouseDown(int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Q_UNUSED(Y);
    if (!m_LaidOut)
        return;
    const int last = m_NumberOfTabs - 1;
    if (!(TabLefts[0] < X && X <= TabLefts[last] + TabWidths[last]))
        return;
    const auto firstAtOrRight = std::find_if(TabLefts.begin(), TabLefts.begin() + last + 1, [X](int left) { return left >= X; });
    const short hit = short(firstAtOrRight - TabLefts.begin() - 1);
    if (hit != m_ActiveTab) {
        m_ActiveTab = hit;
        if (!SelectTab(m_ActiveTab, true))
            return;
    }
    ShowFocusWhileFocused();
}

void VozirAdu::GotFocus() { d->ShowFocusWhileFocused(); }

void VozirAdu::LostFocus() { d->ShowFocusWhileFocused(); }

// The rectangle is inverted, so drawing it must alternate with removing it: only a difference
// between what shows and whether the control holds the focus calls for a drawing.
void VozirAduPrivate::ShowFocusWhileFocused()
{
    if (m_LaidOut && m_FocusShown != q->HasFocus())
        DrawFocus();
}

QSize VozirAdu::sizeHint() const
{
    int tabsRight = 2;
    for (int i = 0; i < d->m_NumberOfTabs; ++i)
        tabsRight += d->MeasuredTabWidth(Caption(i));
    // One row of tabs over a panel deep enough for a few lines of controls.
    return QSize(std::max(tabsRight + 8, 240), 140);
}

} // namespace Tarvex
