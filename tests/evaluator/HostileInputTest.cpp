#include "evaluator/MathPlugin.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

constexpr int TenMegabytes = 10 * 1024 * 1024;

QVariant Evaluate(const QString& text, bool& isError)
{
    MathPlugin plugin;
    isError = false;
    return plugin.MathExpression(text, isError);
}

} // namespace

// These run under the sanitizers too, where the test's time limit is what catches scanning that
// grows faster than the text.
TEST(HostileInput, BracketsNestUpToTheLimitWithoutExhaustingTheStack)
{
    const int depth = SymbolEngine::MaxNestingDepth;
    bool isError = true;
    const QVariant value = Evaluate(QString(depth, u'(') + QStringLiteral("-1") + QString(depth, u')'), isError);
    EXPECT_FALSE(isError);
    EXPECT_EQ(QVariant(-1.0), value);
    EXPECT_EQ(QVariant(), Evaluate(QString(depth, u'('), isError));
    EXPECT_TRUE(isError);
    EXPECT_EQ(QVariant(), Evaluate(QString(depth + 1, u'(') + QStringLiteral("1") + QString(depth + 1, u')'), isError));
    EXPECT_TRUE(isError);
}

TEST(HostileInput, TenMegabyteLinesFinish)
{
    bool isError = true;
    EXPECT_EQ(QVariant(7.0), Evaluate(QString(TenMegabytes, u' ') + QStringLiteral("7"), isError));
    EXPECT_FALSE(isError);
    EXPECT_EQ(QVariant(), Evaluate(QString(TenMegabytes, u'('), isError));
    EXPECT_TRUE(isError);
}

TEST(HostileInput, MegabyteRunsOfOneCharacterFail)
{
    constexpr int Megabyte = 1024 * 1024;
    bool isError = false;
    for (QChar fill : { u'9', u'x', u')', u'+', u'S' }) {
        EXPECT_EQ(QVariant(), Evaluate(QString(Megabyte, fill), isError)) << int(fill.unicode());
        EXPECT_TRUE(isError) << int(fill.unicode());
    }
}

TEST(HostileInput, NulCharactersAndUnpairedSurrogatesAreOrdinaryText)
{
    bool isError = false;
    for (const QString& text : { QString(1, QChar(0)), QStringLiteral("1") + QChar(0) + QStringLiteral("+2"),
                                 QString(1, QChar(0xD800)), QStringLiteral("1+") + QChar(0xDC00),
                                 QString(3, QChar(0xDFFF)) + QStringLiteral("(1)"), QStringLiteral("SIN") + QChar(0xD83D) }) {
        EXPECT_EQ(QVariant(), Evaluate(text, isError));
        EXPECT_TRUE(isError);
    }
}
