#include "grid/model/NumberParsing.h"

#include "../platform/runtime/LocaleScope.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <cmath>

using namespace Tarvex;

namespace {

double Val(const char* Text)
{
    return rVal(QString::fromUtf8(Text));
}

TEST(NumberParsing, GermanLocaleReadsGroupedNumbers)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(1234.5, Val("1.234,5"));
    EXPECT_EQ(-1234567.89, Val("-1.234.567,89"));
    EXPECT_EQ(12.5, Val("12,5 €"));
    // Not a German number; the second try reads the point as the decimal mark.
    EXPECT_EQ(0.5, Val("0.5"));
    EXPECT_EQ(1.5, Val("1.5"));
}

TEST(NumberParsing, EnglishLocaleReadsGroupedNumbers)
{
    LocaleScope english("en_US");
    EXPECT_EQ(1234.5, Val("1,234.5"));
    EXPECT_EQ(0.5, Val("0.5"));
    // Neither reading fits, so the text stands for no number.
    EXPECT_EQ(0.0, Val("1.234,5"));
}

TEST(NumberParsing, SkipsCurrencyMarksSpacesAndSlashes)
{
    LocaleScope english("en_US");
    EXPECT_EQ(1000.0, Val("$ 1 000"));
    EXPECT_EQ(250.0, Val("£250"));
    EXPECT_EQ(12.0, Val("1/2"));
    EXPECT_EQ(42.0, Val("  42  "));
}

TEST(NumberParsing, StopsAtTheFirstOtherCharacter)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(12.0, Val("12abc"));
    // The letter E ends the scan before any digit.
    EXPECT_EQ(0.0, Val("EUR 12"));
    EXPECT_EQ(7.0, Val("7\t8"));
    EXPECT_EQ(3.0, Val("3€"));
}

TEST(NumberParsing, ReadsHexadecimalAndOctalAsWords)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(255.0, Val("&HFF"));
    EXPECT_EQ(255.0, Val("&hff"));
    EXPECT_EQ(8.0, Val("&O10"));
    // Sixteen bits and more are signed machine words, as colours written as text are.
    EXPECT_EQ(-1.0, Val("&HFFFF"));
    EXPECT_EQ(65536.0, Val("&H10000"));
    EXPECT_EQ(0.0, Val("&H"));
    EXPECT_EQ(0.0, Val("&HFFFFFFFFF"));
}

TEST(NumberParsing, ReadsBooleansAndNothing)
{
    LocaleScope english("en_US");
    EXPECT_EQ(-1.0, Val("TRUE"));
    EXPECT_EQ(-1.0, Val("true"));
    EXPECT_EQ(0.0, Val("False"));
    EXPECT_EQ(0.0, Val(""));
    EXPECT_EQ(0.0, Val("   "));
    EXPECT_EQ(0.0, Val("-"));
    EXPECT_EQ(0.0, Val("1-2"));
    // Beyond the range of a double: the conversion fails and nothing is reached.
    EXPECT_EQ(0.0, rVal(QString(400, QLatin1Char('9'))));
}

TEST(NumberParsing, ShapesRefusedOnceStayRefusedOnlyInTheirLocale)
{
    {
        LocaleScope german("de_DE");
        EXPECT_EQ(0.0, Val("24.12.2026"));
        EXPECT_EQ(0.0, Val("31.01.2025"));
        EXPECT_EQ(2.5, Val("2.5"));
        EXPECT_EQ(7.25, Val("7.25"));
        // Grouped German numbers are read as before.
        EXPECT_EQ(1000.0, Val("1.000"));
    }
    LocaleScope english("en_US");
    EXPECT_EQ(2.5, Val("2.5"));
    EXPECT_EQ(0.0, Val("24.12.2026"));
}

// The scan and the two conversions written out plainly, to hold the quick reading of common
// texts against.
double PlainVal(const QString& Text)
{
    const QString s = Text.trimmed().toUpper();
    QString r;
    for (const QChar c : s) {
        if (c == u'$' || c.unicode() == 163 || c == u' ' || c == u'/')
            continue;
        if (!(c.isDigit() && c.unicode() < 128) && c != u',' && c != u'-' && c != u'.')
            break;
        r += c;
    }
    if (r.isEmpty())
        return s == QLatin1String("TRUE") ? -1 : 0;
    bool ok = false;
    const double first = QLocale().toDouble(r, &ok);
    if (ok && first != 0)
        return first;
    r.replace(QLatin1Char('.'), QLatin1Char(','));
    const double second = QLocale().toDouble(r, &ok);
    return ok ? second : 0;
}

TEST(NumberParsing, AgreesWithTheLocaleOnRandomTexts)
{
    for (const char* name : { "de_DE", "en_US", "fr_FR" }) {
        LocaleScope locale(name);
        QRandomGenerator random(7);
        const QString alphabet = QString::fromUtf8("0123456789000.,-$ /x");
        for (int i = 0; i < 20000; ++i) {
            QString text;
            const int length = random.bounded(1, 12);
            for (int k = 0; k < length; ++k)
                text += alphabet[random.bounded(alphabet.size())];
            ASSERT_EQ(PlainVal(text), rVal(text)) << name << " '" << text.toStdString() << "'";
        }
    }
}

TEST(NumberParsing, AgreesWithTheLocaleOnFormattedNumbers)
{
    for (const char* name : { "de_DE", "en_US", "de_CH" }) {
        LocaleScope locale(name);
        QRandomGenerator random(11);
        for (int i = 0; i < 20000; ++i) {
            const double value = (random.generateDouble() - 0.3) * std::pow(10.0, random.bounded(0, 12));
            QString text = QLocale().toString(value, 'f', random.bounded(0, 4));
            if (random.bounded(3) == 0)
                text.remove(QLocale().groupSeparator());
            if (random.bounded(5) == 0)
                text.prepend(QStringLiteral("$ "));
            ASSERT_EQ(PlainVal(text), rVal(text)) << name << " '" << text.toStdString() << "'";
        }
    }
}

} // namespace
