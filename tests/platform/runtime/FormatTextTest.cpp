#include <tarvex/platform/runtime/FormatText.h>

#include "LocaleScope.h"

#include <gtest/gtest.h>

using namespace Tarvex;

TEST(FormatText, NumbersFollowThePatternInTheUsersLocale)
{
    struct Case {
        const char* Locale;
        const char* Text;
        const char* Pattern;
        const char* Shown;
    };
    for (const Case& c : {
             Case { "en_US", "1234.5", "#,##0.00", "1,234.50" },
             Case { "de_DE", "1234,5", "#,##0.00", "1.234,50" },
             Case { "en_US", "1234.5", "0.00", "1234.50" },
             Case { "en_US", "0.25", "0%", "25%" },
             Case { "en_US", "2.5", "0.0#", "2.5" },
             Case { "en_US", "2.125", "0.0#", "2.13" },
             Case { "en_US", "7", "000", "007" },
             Case { "en_US", "0.5", "#.00", ".50" },
             Case { "en_US", "-3", "0.0 EUR", "-3.0 EUR" },
             Case { "en_US", "-0.001", "0.00", "0.00" },
             Case { "de_DE", "24.12.2026", "yyyy-mm-dd", "2026-12-24" },
             Case { "de_DE", "24.12.2026", "d.m.yy", "24.12.26" },
             Case { "en_US", "hello", "0.00", "hello" },
             Case { "en_US", "12", "", "12" },
         }) {
        LocaleScope locale(c.Locale);
        EXPECT_EQ(QString::fromUtf8(c.Shown), FormatText(QString::fromUtf8(c.Text), QString::fromLatin1(c.Pattern)))
            << c.Locale << " " << c.Text << " as " << c.Pattern;
    }
}

TEST(FormatText, GeneralNumbersShowNoGroupsAndUpToFifteenDigits)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(QStringLiteral("1234,5"), GeneralNumberText(1234.5));
    EXPECT_EQ(QStringLiteral("6"), GeneralNumberText(6));
    EXPECT_EQ(QStringLiteral("0,333333333333333"), GeneralNumberText(1.0 / 3));
}
