#include "CalendarHost.h"

#include <tarvex/platform/MsgBox.h>

#include <QDate>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <climits>

using namespace Tarvex;

TEST(CalendarProperties, ComputedPropertiesCutTheTextAtFixedPositions)
{
    const struct {
        int DateFormat;
        const char *Text, *Day, *Month, *Year, *YearShort, *DateShort, *MonthName, *FullDate;
    } cases[] = {
        { 0, "", "", "", "", "", "", "", "" },
        { 0, "   ", "  ", "", "", "   ", "      ", "", "" },
        { 0, "05.03", "05", "03", "5.03", "5.03", "05.035.03", "March", "Sunday 05 March 5.03" },
        { 0, "05.03.2010", "05", "03", "2010", "2010", "05.03.2010", "March", "Sunday 05 March 2010" },
        { 1, "03.05.2010", "05", "03", "2010", "2010", "03.05.2010", "March", "March Sunday 05 2010" },
        { 0, "05.13.2010", "05", "13", "2010", "2010", "05.13.2010", "", "Sunday 05  2010" },
        { 0, "05.00.2010", "05", "00", "2010", "2010", "05.00.2010", "", "Sunday 05  2010" },
        { 0, "05\\02\\2010", "05", "02", "2010", "2010", "05\\02\\2010", "February", "Sunday 05 February 2010" },
    };
    for (const auto& c : cases) {
        CalendarHost host;
        host.Field->DateFormat(c.DateFormat);
        host.Field->Text(QLatin1String(c.Text));
        const ZIzazeviviro& f = *host.Field;
        const QStringList shown { f.SelectedDay(), f.SelectedMonth(), f.SelectedYear(), f.SelectedYearShort(),
            f.SelectedDateShort(), f.SelectedMonthName(), f.SelectedFullDate() };
        EXPECT_EQ(QStringList({ c.Day, c.Month, c.Year, c.YearShort, c.DateShort, c.MonthName, c.FullDate }), shown) << c.Text;
    }
}

TEST(CalendarProperties, WritingAComputedPropertyOnlyNotifiesAndWritingTextRaisesChange)
{
    CalendarHost host(QStringLiteral("05.03.2010"));
    QSignalSpy changed(host.Field, &UserControl::PropertyChanged);
    QSignalSpy change(host.Field, &ZIzazeviviro::Change);
    host.Field->SelectedDay(QStringLiteral("17"));
    host.Field->SelectedFullDate(QStringLiteral("x"));
    EXPECT_EQ(QStringLiteral("05.03.2010"), host.Field->Text());
    EXPECT_EQ(0, change.size());
    host.Field->Text(QStringLiteral("06.03.2010"));
    EXPECT_EQ(1, change.size());
    ASSERT_EQ(3, changed.size());
    EXPECT_EQ(QStringLiteral("SelectedDay"), changed[0][0].toString());
    EXPECT_EQ(QStringLiteral("SelectedFullDate"), changed[1][0].toString());
    EXPECT_EQ(QStringLiteral("Text"), changed[2][0].toString());
}

TEST(CalendarProperties, StartDateTakesOnlyDatesWithAMonthUpToTwelveAndRefusesOthersWithAMessage)
{
    const QString huge(200000, QLatin1Char('9'));
    const struct {
        int DateFormat;
        QString Value;
        bool Taken;
    } cases[] = {
        { 0, QStringLiteral("05.03.2010"), true }, { 0, QStringLiteral("13.12.2010"), true },
        { 1, QStringLiteral("13.12.2010"), false }, // a date, but its month part is 13
        { 0, QStringLiteral("31.02.2010"), false }, { 0, QString(), false }, { 0, QStringLiteral("\\\\\\..//--"), false },
        { 0, huge, false },
    };
    for (const auto& c : cases) {
        CalendarHost host;
        host.Field->DateFormat(c.DateFormat);
        host.Field->StartDate(QStringLiteral("01.01.2001"));
        MsgBoxRecorder boxes;
        QSignalSpy changed(host.Field, &UserControl::PropertyChanged);
        host.Field->StartDate(c.Value);
        EXPECT_EQ(c.Taken ? c.Value : QStringLiteral("01.01.2001"), host.Field->StartDate()) << qPrintable(c.Value.left(20));
        EXPECT_EQ(c.Taken ? 1 : 0, changed.size()) << qPrintable(c.Value.left(20));
        ASSERT_EQ(c.Taken ? 0u : 1u, boxes.Calls().size()) << qPrintable(c.Value.left(20));
        if (!c.Taken) {
            EXPECT_EQ(c.Value + QStringLiteral("\r\n Is an invalid date"), boxes.Calls()[0].Prompt);
            EXPECT_EQ(MsgBoxStyle::Exclamation, boxes.Calls()[0].Buttons);
            EXPECT_EQ(QStringLiteral("Error"), boxes.Calls()[0].Title);
        }
    }
}

