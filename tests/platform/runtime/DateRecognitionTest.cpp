#include "platform/runtime/DateRecognition.h"

#include "LocaleScope.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

double Serial(const char* Text)
{
    return DateSerial(QString::fromUtf8(Text)).value_or(-1e9);
}

TEST(DateRecognition, SerialCountsDaysFromTheEpochWithTimeAsFraction)
{
    EXPECT_EQ(0.0, DateSerial(1899, 12, 30));
    EXPECT_EQ(46380.0, DateSerial(2026, 12, 24));
    EXPECT_EQ(46380.5, DateSerial(2026, 12, 24, 12 * 3600));
    // Before the epoch the fraction still counts forward, so the serials keep their order.
    EXPECT_LT(DateSerial(1899, 12, 29), DateSerial(1899, 12, 29, 6 * 3600));
    EXPECT_LT(DateSerial(1899, 12, 29, 6 * 3600), DateSerial(1899, 12, 30));
}

TEST(DateRecognition, GermanLocaleReadsDayFirst)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(46380.0, Serial("24.12.2026"));
    EXPECT_EQ(46380.0, Serial("  24.12.2026  "));
    EXPECT_EQ(DateSerial(2026, 3, 4), Serial("4.3.26"));
    EXPECT_EQ(DateSerial(2026, 3, 4), Serial("04.03.2026"));
    EXPECT_EQ(DateSerial(2026, 4, 3), Serial("2026-04-03"));
}

TEST(DateRecognition, UsLocaleReadsMonthFirst)
{
    LocaleScope us("en_US");
    EXPECT_EQ(46380.0, Serial("12/24/2026"));
    EXPECT_EQ(DateSerial(2026, 3, 4), Serial("3/4/2026"));
    EXPECT_EQ(DateSerial(2026, 4, 3), Serial("2026-04-03"));
}

TEST(DateRecognition, DayAndMonthThatOnlyFitSwappedAreSwapped)
{
    LocaleScope us("en_US");
    EXPECT_EQ(46380.0, Serial("24/12/2026"));
    EXPECT_FALSE(IsDate(QStringLiteral("24/13/2026")));
}

TEST(DateRecognition, TwoDigitYearsAreWindowedAroundTheCentury)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(DateSerial(2029, 1, 1), Serial("1.1.29"));
    EXPECT_EQ(DateSerial(1930, 1, 1), Serial("1.1.30"));
    EXPECT_EQ(DateSerial(2000, 1, 1), Serial("1.1.00"));
}

TEST(DateRecognition, OptionalTimeBecomesTheFraction)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(46380.75, Serial("24.12.2026 18:00"));
    EXPECT_DOUBLE_EQ(46380.0 + (18 * 3600 + 30 * 60 + 15) / 86400.0, Serial("24.12.2026 18:30:15"));
    EXPECT_EQ(46380.75, Serial("2026-12-24T18:00"));
    EXPECT_EQ(46380.75, Serial("24.12.2026 6:00 pm"));
    EXPECT_EQ(46380.0, Serial("24.12.2026 12:00 AM"));
    EXPECT_FALSE(IsDate(QStringLiteral("24.12.2026 24:00")));
    EXPECT_FALSE(IsDate(QStringLiteral("24.12.2026 13:00 PM")));
    EXPECT_FALSE(IsDate(QStringLiteral("24.12.2026 18:5")));
}

TEST(DateRecognition, RejectsWhatIsNoDate)
{
    LocaleScope german("de_DE");
    for (const char* text : { "", "   ", "Rechnung", "24.12", "24.12.2026x", "31.02.2026", "24.12-2026", "1.234,56",
                              "12345", "24..2026", "123.12.2026", "24.12.2026 18", "2026-12-24 Uhr", "0.0.2026" })
        EXPECT_FALSE(IsDate(QString::fromUtf8(text))) << text;
}

} // namespace
