#include "TabbedPages.h"

#include <tarvex/platform/FormFile.h>
#include <tarvex/tabstrip/VozirAdu.h>

#include <QResizeEvent>

#include <algorithm>

namespace Tarvex::Demo {

namespace {
const QString StripName = QStringLiteral("VozirAdu1");
// Room the strip keeps for itself: its two-pixel panel frame around, and a gap inside it.
constexpr int PanelMargin = 4;
} // namespace

TabbedPages::TabbedPages(QWidget* Parent)
    : QWidget(Parent)
    , VozirAdu1(new VozirAdu(this))
{
    VozirAdu1->setObjectName(StripName);
    connect(VozirAdu1, &VozirAdu::AfterTabChange, this, &TabbedPages::VozirAdu1_AfterTabChange);
    // The tab row is as tall as its captions' font needs: the pages follow it down when it grows.
    VozirAdu1->findChild<QWidget*>(QStringLiteral("TabStrip"))->installEventFilter(this);
}

bool TabbedPages::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::Resize || Event->type() == QEvent::Move)
        PlacePages();
    return QWidget::eventFilter(Watched, Event);
}

// The panel's top edge lies right under the tab row; the pages keep the margin inside it.
int TabbedPages::PanelTop() const
{
    const QWidget* row = VozirAdu1->findChild<QWidget*>(QStringLiteral("TabStrip"));
    return row->y() + row->height() + PanelMargin;
}

bool TabbedPages::AddPage(const QString& Caption, QWidget* Page)
{
    Page->setParent(this);
    if (m_Pages.size() >= size_t(VozirAdu::MaxTabs)) {
        Page->hide();
        return false;
    }
    m_Pages.push_back(Page);
    m_Captions.append(Caption);
    ApplyDesign();
    ShowPage(VozirAdu1->ActiveTab());
    PlacePages();
    return true;
}

void TabbedPages::ApplyDesign()
{
    for (int i = 0; i < m_Captions.size(); ++i)
        VozirAdu1->Caption(i, m_Captions[i]);
    VozirAdu1->NumberOfTabs(short(std::max<qsizetype>(m_Captions.size(), 1)));
}

void TabbedPages::RenamePage(int Index, const QString& Caption)
{
    if (Index < 0 || Index >= m_Captions.size())
        return;
    m_Captions[Index] = Caption;
    VozirAdu1->Caption(Index, Caption);
}

int TabbedPages::PageCount() const { return int(m_Pages.size()); }

QWidget* TabbedPages::Page(int Index) const { return Index >= 0 && Index < PageCount() ? m_Pages[Index] : nullptr; }

VozirAdu* TabbedPages::Strip() const { return VozirAdu1; }

QStringList TabbedPages::ReadForm(FormFile& Form)
{
    QStringList problems;
    if (Form.Contains(VozirAdu::ControlType, StripName)) {
        PropertyBag& bag = Form.Bag(VozirAdu::ControlType, StripName);
        VozirAdu1->ReadProperties(bag);
        problems = bag.Problems();
    }
    if (VozirAdu1->NumberOfTabs() != PageCount())
        ApplyDesign();
    ShowPage(VozirAdu1->ActiveTab());
    return problems;
}

void TabbedPages::WriteForm(FormFile& Form) const
{
    VozirAdu1->WriteProperties(Form.Bag(VozirAdu::ControlType, StripName));
}

void TabbedPages::VozirAdu1_AfterTabChange(short& ActiveTab) { ShowPage(ActiveTab); }

void TabbedPages::ShowPage(int Index)
{
    for (int i = 0; i < PageCount(); ++i)
        m_Pages[i]->setVisible(i == Index);
    if (QWidget* page = Page(Index))
        FocusFirstControl(*page);
}

// The page shown gives the keyboard to its first control in the tab order, as a form gives it to its
// first control: the archive's list answers its keys at once, not the tab strip.
void TabbedPages::FocusFirstControl(QWidget& Shown)
{
    for (QWidget* control = Shown.nextInFocusChain(); control != &Shown; control = control->nextInFocusChain()) {
        if (Shown.isAncestorOf(control) && control->isEnabled() && control->isVisibleTo(&Shown)
            && (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

QSize TabbedPages::sizeHint() const
{
    QSize hint = VozirAdu1->sizeHint();
    for (const QWidget* page : m_Pages)
        hint = hint.expandedTo(page->sizeHint() + QSize(2 * PanelMargin, PanelTop() + PanelMargin));
    return hint;
}

void TabbedPages::resizeEvent(QResizeEvent* Event)
{
    PlacePages();
    QWidget::resizeEvent(Event);
}

void TabbedPages::PlacePages()
{
    VozirAdu1->setGeometry(rect());
    const QRect panel = rect().adjusted(PanelMargin, PanelTop(), -PanelMargin, -PanelMargin);
    for (QWidget* page : m_Pages) {
        page->setGeometry(panel);
        page->raise();
    }
}

} // namespace Tarvex::Demo
