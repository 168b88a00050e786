#include <tarvex/platform/runtime/TextCollation.h>

#include "LocaleScope.h"

#include <gtest/gtest.h>

using namespace Tarvex;

TEST(TextCollation, IgnoresCaseAndPlacesUmlautsWithTheirBaseLetter)
{
    LocaleScope german("de_DE");
    EXPECT_EQ(0, CompareText(QStringLiteral("müller"), QStringLiteral("MÜLLER")));
    EXPECT_LT(CompareText(QStringLiteral("adam"), QStringLiteral("Bär")), 0);
    // Binary order would put Ä after Z.
    EXPECT_LT(CompareText(QStringLiteral("Äpfel"), QStringLiteral("Birne")), 0);
    EXPECT_GT(CompareText(QStringLiteral("Zebra"), QStringLiteral("Äpfel")), 0);
}

TEST(TextCollation, SortKeysIgnoreCaseAlsoInTheCLocale)
{
    for (const char* name : { "C", "en_US" }) {
        LocaleScope locale(name);
        const TextCollator collator;
        const auto key = [&](const char* text) { return collator.SortKey(QString::fromUtf8(text)); };
        EXPECT_EQ(0, key("APFEL").compare(key("apfel"))) << name;
        EXPECT_LT(key("a").compare(key("APFEL")), 0) << name;
        EXPECT_LT(key("apfel").compare(key("B")), 0) << name;
    }
}
