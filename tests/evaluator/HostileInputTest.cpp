#include "evaluator/MathPlugin.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

// The value of a line, or nothing when the plugin reports the line as failed.
QVariant Evaluate(const QString& text)
{
    MathPlugin plugin;
    bool isError = false;
    const QVariant value = plugin.MathExpression(text, isError);
    EXPECT_EQ(isError, !value.isValid()) << "isError must match the empty value";
    return value;
}

} // namespace

// These run under the sanitizers too, where the test's time limit is what catches scanning that
// grows faster than the text.
TEST(HostileInput, BracketsNestUpToTheLimitWithoutExhaustingTheStack)
{
    const int depth = SymbolEngine::MaxNestingDepth;
    EXPECT_EQ(QVariant(-1.0), Evaluate(QString(depth, u'(') + QStringLiteral("-1") + QString(depth, u')')));
    EXPECT_EQ(QVariant(), Evaluate(QString(depth, u'(')));
    EXPECT_EQ(QVariant(), Evaluate(QString(depth + 1, u'(') + QStringLiteral("1") + QString(depth + 1, u')')));
}

TEST(HostileInput, TenMegabyteLinesAndMegabyteRunsOfOneCharacterFinish)
{
    constexpr int Megabyte = 1024 * 1024;
    EXPECT_EQ(QVariant(7.0), Evaluate(QString(10 * Megabyte, u' ') + QStringLiteral("7")));
    EXPECT_EQ(QVariant(), Evaluate(QString(10 * Megabyte, u'(')));
    for (QChar fill : { u'9', u'x', u')', u'+', u'S' })
        EXPECT_EQ(QVariant(), Evaluate(QString(Megabyte, fill))) << int(fill.unicode());
}

TEST(HostileInput, NulCharactersAndUnpairedSurrogatesAreOrdinaryText)
{
    for (const QString& text : { QString(1, QChar(0)), QStringLiteral("1") + QChar(0) + QStringLiteral("+2"),
                                 QString(1, QChar(0xD800)), QStringLiteral("1+") + QChar(0xDC00),
                                 QString(3, QChar(0xDFFF)) + QStringLiteral("(1)"), QStringLiteral("SIN") + QChar(0xD83D) })
        EXPECT_EQ(QVariant(), Evaluate(text));
}
