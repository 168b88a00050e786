#include "CalendarHost.h"

#include <tarvex/platform/Timer.h>

#include <gtest/gtest.h>

#include <functional>

using namespace Tarvex;

namespace {

// The field text at every Change, as a host's handler would see it.
struct ChangeLog {
    QStringList Texts;
    explicit ChangeLog(ZIzazeviviro* Field)
    {
        QObject::connect(Field, &ZIzazeviviro::Change, Field, [this, Field] { Texts.append(Field->Text()); });
    }
};

} // namespace

TEST(CalendarMouse, AUserOpensTheFieldChoosesAMonthStepsAYearAndPicksADay)
{
    CalendarHost host(QStringLiteral("31.01.2010"));
    ChangeLog log(host.Field);
    const QSize closed = host.Field->size();

    host.Click(QStringLiteral("btnCombo"));
    EXPECT_TRUE(host.Open());
    EXPECT_EQ(QSize(182, 213), host.Field->size()); // the panel's width; field, panel and frame high

    host.Click(QStringLiteral("btnMonthDown"));
    EXPECT_TRUE(host.Part(QStringLiteral("picMonthList"))->isVisible());
    EXPECT_FALSE(host.Part(QStringLiteral("picYear"))->isEnabled());
    EXPECT_FALSE(host.Cell(10)->Enabled());
    host.Click(QStringLiteral("lblMonth(1)")); // February has no 31st
    host.DoubleClick(QStringLiteral("lblMonth(2)"));
    EXPECT_FALSE(host.Part(QStringLiteral("picMonthList"))->isVisible());
    EXPECT_TRUE(host.Part(QStringLiteral("picYear"))->isEnabled());
    EXPECT_TRUE(host.Cell(10)->Enabled());

    host.Click(QStringLiteral("btnSpinUp"));
    EXPECT_EQ(QStringLiteral("2011"), host.Caption(QStringLiteral("txtSpin")));
    EXPECT_EQ(QStringLiteral("31.03.2010"), host.Field->Text()); // a year step moves only the calendar
    host.ClickDay(7);
    EXPECT_TRUE(host.Open()); // a single click leaves the panel open
    EXPECT_TRUE(host.Highlighted(host.CellOf(7)));

    const QStringList expected { "31\\02\\2010", "31\\03\\2010", "31.03.2010", "31\\03\\2010", "31.03.2010", "07.03.2011" };
    EXPECT_EQ(expected, log.Texts);

    host.DoubleClick(QStringLiteral("lblNumbers(%1)").arg(host.CellOf(8)));
    EXPECT_EQ(QStringLiteral("08.03.2011"), host.Field->Text());
    EXPECT_FALSE(host.Open());
    EXPECT_EQ(closed, host.Field->size());
}

TEST(CalendarMouse, ADayClickWritesDayAndMonthInTheOrderOfDateFormat)
{
    const struct {
        int DateFormat;
        const char *Start, *Written, *AfterFebruary;
    } cases[] = {
        { 0, "31.03.2010", "07.03.2010", "07.02.2010" }, { 1, "03.31.2010", "03.07.2010", "02.07.2010" },
        { 0, "31.03.2010", "31.03.2010", "31\\02\\2010" }, { 1, "03.31.2010", "03.31.2010", "02\\31\\2010" },
    };
    for (const auto& c : cases) {
        CalendarHost host(QLatin1String(c.Start), c.DateFormat);
        host.Click(QStringLiteral("btnCombo"));
        host.ClickDay(QString::fromLatin1(c.Written).mid(c.DateFormat == 0 ? 0 : 3, 2).toInt());
        EXPECT_EQ(QLatin1String(c.Written), host.Field->Text());
        host.Click(QStringLiteral("btnMonthDown"));
        host.Click(QStringLiteral("lblMonth(1)"));
        EXPECT_EQ(QLatin1String(c.AfterFebruary), host.Field->Text());
    }
}

TEST(CalendarMouse, TheYearSpinStopsAt1951InBothDirections)
{
    const struct {
        int Start;
        const char* Button;
        int Clicks, Shown;
    } cases[] = {
        { 1953, "btnSpinDown", 5, 1951 }, { 1951, "btnSpinDown", 1, 1951 }, { 1949, "btnSpinDown", 1, 1949 },
        { 1950, "btnSpinUp", 1, 1951 },
        { 1949, "btnSpinUp", 1, 1949 }, // below the floor nothing moves
    };
    for (const auto& c : cases) {
        CalendarHost host;
        host.Click(QStringLiteral("btnCombo"));
        host.ShowMonth(5, c.Start);
        for (int i = 0; i < c.Clicks; ++i)
            host.Click(QLatin1String(c.Button));
        EXPECT_EQ(QString::number(c.Shown), host.Caption(QStringLiteral("txtSpin"))) << c.Start << c.Button;
    }
}

TEST(CalendarMouse, HoldingASpinButtonRepeatsEveryQuarterSecondAndTheReleasingClickStepsOnceMore)
{
    DrivenClock clock;
    CalendarHost host;
    host.Click(QStringLiteral("btnCombo"));
    host.ShowMonth(5, 2000);
    QWidget* up = host.Part(QStringLiteral("btnSpinUp"));
    QWidget* down = host.Part(QStringLiteral("btnSpinDown"));

    QTest::mousePress(up, Qt::LeftButton);
    clock.Advance(1000);
    EXPECT_EQ(QStringLiteral("2004"), host.Caption(QStringLiteral("txtSpin")));
    QTest::mouseRelease(up, Qt::LeftButton);
    clock.Advance(1000);
    EXPECT_EQ(QStringLiteral("2005"), host.Caption(QStringLiteral("txtSpin")));

    QTest::mousePress(down, Qt::LeftButton);
    clock.Advance(600);
    QTest::mouseRelease(down, Qt::LeftButton);
    EXPECT_EQ(QStringLiteral("2002"), host.Caption(QStringLiteral("txtSpin")));
    EXPECT_FALSE(host.Part<Timer>(QStringLiteral("tmrDown"))->Enabled());
}

