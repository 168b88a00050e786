#include <tarvex/evaluator/MathPlugin.h>

#include "../platform/runtime/LocaleScope.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

struct Case {
    QString Text;
    double Expected;
};

// A calculator line as the host evaluates it, in English unless a test switches the locale. One
// plugin serves every line of a test, so a failure that left state behind would spoil the next line.
class Calculator : public testing::Test {
protected:
    void ExpectValues(std::initializer_list<Case> cases)
    {
        for (const Case& c : cases) {
            bool isError = true;
            const QVariant value = Plugin.MathExpression(c.Text, isError);
            EXPECT_FALSE(isError) << qPrintable(c.Text.left(40));
            EXPECT_EQ(QMetaType::Double, value.typeId()) << qPrintable(c.Text.left(40));
            EXPECT_DOUBLE_EQ(c.Expected, value.toDouble()) << qPrintable(c.Text.left(40));
        }
    }

    void ExpectFailures(std::initializer_list<QString> texts)
    {
        for (const QString& text : texts) {
            bool isError = false;
            const QVariant value = Plugin.MathExpression(text, isError);
            EXPECT_TRUE(isError) << qPrintable(text.left(40));
            EXPECT_FALSE(value.isValid()) << qPrintable(text.left(40)) << " gave " << value.toDouble();
        }
    }

    LocaleScope English { "en_US" };
    MathPlugin Plugin;
};

} // namespace

TEST_F(Calculator, PowersBeforeProductsBeforeSumsEachLeftToRight)
{
    ExpectValues({ { "2^3^2", 64 }, { "2*3^2", 18 }, { "4^0.5", 2 }, { "2^-1", 0.5 }, { "0^0", 1 }, { "8/2*2", 8 },
                   { "10/4", 2.5 }, { "(1+2)*3", 9 }, { "1+2*3", 7 }, { "10-4-3", 3 }, { "2*(3+4)*5", 70 },
                   { "1.5 + 2.25", 3.75 }, { "1E3 / 8", 125 }, { "", 0 }, { "   ", 0 }, { "()", 0 }, { "\t1\r\n+ 2 ", 3 } });
}

TEST_F(Calculator, SignsBindToTheFollowingOperandBeforeAnyOperator)
{
    ExpectValues({ { "-2^2", 4 }, { "2*-3", -6 }, { "1 - - 2", 3 }, { "--2", 2 }, { "+-+2", -2 }, { "-(1+2)", -3 },
                   { "3--2^2", 7 }, { "-SIN(0)", 0 }, { "2^-(1+1)", 0.25 } });
}

TEST_F(Calculator, LogicRoundsHalvesToEvenAndRanksBelowSums)
{
    ExpectValues({ { "6 AND 3", 2 }, { "6 OR 3", 7 }, { "6 XOR 3", 5 }, { "6 EQV 3", -6 }, { "6 IMP 3", -5 },
                   { "2.5 AND 7", 2 }, { "3.5 AND 7", 4 }, { "7 MOD 4 + 1", 2 }, { "-7 MOD 3", -1 }, { "7 MOD -3", 1 },
                   { "1 OR 2 AND 3", 3 }, { "12 and 10 or 1", 9 }, { "(-2147483647-1) MOD -1", 0 } });
}

TEST_F(Calculator, FunctionsTakeTheValueOfTheirBracket)
{
    ExpectValues({ { "sin(0)", 0 }, { "SGN(-5)", -1 }, { "SGN(0)", 0 }, { "ABS(-2.5)", 2.5 }, { "SQR(16)+1", 5 },
                   { "COS(0)*2", 2 }, { "ATN(1)*4", 3.14159265358979323846 }, { "TAN(0)", 0 },
                   { "EXP(1)", 2.71828182845904523536 }, { "LOG(EXP(2))", 2 }, { "SQR(SQR(81))", 3 },
                   { "2*Abs(1-4)", 6 }, { "SIN()", 0 } });
}

