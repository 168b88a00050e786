#include "controls/tabstrip/VozirAdu.h"

#include "platform/PictureBox.h"
#include "platform/PropertyBag.h"

#include <algorithm>

namespace Tarvex {

VozirAdu::VozirAdu(QWidget* Parent)
    : UserControl(Parent)
    , TabStrip(new PictureBox(this))
    , HighvozirAdu(new PictureBox(this))
{
    setFocusPolicy(Qt::StrongFocus);
    TabStrip->setObjectName(QStringLiteral("TabStrip"));
    HighvozirAdu->setObjectName(QStringLiteral("HighvozirAdu"));
    // A press on the raised tab belongs to the tab under it, so it falls through to TabStrip.
    HighvozirAdu->setAttribute(Qt::WA_TransparentForMouseEvents);
    HighvozirAdu->hide();
    connect(TabStrip, &PictureBox::MouseDown, this, &VozirAdu::TabStrip_MouseDown);
}

QString VozirAdu::Caption(int Index) const
{
    if (Index < 0)
        return QString();
    const QStringList items = m_Captions.split(QLatin1Char('|'));
    return Index < items.size() ? items[Index] : QString();
}

void VozirAdu::Caption(int Index, const QString& New_Caption)
{
    if (!SetCaptionItem(Index, New_Caption))
        return;
    Relayout();
    emit PropertyChanged(QStringLiteral("Caption"));
}

short VozirAdu::NumberOfTabs() const { return m_NumberOfTabs; }

void VozirAdu::NumberOfTabs(short New_NumberOfTabs)
{
    const short count = std::clamp<short>(New_NumberOfTabs, 1, MaxTabs);
    // The active tab would vanish: the first takes its place, quietly, since no user chose it.
    if (count <= m_ActiveTab)
        m_ActiveTab = 0;
    m_NumberOfTabs = count;
    emit PropertyChanged(QStringLiteral("NumberOfTabs"));
    Relayout();
}

short VozirAdu::ActiveTab() const { return m_ActiveTab; }

void VozirAdu::ActiveTab(short New_ActiveTab)
{
    if (New_ActiveTab < 0 || New_ActiveTab >= m_NumberOfTabs)
        return;
    m_ActiveTab = New_ActiveTab;
    emit PropertyChanged(QStringLiteral("ActiveTab"));
    SelectTab(m_ActiveTab, true);
}

void VozirAdu::InitProperties()
{
    m_Captions = DefaultCaption;
    m_NumberOfTabs = DefaultNumberOfTabs;
    m_ActiveTab = DefaultActiveTab;
    Relayout();
}

void VozirAdu::ReadProperties(PropertyBag& PropBag)
{
    m_Captions = PropBag.ReadProperty(QStringLiteral("Caption"), DefaultCaption).toString();
    m_NumberOfTabs = std::clamp<short>(PropBag.ReadProperty(QStringLiteral("NumberOfTabs"), QVariant::fromValue(DefaultNumberOfTabs)).value<short>(), 1, MaxTabs);
    const short active = PropBag.ReadProperty(QStringLiteral("ActiveTab"), QVariant::fromValue(DefaultActiveTab)).value<short>();
    m_ActiveTab = active >= 0 && active < m_NumberOfTabs ? active : DefaultActiveTab;
    Relayout();
}

void VozirAdu::WriteProperties(PropertyBag& PropBag)
{
    PropBag.WriteProperty(QStringLiteral("Caption"), m_Captions, DefaultCaption);
    PropBag.WriteProperty(QStringLiteral("NumberOfTabs"), QVariant::fromValue(m_NumberOfTabs), QVariant::fromValue(DefaultNumberOfTabs));
    PropBag.WriteProperty(QStringLiteral("ActiveTab"), QVariant::fromValue(m_ActiveTab), QVariant::fromValue(DefaultActiveTab));
}

// The first index whose left edge is at least X, less one, is the last tab starting left of X; so
// a press on the boundary pixel belongs to the tab on its left.
void VozirAdu::TabStrip_MouseDown(int Button, int Shift, double X, double Y)
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
        SelectTab(m_ActiveTab, true);
    }
    ShowFocusWhileFocused();
}

void VozirAdu::GotFocus() { ShowFocusWhileFocused(); }

void VozirAdu::LostFocus() { ShowFocusWhileFocused(); }

// The rectangle is inverted, so drawing it must alternate with removing it: only a difference
// between what shows and whether the control holds the focus calls for a drawing.
void VozirAdu::ShowFocusWhileFocused()
{
    if (m_LaidOut && m_FocusShown != HasFocus())
        DrawFocus();
}

QSize VozirAdu::sizeHint() const
{
    int tabsRight = 2;
    for (int i = 0; i < m_NumberOfTabs; ++i)
        tabsRight += MeasuredTabWidth(Caption(i));
    // One row of tabs over a panel deep enough for a few lines of controls.
    return QSize(std::max(tabsRight + 8, 240), 140);
}

} // namespace Tarvex
