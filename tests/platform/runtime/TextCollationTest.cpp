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