TEST(CalendarMouse, AfterWhatAUserOrHostDidTheCalendarShowsItsMonthAndADayClickWritesThatMonth)
{
    using Act = std::function<void(CalendarHost&)>;
    const auto chooseJulyIn = [](int Language) {
        return [Language](CalendarHost& Host) {
            Host.Field->Language(Language);
            Host.Click(QStringLiteral("btnMonthDown"));
            Host.DoubleClick(QStringLiteral("lblMonth(6)"));
        };
    };
    const struct {
        const char *Sequence, *Start;
        Act Then; // with the panel open
        int Day;  // clicked last
        const char *MonthShown, *Text;
    } cases[] = {
        { "German, then a first weekday", "15.06.2000",
            [](CalendarHost& Host) {
                Host.Field->Language(3);
                Host.Field->FirstWeekDay(2);
            },
            20, "Juni", "20.06.2000" },
        // The month list keeps the names it showed, or has none in column 6.
        { "July in language -1", "15.06.2000", chooseJulyIn(-1), 20, "July", "20.07.2000" },
        { "July in language 6", "15.06.2000", chooseJulyIn(6), 20, "", "20.07.2000" },
        { "July in language 7", "15.06.2000", chooseJulyIn(7), 20, "July", "20.07.2000" },
        { "July in language 100", "15.06.2000", chooseJulyIn(100), 20, "July", "20.07.2000" },
        { "closed with the month list open, reopened, a year up", "15.06.2000",
            [](CalendarHost& Host) {
                Host.Click(QStringLiteral("btnMonthDown"));
                Host.Click(QStringLiteral("btnCombo"));
                Host.Click(QStringLiteral("btnCombo"));
                Host.Click(QStringLiteral("btnSpinUp"));
            },
            20, "June", "20.06.2001" },
        { "flat, disabled and enabled, a colour written", "15.06.2000",
            [](CalendarHost& Host) {
                Host.Field->Style(0);
                Host.Field->Enabled(false);
                Host.Field->Enabled(true);
                Host.Field->MonthListBorderColor(0x0000FF);
            },
            20, "June", "20.06.2000" },
        { "spun past the last year", "15.06.9998",
            [](CalendarHost& Host) {
                for (int i = 0; i < 3; ++i)
                    Host.Click(QStringLiteral("btnSpinUp"));
            },
            9, "June", "09.06.9999" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sequence);
        CalendarHost host(QLatin1String(c.Start));
        host.Click(QStringLiteral("btnCombo"));
        c.Then(host);
        host.ClickDay(c.Day);
        EXPECT_TRUE(host.Open());
        EXPECT_EQ(QString::fromUtf8(c.MonthShown), host.Caption(QStringLiteral("txtMonth")));
        EXPECT_EQ(QLatin1String(c.Text), host.Field->Text());
        EXPECT_EQ(QLatin1String(c.Text).mid(3, 2), host.Field->SelectedMonth());
        // The chosen month's entry stays readable on its highlight.
        const Label* entry = host.MonthEntry(host.Field->SelectedMonth().toInt() - 1);
        EXPECT_EQ(BackStyles::Opaque, entry->BackStyle());
        EXPECT_EQ(host.Field->MonthListSelectedForeColor(), entry->ForeColor());
    }
}

TEST(CalendarMouse, AChangeHandlerThatRewritesTheFieldLetsAMonthChoiceAndADayClickEndCleanly)
{
    CalendarHost host(QStringLiteral("31.01.2010"));
    int changes = 0;
    QObject::connect(host.Field, &ZIzazeviviro::Change, [&] {
        ++changes;
        host.Field->Text(QString());
        host.Field->FirstWeekDay(changes % 7 + 1);
        host.Field->Language(changes % 2 ? 9 : 3);
    });
    host.Click(QStringLiteral("btnCombo"));
    host.Click(QStringLiteral("btnMonthDown"));
    host.DoubleClick(QStringLiteral("lblMonth(2)"));
    host.ClickDay(7);
    EXPECT_EQ(QString(), host.Field->Text());
    EXPECT_EQ(3, changes); // one per change the user made: the handler's own writes raise none
}

TEST(CalendarMouse, HandlersThatWriteWhatTheyWereToldAboutAreNotCalledFromThemselves)
{
    CalendarHost host;
    int changes = 0, languages = 0;
    QObject::connect(host.Field, &ZIzazeviviro::Change, [&] {
        ++changes;
        host.Field->Text(host.Field->Text() + QLatin1Char('!'));
    });
    QObject::connect(host.Field, &UserControl::PropertyChanged, [&](const QString& Name) {
        if (Name != QStringLiteral("Language"))
            return;
        ++languages;
        host.Field->Language(host.Field->Language() + 1);
    });
    host.Field->Text(QStringLiteral("a"));
    host.Field->Language(1);
    EXPECT_EQ(QStringLiteral("a!"), host.Field->Text());
    EXPECT_EQ(2, host.Field->Language());
    EXPECT_EQ(1, changes);
    EXPECT_EQ(1, languages);
}
