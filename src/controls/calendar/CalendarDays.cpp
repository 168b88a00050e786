#include "controls/calendar/CalendarGeometry.h"

#include "controls/calendar/ZIzazeviviroPrivate.h"
#include "platform/TwipsGeometry.h"

#include <tarvex/platform/Label.h>
#include <tarvex/platform/runtime/NumericText.h>
#include <tarvex/platform/runtime/Rounding.h>
#include <tarvex/platform/Shape.h>

#include <QDate>

#include <algorithm>
#include <optional>

namespace Tarvex {

using namespace CalendarGeometry;

namespace {

// The numeric value of a caption the way the field reads numbers: its leading number, rounded.
std::optional<int> NumberOf(const QString& Caption) { return RoundHalfEvenToInt32(ReadLeadingNumber(Caption)); }

int CaptionNumber(const Label& Caption) { return NumberOf(Caption.Caption()).value_or(0); }

// A year caption the calendar can show; anything else leaves the grid as it is.
std::optional<int> CalendarYear(const QString& Caption)
{
    if (!IsNumericText(Caption))
        return std::nullopt;
    const std::optional<int> year = NumberOf(Caption);
    if (!year || *year < 100 || *year > 9999)
        return std::nullopt;
    return year;
}

// Weekday with 1 for Sunday, as FirstWeekDay counts.
int SundayFirstWeekday(const QDate& Date) { return Date.dayOfWeek() % 7 + 1; }

QString TwoDigits(int Value) { return Value < 10 ? QStringLiteral("0") + QString::number(Value) : QString::number(Value); }

bool IsNameColumn(int Language) { return Language >= 0 && Language < int(CalendarNames {}.MonthNames.size()); }

} // namespace

QString ZIzazeviviroPrivate::MonthName(int Month) const
{
    if (!IsNameColumn(m_Language) || Month < 1 || Month > 12)
        return QString();
    return m_Names.MonthNames[m_Language][Month - 1];
}

QString ZIzazeviviroPrivate::WeekdayName(int Column) const
{
    return IsNameColumn(m_Language) ? m_Names.DayNames[m_Language][Column] : QString();
}

int ZIzazeviviroPrivate::ShownMonthFromCaption() const
{
    for (int month = 1; month <= 12; ++month) {
        if (IsNameColumn(m_Language) && txtMonth->Caption() == m_Names.MonthNames[m_Language][month - 1])
            return month;
    }
    return 0;
}

int ZIzazeviviroPrivate::GridFirstWeekDay() const { return std::clamp(m_FirstWeekDay, 1, 7); }

void ZIzazeviviroPrivate::BuildWeekdayTable() { m_Weekdays = Tarvex::BuildWeekdayTable(); }

void ZIzazeviviroPrivate::ApplyLanguage()
{
    if (WriteLanguageNames(m_Names, m_Language))
        lblToday->Caption(TodayCaption(m_Language) + Today());
    if (!IsNameColumn(m_Language))
        return;
    RotateWeekdays(m_Names, m_Language, m_Weekdays, GridFirstWeekDay());
    for (int i = 0; i < int(lblMonth.size()); ++i)
        lblMonth[i]->Caption(m_Names.MonthNames[m_Language][i]);
    for (int i = 0; i < int(lblDay.size()); ++i) {
        lblDay[i]->Caption(m_Names.DayInitials[m_Language][i]);
        lblDay[i]->setProperty("Tag", QString::number(i));
    }
}

void ZIzazeviviroPrivate::FillCalendar()
{
    const std::optional<int> year = CalendarYear(txtSpin->Caption());
    if (!year)
        return;
    const QDate first(*year, m_ShownMonth, 1);
    const int startColumn = ((SundayFirstWeekday(first) - GridFirstWeekDay()) % 7 + 7) % 7;
    for (Label* cell : lblNumbers) {
        cell->Caption(QString());
        cell->FontBold(false);
    }
    const QDate today = QDate::currentDate();
    const bool todayShown = today.month() == m_ShownMonth;
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const int cell = startColumn + day - 1;
        lblNumbers[cell]->Caption(QString::number(day));
        if (todayShown && day == today.day()) {
            lblNumbers[cell]->FontBold(true);
            m_TodayCell = cell;
        }
    }
    if (!todayShown) {
        shpDayNow->Visible(false);
        return;
    }
    const Label& todayCell = *lblNumbers[m_TodayCell];
    shpDayNow->Move(LeftInTwips(todayCell) - DayNowOffsetX, TopInTwips(todayCell) - DayNowOffsetY, DayNowWidth, DayNowHeight);
    shpDayNow->Visible(true);
    shpDayNow->ZOrder(0);
}

void ZIzazeviviroPrivate::ResetDayCells(bool Background)
{
    for (Label* cell : lblNumbers) {
        cell->BackStyle(BackStyles::Transparent);
        if (Background)
            cell->BackColor(Color(CalendarColor::DaysBackColor));
        cell->ForeColor(Color(CalendarColor::DaysForeColor));
    }
}

void ZIzazeviviroPrivate::HighlightDay(Label& Cell)
{
    Cell.BackStyle(BackStyles::Opaque);
    Cell.BackColor(Color(CalendarColor::DaySelectedBackColor));
    Cell.ForeColor(Color(CalendarColor::DaySelectedForeColor));
}

void ZIzazeviviroPrivate::lblNumbers_Click(int Index)
{
    m_SelectedCell = Index;
    const QString day = lblNumbers[Index]->Caption();
    if (day.isEmpty())
        return;
    ResetDayCells(true);
    HighlightDay(*lblNumbers[Index]);
    const QString dayPart = CaptionNumber(*lblNumbers[Index]) < 10 ? QStringLiteral("0") + day : day;
    const QString monthPart = TwoDigits(m_ShownMonth);
    const QString year = txtSpin->Caption();
    const QChar dot = QLatin1Char('.');
    ShowNewText(m_DateFormat == 0 ? dayPart + dot + monthPart + dot + year : monthPart + dot + dayPart + dot + year);
}

void ZIzazeviviroPrivate::lblNumbers_DblClick(int Index)
{
    const Lifeline self(q);
    lblNumbers_Click(Index);
    if (self.Alive())
        btnCombo_Click();
}

// At load the text decides the month strip, the year and the highlighted month-list entry; a
// text without a month shows January under a blank strip.
void ZIzazeviviroPrivate::ShowMonthOfText()
{
    const int month = DigitsAt(m_MonthPosition);
    const bool named = month >= 1 && month <= 12;
    m_ShownMonth = named ? month : 1;
    txtMonth->Caption(MonthName(month));
    if (named)
        HighlightMonthEntry(month - 1);
    txtSpin->Caption(q->SelectedYear());
}

// The selected cell itself is not recorded: SelectedDayName stays with column 0 until a click.
// The control loads itself once when it is made, so a host's load clears that load's highlight.
void ZIzazeviviroPrivate::HighlightDayOfText()
{
    ResetDayCells(true);
    const int day = DigitsAt(m_DayPosition);
    if (day <= 0)
        return;
    for (Label* cell : lblNumbers) {
        if (CaptionNumber(*cell) == day)
            HighlightDay(*cell);
    }
}

} // namespace Tarvex
