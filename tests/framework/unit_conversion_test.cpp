// ScaleX / ScaleY at 96 dpi.
#include "framework/numeric.h"
#include "framework/unit_conversion.h"

#include <gtest/gtest.h>

using namespace ulmaro;

TEST(ScaleX, ConvertsBetweenScreenUnits) {
    EXPECT_DOUBLE_EQ(ScaleX(1, scale::Pixels, scale::Twips), 15);
    EXPECT_DOUBLE_EQ(ScaleX(1500, scale::Twips, scale::Pixels), 100);
    EXPECT_DOUBLE_EQ(ScaleX(96, scale::Pixels, scale::Inches), 1);
    EXPECT_DOUBLE_EQ(ScaleX(72, scale::Points, scale::Pixels), 96);
    EXPECT_DOUBLE_EQ(ScaleX(1, scale::Inches, scale::Millimeters), 25.4);
    EXPECT_DOUBLE_EQ(ScaleX(3, scale::Centimeters, scale::Millimeters), 30);
    EXPECT_DOUBLE_EQ(ScaleX(2540, scale::Himetric, scale::Pixels), 96);
    EXPECT_DOUBLE_EQ(ScaleX(1, scale::Millimeters, scale::Himetric), 100);
    EXPECT_DOUBLE_EQ(ScaleX(7.5, scale::Twips, scale::Twips), 7.5);
}

TEST(ScaleX, ResultsAreNotRounded) {
    EXPECT_NEAR(ScaleX(16, scale::Pixels, scale::Himetric), 423.3333, 1e-4);
    EXPECT_NEAR(ScaleX(423, scale::Himetric, scale::Pixels), 15.9874, 1e-4);
    EXPECT_DOUBLE_EQ(ScaleX(7, scale::Twips, scale::Pixels), 7.0 / 15.0);
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
