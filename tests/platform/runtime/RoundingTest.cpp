#include "platform/runtime/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Tarvex;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(2, RoundHalfEvenToInt32(2.5));
    EXPECT_EQ(4, RoundHalfEvenToInt32(3.5));
    EXPECT_EQ(0, RoundHalfEvenToInt32(0.5));
    EXPECT_EQ(-2, RoundHalfEvenToInt32(-2.5));
    EXPECT_EQ(-4, RoundHalfEvenToInt32(-3.5));
    EXPECT_EQ(3, RoundHalfEvenToInt32(2.5000001));
    EXPECT_EQ(2, RoundHalfEvenToInt32(2.4999999));
    EXPECT_EQ(-3, RoundHalfEvenToInt32(-2.6));
}

TEST(RoundHalfEven, FailsOutsideTheSigned32BitRange)
{
    EXPECT_EQ(2147483647, RoundHalfEvenToInt32(2147483647.4));
    EXPECT_EQ(std::nullopt, RoundHalfEvenToInt32(2147483647.5)); // rounds to 2^31
    EXPECT_EQ(-2147483647 - 1, RoundHalfEvenToInt32(-2147483648.5));
    EXPECT_EQ(std::nullopt, RoundHalfEvenToInt32(-2147483648.6));
    EXPECT_EQ(std::nullopt, RoundHalfEvenToInt32(1e300));
    EXPECT_EQ(std::nullopt, RoundHalfEvenToInt32(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(std::nullopt, RoundHalfEvenToInt32(std::nan("")));
}
