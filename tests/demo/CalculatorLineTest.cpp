#include "CalculatorLine.h"

#include "../platform/runtime/LocaleScope.h"
#include "NumberText.h"

#include <tarvex/app/progtxt.h>

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace Tarvex;
using namespace Tarvex::Demo;

namespace {

QString TypeAndEvaluate(CalculatorLine& line, const QString& expression)
{
    line.Input()->clear();
    QTest::keyClicks(line.Input(), expression);
    QTest::keyClick(line.Input(), Qt::Key_Return);
    return line.ResultText();
}

TEST(CalculatorLine, EnterShowsTheValueInTheUsersLocaleOrThePlainErrorText)
{
    LocaleScope german("de_DE");
    progtxt.Set(12, QStringLiteral("Ergebnis:"));
    progtxt.Set(13, QStringLiteral("Der Ausdruck lässt sich nicht berechnen."));
    CalculatorLine line;

    EXPECT_EQ(QStringLiteral("Ergebnis: 2,5"), TypeAndEvaluate(line, QStringLiteral("10/4")));
    EXPECT_EQ(QStringLiteral("Der Ausdruck lässt sich nicht berechnen."), TypeAndEvaluate(line, QStringLiteral("1 2")));
    EXPECT_EQ(QStringLiteral("Ergebnis: 64"), TypeAndEvaluate(line, QStringLiteral("2^3^2")));
    // German figures count whole, with their decimal comma and their group points.
    EXPECT_EQ(QStringLiteral("Ergebnis: 2,5"), TypeAndEvaluate(line, QStringLiteral("1,5 + 1")));
    EXPECT_EQ(QStringLiteral("Ergebnis: 1000,5"), TypeAndEvaluate(line, QStringLiteral("1.000,5")));
}

TEST(NumberText, IsTheShortestTextThatReadsBack)
{
    EXPECT_EQ(QStringLiteral("0.1"), ShortestNumberText(0.1));
    EXPECT_EQ(QStringLiteral("-6"), ShortestNumberText(-6.0));
    EXPECT_EQ(QStringLiteral("1e+300"), ShortestNumberText(1e300));
}

} // namespace
