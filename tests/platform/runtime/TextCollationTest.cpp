#include "platform/runtime/TextCollation.h"

#include "LocaleScope.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

TEST(TextCollation, IgnoresCaseAndPlacesUmlautsWithTheirBaseLetter)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(0, CompareText(QStringLiteral("müller"), QStringLiteral("MÜLLER")));
    EXPECT_LT(CompareText(QStringLiteral("adam"), QStringLiteral("Bär")), 0);
    // Binary order would put Ä after Z.
    EXPECT_LT(CompareText(QStringLiteral("Äpfel"), QStringLiteral("Birne")), 0);
    EXPECT_GT(CompareText(QStringLiteral("Zebra"), QStringLiteral("Äpfel")), 0);
}

} // namespace

namespace {

TEST(TextCollation, SortKeysIgnoreCaseAlsoInTheCLocale)
{
    for (const char* name : { "C", "en_US" }) {
        LocaleScope locale(name);
        const TextCollator collator;
        EXPECT_EQ(0, collator.SortKey(QStringLiteral("APFEL")).compare(collator.SortKey(QStringLiteral("apfel")))) << name;
        EXPECT_LT(collator.SortKey(QStringLiteral("a")).compare(collator.SortKey(QStringLiteral("APFEL"))), 0) << name;
        EXPECT_LT(collator.SortKey(QStringLiteral("apfel")).compare(collator.SortKey(QStringLiteral("B"))), 0) << name;
    }
}

} // namespace
