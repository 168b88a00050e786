#include "platform/runtime/TextCollation.h"

#include "LocaleScope.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

TEST(TextCollation, IgnoresCase)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(0, CompareText(QStringLiteral("müller"), QStringLiteral("MÜLLER")));
    EXPECT_LT(CompareText(QStringLiteral("adam"), QStringLiteral("Bär")), 0);
}

TEST(TextCollation, PlacesUmlautsWithTheirBaseLetter)
{
    LocaleScope german("de_DE");
    // Binary order would put Ä after Z.
    EXPECT_LT(CompareText(QStringLiteral("Äpfel"), QStringLiteral("Birne")), 0);
    EXPECT_GT(CompareText(QStringLiteral("Zebra"), QStringLiteral("Äpfel")), 0);
}

TEST(TextCollation, SortKeysCompareLikeTheirTexts)
{
    LocaleScope english("en_US");
    const TextCollator collator;
    const QStringList texts { "Zeta", "alpha", "ALPHA", "Beta", "10", "9", "" };
    for (const QString& left : texts) {
        for (const QString& right : texts) {
            const int direct = collator.Compare(left, right);
            const int byKey = collator.SortKey(left).compare(collator.SortKey(right));
            EXPECT_EQ(direct < 0, byKey < 0) << left.toStdString() << " " << right.toStdString();
            EXPECT_EQ(direct == 0, byKey == 0) << left.toStdString() << " " << right.toStdString();
        }
    }
}

} // namespace
