#include "platform/runtime/NumericText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace Tarvex;

namespace {

// Switches the user's locale for one test and restores the previous one after it.
class InLocale : public testing::Test {
protected:
    void UseLocale(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
    void TearDown() override { QLocale::setDefault(m_Saved); }

private:
    QLocale m_Saved;
};

using NumericTest = InLocale;
using LeadingNumber = InLocale;

} // namespace

TEST_F(NumericTest, EnglishAcceptsPointDecimalsAndCommaGroups)
{
    UseLocale("en_US");
    for (const char* text : { "12", "1.5", ".5", "5.", "-3", "+3", "1,234.5", "1,5", "1E5", "2.5e-3", " 7 ", "007" })
        EXPECT_TRUE(IsNumericText(QString::fromLatin1(text))) << text;
    for (const char* text : { "", " ", ".", "-", ",5", "1.2.3", "1e", "1e+", "1.5,0", "abc", "1a", "0x10", "inf", "nan", "1 2" })
        EXPECT_FALSE(IsNumericText(QString::fromLatin1(text))) << text;
}

TEST_F(NumericTest, GermanSwapsTheSeparators)
{
    UseLocale("de_DE");
    EXPECT_TRUE(IsNumericText(u"1,5"));
    EXPECT_TRUE(IsNumericText(u"1.234,5"));
    // The point is the German group separator, so it is still a number.
    EXPECT_TRUE(IsNumericText(u"1.5"));
    EXPECT_FALSE(IsNumericText(u"1,2,3"));
    EXPECT_FALSE(IsNumericText(u",5x"));
}

TEST_F(NumericTest, FollowsEveryChangeOfTheDefaultLocale)
{
    UseLocale("fr_FR");
    EXPECT_FALSE(IsNumericText(u"1.5")); // French groups with a narrow no-break space, not a point
    EXPECT_TRUE(IsNumericText(u"1,5"));
    UseLocale("sv_SE");
    EXPECT_FALSE(IsNumericText(u"\u22123")); // Swedish minus: the reader could not take it
    UseLocale("en_GB");
    EXPECT_TRUE(IsNumericText(u"1.5"));
}

TEST_F(LeadingNumber, ReadsThePointFormWhateverTheLocale)
{
    UseLocale("de_DE");
    // Qt hands the system locale to the C library, whose own readers would then take "1,5" as 1.5.
    const char* saved = std::setlocale(LC_ALL, nullptr);
    const std::string restore = saved ? saved : "C";
    ASSERT_NE(nullptr, std::setlocale(LC_ALL, "de_DE.UTF-8"));
    EXPECT_EQ(1.0, ReadLeadingNumber(u"1,5"));
    EXPECT_EQ(1.5, ReadLeadingNumber(u"1.5"));
    EXPECT_EQ(1.234, ReadLeadingNumber(u"1.234,5"));
    std::setlocale(LC_ALL, restore.c_str());
}

TEST_F(LeadingNumber, StopsAtTheFirstCharacterThatCannotContinue)
{
    EXPECT_EQ(12.0, ReadLeadingNumber(u"12abc"));
    EXPECT_EQ(-2.5, ReadLeadingNumber(u"  -2.5.7"));
    EXPECT_EQ(0.5, ReadLeadingNumber(u".5"));
    EXPECT_EQ(5.0, ReadLeadingNumber(u"5."));
    EXPECT_EQ(1500.0, ReadLeadingNumber(u"1.5e3x"));
    EXPECT_EQ(1.0, ReadLeadingNumber(u"1e")); // an exponent without digits is not part of the number
    EXPECT_EQ(1.0, ReadLeadingNumber(u"1e+"));
    EXPECT_EQ(0.001, ReadLeadingNumber(u"+1E-3"));
    EXPECT_EQ(0.0, ReadLeadingNumber(u"abc"));
    EXPECT_EQ(0.0, ReadLeadingNumber(u"."));
    EXPECT_EQ(0.0, ReadLeadingNumber(u"-"));
    EXPECT_EQ(0.0, ReadLeadingNumber(u""));
}

TEST_F(LeadingNumber, OutOfRangeBecomesInfinityOrZero)
{
    EXPECT_EQ(std::numeric_limits<double>::infinity(), ReadLeadingNumber(u"1e400"));
    EXPECT_EQ(-std::numeric_limits<double>::infinity(), ReadLeadingNumber(u"-123e99999999999999999999"));
    EXPECT_EQ(0.0, ReadLeadingNumber(u"1e-400"));
    EXPECT_EQ(0.0, ReadLeadingNumber(u"0.0000001e-99999999999"));
    EXPECT_EQ(1e308, ReadLeadingNumber(u"1e308"));
}

TEST_F(LeadingNumber, ReadsVeryLongDigitRuns)
{
    const QString digits = QString(400, u'9');
    EXPECT_EQ(std::numeric_limits<double>::infinity(), ReadLeadingNumber(digits));
    EXPECT_DOUBLE_EQ(1.0 / 3.0, ReadLeadingNumber(QStringLiteral("0.") + QString(1000, u'3')));
}