TEST_F(Calculator, MalformedLinesAndResultsOutsideTheFiniteNumbersFail)
{
    ExpectFailures({ "1 2", "2(3)", "(1)(2)", "(1) 2", "5+", "*2", "2*", "SIN 5", "SIN", "(1+2", "abc", "1 + x", "2)",
                     "SIN(0)(1)" });
    // A sign or operator directly before a binary operator would otherwise vanish: 2-*3 would be 6.
    ExpectFailures({ "2-*3", "2+*3", "2 AND OR 3", "2 * / 3", "-^2", "2^*3", "- MOD 5" });
    ExpectFailures({ "1/0", "0/0", "10^400", "EXP(1000)", "(-8)^(1/3)", "0^-1", "SQR(-1)", "LOG(0)", "LOG(-1)",
                     "1e308*10", "1e308+1e308", "1e400", "2147483648 AND 1", "1 MOD 0", "1 MOD 0.4" });
    ExpectValues({ { "(1+2)", 3 } });
}

// An operand is read whole: in the point form where that takes it all, so that every line keeps the
// value it always had, otherwise in the user's own form. Reading only up to the first comma gave 1
// for the German "1,5" and for the English "1,000.5", the figures a calculator must never drop.
TEST_F(Calculator, OperandsReadWholeInThePointFormOrElseInTheUsersLocale)
{
    ExpectValues({ { "1,000.5 + 1", 1001.5 }, { "1,5", 15 }, { "1.5", 1.5 }, { "2,500*2", 5000 },
                   { "1,234,567.25", 1234567.25 }, { "1,5E2", 1500 }, { "1E3 / 8", 125 } });
    ExpectFailures({ "1.2.3", "1.5,0", ",5" });
    {
        LocaleScope german("de_DE");
        ExpectValues({ { "1,5", 1.5 }, { "1,5 + 1.5", 3 }, { "1.000,5", 1000.5 }, { "1.5", 1.5 }, { "1.000", 1 },
                       { "2,5*2", 5 }, { "1.234.567,25", 1234567.25 }, { "1,5E2", 150 }, { "0,1+0,2", 0.3 } });
        ExpectValues({ { ",5", 0.5 } });
        ExpectFailures({ "1,2,3", "1,5.0", "1,5,0" });
    }
    LocaleScope french("fr_FR");
    ExpectFailures({ "1.5" });
    ExpectValues({ { "2,5*2", 5 } });
}

// These run under the sanitizers too, where the test's time limit is what catches scanning that
// grows faster than the text.
TEST_F(Calculator, BracketsNestUpToTheLimitWithoutExhaustingTheStack)
{
    const int depth = SymbolEngine::MaxNestingDepth;
    ExpectValues({ { QString(depth, u'(') + QStringLiteral("-1") + QString(depth, u')'), -1 } });
    ExpectFailures({ QString(depth, u'('), QString(depth + 1, u'(') + QStringLiteral("1") + QString(depth + 1, u')') });
}

TEST_F(Calculator, TenMegabyteLinesAndMegabyteRunsOfOneCharacterFinish)
{
    constexpr int Megabyte = 1024 * 1024;
    ExpectValues({ { QString(10 * Megabyte, u' ') + QStringLiteral("7"), 7 } });
    ExpectFailures({ QString(10 * Megabyte, u'('), QString(Megabyte, u'9'), QString(Megabyte, u'x'), QString(Megabyte, u')'),
                     QString(Megabyte, u'+'), QString(Megabyte, u'S') });
}

TEST_F(Calculator, NulCharactersAndUnpairedSurrogatesAreOrdinaryText)
{
    ExpectFailures({ QString(1, QChar(0)), QStringLiteral("1") + QChar(0) + QStringLiteral("+2"), QString(1, QChar(0xD800)),
                     QStringLiteral("1+") + QChar(0xDC00), QString(3, QChar(0xDFFF)) + QStringLiteral("(1)"),
                     QStringLiteral("SIN") + QChar(0xD83D) });
}
