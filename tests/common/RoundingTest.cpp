#include "text/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace text;

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        qint64 expected;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {0.5, 0},
        {1.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {12.5, 12},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {0.0, 0},
        {7.0, 7},
        {0.49999999999999994, 0},
        {1e15 + 0.5, 1000000000000000},
    };
    for (const auto &c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
}

TEST(RoundingTest, ValuesOutsideSixtyFourBitsSaturate) {
    EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<qint64>::max());
    EXPECT_EQ(roundHalfEven(-1e300), std::numeric_limits<qint64>::min());
    EXPECT_EQ(roundHalfEven(std::nan("")), 0);
}

TEST(RoundingTest, PercentAndDivRoundHalvesToEven) {
    const struct {
        int a;
        int b;
        const char *percent;
        const char *quotient;
    } cases[] = {
        {1, 8, "12", "0"},   {3, 8, "38", "0"},  {7, 2, "350", "4"},  {5, 2, "250", "2"},
        {1, 3, "33", "0"},   {2, 3, "67", "1"},  {9, 3, "300", "3"},  {8, 8, "100", "1"},
        {0, 5, "0", "0"},    {1, 0, "-1", "-1"}, {1, -4, "-1", "-1"}, {-1, 8, "-1", "-1"},
        {-7, 2, "-1", "-1"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(percentOf(c.a, c.b), QString::fromLatin1(c.percent)) << c.a << ", " << c.b;
        EXPECT_EQ(divRounded(c.a, c.b), QString::fromLatin1(c.quotient)) << c.a << ", " << c.b;
    }
}

TEST(RoundingTest, ProductsWrapAroundInThirtyTwoBits) {
    const struct {
        int a;
        int b;
        int expected;
    } cases[] = {
        {3, 4, 12},          {-3, 4, -12},
        {65536, 65536, 0},   {65536, 32768, std::numeric_limits<int>::min()},
        {2147483647, 2, -2}, {-1, std::numeric_limits<int>::min(), std::numeric_limits<int>::min()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(mul32(c.a, c.b), c.expected) << c.a << " * " << c.b;
}
