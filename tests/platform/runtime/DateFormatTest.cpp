#include <tarvex/platform/runtime/DateFormat.h>

#include "LocaleScope.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {
// Saturday, 7 March 2026, in the afternoon.
const QDateTime Afternoon(QDate(2026, 3, 7), QTime(15, 4, 9));
} // namespace

TEST(DateFormat, PatternCodesGiveTheirPartsOfTheDateAndTime)
{
    LocaleScope german("de_DE");
    const struct {
        const char *Pattern, *Expected;
    } cases[] = {
        { "dd.mm.yyyy", "07.03.2026" },
        { "d.m.yy", "7.3.26" },
        { "DD.MM.YYYY", "07.03.2026" },
        { "dddd, d. mmmm yyyy", "Samstag, 7. März 2026" },
        { "hh:mm:ss", "15:04:09" },       // m right after an hour is the minute
        { "h:nn AM/PM", "3:04 PM" },
        { "h:nn a/p", "3:04 p" },
        { "w ww q y", "7 10 1 66" },      // Saturday, week 10 counted from Sunday weeks, quarter, day of year
        { "\\d \"mm\" d", "d mm 7" },     // escaped and quoted text stands for itself
        { "yyyy/mm", "2026.03" },         // "/" is the locale's date separator
        { "\"Datum:\" dd", "Datum: 07" },
        { "\"open", "open" },             // an unclosed quote runs to the end
        { "\\", "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(QString::fromUtf8(c.Expected), FormatDateTime(Afternoon, QString::fromUtf8(c.Pattern))) << c.Pattern;
}

TEST(DateFormat, WeeksStartOnSundayAndTheFirstWeekHoldsTheFirstOfJanuary)
{
    // 1 January 2026 is a Thursday: its week is week 1, and Sunday 4 January starts week 2.
    const struct {
        QDate Date;
        const char* Expected;
    } cases[] = {
        { QDate(2026, 1, 1), "1 5" }, { QDate(2026, 1, 3), "1 7" }, { QDate(2026, 1, 4), "2 1" }, { QDate(2026, 12, 31), "53 5" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(QLatin1String(c.Expected), FormatDateTime(QDateTime(c.Date, QTime()), QStringLiteral("ww w"))) << c.Expected;
}

TEST(DateFormat, AnEmptyPatternGivesTheShortDateAndTheTimeUnlessItIsMidnight)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(QStringLiteral("07.03.2026 15:04:09"), FormatDateTime(Afternoon, QString()));
    EXPECT_EQ(QStringLiteral("07.03.2026"), FormatDateTime(QDateTime(QDate(2026, 3, 7), QTime(0, 0)), QString()));
    EXPECT_EQ(QString(), FormatDateTime(QDateTime(), QStringLiteral("dd")));
}
