// The language's numbers: MaxOf and MinOf, rounding to Long, sixteen-bit patterns, the
// conversion rules of values (banker's rounding, overflow, Booleans, literals, printing)
// and ScaleX / ScaleY at 96 dpi.
#include "framework/numeric.h"
#include "framework/unit_conversion.h"
#include "framework/variant.h"

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

// Integer conversions round halves to even and overflow past their range; Booleans are -1
// and 0; strings convert or are a type mismatch, as Nothing is.
TEST(Variant, ConversionsRoundOverflowAndMismatch) {
    const std::pair<Variant, std::int32_t> toInt16[] = {{Variant(2.5), 2},     {Variant(3.5), 4},   {Variant(-2.5), -2},
                                                        {Variant(32767.4), 32767}, {Variant(true), -1}, {Variant("12"), 12}};
    for (const auto& [v, n] : toInt16) EXPECT_EQ(v.toInt16(), n) << v.toString();
    EXPECT_EQ(Variant(2147483647.0).toInt32(), 2147483647);
    EXPECT_EQ(Variant(false).toInt32(), 0);
    EXPECT_EQ(errorNumber([] { Variant(32767.5).toInt16(); }), 6);
    EXPECT_EQ(errorNumber([] { Variant(static_cast<std::int32_t>(40000)).toInt16(); }), 6);
    EXPECT_EQ(errorNumber([] { Variant(2147483647.5).toInt32(); }), 6);
    EXPECT_EQ(errorNumber([] { Variant("twelve").toInt16(); }), 13);
    EXPECT_EQ(errorNumber([] { Variant::nothing().toInt32(); }), 13);
    EXPECT_TRUE(Variant("True").toBool() && Variant("-3").toBool());
    EXPECT_FALSE(Variant("false").toBool());
    EXPECT_EQ(Variant(true).toString(), "True");
}

TEST(Variant, LiteralsTakeTheLanguagesTypes) {
    Variant v;
    ASSERT_TRUE(parseNumber("&HFFFF", v));
    EXPECT_EQ(v.type(), VarType::Integer);
    EXPECT_EQ(v.toInt16(), -1);
    ASSERT_TRUE(parseNumber("&H8000000F", v));
    EXPECT_EQ(v.type(), VarType::Long);
    EXPECT_EQ(v.toColor(), 0x8000000Fu);
    ASSERT_TRUE(parseNumber("40000", v));
    EXPECT_EQ(v.type(), VarType::Long);
    ASSERT_TRUE(parseNumber("-1.5e2", v));
    EXPECT_EQ(v.toDouble(), -150.0);
    EXPECT_FALSE(parseNumber("1.2.3", v));
    EXPECT_FALSE(parseNumber("&HG", v));
    EXPECT_FALSE(parseNumber("", v));
    // Colours up to &HFFFFFFFF keep their bits; beyond that is an overflow.
    EXPECT_EQ(Variant(4294967295.0).toColor(), 0xFFFFFFFFu);
    EXPECT_EQ(errorNumber([] { Variant(4294967296.0).toColor(); }), 6);
}

TEST(Variant, NumbersPrintLikeTheLanguage) {
    EXPECT_EQ(Variant(2.5f).toString(), "2.5");
    EXPECT_EQ(Variant(1.0f / 3.0f).toString(), "0.3333333");
    EXPECT_EQ(Variant(8.25).toString(), "8.25");
    EXPECT_EQ(Variant(1e20).toString(), "1E+20");
    EXPECT_EQ(Variant(-0.5f).toString(), "-0.5");
    EXPECT_EQ(Variant(static_cast<std::int32_t>(-2147483633)).toString(), "-2147483633");
}

// Between every pair of units, not rounded.
TEST(ScaleX, ConvertsBetweenScreenUnitsWithoutRounding) {
    struct Case {
        double value;
        int from, to;
        double expected;
    } cases[] = {{1, scale::Pixels, scale::Twips, 15},         {1500, scale::Twips, scale::Pixels, 100},
                 {96, scale::Pixels, scale::Inches, 1},        {72, scale::Points, scale::Pixels, 96},
                 {1, scale::Inches, scale::Millimeters, 25.4}, {3, scale::Centimeters, scale::Millimeters, 30},
                 {2540, scale::Himetric, scale::Pixels, 96},   {1, scale::Millimeters, scale::Himetric, 100},
                 {7.5, scale::Twips, scale::Twips, 7.5},       {7, scale::Twips, scale::Pixels, 7.0 / 15.0},
                 {16, scale::Pixels, scale::Himetric, 16 * 2540 / 96.0}, {423, scale::Himetric, scale::Pixels, 423 * 96 / 2540.0}};
    for (const Case& c : cases) EXPECT_NEAR(ScaleX(c.value, c.from, c.to), c.expected, 1e-9) << c.value << " " << c.from << " " << c.to;
}

TEST(ScaleY, MatchesScaleXOnSquarePixels) {
    for (int from : {scale::Twips, scale::Points, scale::Pixels, scale::Inches, scale::Millimeters, scale::Centimeters, scale::Himetric})
        for (int to : {scale::Twips, scale::Pixels, scale::Himetric})
            EXPECT_DOUBLE_EQ(ScaleY(37, from, to), ScaleX(37, from, to)) << from << " " << to;
    EXPECT_DOUBLE_EQ(ScaleY(300, scale::Twips, scale::Pixels), 20);
}

TEST(ScaleX, RoundTripsThroughHimetric) {
    for (int px : {1, 15, 16, 32, 255})
        EXPECT_EQ(RoundToLong(ScaleX(RoundToLong(ScaleX(px, scale::Pixels, scale::Himetric)), scale::Himetric, scale::Pixels)), px);
}

TEST(ScaleX, UnsupportedScalesAreAnInvalidCall) {
    for (int mode : {0, 4, 9, -1}) {
        try {
            ScaleX(1, mode, scale::Pixels);
            ADD_FAILURE() << "scale " << mode << " accepted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number, 5);
        }
        EXPECT_THROW(ScaleY(1, scale::Pixels, mode), RuntimeError);
    }
}
