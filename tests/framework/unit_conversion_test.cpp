// ScaleX / ScaleY at 96 dpi.
#include "framework/numeric.h"
#include "framework/unit_conversion.h"

#include <gtest/gtest.h>

using namespace ulmaro;

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
