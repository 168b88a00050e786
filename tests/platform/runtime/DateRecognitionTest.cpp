#include <tarvex/platform/runtime/DateRecognition.h>

#include "LocaleScope.h"

#include <gtest/gtest.h>

using namespace Tarvex;

TEST(DateRecognition, SerialCountsDaysFromTheEpochWithTimeAsFraction)
{
    EXPECT_EQ(0.0, DateSerial(1899, 12, 30));
    EXPECT_EQ(46380.5, DateSerial(2026, 12, 24, 12 * 3600));
    // Before the epoch the fraction still counts forward, so the serials keep their order.
    EXPECT_LT(DateSerial(1899, 12, 29), DateSerial(1899, 12, 29, 6 * 3600));
    EXPECT_LT(DateSerial(1899, 12, 29, 6 * 3600), DateSerial(1899, 12, 30));
}

TEST(DateRecognition, ReadsDatesInTheOrderOfTheUsersLocaleWithAnOptionalTime)
{
    const double christmas = DateSerial(2026, 12, 24);
    const struct {
        const char *Locale, *Text;
        double Expected;
    } cases[] = {
        { "de_DE", "  24.12.2026  ", christmas }, { "de_DE", "4.3.26", DateSerial(2026, 3, 4) },
        { "de_DE", "04.03.2026", DateSerial(2026, 3, 4) }, { "de_DE", "2026-04-03", DateSerial(2026, 4, 3) },
        { "en_US", "12/24/2026", christmas }, { "en_US", "3/4/2026", DateSerial(2026, 3, 4) },
        { "en_US", "2026-04-03", DateSerial(2026, 4, 3) },
        { "en_US", "24/12/2026", christmas }, // only fits with day and month swapped
        // Two-digit years are windowed around the century.
        { "de_DE", "1.1.29", DateSerial(2029, 1, 1) }, { "de_DE", "1.1.30", DateSerial(1930, 1, 1) },
        { "de_DE", "1.1.00", DateSerial(2000, 1, 1) },
        { "de_DE", "24.12.2026 18:00", christmas + 0.75 }, { "de_DE", "2026-12-24T18:00", christmas + 0.75 },
        { "de_DE", "24.12.2026 6:00 pm", christmas + 0.75 }, { "de_DE", "24.12.2026 12:00 AM", christmas },
        { "de_DE", "24.12.2026 18:30:15", christmas + (18 * 3600 + 30 * 60 + 15) / 86400.0 },
    };
    for (const auto& c : cases) {
        LocaleScope locale(c.Locale);
        EXPECT_DOUBLE_EQ(c.Expected, DateSerial(QString::fromUtf8(c.Text)).value_or(-1e9)) << c.Locale << " " << c.Text;
    }
}

TEST(DateRecognition, RejectsWhatIsNoDate)
{
    LocaleScope german("de_DE");
    for (const char* text : { "", "   ", "Rechnung", "24.12", "24.12.2026x", "31.02.2026", "24.12-2026", "1.234,56",
                              "12345", "24..2026", "123.12.2026", "24.12.2026 18", "2026-12-24 Uhr", "0.0.2026",
                              "24.12.2026 24:00", "24.12.2026 13:00 PM", "24.12.2026 18:5" })
        EXPECT_FALSE(IsDate(QString::fromUtf8(text))) << text;
    LocaleScope us("en_US");
    EXPECT_FALSE(IsDate(QStringLiteral("24/13/2026"))) << "fits neither way round";
}
