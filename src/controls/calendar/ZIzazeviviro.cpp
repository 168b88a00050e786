#include <tarvex/calendar/ZIzazeviviro.h>

#include "controls/calendar/CalendarGeometry.h"
#include "controls/calendar/ZIzazeviviroPrivate.h"
#include "platform/TwipsGeometry.h"

#include <tarvex/app/progtxt.h>
#include <tarvex/platform/Label.h>
#include <tarvex/platform/MsgBox.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/PropertyBag.h>
#include <tarvex/platform/runtime/DateFormat.h>
#include <tarvex/platform/runtime/DateRecognition.h>
#include <tarvex/platform/runtime/NumericText.h>
#include <tarvex/platform/runtime/Rounding.h>

#include <QDateTime>

namespace Tarvex {

using namespace CalendarGeometry;

namespace {

const QString Separator = QStringLiteral(" ");

} // namespace

// A control no host has set up yet looks like one loaded from an empty property bag, so that a
// host that only constructs it gets today's date and a filled calendar.
ZIzazeviviro::ZIzazeviviro(QWidget* Parent)
    : UserControl(Parent)
    , d(std::make_unique<ZIzazeviviroPrivate>(this))
{
    d->BuildConstituents();
    d->ConnectHandlers();
    MoveInTwips(*this, 0, 0, FieldWidth, FieldHeight);
    PropertyBag defaults;
    ReadProperties(defaults);
}

ZIzazeviviro::~ZIzazeviviro() = default;

// A host's PropertyChanged handler may write the same property again; its notification is then
// not sent a second time, so the write takes effect once and the nesting ends.
bool ZIzazeviviroPrivate::Notify(const char* PropertyName)
{
    const QString name = QString::fromLatin1(PropertyName);
    return m_Notifying.Raise(q, name, [this, &name] { emit q->PropertyChanged(name); });
}

int ZIzazeviviroPrivate::DigitsAt(int Position) const
{
    return RoundHalfEvenToInt32(ReadLeadingNumber(txtXtext->Caption().mid(Position - 1, 2))).value_or(0);
}

QString ZIzazeviviro::Text() const { return d->txtXtext->Caption(); }

void ZIzazeviviro::Text(const QString& New_Text)
{
    if (d->Notify("Text"))
        d->ShowNewText(New_Text);
}

bool ZIzazeviviroPrivate::ShowNewText(const QString& New_Text)
{
    const Lifeline self(q);
    txtXtext->Caption(New_Text);
    return self.Alive();
}

QString ZIzazeviviro::SelectedDay() const { return Text().mid(d->m_DayPosition - 1, 2); }

void ZIzazeviviro::SelectedDay(const QString&) { d->Notify("SelectedDay"); }

QString ZIzazeviviro::SelectedDateShort() const { return Text().left(6) + Text().right(4); }

void ZIzazeviviro::SelectedDateShort(const QString&) { d->Notify("SelectedDateShort"); }

QString ZIzazeviviro::SelectedDayName() const { return d->WeekdayName(d->m_SelectedCell % 7); }

void ZIzazeviviro::SelectedDayName(const QString&) { d->Notify("SelectedDayName"); }

QString ZIzazeviviro::SelectedMonth() const { return Text().mid(d->m_MonthPosition - 1, 2); }

void ZIzazeviviro::SelectedMonth(const QString&) { d->Notify("SelectedMonth"); }

QString ZIzazeviviro::SelectedMonthName() const
{
    if (Text().trimmed().isEmpty())
        return QString();
    return d->MonthName(d->DigitsAt(d->m_MonthPosition));
}

void ZIzazeviviro::SelectedMonthName(const QString&) { d->Notify("SelectedMonthName"); }

QString ZIzazeviviro::SelectedYear() const { return Text().trimmed().isEmpty() ? QString() : Text().right(4); }

void ZIzazeviviro::SelectedYear(const QString&) { d->Notify("SelectedYear"); }

QString ZIzazeviviro::SelectedYearShort() const { return Text().right(4); }

void ZIzazeviviro::SelectedYearShort(const QString&) { d->Notify("SelectedYearShort"); }

QString ZIzazeviviro::SelectedFullDate() const
{
    if (Text().trimmed().isEmpty())
        return QString();
    const QString day = Text().mid(d->m_DayPosition - 1, 2);
    if (d->m_DateFormat == 0)
        return SelectedDayName() + Separator + day + Separator + SelectedMonthName() + Separator + Text().right(4);
    return SelectedMonthName() + Separator + SelectedDayName() + Separator + day + Separator + Text().right(4);
}

void ZIzazeviviro::SelectedFullDate(const QString&) { d->Notify("SelectedFullDate"); }

QString ZIzazeviviro::StartDate() const { return d->m_StartDate; }

bool ZIzazeviviroPrivate::IsStartDate(const QString& Value) const
{
    const int month = RoundHalfEvenToInt32(ReadLeadingNumber(Value.mid(m_MonthPosition - 1, 2))).value_or(0);
    return IsDate(Value) && month <= 12;
}

void ZIzazeviviro::StartDate(const QString& New_StartDate)
{
    if (!d->IsStartDate(New_StartDate)) {
        MsgBox(New_StartDate + QStringLiteral("\r\n Is an invalid date"), MsgBoxStyle::Exclamation, QStringLiteral("Error"));
        return;
    }
    d->m_StartDate = New_StartDate;
    d->Notify("StartDate");
}

OleColor ZIzazeviviroPrivate::Color(CalendarColor Which) const { return m_Colors[int(Which)]; }

void ZIzazeviviroPrivate::Color(CalendarColor Which, OleColor New_Color)
{
    const CalendarColorInfo& info = CalendarColors[int(Which)];
    m_Colors[int(Which)] = New_Color;
    if (Notify(info.Name) && info.Repaints)
        ApplyColors();
}

#define TARVEX_CALENDAR_COLOR(Name) \
    OleColor ZIzazeviviro::Name() const { return d->Color(CalendarColor::Name); } \
    void ZIzazeviviro::Name(OleColor New_##Name) { d->Color(CalendarColor::Name, New_##Name); }
TARVEX_CALENDAR_COLOR(DropDnForeColor)
TARVEX_CALENDAR_COLOR(DropDnBackColor)
TARVEX_CALENDAR_COLOR(DropDnBorderColor)
TARVEX_CALENDAR_COLOR(DropDnButtonBackColor)
TARVEX_CALENDAR_COLOR(DropDnButtonForeColor)
TARVEX_CALENDAR_COLOR(DropDnButtonBorderColor)
TARVEX_CALENDAR_COLOR(CalendarForeColor)
TARVEX_CALENDAR_COLOR(CalendarBackColor)
TARVEX_CALENDAR_COLOR(CalendarBorderColor)
TARVEX_CALENDAR_COLOR(DaysForeColor)
TARVEX_CALENDAR_COLOR(DaysBackColor)
TARVEX_CALENDAR_COLOR(DaysBorderColor)
TARVEX_CALENDAR_COLOR(DayNamesForeColor)
TARVEX_CALENDAR_COLOR(DayNamesBackColor)
TARVEX_CALENDAR_COLOR(DaySelectedBackColor)
TARVEX_CALENDAR_COLOR(DaySelectedForeColor)
TARVEX_CALENDAR_COLOR(CurrentDayBOrderColor)
TARVEX_CALENDAR_COLOR(DayNamesBorderColor)
TARVEX_CALENDAR_COLOR(DropDnMonthForeColor)
TARVEX_CALENDAR_COLOR(DropDnMonthBackColor)
TARVEX_CALENDAR_COLOR(DropDnMonthBorderColor)
TARVEX_CALENDAR_COLOR(DropDnMonthButtonBackColor)
TARVEX_CALENDAR_COLOR(DropDnMonthButtonForeColor)
TARVEX_CALENDAR_COLOR(DropDnMonthButtonBorderColor)
TARVEX_CALENDAR_COLOR(MonthListBackColor)
TARVEX_CALENDAR_COLOR(MonthListForeColor)
TARVEX_CALENDAR_COLOR(MonthListSelectedBackColor)
TARVEX_CALENDAR_COLOR(MonthListSelectedForeColor)
TARVEX_CALENDAR_COLOR(MonthListBorderColor)
TARVEX_CALENDAR_COLOR(SpinYearForeColor)
TARVEX_CALENDAR_COLOR(SpinYearBackColor)
TARVEX_CALENDAR_COLOR(SpinYearBorderColor)
TARVEX_CALENDAR_COLOR(SpinYearButtonBackColor)
TARVEX_CALENDAR_COLOR(SpinYearButtonForeColor)
TARVEX_CALENDAR_COLOR(SpinYearButtonBorderColor)
TARVEX_CALENDAR_COLOR(DisabledBackColor)
TARVEX_CALENDAR_COLOR(DisabledBorderColor)
TARVEX_CALENDAR_COLOR(DisabledForeColor)
#undef TARVEX_CALENDAR_COLOR

int ZIzazeviviro::Language() const { return d->m_Language; }

void ZIzazeviviro::Language(int New_Language)
{
    d->m_Language = New_Language;
    if (!d->Notify("Language"))
        return;
    d->ApplyLanguage();
    d->ShowMonth();
    d->ApplyColors();
}

int ZIzazeviviro::Style() const { return d->m_Style; }

void ZIzazeviviro::Style(int New_Style)
{
    d->m_Style = New_Style;
    if (d->Notify("Style"))
        d->ApplyColors();
}

bool ZIzazeviviro::Enabled() const { return d->m_Enabled; }

void ZIzazeviviro::Enabled(bool New_Enabled)
{
    d->m_Enabled = New_Enabled;
    if (!d->Notify("Enabled"))
        return;
    setEnabled(d->m_Enabled);
    d->ApplyColors();
}

int ZIzazeviviro::DateFormat() const { return d->m_DateFormat; }

void ZIzazeviviro::DateFormat(int New_DateFormat)
{
    d->m_DateFormat = New_DateFormat;
    if (d->Notify("DateFormat"))
        d->SetDatePositions();
}

void ZIzazeviviroPrivate::SetDatePositions()
{
    m_DayPosition = m_DateFormat != 0 ? 4 : 1;
    m_MonthPosition = m_DateFormat != 0 ? 1 : 4;
}

int ZIzazeviviro::FirstWeekDay() const { return d->m_FirstWeekDay; }

void ZIzazeviviro::FirstWeekDay(int New_FirstWeekDay)
{
    d->m_FirstWeekDay = New_FirstWeekDay;
    if (!d->Notify("FirstWeekDay"))
        return;
    d->ApplyColors();
    d->ApplyLanguage();
    d->FillCalendar();
}

void ZIzazeviviro::InitProperties()
{
    // The month strip keeps showing: nothing would ever show it again.
    d->picCalendar->hide();
    d->picMonthList->hide();
    MoveInTwips(*d->picCalendar, LeftInTwips(*d->picCalendar), TopInTwips(*d->picCalendar), PanelWidth, PlacedPanelHeight);
    MoveInTwips(*d->picMonth, LeftInTwips(*d->picMonth), TopInTwips(*d->picMonth), MonthStripWidth, MonthStripHeight);
    MoveInTwips(*d->picMonthList, LeftInTwips(*d->picMonthList), TopInTwips(*d->picMonthList), MonthStripWidth, MonthListHeight);
    // A control placed anew may have been used before: it also forgets the start date a new one
    // never had.
    static_cast<CalendarSettings&>(*d) = CalendarSettings();
    d->SetDatePositions();
    setEnabled(d->m_Enabled);
    d->ShowNewText(ZIzazeviviroPrivate::Today());
}

QString ZIzazeviviroPrivate::Today() { return FormatDateTime(QDateTime::currentDateTime(), progtxt[0]); }

void ZIzazeviviro::ReadProperties(PropertyBag& PropBag)
{
    for (int i = 0; i < CalendarColorCount; ++i) {
        const CalendarColorInfo& info = CalendarColors[i];
        d->m_Colors[i] = PropBag.ReadProperty(QLatin1String(info.Name), QVariant::fromValue<quint32>(info.Default)).value<quint32>();
    }
    d->m_Enabled = PropBag.ReadProperty(QStringLiteral("Enabled"), true).toBool();
    const QString startDate = PropBag.ReadProperty(QStringLiteral("StartDate"), QString()).toString();
    d->m_Language = PropBag.ReadProperty(QStringLiteral("Language"), DefaultLanguage).toInt();
    d->m_Style = PropBag.ReadProperty(QStringLiteral("Style"), DefaultStyle).toInt();
    const QString dateFormat = PropBag.ReadProperty(QStringLiteral("DateFormat"), QString::number(DefaultDateFormat)).toString();
    d->m_DateFormat = RoundHalfEvenToInt32(ReadLeadingNumber(dateFormat)).value_or(DefaultDateFormat);
    d->m_FirstWeekDay = PropBag.ReadProperty(QStringLiteral("FirstWeekDay"), DefaultFirstWeekDay).toInt();

    d->SetDatePositions();
    // A saved start date the property would refuse is no start date: the field shows today.
    d->m_StartDate = d->IsStartDate(startDate) ? startDate : QString();
    d->BuildWeekdayTable();
    d->ApplyColors();
    d->ApplyLanguage();
    if (!d->ShowNewText(d->m_StartDate.isEmpty() ? ZIzazeviviroPrivate::Today() : d->m_StartDate))
        return;
    d->ShowMonthOfText();
    d->FillCalendar();
    d->HighlightDayOfText();
    setEnabled(d->m_Enabled);
}

void ZIzazeviviro::WriteProperties(PropertyBag& PropBag)
{
    for (int i = 0; i < CalendarColorCount; ++i) {
        const CalendarColorInfo& info = CalendarColors[i];
        PropBag.WriteProperty(QLatin1String(info.Name), QVariant::fromValue<quint32>(d->m_Colors[i]), QVariant::fromValue<quint32>(info.Default));
    }
    PropBag.WriteProperty(QStringLiteral("Enabled"), d->m_Enabled, true);
    PropBag.WriteProperty(QStringLiteral("StartDate"), d->m_StartDate, QString());
    PropBag.WriteProperty(QStringLiteral("Language"), d->m_Language, DefaultLanguage);
    PropBag.WriteProperty(QStringLiteral("Style"), d->m_Style, DefaultStyle);
    PropBag.WriteProperty(QStringLiteral("DateFormat"), QString::number(d->m_DateFormat), QString::number(DefaultDateFormat));
    PropBag.WriteProperty(QStringLiteral("FirstWeekDay"), d->m_FirstWeekDay, DefaultFirstWeekDay);
}

} // namespace Tarvex
