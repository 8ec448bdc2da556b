#include "core/game/money.h"

#include <gtest/gtest.h>

namespace trivanto {
namespace {

struct RoundCase {
    double value;
    qint32 expected;
};

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const RoundCase cases[] = {{2.5, 2},     {7.5, 8},       {33.333, 33},    {500.5, 500},
                               {501.5, 502}, {-0.5, 0},      {-1.5, -2},      {-2.5, -2},
                               {1000.00005, 1000}, {0.49999, 0}, {2.51, 3}, {-2.51, -3}};
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
    }
}

}  // namespace
}  // namespace trivanto
