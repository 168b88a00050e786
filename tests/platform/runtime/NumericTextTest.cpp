#include <tarvex/platform/runtime/NumericText.h>

#include "LocaleScope.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <optional>

using namespace Tarvex;

TEST(NumericText, EnglishAcceptsPointDecimalsAndCommaGroups)
{
    LocaleScope english("en_US");
    for (const char* text : { "12", "1.5", ".5", "5.", "-3", "+3", "1,234.5", "1,5", "1E5", "2.5e-3", " 7 ", "007" })
        EXPECT_TRUE(IsNumericText(QString::fromLatin1(text))) << text;
    for (const char* text : { "", " ", ".", "-", ",5", "1.2.3", "1e", "1e+", "1.5,0", "abc", "1a", "0x10", "inf", "nan", "1 2" })
        EXPECT_FALSE(IsNumericText(QString::fromLatin1(text))) << text;
}

TEST(NumericText, FollowsEveryChangeOfTheDefaultLocale)
{
    LocaleScope german("de_DE");
    EXPECT_TRUE(IsNumericText(u"1,5"));
    EXPECT_TRUE(IsNumericText(u"1.234,5"));
    EXPECT_TRUE(IsNumericText(u"1.5")); // the point is the German group separator
    EXPECT_FALSE(IsNumericText(u"1,2,3"));
    EXPECT_FALSE(IsNumericText(u",5x"));
    LocaleScope french("fr_FR");
    EXPECT_FALSE(IsNumericText(u"1.5")); // French groups with a narrow no-break space, not a point
    LocaleScope swedish("sv_SE");
    EXPECT_FALSE(IsNumericText(u"\u22123")); // Swedish minus: the reader could not take it
    LocaleScope british("en_GB");
    EXPECT_TRUE(IsNumericText(u"1.5"));
}

TEST(LeadingNumber, ReadsThePointFormWhateverTheLocale)
{
    LocaleScope german("de_DE");
    // Qt hands the system locale to the C library, whose own readers would then take "1,5" as 1.5.
    const char* saved = std::setlocale(LC_ALL, nullptr);
    const std::string restore = saved ? saved : "C";
    ASSERT_NE(nullptr, std::setlocale(LC_ALL, "de_DE.UTF-8"));
    EXPECT_EQ(1.0, ReadLeadingNumber(u"1,5"));
    EXPECT_EQ(1.5, ReadLeadingNumber(u"1.5"));
    EXPECT_EQ(1.234, ReadLeadingNumber(u"1.234,5"));
    std::setlocale(LC_ALL, restore.c_str());
}

TEST(LeadingNumber, StopsAtTheFirstCharacterThatCannotContinueAndSaturatesOutOfRange)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        QString Text;
        double Expected;
    } cases[] = { { u"12abc"_qs, 12 }, { u"  -2.5.7"_qs, -2.5 }, { u".5"_qs, 0.5 }, { u"5."_qs, 5 }, { u"1.5e3x"_qs, 1500 },
                  { u"1e"_qs, 1 }, { u"1e+"_qs, 1 }, // an exponent without digits is not part of the number
                  { u"+1E-3"_qs, 0.001 }, { u"abc"_qs, 0 }, { u"."_qs, 0 }, { u"-"_qs, 0 }, { QString(), 0 },
                  { u"1e400"_qs, infinity }, { u"-123e99999999999999999999"_qs, -infinity }, { u"1e-400"_qs, 0 },
                  { u"0.0000001e-99999999999"_qs, 0 }, { u"1e308"_qs, 1e308 }, { QString(400, u'9'), infinity },
                  { QStringLiteral("0.") + QString(1000, u'3'), 1.0 / 3.0 } };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(c.Expected, ReadLeadingNumber(c.Text)) << c.Text.left(40).toStdString();
}

TEST(WholeNumber, ReadsTheWholeTextInThePointFormOrInTheLocalesForm)
{
    struct Case {
        const char* Locale;
        const char* Text;
        std::optional<double> Point;  // ReadWholeNumber
        std::optional<double> Locales; // ReadLocaleNumber
    };
    const Case cases[] {
        { "en_US", "1,000.5", std::nullopt, 1000.5 },
        { "en_US", " 2.5e1 ", 25, 25 },
        { "de_DE", "1,5", std::nullopt, 1.5 },
        { "de_DE", "-1.000,5", std::nullopt, -1000.5 },
        { "de_DE", "1.5", 1.5, 15 },
        { "de_DE", "1,2,3", std::nullopt, std::nullopt },
    };
    for (const Case& c : cases) {
        LocaleScope locale(c.Locale);
        const QString text = QString::fromLatin1(c.Text);
        EXPECT_EQ(c.Point, ReadWholeNumber(text)) << c.Locale << " " << c.Text;
        EXPECT_EQ(c.Locales, ReadLocaleNumber(text, NumberSymbols::OfDefaultLocale())) << c.Locale << " " << c.Text;
    }
}

TEST(NumberText, WritesTheLocalesDecimalMarkWithoutGroupsUpToTheGivenDigits)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(QStringLiteral("1234567,89"), NumberText(1234567.89));
    EXPECT_EQ(QStringLiteral("0,3"), NumberText(0.1 + 0.2));
    EXPECT_EQ(QStringLiteral("0"), NumberText(-0.0));
    EXPECT_EQ(QStringLiteral("1E+20"), NumberText(1e20));
    EXPECT_EQ(QStringLiteral("123,4568"), NumberText(123.456789f, 7));
}
