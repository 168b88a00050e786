#include "DocumentPage.h"

#include "DemoTexts.h"

#include <tarvex/calendar/ZIzazeviviro.h>
#include <tarvex/platform/FormFile.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace Tarvex::Demo {

namespace {

constexpr DemoText FieldCaptions[DocumentPage::DateFieldCount] = { InvoiceDateCaption, DeliveryDateCaption, DueDateCaption };
constexpr int German = 3;
// Room for a field's open panel beside the next field, and for its caption above it.
constexpr int FieldPitch = 200;
constexpr int FieldLeft = 8;
constexpr int CaptionTop = 8;
constexpr int FieldTop = 28;
constexpr int FieldWidth = 120;
constexpr int RowHeight = 80;

QString FieldName(int Index) { return QStringLiteral("ZIzazeviviro1(%1)").arg(Index); }

// A left click on a constituent, delivered as the window system would deliver it.
void ClickPart(ZIzazeviviro* Field, const char* Name)
{
    QWidget* part = Field->findChild<QWidget*>(QLatin1String(Name));
    if (!part)
        return;
    const QPointF centre = part->rect().center();
    const QPointF global = part->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(part, &press);
    QApplication::sendEvent(part, &release);
}

bool Shown(ZIzazeviviro* Field, const char* Name)
{
    const QWidget* part = Field->findChild<QWidget*>(QLatin1String(Name));
    return part && !part->isHidden();
}

} // namespace

DocumentPage::DocumentPage(QWidget* Parent)
    : QWidget(Parent)
    , m_LastChange(new QLabel(this))
{
    // As a form designer keeps them: German names, the rest as placed.
    PropertyBag design;
    design.WriteProperty(QStringLiteral("Language"), German, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(FieldLeft, RowHeight, FieldLeft, FieldLeft);
    layout->addWidget(m_LastChange);
    layout->addStretch(1);
    for (int i = 0; i < DateFieldCount; ++i) {
        m_Captions[i] = new QLabel(this);
        m_Captions[i]->setGeometry(FieldLeft + FieldPitch * i, CaptionTop, FieldPitch - FieldLeft, FieldTop - CaptionTop);
        ZIzazeviviro1[i] = new ZIzazeviviro(this);
        ZIzazeviviro1[i]->setObjectName(FieldName(i));
        ZIzazeviviro1[i]->ReadProperties(design);
        ZIzazeviviro1[i]->setGeometry(FieldLeft + FieldPitch * i, FieldTop, FieldWidth, ZIzazeviviro1[i]->sizeHint().height());
        connect(ZIzazeviviro1[i], &ZIzazeviviro::Change, this, [this, i] { DateField_Change(i); });
    }
    ApplyTexts();
}

void DocumentPage::AddBelowDates(QWidget* Widget)
{
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertWidget(column->count() - 1, Widget);
    // The date fields stay in front: an open panel covers what lies below.
    for (ZIzazeviviro* field : ZIzazeviviro1)
        field->raise();
}

ZIzazeviviro* DocumentPage::DateField(int Index) const
{
    return Index >= 0 && Index < DateFieldCount ? ZIzazeviviro1[Index] : nullptr;
}

QString DocumentPage::LastChange() const { return m_LastChange->text(); }

void DocumentPage::ApplyTexts()
{
    for (int i = 0; i < DateFieldCount; ++i)
        m_Captions[i]->setText(Text(FieldCaptions[i]));
    if (m_LastChanged >= 0)
        DateField_Change(m_LastChanged);
}

// The wizard reads the date back on every change; here it shows in a line under the fields.
void DocumentPage::DateField_Change(int Index)
{
    m_LastChanged = Index;
    m_LastChange->setText(Text(DateChangedLine).arg(Text(FieldCaptions[Index]), ZIzazeviviro1[Index]->Text()));
}

QStringList DocumentPage::ReadForm(FormFile& Form)
{
    QStringList problems;
    for (int i = 0; i < DateFieldCount; ++i) {
        if (!Form.Contains(ZIzazeviviro::ControlType, FieldName(i)))
            continue;
        PropertyBag& bag = Form.Bag(ZIzazeviviro::ControlType, FieldName(i));
        ZIzazeviviro1[i]->ReadProperties(bag);
        problems << bag.Problems();
    }
    return problems;
}

void DocumentPage::WriteForm(FormFile& Form) const
{
    for (int i = 0; i < DateFieldCount; ++i)
        ZIzazeviviro1[i]->WriteProperties(Form.Bag(ZIzazeviviro::ControlType, FieldName(i)));
}

bool DocumentPage::DropDownShown(int Index) const
{
    ZIzazeviviro* field = DateField(Index);
    return field && Shown(field, "picCalendar");
}

void DocumentPage::ShowDropDown(int Index, bool Panel, bool MonthList)
{
    ZIzazeviviro* field = DateField(Index);
    if (!field)
        return;
    if (Shown(field, "picCalendar") != Panel)
        ClickPart(field, "btnCombo");
    if (Panel && Shown(field, "picMonthList") != MonthList)
        ClickPart(field, "btnMonthDown");
}

} // namespace Tarvex::Demo
