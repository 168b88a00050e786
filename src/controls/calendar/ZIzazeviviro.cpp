#include "controls/calendar/ZIzazeviviro.h"

#include "controls/calendar/CalendarGeometry.h"

#include "app/progtxt.h"
#include "platform/Label.h"
#include "platform/MsgBox.h"
#include "platform/PictureBox.h"
#include "platform/PropertyBag.h"
#include "platform/Timer.h"
#include "platform/TwipsGeometry.h"
#include "platform/runtime/DateFormat.h"
#include "platform/runtime/DateRecognition.h"
#include "platform/runtime/NumericText.h"
#include "platform/runtime/Rounding.h"

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
{
    for (int i = 0; i < CalendarColorCount; ++i)
        m_Colors[i] = CalendarColors[i].Default;
    BuildConstituents();
    ConnectHandlers();
    MoveInTwips(*this, 0, 0, FieldWidth, FieldHeight);
    PropertyBag defaults;
    ReadProperties(defaults);
}

ZIzazeviviro::~ZIzazeviviro() = default;

// A host's PropertyChanged handler may write the same property again; its notification is then
// not sent a second time, so the write takes effect once and the nesting ends.
bool ZIzazeviviro::Notify(const char* PropertyName)
{
    const QString name = QString::fromLatin1(PropertyName);
    return m_Notifying.Raise(this, name, [this, &name] { emit PropertyChanged(name); });
}

int ZIzazeviviro::DigitsAt(int Position) const
{
    return RoundHalfEvenToInt32(ReadLeadingNumber(txtXtext->Caption().mid(Position - 1, 2))).value_or(0);
}

QString ZIzazeviviro::Text() const { return txtXtext->Caption(); }

void ZIzazeviviro::Text(const QString& New_Text)
{
    if (Notify("Text"))
        ShowNewText(New_Text);
}

bool ZIzazeviviro::ShowNewText(const QString& New_Text)
{
    const Lifeline self(this);
    txtXtext->Caption(New_Text);
    return self.Alive();
}

QString ZIzazeviviro::SelectedDay() const { return Text().mid(m_DayPosition - 1, 2); }

void ZIzazeviviro::SelectedDay(const QString&) { Notify("SelectedDay"); }

QString ZIzazeviviro::SelectedDateShort() const { return Text().left(6) + Text().right(4); }

void ZIzazeviviro::SelectedDateShort(const QString&) { Notify("SelectedDateShort"); }

QString ZIzazeviviro::SelectedDayName() const { return WeekdayName(m_SelectedCell % 7); }

void ZIzazeviviro::SelectedDayName(const QString&) { Notify("SelectedDayName"); }

QString ZIzazeviviro::SelectedMonth() const { return Text().mid(m_MonthPosition - 1, 2); }

void ZIzazeviviro::SelectedMonth(const QString&) { Notify("SelectedMonth"); }

QString ZIzazeviviro::SelectedMonthName() const
{
    if (Text().trimmed().isEmpty())
        return QString();
    return MonthName(DigitsAt(m_MonthPosition));
}

void ZIzazeviviro::SelectedMonthName(const QString&) { Notify("SelectedMonthName"); }

QString ZIzazeviviro::SelectedYear() const { return Text().trimmed().isEmpty() ? QString() : Text().right(4); }

void ZIzazeviviro::SelectedYear(const QString&) { Notify("SelectedYear"); }

QString ZIzazeviviro::SelectedYearShort() const { return Text().right(4); }

void ZIzazeviviro::SelectedYearShort(const QString&) { Notify("SelectedYearShort"); }

QString ZIzazeviviro::SelectedFullDate() const
{
    if (Text().trimmed().isEmpty())
        return QString();
    const QString day = Text().mid(m_DayPosition - 1, 2);
    if (m_DateFormat == 0)
        return SelectedDayName() + Separator + day + Separator + SelectedMonthName() + Separator + Text().right(4);
    return SelectedMonthName() + Separator + SelectedDayName() + Separator + day + Separator + Text().right(4);
}

void ZIzazeviviro::SelectedFullDate(const QString&) { Notify("SelectedFullDate"); }

QString ZIzazeviviro::StartDate() const { return m_StartDate; }

bool ZIzazeviviro::IsStartDate(const QString& Value) const
{
    const int month = RoundHalfEvenToInt32(ReadLeadingNumber(Value.mid(m_MonthPosition - 1, 2))).value_or(0);
    return IsDate(Value) && month <= 12;
}

void ZIzazeviviro::StartDate(const QString& New_StartDate)
{
    if (!IsStartDate(New_StartDate)) {
        MsgBox(New_StartDate + QStringLiteral("\r\n Is an invalid date"), MsgBoxStyle::Exclamation, QStringLiteral("Error"));
        return;
    }
    m_StartDate = New_StartDate;
    Notify("StartDate");
}

OleColor ZIzazeviviro::Color(CalendarColor Which) const { return m_Colors[int(Which)]; }

void ZIzazeviviro::Color(CalendarColor Which, OleColor New_Color)
{
    const CalendarColorInfo& info = CalendarColors[int(Which)];
    m_Colors[int(Which)] = New_Color;
    if (Notify(info.Name) && info.Repaints)
        ApplyColors();
}

int ZIzazeviviro::Language() const { return m_Language; }

void ZIzazeviviro::Language(int New_Language)
{
    m_Language = New_Language;
    if (!Notify("Language"))
        return;
    ApplyLanguage();
    ShowMonth();
    ApplyColors();
}