TEST(CalendarProperties, ADefaultFieldStoresNothingAndChangedPropertiesSurviveARoundTrip)
{
    CalendarHost plain;
    PropertyBag empty;
    plain.Field->WriteProperties(empty);
    EXPECT_TRUE(empty.IsEmpty());

    CalendarHost host;
    ZIzazeviviro& f = *host.Field;
    f.Language(3);
    f.Style(0);
    f.DateFormat(1);
    f.FirstWeekDay(2);
    f.StartDate(QStringLiteral("12.24.2010"));
    f.DaysBackColor(0x123456);
    f.DisabledForeColor(SystemColor::ButtonText);
    f.Enabled(false);
    PropertyBag bag;
    f.WriteProperties(bag);
    QStringList keys;
    for (const auto& entry : bag.Entries())
        keys << entry.first;
    keys.sort();
    EXPECT_EQ(QStringList({ "DateFormat", "DaysBackColor", "DisabledForeColor", "Enabled", "FirstWeekDay", "Language", "StartDate", "Style" }),
        keys);

    ZIzazeviviro loaded;
    loaded.ReadProperties(bag);
    PropertyBag again;
    loaded.WriteProperties(again);
    EXPECT_EQ(bag.Entries(), again.Entries());
    EXPECT_FALSE(loaded.isEnabled());
    EXPECT_EQ(QStringLiteral("12.24.2010"), loaded.Text());
    EXPECT_EQ(QStringLiteral("24"), loaded.SelectedDay());
    EXPECT_EQ(QStringLiteral("Dezember"), loaded.SelectedMonthName());

    // A first placement brings back the defaults and today's date, and keeps the month strip.
    loaded.InitProperties();
    PropertyBag placed;
    loaded.WriteProperties(placed);
    EXPECT_TRUE(placed.IsEmpty());
    EXPECT_EQ(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")), loaded.Text());
    EXPECT_FALSE(loaded.findChild<QWidget*>(QStringLiteral("picMonth"))->isHidden());
}

TEST(CalendarProperties, ALoadedFieldShowsTheMonthYearAndDayOfItsStartDate)
{
    CalendarHost host(QStringLiteral("24.12.2010"));
    EXPECT_EQ(QStringLiteral("December"), host.Caption(QStringLiteral("txtMonth")));
    EXPECT_EQ(QStringLiteral("2010"), host.Caption(QStringLiteral("txtSpin")));
    EXPECT_EQ(BackStyles::Opaque, host.MonthEntry(11)->BackStyle());
    const int cell = host.CellOf(24);
    for (int i = 0; i < 42; ++i)
        EXPECT_EQ(i == cell, host.Highlighted(i)) << i;
}

TEST(CalendarProperties, ValuesOutOfRangeAreKeptAsWrittenAndTheGridTakesTheNearestFirstWeekday)
{
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const struct {
        const char* Key;
        bool FromFormFile; // else written through the member
        QVariant Value, Read, Saved;
        const char* Header;
    } cases[] = {
        { "FirstWeekDay", false, -3, -3, -3, "SMTWTFS" },
        { "FirstWeekDay", true, 12, 12, 12, "SSMTWTF" },
        { "FirstWeekDay", true, INT_MIN, INT_MIN, INT_MIN, "SMTWTFS" },
        { "DateFormat", true, QStringLiteral("abc"), 0, QVariant(), "SMTWTFS" },
        // A start date the property refuses loads as none: the field shows today.
        { "StartDate", true, QStringLiteral("garbage"), QString(), QVariant(), "SMTWTFS" },
        { "StartDate", true, QStringLiteral("99.99.9999"), QString(), QVariant(), "SMTWTFS" },
    };
    for (const auto& c : cases) {
        const QString key = QLatin1String(c.Key);
        SCOPED_TRACE(qPrintable(key + QLatin1Char('=') + c.Value.toString()));
        CalendarHost host;
        ZIzazeviviro& f = *host.Field;
        if (c.FromFormFile) {
            PropertyBag file;
            file.WriteProperty(key, c.Value);
            f.ReadProperties(file);
        } else {
            f.FirstWeekDay(c.Value.toInt());
        }
        const QVariant read = key == QStringLiteral("FirstWeekDay") ? QVariant(f.FirstWeekDay())
            : key == QStringLiteral("DateFormat")                  ? QVariant(f.DateFormat())
                                                                   : QVariant(f.StartDate());
        EXPECT_EQ(c.Read, read);
        PropertyBag saved;
        f.WriteProperties(saved);
        EXPECT_EQ(c.Saved, saved.ReadProperty(key, QVariant()));
        QString header;
        for (int i = 0; i < 7; ++i)
            header += host.Caption(QStringLiteral("lblDay(%1)").arg(i));
        EXPECT_EQ(QLatin1String(c.Header), header);
        EXPECT_EQ(today, f.Text());
        host.Click(QStringLiteral("btnCombo"));
        host.ClickDay(9);
        EXPECT_EQ(QStringLiteral("09") + today.mid(2), f.Text());
    }
}

TEST(CalendarProperties, AnyTextAHostWritesCanBeUsedByMouseWithoutHarm)
{
    for (const QString& text : { QString(100000, QLatin1Char('x')), QStringLiteral("\\\\"), QStringLiteral("-1.-1.-1"),
             QStringLiteral("99.99.99999999999") }) {
        CalendarHost host;
        host.Field->Text(text);
        EXPECT_EQ(text, host.Field->Text());
        host.Click(QStringLiteral("btnCombo"));
        host.Click(QStringLiteral("btnMonthDown"));
        host.DoubleClick(QStringLiteral("lblMonth(5)"));
        host.ClickDay(30);
        host.Field->SelectedFullDate();
        EXPECT_EQ(QStringLiteral("30.06."), host.Field->Text().left(6));
    }
}
