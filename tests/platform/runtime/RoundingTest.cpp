#include <tarvex/platform/runtime/Rounding.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Tarvex;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourAndNothingOutsideTheSigned32BitRangeRounds)
{
    const struct {
        double Value;
        std::optional<int> Expected;
    } cases[] = { { 2.5, 2 }, { 3.5, 4 }, { 0.5, 0 }, { -2.5, -2 }, { -3.5, -4 }, { 2.5000001, 3 }, { 2.4999999, 2 },
                  { -2.6, -3 }, { 2147483647.4, 2147483647 }, { 2147483647.5, std::nullopt }, // rounds to 2^31
                  { -2147483648.5, -2147483647 - 1 }, { -2147483648.6, std::nullopt }, { 1e300, std::nullopt },
                  { std::numeric_limits<double>::infinity(), std::nullopt }, { std::nan(""), std::nullopt } };
    for (const auto& c : cases)
        EXPECT_EQ(c.Expected, RoundHalfEvenToInt32(c.Value)) << c.Value;
}
