#include "core/game/money.h"

#include <gtest/gtest.h>

namespace trivanto {
namespace {

struct RoundCase {
    double value;
    qint32 expected;
};

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const RoundCase cases[] = {{2.5, 2},           {7.5, 8},     {33.333, 33}, {500.5, 500},
                               {501.5, 502},       {-0.5, 0},    {-1.5, -2},   {-2.5, -2},
                               {1000.00005, 1000}, {0.49999, 0}, {2.51, 3},    {-2.51, -3}};
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
    }
}

TEST(RoundHalfEven, ExactFractionsRoundTheSameWay) {
    const struct {
        qint64 numerator;
        qint64 denominator;
        qint32 expected;
    } cases[] = {{5, 2, 2},
                 {15, 2, 8},
                 {-1, 2, 0},
                 {-3, 2, -2},
                 {-5, 2, -2},
                 {1, 3, 0},
                 {2, 3, 1},
                 {-2, 3, -1},
                 {-4, 3, -1},
                 {100, 3, 33},
                 {9, 1, 9},
                 {-9, 1, -9},
                 {33333335, 10, 3333334},
                 {-33333335, 10, -3333334},
                 {33333325, 10, 3333332}};
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfEven(c.numerator, c.denominator), c.expected)
            << c.numerator << " / " << c.denominator;
    }
}

}  // namespace
}  // namespace trivanto