int ZIzazeviviro::Style() const { return m_Style; }

void ZIzazeviviro::Style(int New_Style)
{
    m_Style = New_Style;
    if (Notify("Style"))
        ApplyColors();
}

bool ZIzazeviviro::Enabled() const { return m_Enabled; }

void ZIzazeviviro::Enabled(bool New_Enabled)
{
    m_Enabled = New_Enabled;
    if (!Notify("Enabled"))
        return;
    setEnabled(m_Enabled);
    ApplyColors();
}

int ZIzazeviviro::DateFormat() const { return m_DateFormat; }

void ZIzazeviviro::DateFormat(int New_DateFormat)
{
    m_DateFormat = New_DateFormat;
    if (Notify("DateFormat"))
        SetDatePositions();
}

void ZIzazeviviro::SetDatePositions()
{
    m_DayPosition = m_DateFormat != 0 ? 4 : 1;
    m_MonthPosition = m_DateFormat != 0 ? 1 : 4;
}

int ZIzazeviviro::FirstWeekDay() const { return m_FirstWeekDay; }

void ZIzazeviviro::FirstWeekDay(int New_FirstWeekDay)
{
    m_FirstWeekDay = New_FirstWeekDay;
    if (!Notify("FirstWeekDay"))
        return;
    ApplyColors();
    ApplyLanguage();
    FillCalendar();
}

void ZIzazeviviro::InitProperties()
{
    // The month strip keeps showing: nothing would ever show it again.
    picCalendar->hide();
    picMonthList->hide();
    MoveInTwips(*picCalendar, LeftInTwips(*picCalendar), TopInTwips(*picCalendar), PanelWidth, PlacedPanelHeight);
    MoveInTwips(*picMonth, LeftInTwips(*picMonth), TopInTwips(*picMonth), MonthStripWidth, MonthStripHeight);
    MoveInTwips(*picMonthList, LeftInTwips(*picMonthList), TopInTwips(*picMonthList), MonthStripWidth, MonthListHeight);
    for (int i = 0; i < CalendarColorCount; ++i)
        m_Colors[i] = CalendarColors[i].Default;
    m_Language = DefaultLanguage;
    m_Enabled = true;
    m_Style = DefaultStyle;
    m_DateFormat = DefaultDateFormat;
    m_FirstWeekDay = DefaultFirstWeekDay;
    // A control placed anew may have been used before: it also forgets what a new one never had.
    m_StartDate.clear();
    SetDatePositions();
    setEnabled(m_Enabled);
    ShowNewText(Today());
}

QString ZIzazeviviro::Today() { return FormatDateTime(QDateTime::currentDateTime(), progtxt[0]); }

void ZIzazeviviro::ReadProperties(PropertyBag& PropBag)
{
    for (int i = 0; i < CalendarColorCount; ++i) {
        const CalendarColorInfo& info = CalendarColors[i];
        m_Colors[i] = PropBag.ReadProperty(QLatin1String(info.Name), QVariant::fromValue<quint32>(info.Default)).value<quint32>();
    }
    m_Enabled = PropBag.ReadProperty(QStringLiteral("Enabled"), true).toBool();
    const QString startDate = PropBag.ReadProperty(QStringLiteral("StartDate"), QString()).toString();
    m_Language = PropBag.ReadProperty(QStringLiteral("Language"), DefaultLanguage).toInt();
    m_Style = PropBag.ReadProperty(QStringLiteral("Style"), DefaultStyle).toInt();
    const QString dateFormat = PropBag.ReadProperty(QStringLiteral("DateFormat"), QString::number(DefaultDateFormat)).toString();
    m_DateFormat = RoundHalfEvenToInt32(ReadLeadingNumber(dateFormat)).value_or(DefaultDateFormat);
    m_FirstWeekDay = PropBag.ReadProperty(QStringLiteral("FirstWeekDay"), DefaultFirstWeekDay).toInt();

    SetDatePositions();
    // A saved start date the property would refuse is no start date: the field shows today.
    m_StartDate = IsStartDate(startDate) ? startDate : QString();
    BuildWeekdayTable();
    ApplyColors();
    ApplyLanguage();
    if (!ShowNewText(m_StartDate.isEmpty() ? Today() : m_StartDate))
        return;
    ShowMonthOfText();
    FillCalendar();
    HighlightDayOfText();
    setEnabled(m_Enabled);
}

void ZIzazeviviro::WriteProperties(PropertyBag& PropBag)
{
    for (int i = 0; i < CalendarColorCount; ++i) {
        const CalendarColorInfo& info = CalendarColors[i];
        PropBag.WriteProperty(QLatin1String(info.Name), QVariant::fromValue<quint32>(m_Colors[i]), QVariant::fromValue<quint32>(info.Default));
    }
    PropBag.WriteProperty(QStringLiteral("Enabled"), m_Enabled, true);
    PropBag.WriteProperty(QStringLiteral("StartDate"), m_StartDate, QString());
    PropBag.WriteProperty(QStringLiteral("Language"), m_Language, DefaultLanguage);
    PropBag.WriteProperty(QStringLiteral("Style"), m_Style, DefaultStyle);
    PropBag.WriteProperty(QStringLiteral("DateFormat"), QString::number(m_DateFormat), QString::number(DefaultDateFormat));
    PropBag.WriteProperty(QStringLiteral("FirstWeekDay"), m_FirstWeekDay, DefaultFirstWeekDay);
}

} // namespace Tarvex
