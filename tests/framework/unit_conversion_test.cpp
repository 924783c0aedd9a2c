// ScaleX / ScaleY at 96 dpi.
#include "framework/numeric.h"
#include "framework/unit_conversion.h"

#include <gtest/gtest.h>

using namespace ulmaro;

TEST(ScaleX, ConvertsBetweenScreenUnits) {
    EXPECT_DOUBLE_EQ(ScaleX(1, vbPixels, vbTwips), 15);
    EXPECT_DOUBLE_EQ(ScaleX(1500, vbTwips, vbPixels), 100);
    EXPECT_DOUBLE_EQ(ScaleX(96, vbPixels, vbInches), 1);
    EXPECT_DOUBLE_EQ(ScaleX(72, vbPoints, vbPixels), 96);
    EXPECT_DOUBLE_EQ(ScaleX(1, vbInches, vbMillimeters), 25.4);
    EXPECT_DOUBLE_EQ(ScaleX(3, vbCentimeters, vbMillimeters), 30);
    EXPECT_DOUBLE_EQ(ScaleX(2540, vbHimetric, vbPixels), 96);
    EXPECT_DOUBLE_EQ(ScaleX(1, vbMillimeters, vbHimetric), 100);
    EXPECT_DOUBLE_EQ(ScaleX(7.5, vbTwips, vbTwips), 7.5);
}

TEST(ScaleX, ResultsAreNotRounded) {
    EXPECT_NEAR(ScaleX(16, vbPixels, vbHimetric), 423.3333, 1e-4);
    EXPECT_NEAR(ScaleX(423, vbHimetric, vbPixels), 15.9874, 1e-4);
    EXPECT_DOUBLE_EQ(ScaleX(7, vbTwips, vbPixels), 7.0 / 15.0);
}

TEST(ScaleY, MatchesScaleXOnSquarePixels) {
    for (int from : {vbTwips, vbPoints, vbPixels, vbInches, vbMillimeters, vbCentimeters, vbHimetric})
        for (int to : {vbTwips, vbPixels, vbHimetric})
            EXPECT_DOUBLE_EQ(ScaleY(37, from, to), ScaleX(37, from, to)) << from << " " << to;
    EXPECT_DOUBLE_EQ(ScaleY(300, vbTwips, vbPixels), 20);
}

TEST(ScaleX, RoundTripsThroughHimetric) {
    for (int px : {1, 15, 16, 32, 255})
        EXPECT_EQ(RoundToLong(ScaleX(RoundToLong(ScaleX(px, vbPixels, vbHimetric)), vbHimetric, vbPixels)), px);
}

TEST(ScaleX, UnsupportedScalesAreAnInvalidCall) {
    for (int scale : {0, 4, 9, -1}) {
        try {
            ScaleX(1, scale, vbPixels);
            ADD_FAILURE() << "scale " << scale << " accepted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number, 5);
        }
        EXPECT_THROW(ScaleY(1, vbPixels, scale), RuntimeError);
    }
}
