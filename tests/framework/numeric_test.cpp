// MaxOf, MinOf, rounding to Long and UnsignedToInteger.
#include "framework/numeric.h"

#include "support/run_time_error.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

using namespace ulmaro;
using ulmaro::test::errorNumber;

// The larger and the smaller; of two equal values the second (0.0 and -0.0 compare equal
// but can be told apart by their sign).
TEST(MaxOfMinOf, PickTheLargerAndTheSmallerAndTheSecondOfEquals) {
    EXPECT_EQ((std::vector<int>{MaxOf(3, 5), MaxOf(5, 3), MinOf(3, 5), MinOf(5, 3)}), (std::vector<int>{5, 5, 3, 3}));
    EXPECT_EQ(MaxOf(-1.5, -2.5), -1.5);
    EXPECT_EQ(MinOf<std::int16_t>(-7, 2), -7);
    EXPECT_TRUE(std::signbit(MaxOf(0.0, -0.0)));
    EXPECT_FALSE(std::signbit(MaxOf(-0.0, 0.0)));
    EXPECT_TRUE(std::signbit(MinOf(0.0, -0.0)));
    EXPECT_FALSE(std::signbit(MinOf(-0.0, 0.0)));
}

// Halves go to the even neighbour, up to the ends of the Long range; past them, and for
// what is no number, it overflows.
TEST(RoundToLong, HalvesGoToTheEvenNeighbourAndOutOfRangeOverflows) {
    const std::pair<double, std::int32_t> cases[] = {{2.5, 2},   {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2},
                                                     {2147483647.4, INT32_MAX}, {-2147483648.5, INT32_MIN}};
    for (auto [in, out] : cases) EXPECT_EQ(RoundToLong(in), out) << in;
    for (double in : {2147483647.5, -2147483649.0, std::nan(""), static_cast<double>(INFINITY)})
        EXPECT_EQ(errorNumber([in] { RoundToLong(in); }), 6) << in;
}

TEST(UnsignedToInteger, MapsSixteenBitPatterns) {
    struct Case {
        std::int32_t in;
        std::int16_t out;
    };
    for (Case c : {Case{0, 0}, Case{1, 1}, Case{32767, 32767}, Case{-1, -1}, Case{-32768, -32768},
                   Case{32768, -32768}, Case{49152, -16384}, Case{65535, -1}, Case{65536, 0}, Case{98303, 32767}}) {
        std::int32_t v = c.in;
        EXPECT_EQ(UnsignedToInteger(v), c.out) << c.in;
        EXPECT_EQ(v, c.in);  // by reference, but left alone
    }
}

TEST(UnsignedToInteger, OverflowsOutsideTheAcceptedRange) {
    for (std::int32_t in : {-32769, 98304, 131071, INT32_MAX, INT32_MIN}) {
        EXPECT_EQ(errorNumber([in] {
                      std::int32_t v = in;
                      UnsignedToInteger(v);
                  }),
                  6)
            << in;
    }
}
