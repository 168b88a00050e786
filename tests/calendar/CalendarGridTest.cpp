#include "CalendarHost.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace Tarvex;

TEST(CalendarGrid, MonthsStartInTheColumnOfTheirFirstWeekdayAndLeaveTheOtherCellsEmpty)
{
    const struct {
        int Month, Year, FirstWeekDay, FirstCell, LastCell, Days;
    } cases[] = {
        { 2, 2010, 2, 0, 27, 28 },  // a Monday in the Monday column
        { 8, 2009, 1, 6, 36, 31 },  // a Saturday: the largest cell any month reaches
        { 8, 2009, 7, 0, 30, 31 },  // the same Saturday first
        { 2, 2012, 1, 3, 31, 29 },  // a leap year's February, from Wednesday
    };
    for (const auto& c : cases) {
        CalendarHost host;
        host.Field->FirstWeekDay(c.FirstWeekDay);
        host.ShowMonth(c.Month, c.Year);
        const QStringList cells = host.CellCaptions();
        EXPECT_EQ(QStringLiteral("1"), cells[c.FirstCell]) << c.Month << "/" << c.Year;
        EXPECT_EQ(QString::number(c.Days), cells[c.LastCell]) << c.Month << "/" << c.Year;
        EXPECT_EQ(42 - c.Days, cells.count(QString())) << c.Month << "/" << c.Year;
    }
}

TEST(CalendarGrid, TodaysDayNumberIsBoldAndFramedInTheCurrentMonthOfAnyYear)
{
    CalendarHost host;
    const QDate today = QDate::currentDate();
    Shape* frame = host.Part<Shape>(QStringLiteral("shpDayNow"));
    host.ShowMonth(today.month(), today.year() == 2001 ? 2002 : 2001);
    const int cell = host.CellOf(today.day());
    ASSERT_GE(cell, 0);
    EXPECT_TRUE(host.Cell(cell)->FontBold());
    EXPECT_TRUE(frame->Visible());
    EXPECT_EQ(host.Cell(cell)->geometry().adjusted(-2, -1, 2, -2), frame->geometry());

    host.ShowMonth(today.month() % 12 + 1, 2001);
    EXPECT_FALSE(frame->Visible());
    for (int i = 0; i < 42; ++i)
        EXPECT_FALSE(host.Cell(i)->FontBold()) << i;
}

TEST(CalendarGrid, AYearCaptionThatIsNoYearLeavesTheGridAsItIs)
{
    CalendarHost host;
    host.ShowMonth(2, 2010);
    const QStringList before = host.CellCaptions();
    for (const char* year : { "20x0", "abcd", "1e99", "99999", "-5" }) {
        host.Part<Label>(QStringLiteral("txtSpin"))->Caption(QLatin1String(year));
        EXPECT_EQ(before, host.CellCaptions()) << year;
    }
}

TEST(CalendarLanguage, HeadersFollowLanguageAndFirstWeekDayAndNamesKeepTheirTrailingBlanks)
{
    const struct {
        int Language, FirstWeekDay;
        const char *Header, *Month, *Today;
    } cases[] = {
        { 0, 1, "SMTWTFS", "January", "Today: " },
        { 3, 2, "MDMDFSS", "Januar", "Heute: " },
        { 2, 2, "LMMJVSD", "Janvier", "Aujourd'hui: " },
        { 4, 1, "DLMMGVS", "Gennaio ", "Oggi: " },
        { 5, 7, "SDLMMJV", "Enero", "Hoy: " },
    };
    for (const auto& c : cases) {
        CalendarHost host;
        host.Field->Language(c.Language);
        host.Field->FirstWeekDay(c.FirstWeekDay);
        host.Field->FirstWeekDay(c.FirstWeekDay); // a second rotation must not rotate again
        QString header;
        for (int i = 0; i < 7; ++i)
            header += host.Caption(QStringLiteral("lblDay(%1)").arg(i));
        EXPECT_EQ(QLatin1String(c.Header), header) << c.Language;
        EXPECT_EQ(QString::fromUtf8(c.Month), host.MonthEntry(0)->Caption()) << c.Language;
        EXPECT_TRUE(host.Caption(QStringLiteral("lblToday")).startsWith(QString::fromUtf8(c.Today))) << c.Language;
    }
}

TEST(CalendarLanguage, ALanguageWithoutNamesKeepsTheTablesAndItalianNamesKeepTheirBlankWhenChosen)
{
    CalendarHost host(QStringLiteral("15.03.2010"));
    host.Field->Language(9);
    EXPECT_EQ(QStringLiteral("January"), host.MonthEntry(0)->Caption());
    EXPECT_EQ(QString(), host.Field->SelectedMonthName());
    host.Field->Language(6);
    EXPECT_EQ(QString(), host.MonthEntry(0)->Caption());

    host.Field->Language(4);
    host.Click(QStringLiteral("btnCombo"));
    host.Click(QStringLiteral("btnMonthDown"));
    host.Click(QStringLiteral("lblMonth(2)"));
    EXPECT_EQ(QStringLiteral("Marzo "), host.Caption(QStringLiteral("txtMonth")));
    EXPECT_EQ(QStringLiteral("Marzo "), host.Field->SelectedMonthName());
    EXPECT_EQ(QStringLiteral("15.03.2010"), host.Field->Text());
    host.Field->Language(0);
    EXPECT_EQ(QStringLiteral("March"), host.Field->SelectedMonthName());
}

TEST(CalendarLanguage, SelectedDayNameIsTheNameOfTheClickedColumnAndOfColumnZeroBeforeAnyClick)
{
    CalendarHost host(QStringLiteral("01.08.2009"));
    EXPECT_EQ(QStringLiteral("Sunday"), host.Field->SelectedDayName());
    host.Click(QStringLiteral("btnCombo"));
    host.ClickDay(1);
    EXPECT_EQ(QStringLiteral("Saterday"), host.Field->SelectedDayName());
    EXPECT_EQ(QStringLiteral("Saterday 01 August 2009"), host.Field->SelectedFullDate());
}
